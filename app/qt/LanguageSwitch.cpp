// Language switch with restart of the program.
#include "app/qt/LanguageSwitch.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QProcess>
#include <QTimer>

#include "app/AppState.h"
#include "app/Settings.h"
#include "app/Startup.h"
#include "app/qt/ui/MainFrameUi.h"
#include "app/qt/ui/MsgBox.h"
#include "app/qt/ui/UnsavedWork.h"

namespace {

ProgramLauncher& Launcher()
{
    static ProgramLauncher launcher;
    return launcher;
}

bool StartDetached(const QString& program, const QStringList& args, const QString& dir)
{
    return QProcess::startDetached(program, args, dir);
}

} // namespace

void SetProgramLauncher(ProgramLauncher launcher) { Launcher() = std::move(launcher); }

bool SwitchLanguage(QWidget* parent, MainFrameUi& frame, int languageBase)
{
    // These two texts are fixed English in every language.
    QMessageBox::StandardButton answer =
        MsgBox::Ask(parent, QStringLiteral("Message"),
                    QStringLiteral("Language has changed, you need to restart the software."),
                    QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok, QMessageBox::Question);
    if (answer != QMessageBox::Ok)
        return false;

    if (!SaveChangesPrompt(parent))
        return false; // keep the program (and the unsaved work) as it is

    WriteSetting("language", "language", languageBase == kLangEnglish ? "200000" : "100000");

    // The new instance starts from the application directory with the same application directory.
    const QString appDir = QString::fromStdString(g_strAppDir);
    const std::string programName = RestartProgramName();
    if (!programName.empty()) {
        const QString program =
            QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromStdString(programName));
        const QStringList args{QStringLiteral("--appdir"), appDir};
        ProgramLauncher launch = Launcher() ? Launcher() : ProgramLauncher(&StartDetached);
        launch(program, args, appDir);
    }
    QDir::setCurrent(appDir);
    frame.CloseWithoutAsking();
    return true;
}
