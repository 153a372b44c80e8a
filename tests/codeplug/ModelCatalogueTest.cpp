// Band codes, default code plugs, the band state and the model-information texts.
#include <gtest/gtest.h>

#include "codeplug/AddressMap.h"
#include "codeplug/ChannelRecord.h"
#include "codeplug/FreqCodec.h"
#include "codeplug/HexText.h"
#include "codeplug/ModelCatalogue.h"
#include "TempAppDir.h"

namespace {

// Restores the program-wide band state and radio type after a test that changes them.
struct BandStateGuard {
    BandState band = g_band;
    ModelInfoTexts info = g_modelInfo;
    int radioType = g_nRadioType;
    ~BandStateGuard()
    {
        g_band = band;
        g_modelInfo = info;
        g_nRadioType = radioType;
    }
};

std::string TestEntry(const CodePlug& image, int i, int size)
{
    return image.Read(Addr::kTestFreqs + size * i, 8);
}

} // namespace

TEST(ModelCatalogue, ModelHeadAndBaseImage)
{
    EXPECT_EQ(GetModelHead(0, 1), "5451393531");
    EXPECT_EQ(GetModelHead(7, 2), "3135395154");
    EXPECT_EQ(HexToText(GetModelHead(0, 1)), "TQ951");

    const CodePlug base(BuildDefaultImage());
    ASSERT_EQ(base.Text().size(), 2048u);
    EXPECT_EQ(base.Read(0x0000, 16), "0000004000000040FFFFFFFFFB0101FF");
    EXPECT_EQ(base.Read(0x0130, 16), "0400FFFF0500FFFFFFFFFFFFFFFF00FF");
    EXPECT_EQ(base.Read(0x0160, 16), "00FF1F33FF05000500FFFFFFFFFFFFFF");
    EXPECT_EQ(base.Read(0x0170, 16), "FFFFFFFFFFFFFFFFFFFFFFFFFFFF0100");
    EXPECT_EQ(base.Read(0x0260, 5), "0000050606");
    EXPECT_EQ(base.Read(0x0270, 16), std::string(32, '0'));
    EXPECT_EQ(base.Read(0x03C0, 16), "BB030302FD0000000100FFFFFFFFFFFF");
    EXPECT_EQ(base.Read(0x03D0, 16), "0000F93135395154FFFFFFFFFFFFFFFF");
    EXPECT_EQ(base.Read(Addr::kChannels, 256), std::string(512, 'F'));
    EXPECT_EQ(BandCodeOf(base.Text()), "FF");
    // Every byte the table does not list is 0xFF: count the non-FF bytes.
    int listed = 0;
    for (int a = 0; a < CodePlug::kBytes; ++a)
        if (base.ReadByte(a) != 0xFF)
            ++listed;
    EXPECT_EQ(listed, 11 + 5 + 7 + 2 + 5 + 16 + 10 + 8); // per row of the table above
}

TEST(ModelCatalogue, Band33IsTheNewCodePlug)
{
    TempAppDir dir;
    BandStateGuard guard;
    g_band = {"F9", 445, 448};
    const CodePlug image(BuildBandImage("33"));
    ApplyBand(image.Text());
    EXPECT_EQ(g_band.code, "33");
    EXPECT_DOUBLE_EQ(g_band.lower, 400.0);
    EXPECT_DOUBLE_EQ(g_band.upper, 470.0);
    EXPECT_EQ(image.Read(Addr::kModelBlock, 8), "545139353133F8FF");

    const ChannelRow ch1 = RenderChannelRow(image, 1, g_band);
    EXPECT_FALSE(ch1.blank);
    EXPECT_EQ(ch1.rx, "400.00000");
    EXPECT_EQ(ch1.tx, "400.00000");
    EXPECT_TRUE(ch1.wide);
    EXPECT_TRUE(ch1.highPower);
    EXPECT_TRUE(ch1.scan);
    EXPECT_EQ(ch1.decode, TempAppDir::kNoToneEnglish);
    EXPECT_EQ(ch1.encode, TempAppDir::kNoToneEnglish);
    EXPECT_FALSE(ch1.rxOutOfBand);
    for (int n = 2; n <= 16; ++n)
        EXPECT_TRUE(RenderChannelRow(image, n, g_band).blank) << n;

    // Test entries: 420.000/420.125, 445.000/445.125, 470.000/469.975, then unused.
    const char* expected[][2] = {
        {"420.00000", "420.12500"}, {"445.00000", "445.12500"}, {"470.00000", "469.97500"}};
    for (int i = 0; i < 3; ++i) {
        const std::string entry = TestEntry(image, i, 8);
        EXPECT_EQ(DecodeFreq(entry.substr(0, 8)), expected[i][0]);
        EXPECT_EQ(DecodeFreq(entry.substr(8, 8)), expected[i][1]);
    }
    EXPECT_EQ(image.Read(Addr::kTestFreqs + 24, 104), std::string(208, 'F'));
}

TEST(ModelCatalogue, BandImagesOfEveryCode)
{
    BandStateGuard guard;
    g_nRadioType = 3;
    const CodePlug f9(BuildBandImage("F9"));
    EXPECT_EQ(f9.Read(Addr::ChannelAddress(1), 16), std::string(32, 'F'));
    EXPECT_EQ(f9.Read(Addr::kTestFreqs, 16), "0000604400256144FFFFFFFFFF0101FF");
    EXPECT_EQ(DecodeFreq(f9.Read(Addr::kTestFreqs, 4)), "446.00000");
    EXPECT_EQ(DecodeFreq(f9.Read(Addr::kTestFreqs + 4, 4)), "446.12500");
    EXPECT_EQ(f9.Read(Addr::kTestFreqs + 16, 112), std::string(224, 'F'));

    EXPECT_EQ(CodePlug(BuildBandImage("FD")).Read(Addr::ChannelAddress(1), 16),
              "0000003700250137FFFFFFFFFF0101FF");
    EXPECT_EQ(CodePlug(BuildBandImage("E0")).Read(Addr::kTestFreqs, 8), "0000601300256113");
    EXPECT_EQ(BuildBandImage("f9"), f9.Text()); // lower case is the same code
    EXPECT_EQ(BuildBandImage("G1"), "");
    EXPECT_EQ(BuildBandImage("333"), "");

    // Each listed band gets its limits back from its own image; the image differs from the base only
    // in the model block, the test block and channel 1.
    const struct {
        const char* code;
        double lower, upper;
    } bands[] = {{"F1", 136, 150}, {"F2", 450, 490}, {"F3", 490, 512}, {"F4", 440, 480}, {"F5", 400, 450},
                 {"33", 400, 470}, {"F7", 470, 512}, {"F8", 400, 430}, {"F9", 445, 448}, {"FA", 433, 435},
                 {"FB", 476, 478}, {"FC", 462, 468}, {"FD", 370, 390}, {"FE", 350, 370}, {"E0", 136, 174}};
    const CodePlug base(BuildDefaultImage());
    for (const auto& b : bands) {
        const CodePlug image(BuildBandImage(b.code));
        ASSERT_EQ(image.Text().size(), 2048u);
        ApplyBand(image.Text());
        EXPECT_EQ(g_band.code, b.code);
        EXPECT_DOUBLE_EQ(g_band.lower, b.lower) << b.code;
        EXPECT_DOUBLE_EQ(g_band.upper, b.upper) << b.code;
        for (int a = 0; a < CodePlug::kBytes; ++a) {
            const bool bandPart = (a >= Addr::kModelBlock && a < Addr::kModelBlock + 8) ||
                                  (a >= Addr::kTestFreqs && a < Addr::kTestFreqs + 128) ||
                                  (a >= Addr::ChannelAddress(1) && a < Addr::ChannelAddress(2));
            if (!bandPart) {
                ASSERT_EQ(image.ReadByte(a), base.ReadByte(a)) << b.code << " at " << a;
            }
        }
        // The first test frequency of every band lies inside it.
        const double first = FreqFieldMHz(image.Read(Addr::kTestFreqs, 4));
        EXPECT_FALSE(FreqOutOfBand(first, g_band)) << b.code;
    }
}

TEST(ModelCatalogue, RadioTypeDecidesTheCustomCode)
{
    BandStateGuard guard;
    g_nRadioType = 1;
    EXPECT_EQ(CustomBandCode(), "FC");
    EXPECT_EQ(CodePlug(BuildBandImage("FC")).Read(Addr::kTestFreqs, 128), std::string(256, 'F'));
    g_nRadioType = 2;
    EXPECT_EQ(CustomBandCode(), "FF");
    EXPECT_EQ(CodePlug(BuildBandImage("FC")).Read(Addr::kTestFreqs, 16), "0000504600255146FFFFFFFFFF0101FF");
}

TEST(ModelCatalogue, CustomAndUnknownBands)
{
    BandStateGuard guard;
    g_nRadioType = 3;
    CodePlug image(BuildDefaultImage());
    image.Write(Addr::kModelBlock, "5451393531FFF8FF");
    image.Write(Addr::kCustomLower, "00000040");
    image.Write(Addr::kCustomUpper, "00007044");
    ApplyBand(image.Text());
    EXPECT_EQ(g_band.code, "FF");
    EXPECT_NEAR(g_band.lower, 400.0, 1e-9);
    EXPECT_NEAR(g_band.upper, 447.0, 1e-9);

    // Empty limit fields give 0 MHz, so every frequency is out of band.
    ApplyBand(BuildDefaultImage());
    EXPECT_DOUBLE_EQ(g_band.lower, 0.0);
    EXPECT_DOUBLE_EQ(g_band.upper, 0.0);
    EXPECT_TRUE(FreqOutOfBand(400.0, g_band));
    EXPECT_FALSE(FreqOutOfBand(0.0, g_band));

    // Unknown codes and "F0" keep the previous limits.
    ApplyBand(BuildBandImage("33"));
    ApplyBand(BuildBandImage("F0"));
    EXPECT_EQ(g_band.code, "F0");
    EXPECT_DOUBLE_EQ(g_band.lower, 400.0);
    EXPECT_DOUBLE_EQ(g_band.upper, 470.0);
    ApplyBand(BuildBandImage("A5"));
    EXPECT_EQ(g_band.code, "A5");
    EXPECT_DOUBLE_EQ(g_band.upper, 470.0);

    // Not an image: nothing changes.
    ApplyBand("1234");
    EXPECT_EQ(g_band.code, "A5");
}

TEST(ModelCatalogue, PresetRangesAndCustomTestFrequencies)
{
    BandStateGuard guard;
    g_nRadioType = 3;
    const std::string custom = CustomBandCode();
    const CodePlug r433(ApplyPresetRange(BuildDefaultImage(), custom, "433-447"));
    EXPECT_EQ(BandCodeOf(r433.Text()), "FF");
    EXPECT_EQ(r433.Read(Addr::kCustomLower, 16), "00003043000070449549FFFF00FFFFFF");
    EXPECT_EQ(r433.Read(Addr::kRadioConfigFlags, 1), "F8");
    ApplyBand(r433.Text());
    EXPECT_NEAR(g_band.lower, 433.0, 1e-9);
    EXPECT_NEAR(g_band.upper, 447.0, 1e-9);

    const CodePlug withTests(BuildCustomTestFreqs(r433.Text()));
    EXPECT_EQ(withTests.Read(Addr::kTestFreqs, 16),
              EncodeFreq(433.0) + EncodeFreq(433.125) + "FFFFFFFFFF0000FF");
    EXPECT_EQ(withTests.Read(Addr::kTestFreqs + 16, 16),
              EncodeFreq(440.0) + EncodeFreq(440.125) + "FFFFFFFFFF0000FF");
    EXPECT_EQ(withTests.Read(Addr::kTestFreqs + 32, 16),
              EncodeFreq(447.0) + EncodeFreq(446.975) + "FFFFFFFFFF0000FF");
    EXPECT_EQ(withTests.Read(Addr::kTestFreqs + 48, 80), std::string(160, 'F'));

    const CodePlug r146(ApplyPresetRange(BuildDefaultImage(), custom, "146-174"));
    EXPECT_EQ(r146.Read(Addr::kCustomLower, 16), "00006014000040179549FFFF01FFFFFF");
    EXPECT_EQ(r146.Read(Addr::kRadioConfigFlags, 1), "FD");
    EXPECT_EQ(CodePlug(ApplyPresetRange("", custom, "446-447")).Read(Addr::kCustomLower, 4), "00006044");
    EXPECT_EQ(CodePlug(ApplyPresetRange("", custom, "350-390")).Read(Addr::kCustomUpper, 4), "00000039");
    // An unknown range gives the plain band image.
    EXPECT_EQ(ApplyPresetRange(BuildDefaultImage(), custom, "400-470"), BuildBandImage(custom));

    // Limits the field cannot hold keep the three records in their places.
    ApplyBand(BuildDefaultImage()); // custom band without limits: 0 MHz
    const CodePlug empty(BuildCustomTestFreqs(BuildDefaultImage()));
    EXPECT_EQ(empty.Read(Addr::kTestFreqs, 16), "FFFFFFFFFFFFFFFFFFFFFFFFFF0000FF");
    EXPECT_EQ(empty.Read(Addr::kTestFreqs + 32, 16), "FFFFFFFFFFFFFFFFFFFFFFFFFF0000FF");

    // Another band code: nothing happens.
    EXPECT_EQ(BuildCustomTestFreqs(BuildBandImage("33")), BuildBandImage("33"));
}

TEST(ModelCatalogue, VersionAndModelInformationTexts)
{
    BandStateGuard guard;
    EXPECT_EQ(VersionText("0123"), "1.23");
    EXPECT_EQ(VersionText("0015"), "0.15");
    EXPECT_EQ(VersionText("1203"), "12.03");
    EXPECT_EQ(VersionText("FFFF"), "");
    EXPECT_EQ(VersionText("012341"), "1.23A");
    EXPECT_EQ(VersionText("0123FF"), "1.23");
    EXPECT_EQ(VersionText("FFFF41"), "");
    EXPECT_EQ(VersionText("01"), "");

    CodePlug image(BuildBandImage("33"));
    image.Write(Addr::kMcuVersion, "0102");
    image.Write(Addr::kPcVersion, "020342");
    image.Write(Addr::kHardwareVersion, TextToHex("HW-7") + "00FFFFFF");
    image.Write(Addr::kSerialNumber, TextToHex("SN123456789ABCD"));
    ApplyBand(image.Text());
    EXPECT_EQ(g_modelInfo.mcuVersion, "1.02");
    EXPECT_EQ(g_modelInfo.pcVersion, "2.03B");
    EXPECT_EQ(g_modelInfo.hardwareVersion, "HW-7");
    EXPECT_EQ(g_modelInfo.serialNumber, "SN123456789ABCD");

    // After a read from a radio the MCU version is the radio's own and stays.
    g_modelInfo.mcuVersion = "9.99";
    ApplyBand(image.Text(), true);
    EXPECT_EQ(g_modelInfo.mcuVersion, "9.99");
}
