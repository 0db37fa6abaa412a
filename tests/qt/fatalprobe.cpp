// fatalprobe DIR: starts the program with DIR as its folder on the Qt kit, prints each message
// box it shows (and whether the main window was on screen then), answers it, and lets the
// program end as it will.
#include "app/program.h"
#include "kit/headless/scripted.h"
#include "kit/linux/files.h"
#include "kit/linux/system.h"
#include "kit/qt/qtkit.h"
#include "kit/random.h"
#include "skinengine/enginebytes.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <sstream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fatalprobe DIR\n");
        return 2;
    }
    QApplication application(argc, argv);
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) {
            return;
        }
        bool mainshown = false;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            mainshown = mainshown || (window->objectName() == "main" && window->isVisible());
        }
        std::printf("message: %s\nmain window shown: %s\n", box->text().toUtf8().constData(),
                    mainshown ? "yes" : "no");
        std::fflush(stdout);
        box->accept();
    });
    watch.start(5);

    vantrel::qt::QtKit kit;
    std::ostringstream log;
    vantrel::ScriptedHttp http(log);
    vantrel::ScriptedShell shell(log);
    vantrel::PosixFiles files;
    vantrel::ScriptedClock clock;
    vantrel::PortableRandom random;
    vantrel::DlModules modules;
    vantrel::Program program(vantrel::Services{.kit = kit,
                                               .http = http,
                                               .shell = shell,
                                               .files = files,
                                               .clock = clock,
                                               .random = random,
                                               .modules = modules,
                                               .programdirectory = vantrel::fromutf8(argv[1]),
                                               .enginebytes = vantrel::enginebytes()});
    const int code = program.run();
    std::printf("run returned %d\n", code);
    return code;
}
