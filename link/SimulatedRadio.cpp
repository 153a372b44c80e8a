// The simulated radio: frame recognition on the byte stream, the answers from its memory and
// identity, the service access and tuning items, and the injected faults.
#include "link/SimulatedRadio.h"

#include <algorithm>

#include "codeplug/FreqCodec.h"
#include "codeplug/HexText.h"
#include "codeplug/ModelCatalogue.h"
#include "link/Protocol.h"

namespace {

// The 64-byte alignment block: five test points (bytes 0-39), then one byte per tuning item, item k
// at byte 40 + k.
constexpr int kAlignmentBlock = 0x02A0;
constexpr int kAlignmentBytes = 64;
constexpr int kFirstItemByte = 40;

// Radio address of a tuning item's stored value; -1 for items the block has no byte for.
int ItemAddress(int item)
{
    return kFirstItemByte + item < kAlignmentBytes ? kAlignmentBlock + kFirstItemByte + item : -1;
}

bool StartsWith(const std::vector<std::uint8_t>& data, const char* text)
{
    for (std::size_t i = 0; text[i] != '\0'; ++i)
        if (i >= data.size() || data[i] != static_cast<std::uint8_t>(text[i]))
            return i >= data.size(); // a prefix of the text may still become the text
    return true;
}

std::vector<std::uint8_t> Bytes(std::initializer_list<int> values)
{
    std::vector<std::uint8_t> out;
    for (int v : values)
        out.push_back(static_cast<std::uint8_t>(v));
    return out;
}

} // namespace

SimulatedRadio::SimulatedRadio() { Reset(); }

void SimulatedRadio::Reset()
{
    m_memory = HexToBytes(BuildBandImage("33"));
    m_memory.resize(1024, 0xFF);
    m_input.clear();
    m_modelText = "TQ951";
    m_bandCode = 0x33;
    m_fwMajor = 0x01;
    m_fwMinor = 0x05;
    m_writeAccessReply = 0x06;
    m_readAccessReply = 0x06;
    m_serviceCodeOk = false;
    m_awaitingCode = false;
    m_dropped = false;
    m_echoHeader = true;
    m_echoTuning = true;
    m_asleep = false;
    m_mode = Mode::Idle;
    m_workValues.assign(256, -1);
    m_faults.clear();
    m_faultCounts.clear();
    m_frames.clear();
    m_ignoredWrites.clear();
    m_corruptedBytes.clear();
}

void SimulatedRadio::SetModelText(const std::string& text) { m_modelText = text.substr(0, 5); }
void SimulatedRadio::SetBandCode(std::uint8_t code) { m_bandCode = code; }

void SimulatedRadio::SetFirmware(std::uint8_t major, std::uint8_t minor)
{
    m_fwMajor = major;
    m_fwMinor = minor;
}

std::vector<std::uint8_t> SimulatedRadio::Identity() const
{
    std::vector<std::uint8_t> id(8, 0x00);
    for (std::size_t i = 0; i < m_modelText.size() && i < 5; ++i)
        id[i] = static_cast<std::uint8_t>(m_modelText[i]);
    id[5] = m_bandCode;
    id[6] = m_fwMajor;
    id[7] = m_fwMinor;
    return id;
}

std::string SimulatedRadio::MemoryHex() const { return BytesToHex(m_memory); }

void SimulatedRadio::SetMemoryHex(const std::string& hex)
{
    std::vector<std::uint8_t> bytes = HexToBytes(hex);
    if (bytes.size() == m_memory.size())
        m_memory = bytes;
}

std::string SimulatedRadio::SampleAlignmentHex()
{
    const double points[5][2] = {
        {400.025, 400.05}, {417.5, 417.525}, {435.0, 435.025}, {452.5, 452.525}, {469.975, 469.95},
    };
    std::string hex;
    for (const auto& p : points)
        hex += EncodeFreq(p[0]) + EncodeFreq(p[1]);
    for (int k = 0; kFirstItemByte + k < kAlignmentBytes - 3; ++k)
        hex += IntToHex(0x60 + 4 * k, 1);
    return hex + "FFFFFF";
}

void SimulatedRadio::LoadSampleAlignment()
{
    SetMemoryHex(SpliceHex(MemoryHex(), 2 * kAlignmentBlock, 2 * kAlignmentBytes, SampleAlignmentHex()));
}

int SimulatedRadio::ItemValue(int item) const
{
    const std::size_t i = static_cast<std::size_t>(item & 0xFF);
    if (m_workValues[i] >= 0)
        return m_workValues[i];
    const int address = ItemAddress(item & 0xFF);
    return address >= 0 ? m_memory[static_cast<std::size_t>(address)] : 0;
}

std::size_t SimulatedRadio::FrameLength() const
{
    switch (m_input[0]) {
    case 0x50: // PROGRAM
        return StartsWith(m_input, "PROGRAM") ? 7 : 0;
    case 0x51: // QUINTAR
        return StartsWith(m_input, "QUINTAR") ? 7 : 0;
    case 0x02:
    case 0x06:
    case 0x10:
    case 0x15:
        return 1;
    case 0x52: // block read: 52 address length
        return 4;
    case 0x57: // block write: 57 address length data
        return m_input.size() < 4 ? 4 : 4 + std::size_t{m_input[3]};
    case 0x53: // SV item value in the tuning mode, else the service code field
        return m_mode == Mode::Tuning ? 4 : 11;
    case 0x54: // TEST, TS, TF
    case 0x41: // ASK item
    case 0x43: // CLOS
        return 4;
    default:
        return 0;
    }
}

std::vector<SimResponse> SimulatedRadio::Receive(const std::vector<std::uint8_t>& bytes)
{
    std::vector<SimResponse> out;
    m_input.insert(m_input.end(), bytes.begin(), bytes.end());
    while (!m_input.empty()) {
        const std::size_t length = FrameLength();
        if (length == 0) { // noise on the line: not the start of any frame
            m_input.erase(m_input.begin());
            continue;
        }
        if (m_input.size() < length)
            break;
        const std::vector<std::uint8_t> frame(m_input.begin(), m_input.begin() + static_cast<long>(length));
        m_input.erase(m_input.begin(), m_input.begin() + static_cast<long>(length));
        const std::string frameHex = BytesToHex(frame);
        m_frames.push_back(frameHex);
        SimResponse response;
        if (!m_dropped)
            ApplyFaults(frameHex, frame, response);
        out.push_back(response);
    }
    return out;
}

SimResponse SimulatedRadio::Answer(const std::vector<std::uint8_t>& f)
{
    SimResponse r;
    const bool ready = m_mode == Mode::Ready;
    if (m_asleep && f[0] == 0x51)
        return r; // sleeping through QUINTAR
    if (f[0] == 0x02)
        m_asleep = false;
    switch (f[0]) {
    case 0x50:
    case 0x51:
        m_mode = Mode::Program;
        m_serviceCodeOk = false;
        m_awaitingCode = false;
        r.bytes = Bytes({0x06});
        break;
    case 0x02:
        if (m_mode != Mode::Idle)
            r.bytes = Identity();
        break;
    case 0x06:
        if (m_mode == Mode::Program)
            m_mode = Mode::Ready;
        if (m_mode != Mode::Idle)
            r.bytes = Bytes({0x06});
        break;
    case 0x52:
        if (ready) {
            const int address = (f[1] << 8) | f[2];
            r.bytes = m_echoHeader ? f : Bytes({0xA5, 0xA5, 0xA5, 0xA5}); // header
            for (int i = 0; i < f[3]; ++i)
                r.bytes.push_back(m_memory[static_cast<std::size_t>((address + i) & 0x3FF)]);
        }
        break;
    case 0x57:
        if (ready) {
            StoreBlock((f[1] << 8) | f[2], f);
            r.bytes = Bytes({0x06});
        }
        break;
    case 0x10:
    case 0x15:
        if (ready) {
            const std::uint8_t reply = f[0] == 0x10 ? m_readAccessReply : m_writeAccessReply;
            m_awaitingCode = reply == 0x06;
            r.bytes = {reply};
        }
        break;
    case 0x53:
        if (m_mode == Mode::Tuning) { // SV: the confirmed value goes into the alignment block
            m_workValues[f[2]] = f[3];
            if (ItemAddress(f[2]) >= 0)
                m_memory[static_cast<std::size_t>(ItemAddress(f[2]))] = f[3];
            r.bytes = TuningReply(f);
        } else if (ready && m_awaitingCode) {
            m_awaitingCode = false;
            m_serviceCodeOk = BytesToHex(f) == ServiceCodeFrame();
            r.bytes = Bytes({m_serviceCodeOk ? 0x06 : 0x15});
        }
        break;
    case 0x54:
        if ((ready || m_mode == Mode::Tuning) && StartsWith(f, "TEST")) { // a repeated TEST is answered too
            m_mode = Mode::Tuning;
            r.bytes = Bytes({0x06});
        } else if (m_mode == Mode::Tuning && (f[1] == 0x53 || f[1] == 0x46)) { // TS, TF
            m_workValues[f[2]] = f[3];
            r.bytes = TuningReply(f);
        }
        break;
    case 0x41:
        if (m_mode == Mode::Tuning && f[1] == 0x53 && f[2] == 0x4B)
            r.bytes = TuningReply(Bytes({0x41, 0x53, f[3], ItemValue(f[3])}));
        break;
    case 0x43:
        if (m_mode == Mode::Tuning && StartsWith(f, "CLOS")) {
            m_mode = Mode::Ready;
            m_workValues.assign(256, -1);
            r.bytes = TuningReply(f);
        }
        break;
    default:
        break;
    }
    return r;
}

std::vector<std::uint8_t> SimulatedRadio::TuningReply(std::vector<std::uint8_t> echo) const
{
    if (!m_echoTuning)
        std::fill(echo.begin(), echo.end() - 1, std::uint8_t{0x06});
    return echo;
}

void SimulatedRadio::ApplyFaults(const std::string& frameHex, const std::vector<std::uint8_t>& frame,
                                 SimResponse& response)
{
    m_faultCounts.resize(m_faults.size(), 0);
    std::vector<const SimFault*> active;
    for (std::size_t i = 0; i < m_faults.size(); ++i) {
        const SimFault& fault = m_faults[i];
        if (frameHex.compare(0, fault.prefix.size(), fault.prefix) != 0)
            continue;
        const int index = ++m_faultCounts[i];
        if (index >= fault.frame && (fault.count == 0 || index < fault.frame + fault.count))
            active.push_back(&fault);
    }
    // A frame lost on the way (no answer, dropped line) leaves the radio as it was; stray bytes still
    // come, at the moment its answer would have.
    bool lost = false;
    for (const SimFault* fault : active) {
        if (fault->kind == SimFault::Kind::Drop) {
            response.drop = true;
            m_dropped = true;
            return;
        }
        lost = lost || fault->kind == SimFault::Kind::NoAnswer;
    }
    if (!lost)
        response = Answer(frame);
    for (const SimFault* fault : active)
        if (fault->kind == SimFault::Kind::Stray)
            response.strays.push_back(fault->stray);
    if (lost)
        return;
    for (const SimFault* fault : active) {
        switch (fault->kind) {
        case SimFault::Kind::LateAnswer:
            response.delayMs += fault->delayMs;
            break;
        case SimFault::Kind::WrongByte:
            if (!response.bytes.empty())
                response.bytes.back() = fault->value;
            break;
        case SimFault::Kind::ExtraBytes:
            response.bytes.insert(response.bytes.end(), fault->bytes.begin(), fault->bytes.end());
            break;
        default:
            break;
        }
    }
}

void SimulatedRadio::StoreBlock(int address, const std::vector<std::uint8_t>& f)
{
    if (std::find(m_ignoredWrites.begin(), m_ignoredWrites.end(), address) != m_ignoredWrites.end())
        return;
    for (int i = 0; i < f[3]; ++i) {
        const int at = (address + i) & 0x3FF;
        std::uint8_t value = f[static_cast<std::size_t>(4 + i)];
        if (std::find(m_corruptedBytes.begin(), m_corruptedBytes.end(), at) != m_corruptedBytes.end())
            value ^= 0x01;
        m_memory[static_cast<std::size_t>(at)] = value;
    }
}

SimulatedRadio& SharedSimulatedRadio()
{
    static SimulatedRadio radio;
    return radio;
}
