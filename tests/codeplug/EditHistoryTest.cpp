// Undo and redo of the code plug: each change one step, every image restored exactly, the modified
// state following the image, and a fresh history after New, Open and a read from a radio.
#include <gtest/gtest.h>

#include "codeplug/AddressMap.h"
#include "codeplug/Document.h"
#include "codeplug/ModelCatalogue.h"
#include "TempAppDir.h"

namespace {

// One change as an editor makes it: writes inside one step.
void Change(CodePlugDocument& doc, int address, int value)
{
    EditStep step(doc);
    doc.image.WriteByte(address, value);
}

} // namespace

TEST(EditHistory, UndoAndRedoRestoreEveryImageExactly)
{
    TempAppDir dir;
    CodePlugDocument doc;
    doc.ResetToNew();
    EXPECT_FALSE(doc.history.CanUndo(doc.image));
    std::vector<std::string> images{doc.image.Text()};
    for (int i = 0; i < 5; ++i) {
        Change(doc, Addr::kSquelch + i, 0x40 + i);
        images.push_back(doc.image.Text());
    }
    Change(doc, Addr::kSquelch, doc.image.ReadByte(Addr::kSquelch)); // writes the same value: no step
    EXPECT_EQ(doc.history.UndoCount(), 5u);

    for (int k = 4; k >= 0; --k) {
        ASSERT_TRUE(doc.history.Undo(doc.image));
        EXPECT_EQ(doc.image.Text(), images[static_cast<std::size_t>(k)]) << k;
    }
    EXPECT_FALSE(doc.history.Undo(doc.image));
    EXPECT_FALSE(doc.IsModified()); // back at the saved image: nothing unsaved
    for (int k = 1; k <= 5; ++k) {
        ASSERT_TRUE(doc.history.Redo(doc.image));
        EXPECT_EQ(doc.image.Text(), images[static_cast<std::size_t>(k)]) << k;
    }
    EXPECT_FALSE(doc.history.Redo(doc.image));
    EXPECT_TRUE(doc.IsModified());

    // A change after an undo ends the redo line.
    doc.history.Undo(doc.image);
    doc.history.Undo(doc.image);
    Change(doc, Addr::kBatterySave, 1);
    EXPECT_FALSE(doc.history.CanRedo(doc.image));
    EXPECT_FALSE(doc.history.Redo(doc.image));
    ASSERT_TRUE(doc.history.Undo(doc.image));
    EXPECT_EQ(doc.image.Text(), images[3]);
}

TEST(EditHistory, NestedWritesAreOneStepAndUncommittedChangesAreNotLost)
{
    TempAppDir dir;
    CodePlugDocument doc;
    doc.ResetToNew();
    const std::string start = doc.image.Text();
    {
        EditStep outer(doc);
        doc.image.WriteByte(Addr::kSquelch, 1);
        {
            EditStep inner(doc);
            doc.image.WriteByte(Addr::kTimeOut, 2);
        }
        EXPECT_FALSE(doc.history.CanUndo(doc.image)); // not while the change is under way
        doc.image.WriteByte(Addr::kWiredClone, 1);
    }
    EXPECT_EQ(doc.history.UndoCount(), 1u);
    const std::string changed = doc.image.Text();

    // A write that no step wrapped still becomes undoable, as the last change.
    doc.image.WriteByte(Addr::kBatterySave, 1);
    const std::string loose = doc.image.Text();
    EXPECT_TRUE(doc.history.CanUndo(doc.image));
    EXPECT_FALSE(doc.history.CanRedo(doc.image));
    ASSERT_TRUE(doc.history.Undo(doc.image));
    EXPECT_EQ(doc.image.Text(), changed);
    ASSERT_TRUE(doc.history.Redo(doc.image));
    EXPECT_EQ(doc.image.Text(), loose);
    ASSERT_TRUE(doc.history.Undo(doc.image));
    ASSERT_TRUE(doc.history.Undo(doc.image));
    EXPECT_EQ(doc.image.Text(), start);

    // A byte the program itself adjusts (write normalisation) is taken without a step.
    doc.image.WriteByte(Addr::kRadioConfigFlags, 0xDD);
    doc.history.Absorb(doc.image);
    EXPECT_EQ(doc.history.UndoCount(), 0u);
    EXPECT_FALSE(doc.history.Undo(doc.image));
    EXPECT_EQ(doc.image.ReadByte(Addr::kRadioConfigFlags), 0xDD);
}

TEST(EditHistory, NewOpenAndReadStartAFreshHistory)
{
    TempAppDir dir;
    CodePlugDocument doc;
    doc.ResetToNew();
    Change(doc, Addr::kSquelch, 1);
    ASSERT_EQ(doc.Save(dir.File("a.dat")), 0);
    Change(doc, Addr::kSquelch, 2);
    doc.ResetToNew();
    EXPECT_FALSE(doc.history.CanUndo(doc.image));

    Change(doc, Addr::kSquelch, 3);
    ASSERT_EQ(doc.Open(dir.File("a.dat")), 0);
    EXPECT_FALSE(doc.history.CanUndo(doc.image));
    EXPECT_FALSE(doc.history.Undo(doc.image));
    EXPECT_EQ(doc.image.ReadByte(Addr::kSquelch), 1);

    // A failed open keeps the history with the image it belongs to.
    Change(doc, Addr::kSquelch, 4);
    EXPECT_NE(doc.Open(dir.File("missing.dat")), 0);
    EXPECT_TRUE(doc.history.CanUndo(doc.image));

    doc.AcceptFromRadio(BuildBandImage("33"), 3);
    EXPECT_FALSE(doc.history.CanUndo(doc.image));
    // ... and a failed read changes neither.
    Change(doc, Addr::kSquelch, 7);
    doc.AcceptFromRadio("too short", 3);
    ASSERT_TRUE(doc.history.Undo(doc.image));
    EXPECT_EQ(doc.image.Text(), BuildBandImage("33"));
}

TEST(EditHistory, KeepsTheLatestStepsWhenTheLimitIsReached)
{
    TempAppDir dir;
    CodePlugDocument doc;
    doc.ResetToNew();
    const std::size_t total = EditHistory::kMaxSteps + 20;
    for (std::size_t i = 0; i < total; ++i)
        Change(doc, Addr::kTxPause + static_cast<int>(i % 2), static_cast<int>(i % 250) + 1);
    EXPECT_EQ(doc.history.UndoCount(), EditHistory::kMaxSteps);
    std::size_t undone = 0;
    while (doc.history.Undo(doc.image))
        ++undone;
    EXPECT_EQ(undone, EditHistory::kMaxSteps);
    EXPECT_EQ(doc.image.Text().size(), 2048u);
}
