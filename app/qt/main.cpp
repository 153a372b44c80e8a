// Entry point of the window program vpxds: vpxds [--appdir DIR] [FILE.dat] (vpxds --help lists the
// options, among them --measure-startup and --screenshot FILE for the screenshot script).
#include <QApplication>
#include <QDir>
#include <QTimer>

#include <iostream>

#include "app/AppLocation.h"
#include "app/AppState.h"
#include "app/Version.h"
#include "app/WindowArgs.h"
#include "app/qt/AppStart.h"
#include "app/qt/CMainFrame.h"
#include "app/qt/DocumentCommands.h"
#include "app/qt/FirstPaintProbe.h"

int main(int argc, char* argv[])
{
    // --help and --version answer before the window system is touched, so they work without a display.
    const WindowArgs early = ParseWindowArgs(std::vector<std::string>(argv + 1, argv + argc));
    if (early.help || early.version) {
        std::cout << (early.help ? WindowUsageText() : ProgramVersionLine("vpxds") + "\n");
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vpxds"));
    QApplication::setApplicationVersion(QString::fromLatin1(kProgramVersion));

    // The toolkit has taken its own options (-platform ...) out of the arguments by now.
    std::vector<std::string> rest;
    for (const QString& a : QCoreApplication::arguments().mid(1))
        rest.push_back(a.toStdString());
    const WindowArgs args = ParseWindowArgs(rest);
    if (!args.error.empty()) {
        std::cerr << "vpxds: " << args.error << "\n" << WindowUsageText();
        return 2;
    }
    const QString appDirOverride =
        args.appDir.empty() ? QString() : QDir(QString::fromStdString(args.appDir)).absolutePath();

    // Beside the program (portable) or the user's configuration folder (installed program).
    const AppLocation where = ResolveAppLocation(QCoreApplication::applicationDirPath().toStdString(),
                                                 appDirOverride.toStdString());
    g_strDataDir = where.dataDir;
    CMainFrame* frame = StartMainWindow(where.appDir, false);

    if (args.measureStartup || !args.screenshot.empty()) {
        // Reports once the main window has been painted, then ends the program without prompts.
        new FirstPaintProbe(frame, QString::fromStdString(args.screenshot)); // owned by the frame
    }
    frame->show();
    if (!args.file.empty()) {
        // Opened as File > Open would, once the window is on screen to carry its messages.
        const QString file = QDir::current().absoluteFilePath(QString::fromStdString(args.file));
        QTimer::singleShot(0, frame, [frame, file] { FileOpenPath(frame, file); });
    }
    const int rc = QApplication::exec();
    delete frame;
    return rc;
}
