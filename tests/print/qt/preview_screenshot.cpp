// Pictures of the print preview for the README, taken from the running window program: the main
// window is started on a sample code plug, File > Print preview runs, and the preview and its
// go-to-page dialog are grabbed in both languages.
//   preview_screenshot [OUTPUT_DIR]   (default: docs/ of the source tree; run under Xvfb or offscreen)
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "app/AppState.h"
#include "app/CommandIds.h"
#include "app/qt/AppStart.h"
#include "app/qt/CMainFrame.h"
#include "app/qt/ui/EditorPageUi.h"
#include "app/qt/ui/MsgBox.h"
#include "codeplug/Document.h"
#include "print/qt/CGotoPageDlg.h"
#include "print/qt/CPrintPreviewFrame.h"
#include "tests/support/SamplePlug.h"
#include "tests/support/qt/ScreenshotMain.h"

namespace {

// Waits until a modal window of type T is up, lets it paint, hands it to grab and returns.
template <typename T> void WhenUp(const std::function<void(T*)>& grab)
{
    auto* poll = new QTimer(qApp);
    poll->setInterval(20);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, grab] {
        auto* w = qobject_cast<T*>(QApplication::activeModalWidget());
        if (w == nullptr || !w->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        QTest::qWait(300);
        grab(w);
    });
    poll->start();
}

bool Render(const char* lang, const QString& out)
{
    const auto dir = std::filesystem::temp_directory_path() / (std::string("vpx-preview-shot-") + lang);
    std::filesystem::create_directories(dir);
    std::error_code ec;
    std::filesystem::copy_file(std::filesystem::path(VPX_SOURCE_DIR) / "res" / "language.sys",
                               dir / "language.sys", std::filesystem::copy_options::overwrite_existing, ec);
    std::ofstream(dir / "system.ini") << (std::string(lang) == "en" ? "[language]\nlanguage=200000\n" : "");

    CMainFrame* frame = StartMainWindow(dir.string(), true);
    FillSamplePlug(g_doc.image);
    g_doc.savedCopy = g_doc.image.Text();
    ImageReplaced();
    QTest::qWait(200);

    bool ok = true;
    WhenUp<CPrintPreviewFrame>([&ok, &out, lang](CPrintPreviewFrame* preview) {
        ok = preview->grab().save(out + QStringLiteral("/print-preview-%1.png").arg(QLatin1String(lang))) &&
             ok;
        WhenUp<CGotoPageDlg>([&ok, &out, lang](CGotoPageDlg* dialog) {
            ok =
                dialog->grab().save(out + QStringLiteral("/goto-page-%1.png").arg(QLatin1String(lang))) && ok;
            dialog->reject();
        });
        preview->Action(CPrintPreviewFrame::kGoto)->trigger();
        preview->Action(CPrintPreviewFrame::kClose)->trigger();
    });
    frame->OnCommand(cmd::kFilePrintPreview);
    MsgBox::SetNonInteractive(true);
    frame->close();
    delete frame;
    std::filesystem::remove_all(dir, ec);
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    return ScreenshotMain(argc, argv, [](int, const QString& suffix, const QString& out) {
        return Render(suffix.toLatin1().constData(), out);
    });
}
