// The test programs' start: one QApplication for every test, on the platform CTest sets.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
