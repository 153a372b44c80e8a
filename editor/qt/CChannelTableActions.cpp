// Channel-table commands on the clipboard and the image; each change of the image is one undoable step.
#include "editor/qt/CChannelTableActions.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeySequence>
#include <QMenu>

#include "app/LangText.h"
#include "app/qt/ui/AppFont.h"
#include "app/qt/ui/MainFrameUi.h"
#include "app/qt/ui/MsgBox.h"
#include "codeplug/Document.h"
#include "codeplug/ModelCatalogue.h"
#include "editor/ChannelRules.h"
#include "editor/qt/CChannelTable.h"
#include "editor/qt/CMainFrm.h"

namespace {

QString Lang(int number) { return QString::fromStdString(GetLangText(number)); }

// Lines of a refused list shown in one message box; the rest are counted.
constexpr std::size_t kShownLines = 12;
constexpr int kTextPastedNotes = 9637; // "%1 channels pasted. Check these changes:"

} // namespace

CChannelTableActions::CChannelTableActions(CMainFrm* page, CChannelTable* table)
    : QObject(page), m_pPage(page), m_pTable(table)
{
    auto make = [this](const QKeySequence& key, void (CChannelTableActions::*slot)()) {
        auto* action = new QAction(m_pTable);
        action->setShortcut(key);
        action->setShortcutContext(Qt::WidgetShortcut); // only while the table has the focus
        m_pTable->addAction(action);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    m_pCopy = make(QKeySequence::Copy, &CChannelTableActions::Copy);
    m_pCut = make(QKeySequence::Cut, &CChannelTableActions::Cut);
    m_pPaste = make(QKeySequence::Paste, &CChannelTableActions::Paste);
    m_pClear = make(QKeySequence(Qt::Key_Delete), &CChannelTableActions::Clear);
    m_pMenu = new QMenu(m_pTable);
    m_pMenu->addActions({m_pCut, m_pCopy, m_pPaste});
    m_pMenu->addSeparator();
    m_pMenu->addAction(m_pClear);
    ApplyCaptions();
    OnSelectionChanged();

    m_pTable->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_pTable, &QWidget::customContextMenuRequested, this, &CChannelTableActions::OnContextMenu);
    connect(m_pTable, &CChannelTable::SelectionChanged, this, &CChannelTableActions::OnSelectionChanged);
}

void CChannelTableActions::ApplyCaptions()
{
    m_pCopy->setText(Lang(9574));
    m_pCut->setText(Lang(9575));
    m_pPaste->setText(Lang(9576));
    m_pClear->setText(Lang(90009));
    UseAppFont(m_pMenu);
}

void CChannelTableActions::OnContextMenu(const QPoint& pos)
{
    ApplyCaptions();
    OnSelectionChanged();
    m_pMenu->popup(m_pTable->viewport()->mapToGlobal(pos));
}

void CChannelTableActions::OnSelectionChanged()
{
    const bool any = !m_pTable->Selection().Rows().empty();
    m_pCopy->setEnabled(any);
    m_pCut->setEnabled(any);
    m_pClear->setEnabled(any);
}

ChannelImportOptions CChannelTableActions::ImportOptionsOf(const CMainFrm* page)
{
    ChannelImportOptions options;
    if (page != nullptr) {
        options.wide = page->m_defaults.wide;
        options.highPower = page->m_defaults.highPower;
        options.scan = page->m_defaults.scan;
    }
    options.band = g_band;
    options.tones = ToneRulesFromSettings();
    return options;
}

QString CChannelTableActions::ErrorMessage(const std::vector<CsvRowError>& errors)
{
    const QString lines = QString::fromStdString(DescribeCsvErrors(errors, kShownLines));
    const bool namesLines = !errors.empty() && errors.front().line > 0;
    return namesLines ? Lang(9579) + QStringLiteral("\n\n") + lines : lines;
}

void CChannelTableActions::ShowImportNotes(int headingText, const ChannelImportResult& result)
{
    if (result.notes.empty())
        return;
    ShowMessage(QString::fromStdString(GetLangTextWith(headingText, {std::to_string(result.channels)})) +
                QStringLiteral("\n\n") + QString::fromStdString(DescribeCsvNotes(result.notes, kShownLines)));
}

void CChannelTableActions::ImageChanged()
{
    m_pPage->LoadFromImage();
    UpdateMainTitle();
}

void CChannelTableActions::Copy()
{
    const std::vector<int> rows = m_pTable->Selection().Rows();
    if (rows.empty())
        return;
    QApplication::clipboard()->setText(QString::fromStdString(CopyChannelsText(g_doc.image, rows)));
}

void CChannelTableActions::Cut()
{
    Copy();
    Clear();
}

void CChannelTableActions::Clear()
{
    const std::vector<int> rows = m_pTable->Selection().Rows();
    if (rows.empty())
        return;
    {
        EditStep step;
        ClearChannels(g_doc.image, rows);
    }
    ImageChanged();
}

void CChannelTableActions::Paste()
{
    const std::string text = QApplication::clipboard()->text().toStdString();
    const int first = m_pTable->Selection().PasteRow();
    ChannelImportResult result;
    {
        EditStep step;
        result = PasteChannelsText(g_doc.image, text, first, ImportOptionsOf(m_pPage));
    }
    if (!result.applied) {
        ShowErrorMessage(ErrorMessage(result.errors));
        return;
    }
    ImageChanged();
    // The pasted rows are selected, so that they can be copied or deleted again at once.
    m_pTable->SelectRows(first, first + static_cast<int>(result.rows) - 1);
    ShowImportNotes(kTextPastedNotes, result);
}
