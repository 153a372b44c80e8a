// The radio-history window: filter controls, the table of entries, the details of the selected one and
// the Open and Compare commands, over HistoryView.
#include "history/qt/HistoryDialog.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTextDocument>
#include <QVBoxLayout>

#include "app/LangText.h"
#include "app/qt/ui/AppFont.h"
#include "app/qt/ui/EditorPageUi.h"
#include "app/qt/ui/UnsavedWork.h"
#include "codeplug/BackupFolder.h"
#include "codeplug/Document.h"
#include "history/HistoryTexts.h"
#include "history/qt/HistoryDiffDialog.h"

namespace {

QString Text(int number) { return QString::fromStdString(GetLangText(number)); }
QString Q(const std::string& text) { return QString::fromStdString(text); }

constexpr int kCloseText = 90035;
constexpr const char* kDateFormat = "yyyy-MM-dd";
constexpr int kWidth = 860;
constexpr int kHeight = 560;
constexpr int kDetailsLines = 6;

QDate DateOf(const std::string& text)
{
    const QDate date = QDate::fromString(Q(text), QString::fromLatin1(kDateFormat));
    return date.isValid() ? date : QDate::currentDate();
}

} // namespace

HistoryDialog::HistoryDialog(QWidget* parent, const std::string& path) : QDialog(parent)
{
    setWindowTitle(Text(histtext::kTitle));
    UseAppFont(this); // before the controls take their sizes from it
    HistoryStore store;
    if (store.Open(path, BackupFolderPath()))
        m_view.SetRows(store.List());
    if (!store.Error().empty())
        m_error = NotKeptText(store.Path(), store.Error());
    BuildControls();
    FillFilters();
    ApplyFilter();
    resize(kWidth, kHeight);
}

void HistoryDialog::BuildControls()
{
    m_serial = new QComboBox(this);
    m_serial->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_operation = new QComboBox(this);
    m_operation->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_from = new QDateEdit(this);
    m_to = new QDateEdit(this);
    for (QDateEdit* date : {m_from, m_to}) {
        date->setDisplayFormat(QString::fromLatin1(kDateFormat));
        date->setCalendarPopup(true);
        // The widest date with a digit's room to spare: the size hint leaves none.
        date->setMinimumWidth(date->sizeHint().width() + date->fontMetrics().horizontalAdvance(QLatin1Char('0')));
    }
    auto* filters = new QHBoxLayout;
    const std::vector<std::pair<int, QWidget*>> fields = {{histtext::kSerialNumber, m_serial},
                                                          {histtext::kColumnOperation, m_operation},
                                                          {histtext::kFrom, m_from},
                                                          {histtext::kTo, m_to}};
    for (const auto& [caption, field] : fields) {
        auto* label = new QLabel(Text(caption), this);
        label->setBuddy(field);
        filters->addWidget(label);
        filters->addWidget(field);
        filters->addSpacing(8);
    }
    filters->addStretch();

    m_table = new QTableWidget(0, HistoryView::kColumns, this);
    QStringList headings;
    for (const std::string& h : HistoryView::Headings())
        headings << Q(h);
    m_table->setHorizontalHeaderLabels(headings);
    m_table->verticalHeader()->hide();
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(false);
    m_table->horizontalHeader()->setStretchLastSection(true);

    m_details = new QPlainTextEdit(this);
    m_details->setReadOnly(true);
    const int margins = 2 * (m_details->frameWidth() + static_cast<int>(m_details->document()->documentMargin()));
    m_details->setFixedHeight(m_details->fontMetrics().lineSpacing() * kDetailsLines + margins);
    m_status = new QLabel(this);
    m_status->setWordWrap(true);
    m_open = new QPushButton(Text(histtext::kOpenDocument), this);
    m_compare = new QPushButton(Text(histtext::kCompare), this);
    m_close = new QPushButton(Text(kCloseText), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_status, 1);
    for (QPushButton* b : {m_open, m_compare, m_close})
        buttons->addWidget(b);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_details);
    layout->addLayout(buttons);

    connect(m_serial, &QComboBox::currentIndexChanged, this, &HistoryDialog::ApplyFilter);
    connect(m_operation, &QComboBox::currentIndexChanged, this, &HistoryDialog::ApplyFilter);
    connect(m_from, &QDateEdit::dateChanged, this, &HistoryDialog::ApplyFilter);
    connect(m_to, &QDateEdit::dateChanged, this, &HistoryDialog::ApplyFilter);
    connect(m_table, &QTableWidget::itemSelectionChanged, this, &HistoryDialog::SelectionChanged);
    connect(m_table, &QTableWidget::cellDoubleClicked, this, &HistoryDialog::OnOpenDocument);
    connect(m_open, &QPushButton::clicked, this, &HistoryDialog::OnOpenDocument);
    connect(m_compare, &QPushButton::clicked, this, &HistoryDialog::OnCompare);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
}

void HistoryDialog::FillFilters()
{
    m_filling = true;
    m_serial->addItem(Text(histtext::kAllRadios));
    for (const std::string& serial : m_view.Serials())
        m_serial->addItem(Q(serial), Q(serial));
    m_operation->addItem(Text(histtext::kAllOperations), -1);
    for (int op = 0; op < kHistoryOpCount; ++op)
        m_operation->addItem(Q(HistoryOpText(static_cast<HistoryOp>(op))), op);
    // The dates of the oldest and newest entries: every entry shows until the user narrows them.
    m_from->setDate(DateOf(m_view.FirstDate()));
    m_to->setDate(DateOf(m_view.LastDate()));
    m_filling = false;
}

void HistoryDialog::ApplyFilter()
{
    if (m_filling)
        return;
    HistoryFilter filter;
    filter.serial = m_serial->currentData().toString().toStdString();
    const int op = m_operation->currentData().toInt();
    if (op >= 0)
        filter.operation = static_cast<HistoryOp>(op);
    filter.fromDate = m_from->date().toString(QString::fromLatin1(kDateFormat)).toStdString();
    filter.toDate = m_to->date().toString(QString::fromLatin1(kDateFormat)).toStdString();
    m_view.SetFilter(filter);
    ShowTable();
}

void HistoryDialog::ShowTable()
{
    m_table->clearSelection();
    const auto& shown = m_view.Shown();
    m_table->setRowCount(static_cast<int>(shown.size()));
    for (int r = 0; r < m_table->rowCount(); ++r) {
        const std::vector<std::string> cells = HistoryView::Cells(*shown[static_cast<std::size_t>(r)]);
        for (int c = 0; c < HistoryView::kColumns; ++c)
            m_table->setItem(r, c, new QTableWidgetItem(Q(cells[static_cast<std::size_t>(c)])));
    }
    m_table->resizeColumnsToContents();
    m_table->resizeRowsToContents();
    SelectionChanged();
}

std::vector<const HistoryRecord*> HistoryDialog::Selected() const
{
    std::vector<const HistoryRecord*> rows;
    const auto& shown = m_view.Shown();
    for (const QModelIndex& index : m_table->selectionModel()->selectedRows())
        if (index.row() >= 0 && static_cast<std::size_t>(index.row()) < shown.size())
            rows.push_back(shown[static_cast<std::size_t>(index.row())]);
    return rows;
}

void HistoryDialog::SelectionChanged()
{
    const std::vector<const HistoryRecord*> selected = Selected();
    m_open->setEnabled(HistoryView::CanOpen(selected));
    m_compare->setEnabled(HistoryView::CanCompare(selected));
    const int current = m_table->currentRow();
    const auto& shown = m_view.Shown();
    const bool one = !selected.empty() && current >= 0 && static_cast<std::size_t>(current) < shown.size();
    m_details->setPlainText(one ? Q(HistoryView::Details(*shown[static_cast<std::size_t>(current)])) : QString());
    m_status->setText(!m_error.empty() ? Q(m_error)
                                       : QString::fromStdString(GetLangTextWith(
                                             histtext::kShowing, {std::to_string(shown.size()),
                                                                  std::to_string(m_view.RowCount())})));
}

void HistoryDialog::OnOpenDocument()
{
    const std::vector<const HistoryRecord*> selected = Selected();
    if (!HistoryView::CanOpen(selected) || !UnsavedWorkPrompt(this))
        return;
    if (g_doc.AcceptUnsaved(selected.front()->data)) {
        ImageReplaced();
        accept();
    }
}

void HistoryDialog::OnCompare()
{
    const std::vector<const HistoryRecord*> selected = Selected();
    if (!HistoryView::CanCompare(selected))
        return;
    HistoryDiffDialog dialog(this, Q(HistoryView::Differences(*selected[0], *selected[1])));
    dialog.exec();
}

void OpenRadioHistory(QWidget* parent)
{
    HistoryDialog dialog(parent);
    dialog.exec();
}
