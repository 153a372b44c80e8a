// Line edit with wrapping spin arrows for the page's scan-back, pause and dwell times.
#include "editor/qt/CSpinEdit.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

CSpinEdit::CSpinEdit(QWidget* parent) : QWidget(parent)
{
    m_edit = new QLineEdit(this);
    m_up = new QToolButton(this);
    m_down = new QToolButton(this);
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {m_up, m_down}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus); // a click leaves the focus (and the pending store) in the edit
        b->setFixedSize(16, 11);
        b->setIconSize(QSize(7, 5));
    }
    auto* arrows = new QVBoxLayout;
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(0);
    arrows->addWidget(m_up);
    arrows->addWidget(m_down);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    row->addWidget(m_edit, 1);
    row->addLayout(arrows);

    connect(m_up, &QToolButton::clicked, this, [this] { Step(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { Step(-1); });
    m_edit->installEventFilter(this);
    setFocusProxy(m_edit);
}

void CSpinEdit::Step(int steps)
{
    if (m_stepper && m_edit->isEnabled())
        m_edit->setText(m_stepper(m_edit->text(), steps));
}

bool CSpinEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Step(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
