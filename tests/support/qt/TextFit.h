// Finds the texts a window cuts: captions, check boxes, buttons, group titles, list entries, edit
// texts, table cells and child-window titles that need more room than their widget has. Used on
// every window of the program in both languages at its default size.
#pragma once

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QTableWidget>
#include <QWidget>

namespace textfit {

// The text as drawn: a mnemonic "&" is not drawn, "&&" draws one "&".
inline QString Drawn(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

inline QString Name(const QWidget* w, const QString& text)
{
    return QStringLiteral("%1 \"%2\"").arg(QString::fromLatin1(w->metaObject()->className()), text);
}

inline void CheckCombo(const QComboBox* combo, QStringList& cut)
{
    QStyleOptionComboBox opt;
    opt.initFrom(combo);
    opt.editable = combo->isEditable();
    opt.frame = combo->hasFrame();
    const QRect field =
        combo->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, combo);
    const QFontMetrics fm(combo->font());
    for (int i = 0; i < combo->count(); ++i) {
        const QString item = combo->itemText(i);
        const int need = fm.horizontalAdvance(item) + 2;
        if (need > field.width())
            cut << Name(combo, item) + QStringLiteral(" needs %1 of %2").arg(need).arg(field.width());
    }
}

inline void CheckLineEdit(const QLineEdit* edit, QStringList& cut)
{
    if (edit->text().isEmpty() || qobject_cast<const QComboBox*>(edit->parentWidget()) != nullptr)
        return;
    QStyleOptionFrame opt;
    opt.initFrom(edit);
    opt.lineWidth =
        edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, edit) : 0;
    const QRect contents = edit->style()->subElementRect(QStyle::SE_LineEditContents, &opt, edit);
    const QMargins m = edit->textMargins();
    const int room = contents.width() - m.left() - m.right() - 4; // the line edit's own side margins
    const int need = QFontMetrics(edit->font()).horizontalAdvance(edit->text());
    if (need > room)
        cut << Name(edit, edit->text()) + QStringLiteral(" needs %1 of %2").arg(need).arg(room);
}

inline void CheckTable(const QTableWidget* table, QStringList& cut)
{
    const int margin = table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1;
    for (int r = 0; r < table->rowCount(); ++r) {
        for (int c = 0; c < table->columnCount(); ++c) {
            const QTableWidgetItem* item = table->item(r, c);
            if (item == nullptr || item->text().isEmpty() || table->isColumnHidden(c))
                continue;
            const QFontMetrics fm(item->font());
            const int room = table->columnWidth(c) - 2 * margin;
            if (table->wordWrap()) {
                const QRect need = fm.boundingRect(QRect(0, 0, room, 10000), Qt::TextWordWrap, item->text());
                if (need.height() > table->rowHeight(r))
                    cut << Name(table, item->text()) + QStringLiteral(" needs %1 high of %2")
                                                           .arg(need.height())
                                                           .arg(table->rowHeight(r));
                continue;
            }
            const int need = fm.horizontalAdvance(item->text());
            if (need > room)
                cut << Name(table, item->text()) + QStringLiteral(" needs %1 of %2").arg(need).arg(room);
        }
    }
}

// Every cut text under root (root itself included), described for the failure message.
inline QStringList CutTexts(QWidget* root)
{
    QStringList cut;
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
        if (w != root && !w->isVisibleTo(root))
            continue;
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (!label->text().isEmpty() && !label->wordWrap() &&
                label->width() < label->minimumSizeHint().width())
                cut << Name(label, label->text()) + QStringLiteral(" needs %1 of %2")
                                                        .arg(label->minimumSizeHint().width())
                                                        .arg(label->width());
        } else if (auto* button = qobject_cast<QPushButton*>(w)) {
            const int need = QFontMetrics(button->font()).horizontalAdvance(Drawn(button->text())) + 8;
            if (!button->text().isEmpty() && button->width() < need)
                cut << Name(button, button->text()) +
                           QStringLiteral(" needs %1 of %2").arg(need).arg(button->width());
        } else if (qobject_cast<QCheckBox*>(w) != nullptr || qobject_cast<QRadioButton*>(w) != nullptr) {
            auto* box = static_cast<QAbstractButton*>(w);
            if (!box->text().isEmpty() && box->width() < box->sizeHint().width())
                cut << Name(box, box->text()) +
                           QStringLiteral(" needs %1 of %2").arg(box->sizeHint().width()).arg(box->width());
        } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
            if (!group->title().isEmpty() && group->width() < group->minimumSizeHint().width())
                cut << Name(group, group->title()) + QStringLiteral(" needs %1 of %2")
                                                         .arg(group->minimumSizeHint().width())
                                                         .arg(group->width());
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            CheckCombo(combo, cut);
        } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            CheckLineEdit(edit, cut);
        } else if (auto* table = qobject_cast<QTableWidget*>(w)) {
            CheckTable(table, cut);
        } else if (auto* sub = qobject_cast<QMdiSubWindow*>(w)) {
            // Title bar: the caption beside the window buttons (about 70 pixels for three of them).
            const int need = QFontMetrics(sub->font()).horizontalAdvance(sub->windowTitle()) + 70;
            if (!sub->windowTitle().isEmpty() && sub->width() < need)
                cut << Name(sub, sub->windowTitle()) +
                           QStringLiteral(" needs %1 of %2").arg(need).arg(sub->width());
        }
    }
    return cut;
}

} // namespace textfit
