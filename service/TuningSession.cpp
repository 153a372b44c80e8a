// The tuning conversation with the radio and the rules of the tuning window's controls.
#include "service/TuningSession.h"

#include <algorithm>

#include "app/AppState.h"
#include "app/Startup.h"
#include "codeplug/HexText.h"
#include "codeplug/ModelCatalogue.h"
#include "link/Protocol.h"
#include "link/SerialPort.h"
#include "link/WaitCursor.h"
#include "service/AlignmentBlockRead.h"
#include "service/TuningEcho.h"

namespace {

constexpr int kPortOpenText = 3012;
constexpr int kPortFaultText = 9602; // the connection to the radio was lost
constexpr int kWrongModelText = 3023;
constexpr int kLiveItem = 0;
constexpr int kConfirmPauseMs = 50;

bool InspectionOnly(int item) { return ItemKind(item) == TuningItemKind::InspectionOnly; }

} // namespace

TuningSession::TuningSession(SerialPort& port, TuningUi& ui) : m_port(port), m_ui(ui), m_log(&ui) {}

void TuningSession::ReportIfPortFault()
{
    if (!m_port.IsOpen())
        return;
    m_port.Close();
    m_ui.ReportMessage(kPortFaultText, std::string());
}

TuningSession::EnterResult TuningSession::Enter()
{
    WaitCursor cursor(m_ui);
    std::string error;
    if (!OpenRadioPort(m_port, error)) {
        m_ui.ReportMessage(kPortOpenText, error);
        return EnterResult::CloseDialog;
    }
    RadioIdentity identity;
    if (HandshakeIdentify(m_port, m_log, kTuningHandshake, FRAME_PROGRAM, identity) != HandshakeStep::Done) {
        ReportIfPortFault();
        return EnterResult::CloseDialog;
    }
    // Radios of the family identify with the model tag "R736"; another radio is not touched further.
    if (IsFamilyCode(g_strModel)) {
        const TagCheck tag = CheckModelTag(identity);
        if (tag == TagCheck::Failed) {
            ReportIfPortFault();
            return EnterResult::CloseDialog;
        }
        if (tag == TagCheck::OtherModel) {
            m_port.Close();
            m_ui.ReportMessage(kWrongModelText, std::string());
            return EnterResult::CloseDialog;
        }
    }
    if (HandshakeAcknowledge(m_port, m_log, kTuningHandshake) != HandshakeStep::Done) {
        ReportIfPortFault();
        return EnterResult::CloseDialog;
    }
    if (RequestServiceAccess(m_port, m_log, false) != AccessResult::Granted) {
        ReportIfPortFault();
        return EnterResult::NoItem;
    }
    if (ReadBlock() != EnterResult::Entered)
        return EnterResult::CloseDialog;
    std::string reply;
    if (!PortExchange(m_port, FRAME_TEST, reply, 1, kFrameMs, FRAME_ACK, m_log, true)) {
        ReportIfPortFault();
        return EnterResult::NoItem;
    }
    m_entered = true;
    Select(kLiveItem);
    return EnterResult::Entered;
}

TuningSession::TagCheck TuningSession::CheckModelTag(RadioIdentity& identity)
{
    if (identity.ModelTag() == kFamilyModelTag)
        return TagCheck::Family;
    if (!ConfirmIdentity(m_port, m_log, kTuningHandshake.identityMs, 0, identity))
        return TagCheck::Failed;
    return identity.ModelTag() == kFamilyModelTag ? TagCheck::Family : TagCheck::OtherModel;
}

TuningSession::EnterResult TuningSession::ReadBlock()
{
    std::string data;
    if (!ReadAlignmentBlocks(m_port, m_log, m_ui, data).Succeeded()) {
        ReportIfPortFault();
        return EnterResult::CloseDialog;
    }
    m_block = TuningBlock(data);
    return EnterResult::Entered;
}

bool TuningSession::SendItemFrame(const std::string& frame, std::string& reply)
{
    const ReplyShape shape = TuningReplyShape(frame);
    if (PortExchange(m_port, frame, reply, 4, kFrameMs, std::string(), m_log, true, {.shape = &shape}))
        return true;
    StopPolling();
    ReportIfPortFault();
    return false;
}

void TuningSession::StopPolling()
{
    if (!m_polling)
        return;
    m_polling = false;
    m_ui.StopPollTimer();
}

bool TuningSession::ControlsLocked() const
{
    return g_nRadioType >= 3 && ItemKind(m_view.item) == TuningItemKind::Sensitivity;
}

void TuningSession::Select(int item)
{
    if (!m_entered || m_editing || item < 0 || item >= kTuningItems)
        return;
    m_selected = item;
    if (InspectionOnly(item))
        return; // looked at in the list only: the item on screen stays
    const int point = TestPointOf(TuningItemName(item));
    m_view.item = item;
    m_view.name = TuningItemName(item);
    m_view.receiveText = m_block.ReceiveText(point);
    m_view.transmitText = m_block.TransmitText(point);
    m_view.showReceive = ShowsReceiveFrequency(item);
    m_view.showTransmit = !m_view.showReceive;
    m_view.value = m_block.ItemValue(item);
    m_view.noteVisible = ItemKind(item) == TuningItemKind::Sensitivity;
    Refresh();
}

void TuningSession::StartEditing()
{
    if (!m_entered || m_editing || m_view.item < 0 || InspectionOnly(m_selected))
        return;
    m_editing = true;
    Refresh();
    if (m_view.item == kLiveItem) {
        m_polling = true;
        m_ui.StartPollTimer(kPollMs);
        return;
    }
    std::string reply;
    if (SendItemFrame(TsFrame(m_view.item, m_block.ItemValue(m_view.item)), reply)) {
        m_view.value = m_block.ItemValue(m_view.item);
        Refresh();
    }
}

void TuningSession::SetValue(int value)
{
    if (!m_view.slider)
        return;
    value = std::clamp(value, 0, 255);
    std::string reply;
    if (SendItemFrame(TsFrame(m_view.item, value), reply))
        m_view.value = value;
    Refresh(); // on a refused value the slider goes back to the value the radio has
}

void TuningSession::Step(int delta)
{
    if (!(delta < 0 ? m_view.minus : m_view.plus))
        return;
    const int value = std::clamp(m_view.value + delta, 0, 255);
    std::string reply;
    if (SendItemFrame(TsFrame(m_view.item, value), reply)) {
        m_view.value = value;
        Refresh();
    }
}

void TuningSession::PollTick()
{
    if (!m_polling)
        return;
    std::string reply;
    if (!SendItemFrame(AskFrame(kLiveItem), reply))
        return;
    m_view.value = static_cast<int>(HexToInt(reply.substr(6, 2))); // the value is the reply's last byte
    Refresh();
    m_ui.StartPollTimer(kPollMs); // the next tick counts from the end of this exchange
}

void TuningSession::Confirm()
{
    if (!m_view.ok)
        return;
    const int item = m_view.item;
    std::string reply;
    if (!SendItemFrame(SvFrame(item, m_view.value), reply))
        return;
    m_block.SetItemValue(item, m_view.value);
    DelayMs(m_port, kConfirmPauseMs);
    StopPolling();
    if (SendItemFrame(TfFrame(item, m_block.ItemValue(item)), reply))
        EndEditing(m_block.ItemValue(item));
}

void TuningSession::Cancel()
{
    if (!m_editing)
        return;
    StopPolling();
    std::string reply;
    if (SendItemFrame(TfFrame(m_view.item, m_block.ItemValue(m_view.item)), reply))
        EndEditing(m_block.ItemValue(m_view.item));
}

void TuningSession::EndEditing(int value)
{
    m_editing = false;
    m_view.value = value;
    Refresh();
}

void TuningSession::KeyEnter()
{
    if (m_editing)
        Confirm();
    else
        StartEditing();
}

bool TuningSession::KeyEscape()
{
    if (m_editing) {
        Cancel();
        return false;
    }
    Leave();
    return true;
}

void TuningSession::KeyArrow(int delta)
{
    if (m_editing && !m_view.noteVisible)
        Step(delta);
}

void TuningSession::CloseBox()
{
    StopPolling();
    // The selected item's value goes back to the one stored, also when no edit runs.
    const int item = m_selected;
    if (m_entered && item >= 0 && m_port.IsOpen()) {
        std::string reply;
        if (SendItemFrame(TfFrame(item, m_block.ItemValue(item)), reply))
            EndEditing(m_block.ItemValue(item));
    }
    Leave();
}

void TuningSession::Leave()
{
    StopPolling();
    if (m_port.IsOpen()) {
        std::string reply;
        SendItemFrame(FRAME_CLOS, reply);
        m_port.Close();
    }
    m_entered = false;
}

void TuningSession::Refresh()
{
    TuningView& v = m_view;
    const bool locked = ControlsLocked();
    const bool live = v.item == kLiveItem;
    v.editing = m_editing;
    v.cancel = m_editing;
    v.listEnabled = !m_editing;
    v.rangeLabels = m_editing;
    v.valueLabel = m_editing;
    v.ok = m_editing && !locked;
    // The live item is read from the radio, never set: its slider and steps stay disabled.
    v.slider = m_editing && !locked && !live;
    v.minus = v.slider;
    v.plus = v.slider;
    m_ui.ShowTuning(v);
}
