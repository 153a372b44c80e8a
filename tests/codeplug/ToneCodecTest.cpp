// Tone fields, the tone lists and the rule that rewrites a typed tone.
#include <gtest/gtest.h>

#include <set>

#include "app/AppState.h"
#include "codeplug/HexText.h"
#include "codeplug/ToneCodec.h"
#include "TempAppDir.h"

TEST(ToneCodec, FieldExamples)
{
    TempAppDir dir;
    EXPECT_EQ(EncodeTone("67.0"), "9E02");
    EXPECT_EQ(EncodeTone("254.1"), "ED09");
    EXPECT_EQ(EncodeTone("D023N"), "1328");
    EXPECT_EQ(EncodeTone("D023I"), "13A8");
    EXPECT_EQ(EncodeTone("D754I"), "ECA9");
    EXPECT_EQ(EncodeTone("D023"), "1328"); // no polarity means normal
    EXPECT_EQ(EncodeTone(""), "FFFF");
    EXPECT_EQ(EncodeTone("  "), "FFFF");
    EXPECT_EQ(EncodeTone(TempAppDir::kNoToneEnglish), "FFFF");
    EXPECT_EQ(EncodeTone("D0"), "FFFF");     // too short for three digits
    EXPECT_EQ(EncodeTone("DX23N"), "FFFF");  // not a digit
    EXPECT_EQ(EncodeTone("6553.5"), "FFFF"); // would read back as a DCS code
    EXPECT_EQ(DecodeTone("ECA9"), "D754I");
    EXPECT_EQ(DecodeTone("9E02"), "67.0");
    EXPECT_EQ(DecodeTone("FFFF"), TempAppDir::kNoToneEnglish);
    EXPECT_EQ(DecodeTone("1328"), "D023N");
    EXPECT_EQ(DecodeTone("13C8"), "D023I"); // any other top nibble reads as inverted
    EXPECT_EQ(DecodeTone("ZZ"), TempAppDir::kNoToneEnglish);
    EXPECT_EQ(DecodeTone("E803"), "100.0");
}

TEST(ToneCodec, NoToneTextFollowsTheLanguage)
{
    TempAppDir dir(100000);
    EXPECT_EQ(DecodeTone("FFFF"), TempAppDir::kNoToneChinese);
    EXPECT_EQ(EncodeTone(TempAppDir::kNoToneChinese), "FFFF");
    EXPECT_EQ(BuildToneList(0).front(), TempAppDir::kNoToneChinese);
}

TEST(ToneCodec, EveryListedToneRoundTrips)
{
    TempAppDir dir;
    ASSERT_EQ(CtcssTones().size(), 38u);
    ASSERT_EQ(DcsCodes().size(), 83u);
    std::set<std::string> fields;
    for (const std::string& t : CtcssTones()) {
        const std::string f = EncodeTone(t);
        ASSERT_EQ(f.size(), 4u);
        EXPECT_EQ(DecodeTone(f), t);
        EXPECT_EQ(HexToInt(f.substr(2, 2) + f.substr(0, 2)) >> 12, 0) << t;
        fields.insert(f);
    }
    for (const std::string& code : DcsCodes()) {
        for (const char* suffix : {"N", "I"}) {
            const std::string text = code + suffix;
            const std::string f = EncodeTone(text);
            EXPECT_EQ(DecodeTone(f), text);
            fields.insert(f);
        }
    }
    EXPECT_EQ(fields.size(), 38u + 2 * 83u); // all distinct
    // Every CTCSS value in tenths of Hz from 50.0 to 254.1 survives too.
    for (int tenth = 500; tenth <= 2541; ++tenth) {
        const std::string text = TrimBlanks(std::to_string(tenth / 10) + "." + std::to_string(tenth % 10));
        ASSERT_EQ(DecodeTone(EncodeTone(text)), text);
    }
    // And every 9-bit DCS code with both polarities.
    for (int code = 0; code < 512; ++code) {
        std::string text = "D";
        text += static_cast<char>('0' + (code >> 6));
        text += static_cast<char>('0' + ((code >> 3) & 7));
        text += static_cast<char>('0' + (code & 7));
        ASSERT_EQ(DecodeTone(EncodeTone(text + "N")), text + "N");
        ASSERT_EQ(DecodeTone(EncodeTone(text + "I")), text + "I");
    }
}

TEST(ToneCodec, ToneListsForThisModelAndTheExtendedModel)
{
    TempAppDir dir;
    const std::vector<std::string> all = BuildToneList(1);
    ASSERT_EQ(all.size(), 1u + 38u + 166u);
    EXPECT_EQ(all[0], TempAppDir::kNoToneEnglish);
    EXPECT_EQ(all[1], "67.0");
    EXPECT_EQ(all[38], "250.3");
    EXPECT_EQ(all[39], "D023N");
    EXPECT_EQ(all[121], "D754N");
    EXPECT_EQ(all[122], "D023I");
    EXPECT_EQ(all.back(), "D754I");
    EXPECT_EQ(BuildToneList(0), all); // the kind does not matter for this model

    const std::string saved = g_strModel;
    g_strModel = "vpxgk";
    EXPECT_EQ(BuildToneList(0).size(), 39u);
    EXPECT_EQ(BuildToneList(1).size(), 84u);
    EXPECT_EQ(BuildToneList(1)[1], "D023N");
    EXPECT_EQ(BuildToneList(3)[1], "D023I");
    g_strModel = saved;

    EXPECT_TRUE(IsExtensionTone("69.3"));
    EXPECT_TRUE(IsExtensionTone("D053N"));
    EXPECT_TRUE(IsExtensionTone("D526I"));
    EXPECT_FALSE(IsExtensionTone("D023N"));
    EXPECT_FALSE(IsExtensionTone("67.0"));
    EXPECT_FALSE(IsExtensionTone("D053"));
}

TEST(ToneCodec, TypedToneWithIllegalTonesRefused)
{
    TempAppDir dir;
    const std::vector<std::string> list = BuildToneList(0);
    EXPECT_EQ(FindTonePrefix(list, "d754"), 121);
    EXPECT_EQ(FindTonePrefix(list, "xyz"), -1);
    EXPECT_EQ(FindTonePrefix(list, "1"), 12); // 100.0 is the first entry starting with 1

    ToneTextResult r = NormalizeToneText("88", list, false, false);
    EXPECT_EQ(r.text, "88.5");
    EXPECT_EQ(r.selectedIndex, 8);
    r = NormalizeToneText("d023i", list, false, false);
    EXPECT_EQ(r.text, "D023I");
    r = NormalizeToneText("69.3", list, false, false); // not a list entry: no tone
    EXPECT_EQ(r.selectedIndex, 0);
    EXPECT_EQ(r.text, TempAppDir::kNoToneEnglish);
}

TEST(ToneCodec, TypedToneWithIllegalTonesAllowed)
{
    TempAppDir dir;
    const std::vector<std::string> list = BuildToneList(0);
    struct Case {
        const char* typed;
        const char* result;
    };
    const Case cases[] = {
        {"d23", "D023N"}, {"D9991", "D777N"}, {"D023I", "D023I"}, {"d023i", "D023I"}, {"D023X", "D023N"},
        {"D0", "D000N"},  {"DABC", "D000N"},  {"D5", "D005N"},    {"69.3", "69.3"},   {"69.37", "69.3"},
        {"10", "67.0"},   {"300", "254.1"},   {"254.1", "254.1"}, {"254.2", "254.1"}, {"abc", "67.0"},
        {"88.5", "88.5"}, {" 100 ", "100.0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NormalizeToneText(c.typed, list, true, false).text, c.result) << c.typed;

    // The low-CTCSS variant moves the lower limit to 50.0 Hz.
    EXPECT_EQ(NormalizeIllegalToneText("10", true), "50.0");
    EXPECT_EQ(NormalizeIllegalToneText("55.5", true), "55.5");
    EXPECT_EQ(NormalizeIllegalToneText("55.5", false), "67.0");

    // The no-tone text and a cleared field stay "no tone".
    ToneTextResult r = NormalizeToneText(TempAppDir::kNoToneEnglish, list, true, false);
    EXPECT_EQ(r.text, TempAppDir::kNoToneEnglish);
    EXPECT_EQ(r.selectedIndex, 0);
    EXPECT_EQ(NormalizeToneText("", list, true, false).text, TempAppDir::kNoToneEnglish);

    // A result that is not an entry stays in the edit field; one that is, is selected.
    EXPECT_EQ(NormalizeToneText("69.3", list, true, false).selectedIndex, -1);
    EXPECT_EQ(NormalizeToneText("67", list, true, false).selectedIndex, 1);
    // Whatever was typed, the result encodes into a field that decodes to it.
    for (const Case& c : cases) {
        const std::string text = NormalizeIllegalToneText(c.typed, false);
        EXPECT_EQ(DecodeTone(EncodeTone(text)), text) << c.typed;
    }
}
