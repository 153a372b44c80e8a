// The alignment-data window's commands without widgets: reading a radio and keeping what it held,
// writing back exactly what the tables show, unsaved data, and the window title.
#include <gtest/gtest.h>

#include "tests/service/AlignmentTestBench.h"
#include "app/LangText.h"
#include "app/Settings.h"
#include "service/AlignmentEditor.h"
#include "service/AlignmentFile.h"

TEST(AlignmentEditor, NothingIsLostOnTheWayThroughRadioFileAndBack)
{
    LinkAppDir dir;
    AlignBench b;
    RecordingUi ui;
    AlignmentSession session(b.port, ui);
    AlignmentEditor editor;
    ASSERT_TRUE(editor.Read(session).Succeeded());
    EXPECT_EQ(editor.Held(), SampleAlignmentBlock());
    EXPECT_TRUE(editor.IsModified()); // read, not yet saved
    EXPECT_EQ(editor.Path(), "");

    // Saved unedited: the file holds the radio's 64 bytes, the unshown ones included.
    ASSERT_EQ(editor.SaveTo(dir.File("radio.dts")), 0);
    EXPECT_FALSE(editor.IsModified());
    EXPECT_EQ(dir.ReadFile("radio.dts").substr(64), SampleAlignmentBlock());

    // Written back unedited: the radio gets its own bytes again.
    b.radio.ClearFrames();
    ASSERT_TRUE(editor.Write(session).Succeeded());
    EXPECT_EQ(b.Block(), SampleAlignmentBlock());

    // One edited cell reaches the radio as its one byte, and nothing else changes.
    ASSERT_TRUE(editor.Tables().CommitParam(4, 3, "200"));
    EXPECT_TRUE(editor.IsModified());
    ASSERT_TRUE(editor.Write(session).Succeeded());
    std::string expected = SampleAlignmentBlock();
    expected.replace(2 * 49, 2, "C8"); // low power, middle test point: item 9 at byte 49
    EXPECT_EQ(b.Block(), expected);
    EXPECT_EQ(editor.Tables().ParamText(4, 3), "200");

    // Another editor opens the saved file: same block, nothing unsaved.
    AlignmentEditor other;
    ASSERT_EQ(other.Open(dir.File("radio.dts")), 0);
    EXPECT_EQ(other.Current(), SampleAlignmentBlock());
    EXPECT_FALSE(other.IsModified());
}

TEST(AlignmentEditor, FailedReadOrWriteChangesNothingHeld)
{
    LinkAppDir dir;
    ASSERT_EQ(SaveAlignmentFile(dir.File("a.dts"), SampleAlignmentBlock()), 0);
    AlignmentEditor editor;
    ASSERT_EQ(editor.Open(dir.File("a.dts")), 0);
    ASSERT_TRUE(editor.Tables().CommitParam(1, 1, "7"));
    const std::string shown = editor.Current();

    AlignBench b;
    b.radio.SetModelText("TQ951"); // refused: 3023
    RecordingUi ui;
    AlignmentSession session(b.port, ui);
    EXPECT_EQ(editor.Read(session).textNumber, 3023);
    EXPECT_EQ(editor.Current(), shown);
    EXPECT_EQ(editor.Path(), dir.File("a.dts"));
    EXPECT_EQ(editor.SavedCopy(), SampleAlignmentBlock());

    EXPECT_EQ(editor.Write(session).textNumber, 3023);
    EXPECT_EQ(editor.Current(), shown);
    EXPECT_EQ(editor.Tables().ParamText(1, 1), "7");

    // Cleared tables: Write sends nothing and says why.
    editor.Clear();
    b.radio.ClearFrames();
    ui.messages.clear();
    EXPECT_EQ(editor.Write(session).status, AlignmentStatus::NothingToWrite);
    EXPECT_EQ(ui.messages, std::vector<int>{7022});
    EXPECT_TRUE(b.radio.Frames().empty());
}

TEST(AlignmentEditor, TitleAndStartingFile)
{
    LinkAppDir dir;
    g_nLanguage = kLangEnglish;
    {
        AlignmentEditor editor;
        EXPECT_EQ(editor.Title(), "Alignment Data - Untitled");
        EXPECT_FALSE(editor.IsModified());
    }
    ASSERT_TRUE(WriteSetting("option", "adjust_data_path", "/line/bench.dts"));
    AlignmentEditor editor;
    EXPECT_EQ(editor.Path(), "/line/bench.dts");
    EXPECT_EQ(editor.Title(), "Alignment Data - /line/bench.dts");
    EXPECT_EQ(editor.Held(), ""); // the file is named, not read
    editor.Clear();
    EXPECT_EQ(editor.Title(), "Alignment Data - Untitled");
}

TEST(AlignmentEditor, WhatAWriteWouldChangeAndWhatCouldBeLost)
{
    LinkAppDir dir;
    AlignBench b;
    RecordingUi ui;
    AlignmentSession session(b.port, ui);
    AlignmentEditor editor;
    g_nLanguage = kLangEnglish;
    ResetLangTextCache();
    // Nothing read in this window yet: the question says every value will be replaced.
    EXPECT_EQ(editor.WriteQuestion(), GetLangText(9639) + "\n\n" + GetLangText(9641));

    ASSERT_TRUE(editor.Read(session).Succeeded());
    EXPECT_EQ(editor.FromRadio(), SampleAlignmentBlock());
    EXPECT_TRUE(editor.IsModified());      // in no file yet
    EXPECT_FALSE(editor.HasUnkeptEdits()); // but the radio holds it: reading again loses nothing
    EXPECT_EQ(editor.WriteQuestion(), GetLangText(9639) + "\n\n" + GetLangTextWith(9640, {"0"}));

    // A frequency (four bytes) and two parameters typed: three values.
    ASSERT_TRUE(editor.Tables().CommitFreq(2, 2, "420", 400, 470));
    ASSERT_TRUE(editor.Tables().CommitParam(1, 1, "9"));
    ASSERT_TRUE(editor.Tables().CommitParam(7, 5, "0"));
    EXPECT_TRUE(editor.HasUnkeptEdits());
    EXPECT_EQ(CountDifferingValues(editor.Current(), SampleAlignmentBlock()), 3);
    EXPECT_EQ(editor.WriteQuestion(), GetLangText(9639) + "\n\n" + GetLangTextWith(9640, {"3"}));
    // Once written, the radio holds them.
    ASSERT_TRUE(editor.Write(session).Succeeded());
    EXPECT_EQ(editor.FromRadio(), editor.Current());
    EXPECT_FALSE(editor.HasUnkeptEdits());

    // After Clear nothing is shown, so nothing could be lost by opening another file.
    ASSERT_TRUE(editor.Tables().CommitParam(1, 1, "10"));
    editor.Clear();
    EXPECT_FALSE(editor.IsModified());
    EXPECT_FALSE(editor.HasUnkeptEdits());

    // Values are counted one by one; each byte no table shows counts as one.
    std::string other = SampleAlignmentBlock();
    other.replace(2 * 62, 4, "0102");
    EXPECT_EQ(CountDifferingValues(other, SampleAlignmentBlock()), 2);
    EXPECT_EQ(CountDifferingValues(other, "12"), -1);
}
