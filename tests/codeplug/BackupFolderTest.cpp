// The backup folder as a user finds it: where it lies, how backups are named, the order in which they
// are listed, that none is ever replaced, and that pruning keeps the newest ten and a year's worth.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "codeplug/AddressMap.h"
#include "codeplug/BackupFolder.h"
#include "codeplug/DataFile.h"
#include "codeplug/HexText.h"
#include "codeplug/ModelCatalogue.h"
#include "tests/support/DataHome.h"

namespace fs = std::filesystem;

namespace {

constexpr std::time_t kDay = 24 * 60 * 60;

std::time_t LocalTime(int year, int month, int day, int hour, int minute, int second)
{
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    t.tm_isdst = -1;
    return std::mktime(&t);
}

CodePlug WithSerial(const std::string& serial)
{
    CodePlug image(BuildBandImage("33"));
    image.Write(Addr::kSerialNumber, TextToHex(serial) + std::string(2 * (15 - serial.size()), 'F'));
    return image;
}

// A backup file made at the given time, as a write would have left it.
void PutBackup(const DataHome& home, std::time_t when)
{
    fs::create_directories(home.Backups());
    const CodePlug image(BuildBandImage("33"));
    std::ofstream(home.Backups() / BackupFileName(when, image)) << image.Text();
}

std::vector<std::string> Names(const std::vector<BackupEntry>& entries)
{
    std::vector<std::string> out;
    for (const BackupEntry& e : entries)
        out.push_back(e.name);
    return out;
}

} // namespace

TEST(BackupFolder, LiesInTheUsersDataFolder)
{
    DataHome home;
    EXPECT_EQ(BackupFolderPath(), (home.Path() / "vpxds" / "backups").string());
    // A relative XDG_DATA_HOME is not to be used: the home folder's default takes its place.
    const std::string oldHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    ::setenv("XDG_DATA_HOME", "relative/place", 1);
    ::setenv("HOME", "/home/dealer", 1);
    EXPECT_EQ(BackupFolderPath(), "/home/dealer/.local/share/vpxds/backups");
    ::unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(BackupFolderPath(), "/home/dealer/.local/share/vpxds/backups");
    ::unsetenv("HOME");
    EXPECT_EQ(BackupFolderPath(), "");
    ::setenv("HOME", oldHome.c_str(), 1);
}

TEST(BackupFolder, NamesCarryTimeBandAndSerialNumber)
{
    const std::time_t when = LocalTime(2026, 12, 8, 14, 3, 22);
    EXPECT_EQ(BackupFileName(when, WithSerial("12345")), "2026-12-08_14-03-22_33_SN12345.dat");
    // No serial number in the radio (all FF, or 00 at once): the name goes without it.
    EXPECT_EQ(BackupFileName(when, CodePlug(BuildBandImage("33"))), "2026-12-08_14-03-22_33.dat");
    EXPECT_EQ(BackupFileName(when, WithSerial("")), "2026-12-08_14-03-22_33.dat");
    // Characters a file name should not carry are left out of the serial number.
    EXPECT_EQ(BackupFileName(when, WithSerial("MX/6 A-20*1")), "2026-12-08_14-03-22_33_SNMX6A-201.dat");
    EXPECT_EQ(BackupFileName(when, WithSerial("/ *")), "2026-12-08_14-03-22_33.dat");
    EXPECT_EQ(BackupFileName(when, CodePlug(BuildBandImage("F9"))), "2026-12-08_14-03-22_F9.dat");
}

TEST(BackupFolder, SavesEveryBackupUnderItsOwnNameAndListsNewestFirst)
{
    DataHome home;
    EXPECT_TRUE(ListBackups(BackupFolderPath()).empty()); // no folder yet
    const std::time_t when = LocalTime(2026, 12, 8, 14, 3, 22);
    const CodePlug first = WithSerial("12345");
    CodePlug second = first;
    second.WriteByte(0x0010, 0x42);

    std::string path1, path2, path3;
    ASSERT_EQ(SaveBackup(first, when, path1), 0);
    ASSERT_EQ(SaveBackup(second, when, path2), 0); // the same second: a second file, the first kept
    ASSERT_EQ(SaveBackup(first, when + 1, path3), 0);
    EXPECT_EQ(fs::path(path1).parent_path(), home.Backups());
    EXPECT_EQ(fs::path(path1).filename(), "2026-12-08_14-03-22_33_SN12345.dat");
    EXPECT_EQ(fs::path(path2).filename(), "2026-12-08_14-03-22_33_SN12345_2.dat");
    std::string text;
    ASSERT_EQ(LoadDataFile(path1, text), 0);
    EXPECT_EQ(text, first.Text());
    ASSERT_EQ(LoadDataFile(path2, text), 0);
    EXPECT_EQ(text, second.Text());

    // Files the program did not make are not backups and stay out of the list.
    std::ofstream(home.Backups() / "notes.txt") << "customer radios";
    std::ofstream(home.Backups() / "2026-12-09.dat") << first.Text();
    EXPECT_EQ(Names(ListBackups(BackupFolderPath())),
              (std::vector<std::string>{"2026-12-08_14-03-23_33_SN12345.dat",
                                        "2026-12-08_14-03-22_33_SN12345_2.dat",
                                        "2026-12-08_14-03-22_33_SN12345.dat"}));
}

TEST(BackupFolder, SavingWhereNoFolderCanBeMadeFails)
{
    DataHome home;
    std::ofstream(home.Path() / "vpxds") << "a file where the folder should be";
    std::string path;
    EXPECT_EQ(SaveBackup(WithSerial("1"), LocalTime(2026, 1, 2, 3, 4, 5), path), kTextBackupNotSaved);
    EXPECT_EQ(path, (home.Path() / "vpxds" / "backups").string()); // the message names the folder
}

TEST(BackupFolder, PruningKeepsTheNewestTenAndTheLastYear)
{
    const std::time_t now = LocalTime(2026, 12, 8, 12, 0, 0);
    { // Twelve backups, all older than a year: the ten newest stay.
        DataHome home;
        for (int i = 0; i < 12; ++i)
            PutBackup(home, now - (400 + i) * kDay);
        const std::vector<std::string> before = Names(ListBackups(BackupFolderPath()));
        EXPECT_EQ(PruneBackups(BackupFolderPath(), now), 2);
        EXPECT_EQ(Names(ListBackups(BackupFolderPath())),
                  std::vector<std::string>(before.begin(), before.begin() + 10));
    }
    { // Four of the last year and nine older: the four and the six newest old ones stay.
        DataHome home;
        for (int i = 0; i < 4; ++i)
            PutBackup(home, now - (10 + i) * kDay);
        for (int i = 0; i < 9; ++i)
            PutBackup(home, now - (366 + i) * kDay);
        const std::vector<std::string> before = Names(ListBackups(BackupFolderPath()));
        EXPECT_EQ(PruneBackups(BackupFolderPath(), now), 3);
        EXPECT_EQ(Names(ListBackups(BackupFolderPath())),
                  std::vector<std::string>(before.begin(), before.begin() + 10));
    }
    { // Fifteen backups of the last year: none goes; a foreign old file is never touched.
        DataHome home;
        for (int i = 0; i < 15; ++i)
            PutBackup(home, now - (i * 24 + 1) * kDay);
        std::ofstream(home.Backups() / "2001-01-01_00-00-00_33.txt") << "not a backup";
        EXPECT_EQ(PruneBackups(BackupFolderPath(), now), 0);
        EXPECT_EQ(home.BackupCount(), 16);
    }
    { // Saving a new backup prunes: eleven old ones and the new one leave the newest ten.
        DataHome home;
        for (int i = 0; i < 11; ++i)
            PutBackup(home, now - (500 + i) * kDay);
        std::string path;
        ASSERT_EQ(SaveBackup(WithSerial("7"), now, path), 0);
        const std::vector<BackupEntry> left = ListBackups(BackupFolderPath());
        ASSERT_EQ(left.size(), 10u);
        EXPECT_EQ(left.front().path, path);
        EXPECT_EQ(left.back().time, now - 508 * kDay);
    }
}
