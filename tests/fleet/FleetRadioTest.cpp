// The list of a fleet run as a CSV file: one row per radio with the fields a dealer keeps, quoted
// where a field holds a comma, a quote or a line break; saved whole or not at all.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "fleet/FleetRadio.h"
#include "history/HistoryRecord.h"
#include "tests/support/DataHome.h"

namespace {

FleetRadio Radio(const std::string& serial, FleetResult result, const std::string& message)
{
    FleetRadio r;
    r.serial = serial;
    r.hardware = "HW2.1";
    r.firmware = "1.05";
    r.port = "/dev/ttyUSB0";
    r.start = 1'800'000'000;
    r.end = 1'800'000'042;
    r.result = result;
    r.message = message;
    return r;
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

} // namespace

TEST(FleetCsv, HasAHeaderAndOneRowPerRadioQuotedWhereNeeded)
{
    const std::vector<FleetRadio> radios = {
        Radio("SN-1", FleetResult::Programmed, "Written, read back and verified."),
        Radio("SN-2", FleetResult::Failed, "No answer, \"3009\"; partly written"),
        Radio("", FleetResult::Refused, "band 34, file 33"),
    };
    const std::vector<std::string> lines = Lines(FleetCsv(radios));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "serial,hardware,firmware,port,start,end,result,message");
    EXPECT_EQ(lines[1].rfind("SN-1,HW2.1,1.05,/dev/ttyUSB0,", 0), 0u) << lines[1];
    EXPECT_NE(lines[1].find(",programmed,\"Written, read back and verified.\""), std::string::npos) << lines[1];
    EXPECT_NE(lines[2].find(",failed,\"No answer, \"\"3009\"\"; partly written\""), std::string::npos) << lines[2];
    EXPECT_NE(lines[3].find(",refused,\"band 34, file 33\""), std::string::npos) << lines[3];
    // Start and end as local ISO 8601 times, 42 seconds apart.
    EXPECT_NE(lines[1].find("T"), std::string::npos);
    EXPECT_NE(lines[1].find(HistoryTimeIso(1'800'000'042)), std::string::npos);
}

TEST(FleetCsv, MessagesBecomeOneLineAndTheFileIsReplacedWhole)
{
    EXPECT_EQ(OneLine("Written.\nVerified.\n"), "Written.; Verified.");
    EXPECT_EQ(OneLine("a\r\nb"), "a; b");
    EXPECT_EQ(OneLine("Written.\n\nBacked up.\n"), "Written.; Backed up.");

    DataHome home;
    const std::string path = (home.Path() / "fleet.csv").string();
    std::ofstream(path) << "old contents\n";
    std::string error;
    ASSERT_TRUE(SaveFleetCsv(path, {Radio("SN-9", FleetResult::Programmed, "ok")}, error)) << error;
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    EXPECT_EQ(Lines(s.str()).size(), 2u);
    EXPECT_EQ(s.str().find("old contents"), std::string::npos);

    EXPECT_FALSE(SaveFleetCsv((home.Path() / "missing" / "fleet.csv").string(), {}, error));
    EXPECT_NE(error.find("missing"), std::string::npos);
}
