// Test-frequency editor page (template 103): a 16-row grid edited in place, written into the
// image's test-frequency table by OK; Cancel closes without writing.
#include "editor/qt/CTestFreqFrm.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPalette>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "app/LangText.h"
#include "app/qt/ui/AppFont.h"
#include "app/qt/ui/CChildFrame.h"
#include "app/qt/ui/MainFrameUi.h"
#include "codeplug/Document.h"
#include "codeplug/ModelCatalogue.h"
#include "editor/ChannelRules.h"
#include "editor/TestFreqTable.h"

namespace {

QString Lang(int n) { return QString::fromStdString(GetLangText(n)); }

constexpr int kRows = 17;
constexpr int kCols = 3;
constexpr double kTwipsPerPixel = 14.919355;
constexpr int kColumnTwips[kCols] = {1100, 1200, 1200};
const QColor kFixedBackground(212, 208, 200);
const QColor kCalibrationBackground(236, 236, 236);
const QColor kCalibrationText(110, 110, 110);
constexpr int kFirstCalibrationRow = 5; // rows 5 ... 12: the radio's alignment block
constexpr int kCalibrationRows = 8;

} // namespace

CTestFreqFrm::CTestFreqFrm(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(Lang(5001));
    m_pGrid = new QTableWidget(kRows, kCols, this);
    m_pGrid->horizontalHeader()->hide();
    m_pGrid->verticalHeader()->hide();
    m_pGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pGrid->setSelectionMode(QAbstractItemView::NoSelection);
    m_pGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pGrid->setFocusPolicy(Qt::NoFocus); // typing happens in the in-place editor, not on a grid cursor
    m_pGrid->setWordWrap(false);
    QFont cellFont(QStringLiteral("宋体"), 9);
    cellFont.setFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"),
                          QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Zen Hei")});
    for (int row = 0; row < kRows; ++row) {
        for (int col = 0; col < kCols; ++col) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            item->setFont(cellFont);
            item->setForeground(Qt::black);
            if (row == 0 || col == 0) {
                item->setBackground(kFixedBackground);
            }
            m_pGrid->setItem(row, col, item);
        }
    }
    m_pGrid->item(0, 0)->setText(Lang(4019));
    m_pGrid->item(0, 1)->setText(Lang(5002));
    m_pGrid->item(0, 2)->setText(Lang(5003));
    for (int row = 1; row < kRows; ++row) {
        m_pGrid->item(row, 0)->setText(QString::number(row));
    }
    // The radio's calibration: one grey block over both columns that says what it is; no editing.
    m_pGrid->setSpan(kFirstCalibrationRow, 1, kCalibrationRows, 2);
    m_pGrid->item(kFirstCalibrationRow, 1)->setBackground(kCalibrationBackground);
    m_pCalibrationNote = new QLabel(Lang(9628) + QStringLiteral("\n\n") + Lang(9629));
    m_pCalibrationNote->setWordWrap(true);
    m_pCalibrationNote->setAlignment(Qt::AlignCenter);
    m_pCalibrationNote->setMargin(4);
    QPalette grey = m_pCalibrationNote->palette();
    grey.setColor(QPalette::WindowText, kCalibrationText);
    m_pCalibrationNote->setPalette(grey);
    m_pGrid->setCellWidget(kFirstCalibrationRow, 1, m_pCalibrationNote);
    // Each column is as wide as its twips width, or as its caption on one line when that is wider
    // ("RX Frequency" in English); every row is tall enough for a line of the cell font.
    const QFontMetrics metrics(cellFont);
    const int textMargin = m_pGrid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_pGrid) + 1;
    int gridWidth = 2 * m_pGrid->frameWidth();
    for (int col = 0; col < kCols; ++col) {
        const int twips = static_cast<int>(kColumnTwips[col] / kTwipsPerPixel);
        const int caption = metrics.horizontalAdvance(m_pGrid->item(0, col)->text()) + 2 * textMargin + 4;
        const int px = std::max(twips, caption);
        m_pGrid->setColumnWidth(col, px);
        gridWidth += px;
    }
    m_pGrid->setFixedWidth(gridWidth);
    m_pGrid->setMinimumHeight(kRows * (metrics.height() + 4) + 2 * m_pGrid->frameWidth());

    // The in-place editor that floats over the cell being edited.
    m_pCellEdit = new QLineEdit(m_pGrid->viewport());
    m_pCellEdit->setAlignment(Qt::AlignCenter);
    m_pCellEdit->setFont(cellFont);
    m_pCellEdit->hide();
    m_pCellEdit->installEventFilter(this);

    m_pOk = new QPushButton(Lang(90000), this);
    m_pCancel = new QPushButton(Lang(90001), this);
    UseAppFont({m_pOk, m_pCancel, m_pCalibrationNote});
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_pOk);
    buttons->addWidget(m_pCancel);
    auto* top = new QVBoxLayout(this);
    top->addWidget(m_pGrid, 1);
    top->addLayout(buttons);

    m_pGrid->viewport()->installEventFilter(this);
    connect(m_pGrid, &QTableWidget::cellClicked, this, &CTestFreqFrm::OnCellClicked);
    connect(m_pOk, &QPushButton::clicked, this, &CTestFreqFrm::OnOK);
    connect(m_pCancel, &QPushButton::clicked, this, &CTestFreqFrm::OnCancel);
}

CTestFreqFrm::~CTestFreqFrm() = default;

QTableWidgetItem* CTestFreqFrm::Cell(int row, int col) const { return m_pGrid->item(row, col); }

void CTestFreqFrm::OnInitialUpdate()
{
    const TestFreqTable table = ReadTestFreqTable(g_doc.image);
    for (int row = 1; row < kRows; ++row) {
        if (IsCalibrationRow(row))
            continue;
        const TestFreqRow& entry = table[static_cast<std::size_t>(row - 1)];
        SetCell(row, 1, QString::fromStdString(entry.rx));
        SetCell(row, 2, QString::fromStdString(entry.tx));
    }
    show();
}

void CTestFreqFrm::SetCell(int row, int col, const QString& text)
{
    QTableWidgetItem* item = Cell(row, col);
    item->setText(text);
    const bool red =
        FreqTextOutOfBand(text.toStdString(), g_band.lower, g_band.upper) && text.trimmed().toDouble() != 0.0;
    item->setForeground(red ? QColor(255, 0, 0) : QColor(Qt::black));
}

void CTestFreqFrm::CommitText(int row, int col, const QString& text)
{
    if (row < 1 || row >= kRows || col < 1 || col > 2 || IsCalibrationRow(row)) {
        return;
    }
    TestFreqRow entry{Cell(row, 1)->text().toStdString(), Cell(row, 2)->text().toStdString()};
    CommitTestFreqText(entry, col, text.toStdString(), g_band.code);
    SetCell(row, 1, QString::fromStdString(entry.rx));
    SetCell(row, 2, QString::fromStdString(entry.tx));
}

void CTestFreqFrm::OpenEditor(int row, int col)
{
    m_nEditRow = row;
    m_nEditCol = col;
    m_pCellEdit->setGeometry(m_pGrid->visualItemRect(Cell(row, col)));
    m_pCellEdit->setText(Cell(row, col)->text().trimmed());
    m_pCellEdit->show();
    m_pCellEdit->setFocus(Qt::OtherFocusReason);
    m_pCellEdit->selectAll();
}

void CTestFreqFrm::CommitEditor()
{
    if (m_nEditRow == 0) {
        return;
    }
    const int row = m_nEditRow;
    const int col = m_nEditCol;
    m_nEditRow = 0;
    m_nEditCol = 0;
    m_pCellEdit->hide();
    CommitText(row, col, m_pCellEdit->text());
}

void CTestFreqFrm::OnCellClicked(int row, int col)
{
    if (row < 1 || col < 1 || IsCalibrationRow(row)) {
        return;
    }
    CommitEditor();
    OpenEditor(row, col);
}

void CTestFreqFrm::MoveToNextCell()
{
    int row = m_nEditRow;
    int col = m_nEditCol;
    CommitEditor();
    if (col == 1) {
        col = 2;
    } else {
        col = 1;
        do {
            row = row >= kRows - 1 ? 1 : row + 1;
        } while (IsCalibrationRow(row)); // the calibration rows are passed over
    }
    OpenEditor(row, col);
}

void CTestFreqFrm::OnOK()
{
    CommitEditor();
    TestFreqTable table;
    for (int row = 1; row < kRows; ++row) {
        if (IsCalibrationRow(row))
            continue; // kept as the image holds it
        table[static_cast<std::size_t>(row - 1)] = {Cell(row, 1)->text().trimmed().toStdString(),
                                                    Cell(row, 2)->text().trimmed().toStdString()};
    }
    {
        EditStep step;
        WriteTestFreqTable(g_doc.image, table);
    }
    CloseWindow();
}

void CTestFreqFrm::OnCancel()
{
    m_nEditRow = 0;
    m_pCellEdit->hide();
    CloseWindow();
}

void CTestFreqFrm::CloseWindow()
{
    ClosePageWindow(this);
    UpdateMainTitle();
}

bool CTestFreqFrm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pCellEdit && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            MoveToNextCell();
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            m_nEditRow = 0;
            m_pCellEdit->hide();
            return true;
        }
    }
    // A size settled while the window was being shown arrives without a resize event of its own.
    if (watched == m_pGrid->viewport() &&
        (event->type() == QEvent::Resize || event->type() == QEvent::Show)) {
        LayoutRows();
    }
    return QWidget::eventFilter(watched, event);
}

void CTestFreqFrm::LayoutRows()
{
    // Each row takes h / 17 pixels of the grid's height; the header row takes what is left.
    const int h = m_pGrid->viewport()->height();
    const int rowHeight = h / kRows;
    if (rowHeight <= 0) {
        return;
    }
    m_pGrid->setRowHeight(0, h - (kRows - 1) * rowHeight);
    for (int row = 1; row < kRows; ++row) {
        m_pGrid->setRowHeight(row, rowHeight);
    }
    if (m_nEditRow != 0) {
        m_pCellEdit->setGeometry(m_pGrid->visualItemRect(Cell(m_nEditRow, m_nEditCol)));
    }
}
