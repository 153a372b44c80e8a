// The port selection page: selection from the setting, the probe that disables absent ports, OK and
// Cancel, and the port name the status bar and the radio windows then use.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/CommandIds.h"
#include "link/qt/CSetComFrm.h"
#include "tests/app/qt/WindowTestEnv.h"

namespace {

// COM1..COM16 where the listed numbers cannot be opened; each stands for a device of its own.
std::vector<PortProbe> ProbeWithout(std::vector<int> absent)
{
    std::vector<PortProbe> probes;
    for (int n = 1; n <= kComPortCount; ++n) {
        PortProbe p;
        p.number = n;
        p.name = "com" + std::to_string(n);
        p.device = "/dev/ttyUSB" + std::to_string(n - 1);
        p.available = std::find(absent.begin(), absent.end(), n) == absent.end();
        p.reason = p.available ? "" : "no such device";
        probes.push_back(p);
    }
    return probes;
}

int CheckedPort(const CSetComFrm& page)
{
    for (int n = 1; n <= kComPortCount; ++n) {
        if (page.PortButton(n)->isChecked())
            return n;
    }
    return 0;
}

struct ProbeGuard {
    explicit ProbeGuard(std::vector<int> absent)
    {
        CSetComFrm::SetProbeForTests([absent] { return ProbeWithout(absent); });
    }
    ~ProbeGuard() { CSetComFrm::SetProbeForTests(nullptr); }
};

} // namespace

TEST(PortPage, SelectionFollowsTheSetting)
{
    ProbeGuard probe({});
    struct Case {
        const char* setting;
        int selected;
    };
    for (const Case& c :
         {Case{"COM7", 7}, Case{"com16", 16}, Case{"com17", 0}, Case{"", 0}, Case{"com", 0}}) {
        WindowTestEnv env;
        env.Settings(QByteArray("[Computer]\ncom=") + c.setting + "\n");
        env.Start();
        CSetComFrm page;
        page.OnInitialUpdate();
        EXPECT_EQ(CheckedPort(page), c.selected) << c.setting;
        EXPECT_EQ(page.windowTitle(), LangText(3008));
        EXPECT_EQ(page.OkButton()->text(), LangText(90000));
        EXPECT_EQ(page.CancelButton()->text(), LangText(90001));
        EXPECT_EQ(page.DeviceLabel(3)->text(), QStringLiteral("/dev/ttyUSB2"));
    }
    // OK with nothing selected stores the empty name.
    WindowTestEnv env;
    env.Settings("[computer]\ncom=com17\n");
    env.Start();
    CSetComFrm page;
    page.OnInitialUpdate();
    page.OkButton()->click();
    EXPECT_EQ(env.Setting("computer", "com"), "");
    EXPECT_EQ(g_strComPort, "");
}

TEST(PortPage, AbsentPortsAreDisabledAndLoseTheirMark)
{
    ProbeGuard probe({2, 9});
    WindowTestEnv env;
    env.Settings("[computer]\ncom=com2\n");
    env.Start();
    CSetComFrm page;
    page.OnInitialUpdate();
    page.show();
    EXPECT_FALSE(page.PortButton(2)->isEnabled());
    EXPECT_FALSE(page.PortButton(9)->isEnabled());
    EXPECT_TRUE(page.PortButton(1)->isEnabled());
    EXPECT_TRUE(page.PortButton(2)->isChecked()); // as stored, until the first click

    QTest::mouseClick(page.PortButton(5), Qt::LeftButton);
    EXPECT_FALSE(page.PortButton(2)->isChecked());
    EXPECT_EQ(CheckedPort(page), 5);
    page.OkButton()->click();
    EXPECT_EQ(env.Setting("computer", "com"), "com5");
    EXPECT_EQ(g_strComPort, "com5");
}

TEST(PortPage, OpensOnceAndUpdatesTheStatusBar)
{
    ProbeGuard probe({});
    WindowTestEnv env;
    env.Settings("[computer]\ncom=com3\n");
    CMainFrame* frame = env.Start();
    frame->show();
    const int before = frame->MdiArea()->subWindowList().size();
    frame->OnCommand(cmd::kComPort);
    QMdiSubWindow* window = frame->ComPortWindow();
    ASSERT_NE(window, nullptr);
    frame->OnCommand(cmd::kComPort);
    EXPECT_EQ(frame->ComPortWindow(), window);
    EXPECT_EQ(frame->MdiArea()->subWindowList().size(), before + 1);
    EXPECT_EQ(window->windowTitle(), LangText(3008));

    auto* page = qobject_cast<CSetComFrm*>(window->widget());
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(CheckedPort(*page), 3);

    // Cancel changes nothing.
    page->PortButton(12)->click();
    page->CancelButton()->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(frame->ComPortWindow(), nullptr);
    EXPECT_EQ(env.Setting("computer", "com"), "com3");
    EXPECT_EQ(frame->PortPane()->text(), QStringLiteral("COM3"));

    // OK with COM12: stored, current, shown in the status bar.
    frame->OnCommand(cmd::kComPort);
    page = qobject_cast<CSetComFrm*>(frame->ComPortWindow()->widget());
    ASSERT_NE(page, nullptr);
    page->PortButton(12)->click();
    page->OkButton()->click();
    EXPECT_EQ(env.Setting("computer", "com"), "com12");
    EXPECT_EQ(g_strComPort, "com12");
    EXPECT_EQ(frame->PortPane()->text(), QStringLiteral("COM12"));
    EXPECT_GE(frame->PortPane()->minimumWidth(), 35);
}

TEST(PortPage, ShowsTheAdapterBehindEachPort)
{
    // COM1 is a USB adapter the system describes, COM2 a device it does not.
    CSetComFrm::SetProbeForTests([] {
        std::vector<PortProbe> probes = ProbeWithout({});
        probes[0].description = "CP2102 USB to UART Bridge Controller";
        probes[0].maker = "Silicon Labs";
        return probes;
    });
    WindowTestEnv env;
    env.Start();
    CSetComFrm page;
    page.OnInitialUpdate();
    page.show();
    CSetComFrm::SetProbeForTests(nullptr);

    // The device on the first line; the description and the maker below it, in lines that keep the
    // page narrow; the whole on one line as the tool tip.
    const QStringList lines = page.DeviceLabel(1)->text().split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines.first(), QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(lines.mid(1).join(QLatin1Char(' ')),
              QStringLiteral("CP2102 USB to UART Bridge Controller (Silicon Labs)"));
    for (const QString& line : lines)
        EXPECT_LE(page.DeviceLabel(1)->fontMetrics().horizontalAdvance(line), 200) << line.toStdString();
    EXPECT_EQ(page.PortButton(1)->toolTip(),
              QStringLiteral("/dev/ttyUSB0 \u2014 CP2102 USB to UART Bridge Controller (Silicon Labs)"));
    EXPECT_EQ(page.DeviceLabel(2)->text(), QStringLiteral("/dev/ttyUSB1"));
}
