// Renders the alignment-data window with a block read from the simulated radio, in both languages,
// under each heading layout of the parameter table, with and without the service view, and the
// question before a write:
//   alignment_screenshot [OUTPUT_DIR]   (default: docs/ of the source tree; run under an X server)
#include <QApplication>
#include <QDir>
#include <QPixmap>

#include <cstdio>

#include "app/AppState.h"
#include "app/LangText.h"
#include "app/qt/ui/AppFont.h"
#include "app/qt/ui/MsgBox.h"
#include "link/SimulatedPort.h"
#include "link/SimulatedRadio.h"
#include "service/qt/AlignmentDialog.h"
#include "service/qt/AlignmentGrid.h"
#include "tests/service/AlignmentSample.h"
#include "tests/support/TestAppDir.h"
#include "tests/support/qt/ScreenshotMain.h"

namespace {

// The window in a language, with and without the service view, after reading the sample block.
struct ReadWindow {
    ReadWindow(int language, bool serviceView) : dir("vpx-align-shot-", TestAppDir::Texts::Project)
    {
        g_nLanguage = language;
        g_bServiceView = serviceView;
        ResetLangTextCache();
        InitAppFont();
        radio.SetModelText("R736");
        radio.SetMemoryHex(MemoryWithAlignment(SampleAlignmentBlock()));
        dialog = std::make_unique<AlignmentDialog>(nullptr, std::make_unique<SimulatedPort>(radio));
        dialog->OnRead();
    }
    TestAppDir dir;
    SimulatedRadio radio;
    std::unique_ptr<AlignmentDialog> dialog;
};

// clickedRow: the parameter row whose headings show (3: layout C, 5: layout B, 1: layout A).
bool Render(int language, bool serviceView, int clickedRow, const QString& file)
{
    ReadWindow w(language, serviceView);
    AlignmentDialog& dialog = *w.dialog;
    dialog.Editor().SetPath(w.dir.File("bench-07.dts")); // as if it had been saved there
    dialog.ClickParamCell(clickedRow, 0);
    dialog.show();
    QApplication::processEvents();
    dialog.setWindowTitle(QString::fromStdString(dialog.Editor().Title()));
    const bool ok = dialog.grab().save(file);
    dialog.hide();
    return ok;
}

// The question Write asks after two values were typed over a block read from the radio.
bool RenderWriteQuestion(int language, const QString& file)
{
    ReadWindow w(language, false);
    w.dialog->Editor().Tables().CommitParam(3, 2, "205");
    w.dialog->Editor().Tables().CommitParam(7, 1, "118");
    w.dialog->show();
    QApplication::processEvents();
    bool ok = false;
    GrabNextMessageBox(file, ok, QMessageBox::No);
    w.dialog->OnWrite(); // answered No: nothing is sent
    w.dialog->hide();
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    return ScreenshotMain(argc, argv, [](int language, const QString& s, const QString& out) {
        MsgBox::SetNonInteractive(true);
        bool ok = Render(language, true, 3, out + "/alignment-data-service-" + s + ".png");
        ok = Render(language, false, 5, out + "/alignment-data-" + s + ".png") && ok;
        ok = Render(language, false, 1, out + "/alignment-data-single-" + s + ".png") && ok;
        return RenderWriteQuestion(language, out + "/alignment-write-question-" + s + ".png") && ok;
    });
}
