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
#include <QMessageBox>
#include <QTranslator>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // Qt's own texts (the file dialog's buttons and columns) in the program's language.
    QTranslator translator;
    if (translator.load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                        QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&translator);
    }

    const QByteArray directory = QCoreApplication::applicationDirPath().toUtf8();
    const std::string_view folder(directory.constData(), static_cast<std::size_t>(directory.size()));
    if (!vantrel::gbkrepresentable(folder)) {
        // Every path of the program is a GBK text: a folder GBK cannot name would send the
        // word library, the record and the engine to a place that does not exist.
        QMessageBox::critical(nullptr, QStringLiteral("Vantrel"),
                              QStringLiteral("程序所在文件夹的路径中有无法用 GBK 表示的字符：\n%1\n"
                                             "请把程序放到路径只含中文、英文字母和数字的文件夹中再启动。")
                                  .arg(QCoreApplication::applicationDirPath()));
        return 1;
    }

    vantrel::qt::QtKit kit;
    vantrel::CurlHttp http;
    vantrel::XdgShell shell;
    vantrel::PosixFiles files;
    vantrel::SystemClock clock;
    vantrel::PortableRandom random;
    vantrel::DlModules modules;
    vantrel::Program program(vantrel::Services{
        .kit = kit,
        .http = http,
        .shell = shell,
        .files = files,
        .clock = clock,
        .random = random,
        .modules = modules,
        .programdirectory = vantrel::fromutf8(folder),
        .enginebytes = vantrel::enginebytes(),
    });
    return program.run();
}
