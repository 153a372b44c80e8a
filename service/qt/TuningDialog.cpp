// Tuning window: controls in the fixed places of the window's design, keys, the poll timer and the
// posted start; every decision is the TuningSession's.
#include "service/qt/TuningDialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>

#include "app/AppState.h"
#include "app/LangText.h"
#include "app/qt/ui/AppFont.h"
#include "link/PortNames.h"
#include "link/RadioPort.h"
#include "link/qt/PortFactory.h"
#include "service/TuningItems.h"
#include "service/TuningSession.h"

namespace {

QString Text(int number) { return QString::fromStdString(GetLangText(number)); }
QString Qs(const std::string& text) { return QString::fromStdString(text); }

// Inspection-only items stand apart from the ones that can be tuned.
const QColor kInspectionColour(0, 96, 160);
const QColor kNoteColour(176, 0, 0);

} // namespace

TuningDialog::TuningDialog(QWidget* parent, std::unique_ptr<SerialPort> port)
    : QDialog(parent), m_port(port ? std::move(port) : CreateRadioPort())
{
    ConfigureRadioPort(*m_port, g_strComPort, kServiceLineSettings);
    m_session = std::make_unique<TuningSession>(*m_port, *this);
    BuildControls();
    SetTexts();
    // Without the service view the log lies outside the narrower window.
    setFixedSize(g_bServiceView ? kFullWidth : kFullWidth - kLogWidth, kHeight);
    for (int item = 0; item < kTuningItems; ++item)
        m_list->addItem(Qs(TuningItemName(item)));
    ShowTuning(m_session->View()); // editing off; the inspection items in their colour
    m_note->hide();

    m_poll.setSingleShot(true);
    connect(&m_poll, &QTimer::timeout, this, [this] { m_session->PollTick(); });
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) { m_session->Select(row); });
    connect(m_slider, &QSlider::valueChanged, this, &TuningDialog::OnSliderChanged);
    connect(m_minus, &QPushButton::clicked, this, [this] { m_session->Step(-1); });
    connect(m_plus, &QPushButton::clicked, this, [this] { m_session->Step(+1); });
    connect(m_ok, &QPushButton::clicked, this, [this] { m_session->Confirm(); });
    connect(m_cancel, &QPushButton::clicked, this, [this] { m_session->Cancel(); });
    connect(m_clear, &QPushButton::clicked, this, [this] { m_session->Log().Clear(); });
}

TuningDialog::~TuningDialog()
{
    if (m_port && m_port->IsOpen())
        m_port->Close();
}

void TuningDialog::BuildControls()
{
    m_list = new QListWidget(this);
    m_list->setGeometry(12, 12, 214, kHeight - 24);
    m_name = new QLabel(this);
    m_name->setGeometry(238, 14, 214, 24);
    QFont bold = m_name->font();
    bold.setBold(true);
    m_name->setFont(bold);

    auto frequencyRow = [this](QLabel*& label, QLabel*& value, QLabel*& unit) {
        label = new QLabel(this);
        label->setGeometry(238, 50, 96, 22);
        value = new QLabel(this);
        value->setGeometry(334, 50, 80, 22);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        unit = new QLabel(QStringLiteral("MHz"), this);
        unit->setGeometry(418, 50, 34, 22);
    };
    frequencyRow(m_rxLabel, m_rxValue, m_rxUnit);
    frequencyRow(m_txLabel, m_txValue, m_txUnit);

    m_low = new QLabel(QStringLiteral("0"), this);
    m_low->setGeometry(238, 100, 22, 24);
    m_low->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_slider = new QSlider(Qt::Horizontal, this);
    m_slider->setGeometry(266, 100, 150, 24);
    m_slider->setRange(0, 255);
    m_high = new QLabel(QStringLiteral("255"), this);
    m_high->setGeometry(420, 100, 32, 24);

    m_minus = new QPushButton(QStringLiteral("-"), this);
    m_minus->setGeometry(266, 136, 36, 28);
    m_value = new QLabel(this);
    m_value->setGeometry(306, 136, 70, 28);
    m_value->setAlignment(Qt::AlignCenter);
    m_value->setFrameShape(QFrame::StyledPanel);
    m_plus = new QPushButton(QStringLiteral("+"), this);
    m_plus->setGeometry(380, 136, 36, 28);

    m_note = new QLabel(this);
    m_note->setGeometry(238, 184, 214, 64);
    m_note->setWordWrap(true);
    m_note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette note = m_note->palette();
    note.setColor(QPalette::WindowText, kNoteColour);
    m_note->setPalette(note);

    m_ok = new QPushButton(this);
    m_ok->setGeometry(262, kHeight - 44, 92, 32);
    m_cancel = new QPushButton(this);
    m_cancel->setGeometry(360, kHeight - 44, 92, 32);

    m_log = new QPlainTextEdit(this);
    m_log->setGeometry(472, 12, 216, kHeight - 64);
    m_log->setReadOnly(true);
    m_log->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_log->setFont(QFont(QStringLiteral("Monospace"), 9));
    m_clear = new QPushButton(QStringLiteral("Clear"), this);
    m_clear->setGeometry(596, kHeight - 44, 92, 32);

    // Enter, Escape and the arrows belong to the window's rules, whichever control has the focus;
    // the slider and the step buttons are worked with the mouse or those keys.
    m_slider->setFocusPolicy(Qt::NoFocus);
    m_minus->setFocusPolicy(Qt::NoFocus);
    m_plus->setFocusPolicy(Qt::NoFocus);
    m_clear->setFocusPolicy(Qt::NoFocus);
    for (QPushButton* button : {m_minus, m_plus, m_ok, m_cancel, m_clear})
        button->setAutoDefault(false);
    for (QWidget* w : {static_cast<QWidget*>(m_list), static_cast<QWidget*>(m_ok),
                       static_cast<QWidget*>(m_cancel), static_cast<QWidget*>(m_log)})
        w->installEventFilter(this);
}

void TuningDialog::SetTexts()
{
    setWindowTitle(Text(6826));
    m_rxLabel->setText(Qs(FrequencyLabelText(4020)));
    m_txLabel->setText(Qs(FrequencyLabelText(4021)));
    m_ok->setText(Text(90000));
    m_cancel->setText(Text(90001));
    m_note->setText(Text(6845));
    UseAppFont({m_list, m_rxLabel, m_rxValue, m_txLabel, m_txValue, m_name, m_value, m_ok, m_cancel, m_note});
    if (g_nLanguage == kLangChinese) {
        QFont bold = g_fontApp;
        bold.setBold(true);
        m_name->setFont(bold);
    }
}

void TuningDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_enterDone)
        return;
    m_enterDone = true;
    SetWaitCursor(true);
    // Posted: the window shows first, then the radio is put into its tuning mode.
    QTimer::singleShot(0, this, &TuningDialog::EnterTuningMode);
}

void TuningDialog::EnterTuningMode()
{
    repaint();
    const TuningSession::EnterResult result = m_session->Enter();
    SetWaitCursor(false);
    if (result == TuningSession::EnterResult::CloseDialog) {
        done(QDialog::Rejected);
        return;
    }
    if (result == TuningSession::EnterResult::Entered) {
        m_list->setCurrentRow(0);
        m_list->setFocus();
    }
}

void TuningDialog::ShowTuning(const TuningView& v)
{
    m_showing = true;
    const bool hadList = m_list->isEnabled();
    m_name->setText(Qs(v.name));
    m_rxValue->setText(Qs(v.receiveText));
    m_txValue->setText(Qs(v.transmitText));
    for (QWidget* w : {m_rxLabel, m_rxValue, m_rxUnit})
        w->setVisible(v.showReceive);
    for (QWidget* w : {m_txLabel, m_txValue, m_txUnit})
        w->setVisible(v.showTransmit);
    m_slider->setValue(v.value);
    m_value->setText(v.item >= 0 ? QString::number(v.value) : QString());
    m_note->setVisible(v.noteVisible);
    m_list->setEnabled(v.listEnabled);
    for (int item = 0; item < m_list->count(); ++item) {
        // The inspection items keep their colour, paler while the list is disabled.
        if (ItemKind(item) == TuningItemKind::InspectionOnly)
            m_list->item(item)->setForeground(v.listEnabled ? kInspectionColour
                                                            : kInspectionColour.lighter(220));
    }
    m_low->setEnabled(v.rangeLabels);
    m_high->setEnabled(v.rangeLabels);
    m_value->setEnabled(v.valueLabel);
    m_slider->setEnabled(v.slider);
    m_minus->setEnabled(v.minus);
    m_plus->setEnabled(v.plus);
    m_ok->setEnabled(v.ok);
    m_cancel->setEnabled(v.cancel);
    if (v.listEnabled && !hadList)
        m_list->setFocus(); // an edit ended: back to the list
    else if (!v.listEnabled && hadList)
        (v.ok ? m_ok : m_cancel)->setFocus();
    m_showing = false;
    repaint(); // an exchange may hold the event loop next: show the new state now
}

void TuningDialog::OnSliderChanged(int value)
{
    if (!m_showing)
        m_session->SetValue(value);
}

void TuningDialog::StartPollTimer(int ms) { m_poll.start(ms); }
void TuningDialog::StopPollTimer() { m_poll.stop(); }

void TuningDialog::ShowLog(const std::string& text)
{
    m_log->setPlainText(Qs(text));
    m_log->verticalScrollBar()->setValue(m_log->verticalScrollBar()->maximum());
    if (m_log->isVisible())
        m_log->viewport()->repaint();
}

void TuningDialog::ReportMessage(int textNumber, const std::string& detail)
{
    m_cursor.ShowText(textNumber, detail);
}

void TuningDialog::SetWaitCursor(bool on) { m_cursor.SetWait(on); }

bool TuningDialog::HandleKey(int key)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_session->KeyEnter();
        return true;
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
        if (!m_session->Editing())
            return false; // the list moves its selection
        m_session->KeyArrow(key == Qt::Key_Left || key == Qt::Key_Up ? -1 : +1);
        return true;
    default:
        return false;
    }
}

bool TuningDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && HandleKey(static_cast<QKeyEvent*>(event)->key()))
        return true;
    return QDialog::eventFilter(watched, event);
}

void TuningDialog::keyPressEvent(QKeyEvent* event)
{
    if (HandleKey(event->key()))
        event->accept();
    else
        QDialog::keyPressEvent(event); // Escape comes to reject()
}

void TuningDialog::reject()
{
    // Escape: cancels the edit, or leaves the tuning mode and closes the window.
    if (m_session->KeyEscape())
        done(QDialog::Rejected);
}

void TuningDialog::closeEvent(QCloseEvent* event)
{
    m_poll.stop();
    SetWaitCursor(true);
    m_session->CloseBox();
    SetWaitCursor(false);
    event->accept();
    done(QDialog::Rejected);
}
