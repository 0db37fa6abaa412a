// The skins and the Qt engine: every block a distinct, readable skin carrying its number; the
// engine takes a good block and refuses a bad one; an engine that cannot serve ends the
// program with its message.
#include "kit/skinentry.h"
#include "skin/skinformat.h"
#include "skin/skintable.h"

#include <QApplication>
#include <QFile>
#include <QPalette>
#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <set>

namespace vantrel {
namespace {

// Relative luminance, enough to tell whether text stands out from its background.
double luminance(ui::Rgb c) {
    return 0.2126 * c.red + 0.7152 * c.green + 0.0722 * c.blue;
}

TEST(Skins, EveryBlockIsADistinctReadableSkinCarryingItsNumber) {
    std::set<std::vector<unsigned char>> looks;
    for (int n = 1; n <= skincount; ++n) {
        SCOPED_TRACE(n);
        const auto block = skinblock(n);
        EXPECT_EQ(skinnumber(block), n);
        const auto skin = parseskin(block);
        ASSERT_TRUE(skin.has_value());
        EXPECT_EQ(skin->number, n);
        EXPECT_FALSE(skin->name.empty());
        EXPECT_GT(std::abs(luminance(skin->colour("face")) - luminance(skin->colour("text"))), 120);
        EXPECT_GT(
            std::abs(luminance(skin->colour("buttonend")) - luminance(skin->colour("buttontext"))),
            60);
        Skin unnamed = *skin;
        unnamed.number = 0;
        unnamed.name.clear();
        looks.insert(describeskin(unnamed));
        // What the format writes, it reads back whole.
        EXPECT_EQ(describeskin(*parseskin(describeskin(*skin))), describeskin(*skin));
    }
    EXPECT_EQ(looks.size(), static_cast<std::size_t>(skincount));
}

TEST(Skins, DamagedBlocksAreNoSkins) {
    const auto good = skinblock(2);
    const std::string body(good.begin(), good.end());
    auto bytes = [](std::string text) {
        return std::vector<unsigned char>(text.begin(), text.end());
    };
    const std::string cases[] = {
        "",
        ".SH",
        "XSHE\x01\x02" + body.substr(6),
        body.substr(0, 4) + "\x02" + body.substr(5), // another version
        body.substr(0, 5) + std::string(1, '\0') + body.substr(6),
        body.substr(0, body.find("face")) + "face #12345\n" +
            body.substr(body.find('\n', body.find("face")) + 1),
        body.substr(0, body.find("scrollhandle")), // a colour missing
        body + "radius 99\n",
        body + "nospace\n",
    };
    for (const std::string& block : cases) {
        const auto data = bytes(block);
        EXPECT_FALSE(parseskin(data).has_value()) << block.size();
    }
    EXPECT_EQ(skinnumber(bytes(".SHE\x01")), 0);
}

class Engine : public ::testing::Test {
  protected:
    void SetUp() override {
        module_ = dlopen(ENGINEFILE, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(module_, nullptr) << dlerror();
        entry_ = reinterpret_cast<SkinEntry>(dlsym(module_, skinentryname));
        ASSERT_NE(entry_, nullptr);
        qApp->setStyleSheet({});
    }
    void TearDown() override { qApp->setStyleSheet({}); }
    void* module_ = nullptr;
    SkinEntry entry_ = nullptr;
};

TEST_F(Engine, ASkinColoursEveryWindowFace) {
    const auto block = skinblock(2);
    std::vector<unsigned char> copy(block.begin(), block.end());
    EXPECT_EQ(entry_(copy.data(), static_cast<int>(copy.size()), "", 0, 0, 0), 1);
    // The caller releases its block at once: nothing may still point into it.
    std::fill(copy.begin(), copy.end(), 0);
    const ui::Rgb face = parseskin(block)->colour("face");
    EXPECT_EQ(QApplication::palette().color(QPalette::Window),
              QColor(face.red, face.green, face.blue));
    EXPECT_TRUE(qApp->styleSheet().contains("QPushButton"));
    QWidget later;
    EXPECT_EQ(later.palette().color(QPalette::Window), QColor(face.red, face.green, face.blue));
}

TEST_F(Engine, ABlockItCannotReadLeavesTheLookAsItWas) {
    const unsigned char damaged[] = ".SHE\x01\x02name x\n";
    const auto good = skinblock(5);
    EXPECT_EQ(entry_(nullptr, 0, "", 0, 0, 0), 0);
    EXPECT_EQ(entry_(damaged, sizeof damaged - 1, "", 0, 0, 0), 0);
    EXPECT_EQ(entry_(good.data(), -5, "", 0, 0, 0), 0);
    EXPECT_TRUE(qApp->styleSheet().isEmpty());
}

// The probe starts the program in a folder whose SkinH_EL.dll is not the engine; the message it
// ends with is printed, and the process ends.
TEST(EngineMissing, TheProgramShowsTheFatalMessageAndEnds) {
    struct Case {
        const char* what;
        bool loadable;
    };
    for (const Case test : {Case{"no entry point", true}, Case{"not a library", false}}) {
        SCOPED_TRACE(test.what);
        QTemporaryDir folder;
        const QString engine = folder.filePath("SkinH_EL.dll");
        if (test.loadable) {
            ASSERT_TRUE(QFile::copy(BROKENENGINE, engine));
        } else {
            QFile file(engine);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("not an engine");
        }
        QProcess probe;
        probe.start(FATALPROBE, {folder.path()});
        ASSERT_TRUE(probe.waitForFinished(30000));
        const QString out = QString::fromUtf8(probe.readAllStandardOutput());
        EXPECT_EQ(probe.exitStatus(), QProcess::NormalExit);
        EXPECT_NE(probe.exitCode(), 0);
        EXPECT_TRUE(out.contains("message: 无法加载 SkinH_EL.dll 或找不到其入口 SkinH_AttachRes"))
            << out.toStdString();
        EXPECT_TRUE(out.contains("main window shown: no")) << out.toStdString();
        EXPECT_FALSE(out.contains("run returned")) << out.toStdString();
    }
}

} // namespace
} // namespace vantrel
