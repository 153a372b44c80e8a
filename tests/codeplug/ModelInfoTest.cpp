// The model-information texts of a code plug: a new one, one from a programmed radio, and the
// programming time and file name as the radio stores them.
#include <gtest/gtest.h>

#include "codeplug/ModelCatalogue.h"
#include "codeplug/ModelInfo.h"
#include "tests/support/TestAppDir.h"

namespace {

// Restores the model information derived by the last ApplyBand.
struct ModelInfoGuard {
    ModelInfoTexts info = g_modelInfo;
    BandState band = g_band;
    ~ModelInfoGuard()
    {
        g_modelInfo = info;
        g_band = band;
    }
};

} // namespace

TEST(ModelInfo, ProgrammingTimeFromItsBcdDigits)
{
    EXPECT_EQ(ProgramTimeText("20110510081502"), "2011-05-10 08:15:02");
    EXPECT_EQ(ProgramTimeText("19991231235959"), "1999-12-31 23:59:59");
    EXPECT_EQ(ProgramTimeText("FFFFFFFFFFFFFF"), "");
    EXPECT_EQ(ProgramTimeText("ffffffffffffff"), "");
    // A partly written time is shown as it stands, not hidden.
    EXPECT_EQ(ProgramTimeText("2011FFFFFFFFFF"), "2011-FF-FF FF:FF:FF");
    EXPECT_EQ(ProgramTimeText("20110510"), "");
}

TEST(ModelInfo, NewCodePlugShowsNoTimeAndTheNoFileText)
{
    ModelInfoGuard guard;
    for (int language : {kLangEnglish, kLangChinese}) {
        TestAppDir dir("vpx-modelinfo-", TestAppDir::Texts::Project);
        g_nLanguage = language;
        ResetLangTextCache();
        const CodePlug image(BuildBandImage("33"));
        ApplyBand(image.Text(), false);
        const ModelInfoView view = DescribeModelInfo(image, g_modelInfo);
        EXPECT_EQ(view.serialNumber, "");
        EXPECT_EQ(view.hardwareVersion, "");
        EXPECT_EQ(view.mcuVersion, "");
        EXPECT_EQ(view.pcVersion, "");
        EXPECT_EQ(view.lastProgrammed, "");
        EXPECT_EQ(view.fileName, GetLangText(90026));
        EXPECT_FALSE(view.fileName.empty());
    }
}

TEST(ModelInfo, ProgrammedRadioShowsItsTextsAndTheFileNameWithDat)
{
    ModelInfoGuard guard;
    TestAppDir dir("vpx-modelinfo-", TestAppDir::Texts::Project);
    CodePlug image(BuildBandImage("33"));
    image.Write(0x03E0, "3132333435363738393031323334FF"); // 14 digits, then the end byte
    image.Write(0x03D8, "5632FFFF");                       // "V2"
    image.Write(0x0300, "0015");                           // 0.15: only one leading zero goes
    image.Write(0x0302, "1203FF");                         // 12.03, no letter
    image.Write(0x0305, "20110510081502");
    image.Write(0x0310, std::string(64, '4')); // 32 x "D": a name with no end byte
    ApplyBand(image.Text(), false);
    ModelInfoView view = DescribeModelInfo(image, g_modelInfo);
    EXPECT_EQ(view.serialNumber, "12345678901234");
    EXPECT_EQ(view.hardwareVersion, "V2");
    EXPECT_EQ(view.mcuVersion, "0.15");
    EXPECT_EQ(view.pcVersion, "12.03");
    EXPECT_EQ(view.lastProgrammed, "2011-05-10 08:15:02");
    EXPECT_EQ(view.fileName, std::string(32, 'D') + ".dat");

    // A name ends at its first 0x00 or 0xFF; a byte above 0x7F shows as its Latin-1 letter.
    image.Write(0x0310, "E9746531FF414243");
    EXPECT_EQ(DescribeModelInfo(image, g_modelInfo).fileName, "\xC3\xA9te1.dat");
    image.Write(0x0310, "00414243");
    EXPECT_EQ(DescribeModelInfo(image, g_modelInfo).fileName, GetLangText(90026));

    // After a read the MCU version is the one the radio reported, not the image's.
    g_modelInfo.mcuVersion = "2.10";
    ApplyBand(image.Text(), true);
    EXPECT_EQ(DescribeModelInfo(image, g_modelInfo).mcuVersion, "2.10");
}
