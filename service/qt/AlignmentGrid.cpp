// Fixed-layout grid with an in-place edit box for the alignment-data tables.
#include "service/qt/AlignmentGrid.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

namespace {

// 1440 twips an inch at 96 pixels an inch.
constexpr int kTwipsPerPixel = 15;
constexpr int kRowTwips = 280;
constexpr int kCellPadding = 16; // the item's text margins and a little air
const QColor kFixedBackground(212, 208, 200);
const QColor kUnusedBackground(238, 238, 238);

int Pixels(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

} // namespace

QFont AlignmentCellFont()
{
    QFont font(QStringLiteral("宋体"), 9);
    font.setFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("Noto Sans CJK SC"),
                      QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("Droid Sans Fallback")});
    return font;
}

AlignmentGrid::AlignmentGrid(int rows, int columns, int labelTwips, int valueTwips, QWidget* parent)
    : QTableWidget(rows, columns, parent)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::NoFocus); // typing happens in the edit box, not on a grid cursor
    const QFont font = AlignmentCellFont();
    for (int row = 0; row < rows; ++row) {
        setRowHeight(row, std::max(Pixels(kRowTwips), QFontMetrics(font).height() + 4));
        for (int col = 0; col < columns; ++col) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            item->setFont(font);
            item->setForeground(Qt::black);
            if (row == 0 || col == 0)
                item->setBackground(kFixedBackground);
            setItem(row, col, item);
        }
    }
    for (int col = 0; col < columns; ++col)
        setColumnWidth(col, Pixels(col == 0 ? labelTwips : valueTwips));

    m_editor = new QLineEdit(viewport());
    m_editor->setAlignment(Qt::AlignCenter);
    m_editor->setFont(font);
    m_editor->setFrame(false);
    m_editor->hide();
    m_editor->installEventFilter(this);
    FitToTexts();
}

void AlignmentGrid::SetText(int row, int col, const QString& text) { item(row, col)->setText(text); }

void AlignmentGrid::SetUnused(int row, int col) { item(row, col)->setBackground(kUnusedBackground); }

QString AlignmentGrid::Text(int row, int col) const { return item(row, col)->text(); }

int AlignmentGrid::TextWidth(int col) const
{
    const QFontMetrics metrics(AlignmentCellFont());
    int need = 0;
    for (int row = 0; row < rowCount(); ++row)
        need = std::max(need, metrics.horizontalAdvance(Text(row, col)) + kCellPadding);
    return need;
}

void AlignmentGrid::FitToTexts()
{
    int width = 2 * frameWidth();
    for (int col = 0; col < columnCount(); ++col) {
        setColumnWidth(col, std::max(columnWidth(col), TextWidth(col)));
        width += columnWidth(col);
    }
    int height = 2 * frameWidth();
    for (int row = 0; row < rowCount(); ++row)
        height += rowHeight(row);
    setFixedSize(width, height);
}

void AlignmentGrid::SetEditValidator(QValidator* validator) { m_editor->setValidator(validator); }

void AlignmentGrid::OpenEditor(int row, int col)
{
    m_nEditRow = row;
    m_nEditCol = col;
    m_editor->setGeometry(visualItemRect(item(row, col)));
    m_editor->setText(Text(row, col).trimmed());
    m_editor->show();
    m_editor->setFocus(Qt::OtherFocusReason);
    m_editor->selectAll();
}

void AlignmentGrid::CloseEditor(bool commit)
{
    if (m_nEditRow == 0)
        return;
    const int row = m_nEditRow;
    const int col = m_nEditCol;
    m_nEditRow = 0;
    m_nEditCol = 0;
    m_editor->hide();
    if (commit)
        emit Committed(row, col, m_editor->text());
}

bool AlignmentGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_editor) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
                CloseEditor(key != Qt::Key_Escape);
                return true; // the window's default button does not see this key
            }
        }
        if (event->type() == QEvent::FocusOut)
            CloseEditor(true); // clicking elsewhere commits
    }
    return QTableWidget::eventFilter(watched, event);
}
