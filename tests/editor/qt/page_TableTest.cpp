// The editor page's channel table: what the rows show, the red and highlighted cells, the priority
// list built from it, opening the channel editor, the interface lock, and the command line's show
// printing the same cells as the page.
#include <QCheckBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTableWidget>
#include <QWheelEvent>

#include "app/LangText.h"
#include "codeplug/AddressMap.h"
#include "codeplug/ChannelRecord.h"
#include "codeplug/DataFile.h"
#include "codeplug/FreqCodec.h"
#include "codeplug/ToneCodec.h"
#include "page_PageFixture.h"

namespace {

std::string Record(const std::string& rx, const std::string& tx, const std::string& decode = "FFFF",
                   const std::string& encode = "FFFF", const std::string& flags = "31")
{
    return rx + tx + decode + encode + "FF" + flags + "01" + "FF";
}

// A code plug with channels of every kind: plain, without transmit, outside the band, empty, zero.
void FillChannels(CodePlug& im)
{
    for (int n = 1; n <= 16; ++n) {
        im.Write(Addr::ChannelAddress(n),
                 Record(EncodeFreq(400.0 + n), EncodeFreq(410.0 + n), EncodeTone("67.0"), EncodeTone("D023N"),
                        n % 2 ? "31" : "CF"));
        SetScanFlag(im, n, n % 3 != 0);
    }
    im.Write(Addr::ChannelAddress(2),
             Record(EncodeFreq(446.00625), "FFFFFFFF", EncodeTone("D754I"), EncodeTone("88.5")));
    im.Write(Addr::ChannelAddress(4), Record(EncodeFreq(350.0), EncodeFreq(480.0)));
    im.Write(Addr::ChannelAddress(5), std::string(32, 'F'));
    im.Write(Addr::ChannelAddress(7), Record("00000000", EncodeFreq(420.0)));
    im.Write(Addr::ChannelAddress(9), std::string(32, '0'));
    im.WriteByte(Addr::kPriorityMode, 1);
    im.WriteByte(Addr::kPriorityChannel, 8);
}

QString Cell(const CMainFrm& page, int row, int column)
{
    return page.ChannelTable()->item(row, column)->text();
}

} // namespace

TEST_F(PageTest, TableRowsShowChannelsAndMarkFrequenciesOutsideTheBand)
{
    Reload(FillChannels);
    QTableWidget* t = m_page->ChannelTable();
    ASSERT_EQ(t->rowCount(), 17);
    ASSERT_EQ(t->columnCount(), 8);
    EXPECT_EQ(Cell(*m_page, 0, 1), QString::fromStdString(GetLangText(4020)));
    EXPECT_EQ(Cell(*m_page, 16, 0), "16");
    EXPECT_TRUE(t->isColumnHidden(5));

    EXPECT_EQ(Cell(*m_page, 1, 1), "401.00000");
    EXPECT_EQ(Cell(*m_page, 1, 2), "411.00000");
    EXPECT_EQ(Cell(*m_page, 1, 3), "67.0");
    EXPECT_EQ(Cell(*m_page, 1, 4), "D023N");
    EXPECT_EQ(Cell(*m_page, 1, 5), QString::fromStdString(GetLangText(4047)));
    EXPECT_EQ(Cell(*m_page, 1, 6), QString::fromStdString(GetLangText(4049)));
    EXPECT_EQ(Cell(*m_page, 6, 5), QString::fromStdString(GetLangText(4048)));
    EXPECT_EQ(Cell(*m_page, 6, 6), QString::fromStdString(GetLangText(4050)));
    EXPECT_EQ(Cell(*m_page, 3, 7), QString::fromStdString(GetLangText(90004)));

    // No transmit frequency: transmit and encode cells stay empty although the encode word holds a tone.
    EXPECT_EQ(Cell(*m_page, 2, 2), "");
    EXPECT_EQ(Cell(*m_page, 2, 4), "");
    EXPECT_EQ(Cell(*m_page, 2, 3), "D754I");

    for (int row : {5, 9})
        for (int c = 1; c < 8; ++c)
            EXPECT_EQ(Cell(*m_page, row, c), "") << row << "/" << c;

    EXPECT_EQ(t->item(4, 1)->foreground().color(), QColor(Qt::red));
    EXPECT_EQ(t->item(4, 2)->foreground().color(), QColor(Qt::red));
    EXPECT_EQ(t->item(1, 1)->foreground().color(), QColor(Qt::black));
    EXPECT_EQ(t->item(7, 1)->foreground().color(), QColor(Qt::black)); // 0 is never red
    EXPECT_EQ(t->item(7, 1)->textAlignment(), int(Qt::AlignCenter));

    // The priority list holds the scan channels in use only; the stored 8 is selected.
    QComboBox* priority = m_page->PriorityChannelList();
    QStringList entries;
    for (int i = 0; i < priority->count(); ++i)
        entries << priority->itemText(i);
    EXPECT_EQ(entries, (QStringList{QString::fromStdString(GetLangText(90020)), "1", "2", "4", "7", "8", "10",
                                    "11", "13", "14", "16"}));
    EXPECT_EQ(m_page->SelectedPriorityChannelData(), 8);
    Choose(priority, 6);
    EXPECT_EQ(Byte(Addr::kPriorityChannel), 10);

    // The channel editor takes channel 10 out of the scan list: it is no priority channel any more.
    t->item(10, 7)->setText(QString::fromStdString(GetLangText(90004)));
    m_page->RefreshPriorityChannelList();
    EXPECT_EQ(priority->findText("10"), -1);
    EXPECT_EQ(m_page->SelectedPriorityChannelData(), 0);
    EXPECT_EQ(Byte(Addr::kPriorityChannel), 0);
    m_page->SelectPriorityChannelData(11);
    EXPECT_EQ(priority->currentText(), "11");
}

TEST_F(PageTest, DeletingAllChannelsEmptiesThePriorityChoicesUntilTheNextLoad)
{
    Reload(FillChannels);
    m_page->ClearPriorityForDeleteAll();
    EXPECT_EQ(m_page->PriorityChannelList()->count(), 1);
    EXPECT_FALSE(m_page->PriorityChannelList()->isEnabled());
    EXPECT_FALSE(m_page->RevertChannelList()->isEnabled());
    EXPECT_EQ(m_page->RevertChannelList()->currentIndex(), 0);
    EXPECT_EQ(Byte(Addr::kPriorityChannel), 0);
    EXPECT_EQ(Byte(Addr::kRevertChannel), 0);
    EXPECT_EQ(Byte(Addr::kPriorityMode), 1);

    m_page->OnInitialUpdate();
    EXPECT_TRUE(m_page->RevertChannelList()->isEnabled());
    EXPECT_TRUE(m_page->PriorityChannelList()->isEnabled());
}

TEST_F(PageTest, RowHeightsShareTheGridHeight)
{
    QTableWidget* t = m_page->ChannelTable();
    const int h = t->viewport()->height();
    ASSERT_GT(h, 17);
    EXPECT_EQ(t->rowHeight(1), h / 17);
    EXPECT_EQ(t->rowHeight(16), h / 17);
    EXPECT_EQ(t->rowHeight(0), h - 16 * (h / 17));
    // The columns fill the grid's width between them, in the proportions of their twips widths.
    int total = 0;
    for (int c = 0; c < t->columnCount(); ++c)
        total += t->isColumnHidden(c) ? 0 : t->columnWidth(c);
    EXPECT_EQ(total, t->viewport()->width());
    EXPECT_NEAR(t->columnWidth(1) * 1300.0 / 1700.0, t->columnWidth(0), 1.0);
    EXPECT_NEAR(t->columnWidth(1) * 1400.0 / 1700.0, t->columnWidth(7), 1.0);

    // At its smallest the page still shows every column, in either language (the Chinese panel is
    // narrower than the table).
    for (int language : {kLangEnglish, kLangChinese}) {
        Start(language);
        m_page->resize(m_page->minimumSizeHint());
        QApplication::processEvents();
        QTableWidget* table = m_page->ChannelTable();
        EXPECT_LE(table->columnViewportPosition(7) + table->columnWidth(7), table->viewport()->width())
            << language;
        // No column is narrower than its twips width (1700 twips: 113 pixels, 1300: 87).
        EXPECT_GE(table->columnWidth(1), 113) << language;
        EXPECT_GE(table->columnWidth(0), 87) << language;
    }
}

TEST_F(PageTest, DoubleClickHighlightsTheRowAndOpensTheChannelEditor)
{
    Reload(FillChannels);
    QTableWidget* t = m_page->ChannelTable();
    // A user's double-click: a click, then the second press that the system reports as a double-click.
    auto doubleClick = [&](int row) {
        const QPoint at = t->visualItemRect(t->item(row, 1)).center();
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(t->viewport(), Qt::LeftButton, {}, at);
    };

    QColor back, fore, redCell;
    QStringList snapshot;
    int current = 0;
    const int opened = DialogsOpenedBy([&] { doubleClick(4); },
                                       [&] {
                                           back = t->item(4, 3)->background().color();
                                           fore = t->item(4, 3)->foreground().color();
                                           redCell = t->item(4, 1)->foreground().color();
                                           snapshot = m_page->m_rowSnapshot;
                                           current = m_page->m_nCurRow;
                                       });
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(back, QColor(0, 0, 255));
    EXPECT_EQ(fore, QColor(Qt::white));
    EXPECT_EQ(redCell, QColor(Qt::red));
    EXPECT_EQ(current, 4);
    EXPECT_EQ(m_page->m_nSelRow, 4);
    ASSERT_EQ(snapshot.size(), 7);
    EXPECT_EQ(snapshot[0], "350.00000");
    EXPECT_EQ(snapshot[4], Cell(*m_page, 4, 7)); // scan comes before bandwidth and power
    EXPECT_EQ(snapshot[5], Cell(*m_page, 4, 5));
    EXPECT_EQ(snapshot[6], Cell(*m_page, 4, 6));

    // Opening another row takes the highlight away from the first.
    QColor oldRowBack;
    EXPECT_EQ(
        DialogsOpenedBy([&] { doubleClick(1); }, [&] { oldRowBack = t->item(4, 3)->background().color(); }),
        1);
    EXPECT_EQ(oldRowBack, QColor(Qt::white));
    EXPECT_EQ(m_page->m_nSelRow, 1);

    // A single click does nothing; the header row opens nothing.
    EXPECT_EQ(DialogsOpenedBy([&] {
                  QTest::mouseClick(t->viewport(), Qt::LeftButton, {},
                                    t->visualItemRect(t->item(6, 1)).center());
              }),
              0);
    EXPECT_EQ(DialogsOpenedBy([&] { doubleClick(0); }), 0);
    EXPECT_EQ(m_page->m_nSelRow, 1);
}

TEST_F(PageTest, LockedPageIgnoresTheMouseButNotTheKeyboard)
{
    g_bLockInterface = true;
    QTableWidget* t = m_page->ChannelTable();
    const int opened = DialogsOpenedBy([&] {
        const QPoint at = t->visualItemRect(t->item(1, 1)).center();
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(t->viewport(), Qt::LeftButton, {}, at);
    });
    EXPECT_EQ(opened, 0);
    EXPECT_EQ(m_page->m_nSelRow, 0);

    QCheckBox* battery = m_page->BatterySaveBox();
    QTest::mouseClick(battery, Qt::LeftButton, {}, QPoint(8, battery->height() / 2));
    EXPECT_FALSE(battery->isChecked());
    EXPECT_EQ(Byte(Addr::kBatterySave), 0);
    EXPECT_EQ(battery->cursor().shape(), Qt::ForbiddenCursor);
    EXPECT_EQ(m_page->cursor().shape(), Qt::ForbiddenCursor);
    EXPECT_EQ(m_page->PauseTime()->Edit()->cursor().shape(), Qt::ForbiddenCursor);

    battery->setFocus();
    QTest::keyClick(battery, Qt::Key_Space);
    EXPECT_EQ(Byte(Addr::kBatterySave), 1);

    // Turning the wheel over a list changes nothing either; its arrow keys still do.
    QComboBox* timeOut = m_page->TimeOutList();
    const int before = timeOut->currentIndex();
    const QPointF centre(timeOut->width() / 2.0, timeOut->height() / 2.0);
    QWheelEvent wheel(centre, timeOut->mapToGlobal(centre), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(timeOut, &wheel);
    EXPECT_EQ(timeOut->currentIndex(), before);
    Choose(timeOut, before + 1);
    EXPECT_EQ(Byte(Addr::kTimeOut), before + 2);

    // Unlocked again, the mouse works and the fields get their own cursors back.
    g_bLockInterface = false;
    QTest::mouseClick(battery, Qt::LeftButton, {}, QPoint(8, battery->height() / 2));
    EXPECT_EQ(Byte(Addr::kBatterySave), 0);
    EXPECT_EQ(m_page->PauseTime()->Edit()->cursor().shape(), Qt::IBeamCursor);
}

TEST_F(PageTest, CommandLineShowPrintsTheSameCellsAsThePage)
{
    for (int language : {kLangEnglish, kLangChinese}) {
        Start(language);
        Reload(FillChannels);
        m_dir->WriteFile("system.ini", "[language]\nlanguage=" + std::to_string(language) + "\n");
        const std::string file = m_dir->File("plug.dat");
        ASSERT_TRUE(SaveTextFileAtomic(file, g_doc.image.Text()));

        QProcess cli;
        cli.start(QStringLiteral(VPX_BIN_DIR "/vpxds-cli"), {"--appdir", QString::fromStdString(m_dir->Dir()),
                                                             "show", QString::fromStdString(file), "--json"});
        ASSERT_TRUE(cli.waitForFinished(60000));
        ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
        const QJsonObject root = QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
        ASSERT_FALSE(root.isEmpty());
        EXPECT_EQ(root["band"].toObject()["code"].toString(), "33");

        const QJsonArray channels = root["channels"].toArray();
        ASSERT_EQ(channels.size(), 16);
        const char* keys[] = {"channel", "rx", "tx", "decode", "encode", "bandwidth", "power", "scan"};
        for (int n = 1; n <= 16; ++n) {
            const QJsonObject ch = channels[n - 1].toObject();
            for (int c = 1; c < 8; ++c)
                EXPECT_EQ(ch[keys[c]].toString(), Cell(*m_page, n, c)) << language << " " << n << "/" << c;
            EXPECT_EQ(ch["rxOutOfBand"].toBool(),
                      m_page->ChannelTable()->item(n, 1)->foreground().color() == QColor(Qt::red));
        }
        const QJsonObject s = root["settings"].toObject();
        EXPECT_EQ(s["timeOut"].toString(), m_page->TimeOutList()->currentText());
        EXPECT_EQ(s["voiceLanguage"].toString(), m_page->VoiceLanguageList()->currentText());
        EXPECT_EQ(s["priorityMode"].toString(), m_page->PriorityModeList()->currentText());
        EXPECT_EQ(s["priorityChannel"].toString(), m_page->PriorityChannelList()->currentText());
        EXPECT_EQ(s["revertChannel"].toString(), m_page->RevertChannelList()->currentText());
        EXPECT_EQ(s["scanBackA"].toString(), m_page->ScanBackA()->Edit()->text());
        EXPECT_EQ(s["pause"].toString(), m_page->PauseTime()->Edit()->text());
        EXPECT_EQ(s["batterySave"].toBool(), m_page->BatterySaveBox()->isChecked());
    }

    QProcess bad;
    bad.start(QStringLiteral(VPX_BIN_DIR "/vpxds-cli"),
              {"--appdir", QString::fromStdString(m_dir->Dir()), "show",
               QString::fromStdString(m_dir->File("no.dat"))});
    ASSERT_TRUE(bad.waitForFinished(60000));
    EXPECT_NE(bad.exitCode(), 0);
    EXPECT_TRUE(bad.readAllStandardError().contains("2011"));
}
