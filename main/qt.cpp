// vantrel on Linux: the program on the Qt kit and the Linux services.
#include "app/program.h"
#include "kit/linux/files.h"
#include "kit/linux/http.h"
#include "kit/linux/system.h"
#include "kit/qt/qtkit.h"
#include "kit/random.h"
#include "skinengine/enginebytes.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // Qt's own texts (the file dialog's buttons and columns) in the program's language.
    QTranslator translator;
    if (translator.load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                        QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&translator);
    }

    vantrel::qt::QtKit kit;
    vantrel::CurlHttp http;
    vantrel::XdgShell shell;
    vantrel::PosixFiles files;
    vantrel::SystemClock clock;
    vantrel::PortableRandom random;
    vantrel::DlModules modules;
    const QByteArray directory = QCoreApplication::applicationDirPath().toUtf8();
    vantrel::Program program(vantrel::Services{
        .kit = kit,
        .http = http,
        .shell = shell,
        .files = files,
        .clock = clock,
        .random = random,
        .modules = modules,
        .programdirectory =
            vantrel::fromutf8({directory.constData(), static_cast<std::size_t>(directory.size())}),
        .enginebytes = vantrel::enginebytes(),
    });
    return program.run();
}
