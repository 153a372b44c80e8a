// Read/write window frame: controls, shrinking without the service view, keys, auto-close setting.
#include "link/qt/TransferDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>

#include "app/AppState.h"
#include "app/LangText.h"
#include "app/Settings.h"
#include "app/qt/ui/MsgBox.h"
#include "link/PortNames.h"
#include "link/PreWriteCheck.h"
#include "link/RadioPort.h"
#include "link/qt/PortFactory.h"

namespace {

QString Text(int number) { return QString::fromStdString(GetLangText(number)); }

constexpr int kWidth = 430;
constexpr int kFullHeight = 330;
constexpr int kShrunkHeight = 110;
// Problems listed in the question before a write; the rest are counted.
constexpr std::size_t kProblemsShown = 12;

} // namespace

TransferDialog::TransferDialog(QWidget* parent, std::unique_ptr<SerialPort> port)
    : QDialog(parent), m_port(port ? std::move(port) : CreateRadioPort())
{
    // Fixed layout as the window was designed: the service area lies below the first 110 pixels.
    m_progress = new QProgressBar(this);
    m_progress->setGeometry(16, 34, 290, 22);
    m_progress->setTextVisible(false);
    m_start = new QPushButton(this);
    m_start->setGeometry(322, 28, 92, 34);
    m_autoClose = new QCheckBox(Text(3003), this);
    m_autoClose->setGeometry(16, 118, 300, 22);
    m_test = new QPushButton(QStringLiteral("Test"), this);
    m_test->setGeometry(322, 112, 92, 30);
    m_log = new QPlainTextEdit(this);
    m_log->setGeometry(16, 150, 398, 164);
    m_log->setReadOnly(true);
    m_log->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_log->setFont(QFont(QStringLiteral("Monospace"), 9));

    m_start->setAutoDefault(false);
    m_test->setAutoDefault(false);
    m_autoClose->setChecked(ReadYesSetting("option", "auto_close_rw_window"));

    setFixedSize(kWidth, g_bServiceView ? kFullHeight : kShrunkHeight);
    m_progress->reset();

    connect(m_start, &QPushButton::clicked, this, &TransferDialog::StartTransfer);
    connect(m_test, &QPushButton::clicked, this, &TransferDialog::RunDryRun);

    ConfigureRadioPort(*m_port, g_strComPort, kCodePlugLineSettings);
}

TransferDialog::~TransferDialog()
{
    SetWaitCursor(false);
    if (m_port && m_port->IsOpen())
        m_port->Close();
}

void TransferDialog::SetTexts(const QString& title, const QString& startText, bool withTestButton)
{
    setWindowTitle(title);
    m_start->setText(startText);
    // The Test button belongs to the service view only.
    m_test->setVisible(withTestButton && g_bServiceView);
    m_start->setFocus();
}

void TransferDialog::SetProgressRange(int low, int high) { m_progress->setRange(low, high); }

void TransferDialog::SetProgressPos(int pos)
{
    m_progress->setValue(pos);
    m_progress->repaint(); // the transfer blocks the event loop: paint now
}

void TransferDialog::ShowLog(const std::string& text)
{
    m_log->setPlainText(QString::fromStdString(text));
    m_log->verticalScrollBar()->setValue(m_log->verticalScrollBar()->maximum());
    if (m_log->isVisible())
        m_log->viewport()->repaint();
}

void TransferDialog::ReportMessage(int textNumber, const std::string& detail)
{
    m_cursor.ShowText(textNumber, detail);
}

void TransferDialog::ReportSuccess(int textNumber, const std::string& detail)
{
    m_cursor.ShowSuccess(textNumber, detail);
}

bool TransferDialog::AskYesNo(int textNumber)
{
    return m_cursor.WithNormalCursor([&] {
        return MsgBox::Ask(this, Text(90006), Text(textNumber), QMessageBox::Yes | QMessageBox::No,
                           QMessageBox::No, QMessageBox::Question) == QMessageBox::Yes;
    });
}

bool TransferDialog::AskWriteAnyway(const PreWriteCheck& check)
{
    const QString text = Text(9620) + QStringLiteral("\n\n") +
                         QString::fromStdString(DescribeWriteProblems(check, kProblemsShown)) +
                         QStringLiteral("\n\n") + Text(9621);
    return m_cursor.WithNormalCursor([&] {
        return MsgBox::Ask(this, Text(90006), text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No,
                           QMessageBox::Warning) == QMessageBox::Yes;
    });
}

void TransferDialog::SetButtonEnabled(bool enabled) { m_start->setEnabled(enabled); }

void TransferDialog::SetWaitCursor(bool on) { m_cursor.SetWait(on); }

void TransferDialog::FinishSucceeded()
{
    if (m_start->isEnabled())
        m_start->setFocus();
    if (m_autoClose->isChecked())
        done(QDialog::Accepted); // closing by itself does not store the box
}

void TransferDialog::FinishFailed() { m_progress->reset(); }

void TransferDialog::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter starts the transfer as the button would, when the button can be pressed; on a
        // focused Test button it presses that button, so it never starts a real write by surprise.
        if (m_test->isVisible() && m_test->hasFocus())
            m_test->click();
        else if (m_start->isEnabled())
            StartTransfer();
        event->accept();
        return;
    case Qt::Key_Escape:
        event->accept(); // Escape does not close the window
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void TransferDialog::reject()
{
    // Only the close box ends the window (closeEvent); Escape and the like do nothing.
}

void TransferDialog::closeEvent(QCloseEvent* event)
{
    WriteYesSetting("option", "auto_close_rw_window", m_autoClose->isChecked());
    event->accept();
    done(QDialog::Rejected);
}
