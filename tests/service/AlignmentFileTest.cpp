// Alignment data files as a technician keeps them: the header and data byte for byte, files that are
// not alignment data refused with nothing changed, and saves that never damage the file that was there.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>

#include "app/AppState.h"
#include "codeplug/AddressMap.h"
#include "codeplug/HexText.h"
#include "codeplug/ModelCatalogue.h"
#include "service/AlignmentEditor.h"
#include "service/AlignmentFile.h"
#include "tests/service/AlignmentSample.h"
#include "tests/support/TestAppDir.h"

namespace {

// "MX5", the model head "TQ951", the version digits of 1.03.
const std::string kHeader = "4D5835" + std::string(26, 'F') + "5451393531FFFFFF" + "0103" + "FFFFFFFFFFFF";

struct EditorState {
    std::string held, saved, path, shown;
    bool operator==(const EditorState&) const = default;
};

std::string ToLowerCopy(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

EditorState StateOf(const AlignmentEditor& e)
{
    return {e.Held(), e.SavedCopy(), e.Path(), e.Tables().Filled() ? e.Tables().Build() : "cleared"};
}

} // namespace

TEST(AlignmentFile, HeaderAndDataByteForByte)
{
    TestAppDir dir("vpx-dts-");
    g_strVersion = "1.03";
    EXPECT_EQ(DtsHeader(), kHeader);
    EXPECT_EQ(DtsVersionDigits("1.03"), "0103");
    EXPECT_EQ(DtsVersionDigits("12.34"), "1234");

    // A block whose frequency table is full and whose meaningful bytes end at byte 53: the file is
    // the header and exactly those 54 bytes followed by ten FF bytes, 192 characters, no line end.
    std::string block = SampleAlignmentBlock().substr(0, 2 * 54) + std::string(20, 'F');
    ASSERT_EQ(block.size(), 128u);
    AlignmentEditor editor;
    ASSERT_EQ(SaveAlignmentFile(dir.File("in.dts"), block), 0);
    ASSERT_EQ(editor.Open(dir.File("in.dts")), 0);
    ASSERT_EQ(editor.SaveTo(dir.File("out.dts")), 0);
    const std::string saved = dir.ReadFile("out.dts");
    EXPECT_EQ(saved.size(), 192u);
    EXPECT_EQ(saved, kHeader + block);
    EXPECT_EQ(saved.substr(2 * 32 + 2 * 54), std::string(20, 'F'));
}

TEST(AlignmentFile, OpenSaveRoundTripKeepsEveryByte)
{
    TestAppDir dir("vpx-dts-");
    // Every byte value somewhere in the block, including ones that are no BCD frequency.
    for (int start : {0, 64, 128, 192}) {
        std::string block;
        for (int i = 0; i < 64; ++i)
            block += IntToHex((start + i * 5) & 0xFF, 1);
        ASSERT_EQ(SaveAlignmentFile(dir.File("a.dts"), block), 0);
        AlignmentEditor editor;
        ASSERT_EQ(editor.Open(dir.File("a.dts")), 0);
        EXPECT_FALSE(editor.IsModified());
        ASSERT_EQ(editor.SaveTo(dir.File("b.dts")), 0);
        EXPECT_EQ(dir.ReadFile("b.dts"), kHeader + block) << "start " << start;
    }

    // Lower-case digits and a line end, as an editor might leave them, open; the header is not read.
    dir.WriteFile("typed.dts", std::string(64, '0') + ToLowerCopy(SampleAlignmentBlock()) + "\r\n");
    std::string data;
    EXPECT_EQ(LoadAlignmentFile(dir.File("typed.dts"), data), 0);
    EXPECT_EQ(data, SampleAlignmentBlock());
}

TEST(AlignmentFile, FilesThatAreNotAlignmentDataChangeNothing)
{
    TestAppDir dir("vpx-dts-");
    ASSERT_EQ(SaveAlignmentFile(dir.File("good.dts"), SampleAlignmentBlock()), 0);
    AlignmentEditor editor;
    ASSERT_EQ(editor.Open(dir.File("good.dts")), 0);
    ASSERT_TRUE(editor.Tables().CommitParam(1, 1, "77")); // an unsaved edit
    const EditorState before = StateOf(editor);

    const std::string good = kHeader + SampleAlignmentBlock();
    dir.WriteFile("short.dts", good.substr(0, 191));
    dir.WriteFile("long.dts", good + "FF");
    dir.WriteFile("nonhex.dts", good.substr(0, 100) + "G" + good.substr(101));
    dir.WriteFile("plug.dat", std::string(2047, 'F')); // one character short of a code plug
    dir.WriteFile("empty.dts", "");
    std::filesystem::create_directory(dir.Path() / "folder.dts");
    for (const char* name :
         {"short.dts", "long.dts", "nonhex.dts", "plug.dat", "empty.dts", "missing.dts", "folder.dts"}) {
        EXPECT_EQ(editor.Open(dir.File(name)), 2011) << name;
        EXPECT_TRUE(StateOf(editor) == before) << name;
    }
    // A code plug never read from a radio (a New one): its alignment block is empty.
    dir.WriteFile("new.dat", BuildBandImage("33"));
    EXPECT_EQ(editor.Open(dir.File("new.dat")), 9642);
    EXPECT_TRUE(StateOf(editor) == before);
    EXPECT_EQ(editor.Tables().ParamText(1, 1), "77");
}

TEST(AlignmentFile, ACodePlugReadFromTheRadioRestoresItsCalibration)
{
    TestAppDir dir("vpx-dts-");
    // A backup made before a write holds the radio's whole memory, its alignment block included.
    CodePlug backup(BuildBandImage("33"));
    backup.Write(Addr::kAlignment, SampleAlignmentBlock());
    dir.WriteFile("backup.dat", backup.Text());
    std::string data;
    ASSERT_EQ(LoadAlignmentFile(dir.File("backup.dat"), data), 0);
    EXPECT_EQ(data, SampleAlignmentBlock());

    AlignmentEditor editor;
    ASSERT_EQ(editor.Open(dir.File("backup.dat")), 0);
    EXPECT_EQ(editor.Held(), SampleAlignmentBlock());
    EXPECT_EQ(editor.Path(), dir.File("backup.dat"));
    EXPECT_FALSE(editor.IsModified());
    EXPECT_EQ(editor.Tables().FreqText(4, 1), AlignmentFreqText(SampleAlignmentBlock(), 4, 1));
}

TEST(AlignmentFile, FailedSaveKeepsFilePathAndSavedCopy)
{
    TestAppDir dir("vpx-dts-");
    ASSERT_EQ(SaveAlignmentFile(dir.File("good.dts"), SampleAlignmentBlock()), 0);
    AlignmentEditor editor;
    ASSERT_EQ(editor.Open(dir.File("good.dts")), 0);
    ASSERT_TRUE(editor.Tables().CommitParam(3, 2, "1"));

    EXPECT_EQ(editor.SaveTo(dir.File("no-such-folder/x.dts")), 2014);
    EXPECT_EQ(editor.Path(), dir.File("good.dts"));
    EXPECT_EQ(editor.SavedCopy(), SampleAlignmentBlock());
    EXPECT_TRUE(editor.IsModified());
    EXPECT_EQ(dir.ReadFile("good.dts"), kHeader + SampleAlignmentBlock());

    // Saving over the file replaces it whole, with nothing left beside it.
    const int entries = dir.EntryCount();
    ASSERT_EQ(editor.SaveTo(dir.File("good.dts")), 0);
    EXPECT_EQ(dir.EntryCount(), entries);
    EXPECT_FALSE(editor.IsModified());
    std::string again;
    ASSERT_EQ(LoadAlignmentFile(dir.File("good.dts"), again), 0);
    EXPECT_EQ(again.substr(2 * 43, 2), "01"); // high power, second test point
}

TEST(AlignmentFile, NothingToSaveWithoutData)
{
    TestAppDir dir("vpx-dts-");
    AlignmentEditor editor;
    EXPECT_EQ(editor.SaveTo(dir.File("x.dts")), 7022);
    EXPECT_FALSE(dir.Exists("x.dts"));

    // Cleared tables hold no first parameter either; the file that was open stays as it was.
    ASSERT_EQ(SaveAlignmentFile(dir.File("good.dts"), SampleAlignmentBlock()), 0);
    ASSERT_EQ(editor.Open(dir.File("good.dts")), 0);
    editor.Clear();
    EXPECT_EQ(editor.Path(), "");
    EXPECT_EQ(editor.Held(), SampleAlignmentBlock());
    EXPECT_EQ(editor.SaveTo(dir.File("good.dts")), 7022);
    EXPECT_EQ(dir.ReadFile("good.dts"), kHeader + SampleAlignmentBlock());
}
