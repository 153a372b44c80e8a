// Row selection of the channel table: what clicks and arrow keys select and where a paste begins.
#include <gtest/gtest.h>

#include "editor/RowSelection.h"

TEST(RowSelection, ClicksAndArrowsSelectRowsAndAPasteBeginsAtTheTopOne)
{
    RowSelection s;
    EXPECT_EQ(s.PasteRow(), 1); // nothing clicked yet: channel 1
    s.Move(-1, false);          // Up with nothing current goes to the last row
    EXPECT_EQ(s.Rows(), std::vector<int>{16});
    s.Move(1, false); // and stays inside the table
    EXPECT_EQ(s.Rows(), std::vector<int>{16});

    s.Click(9);
    s.ShiftClick(6); // upwards from the anchor
    EXPECT_EQ(s.Rows(), (std::vector<int>{6, 7, 8, 9}));
    EXPECT_EQ(s.PasteRow(), 6);
    s.ShiftClick(11); // the anchor stays at 9
    EXPECT_EQ(s.Rows(), (std::vector<int>{9, 10, 11}));
    s.CtrlClick(10);
    s.CtrlClick(2);
    EXPECT_EQ(s.Rows(), (std::vector<int>{2, 9, 11}));
    s.CtrlClick(2);
    s.CtrlClick(9);
    s.CtrlClick(11);
    EXPECT_TRUE(s.Rows().empty());
    EXPECT_EQ(s.PasteRow(), 11); // no selection left: the row clicked last

    s.Click(3);
    s.Move(-1, true);
    s.Move(-1, true);
    s.Move(-1, true); // stops at row 1
    EXPECT_EQ(s.Rows(), (std::vector<int>{1, 2, 3}));
    s.Click(0);  // outside the table: ignored
    s.Click(17); // ignored
    EXPECT_EQ(s.Rows(), (std::vector<int>{1, 2, 3}));
}
