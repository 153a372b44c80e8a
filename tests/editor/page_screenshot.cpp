// Renders the editor page with a filled channel table in both languages into PNG files for the README:
//   QT_QPA_PLATFORM=offscreen page_screenshot [OUTPUT_DIR]   (default: docs/ of the source tree)
#include <QApplication>
#include <QDir>
#include <QPixmap>

#include <cstdio>
#include <filesystem>

#include "app/AppFont.h"
#include "app/AppState.h"
#include "app/LangText.h"
#include "codeplug/AddressMap.h"
#include "codeplug/ChannelRecord.h"
#include "codeplug/Document.h"
#include "codeplug/FreqCodec.h"
#include "codeplug/ModelCatalogue.h"
#include "codeplug/ToneCodec.h"
#include "editor/CMainFrm.h"
#include "tests/support/SampleChannels.h"

namespace {

// A dealer's typical code plug: repeater pairs, simplex channels, one receive-only and one outside the band.
void FillSamplePlug(CodePlug& image)
{
    StoreSampleChannels(image, {
                                   {438.500, 430.900, "88.5", "88.5", true, true, true},
                                   {438.525, 430.925, "D023N", "D023N", true, true, true},
                                   {446.00625, 446.00625, "", "", false, false, true},
                                   {446.01875, 446.01875, "67.0", "67.0", false, false, true},
                                   {433.500, 433.500, "", "", true, true, false},
                                   {462.5625, 0, "", "", true, true, true},
                                   {410.125, 415.125, "123.0", "D754I", true, true, true},
                                   {480.000, 480.000, "", "", true, false, false},
                                   {420.000, 420.000, "100.0", "100.0", true, true, true},
                                   {455.250, 460.250, "D114N", "D114N", false, true, true},
                               });
    image.WriteByte(Addr::kPriorityMode, 1);
    image.WriteByte(Addr::kPriorityChannel, 2);
    image.WriteByte(Addr::kTimeOut, 12);
    image.WriteByte(Addr::kBatterySave, 1);
}

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
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(VPX_SOURCE_DIR "/docs");
    QDir().mkpath(out);
    bool ok = Render(kLangEnglish, out + "/editor-page-en.png");
    ok = Render(kLangChinese, out + "/editor-page-zh.png") && ok;
    std::printf("%s\n", ok ? "written" : "failed");
    return ok ? 0 : 1;
}
