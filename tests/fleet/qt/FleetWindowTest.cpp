// The fleet window driven through its widgets, with simulated ports on virtual time: the ports' rows and
// the radios' list while a run goes on and at its end, the list saved as CSV and as a PDF delivery
// list, Stop, closing while radios are written, no port chosen, captions that fit in both languages,
// and the Tools menu item.
#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>

#include <map>

#include "app/CommandIds.h"
#include "codeplug/AddressMap.h"
#include "codeplug/ModelCatalogue.h"
#include "fleet/qt/FleetDialog.h"
#include "link/LineupPort.h"
#include "tests/app/qt/WindowTestEnv.h"
#include "tests/support/DataHome.h"
#include "tests/support/qt/TextFit.h"

namespace {

// Ports "sim A" and "sim B", each with its own radios on its own virtual clock.
struct SimPorts {
    explicit SimPorts(int radiosPerPort)
    {
        for (const char* name : {"sim A", "sim B"})
            for (int i = 1; i <= radiosPerPort; ++i)
                lineups[name].Add(SimulatedRadio(), std::string(name).substr(4) + "-" + std::to_string(i));
    }
    FleetPortMaker Maker()
    {
        return [this](const std::string& name) { return std::make_unique<LineupPort>(lineups[name]); };
    }
    std::map<std::string, RadioLineup> lineups;
};

void English(WindowTestEnv& env) { env.Settings("[language]\nlanguage=200000\n"); }

void ChooseAll(FleetDialog& dialog, int count)
{
    for (int i = 0; i < dialog.PortList()->count(); ++i)
        dialog.PortList()->item(i)->setCheckState(Qt::Checked);
    dialog.CountBox()->setValue(count);
}

QStringList Column(const QTableWidget* table, int column)
{
    QStringList texts;
    for (int r = 0; r < table->rowCount(); ++r)
        texts << table->item(r, column)->text();
    return texts;
}

// Waits for the end of the run the window shows (the ports run on virtual time, quickly).
bool WaitForEnd(FleetDialog& dialog, QSignalSpy& ended)
{
    return !dialog.Running() || ended.count() > 0 || ended.wait(120000);
}

} // namespace

TEST(FleetWindow, ProgramsTheRadiosOfTwoPortsAndKeepsTheirList)
{
    DataHome home;
    WindowTestEnv env;
    English(env);
    env.Start();
    SimPorts ports(2);
    const CodePlug plug(BuildBandImage("33"));
    FleetDialog dialog(nullptr, plug, {"sim A", "sim B"}, ports.Maker());
    dialog.show();
    EXPECT_FALSE(dialog.SaveButton()->isEnabled()); // nothing to save yet
    ChooseAll(dialog, 3);
    QSignalSpy ended(&dialog, &FleetDialog::RunEnded);
    dialog.StartButton()->click();
    EXPECT_TRUE(dialog.Running());
    EXPECT_FALSE(dialog.StartButton()->isEnabled());
    EXPECT_TRUE(dialog.StopButton()->isEnabled());
    EXPECT_EQ(Column(dialog.PortTable(), 0), QStringList({"sim A", "sim B"}));
    ASSERT_TRUE(WaitForEnd(dialog, ended));

    EXPECT_FALSE(dialog.Running());
    EXPECT_EQ(Column(dialog.PortTable(), 1), QStringList({"Finished", "Finished"}));
    EXPECT_EQ(dialog.ProgressLabel()->text(), "Radios done: 3 of 3");
    EXPECT_EQ(dialog.StatusLabel()->text(), "3 of 3 radios programmed and verified.");
    const QStringList results = Column(dialog.RadioTable(), 6);
    EXPECT_EQ(results.count("programmed"), 3) << results.join(", ").toStdString();
    QStringList serials = Column(dialog.RadioTable(), 0);
    serials.sort();
    EXPECT_EQ(serials.removeDuplicates(), 0);
    EXPECT_TRUE(dialog.SaveButton()->isEnabled());
    EXPECT_TRUE(dialog.PrintButton()->isEnabled());
    EXPECT_TRUE(dialog.StartButton()->isEnabled());

    // The list as CSV and as a delivery list in a PDF file.
    const QString csv = env.Path("fleet.csv");
    ASSERT_TRUE(dialog.SaveList(csv));
    const QByteArray text = env.Get("fleet.csv");
    EXPECT_TRUE(text.startsWith("serial,hardware,firmware,port,start,end,result,message\r\n"));
    EXPECT_EQ(text.count("\r\n"), 4);
    EXPECT_EQ(text.count(",programmed,"), 3);
    ASSERT_TRUE(dialog.SaveDeliveryPdf(env.Path("delivery.pdf")));
    EXPECT_TRUE(env.Get("delivery.pdf").startsWith("%PDF"));
    EXPECT_TRUE(dialog.StatusLabel()->text().startsWith("Saved to "));
}

TEST(FleetWindow, StopEndsTheRunAndClosingWhileWritingWaitsForIt)
{
    DataHome home;
    WindowTestEnv env;
    English(env);
    env.Start();
    SimPorts ports(1); // far fewer radios than wanted: only Stop ends this run
    const CodePlug plug(BuildBandImage("33"));
    {
        FleetDialog dialog(nullptr, plug, {"sim A", "sim B"}, ports.Maker());
        dialog.show();
        ChooseAll(dialog, 50);
        QSignalSpy ended(&dialog, &FleetDialog::RunEnded);
        dialog.StartButton()->click();
        dialog.StopButton()->click();
        EXPECT_EQ(dialog.StatusLabel()->text().toStdString(), GetLangText(9766));
        EXPECT_FALSE(dialog.StopButton()->isEnabled());
        ASSERT_TRUE(WaitForEnd(dialog, ended));
        EXPECT_TRUE(dialog.StartButton()->isEnabled());
        EXPECT_TRUE(dialog.PortList()->isEnabled());
        EXPECT_NE(Column(dialog.RadioTable(), 6).count("programmed"), 50);
    }
    {
        // Closing while radios are written asks; No keeps the window and the run.
        FleetDialog dialog(nullptr, plug, {"sim A", "sim B"}, ports.Maker());
        dialog.show();
        ChooseAll(dialog, 50);
        QSignalSpy ended(&dialog, &FleetDialog::RunEnded);
        dialog.StartButton()->click();
        MsgBox::SetNextAnswer(QMessageBox::No);
        dialog.reject();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_TRUE(dialog.Running());
        // Yes: the run stops after the radios in progress, then the window closes.
        MsgBox::SetNextAnswer(QMessageBox::Yes);
        dialog.reject();
        ASSERT_TRUE(WaitForEnd(dialog, ended));
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
}

TEST(FleetWindow, NoPortChosenOrACodePlugWithProblemsDeclinedStartsNothing)
{
    DataHome home;
    WindowTestEnv env;
    English(env);
    env.Start();
    SimPorts ports(1);
    FleetDialog dialog(nullptr, CodePlug(BuildBandImage("33")), {"sim A"}, ports.Maker());
    MsgBox::ShownTexts().clear();
    dialog.StartButton()->click();
    EXPECT_FALSE(dialog.Running());
    ASSERT_FALSE(MsgBox::ShownTexts().isEmpty());
    EXPECT_EQ(MsgBox::ShownTexts().back(), "Choose at least one port.");

    // A code plug without any channel: the question comes once, before any radio; No starts nothing.
    CodePlug empty(BuildBandImage("33"));
    for (int ch = 1; ch <= 16; ++ch)
        empty.Write(Addr::ChannelAddress(ch), std::string(32, 'F'));
    FleetDialog problems(nullptr, empty, {"sim A"}, ports.Maker());
    ChooseAll(problems, 1);
    MsgBox::SetNextAnswer(QMessageBox::No);
    problems.StartButton()->click();
    EXPECT_FALSE(problems.Running());
    EXPECT_TRUE(ports.lineups["sim A"].At(0).Frames().empty());
    EXPECT_TRUE(MsgBox::ShownTexts().back().contains(LangText(9621))) << MsgBox::ShownTexts().back().toStdString();
}

TEST(FleetWindow, CaptionsFitInBothLanguagesAndTheToolsMenuOpensIt)
{
    DataHome home;
    for (const char* language : {"200000", "100000"}) {
        SCOPED_TRACE(language);
        WindowTestEnv env;
        env.Settings(QByteArray("[language]\nlanguage=") + language + "\n");
        env.Start();
        SimPorts ports(2);
        FleetDialog dialog(nullptr, CodePlug(BuildBandImage("33")), {"com1", "simulator", "simulator2"},
                           ports.Maker());
        dialog.show();
        QApplication::processEvents();
        QStringList cut = textfit::CutTexts(&dialog);
        EXPECT_TRUE(cut.isEmpty()) << cut.join(QStringLiteral("\n")).toStdString();
        EXPECT_LE(dialog.width(), 1000);
    }
    WindowTestEnv env;
    English(env);
    CMainFrame* frame = env.Start();
    ASSERT_TRUE(frame->MenuHasCommand(cmd::kProgramFleet));
    EXPECT_EQ(frame->Action(cmd::kProgramFleet)->text(), LangText(9750));
    QStringList offered;
    WhenModalShows<FleetDialog>([&](FleetDialog* dialog) {
        for (int i = 0; i < dialog->PortList()->count(); ++i)
            offered << dialog->PortList()->item(i)->text();
        dialog->reject();
    });
    frame->Action(cmd::kProgramFleet)->trigger();
    EXPECT_TRUE(offered.contains("Simulated radios 1")) << offered.join(", ").toStdString();
}
