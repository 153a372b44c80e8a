// Hex and bit helpers: the failure values the field writers rely on, and round trips over every byte.
#include <gtest/gtest.h>

#include <limits>

#include "codeplug/AddressMap.h"
#include "codeplug/CodePlug.h"
#include "codeplug/HexText.h"

TEST(HexText, HexToIntReadsLikeTheCLibrary)
{
    EXPECT_EQ(HexToInt("FF"), 255);
    EXPECT_EQ(HexToInt("ff"), 255);
    EXPECT_EQ(HexToInt("  1A"), 26);   // leading blanks skipped
    EXPECT_EQ(HexToInt("12G4"), 0x12); // stops at the first non-hex character
    EXPECT_EQ(HexToInt("XYZ"), 0);
    EXPECT_EQ(HexToInt(""), 0);
    EXPECT_EQ(HexToInt("0x10"), 16);
}

TEST(HexText, IntToHexKeepsTheFieldWidthOrFails)
{
    EXPECT_EQ(IntToHex(255, 1), "FF");
    EXPECT_EQ(IntToHex(256, 1), "");
    EXPECT_EQ(IntToHex(-1, 1), "");
    EXPECT_EQ(IntToHex(-1, 4), "FFFFFFFF");
    EXPECT_EQ(IntToHex(-2, 2), "");
    EXPECT_EQ(IntToHex(5, 2), "0005");
    EXPECT_EQ(IntToHex(0, 1), "00");
    EXPECT_EQ(IntToHex(0x1234, 2), "1234");
    EXPECT_EQ(IntToHex(1, 0), "");
    // Every byte value: two upper-case digits that read back to the value.
    for (int v = 0; v <= 255; ++v) {
        const std::string h = IntToHex(v, 1);
        ASSERT_EQ(h.size(), 2u) << v;
        EXPECT_EQ(HexToInt(h), v);
        EXPECT_EQ(h, ToUpperAscii(h));
    }
}

TEST(HexText, BitTextConversions)
{
    EXPECT_EQ(HexToBits("1g"), "");
    EXPECT_EQ(HexToBits("a5"), "10100101");
    EXPECT_EQ(BitsToHex("101"), "5");
    EXPECT_EQ(BitsToHex("1010100000010011"), "A813");
    EXPECT_EQ(BitsToHex("10201"), "");
    EXPECT_EQ(BitsToInt("1111"), 15);
    for (int v = 0; v <= 255; ++v) {
        const std::string h = IntToHex(v, 1);
        const std::string bits = HexToBits(h);
        ASSERT_EQ(bits.size(), 8u);
        EXPECT_EQ(BitsToHex(bits), h);
        EXPECT_EQ(BitsToInt(bits), v);
    }
}

TEST(HexText, SingleBitsOfEveryByte)
{
    EXPECT_EQ(GetBit("80", 7), 1);
    EXPECT_EQ(GetBit("80", 8), -1);
    EXPECT_EQ(GetBit("800", 7), -1);
    EXPECT_EQ(GetBit("8", 3), -1);
    EXPECT_EQ(GetBit("G0", 0), -1);
    EXPECT_EQ(GetBit("80", -1), -1);
    EXPECT_EQ(SetBit("80", 8, 1), "");
    EXPECT_EQ(SetBit("80", 0, 2), "");
    EXPECT_EQ(SetBit("8", 0, 1), "");
    for (int v = 0; v <= 255; ++v) {
        const std::string h = IntToHex(v, 1);
        for (int b = 0; b < 8; ++b) {
            EXPECT_EQ(GetBit(h, b), (v >> b) & 1);
            EXPECT_EQ(SetBit(h, b, 1), IntToHex(v | (1 << b), 1));
            EXPECT_EQ(SetBit(h, b, 0), IntToHex(v & ~(1 << b), 1));
        }
    }
    EXPECT_EQ(SetBit("ff", 0, 0), "FE"); // lower case in, upper case out
}

TEST(HexText, BitFields)
{
    EXPECT_EQ(SetBits("FF", 6, 2, "01"), "7F");
    EXPECT_EQ(SetBits("FF", 4, 2, "10"), "EF");
    EXPECT_EQ(SetBits("FF", 4, 2, "1110"), "EF"); // only the last width characters count
    EXPECT_EQ(SetBits("FF", 7, 2, "01"), "");     // runs past bit 7
    EXPECT_EQ(SetBits("FF", 0, 0, ""), "");
    EXPECT_EQ(SetBits("FF", 0, 2, "1"), ""); // fewer bits than the width
    EXPECT_EQ(SetBits("FF", 0, 2, "2x"), "");
    EXPECT_EQ(GetBits("A813", 12, 4), "1010");
    EXPECT_EQ(GetBits("A813", 0, 9), "000010011");
    EXPECT_EQ(GetBits("A8", 8, 1), "");
    EXPECT_EQ(GetBits("A8", -1, 1), "");
    EXPECT_EQ(GetBits("G8", 0, 1), "");
    // Writing a field and reading it back leaves every other bit alone.
    for (int v = 0; v <= 255; v += 17)
        for (int start = 0; start < 8; ++start)
            for (int width = 1; start + width <= 8; ++width) {
                const std::string h = IntToHex(v, 1);
                const std::string ones(static_cast<std::size_t>(width), '1');
                const std::string set = SetBits(h, start, width, ones);
                EXPECT_EQ(GetBits(set, start, width), ones);
                const int mask = ((1 << width) - 1) << start;
                EXPECT_EQ(HexToInt(set) & ~mask, v & ~mask);
            }
}

TEST(HexText, CharacterFields)
{
    EXPECT_EQ(HexToText("414200FF43"), "AB");
    EXPECT_EQ(HexToText("41FF42"), "A");
    EXPECT_EQ(HexToText("141"), "\x01"
                                "A"); // odd length gets a leading 0
    EXPECT_EQ(HexToText(""), "");
    EXPECT_EQ(TextToHex("A\xB0"), "41");
    EXPECT_EQ(TextToHex("Hi!"), "486921");
    // Every printable character survives the trip.
    std::string printable;
    for (int c = 0x20; c < 0x7F; ++c)
        printable += static_cast<char>(c);
    EXPECT_EQ(HexToText(TextToHex(printable)), printable);
}

TEST(HexText, FillSpliceAndReverse)
{
    EXPECT_EQ(RepeatFill("F", 5), "FFFFF");
    EXPECT_EQ(RepeatFill("AB", 5), "ABABA");
    EXPECT_EQ(RepeatFill("AB", 0), "");
    EXPECT_EQ(RepeatFill("", 4), "");
    EXPECT_EQ(SpliceHex("AABBCC", 2, 2, "DD"), "AADDCC");
    EXPECT_EQ(SpliceHex("AABB", 10, 2, "CC"), "AABBCC"); // clamped, never reads outside
    EXPECT_EQ(ReverseGroups("0500", 2), "0005");
    EXPECT_EQ(ReverseGroups("ABCDE", 2), "DEBCA");
    EXPECT_EQ(ReverseGroups("00256114", 2), "14612500");
    EXPECT_EQ(ReverseGroups(ReverseGroups("0123456789AB", 2), 2), "0123456789AB");
}

TEST(HexText, ByteConversionsAndTrimming)
{
    std::vector<std::uint8_t> all;
    for (int v = 0; v <= 255; ++v)
        all.push_back(static_cast<std::uint8_t>(v));
    const std::string hex = BytesToHex(all);
    EXPECT_EQ(hex.size(), 512u);
    EXPECT_EQ(HexToBytes(hex), all);
    EXPECT_EQ(HexToBytes("0102ZZ03").size(), 2u);
    EXPECT_TRUE(IsHexText("00ff"));
    EXPECT_FALSE(IsHexText("0"));
    EXPECT_FALSE(IsHexText(""));
    EXPECT_FALSE(IsHexText("0G"));
    EXPECT_EQ(TrimBlanks(" \t\r\nAB C\r\n"), "AB C");
    EXPECT_EQ(TrimBlanks(" \r\n"), "");
}

TEST(HexText, ImageWritesNeverChangeItsLength)
{
    CodePlug image;
    const std::string before = image.Text();
    EXPECT_FALSE(image.Write(0x0100, ""));
    EXPECT_FALSE(image.Write(0x0100, "ABC"));
    EXPECT_FALSE(image.Write(0x0100, "ZZ"));
    EXPECT_FALSE(image.Write(0x03FF, "0000")); // runs past 0x03FF
    EXPECT_FALSE(image.Write(-1, "00"));
    EXPECT_FALSE(image.WriteByte(0x0010, 256));
    EXPECT_FALSE(image.WriteWordLE(0x03FF, 1));
    // Addresses far outside the image are refused, not wrapped around.
    EXPECT_EQ(image.Read(std::numeric_limits<int>::max(), 1), "");
    EXPECT_EQ(image.ReadByte(std::numeric_limits<int>::max()), -1);
    EXPECT_FALSE(image.WriteWordLE(std::numeric_limits<int>::max(), 1));
    EXPECT_EQ(image.Text(), before);
    EXPECT_TRUE(image.Write(0x03FE, "ab12"));
    EXPECT_EQ(image.Read(0x03FE, 2), "AB12");
    EXPECT_TRUE(image.WriteWordLE(0x0165, 300));
    EXPECT_EQ(image.Read(0x0165, 2), "2C01");
    EXPECT_EQ(image.ReadWordLE(0x0165), 300);
    EXPECT_EQ(image.Text().size(), 2048u);
    // A field write with a value of the wrong length (a failed conversion) changes nothing.
    EXPECT_FALSE(image.WriteField(Addr::kTimeOut, 1, IntToHex(256, 1)));
    EXPECT_FALSE(image.WriteField(Addr::kScanDwell, 2, "05"));
    EXPECT_TRUE(image.WriteField(Addr::kScanDwell, 2, "0500"));
    EXPECT_EQ(image.ReadWordLE(Addr::kScanDwell), 5);
    EXPECT_FALSE(image.SetText(std::string(2047, 'F')));
    EXPECT_EQ(image.Read(0x03FE, 2), "AB12");
}
