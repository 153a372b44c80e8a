// The tuning window (Ctrl+M): the 21 alignment items of the radio, the item being tuned with its test
// frequency, slider, "-"/"+", OK and Cancel, and the exchange log in the service view. A thin widget
// part over TuningSession, which holds every rule.
#pragma once

#include <QDialog>
#include <QTimer>

#include <memory>

#include "app/qt/ui/DialogCursor.h"
#include "link/SerialPort.h"
#include "service/TuningUi.h"

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSlider;
class TuningSession;

class TuningDialog : public QDialog, public TuningUi {
    Q_OBJECT
public:
    static constexpr int kFullWidth = 700;
    static constexpr int kHeight = 420;
    static constexpr int kLogWidth = 240; // the window is this much narrower without the service view

    // port: nullptr for a radio port on the current port name ("9600,n,8,1"); tests pass their own.
    // The tuning mode is entered once the window shows.
    explicit TuningDialog(QWidget* parent = nullptr, std::unique_ptr<SerialPort> port = nullptr);
    ~TuningDialog() override;

    TuningSession& Session() { return *m_session; }
    QListWidget* ItemList() const { return m_list; }
    QSlider* Slider() const { return m_slider; }
    QLabel* ValueLabel() const { return m_value; }
    QLabel* NameLabel() const { return m_name; }
    QLabel* ReceiveValue() const { return m_rxValue; }
    QLabel* TransmitValue() const { return m_txValue; }
    QLabel* Note() const { return m_note; }
    QPushButton* MinusButton() const { return m_minus; }
    QPushButton* PlusButton() const { return m_plus; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }
    QPlainTextEdit* LogView() const { return m_log; }
    bool PollTimerActive() const { return m_poll.isActive(); }

    // TuningUi
    void ShowTuning(const TuningView& view) override;
    void StartPollTimer(int ms) override;
    void StopPollTimer() override;
    void ShowLog(const std::string& text) override;
    void ReportMessage(int textNumber, const std::string& detail) override;
    void SetWaitCursor(bool on) override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;

private:
    void BuildControls();
    void SetTexts();
    void EnterTuningMode();
    void OnSliderChanged(int value);
    // Enter and the arrows as the tuning rules take them; false for a key they leave alone.
    bool HandleKey(int key);

    std::unique_ptr<SerialPort> m_port;
    std::unique_ptr<TuningSession> m_session;
    QTimer m_poll;
    bool m_enterDone = false;
    DialogCursor m_cursor;
    bool m_showing = false; // the view is being put on the widgets: slider changes are not the user's

    QListWidget* m_list = nullptr;
    QLabel* m_rxLabel = nullptr;
    QLabel* m_rxValue = nullptr;
    QLabel* m_rxUnit = nullptr;
    QLabel* m_txLabel = nullptr;
    QLabel* m_txValue = nullptr;
    QLabel* m_txUnit = nullptr;
    QLabel* m_name = nullptr;
    QLabel* m_low = nullptr;
    QLabel* m_high = nullptr;
    QSlider* m_slider = nullptr;
    QLabel* m_value = nullptr;
    QPushButton* m_minus = nullptr;
    QPushButton* m_plus = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    QLabel* m_note = nullptr;
    QPlainTextEdit* m_log = nullptr;
    QPushButton* m_clear = nullptr;
};
