// Renders the main window with each auxiliary window, the radio, option and editor dialogs and the
// message boxes in both languages into PNG files, for looking at them and for the README:
//   window_screenshot OUTPUT_DIR   (under Xvfb: QT_QPA_PLATFORM=xcb; or offscreen)
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPixmap>
#include <QTimer>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/AppState.h"
#include "app/CommandIds.h"
#include "app/LangText.h"
#include "app/Settings.h"
#include "app/qt/AppStart.h"
#include "app/qt/CAboutDlg.h"
#include "app/qt/CMainFrame.h"
#include "app/qt/COptionsDlg.h"
#include "app/qt/ui/EditorPageUi.h"
#include "app/qt/ui/MsgBox.h"
#include "codeplug/ChannelRecord.h"
#include "codeplug/Document.h"
#include "codeplug/FreqCodec.h"
#include "editor/qt/CBandLimitDlg.h"
#include "editor/qt/CChannelDlg.h"
#include "editor/qt/CMainFrm.h"
#include "link/PortAccess.h"
#include "link/SimulatedPort.h"
#include "link/SimulatedRadio.h"
#include "link/qt/CSetComFrm.h"
#include "link/qt/ReadDialog.h"
#include "link/qt/WriteDialog.h"
#include "tests/app/qt/WindowTestEnv.h"
#include "tests/support/SamplePlug.h"
#include "tests/support/SamplePorts.h"

namespace {

namespace fs = std::filesystem;

void FillChannels()
{
    StoreSampleChannels(g_doc.image, {{438.5, 430.9, "88.5", "88.5"},
                                      {438.525, 430.925, "D023N", "D023N"},
                                      {446.00625, 446.00625, "", ""},
                                      {462.5625, 0, "D754I", ""},
                                      {410.125, 415.125, "123.0", "D754I"}});
}

// A device the system refuses, as it refuses a user outside the device's group.
class RefusedPort : public SerialPort {
public:
    explicit RefusedPort(std::string node) : m_node(std::move(node)) {}
    void SetPortName(const std::string&) override {}
    void SetLineSettings(const std::string&) override {}
    bool Open(std::string& error) override
    {
        // Named as the adapter's usual device; examined at the stand-in node.
        error = "/dev/ttyUSB0: Permission denied - " + PermissionAdvice(ExamineNode(m_node));
        return false;
    }
    void Close() override {}
    bool IsOpen() const override { return false; }
    bool Write(const std::vector<std::uint8_t>&) override { return false; }
    int BytesWaiting() override { return -1; }
    std::vector<std::uint8_t> ReadAll() override { return {}; }
    bool WaitForInput(int) override { return false; }

private:
    std::string m_node;
};

void Settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

bool Save(QWidget* w, const QString& file)
{
    Settle();
    const bool ok = w->grab().save(file);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", file.toUtf8().constData());
    std::fflush(stdout);
    return ok;
}

// Shows the next message box for real and saves its picture, then presses OK.
void GrabNextBox(const QString& file)
{
    WhenBoxShows([file](QMessageBox* box) {
        Save(box, file);
        box->done(QMessageBox::Ok);
    });
}

bool RenderLanguage(const QString& out, const char* tag, const char* setting)
{
    const fs::path dir = fs::temp_directory_path() / (std::string("vpx-window-shots-") + tag);
    fs::remove_all(dir);
    fs::create_directories(dir);
    fs::copy_file(fs::path(VPX_SOURCE_DIR) / "res" / "language.sys", dir / "language.sys");
    std::ofstream(dir / "system.ini") << "[language]\nlanguage=" << setting << "\n[computer]\ncom=com1\n";
    std::ofstream(dir / kMarkerServiceUnlock) << "";
    const QString suffix = QStringLiteral("-%1.png").arg(QLatin1String(tag));

    MsgBox::SetNonInteractive(true);
    CMainFrame* frame = StartMainWindow(dir.string(), true);
    FillChannels();
    g_doc.image.WriteByte(0x0160, 1); // priority mode 1: the revert list holds all four entries
    ImageReplaced();
    bool ok = Save(frame, out + "/main-window" + suffix);

    CSetComFrm::SetProbeForTests(&ProbeWithAdapters);
    frame->OnCommand(cmd::kComPort);
    ok = Save(frame, out + "/port-page" + suffix) && ok;
    frame->ComPortWindow()->close();
    frame->OnCommand(cmd::kTestFrequency);
    ok = Save(frame, out + "/test-frequencies" + suffix) && ok;
    frame->TestFreqWindow()->close();
    frame->OnCommand(cmd::kEmbeddedMessage);
    ok = Save(frame, out + "/embedded-message" + suffix) && ok;
    frame->EmbedMsgWindow()->close();
    CSetComFrm::SetProbeForTests({});

    g_pMainView->m_nCurRow = 1;
    g_pMainView->TakeRowSnapshot(1);
    {
        CChannelDlg dlg(g_pMainView);
        dlg.show();
        ok = Save(&dlg, out + "/channel-editor" + suffix) && ok;
    }
    const auto shoot = [&](QWidget&& dlg, const char* name) {
        dlg.show();
        ok = Save(&dlg, out + "/" + name + suffix) && ok;
    };
    shoot(CBandLimitDlg(frame), "band-limits");
    shoot(COptionsDlg(frame), "options");
    shoot(CAboutDlg(frame), "about");
    SimulatedRadio radio;
    {
        ReadDialog dlg(frame, std::make_unique<SimulatedPort>(radio));
        dlg.show();
        MsgBox::SetNextAnswer(QMessageBox::No); // the edits above need not be saved before the read
        GrabNextBox(out + "/read-done-box" + suffix);
        dlg.StartTransfer();
        ok = Save(&dlg, out + "/read-window" + suffix) && ok;
    }
    {
        radio.AddFault({SimFault::Kind::NoAnswer, 1, 0, "", 0, 0x15, {}, {}});
        WriteDialog dlg(frame, std::make_unique<SimulatedPort>(radio));
        dlg.show();
        GrabNextBox(out + "/write-failed-box" + suffix);
        dlg.StartTransfer();
        ok = Save(&dlg, out + "/write-window-failed" + suffix) && ok;
    }
    {
        // The message that explains a refused serial device (a stand-in node of the dialout group).
        const std::string node = (dir / "ttyUSB0").string();
        std::ofstream(node) << "";
        // Where the node cannot be given to the group, the picture shows the group it has.
        const struct group* dialout = ::getgrnam("dialout");
        if (dialout != nullptr && ::chown(node.c_str(), static_cast<uid_t>(-1), dialout->gr_gid) != 0)
            std::fprintf(stderr, "the stand-in device stays in its own group\n");
        ::chmod(node.c_str(), 0660);
        ReadDialog dlg(frame, std::make_unique<RefusedPort>(node));
        dlg.show();
        MsgBox::SetNextAnswer(QMessageBox::No);
        GrabNextBox(out + "/port-error-box" + suffix);
        dlg.StartTransfer();
    }
    MsgBox::SetNonInteractive(true);
    frame->SetCloseConfirmed(true);
    frame->close();
    delete frame;
    fs::remove_all(dir);
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vpxds"));
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(out);
    bool ok = RenderLanguage(out, "en", "200000");
    ok = RenderLanguage(out, "zh", "100000") && ok;
    return ok ? 0 : 1;
}
