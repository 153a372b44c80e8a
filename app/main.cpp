// Entry point of the window program vpxds. Options: --appdir DIR (application directory instead of the
// program's own), and for the screenshot script --measure-startup and --screenshot FILE.
#include <QApplication>
#include <QDir>

#include "app/AppStart.h"
#include "app/CMainFrame.h"
#include "app/FirstPaintProbe.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vpxds"));

    QString appDir = QCoreApplication::applicationDirPath();
    bool measureStartup = false;
    QString screenshotPath;
    const QStringList args = QCoreApplication::arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QStringLiteral("--appdir") && i + 1 < args.size())
            appDir = QDir(args[++i]).absolutePath();
        else if (args[i] == QStringLiteral("--measure-startup"))
            measureStartup = true;
        else if (args[i] == QStringLiteral("--screenshot") && i + 1 < args.size())
            screenshotPath = args[++i];
        // A file name or any other argument is not acted upon.
    }

    CMainFrame* frame = StartMainWindow(appDir.toStdString(), false);

    if (measureStartup || !screenshotPath.isEmpty()) {
        // Reports once the main window has been painted, then ends the program without prompts.
        new FirstPaintProbe(frame, screenshotPath); // owned by the frame
    }
    frame->show();
    const int rc = QApplication::exec();
    delete frame;
    return rc;
}
