// The print preview window: maximised and modal, a toolbar (first, previous, go to page, next, last,
// close, print) over the page area. A report without rows closes the window at once.
#pragma once

#include <QDialog>

#include "print/ReportJob.h"

class QAction;
class QToolBar;
class CPreviewPageArea;

class CPrintPreviewFrame : public QDialog {
    Q_OBJECT
public:
    enum Button { kFirst, kPrevious, kGoto, kNext, kLast, kClose, kPrint, kButtonCount };

    CPrintPreviewFrame(const ReportJob& job, QWidget* parent = nullptr);

    // Opens the window maximised and runs it; returns at once when there is nothing to show.
    int exec() override;

    int CurrentPage() const { return m_job.currentPage; }
    int PageCount() const { return m_job.pageCount; }
    QAction* Action(Button button) const { return m_actions[button]; }
    QToolBar* ToolBar() const { return m_toolBar; }
    CPreviewPageArea* PageArea() const { return m_pageArea; }

    // The toolbar's buttons.
    void OnFirstPage();
    void OnPreviousPage();
    void OnGotoPage();
    void OnNextPage();
    void OnLastPage();
    void OnPrint();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool CreateToolBar();
    void ShowPage(int page);
    void UpdateButtons();

    ReportJob m_job;
    QToolBar* m_toolBar = nullptr;
    CPreviewPageArea* m_pageArea = nullptr;
    QAction* m_actions[kButtonCount] = {};
};
