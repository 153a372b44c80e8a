// Channel lists without widgets: the export written from the layout's rules, the import back to the
// same bytes, the forms other tools write (older columns, any order, comments, quotes), the rows that
// are refused with their line, and copy and paste between channels.
#include <gtest/gtest.h>

#include "codeplug/AddressMap.h"
#include "codeplug/FreqCodec.h"
#include "codeplug/HexText.h"
#include "codeplug/ToneCodec.h"
#include "editor/ChannelCsvImport.h"
#include "csv_Support.h"

namespace {

std::string Channel(const CodePlug& image, int n) { return image.Read(Addr::ChannelAddress(n), 16); }

std::string Header()
{
    return "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,"
           "CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\n";
}

// A band-33 code plug without any channel.
CodePlug EmptyTable()
{
    CodePlug image(BuildBandImage("33"));
    ClearChannels(image, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16});
    return image;
}

// Imports text into image with the channel defaults of a new editor page (or those given).
ChannelImportResult Import(CodePlug& image, const std::string& text, bool partial = false,
                           ChannelImportOptions options = {})
{
    return ImportChannelsCsv(image, text, options, partial);
}

std::vector<int> Lines(const ChannelImportResult& r)
{
    std::vector<int> lines;
    for (const CsvRowError& e : r.errors)
        lines.push_back(e.line);
    return lines;
}

} // namespace

TEST(ChannelCsv, ExportWritesEveryToneCombinationAsTheLayoutSpellsIt)
{
    CsvTestDir dir;
    EXPECT_EQ(ExportChannelsCsv(SampleChannelPlug()), SampleChannelCsv());

    // A channel that does not transmit sends no tone, whatever its encode bytes hold.
    CodePlug image(BuildBandImage("33"));
    image.Write(Addr::ChannelAddress(3),
                EncodeFreq(430.1) + "FFFFFFFF" + EncodeTone("D754I") + EncodeTone("88.5") + "FFEFBFFF");
    EXPECT_EQ(ChannelCsvFields(image, 3)[3], "off");
    EXPECT_EQ(ChannelCsvFields(image, 3)[5], "Cross");
    EXPECT_EQ(ChannelCsvFields(image, 3)[11], "->DTCS");
    // Records of zeros and records without receive frequency are empty channels, left out.
    image.Write(Addr::ChannelAddress(4), std::string(32, '0'));
    image.Write(Addr::ChannelAddress(5), "FFFFFFFF" + EncodeFreq(430.1) + std::string(16, 'F'));
    const std::string csv = ExportChannelsCsv(image);
    EXPECT_NE(csv.find("\r\n1,"), std::string::npos);
    EXPECT_EQ(csv.find("\r\n4,"), std::string::npos);
    EXPECT_EQ(csv.find("\r\n5,"), std::string::npos);
}

TEST(ChannelCsv, ImportOfTheExportGivesBackTheSameRecordsAndScanBits)
{
    CsvTestDir dir;
    const CodePlug sample = SampleChannelPlug();
    CodePlug image(BuildBandImage("33"));
    // Whatever the table held before is replaced: channel 14 is not in the file and becomes empty.
    PutChannel(image, 14, "450.00000", "450.00000", "", "", true, true, true);
    const ChannelImportResult r = Import(image, SampleChannelCsv());
    EXPECT_TRUE(r.errors.empty());
    EXPECT_TRUE(r.applied);
    EXPECT_EQ(r.channels, 15);
    for (int n = 1; n <= 16; ++n)
        EXPECT_EQ(Channel(image, n), Channel(sample, n)) << "channel " << n;
    EXPECT_EQ(image.Read(Addr::kScanFlags, 2), sample.Read(Addr::kScanFlags, 2));
    EXPECT_EQ(image.Text(), sample.Text());
}

TEST(ChannelCsv, ImportReadsTheOlderFormReorderedColumnsAndHandWrittenFiles)
{
    CsvTestDir dir;
    // The older form lacks RxDtcsCode, CrossMode, Power and DVCODE; this one also ends every line with
    // a separator, an eighteenth column without a name.
    const std::string older =
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,Mode,TStep,"
        "Skip,Comment,URCALL,RPT1CALL,RPT2CALL,\n"
        "1,Rpt,438.500000,-,7.600000,Tone,88.5,88.5,023,NN,FM,12.50,,,,,,\n"
        "2,,446.006250,+,0.000000,DTCS,88.5,88.5,23,RN,NFM,6.25,S,,,,,\n";
    CodePlug image(BuildBandImage("33"));
    ChannelImportOptions lowPower;
    lowPower.highPower = false; // no Power column: the channel defaults' power
    ASSERT_TRUE(Import(image, older, false, lowPower).errors.empty());
    CodePlug expected = EmptyTable();
    PutChannel(expected, 1, "438.50000", "430.90000", "", "88.5", true, false, true);
    // DtcsPolarity names the transmit side first: RN sends D023I and requires D023N.
    PutChannel(expected, 2, "446.00625", "446.00625", "D023N", "D023I", false, false, false);
    for (int n = 1; n <= 16; ++n)
        EXPECT_EQ(Channel(image, n), Channel(expected, n)) << n;

    // Columns in another order, a byte-order mark, comments, quotes, CRLF, blank and unknown columns.
    const std::string reordered = "\xEF\xBB\xBF# channel plan for the site\r\n"
                                  "Frequency,Power,Location,Extra,Tone,cToneFreq,Duplex,Offset\r\n"
                                  "\"462.562500\",High,3,\"a, b\",TSQL,\"100.0\",,\r\n"
                                  "# a comment between rows\r\n"
                                  "\r\n"
                                  ",,,,,,,\r\n"
                                  "146.520000,0.5W,16,x,,88.5,split,146.520000\r\n";
    image = CodePlug(BuildBandImage("33"));
    const ChannelImportResult r = Import(image, reordered);
    ASSERT_TRUE(r.errors.empty()) << DescribeCsvErrors(r.errors);
    expected = EmptyTable();
    PutChannel(expected, 3, "462.56250", "462.56250", "100.0", "100.0", true, true, true);
    // Outside the band, accepted as a typed frequency is (the table shows it red).
    PutChannel(expected, 16, "146.52000", "146.52000", "", "", true, false, true);
    for (int n = 1; n <= 16; ++n)
        EXPECT_EQ(Channel(image, n), Channel(expected, n)) << n;
    EXPECT_EQ(image.Read(Addr::kScanFlags, 2), expected.Read(Addr::kScanFlags, 2));
}

TEST(ChannelCsv, ImportReadsRowsAsOtherToolsWriteThem)
{
    CsvTestDir dir;
    const std::string text =
        Header() + "1,,446.006250,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,6.25,,5.0W,,,,,\n"
                   "2,,438.500000,split,430.900000,TSQL,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,5.0W,,,,,\n"
                   "3,,462.562500,,0.000000,Cross,100.0,88.5,023,NR,754,Tone->DTCS,FM,12.50,S,1.0W,,,,,\n";
    CodePlug image(BuildBandImage("33"));
    ASSERT_TRUE(Import(image, text).errors.empty());
    CodePlug expected = EmptyTable();
    PutChannel(expected, 1, "446.00625", "446.00625", "", "", false, true, true);
    PutChannel(expected, 2, "438.50000", "430.90000", "88.5", "88.5", true, true, true);
    PutChannel(expected, 3, "462.56250", "462.56250", "D754I", "100.0", true, false, false);
    EXPECT_EQ(image.Text(), expected.Text());
}

TEST(ChannelCsv, PowerAndModeAreReadAsTheToolsWriteThem)
{
    CsvTestDir dir;
    struct Case {
        const char* power;
        bool high;
    };
    for (const Case c : {Case{"5W", true},
                         {"5.0W", true},
                         {"4", true},
                         {"2.5W", true},
                         {"2.4W", false},
                         {"1.0W", false},
                         {"high", true},
                         {"Low", false},
                         {"50W", true}}) {
        CodePlug image(BuildBandImage("33"));
        const std::string text = std::string("Location,Frequency,Power\n1,446.006250,") + c.power + "\n";
        ASSERT_TRUE(Import(image, text).errors.empty()) << c.power;
        EXPECT_EQ(GetBit(Channel(image, 1).substr(26, 2), 5), c.high ? 1 : 0) << c.power;
    }
    CodePlug image(BuildBandImage("33"));
    ASSERT_TRUE(Import(image, "Location,Frequency,Mode\n1,446.006250,NFM\n2,446.018750,FM\n").errors.empty());
    EXPECT_EQ(GetBit(Channel(image, 1).substr(26, 2), 4), 0);
    EXPECT_EQ(GetBit(Channel(image, 2).substr(26, 2), 4), 1);
}

TEST(ChannelCsv, BadRowsAreReportedWithTheirLineAndNothingChanges)
{
    CsvTestDir dir;
    const std::string text = Header() +                                                    // line 1
                             "1,,446.006250,,0.000000,,88.5,88.5,023,NN,023,,FM,,,,,,,,\n" // 2: good
                             "2,,44x.5,,,,,,,,,,,,,,,,,,\n"          // 3: frequency text
                             "# skipped\n"                           // 4
                             "3,,446.0,,,Tone,69.3,,,,,,,,,,,,,,\n"  // 5: tone not listed
                             "17,,446.0,,,,,,,,,,,,,,,,,,\n"         // 6: location 17
                             "4,,446.0,repeat,1.0,,,,,,,,,,,,,,,,\n" // 7: unknown duplex
                             "1,,446.5,,,,,,,,,,,,,,,,,,\n"          // 8: channel 1 again
                             "5,,50.0,,,,,,,,,,,,,,,,,,\n"           // 9: below 100 MHz
                             "6,,446.0,,,DTCS-R,,,,,,,,,,,,,,,\n"    // 10: reverse DCS
                             "7,,446.0,,,,,,,,,,AM,,,,,,,,\n";       // 11: AM
    CodePlug image = SampleChannelPlug();
    const std::string before = image.Text();
    const ChannelImportResult r = Import(image, text);
    EXPECT_FALSE(r.applied);
    EXPECT_EQ(image.Text(), before);
    EXPECT_EQ(Lines(r), (std::vector<int>{3, 5, 6, 7, 8, 9, 10, 11}));
    const std::string report = DescribeCsvErrors(r.errors);
    EXPECT_NE(report.find("Line 3: Frequency “44x.5” cannot be used"), std::string::npos) << report;
    EXPECT_NE(report.find("Line 5: tone 69.3 is not in"), std::string::npos) << report;
    EXPECT_NE(report.find("Line 6: channel number 17 is not between 1 and 16"), std::string::npos) << report;
    EXPECT_NE(report.find("Line 7: Duplex “repeat” cannot be used"), std::string::npos) << report;
    EXPECT_NE(report.find("Line 8: channel 1 is given a second time"), std::string::npos) << report;
    EXPECT_NE(report.find("Line 9: frequency 50.0 MHz is outside"), std::string::npos) << report;
    EXPECT_NE(report.find("Line 10: Tone “DTCS-R”"), std::string::npos) << report;
    EXPECT_NE(report.find("Line 11: Mode “AM”"), std::string::npos) << report;
    // A long report is cut and counted.
    EXPECT_EQ(DescribeCsvErrors(r.errors, 2), DescribeCsvError(r.errors[0]) + "\n" +
                                                  DescribeCsvError(r.errors[1]) + "\n... and 6 more lines");

    // With partial the good row is stored, channels named by bad rows keep what they held, the others
    // are emptied.
    const ChannelImportResult p = Import(image, text, true);
    EXPECT_TRUE(p.applied);
    EXPECT_EQ(p.channels, 1);
    EXPECT_EQ(Channel(image, 1).substr(0, 8), EncodeFreq(446.00625));
    for (int kept : {2, 3, 4, 5, 6, 7})
        EXPECT_EQ(Channel(image, kept), Channel(SampleChannelPlug(), kept)) << kept;
    for (int emptied : {8, 16})
        EXPECT_EQ(Channel(image, emptied), std::string(32, 'F')) << emptied;

    // A file without a header, or without any good row, changes nothing even with partial.
    image = SampleChannelPlug();
    for (const char* bad :
         {"1,,446.006250\n", "", "Frequency,Name\n446.0,x\n", "Location,Frequency\n40,446.0\n"}) {
        const ChannelImportResult none = Import(image, bad, true);
        EXPECT_FALSE(none.applied) << bad;
        EXPECT_FALSE(none.errors.empty()) << bad;
        EXPECT_EQ(image.Text(), SampleChannelPlug().Text()) << bad;
    }
}

TEST(ChannelCsv, TonesOutsideTheListsNeedTheSettingThatAllowsThem)
{
    CsvTestDir dir;
    const std::string text =
        "Location,Frequency,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode\n"
        "1,446.006250,Cross,254.1,88.5,017,RN,023,DTCS->Tone\n";
    CodePlug image(BuildBandImage("33"));
    ASSERT_EQ(Lines(Import(image, text)), std::vector<int>{2});

    ChannelImportOptions allow;
    allow.tones = ToneRulesFromSettings();
    EXPECT_FALSE(allow.tones.allowIllegal);
    dir.AllowIllegalTones();
    allow.tones = ToneRulesFromSettings();
    ASSERT_TRUE(allow.tones.allowIllegal);
    ASSERT_TRUE(Import(image, text, false, allow).errors.empty());
    EXPECT_EQ(Channel(image, 1).substr(16, 8), EncodeTone("88.5") + EncodeTone("D017I"));
    // Corrected as a typed tone would be: an octal digit above 7 becomes 7.
    const std::string dcs = "Location,Frequency,Tone,DtcsCode\n1,446.006250,DTCS,029\n";
    ASSERT_TRUE(Import(image, dcs, false, allow).errors.empty());
    EXPECT_EQ(Channel(image, 1).substr(16, 8), EncodeTone("D027N") + EncodeTone("D027N"));
}

TEST(ChannelCsv, CopiedChannelsPasteIntoOtherRowsAsTheSameRecords)
{
    CsvTestDir dir;
    CodePlug image = SampleChannelPlug();
    const std::string copied = CopyChannelsText(image, {7, 13, 14});
    EXPECT_EQ(copied.substr(0, copied.find('\n')).find(','), std::string::npos); // tab-separated
    EXPECT_NE(copied.find("\n14\t\t\t"), std::string::npos);                     // the empty channel

    ASSERT_TRUE(PasteChannelsText(image, copied, 1, {}).applied);
    EXPECT_EQ(Channel(image, 1), Channel(image, 7));
    EXPECT_EQ(Channel(image, 2), Channel(image, 13));
    EXPECT_EQ(Channel(image, 3), std::string(32, 'F')); // the empty channel empties its target
    EXPECT_EQ(GetScanFlag(image, 1), GetScanFlag(image, 7));
    EXPECT_FALSE(GetScanFlag(image, 3));
    EXPECT_EQ(Channel(image, 4), Channel(SampleChannelPlug(), 4)); // beyond the pasted rows: untouched

    // Rows that would run past channel 16 are refused as a whole.
    const std::string before = image.Text();
    const ChannelImportResult past = PasteChannelsText(image, copied, 15, {});
    EXPECT_FALSE(past.applied);
    ASSERT_EQ(past.errors.size(), 1u);
    EXPECT_EQ(DescribeCsvError(past.errors[0]),
              "The channels would run past channel 16. Nothing was pasted.");
    EXPECT_EQ(image.Text(), before);
    EXPECT_TRUE(PasteChannelsText(image, copied, 14, {}).applied);

    // Rows copied from a spreadsheet without their header, and a text that holds no channels.
    const std::string row = copied.substr(copied.find('\n') + 1);
    image = SampleChannelPlug();
    ASSERT_TRUE(PasteChannelsText(image, row, 9, {}).applied);
    EXPECT_EQ(Channel(image, 9), Channel(image, 7));
    EXPECT_FALSE(PasteChannelsText(image, "hello", 1, {}).applied);
    EXPECT_FALSE(PasteChannelsText(image, Header(), 1, {}).applied);
    EXPECT_EQ(Channel(image, 1), Channel(SampleChannelPlug(), 1));
}

TEST(ChannelCsv, ClearedChannelsLeaveTheScanListAndThePriorityChoice)
{
    CsvTestDir dir;
    CodePlug image = SampleChannelPlug();
    image.WriteByte(Addr::kPriorityChannel, 6);
    ClearChannels(image, {5, 7});
    EXPECT_EQ(image.ReadByte(Addr::kPriorityChannel), 6);
    EXPECT_EQ(Channel(image, 5), std::string(32, 'F'));
    EXPECT_FALSE(GetScanFlag(image, 5));
    EXPECT_TRUE(GetScanFlag(image, 6));
    ClearChannels(image, {6});
    EXPECT_EQ(image.ReadByte(Addr::kPriorityChannel), 0);
    EXPECT_EQ(image.Text().size(), 2048u);
}

TEST(ChannelCsv, ImportAndPasteTellWhatTheyMovedAndWhatLiesOutsideTheBand)
{
    CsvTestDir dir;
    const std::string text = "Location,Frequency,Duplex,Offset\n" // line 1
                             "1,433.1225,,\n"                     // 2: moved to 433.12
                             "2,446.003,split,446.0065\n"         // 3: both moved
                             "3,438.500,-,7.6\n"                  // 4: on the grid
                             "4,151.625,,\n"                      // 5: outside the band
                             "5,440.000,split,480.000\n";         // 6: transmit outside
    CodePlug image = EmptyTable();
    const ChannelImportResult r = Import(image, text);
    ASSERT_TRUE(r.applied);
    EXPECT_EQ(r.channels, 5);
    // Every row taken otherwise than written, with both frequencies as the file and the table write
    // them; the frequencies stored are the ones the notes name.
    const std::vector<CsvRowNote> expected = {
        {2, 9630, {"433.122500", "433.12000"}}, {3, 9630, {"446.003000", "446.00000"}},
        {3, 9631, {"446.006500", "446.00625"}}, {5, 9632, {"151.62500", "400", "470"}},
        {6, 9633, {"480.00000", "400", "470"}},
    };
    EXPECT_EQ(r.notes, expected);
    EXPECT_EQ(Channel(image, 1).substr(0, 8), EncodeFreq(433.12));
    EXPECT_EQ(Channel(image, 2).substr(8, 8), EncodeFreq(446.00625));
    EXPECT_EQ(DescribeCsvNotes(r.notes, 1),
              "Line 2: receive frequency 433.122500 \u2192 433.12000 (moved to the "
              "channel step)\n... and 4 more lines");
    EXPECT_EQ(DescribeCsvNotes({r.notes[3]}),
              "Line 5: receive frequency 151.62500 MHz is outside the band (400-470 MHz)");

    // The band is the one the options give: for a 136-174 MHz code plug the VHF row is no news.
    ChannelImportOptions vhf;
    vhf.band = BandState{"E0", 136, 174};
    CodePlug other = EmptyTable();
    const ChannelImportResult v = Import(other, "Location,Frequency\n1,151.625\n", false, vhf);
    EXPECT_TRUE(v.notes.empty());

    // A paste tells the same; a clean one tells nothing.
    CodePlug pasted = EmptyTable();
    const ChannelImportResult p =
        PasteChannelsText(pasted, "Frequency\tDuplex\tOffset\n433.1225\t\t\n438.5\t\t\n", 3, {});
    ASSERT_TRUE(p.applied);
    EXPECT_EQ(p.notes, (std::vector<CsvRowNote>{{2, 9630, {"433.122500", "433.12000"}}}));
    EXPECT_TRUE(PasteChannelsText(pasted, "Frequency\n438.5\n", 1, {}).notes.empty());

    // A header with no row below it is refused with a reason that names its line.
    CodePlug kept = SampleChannelPlug();
    for (bool partial : {false, true}) {
        const ChannelImportResult none = Import(kept, Header(), partial);
        EXPECT_FALSE(none.applied);
        ASSERT_EQ(none.errors.size(), 1u);
        EXPECT_EQ(DescribeCsvError(none.errors[0]),
                  "Line 1: the file has a header line but no channel rows below it");
    }
    EXPECT_EQ(kept.Text(), SampleChannelPlug().Text());
    EXPECT_FALSE(PasteChannelsText(kept, "Frequency\tDuplex\n", 1, {}).applied);
}
