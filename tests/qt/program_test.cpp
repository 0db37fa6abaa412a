// The whole program on real widgets: the skin engine written next to it and loaded from
// there, a short game from the time choice to the results, an add and a delete in the
// library window, and screenshots of the four windows in the program's skin.
#include "app/program.h"
#include "kit/headless/scripted.h"
#include "kit/linux/files.h"
#include "kit/linux/system.h"
#include "kit/qt/convert.h"
#include "kit/random.h"
#include "library/librarymaker.h"
#include "skinengine/enginebytes.h"
#include "tests/qt/driver.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QInputMethodEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <sstream>

namespace vantrel::qt::testing {
namespace {

void screenshot(const QtKit& kit, const ui::Window& definition) {
    QDir().mkpath(SCREENSHOTS);
    const QString name = QString::fromUtf8(definition.id.data(), definition.id.size());
    EXPECT_TRUE(frameof(kit, definition)->grab().save(QString(SCREENSHOTS) + "/" + name + ".png"));
}

class QtProgram : public ::testing::Test {
  protected:
    QtProgram()
        : http(log), shell(log),
          program(Services{.kit = kit,
                           .http = http,
                           .shell = shell,
                           .files = files,
                           .clock = clock,
                           .random = random,
                           .modules = modules,
                           .programdirectory = fromutf8(folder.path().toStdString()),
                           .enginebytes = enginebytes()}) {}

    void makelibrary(std::vector<std::string> words) {
        std::string error;
        ASSERT_TRUE(vantrel::makelibrary(folder.filePath("caici.mdb").toStdString(), words, error))
            << error;
    }
    bool shown(const ui::Window& definition) {
        QWidget* frame = frameof(kit, definition);
        return frame && frame->isVisible() && frame->isEnabled();
    }
    Window& window(const ui::Window& definition) { return *kit.find(definition); }

    QTemporaryDir folder;
    std::ostringstream log;
    QtKit kit;
    ScriptedHttp http;
    ScriptedShell shell;
    PosixFiles files;
    ScriptedClock clock;
    PortableRandom random;
    DlModules modules;
    Program program;
    Steps steps;
};

TEST_F(QtProgram, TheSkinEngineIsLoadedFromTheFileWrittenNextToTheProgram) {
    QString maps;
    steps.when([&] { return shown(ui::mainwindow()); },
               [&] {
                   QFile file("/proc/self/maps");
                   file.open(QIODevice::ReadOnly);
                   maps = QString::fromUtf8(file.readAll());
                   window(ui::mainwindow()).destroy();
               });
    EXPECT_EQ(program.run(), 0);
    const QString engine = folder.filePath("SkinH_EL.dll");
    QFile written(engine);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    EXPECT_EQ(bytes, QByteArray(reinterpret_cast<const char*>(enginebytes().data()),
                                static_cast<qsizetype>(enginebytes().size())));
    EXPECT_TRUE(maps.contains(engine)) << "the engine was not mapped from " << engine.toStdString();
    EXPECT_FALSE(qApp->styleSheet().isEmpty());
}

TEST_F(QtProgram, AShortGameFromTheTimeChoiceToTheResults) {
    makelibrary({"苹果", "香蕉", "西瓜"});
    std::vector<Text> words;
    steps
        .when([&] { return shown(ui::mainwindow()); },
              [&] {
                  screenshot(kit, ui::mainwindow());
                  auto* combo = controlas<QComboBox>(kit, ui::mainwindow(), "shijian");
                  combo->showPopup();
                  QAbstractItemView* list = combo->view();
                  click(list->viewport(), list->visualRect(combo->model()->index(0, 0)).center());
                  EXPECT_EQ(program.state().gameminutes, 1);
                  press(controlof(kit, ui::mainwindow(), "标签3"));
              })
        .when([&] { return shown(ui::gamewindow()); },
              [&] {
                  Window& game = window(ui::gamewindow());
                  EXPECT_EQ(game.title(), "计时1分钟 猜词进行中..."_t);
                  EXPECT_FALSE(frameof(kit, ui::mainwindow())->isEnabled());
                  for (const char* verdict : {"zhengquebtn", "tiaoguobtn", "zhengquebtn"}) {
                      words.push_back(game.text("xianshibiaoqian"));
                      click(controlof(kit, ui::gamewindow(), verdict));
                  }
                  EXPECT_EQ(game.text("xinxi"), "总个数：3个|正确个数：2个|错误：1个"_t)
                      << toutf8(game.text("xinxi"));
                  screenshot(kit, ui::gamewindow());
                  // The countdown at full speed: sixty ticks and the one that shows 0.
                  frameof(kit, ui::gamewindow())->findChild<QTimer*>()->setInterval(1);
              })
        .when([&] { return shown(ui::resultswindow()); },
              [&] {
                  Window& results = window(ui::resultswindow());
                  EXPECT_EQ(results.text("zonggong"), "总共3个词语"_t);
                  EXPECT_EQ(results.text("zhengque"), "猜正确2个词语"_t);
                  EXPECT_EQ(results.text("caizhonglv"), "猜中率：66.66666666667%"_t);
                  screenshot(kit, ui::resultswindow());
                  QTest::keyClick(frameof(kit, ui::resultswindow()), Qt::Key_Escape);
              })
        .when([&] { return shown(ui::mainwindow()) && !kit.find(ui::gamewindow()); },
              [&] {
                  EXPECT_TRUE(program.state().gamelog.empty());
                  QTest::keyClick(frameof(kit, ui::mainwindow()), Qt::Key_Escape);
              });
    EXPECT_EQ(program.run(), 0);
    EXPECT_TRUE(steps.done());
    QFile record(folder.filePath("猜词记录.txt"));
    ASSERT_TRUE(record.open(QIODevice::ReadOnly));
    const std::string written = record.readAll().toStdString();
    ASSERT_EQ(words.size(), 3u);
    EXPECT_NE(written.find(words[0] + "-ok"), std::string::npos) << toutf8(written);
    for (const Text& word : words) {
        EXPECT_TRUE(word == "苹果"_t || word == "香蕉"_t || word == "西瓜"_t) << toutf8(word);
    }
}

TEST_F(QtProgram, AnAddAndADeleteInTheLibraryWindow) {
    makelibrary({"春风"});
    auto rows = [&] { return window(ui::librarywindow()).rowcount("xinxi"); };
    Text message;
    auto answerok = [&] {
        whenmodal([&](QWidget* modal) {
            message = totext(static_cast<QMessageBox*>(modal)->text());
            static_cast<QMessageBox*>(modal)->button(QMessageBox::Ok)->click();
        });
    };
    steps
        .when([&] { return shown(ui::mainwindow()); },
              [&] { press(controlof(kit, ui::mainwindow(), "标签2")); })
        .when([&] { return shown(ui::librarywindow()); },
              [&] {
                  Window& library = window(ui::librarywindow());
                  EXPECT_EQ(rows(), 1);
                  EXPECT_EQ(library.text("tiaoshu"), "目前有1条词语"_t);
                  // Chinese comes in through the input method, as a committed string.
                  QWidget* ciyu = controlof(kit, ui::librarywindow(), "ciyu");
                  ciyu->setFocus();
                  QInputMethodEvent typed;
                  typed.setCommitString("明月");
                  QApplication::sendEvent(ciyu, &typed);
                  EXPECT_EQ(library.text("zishu"), "2");
                  answerok();
                  click(controlof(kit, ui::librarywindow(), "zengjiabtn"));
                  EXPECT_EQ(message, "添加成功！"_t);
                  ASSERT_EQ(rows(), 2);
                  EXPECT_EQ(library.cell("xinxi", 0, 1), "明月"_t);
                  EXPECT_EQ(library.text("ciyu"), "");
                  screenshot(kit, ui::librarywindow());

                  auto* list = controlas<QTableView>(kit, ui::librarywindow(), "xinxi");
                  click(list->viewport(), list->visualRect(list->model()->index(0, 1)).center());
                  EXPECT_EQ(library.text("ciyu"), "明月"_t);
                  EXPECT_EQ(program.state().selectedid, library.cell("xinxi", 0, 0));
                  answerok();
                  click(controlof(kit, ui::librarywindow(), "shanchbtn"));
                  EXPECT_EQ(message, "确认删除"_t);
                  ASSERT_EQ(rows(), 1);
                  EXPECT_EQ(library.cell("xinxi", 0, 1), "春风"_t);
                  EXPECT_EQ(library.text("tiaoshu"), "目前有1条词语"_t);
                  QTest::keyClick(frameof(kit, ui::librarywindow()), Qt::Key_Escape);
              })
        .when([&] { return shown(ui::mainwindow()); }, [&] { window(ui::mainwindow()).destroy(); });
    EXPECT_EQ(program.run(), 0);
    EXPECT_TRUE(steps.done());
}

} // namespace
} // namespace vantrel::qt::testing
