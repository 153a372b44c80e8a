// Renders the fleet window while three simulated ports write (one radio refused for its band) and at
// the end of the run, in both languages:
//   fleet_screenshot [OUTPUT_DIR]   (default: docs/ of the source tree; run under an X server)
// The simulated radios answer at the pace of a real line, so a run takes some twenty seconds.
#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

#include <functional>
#include <map>

#include "app/AppState.h"
#include "app/LangText.h"
#include "app/qt/ui/AppFont.h"
#include "codeplug/ModelCatalogue.h"
#include "fleet/qt/FleetDialog.h"
#include "link/LineupPort.h"
#include "tests/support/DataHome.h"
#include "tests/support/TestAppDir.h"
#include "tests/support/qt/ScreenshotMain.h"

namespace {

// Processes events until ready() holds (or a minute has passed).
bool WaitUntil(const std::function<bool()>& ready)
{
    QElapsedTimer timer;
    timer.start();
    while (!ready() && timer.elapsed() < 60000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    return ready();
}

bool Render(int language, const QString& suffix, const QString& out)
{
    TestAppDir dir("vpx-fleet-shot-", TestAppDir::Texts::Project);
    DataHome home;
    g_nLanguage = language;
    ResetLangTextCache();
    InitAppFont();

    std::map<std::string, RadioLineup> lineups;
    SimulatedRadio otherBand;
    otherBand.SetBandCode(0x34);
    lineups["/dev/ttyUSB0"].Add(SimulatedRadio(), "VX24031187");
    lineups["/dev/ttyUSB0"].Add(SimulatedRadio(), "VX24031193");
    lineups["/dev/ttyUSB1"].Add(SimulatedRadio(), "VX24031190");
    lineups["/dev/ttyUSB1"].Add(SimulatedRadio(), "VX24031201");
    lineups["/dev/ttyUSB2"].Add(otherBand, "VX23110042");
    lineups["/dev/ttyUSB2"].Add(SimulatedRadio(), "VX24031188");
    for (auto& [name, lineup] : lineups) {
        lineup.SetStay(std::chrono::seconds(8));
        lineup.SetGap(std::chrono::seconds(3));
    }
    FleetDialog dialog(nullptr, CodePlug(BuildBandImage("33")), {"/dev/ttyUSB0", "/dev/ttyUSB1", "/dev/ttyUSB2", "simulator"},
                       [&](const std::string& name) {
                           auto port = std::make_unique<LineupPort>(lineups[name], SystemLinkClock());
                           port->SetPaced(true);
                           return port;
                       });
    dialog.show();
    for (int i = 0; i < 3; ++i)
        dialog.PortList()->item(i)->setCheckState(Qt::Checked);
    dialog.CountBox()->setValue(5);
    dialog.StartButton()->click();
    const QString writing = QString::fromStdString(GetLangTextWith(9759, {"", ""})).left(2);
    WaitUntil([&] {
        const QTableWidgetItem* state = dialog.PortTable()->item(0, 1);
        return dialog.RadioTable()->rowCount() == 1 && state != nullptr && state->text().startsWith(writing);
    });
    bool ok = dialog.grab().save(out + "/fleet-running-" + suffix + ".png");
    ok = WaitUntil([&] { return !dialog.Running(); }) && ok;
    QApplication::processEvents();
    ok = dialog.grab().save(out + "/fleet-finished-" + suffix + ".png") && ok;
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    return ScreenshotMain(argc, argv, [](int language, const QString& suffix, const QString& out) {
        MsgBox::SetNonInteractive(true);
        return Render(language, suffix, out);
    });
}
