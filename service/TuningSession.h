// The radio's tuning mode: entering it (handshake, model check, service code, the alignment block,
// TEST), tuning one item at a time with TS/ASK, confirming with SV/TF or cancelling with TF, and
// leaving with CLOS. Widget-free; the tuning window and the tests drive it through TuningUi.
#pragma once

#include <string>

#include "link/ExchangeLog.h"
#include "link/Protocol.h"
#include "service/TuningEcho.h"
#include "service/TuningItems.h"
#include "service/TuningUi.h"

class SerialPort;

class TuningSession {
public:
    static constexpr int kPollMs = 900;
    static constexpr int kFrameMs = 300;

    // How entering ended, and so what the window does next.
    enum class EnterResult {
        Entered,     // item 0 shown, the list takes the focus
        CloseDialog, // no radio, wrong model or the radio stopped during the handshake or the block reads
        NoItem,      // the service code or TEST failed: the window stays open with no item shown
    };

    // port: configured by the caller ("9600,n,8,1" on the current port); opened by Enter when closed.
    TuningSession(SerialPort& port, TuningUi& ui);

    EnterResult Enter();

    // The list's selection changed. Items 12 to 15 leave the item on screen as it was.
    void Select(int item);
    // Enter while not editing: tuning of the selected item begins (nothing for items 12 to 15).
    void StartEditing();
    // Slider moved to value while editing: TS with it; the view follows only when the radio took it.
    void SetValue(int value);
    // "-" (-1) and "+" (+1), also the arrow keys: TS with the value one step on, held within 0..255.
    void Step(int delta);
    // OK: SV with the shown value, stored in the block, then TF with it; editing ends.
    void Confirm();
    // Cancel: TF with the value stored before editing; editing ends.
    void Cancel();
    // One tick of the live item's poll: ASK, the value shown, the next tick asked for.
    void PollTick();

    // Keys of the window. Enter starts editing or confirms; Escape cancels the edit or, while not
    // editing, leaves the tuning mode (true: the window closes); the arrows step while editing with
    // the note hidden (-1 Left/Up, +1 Right/Down).
    void KeyEnter();
    bool KeyEscape();
    void KeyArrow(int delta);
    // The close box: the selected item's edit is cancelled (TF also when none runs), then CLOS. The
    // window closes whatever the radio answers.
    void CloseBox();
    // CLOS (when the port is still open) and the port closed.
    void Leave();

    const TuningView& View() const { return m_view; }
    const TuningBlock& Block() const { return m_block; }
    bool Entered() const { return m_entered; }
    bool Editing() const { return m_editing; }
    bool Polling() const { return m_polling; }
    int SelectedItem() const { return m_selected; }
    ExchangeLog& Log() { return m_log; }

private:
    // One tuning frame awaiting 4 bytes (300 ms, report-failure on, found by its echo). False also
    // stops the poll; a port fault closes the port and tells the lost connection.
    bool SendItemFrame(const std::string& frame, std::string& reply);
    // After a failed exchange: PortExchange has shown 3009 and closed the port after three attempts;
    // a port that is still open failed itself, which is reported here.
    void ReportIfPortFault();
    enum class TagCheck { Family, OtherModel, Failed };
    // Whether the identity is that of a radio of the family (model tag "R736"); another model only on
    // an identity the radio gave twice.
    TagCheck CheckModelTag(RadioIdentity& identity);
    EnterResult ReadBlock();
    void StopPolling();
    // Ends the edit: the view shows value, the list is enabled again.
    void EndEditing(int value);
    void Refresh();
    bool ControlsLocked() const; // radio type 3 or more on items 16 to 20: only Cancel works

    SerialPort& m_port;
    TuningUi& m_ui;
    ExchangeLog m_log;
    TuningBlock m_block;
    TuningView m_view;
    bool m_entered = false;
    bool m_editing = false;
    bool m_polling = false;
    int m_selected = -1;
};
