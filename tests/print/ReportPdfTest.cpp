// vpxds-cli report as a user runs it: one A4 landscape page whose text a PDF reader gets back exactly as
// drawn, in English and in Chinese; the language from system.ini or --lang; refusals that write nothing.
#include <gtest/gtest.h>

#include "app/AppState.h"
#include "codeplug/ModelCatalogue.h"
#include "print/ReportModel.h"
#include "tests/print/PdfText.h"
#include "tests/support/CliRunner.h"
#include "tests/support/SamplePlug.h"
#include "tests/support/TestAppDir.h"

namespace {

class ReportPdf : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_cli.Available()) << "vpxds-cli is not built";
        ASSERT_TRUE(PdfToolsPresent()) << "pdftotext and pdfinfo come with poppler-utils (scripts/deps.sh)";
        g_nRadioType = 3;
        CodePlug image(BuildBandImage("33"));
        FillSamplePlug(image);
        m_image = image;
        m_dir.WriteFile("plan.dat", image.Text());
    }

    // Every text the report draws, as the model has them, in a language.
    std::vector<std::string> ReportTexts(int language)
    {
        g_nLanguage = language;
        ApplyBand(m_image.Text());
        const ReportModel r = BuildReportModel(ReportSourceFromImage(m_image, g_band),
                                               {"vpxds", language == kLangChinese, 3, "2024-01-01 00:00:00"});
        std::vector<std::string> texts{r.title, r.makerLine, PageNumberText(1, 1, r.chinese)};
        for (const ReportEntry& e : r.settings) {
            texts.push_back(e.label);
            texts.push_back(e.value);
        }
        for (const ReportRow& row : r.rows)
            texts.insert(texts.end(), row.begin(), row.end());
        return texts;
    }

    std::string Path(const char* name) const { return m_dir.File(name); }
    CliResult Report(const std::string& args) const { return m_cli.Run("report " + args); }

    TestAppDir m_dir{"vpx-pdf-", TestAppDir::Texts::Project};
    CliRunner m_cli{m_dir};
    CodePlug m_image;
};

void ExpectTextsReadBack(const std::string& pdfText, const std::vector<std::string>& texts)
{
    const std::string flat = WithoutBlanks(pdfText);
    for (const std::string& t : texts)
        EXPECT_NE(flat.find(WithoutBlanks(t)), std::string::npos) << "missing: " << t;
    for (char32_t cp : CodePoints(pdfText))
        EXPECT_FALSE(IsSubstituteCodePoint(cp)) << "U+" << std::hex << static_cast<unsigned>(cp);
}

} // namespace

TEST_F(ReportPdf, EnglishReportIsOneLandscapeA4PageWithItsTexts)
{
    const CliResult r = Report("'" + Path("plan.dat") + "' '" + Path("plan.pdf") + "' --lang en");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(PdfInfo(Path("plan.pdf"), "Pages"), "1");
    EXPECT_EQ(PdfInfo(Path("plan.pdf"), "Page size"), "842 x 595 pts (A4)");
    const std::string text = PdfText(Path("plan.pdf"));
    ExpectTextsReadBack(text, ReportTexts(kLangEnglish));
    EXPECT_NE(text.find("MX6+ Code Plug Report"), std::string::npos);
    EXPECT_NE(text.find("Page 1/Total 1"), std::string::npos);
    EXPECT_NE(text.find("TOT pre-alert (s) : Off"), std::string::npos); // "Off", not a ligature
    EXPECT_NE(text.find("D754I"), std::string::npos);
    EXPECT_EQ(m_dir.ReadFile("plan.dat"), m_image.Text()); // the data file is only read
}

TEST_F(ReportPdf, ChineseReportReadsBackCharacterForCharacter)
{
    const CliResult r = Report("'" + Path("plan.dat") + "' '" + Path("zh.pdf") + "' --lang zh");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(PdfInfo(Path("zh.pdf"), "Pages"), "1");
    const std::string text = PdfText(Path("zh.pdf"));
    // Every character of every text, "页" and "高" among them, comes back as itself.
    const auto texts = ReportTexts(kLangChinese);
    ExpectTextsReadBack(text, texts);
    EXPECT_NE(text.find("第 1 页/共 1 页"), std::string::npos);
    EXPECT_NE(text.find("写频参数表"), std::string::npos);
    EXPECT_NE(WithoutBlanks(text).find("高"), std::string::npos);
}

TEST_F(ReportPdf, LanguageComesFromTheSettingsUnlessGiven)
{
    m_dir.WriteFile("system.ini", "[language]\nlanguage=200000\n");
    ASSERT_EQ(Report("'" + Path("plan.dat") + "' '" + Path("a.pdf") + "'").exitCode, 0);
    EXPECT_NE(PdfText(Path("a.pdf")).find("Code Plug Report"), std::string::npos);
    ASSERT_EQ(Report("'" + Path("plan.dat") + "' '" + Path("b.pdf") + "' --lang zh").exitCode, 0);
    EXPECT_NE(PdfText(Path("b.pdf")).find("写频参数表"), std::string::npos);

    m_dir.WriteFile("system.ini", "[language]\nlanguage=100000\n");
    ASSERT_EQ(Report("'" + Path("plan.dat") + "' '" + Path("c.pdf") + "'").exitCode, 0);
    EXPECT_NE(PdfText(Path("c.pdf")).find("写频参数表"), std::string::npos);
}

TEST_F(ReportPdf, RefusalsLeaveNoFileAndKeepTheOldOne)
{
    m_dir.WriteFile("old.pdf", "old report");
    m_dir.WriteFile("bad.dat", "not a code plug");

    CliResult r = Report("'" + Path("bad.dat") + "' '" + Path("old.pdf") + "'");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("error 2011"), std::string::npos) << r.err;
    EXPECT_EQ(m_dir.ReadFile("old.pdf"), "old report");

    r = Report("'" + Path("plan.dat") + "' '" + Path("missing/folder.pdf") + "'");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("error 9511"), std::string::npos) << r.err;

    r = Report("'" + Path("plan.dat") + "' '" + Path("old.pdf") + "' --lang fr");
    EXPECT_EQ(r.exitCode, 2);
    r = Report("'" + Path("plan.dat") + "'");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("usage: vpxds-cli report"), std::string::npos);
    EXPECT_EQ(m_dir.ReadFile("old.pdf"), "old report");

    // The old file is replaced only by a complete report.
    r = Report("'" + Path("plan.dat") + "' '" + Path("old.pdf") + "' --lang en");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(m_dir.ReadFile("old.pdf").substr(0, 5), "%PDF-");
}
