// Renders the editor page with a filled channel table in both languages into PNG files for the README:
//   QT_QPA_PLATFORM=offscreen page_screenshot [OUTPUT_DIR]   (default: docs/ of the source tree)
#include <QApplication>
#include <QDir>
#include <QPixmap>

#include <cstdio>
#include <filesystem>

#include "app/AppState.h"
#include "app/LangText.h"
#include "app/qt/ui/AppFont.h"
#include "codeplug/Document.h"
#include "codeplug/ModelCatalogue.h"
#include "editor/qt/CMainFrm.h"
#include "tests/support/SamplePlug.h"
#include "tests/support/qt/ScreenshotMain.h"

namespace {

bool Render(int language, const QString& file)
{
    const auto dir = std::filesystem::temp_directory_path() / "vpx-page-screenshot";
    std::filesystem::create_directories(dir);
    std::error_code ec;
    std::filesystem::copy_file(std::filesystem::path(VPX_SOURCE_DIR) / "res" / "language.sys",
                               dir / "language.sys", std::filesystem::copy_options::overwrite_existing, ec);
    g_strAppDir = dir.string();
    g_nLanguage = language;
    ResetLangTextCache();
    InitAppFont();

    g_doc.ResetToNew();
    FillSamplePlug(g_doc.image);
    ApplyBand(g_doc.image.Text());

    CMainFrm page;
    page.resize(800, 620);
    page.OnInitialUpdate();
    page.show();
    QApplication::processEvents();
    page.PaintRow(3, true);
    QApplication::processEvents();
    const bool ok = page.grab().save(file);
    std::filesystem::remove_all(dir, ec);
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    return ScreenshotMain(argc, argv, [](int language, const QString& suffix, const QString& out) {
        return Render(language, out + "/editor-page-" + suffix + ".png");
    });
}
