// Data files: both file forms, the refusals that keep the code plug whole, and the atomic save.
#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>

#include "codeplug/AddressMap.h"
#include "codeplug/DataFile.h"
#include "codeplug/HexText.h"
#include "codeplug/ModelCatalogue.h"
#include "TempAppDir.h"

namespace {

std::string Bytes(const std::string& hex)
{
    const std::vector<std::uint8_t> b = HexToBytes(hex);
    return std::string(b.begin(), b.end());
}

// One write frame of the radio protocol: 'W', address, length 8, eight data bytes.
std::string Frame(const std::string& address, const std::string& data)
{
    return "57" + address + "08" + data;
}

std::size_t FilesIn(const std::filesystem::path& dir)
{
    std::size_t n = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir)) {
        (void)e;
        ++n;
    }
    return n;
}

const std::string kUntouched = "untouched";

} // namespace

TEST(DataFile, FrameStreamFiles)
{
    const std::string id = kFrameStreamIdentityHex;
    // Identity only: the base default image, whose band is the custom one.
    EXPECT_EQ(DecodeDataFile(id), BuildDefaultImage());
    EXPECT_EQ(BandCodeOf(DecodeDataFile(id)), "FF");

    // Frames land at their addresses; bytes no frame covers keep the base image.
    const std::string two =
        DecodeDataFile(id + Frame("0010", "0000004600000046") + Frame("0130", "0A01FFFF0900FFFF"));
    CodePlug image(two);
    EXPECT_EQ(image.Read(0x0010, 8), "0000004600000046");
    EXPECT_EQ(image.Read(0x0130, 8), "0A01FFFF0900FFFF");
    EXPECT_EQ(image.Read(0x0138, 8), CodePlug(BuildDefaultImage()).Read(0x0138, 8));

    // The frame of 0x03C0 carries one byte more; the next frame starts one byte later.
    const std::string padded =
        DecodeDataFile(id + Frame("03C0", "1122334455667788") + "AA" + Frame("03E0", "53455249414C3031"));
    image = CodePlug(padded);
    EXPECT_EQ(image.Read(0x03C0, 8), "1122334455667788");
    EXPECT_EQ(image.Read(0x03E0, 8), "53455249414C3031");

    // A second frame starting with 0x52 makes the file unusable.
    EXPECT_EQ(DecodeDataFile(id + Frame("0010", "0000004600000046") + "52" +
                             Frame("0020", "0000004600000046").substr(2)),
              "");

    // The frame of 0x0258 ends the data; what follows is ignored, even a bad frame.
    const std::string ended =
        DecodeDataFile(id + Frame("0010", "1111111111111111") + Frame("0258", "2222222222222222") +
                       Frame("0020", "3333333333333333") + "5200");
    image = CodePlug(ended);
    EXPECT_EQ(image.Read(0x0010, 8), "1111111111111111");
    EXPECT_EQ(image.Read(0x0258, 8), CodePlug(BuildDefaultImage()).Read(0x0258, 8));
    EXPECT_EQ(image.Read(0x0020, 8), "FFFFFFFFFFFFFFFF");

    // A frame cut short by the end of the file is ignored; the image keeps its length.
    const std::string cut = DecodeDataFile(id + Frame("0010", "1111111111111111") +
                                           Frame("0020", "2222222222222222").substr(0, 16));
    ASSERT_EQ(cut.size(), 2048u);
    EXPECT_EQ(CodePlug(cut).Read(0x0020, 8), "FFFFFFFFFFFFFFFF");
    EXPECT_EQ(DecodeDataFile(id + "57").size(), 2048u);
    // ...but a cut-short frame that does not begin with the write command still makes the file unusable.
    EXPECT_EQ(DecodeDataFile(id + Frame("0010", "1111111111111111") + "52"), "");
    EXPECT_EQ(DecodeDataFile(id + "0A"), "");

    // A frame whose data would run past 0x03FF is malformed.
    EXPECT_EQ(DecodeDataFile(id + Frame("03FC", "1111111111111111")), "");
    EXPECT_EQ(DecodeDataFile(id + Frame("FFFF", "1111111111111111")), "");
    EXPECT_EQ(DecodeDataFile("00" + id), "");
}

TEST(DataFile, LoadingEitherForm)
{
    TempAppDir dir;
    const std::string band33 = BuildBandImage("33");
    std::string image = kUntouched;

    dir.WriteFile("plain.dat", band33);
    EXPECT_EQ(LoadDataFile(dir.File("plain.dat"), image), 0);
    EXPECT_EQ(image, band33);

    // Blanks and line ends around the digits are accepted; lower case is upper-cased.
    std::string lower = band33;
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    dir.WriteFile("crlf.dat", " \t" + lower + "\r\n\r\n");
    image = kUntouched;
    EXPECT_EQ(LoadDataFile(dir.File("crlf.dat"), image), 0);
    EXPECT_EQ(image, band33);

    dir.WriteFile("frames.dat",
                  Bytes(std::string(kFrameStreamIdentityHex) + Frame("0010", "0000004600000046")));
    image = kUntouched;
    EXPECT_EQ(LoadDataFile(dir.File("frames.dat"), image), 0);
    EXPECT_EQ(CodePlug(image).Read(0x0010, 8), "0000004600000046");
}

TEST(DataFile, RefusedFilesLeaveTheImageAlone)
{
    TempAppDir dir;
    const std::string band33 = BuildBandImage("33");
    const struct {
        const char* name;
        std::string content;
        int text;
    } cases[] = {
        {"short.dat", band33.substr(0, 2047), 2011},
        {"long.dat", band33 + "F", 2011},
        {"nonhex.dat", band33.substr(0, 1000) + "G" + band33.substr(1001), 2011},
        {"inner-line-end.dat", band33.substr(0, 1024) + "\r\n" + band33.substr(1024), 2011},
        {"empty.dat", "", 2011},
        {"nul.dat", std::string(2048, '\0'), 2011},
        {"badframe.dat", Bytes(std::string(kFrameStreamIdentityHex) + "52" + std::string(22, '0')), 2015},
    };
    for (const auto& c : cases) {
        dir.WriteFile(c.name, c.content);
        std::string image = kUntouched;
        EXPECT_EQ(LoadDataFile(dir.File(c.name), image), c.text) << c.name;
        EXPECT_EQ(image, kUntouched) << c.name;
    }
    std::string image = kUntouched;
    EXPECT_EQ(LoadDataFile(dir.File("missing.dat"), image), 2011);
    EXPECT_EQ(LoadDataFile(dir.Path().string(), image), 2011); // a directory
    dir.WriteFile("huge.dat", std::string(2 * 1024 * 1024, ' ') + band33);
    EXPECT_EQ(LoadDataFile(dir.File("huge.dat"), image), 2011);
    EXPECT_EQ(image, kUntouched);

    // A named pipe is no data file: it is refused at once instead of being waited on. (Should the
    // loader ever open it, a writer feeds it a valid image so that the refusal check fails, not hangs.)
    const std::string pipe = dir.File("pipe.dat");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    std::atomic<bool> done{false};
    std::thread writer([&] {
        while (!done) {
            const int fd = open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                const ssize_t written = write(fd, band33.data(), band33.size());
                (void)written;
                close(fd);
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    });
    EXPECT_EQ(LoadDataFile(pipe, image), 2011);
    done = true;
    writer.join();
    EXPECT_EQ(image, kUntouched);
}

TEST(DataFile, AtomicSaveReplacesOrKeepsTheFile)
{
    TempAppDir dir;
    const std::string target = dir.File("plug.dat");
    ASSERT_TRUE(SaveTextFileAtomic(target, "first"));
    EXPECT_EQ(dir.ReadFile("plug.dat"), "first");
    ASSERT_TRUE(SaveTextFileAtomic(target, "second"));
    EXPECT_EQ(dir.ReadFile("plug.dat"), "second");

    // A directory in the way, a missing folder and an empty path all fail without damage.
    std::filesystem::create_directory(dir.Path() / "folder.dat");
    EXPECT_FALSE(SaveTextFileAtomic(dir.File("folder.dat"), "x"));
    EXPECT_TRUE(std::filesystem::is_directory(dir.Path() / "folder.dat"));
    EXPECT_FALSE(SaveTextFileAtomic(dir.File("no/such/folder/plug.dat"), "x"));
    EXPECT_FALSE(SaveTextFileAtomic("", "x"));
    EXPECT_EQ(dir.ReadFile("plug.dat"), "second");
    // No temporary files are left behind: language.sys, plug.dat and the folder.
    EXPECT_EQ(FilesIn(dir.Path()), 3u);

    // Saving through a link replaces the file it points to; the link stays a link.
    ASSERT_TRUE(SaveTextFileAtomic(dir.File("real.dat"), "old"));
    std::filesystem::create_symlink(dir.Path() / "real.dat", dir.Path() / "link.dat");
    ASSERT_TRUE(SaveTextFileAtomic(dir.File("link.dat"), "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.Path() / "link.dat"));
    EXPECT_EQ(dir.ReadFile("real.dat"), "new");
    EXPECT_EQ(FilesIn(dir.Path()), 5u);
}

TEST(DataFile, SaveIntoAnUnwritableFolderKeepsTheOldFile)
{
    TempAppDir dir;
    const std::filesystem::path folder = dir.Path() / "locked";
    std::filesystem::create_directory(folder);
    const std::string target = (folder / "plug.dat").string();
    ASSERT_TRUE(SaveTextFileAtomic(target, "original"));
    std::filesystem::permissions(folder,
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    const bool canStillWrite = SaveTextFileAtomic((folder / "probe").string(), "p");
    if (!canStillWrite) {
        EXPECT_FALSE(SaveTextFileAtomic(target, "replacement"));
        EXPECT_EQ(dir.ReadFile("locked/plug.dat"), "original");
        EXPECT_EQ(FilesIn(folder), 1u);
    }
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all);

    // A read-only file is not replaced either.
    const std::string readOnly = dir.File("readonly.dat");
    ASSERT_TRUE(SaveTextFileAtomic(readOnly, "original"));
    std::filesystem::permissions(readOnly, std::filesystem::perms::owner_read);
    if (!canStillWrite) {
        EXPECT_FALSE(SaveTextFileAtomic(readOnly, "replacement"));
        EXPECT_EQ(dir.ReadFile("readonly.dat"), "original");
    }
    if (canStillWrite)
        GTEST_SKIP() << "running with rights that ignore folder permissions";
}

TEST(DataFile, SavesKilledPartWayLeaveNoTemporaryFile)
{
    TempAppDir dir;
    const std::string target = dir.File("plug.dat");
    const std::string a(300000, 'A');
    const std::string b(300000, 'B');
    ASSERT_TRUE(SaveTextFileAtomic(target, a));
    const std::size_t files = FilesIn(dir.Path()); // language.sys and plug.dat

    // Leftovers of saves that were killed before this program made its files nameless: the next save of
    // the same file removes them, and nothing else.
    dir.WriteFile("plug.dat.tmp1f3a9c", "half");
    dir.WriteFile("plug.dat.tmp-notes", "mine");
    dir.WriteFile("other.dat.tmp1f3a9c", "not ours");
    ASSERT_TRUE(SaveTextFileAtomic(target, b));
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "plug.dat.tmp1f3a9c"));
    EXPECT_TRUE(std::filesystem::exists(dir.Path() / "plug.dat.tmp-notes"));
    EXPECT_TRUE(std::filesystem::exists(dir.Path() / "other.dat.tmp1f3a9c"));
    std::filesystem::remove(dir.Path() / "plug.dat.tmp-notes");
    std::filesystem::remove(dir.Path() / "other.dat.tmp1f3a9c");

    // A saving process killed at many moments: the file is always one whole version, and once the next
    // save has run no temporary file is left beside it.
    int visibleRightAfterKill = 0;
    for (int round = 0; round < 40; ++round) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            for (int i = 0;; ++i)
                SaveTextFileAtomic(target, i % 2 ? a : b);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200 + 397 * round % 5000));
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        const std::string content = dir.ReadFile("plug.dat");
        EXPECT_TRUE(content == a || content == b) << "round " << round << ": " << content.size() << " bytes";
        if (FilesIn(dir.Path()) != files)
            ++visibleRightAfterKill;
        ASSERT_TRUE(SaveTextFileAtomic(target, a));
        EXPECT_EQ(FilesIn(dir.Path()), files) << "round " << round;
    }
    RecordProperty("temporary_visible_right_after_kill", visibleRightAfterKill);
}

TEST(DataFile, SavingThroughADanglingLinkCreatesItsFile)
{
    TempAppDir dir;
    std::filesystem::create_directory(dir.Path() / "plans");
    // A relative link into a sub-folder, to a file that does not exist yet.
    std::filesystem::create_symlink("plans/radio7.dat", dir.Path() / "current.dat");
    ASSERT_TRUE(SaveTextFileAtomic(dir.File("current.dat"), "first"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.Path() / "current.dat"));
    EXPECT_EQ(dir.ReadFile("plans/radio7.dat"), "first");
    ASSERT_TRUE(SaveTextFileAtomic(dir.File("current.dat"), "second"));
    EXPECT_EQ(dir.ReadFile("current.dat"), "second");
    EXPECT_EQ(FilesIn(dir.Path() / "plans"), 1u);

    // A link that points at itself in a circle is refused, and nothing appears.
    std::filesystem::create_symlink("loop-b.dat", dir.Path() / "loop-a.dat");
    std::filesystem::create_symlink("loop-a.dat", dir.Path() / "loop-b.dat");
    EXPECT_FALSE(SaveTextFileAtomic(dir.File("loop-a.dat"), "x"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.Path() / "loop-a.dat"));
}
