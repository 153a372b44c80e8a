// Pictures of the password, test-password and model-information windows for the README, opened
// through the real main window's commands in both languages:
//   password_screenshot [OUTPUT_DIR] [--screen]   (default: docs/ of the source tree)
// --screen also saves the whole screen with each window over the main window (needs an X server).
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <filesystem>
#include <functional>

#include "app/AppState.h"
#include "app/CommandIds.h"
#include "app/qt/AppStart.h"
#include "app/qt/CMainFrame.h"
#include "codeplug/DataFile.h"
#include "codeplug/Document.h"
#include "codeplug/ModelCatalogue.h"
#include "link/PasswordField.h"
#include "tests/support/qt/ScreenshotMain.h"

namespace {

// A code plug as a dealer's programming station left it: versions, time, file name, passwords.
std::string SamplePlug()
{
    CodePlug plug(BuildBandImage("33"));
    plug.Write(0x03E0, "4D58364132303131303531303037FF"); // "MX6A2011051007"
    plug.Write(0x03D8, "48572D3341FF");                   // "HW-3A"
    plug.Write(0x0300, "0105");                           // MCU 1.05
    plug.Write(0x0302, "010341");                         // PC 1.03A
    plug.Write(0x0305, "20110510081502");                 // 2011-05-10 08:15:02
    plug.Write(0x0310, "73686F702D666C656574FF");         // "shop-fleet"
    WritePassword(plug, PasswordKind::Read, "Fleet7");
    return plug.Text();
}

struct Shot {
    int command;
    const char* name;
    std::function<void(QWidget*)> prepare; // types into the window before the picture
};

bool TakeShots(int language, const QString& out, bool screen)
{
    const auto dir = std::filesystem::temp_directory_path() / "vpx-password-screenshot";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    std::filesystem::copy_file(std::filesystem::path(VPX_SOURCE_DIR) / "res" / "language.sys",
                               dir / "language.sys");
    if (language == kLangEnglish)
        SaveTextFileAtomic((dir / "system.ini").string(), "[language]\nlanguage=200000\n");
    const std::string file = (dir / "shop-fleet.dat").string();
    SaveTextFileAtomic(file, SamplePlug());

    CMainFrame* frame = StartMainWindow(dir.string(), true);
    g_doc.Open(file);
    frame->RefreshTitle();
    QApplication::processEvents();

    const char* lang = language == kLangEnglish ? "en" : "zh";
    const Shot shots[] = {
        {cmd::kRwPassword, "password-window", {}},
        {cmd::kTestPassword, "service-code-window",
         [](QWidget* w) { QTest::keyClicks(w->findChild<QLineEdit*>(), "pvkr"); }},
        {cmd::kRadioInformation, "radio-information-window", {}},
    };
    bool ok = true;
    for (const Shot& shot : shots) {
        QTimer::singleShot(300, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (dialog == nullptr) {
                ok = false;
                return;
            }
            if (shot.prepare)
                shot.prepare(dialog);
            QTest::qWait(200);
            const QString base = out + "/" + shot.name + "-" + lang;
            ok = dialog->grab().save(base + ".png") && ok;
            if (screen)
                ok = QGuiApplication::primaryScreen()->grabWindow(0).save(base + "-screen.png") && ok;
            dialog->close();
        });
        frame->OnCommand(shot.command);
    }
    if (screen) {
        // The Tools menu with its radio-information item.
        frame->activateWindow();
        QMenu* tools = frame->menuBar()->actions().at(3)->menu();
        const QRect bar = frame->menuBar()->actionGeometry(frame->menuBar()->actions().at(3));
        tools->popup(frame->menuBar()->mapToGlobal(bar.bottomLeft()));
        QTest::qWait(300);
        const QRect area(
            frame->mapToGlobal(QPoint(0, 0)),
            QSize(frame->width(), tools->geometry().bottom() - frame->mapToGlobal(QPoint(0, 0)).y() + 12));
        ok = QGuiApplication::primaryScreen()
                 ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
                 .save(out + "/tools-menu-" + lang + ".png") &&
             ok;
        tools->hide();
    }
    delete frame;
    std::filesystem::remove_all(dir);
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    const bool screen = HasOption(argc, argv, "--screen");
    return ScreenshotMain(argc, argv, [screen](int language, const QString&, const QString& out) {
        return TakeShots(language, out, screen);
    });
}
