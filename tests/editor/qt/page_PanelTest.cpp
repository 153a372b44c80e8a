// The editor page's panel driven as a user would: choosing list entries, typing into the numeric
// fields and leaving them, clicking spins and check boxes; every check reads the image bytes.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QToolButton>

#include "app/LangText.h"
#include "codeplug/AddressMap.h"
#include "editor/qt/CSpinEdit.h"
#include "page_PageFixture.h"

TEST_F(PageTest, TimeOutListFollowsTheStoredByteAndWritesTheChoice)
{
    Reload([](CodePlug& im) { im.WriteByte(Addr::kTimeOut, 0x28); });
    EXPECT_EQ(m_page->TimeOutList()->currentText(), "600");
    Reload([](CodePlug& im) { im.WriteByte(Addr::kTimeOut, 0x00); });
    EXPECT_EQ(m_page->TimeOutList()->currentText(), "15");
    Reload([](CodePlug& im) { im.WriteByte(Addr::kTimeOut, 0x29); });
    EXPECT_EQ(m_page->TimeOutList()->currentText(), "15");
    EXPECT_EQ(Byte(Addr::kTimeOut), 0x29); // showing a fallback writes nothing

    Choose(m_page->TimeOutList(), 39);
    EXPECT_EQ(Byte(Addr::kTimeOut), 0x28);
    Choose(m_page->TimeOutList(), 1);
    EXPECT_EQ(Byte(Addr::kTimeOut), 0x02);

    Choose(m_page->SquelchList(), 9);
    EXPECT_EQ(Byte(Addr::kSquelch), 9);
    Choose(m_page->PreAlertList(), 0);
    EXPECT_EQ(Byte(Addr::kTimeOutPreAlert), 0);
    Choose(m_page->VoiceLanguageList(), 2);
    EXPECT_EQ(Byte(Addr::kVoiceLanguage), 2);
    EXPECT_FALSE(m_page->Pf1List()->isEnabled());
    EXPECT_EQ(Byte(Addr::kPf1Key), 0);
    EXPECT_EQ(g_doc.image.Read(Addr::kModelBlock, 8), "545139353133F8FF");
}

TEST_F(PageTest, PriorityModeGovernsTheScanControlsAndTheRevertChannel)
{
    Reload([](CodePlug& im) {
        im.WriteByte(Addr::kPriorityMode, 2);
        im.WriteByte(Addr::kRevertChannel, 1);
    });
    QComboBox* revert = m_page->RevertChannelList();
    ASSERT_EQ(revert->count(), 2);
    EXPECT_EQ(revert->itemData(0).toInt(), 2);
    EXPECT_EQ(revert->currentData().toInt(), 2);
    EXPECT_FALSE(m_page->PriorityChannelList()->isEnabled());
    EXPECT_TRUE(m_page->ScanBackA()->isEnabled());
    EXPECT_EQ(Byte(Addr::kRevertChannel), 1); // until the next store

    Choose(m_page->SquelchList(), 3);
    EXPECT_EQ(Byte(Addr::kRevertChannel), 2);

    // Mode 1: every revert entry, priority channel and scan-back times usable; the choice is kept.
    Choose(m_page->PriorityModeList(), 1);
    EXPECT_EQ(Byte(Addr::kPriorityMode), 1);
    EXPECT_EQ(revert->count(), 4);
    EXPECT_EQ(revert->currentData().toInt(), 2);
    EXPECT_TRUE(m_page->PriorityChannelList()->isEnabled());
    Choose(revert, 3);
    EXPECT_EQ(Byte(Addr::kRevertChannel), 3);

    // Mode 0: data 3 is gone, the first entry is taken and stored.
    Choose(m_page->PriorityModeList(), 0);
    EXPECT_EQ(Byte(Addr::kPriorityMode), 0);
    EXPECT_EQ(revert->count(), 2);
    EXPECT_EQ(Byte(Addr::kRevertChannel), 0);
    EXPECT_FALSE(m_page->ScanBackA()->isEnabled());
    EXPECT_FALSE(m_page->ScanBackB()->isEnabled());
    EXPECT_FALSE(m_page->PriorityChannelList()->isEnabled());
}

TEST_F(PageTest, ScanBackTimesAreNormalisedWhenTheFieldIsLeft)
{
    Reload([](CodePlug& im) {
        im.WriteByte(Addr::kPriorityMode, 1);
        im.WriteByte(Addr::kScanBackA, 1);
        im.WriteByte(Addr::kScanBackB, 91);
    });
    QLineEdit* a = m_page->ScanBackA()->Edit();
    QLineEdit* b = m_page->ScanBackB()->Edit();
    EXPECT_EQ(a->text(), "0.50");
    EXPECT_EQ(b->text(), "5.00");

    TypeAndLeave(a, "7");
    EXPECT_EQ(a->text(), "5.00");
    EXPECT_EQ(Byte(Addr::kScanBackA), 91);
    TypeAndLeave(a, "0.1");
    EXPECT_EQ(a->text(), "0.50");
    EXPECT_EQ(Byte(Addr::kScanBackA), 1);
    TypeAndLeave(b, "2.57");
    EXPECT_EQ(b->text(), "2.55");
    EXPECT_EQ(Byte(Addr::kScanBackB), 42);
    TypeAndLeave(b, "12345"); // at most 4 characters reach the field
    EXPECT_EQ(b->text(), "5.00");

    // A spin click changes only the text; the value reaches the image when the field is left.
    b->setFocus();
    QTest::mouseClick(m_page->ScanBackB()->UpButton(), Qt::LeftButton);
    EXPECT_EQ(b->text(), "0.50");
    EXPECT_EQ(Byte(Addr::kScanBackB), 91);
    QTest::mouseClick(m_page->ScanBackB()->DownButton(), Qt::LeftButton);
    QTest::mouseClick(m_page->ScanBackB()->DownButton(), Qt::LeftButton);
    EXPECT_EQ(b->text(), "4.95");
    m_page->ModelList()->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(Byte(Addr::kScanBackB), 90);
}

TEST_F(PageTest, PauseAndDwellTimesAreClampedAndStoredAsWords)
{
    QLineEdit* pause = m_page->PauseTime()->Edit();
    QLineEdit* dwell = m_page->DwellTime()->Edit();
    TypeAndLeave(pause, "abc");
    EXPECT_EQ(pause->text(), "0");
    EXPECT_EQ(g_doc.image.Read(Addr::kTxPause, 2), "0000");
    TypeAndLeave(pause, "999");
    EXPECT_EQ(pause->text(), "300");
    EXPECT_EQ(g_doc.image.Read(Addr::kTxPause, 2), "2C01");
    TypeAndLeave(dwell, "42");
    EXPECT_EQ(g_doc.image.Read(Addr::kScanDwell, 2), "2A00");

    // Up from 300 wraps to 0, down from 0 wraps to 300; the Up key steps like the arrow.
    pause->setFocus();
    QTest::mouseClick(m_page->PauseTime()->UpButton(), Qt::LeftButton);
    EXPECT_EQ(pause->text(), "0");
    QTest::keyClick(pause, Qt::Key_Down);
    EXPECT_EQ(pause->text(), "300");
    QTest::keyClick(pause, Qt::Key_Down);
    EXPECT_EQ(g_doc.image.Read(Addr::kTxPause, 2), "2C01");
    m_page->ModelList()->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(g_doc.image.Read(Addr::kTxPause, 2), "2B01");

    Reload([](CodePlug& im) { im.WriteWordLE(Addr::kTxPause, 0xFFFF); });
    EXPECT_EQ(pause->text(), "300");
}

TEST_F(PageTest, CheckBoxesWriteTheirStateAtOnce)
{
    QCheckBox* battery = m_page->BatterySaveBox();
    QCheckBox* clone = m_page->WiredCloneBox();
    ASSERT_FALSE(battery->isChecked());
    QTest::mouseClick(battery, Qt::LeftButton, {}, QPoint(8, battery->height() / 2));
    EXPECT_TRUE(battery->isChecked());
    EXPECT_EQ(Byte(Addr::kBatterySave), 1);
    clone->setFocus();
    QTest::keyClick(clone, Qt::Key_Space);
    EXPECT_EQ(Byte(Addr::kWiredClone), 1);
    QTest::mouseClick(battery, Qt::LeftButton, {}, QPoint(8, battery->height() / 2));
    EXPECT_EQ(Byte(Addr::kBatterySave), 0);
}

TEST_F(PageTest, ListsWithoutAnEntryForTheStoredValueKeepTheImageIntact)
{
    Reload([](CodePlug& im) {
        im.WriteByte(Addr::kSquelch, 0x0C);
        im.WriteByte(Addr::kPriorityMode, 0x07);
        im.WriteByte(Addr::kVoiceLanguage, 0);
    });
    EXPECT_EQ(m_page->SquelchList()->currentIndex(), -1);
    EXPECT_EQ(m_page->PriorityModeList()->currentIndex(), -1);
    EXPECT_EQ(m_page->VoiceLanguageList()->currentText(), QString::fromStdString(GetLangText(90028)));
    Choose(m_page->TimeOutList(), 5);
    EXPECT_EQ(Byte(Addr::kTimeOut), 6);
    EXPECT_EQ(Byte(Addr::kSquelch), 0x0C);
    EXPECT_EQ(Byte(Addr::kPriorityMode), 0x07);
    EXPECT_EQ(Byte(Addr::kVoiceLanguage), 0);
    EXPECT_EQ(g_doc.image.Text().size(), 2048u);
}

TEST_F(PageTest, ChoosingTheModelOfAnotherBandAsksAndReplacesTheImage)
{
    g_doc.image.SetText(BuildBandImage("F2"));
    ApplyBand(g_doc.image.Text());
    g_doc.savedCopy = g_doc.image.Text();
    g_doc.path = m_dir->File("old.dat");
    m_page->OnInitialUpdate();
    EXPECT_EQ(m_page->ModelList()->currentIndex(), -1);

    // No: the list shows no entry again and nothing changes.
    const std::string before = g_doc.image.Text();
    MsgBox::SetNextAnswer(QMessageBox::No);
    Choose(m_page->ModelList(), 0);
    EXPECT_EQ(m_page->ModelList()->currentIndex(), -1);
    EXPECT_EQ(g_doc.image.Text(), before);
    ASSERT_FALSE(MsgBox::ShownTexts().isEmpty());
    EXPECT_EQ(MsgBox::ShownTexts().last(), QString::fromStdString(GetLangText(4051)));

    // Yes, then Cancel at the unsaved-work question: still nothing changes.
    g_doc.image.WriteByte(Addr::kSquelch, 1);
    const std::string edited = g_doc.image.Text();
    MsgBox::SetNextAnswer(QMessageBox::Yes);
    MsgBox::SetNextAnswer(QMessageBox::Cancel);
    Choose(m_page->ModelList(), 0);
    EXPECT_EQ(m_page->ModelList()->currentIndex(), -1);
    EXPECT_EQ(g_doc.image.Text(), edited);

    // Yes, No: the image becomes the band's default code plug, saved and without a file.
    MsgBox::SetNextAnswer(QMessageBox::Yes);
    MsgBox::SetNextAnswer(QMessageBox::No);
    Choose(m_page->ModelList(), 0);
    EXPECT_EQ(g_doc.image.Text(), BuildBandImage("33"));
    EXPECT_EQ(g_band.code, "33");
    EXPECT_FALSE(g_doc.IsModified());
    EXPECT_TRUE(g_doc.path.empty());
    EXPECT_EQ(m_page->ModelList()->currentIndex(), 0);
    EXPECT_EQ(m_page->ChannelTable()->item(1, 1)->text(), "400.00000");
}

TEST_F(PageTest, ChineseModePutsTheApplicationFontOnTheControls)
{
    Start(kLangChinese);
    EXPECT_EQ(m_page->windowTitle(), QString::fromStdString(GetLangText(4073)));
    EXPECT_EQ(m_page->TimeOutList()->font(), g_fontApp);
    EXPECT_EQ(m_page->BatterySaveBox()->font(), g_fontApp);
    EXPECT_EQ(m_page->BatterySaveBox()->text(), QString::fromStdString(GetLangText(4029)));
    EXPECT_EQ(m_page->ChannelTable()->item(1, 1)->font(), g_fontApp);
    EXPECT_EQ(m_page->ChannelTable()->item(0, 1)->text(), QString::fromStdString(GetLangText(4020)));
    const auto labels = m_page->findChildren<QLabel*>();
    ASSERT_FALSE(labels.isEmpty());
    for (QLabel* label : labels)
        EXPECT_EQ(label->font(), g_fontApp) << label->text().toStdString();
    const auto groups = m_page->findChildren<QGroupBox*>();
    ASSERT_EQ(groups.size(), 5);
    for (QGroupBox* group : groups)
        EXPECT_EQ(group->font(), g_fontApp) << group->title().toStdString();
}
