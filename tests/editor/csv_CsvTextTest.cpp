// The comma- and tab-separated text reader and writer: what spreadsheets and hand-written files hold.
#include <gtest/gtest.h>

#include "editor/CsvText.h"

namespace {

using Fields = std::vector<std::string>;

std::vector<Fields> FieldsOf(const std::vector<CsvRecord>& records)
{
    std::vector<Fields> out;
    for (const CsvRecord& r : records)
        out.push_back(r.fields);
    return out;
}

std::vector<int> LinesOf(const std::vector<CsvRecord>& records)
{
    std::vector<int> out;
    for (const CsvRecord& r : records)
        out.push_back(r.line);
    return out;
}

} // namespace

TEST(CsvText, ReadsQuotesLineEndsCommentsAndTheByteOrderMark)
{
    const std::string text = "\xEF\xBB\xBF"
                             "a,b,c\r\n"                      // line 1
                             "# comment, with a comma\r\n"    // line 2
                             "\r\n"                           // line 3
                             "\"x, y\",\"say \"\"hi\"\"\",\n" // line 4: quoted separator, quotes, empty last
                             "\"two\r\nlines\",z\n"           // lines 5-6: a line end inside quotes
                             "last";                          // line 7, no line end
    const std::vector<CsvRecord> records = ParseCsv(text, ',');
    EXPECT_EQ(
        FieldsOf(records),
        (std::vector<Fields>{{"a", "b", "c"}, {"x, y", "say \"hi\"", ""}, {"two\nlines", "z"}, {"last"}}));
    EXPECT_EQ(LinesOf(records), (std::vector<int>{1, 4, 5, 7}));

    // Old Mac line ends count as lines too; a "#" inside a row is data.
    EXPECT_EQ(LinesOf(ParseCsv("a\rb\r\rc#d", ',')), (std::vector<int>{1, 2, 4}));
    EXPECT_EQ(ParseCsv("a\rb\r\rc#d", ',').back().fields, (Fields{"c#d"}));
    // A quote left open runs to the end instead of losing the rest.
    EXPECT_EQ(FieldsOf(ParseCsv("1,\"open\n2,3", ',')), (std::vector<Fields>{{"1", "open\n2,3"}}));
    EXPECT_TRUE(ParseCsv("", ',').empty());
    EXPECT_TRUE(ParseCsv("\xEF\xBB\xBF# only a comment\n", ',').empty());
}

TEST(CsvText, TellsSpreadsheetTabsFromCommasAndWritesWhatItReads)
{
    EXPECT_EQ(DetectCsvSeparator("# note\nLocation\tName\tFrequency\n1\t\t446.0\n"), '\t');
    EXPECT_EQ(DetectCsvSeparator("Location,Name\n1,\"a\tb\"\n"), ',');
    EXPECT_EQ(DetectCsvSeparator(""), ',');

    const Fields fields{"plain", "with,comma", "with \"quote\"", "", "two\nlines", "tab\there"};
    for (char sep : {',', '\t'}) {
        const std::string line = CsvLine(fields, sep);
        const std::vector<CsvRecord> back = ParseCsv(line + "\r\n", sep);
        ASSERT_EQ(back.size(), 1u) << line;
        EXPECT_EQ(back[0].fields, fields) << line;
    }
    EXPECT_EQ(CsvLine({"1", "", "446.006250"}, ','), "1,,446.006250");
    EXPECT_EQ(CsvLine({"a,b"}, '\t'), "a,b");
}
