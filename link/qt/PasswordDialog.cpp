// Read/write password window (template 495), built in code on the PasswordForm rules.
#include "link/qt/PasswordDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/LangText.h"
#include "app/qt/ui/MsgBox.h"
#include "link/qt/DialogLayout.h"

namespace {

QString Text(int number) { return QString::fromStdString(GetLangText(number)); }

bool IsAllowed(const QString& text)
{
    for (QChar c : text) {
        if (c.unicode() >= 0x80 || !IsPasswordChar(static_cast<char>(c.unicode())))
            return false;
    }
    return true;
}

} // namespace

PasswordDialog::PasswordDialog(QWidget* parent, CodePlug& image)
    : QDialog(parent), m_image(image), m_form(image)
{
    setWindowTitle(Text(7804));
    BuildPassword(PasswordKind::Read, 7805, m_read);
    BuildPassword(PasswordKind::Write, 7806, m_write);
    m_ok = new QPushButton(Text(90000), this);
    m_cancel = new QPushButton(Text(90001), this);
    m_ok->setDefault(true);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(10);
    int row = 0;
    for (const PasswordControls* c : {&m_read, &m_write}) {
        grid->addWidget(c->box, row, 0);
        grid->addWidget(c->edit, row, 1);
        grid->addWidget(c->confirmLabel, row, 2);
        grid->addWidget(c->confirm, row, 3);
        ++row;
    }
    LayOutDialog(this, grid, {m_ok, m_cancel});

    connect(m_ok, &QPushButton::clicked, this, &PasswordDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &PasswordDialog::reject);
}

void PasswordDialog::BuildPassword(PasswordKind kind, int boxText, PasswordControls& c)
{
    const PasswordEntry& entry = m_form.Entry(kind);
    c.box = new QCheckBox(Text(boxText), this);
    c.box->setChecked(entry.enabled);
    c.edit = new QLineEdit(this);
    c.confirmLabel = new QLabel(Text(7803), this);
    c.confirm = new QLineEdit(this);
    for (QLineEdit* edit : {c.edit, c.confirm}) {
        edit->setMaxLength(kPasswordChars);
        edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('W')) * (kPasswordChars + 1));
        edit->setEnabled(entry.enabled);
        connect(edit, &QLineEdit::textEdited, this,
                [this, kind, edit](const QString& text) { OnEdited(kind, edit, text); });
    }
    // The bytes of the field as they are, one character per byte.
    c.edit->setText(QString::fromLatin1(entry.text));
    c.confirm->setText(QString::fromLatin1(entry.confirm));
    connect(c.box, &QCheckBox::clicked, this, [this, kind](bool on) { OnBoxClicked(kind, on); });
}

void PasswordDialog::OnBoxClicked(PasswordKind kind, bool on)
{
    m_form.SetEnabled(kind, on);
    const PasswordControls& c = Controls(kind);
    for (QLineEdit* edit : {c.edit, c.confirm}) {
        if (!on)
            edit->clear();
        edit->setEnabled(on);
    }
}

void PasswordDialog::OnEdited(PasswordKind kind, QLineEdit* edit, const QString& text)
{
    QString kept = text;
    if (!IsAllowed(text)) {
        MsgBox::Ask(this, Text(90006), Text(kTextBadPassword), QMessageBox::Ok, QMessageBox::Ok,
                    QMessageBox::Warning);
        edit->clear();
        kept.clear();
    }
    PasswordEntry& entry = m_form.Entry(kind);
    (edit == Controls(kind).edit ? entry.text : entry.confirm) = kept.toStdString();
}

void PasswordDialog::accept()
{
    const int result = m_form.Apply(m_image);
    if (result != 0) {
        ShowTextError(result);
        return;
    }
    QDialog::accept();
}
