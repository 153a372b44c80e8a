// Pictures of the write's guards for the README, in both languages: the Options window with its two
// boxes, the message of a verification that found the radio holding something else, that of a write
// whose cable was pulled half-way, and the question before a code plug with problems is written:
//   guard_screenshot [OUTPUT_DIR]   (default: docs/ of the source tree; needs a display)
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "app/AppState.h"
#include "app/CommandIds.h"
#include "app/qt/AppStart.h"
#include "app/qt/CMainFrame.h"
#include "app/qt/COptionsDlg.h"
#include "codeplug/AddressMap.h"
#include "codeplug/DataFile.h"
#include "codeplug/Document.h"
#include "codeplug/FreqCodec.h"
#include "codeplug/ModelCatalogue.h"
#include "codeplug/ToneCodec.h"
#include "link/SimulatedPort.h"
#include "link/SimulatedRadio.h"
#include "link/qt/WriteDialog.h"
#include "tests/support/qt/ScreenshotMain.h"

namespace {

// A dealer's code plug: four channels, one of them the radio will not store.
std::string SamplePlug()
{
    CodePlug plug(BuildBandImage("33"));
    for (int n = 1; n <= 4; ++n)
        plug.Write(Addr::ChannelAddress(n), EncodeFreq(435.0 + 0.125 * n) + EncodeFreq(435.0 + 0.125 * n) +
                                                EncodeTone("88.5") + EncodeTone("88.5") + "FF3101FF");
    plug.WriteByte(Addr::kSquelch, 3);
    return plug.Text();
}

// Grabs the modal window that appears next, saves it, and closes it.
void GrabNextModal(const QString& file, bool& ok)
{
    QTimer::singleShot(400, [file, &ok] {
        QWidget* window = QApplication::activeModalWidget();
        if (window == nullptr) {
            ok = false;
            return;
        }
        QTest::qWait(200);
        ok = window->grab().save(file) && ok;
        if (auto* box = qobject_cast<QMessageBox*>(window))
            box->done(QMessageBox::Ok);
        else
            window->close();
    });
}

bool TakeShots(int language, const QString& out)
{
    const auto dir = std::filesystem::temp_directory_path() / "vpx-guard-screenshot";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    std::filesystem::copy_file(std::filesystem::path(VPX_SOURCE_DIR) / "res" / "language.sys",
                               dir / "language.sys");
    std::string ini = "[option]\nbackup_before_write=yes\nverify_after_write=yes\n";
    if (language == kLangEnglish)
        ini += "[language]\nlanguage=200000\n";
    SaveTextFileAtomic((dir / "system.ini").string(), ini);
    // The backups go to a folder of the picture's own.
    ::setenv("XDG_DATA_HOME", (dir / "data").c_str(), 1);

    CMainFrame* frame = StartMainWindow(dir.string(), true);
    g_doc.image.SetText(SamplePlug());
    QApplication::processEvents();
    const char* lang = language == kLangEnglish ? "en" : "zh";
    bool ok = true;

    GrabNextModal(out + "/options-write-guards-" + lang + ".png", ok);
    frame->OnCommand(cmd::kOptions);

    SimulatedRadio radio;
    radio.SetIgnoreWrite(Addr::ChannelAddress(2));
    radio.SetCorruptWrite(Addr::kSquelch);
    {
        WriteDialog dialog(frame, std::make_unique<SimulatedPort>(radio));
        dialog.show();
        QTest::qWait(100);
        GrabNextModal(out + "/verify-failed-" + lang + ".png", ok);
        dialog.StartTransfer();
    } // gone before the main window that is its parent
    { // The cable pulled in the middle of the write: what the radio now holds, and the backup.
        SimulatedRadio cut;
        SimFault pulled;
        pulled.kind = SimFault::Kind::Drop;
        pulled.prefix = "57";
        pulled.frame = 28;
        cut.AddFault(pulled);
        WriteDialog dialog(frame, std::make_unique<SimulatedPort>(cut));
        dialog.show();
        QTest::qWait(100);
        GrabNextModal(out + "/write-partly-written-" + lang + ".png", ok);
        dialog.StartTransfer();
    }

    // A VHF plan taken into the UHF radio's code plug, one tone that is no list tone.
    CodePlug vhf(SamplePlug());
    for (int n = 1; n <= 3; ++n)
        vhf.Write(Addr::ChannelAddress(n), EncodeFreq(151.5 + 0.125 * n) + EncodeFreq(151.5 + 0.125 * n) +
                                               EncodeTone(n == 2 ? "69.3" : "88.5") + EncodeTone("88.5") +
                                               "FF3101FF");
    g_doc.image.SetText(vhf.Text());
    SaveTextFileAtomic((dir / "system.ini").string(),
                       language == kLangEnglish ? "[language]\nlanguage=200000\n" : "");
    {
        SimulatedRadio plain;
        WriteDialog dialog(frame, std::make_unique<SimulatedPort>(plain));
        dialog.show();
        QTest::qWait(100);
        GrabNextModal(out + "/write-check-" + lang + ".png", ok);
        dialog.StartTransfer();
    }

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
