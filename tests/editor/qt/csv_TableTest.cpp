// The channel table's copy, cut, paste and delete as a user drives them (clicks on the channel
// numbers, keys, context menu), the interface lock, and undo and redo over panel, channel-editor and
// paste changes.
#include <QApplication>
#include <QCheckBox>
#include <QSpinBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>

#include "app/LangText.h"
#include "app/qt/EditCommands.h"
#include "codeplug/AddressMap.h"
#include "codeplug/FreqCodec.h"
#include "editor/ChannelCsv.h"
#include "editor/qt/CChannelDlg.h"
#include "editor/qt/CChannelTable.h"
#include "editor/qt/CChannelTableActions.h"
#include "page_PageFixture.h"
#include "tests/editor/csv_Support.h"

namespace {

QString Lang(int number) { return QString::fromStdString(GetLangText(number)); }

std::string Channel(int n) { return g_doc.image.Read(Addr::ChannelAddress(n), 16); }

class ChannelTableTest : public PageTest {
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        Reload([](CodePlug& image) { image = SampleChannelPlug(); });
        g_doc.history.Reset(g_doc.image);
    }

    CChannelTable* Table() const { return m_page->Table(); }
    QPoint CellCentre(int row, int column) const
    {
        return Table()->visualItemRect(Table()->item(row, column)).center();
    }
    void ClickNumber(int row, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::mouseClick(Table()->viewport(), Qt::LeftButton, mods, CellCentre(row, 0));
    }
    // A key pressed in the table of the active page (as after a dialog closed).
    void Key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        if (QApplication::activeWindow() != m_page.get()) {
            m_page->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(m_page.get()));
        }
        Table()->setFocus();
        QTest::keyClick(Table(), static_cast<Qt::Key>(key), mods);
    }
    // The context menu as a right click opens it over a cell.
    void RightClick(int row, int column)
    {
        QTest::mousePress(Table()->viewport(), Qt::RightButton, Qt::NoModifier, CellCentre(row, column));
        const QPoint at = CellCentre(row, column);
        QContextMenuEvent menu(QContextMenuEvent::Mouse, at, Table()->viewport()->mapToGlobal(at));
        QApplication::sendEvent(Table()->viewport(), &menu);
        QTest::mouseRelease(Table()->viewport(), Qt::RightButton, Qt::NoModifier, CellCentre(row, column));
    }
    // A user's double-click: a click, then the second press that the system reports as a double-click.
    void DoubleClick(int row, int column)
    {
        QTest::mouseClick(Table()->viewport(), Qt::LeftButton, {}, CellCentre(row, column));
        QTest::mouseDClick(Table()->viewport(), Qt::LeftButton, {}, CellCentre(row, column));
    }
    std::vector<int> Selected() const { return Table()->Selection().Rows(); }
    QString Cell(int row, int column) const { return Table()->item(row, column)->text(); }
};

} // namespace

TEST_F(ChannelTableTest, RowsAreSelectedByTheirNumberAndTheLockStillBlocksTheMouse)
{
    ClickNumber(3);
    ClickNumber(5, Qt::ShiftModifier);
    EXPECT_EQ(Selected(), (std::vector<int>{3, 4, 5}));
    ClickNumber(4, Qt::ControlModifier);
    EXPECT_EQ(Selected(), (std::vector<int>{3, 5}));
    // A click on a channel cell selects nothing, as before.
    QTest::mouseClick(Table()->viewport(), Qt::LeftButton, Qt::NoModifier, CellCentre(8, 1));
    EXPECT_EQ(Selected(), (std::vector<int>{3, 5}));
    EXPECT_EQ(Table()->item(3, 0)->background().color(), Table()->palette().color(QPalette::Highlight));
    EXPECT_NE(Table()->item(4, 0)->background().color(), Table()->palette().color(QPalette::Highlight));
    EXPECT_NE(Table()->item(3, 1)->background().color(), QColor(Qt::white));
    EXPECT_EQ(Table()->item(4, 1)->background().color(), QColor(Qt::white));

    ClickNumber(6);
    Key(Qt::Key_Down);
    EXPECT_EQ(Selected(), (std::vector<int>{7}));
    Key(Qt::Key_Down, Qt::ShiftModifier);
    Key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(Selected(), (std::vector<int>{7, 8, 9}));

    // A double-click still opens the channel editor, on a number or a channel cell.
    EXPECT_EQ(DialogsOpenedBy([&] { DoubleClick(2, 3); }), 1);
    EXPECT_EQ(m_page->m_nSelRow, 2);

    // With the interface locked no click selects, no double-click opens, no right click offers a menu;
    // the keys keep working.
    g_bLockInterface = true;
    ClickNumber(12);
    EXPECT_EQ(Selected(), (std::vector<int>{7, 8, 9}));
    EXPECT_EQ(DialogsOpenedBy([&] { DoubleClick(12, 0); }), 0);
    RightClick(12, 0);
    EXPECT_FALSE(m_page->TableActions()->ContextMenu()->isVisible());
    Key(Qt::Key_Delete);
    EXPECT_FALSE(ChannelInUse(g_doc.image, 8));
}

TEST_F(ChannelTableTest, KeysCopyCutPasteAndDeleteChannels)
{
    const CodePlug sample = SampleChannelPlug();
    ClickNumber(6);
    ClickNumber(7, Qt::ShiftModifier);
    Key(Qt::Key_C, Qt::ControlModifier);
    const QString copied = QApplication::clipboard()->text();
    EXPECT_EQ(copied.toStdString(), CopyChannelsText(sample, {6, 7}));
    EXPECT_TRUE(copied.startsWith(QStringLiteral("Location\tName\tFrequency\t")));

    ClickNumber(10);
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Channel(10), Channel(6));
    EXPECT_EQ(Channel(11), Channel(7));
    EXPECT_EQ(Channel(12), sample.Read(Addr::ChannelAddress(12), 16));
    for (int c = 1; c < 8; ++c)
        EXPECT_EQ(Cell(10, c), Cell(6, c)) << c;
    EXPECT_EQ(Selected(), (std::vector<int>{10, 11}));

    Key(Qt::Key_Delete);
    EXPECT_FALSE(ChannelInUse(g_doc.image, 10));
    EXPECT_FALSE(ChannelInUse(g_doc.image, 11));
    EXPECT_EQ(Cell(10, 1), QString());
    EXPECT_EQ(m_page->PriorityChannelList()->findText(QStringLiteral("10")), -1);

    ClickNumber(1);
    Key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_FALSE(ChannelInUse(g_doc.image, 1));
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), CopyChannelsText(sample, {1}));

    // Rows beyond channel 16 are refused with a message, and nothing changes.
    QApplication::clipboard()->setText(copied);
    const std::string before = g_doc.image.Text();
    MsgBox::ShownTexts().clear();
    ClickNumber(16);
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(g_doc.image.Text(), before);
    ASSERT_EQ(MsgBox::ShownTexts().size(), 1);
    EXPECT_EQ(MsgBox::ShownTexts().first(), Lang(9588));

    // A row that cannot be read is named with its line.
    QApplication::clipboard()->setText(QStringLiteral("Location\tFrequency\n1\t446.0\n2\tabc\n"));
    ClickNumber(2);
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(g_doc.image.Text(), before);
    ASSERT_EQ(MsgBox::ShownTexts().size(), 2);
    EXPECT_TRUE(MsgBox::ShownTexts().last().startsWith(Lang(9579)));
    EXPECT_TRUE(
        MsgBox::ShownTexts().last().endsWith(QStringLiteral("Line 3: Frequency “abc” cannot be used")))
        << MsgBox::ShownTexts().last().toStdString();
}

TEST_F(ChannelTableTest, TheContextMenuOffersTheSameCommands)
{
    for (int language : {kLangEnglish, kLangChinese}) {
        Start(language);
        Reload([](CodePlug& image) { image = SampleChannelPlug(); });
        RightClick(4, 2); // on a channel cell: the row under the mouse is taken
        QMenu* menu = m_page->TableActions()->ContextMenu();
        ASSERT_TRUE(menu->isVisible());
        EXPECT_EQ(Selected(), std::vector<int>{4});
        QStringList captions;
        for (QAction* a : menu->actions())
            if (!a->isSeparator())
                captions << a->text();
        EXPECT_EQ(captions, (QStringList{Lang(9575), Lang(9574), Lang(9576), Lang(90009)}));
        EXPECT_TRUE(m_page->TableActions()->CopyAction()->isEnabled());
        m_page->TableActions()->ClearAction()->trigger();
        menu->hide();
        EXPECT_FALSE(ChannelInUse(g_doc.image, 4));
    }
    // Without a selected row there is nothing to copy or delete; paste stays offered.
    Table()->ClearSelection();
    EXPECT_FALSE(m_page->TableActions()->CopyAction()->isEnabled());
    EXPECT_FALSE(m_page->TableActions()->ClearAction()->isEnabled());
    EXPECT_TRUE(m_page->TableActions()->PasteAction()->isEnabled());
}

TEST_F(ChannelTableTest, UndoAndRedoStepThroughPanelChannelEditorAndPasteChanges)
{
    std::vector<std::string> images{g_doc.image.Text()};
    EXPECT_FALSE(g_doc.IsModified());

    m_page->SquelchList()->setCurrentIndex(8); // a panel change: an entry picked in the drop-down
    images.push_back(g_doc.image.Text());

    // A change in the channel editor, opened by a double-click: channel 9 gets another frequency.
    const int opened = DialogsOpenedBy([&] { DoubleClick(9, 1); },
                                       [&] {
                                           auto* dlg =
                                               qobject_cast<CChannelDlg*>(QApplication::activeModalWidget());
                                           ASSERT_NE(dlg, nullptr);
                                           // Typed, then the edit is left.
                                           dlg->RxEdit()->setText(QStringLiteral("455.5"));
                                           dlg->OnRxKillFocus();
                                       });
    ASSERT_EQ(opened, 1);
    ASSERT_EQ(Channel(9).substr(0, 8), EncodeFreq(455.5));
    images.push_back(g_doc.image.Text());

    ClickNumber(9);
    Key(Qt::Key_C, Qt::ControlModifier);
    ClickNumber(2);
    Key(Qt::Key_V, Qt::ControlModifier); // a paste
    images.push_back(g_doc.image.Text());
    ASSERT_EQ(Channel(2), Channel(9));
    EXPECT_EQ(g_doc.history.UndoCount(), 3u);

    for (int k = 2; k >= 0; --k) {
        EditUndo();
        EXPECT_EQ(g_doc.image.Text(), images[static_cast<std::size_t>(k)]) << k;
    }
    // Back at the image as loaded: nothing is unsaved, and the page shows it.
    EXPECT_FALSE(g_doc.IsModified());
    EXPECT_EQ(m_page->SquelchList()->currentIndex(), g_doc.image.ReadByte(Addr::kSquelch));
    EXPECT_EQ(Cell(9, 1), QStringLiteral("443.00000"));
    for (int k = 1; k <= 3; ++k) {
        EditRedo();
        EXPECT_EQ(g_doc.image.Text(), images[static_cast<std::size_t>(k)]) << k;
    }
    EXPECT_EQ(Cell(2, 1), QStringLiteral("455.50000"));
    EXPECT_EQ(m_page->SquelchList()->currentIndex(), 8);
    EditRedo(); // nothing more to redo
    EXPECT_EQ(g_doc.image.Text(), images.back());
}
