// Shared set-up of the editor-page widget tests: a temporary application directory, a new code plug
// and a shown, active page; helpers to type into fields, move the focus and catch modal dialogs.
#pragma once

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "app/qt/ui/AppFont.h"
#include "app/qt/ui/MsgBox.h"
#include "codeplug/Document.h"
#include "codeplug/ModelCatalogue.h"
#include "editor/qt/CMainFrm.h"
#include "editor/qt/CSpinEdit.h"
#include "tests/editor/page_TestDir.h"

class PageTest : public ::testing::Test {
protected:
    void SetUp() override { Start(kLangEnglish); }
    void TearDown() override
    {
        m_page.reset();
        MsgBox::ClearAnswers();
        m_dir.reset();
    }

    void Start(int language)
    {
        m_page.reset();
        m_dir.reset(); // the old directory restores the previous state before the new one is made
        m_dir = std::make_unique<PageTestDir>(language);
        InitAppFont();
        MsgBox::ClearAnswers();
        MsgBox::SetNonInteractive(true);
        g_doc.ResetToNew();
        m_page = std::make_unique<CMainFrm>();
        m_page->resize(820, 620);
        m_page->OnInitialUpdate();
        m_page->show();
        QApplication::setActiveWindow(m_page.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_page.get()));
    }

    // Changes the image as a file or a radio would, then reloads the page.
    void Reload(const std::function<void(CodePlug&)>& change)
    {
        change(g_doc.image);
        ApplyBand(g_doc.image.Text());
        g_doc.savedCopy = g_doc.image.Text();
        m_page->OnInitialUpdate();
    }

    // Types text into an edit as a user: focus, select all, type; then the focus moves to the model list.
    void TypeAndLeave(QLineEdit* edit, const QString& text)
    {
        edit->setFocus();
        QApplication::processEvents();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        m_page->ModelList()->setFocus();
        QApplication::processEvents();
    }

    // Picks a list entry with the arrow keys, passing through the entries in between as a user does.
    void Choose(QComboBox* list, int index)
    {
        list->setFocus();
        for (int guard = list->count(); list->currentIndex() < index && guard > 0; --guard)
            QTest::keyClick(list, Qt::Key_Down);
        for (int guard = list->count(); list->currentIndex() > index && guard > 0; --guard)
            QTest::keyClick(list, Qt::Key_Up);
    }

    // Runs action; every modal dialog that opens meanwhile is inspected (onOpen) and closed.
    int DialogsOpenedBy(const std::function<void()>& action, const std::function<void()>& onOpen = {})
    {
        int count = 0;
        QTimer closer;
        closer.setInterval(0);
        QObject::connect(&closer, &QTimer::timeout, [&] {
            if (QWidget* w = QApplication::activeModalWidget()) {
                ++count;
                if (onOpen)
                    onOpen();
                w->close();
            }
        });
        closer.start();
        action();
        QApplication::processEvents();
        closer.stop();
        return count;
    }

    int Byte(int address) const { return g_doc.image.ReadByte(address); }

    std::unique_ptr<PageTestDir> m_dir;
    std::unique_ptr<CMainFrm> m_page;
};
