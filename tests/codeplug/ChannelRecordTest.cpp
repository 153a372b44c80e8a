// Channel records: what the channel editor stores and what the channel table shows for it.
#include <gtest/gtest.h>

#include "codeplug/AddressMap.h"
#include "codeplug/ChannelRecord.h"
#include "codeplug/FreqCodec.h"
#include "codeplug/HexText.h"
#include "TempAppDir.h"

namespace {

ChannelInput Input(const char* rx, const char* tx, const char* dec, const char* enc, bool wide, bool high)
{
    ChannelInput in;
    in.rxText = rx;
    in.txText = tx;
    in.decodeTone = dec;
    in.encodeTone = enc;
    in.wide = wide;
    in.highPower = high;
    return in;
}

const BandState kBand33{"33", 400.0, 470.0};

} // namespace

TEST(ChannelRecord, AssembledRecordBytes)
{
    TempAppDir dir;
    // 446.00625 MHz is on the 6.25 kHz grid, 446.010 MHz on the 5 kHz grid.
    const std::string rec =
        AssembleChannelRecord(Input("446.00625", "446.010", "67.0", "D023I", true, false));
    ASSERT_EQ(rec.size(), 32u);
    EXPECT_EQ(rec.substr(0, 8), "25066044");
    EXPECT_EQ(rec.substr(8, 8), "00106044");
    EXPECT_EQ(rec.substr(16, 4), "9E02");
    EXPECT_EQ(rec.substr(20, 4), "13A8");
    EXPECT_EQ(rec.substr(24, 2), "FF");
    EXPECT_EQ(rec.substr(26, 2), "DF"); // wide (bit 4), low power (bit 5 clear)
    EXPECT_EQ(rec.substr(28, 2), "9F"); // rx class "10", tx class "01", low bits 1
    EXPECT_EQ(rec.substr(30, 2), "FF");

    // Off-grid texts are snapped before they are stored.
    const std::string snapped = AssembleChannelRecord(Input("146.0130", "146.0120", "", "", false, true));
    EXPECT_EQ(snapped.substr(0, 8), "50126014");
    EXPECT_EQ(snapped.substr(8, 8), "00106014");
    EXPECT_EQ(snapped.substr(16, 8), "FFFFFFFF");
    EXPECT_EQ(snapped.substr(26, 2), "EF"); // narrow, high power
    EXPECT_EQ(snapped.substr(28, 2), "9F");

    // Receive only: the transmit field is "none".
    const std::string rxOnly = AssembleChannelRecord(Input("462.5650", "", "", "", true, true));
    EXPECT_EQ(rxOnly.substr(0, 8), "00652546");
    EXPECT_EQ(rxOnly.substr(8, 8), "FFFFFFFF");
    EXPECT_EQ(GetBits(rxOnly.substr(28, 2), 6, 2), "01");
    EXPECT_EQ(GetBits(rxOnly.substr(28, 2), 4, 2), "01"); // no transmit frequency: the 5 kHz class stays

    // An empty receive text is an empty channel.
    EXPECT_EQ(AssembleChannelRecord(Input("", "446.0", "67.0", "", true, true)), std::string(32, 'F'));
}

TEST(ChannelRecord, StoredChannelsAndScanFlags)
{
    TempAppDir dir;
    CodePlug image;
    image.Write(Addr::kScanFlags, "0000");
    for (int n = 1; n <= 16; ++n) {
        StoreChannel(image, n, Input("446.025", "446.025", "", "", true, true), n % 3 == 0);
        EXPECT_EQ(GetScanFlag(image, n), n % 3 == 0) << n;
    }
    // Channels 3, 6 -> byte 0x017E bits 2, 5; 9, 12, 15 -> byte 0x017F bits 0, 3, 6.
    EXPECT_EQ(image.Read(Addr::kScanFlags, 2), "2449");
    for (int n = 1; n <= 16; ++n)
        EXPECT_EQ(image.Read(Addr::ChannelAddress(n), 4), "00256044") << n;
    EXPECT_EQ(image.Read(Addr::kPf1Key, 1), "FF"); // the table does not spill over

    // Emptying a channel clears its scan flag whatever was asked.
    StoreChannel(image, 6, Input("", "", "", "", true, true), true);
    EXPECT_FALSE(GetScanFlag(image, 6));
    EXPECT_EQ(image.Read(Addr::ChannelAddress(6), 16), std::string(32, 'F'));

    // Channels outside 1..16 are ignored.
    const std::string before = image.Text();
    StoreChannel(image, 0, Input("446.025", "", "", "", true, true), true);
    StoreChannel(image, 17, Input("446.025", "", "", "", true, true), true);
    SetScanFlag(image, 17, true);
    EXPECT_EQ(image.Text(), before);
    EXPECT_FALSE(GetScanFlag(image, 0));
}

TEST(ChannelRecord, RowsShownForStoredChannels)
{
    TempAppDir dir;
    CodePlug image;
    StoreChannel(image, 2, Input("446.00625", "446.010", "88.5", "D754I", false, true), true);
    ChannelRow row = RenderChannelRow(image, 2, kBand33);
    EXPECT_FALSE(row.blank);
    EXPECT_EQ(row.rx, "446.00625");
    EXPECT_EQ(row.tx, "446.01000");
    EXPECT_EQ(row.decode, "88.5");
    EXPECT_EQ(row.encode, "D754I");
    EXPECT_FALSE(row.wide);
    EXPECT_TRUE(row.highPower);
    EXPECT_TRUE(row.scan);
    EXPECT_FALSE(row.rxOutOfBand);

    // No transmit frequency: transmit and encode cells blank, whatever the encode bytes hold.
    image.Write(Addr::ChannelAddress(3), "00000045FFFFFFFF9E029E02FFFFFFFF");
    row = RenderChannelRow(image, 3, kBand33);
    EXPECT_FALSE(row.blank);
    EXPECT_EQ(row.tx, "");
    EXPECT_EQ(row.encode, "");
    EXPECT_EQ(row.decode, "67.0");

    // Out-of-band frequencies are flagged, not changed.
    image.Write(Addr::ChannelAddress(4), "00000048005099399E02FFFFFFFFFFFF");
    row = RenderChannelRow(image, 4, kBand33);
    EXPECT_TRUE(row.rxOutOfBand);
    EXPECT_TRUE(row.txOutOfBand);
    EXPECT_EQ(row.rx, "480.00000");
    EXPECT_EQ(row.tx, "399.95000");
    // The limits themselves are in band.
    image.Write(Addr::ChannelAddress(5), "0000004000000047FFFFFFFFFFFFFFFF");
    row = RenderChannelRow(image, 5, kBand33);
    EXPECT_FALSE(row.rxOutOfBand);
    EXPECT_FALSE(row.txOutOfBand);

    // Blank rows: all FF, all 00, or no receive frequency.
    image.Write(Addr::ChannelAddress(6), std::string(32, '0'));
    image.Write(Addr::ChannelAddress(7), "FFFFFFFF00000045FFFFFFFFFFFFFFFF");
    EXPECT_TRUE(RenderChannelRow(image, 1, kBand33).blank);
    EXPECT_TRUE(RenderChannelRow(image, 6, kBand33).blank);
    EXPECT_TRUE(RenderChannelRow(image, 7, kBand33).blank);
    EXPECT_TRUE(RenderChannelRow(image, 17, kBand33).blank);
}

TEST(ChannelRecord, EveryGridChannelOfTheBandSurvivesStoreAndShow)
{
    TempAppDir dir;
    CodePlug image;
    const std::vector<std::string> tones = {"67.0", "250.3", "D023N", "D754I", TempAppDir::kNoToneEnglish};
    int i = 0;
    // 400 to 470 MHz in 6.25 kHz and 5 kHz steps (a sample of every 37th channel of each grid).
    for (long hz = 400000000; hz <= 470000000; hz += 6250 * 37) {
        for (long step : {6250L, 5000L}) {
            const long f = hz - hz % step;
            const std::string text = FormatMHz(static_cast<double>(f) * 1e-6);
            const std::string& tone = tones[static_cast<std::size_t>(i++) % tones.size()];
            StoreChannel(
                image, 9,
                Input(text.c_str(), text.c_str(), tone.c_str(), tone.c_str(), i % 2 == 0, i % 3 == 0), true);
            const ChannelRow row = RenderChannelRow(image, 9, kBand33);
            ASSERT_EQ(row.rx, text);
            ASSERT_EQ(row.tx, text);
            ASSERT_EQ(row.decode, tone);
            ASSERT_EQ(row.encode, tone);
            ASSERT_EQ(row.wide, i % 2 == 0);
            ASSERT_EQ(row.highPower, i % 3 == 0);
            ASSERT_EQ(image.Text().size(), 2048u);
        }
    }
}
