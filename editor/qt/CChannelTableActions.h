// Copy, cut, paste and delete of channels on the editor page's table: the keys (Ctrl+C, Ctrl+X,
// Ctrl+V, Delete) while the table has the focus, and the same commands in its context menu. The
// clipboard holds the rows as tab-separated text in the channel-list layout, with its header line.
#pragma once

#include <QObject>
#include <QString>

#include "editor/ChannelCsvImport.h"

class QAction;
class QMenu;
class QPoint;
class CChannelTable;
class CMainFrm;

class CChannelTableActions : public QObject {
    Q_OBJECT
public:
    CChannelTableActions(CMainFrm* page, CChannelTable* table);

    void Copy();
    void Cut();
    void Paste();
    void Clear();

    QAction* CopyAction() const { return m_pCopy; }
    QAction* CutAction() const { return m_pCut; }
    QAction* PasteAction() const { return m_pPaste; }
    QAction* ClearAction() const { return m_pClear; }
    // The context menu, built anew in the current language each time it opens.
    QMenu* ContextMenu() const { return m_pMenu; }

    // Channel defaults of the page (for rows without Mode, Power or Skip), band and tone rules.
    static ChannelImportOptions ImportOptionsOf(const CMainFrm* page);
    // A refused channel list in one message: the reasons, one line each, under a heading when they
    // name lines.
    static QString ErrorMessage(const std::vector<CsvRowError>& errors);
    // A channel list taken with changes: the heading (text headingText with the number of channels),
    // then what became of each row that was moved to the channel step or lies outside the band, in a
    // message box. Nothing for a list taken as it was.
    static void ShowImportNotes(int headingText, const ChannelImportResult& result);

private:
    void ApplyCaptions();
    void OnContextMenu(const QPoint& pos);
    void OnSelectionChanged();
    void ImageChanged();

    CMainFrm* m_pPage;
    CChannelTable* m_pTable;
    QAction* m_pCopy = nullptr;
    QAction* m_pCut = nullptr;
    QAction* m_pPaste = nullptr;
    QAction* m_pClear = nullptr;
    QMenu* m_pMenu = nullptr;
};
