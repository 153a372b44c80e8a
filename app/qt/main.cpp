// Entry point of the window program vpxds. Options: --appdir DIR (application directory instead of the
// one the program finds for itself), and for the screenshot script --measure-startup and --screenshot FILE.
#include <QApplication>
#include <QDir>

#include "app/AppLocation.h"
#include "app/AppState.h"
#include "app/qt/AppStart.h"
#include "app/qt/CMainFrame.h"
#include "app/qt/FirstPaintProbe.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vpxds"));

    QString appDirOverride;
    bool measureStartup = false;
    QString screenshotPath;
    const QStringList args = QCoreApplication::arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QStringLiteral("--appdir") && i + 1 < args.size())
            appDirOverride = QDir(args[++i]).absolutePath();
        else if (args[i] == QStringLiteral("--measure-startup"))
            measureStartup = true;
        else if (args[i] == QStringLiteral("--screenshot") && i + 1 < args.size())
            screenshotPath = args[++i];
        // A file name or any other argument is not acted upon.
    }

    // Beside the program (portable) or the user's configuration folder (installed program).
    const AppLocation where = ResolveAppLocation(QCoreApplication::applicationDirPath().toStdString(),
                                                 appDirOverride.toStdString());
    g_strDataDir = where.dataDir;
    CMainFrame* frame = StartMainWindow(where.appDir, false);

    if (measureStartup || !screenshotPath.isEmpty()) {
        // Reports once the main window has been painted, then ends the program without prompts.
        new FirstPaintProbe(frame, screenshotPath); // owned by the frame
    }
    frame->show();
    const int rc = QApplication::exec();
    delete frame;
    return rc;
}
