// Pictures of the tuning window for the README, against the in-process simulated radio, in both
// languages, with the service view (an item being tuned, the log) and without it (a sensitivity item):
//   tuning_screenshot [OUTPUT_DIR]   (default: docs/ of the source tree; run under an X server)
#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QTest>

#include <cstdio>
#include <filesystem>

#include "app/AppState.h"
#include "app/qt/AppStart.h"
#include "app/qt/CMainFrame.h"
#include "codeplug/DataFile.h"
#include "link/SimulatedPort.h"
#include "service/TuningSession.h"
#include "service/qt/TuningDialog.h"
#include "tests/service/TuningTestSupport.h"
#include "tests/support/qt/ScreenshotMain.h"

namespace {

// One picture: the window on its own simulated radio, prepared by the given steps once entered.
bool Shoot(CMainFrame* frame, bool serviceView, int item, int steps, const QString& file)
{
    g_bServiceView = serviceView;
    SimulatedRadio radio;
    PrepareTuningRadio(radio);
    TuningDialog dialog(frame, std::make_unique<SimulatedPort>(radio));
    dialog.show();
    for (int i = 0; i < 200 && !dialog.Session().Entered(); ++i)
        QTest::qWait(10);
    if (!dialog.Session().Entered())
        return false;
    dialog.ItemList()->setCurrentRow(item);
    dialog.Session().StartEditing();
    for (int i = 0; i < steps; ++i)
        dialog.Session().Step(+1);
    QTest::qWait(200);
    const bool ok = dialog.grab().save(file);
    dialog.close();
    return ok;
}

bool TakeShots(int language, const QString& out)
{
    const auto dir = std::filesystem::temp_directory_path() / "vpx-tuning-screenshot";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    std::filesystem::copy_file(std::filesystem::path(VPX_SOURCE_DIR) / "res" / "language.sys",
                               dir / "language.sys");
    if (language == kLangEnglish)
        SaveTextFileAtomic((dir / "system.ini").string(), "[language]\nlanguage=200000\n");
    CMainFrame* frame = StartMainWindow(dir.string(), true);
    QApplication::processEvents();
    const QString lang = language == kLangEnglish ? QStringLiteral("en") : QStringLiteral("zh");
    bool ok = Shoot(frame, true, 5, 3, out + "/tuning-window-service-" + lang + ".png");
    ok = Shoot(frame, false, 17, 0, out + "/tuning-window-" + lang + ".png") && ok;
    delete frame;
    std::filesystem::remove_all(dir);
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    return ScreenshotMain(argc, argv, [](int language, const QString&, const QString& out) {
        return TakeShots(language, out);
    });
}
