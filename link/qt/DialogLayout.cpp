// Body above a right-aligned button row, at the window's natural size.
#include "link/qt/DialogLayout.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

void LayOutDialog(QDialog* dialog, QLayout* body, std::initializer_list<QPushButton*> buttons)
{
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (QPushButton* button : buttons)
        row->addWidget(button);
    auto* layout = new QVBoxLayout(dialog);
    layout->addLayout(body);
    layout->addSpacing(8);
    layout->addLayout(row);
    dialog->setFixedSize(dialog->sizeHint());
}
