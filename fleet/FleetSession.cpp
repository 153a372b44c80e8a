// One port of a fleet run: probing, taking a radio, writing it, waiting for it to be unplugged.
#include "fleet/FleetSession.h"

#include <ctime>
#include <optional>

#include "app/LangText.h"
#include "codeplug/AddressMap.h"
#include "codeplug/ModelCatalogue.h"
#include "fleet/FleetLinkUi.h"
#include "fleet/FleetRun.h"
#include "fleet/FleetTexts.h"
#include "fleet/FleetUi.h"
#include "history/HistoryLinkUi.h"
#include "history/SessionRows.h"
#include "link/BlockReads.h"
#include "link/ExchangeLog.h"
#include "link/SerialPort.h"
#include "link/WriteSession.h"

namespace {

constexpr int kSerialBlock = 0x03C0; // the block that holds the hardware version and serial number
constexpr int kSerialBlockBytes = 0x40;
constexpr int kIdentityLimitMs = 300;

FleetResult ResultOf(const TransferResult& result)
{
    if (result.Succeeded())
        return FleetResult::Programmed;
    return HistoryResultOf(result.status) == HistoryResult::Refused ? FleetResult::Refused : FleetResult::Failed;
}

} // namespace

FleetSession::FleetSession(SerialPort& port, const std::string& label, int index, FleetRun& run, FleetUi& ui)
    : m_port(port), m_label(label), m_index(index), m_run(run), m_ui(ui), m_clock(port.Clock())
{
}

void FleetSession::Status(FleetPortState state, const std::string& text)
{
    m_ui.PortStatus(m_index, {state, 0, 0, text});
}

void FleetSession::Run()
{
    while (WaitForRadio()) {
        const Outcome outcome = TakeRadio();
        if (outcome == Outcome::Over)
            break;
        if (outcome == Outcome::Handled && !WaitForUnplug())
            break;
    }
    m_port.Close();
    Status(FleetPortState::Ended);
}

bool FleetSession::Probe()
{
    if (m_probed)
        m_clock.SleepUntil(m_lastProbe + std::chrono::milliseconds(kProbeIntervalMs));
    m_probed = true;
    std::string error;
    const bool opened = OpenRadioPort(m_port, error); // waits a moment after opening: the probe starts after it
    m_lastProbe = m_clock.Now();
    if (!opened) {
        Status(FleetPortState::Failed, GetLangTextWith(fleettext::kPortNotOpen, {error}));
        return false;
    }
    std::string reply;
    const int rc = PortTransceive(m_port, FRAME_PROGRAM, reply, 1, kProbeLimitMs, ReplyShape::Exactly(FRAME_ACK));
    return rc == LINK_OK && reply == FRAME_ACK;
}

bool FleetSession::WaitForRadio()
{
    std::optional<FleetPortState> shown;
    while (!m_run.Over()) {
        // While the count is made by the radios in progress, a radio plugged now would wait anyway: no probe.
        const FleetPortState state = m_run.AllBusy() ? FleetPortState::AllBusy : FleetPortState::Waiting;
        if (shown != state)
            Status(state);
        shown = state;
        if (state == FleetPortState::AllBusy)
            m_clock.SleepFor(std::chrono::milliseconds(kProbeIntervalMs));
        else if (Probe())
            return true;
    }
    return false;
}

bool FleetSession::WaitForUnplug()
{
    Status(FleetPortState::WaitUnplug);
    int silent = 0;
    while (!m_run.Over()) {
        silent = Probe() ? 0 : silent + 1;
        if (silent >= kSilentProbes)
            return true;
    }
    return false;
}

bool FleetSession::ReadIdentityAndSerial(RadioIdentity& identity, std::string& block)
{
    NullLinkUi quiet;
    ExchangeLog log(&quiet);
    std::string reply;
    const ReplyShape shape = IdentityShape();
    if (!PortExchange(m_port, FRAME_IDENTITY, reply, 8, kIdentityLimitMs, std::string(), log, false,
                      {.shape = &shape}))
        return false;
    identity = RadioIdentity(reply);
    DelayMs(m_port, 20);
    if (HandshakeAcknowledge(m_port, log, kWriteHandshake) != HandshakeStep::Done)
        return false;
    BlockReadPlan plan;
    plan.address = kSerialBlock;
    plan.blockBytes = kSerialBlockBytes;
    plan.blocks = 1;
    plan.logAlways = false;
    return ReadBlocks(m_port, log, quiet, plan, block).Succeeded() && identity.IsValid();
}

FleetSession::Outcome FleetSession::TakeRadio()
{
    Status(FleetPortState::Reading);
    m_radioStart = m_clock.Now();
    FleetRadio radio;
    radio.portIndex = m_index;
    radio.port = m_label;
    radio.start = std::time(nullptr);

    RadioIdentity identity;
    std::string block;
    if (!ReadIdentityAndSerial(identity, block)) {
        m_port.Close();
        Finish(radio, FleetResult::Failed, GetLangText(fleettext::kNoIdentity));
        return Outcome::Handled;
    }
    HistoryRecord seen;
    TakeIdentity(seen, identity);
    CodePlug memory = m_run.Plug(); // the radio's own block in an image, for its serial number
    memory.Write(kSerialBlock, block);
    seen.TakeRadioFields(memory.Text());
    radio.serial = seen.serial;
    radio.hardware = seen.hardware;
    radio.firmware = seen.firmware;
    radio.model = seen.model;
    radio.band = seen.band;

    const std::string fileBand = BandCodeOf(m_run.Plug().Text());
    const bool acceptable = !WriteSession::RefusesModel(identity) && identity.BandCode() == fileBand;
    switch (m_run.Admit(radio.serial, acceptable)) {
    case FleetRun::Admission::Over:
        return Outcome::Over;
    case FleetRun::Admission::AllBusy:
        return Outcome::NotTaken;
    case FleetRun::Admission::RepeatedAgain:
        return Outcome::Handled;
    case FleetRun::Admission::RepeatedFirst:
        Finish(radio, FleetResult::Repeated, GetLangText(fleettext::kRepeated));
        return Outcome::Handled;
    case FleetRun::Admission::Refuse:
        Finish(radio, FleetResult::Refused,
               GetLangTextWith(fleettext::kOtherRadio, {identity.ModelNumber(), identity.BandCode(), kFamilyModelNumber, fileBand}));
        return Outcome::Handled;
    case FleetRun::Admission::Take:
        break;
    }
    WriteRadio(radio);
    return Outcome::Handled;
}

void FleetSession::WriteRadio(FleetRadio& radio)
{
    FleetLinkUi progress(m_ui, m_index, m_run.Plug());
    HistoryLinkUi recorded(progress);
    recorded.Begin(std::string());
    CodePlug image = m_run.Plug();
    WriteSession session(m_port, recorded, image);
    const WriteOptions options{true, true};
    session.SetOptions(options);
    const TransferResult result = session.Run();
    m_port.Close();
    m_run.EndRadio(result.Succeeded());

    std::vector<HistoryRecord> rows = WriteRows(session, options, result, image.Text(), recorded.Message());
    for (HistoryRecord& row : rows)
        if (row.operation == HistoryOp::Write)
            row.operation = HistoryOp::FleetWrite;
    Conclude(radio, ResultOf(result), OneLine(recorded.Message()), std::move(rows));
}

void FleetSession::Finish(FleetRadio& radio, FleetResult result, const std::string& message)
{
    HistoryRecord row;
    row.operation = HistoryOp::FleetWrite;
    row.result = result == FleetResult::Failed ? HistoryResult::Failed : HistoryResult::Refused;
    row.message = message;
    row.serial = radio.serial;
    row.hardware = radio.hardware;
    row.firmware = radio.firmware;
    row.model = radio.model;
    row.band = radio.band;
    Conclude(radio, result, message, {row});
}

void FleetSession::Conclude(FleetRadio& radio, FleetResult result, const std::string& message,
                            std::vector<HistoryRecord> rows)
{
    radio.end = std::time(nullptr);
    radio.seconds = std::chrono::duration<double>(m_clock.Now() - m_radioStart).count();
    radio.result = result;
    radio.message = message;
    m_run.Record(std::move(rows), radio);
    m_ui.RadioHandled(radio);
    if (result == FleetResult::Programmed)
        Status(FleetPortState::Done, radio.serial);
    else
        Status(result == FleetResult::Failed ? FleetPortState::Failed : FleetPortState::Refused, message);
    m_ui.MayUnplug(m_index, radio.serial);
}
