// A stand-in for the radio on the other end of the line: answers every frame of the programming
// protocol from its own 1024-byte memory, with configurable identity and injectable faults.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Bytes on the line that are not the radio's answer (noise, an adapter's own bytes, a stray answer of
// an earlier frame): in front of a reply, between two of its bytes, or some time after it.
struct SimStray {
    enum class Where { Before, Inside, After };
    Where where = Where::After;
    std::size_t index = 0; // Inside: after this many bytes of the reply
    int delayMs = 0;       // After: from the moment the reply's last byte has crossed the line
    std::vector<std::uint8_t> bytes;
};

// A fault the radio commits on chosen frames. Frames are counted from 1 since the last Reset();
// when prefix is set (hex text, e.g. "52"), only frames starting with it are counted for this fault.
struct SimFault {
    enum class Kind {
        NoAnswer,   // the frame is lost: no reply, the radio's state stays as it was
        LateAnswer, // the reply comes delayMs late
        WrongByte,  // the last byte of the reply is replaced by value
        ExtraBytes, // bytes are sent after the reply
        Drop,       // the connection fails: the port faults from this frame on
        Stray,      // stray bytes come with the reply, where `stray` says (the reply itself is right)
    };
    Kind kind = Kind::NoAnswer;
    int frame = 1; // first matching frame (1-based) the fault applies to
    int count = 1; // how many matching frames in a row (0: all from frame on)
    std::string prefix;
    int delayMs = 0;
    std::uint8_t value = 0x15;
    std::vector<std::uint8_t> bytes;
    SimStray stray;
};

// The radio's reaction to one complete frame.
struct SimResponse {
    std::vector<std::uint8_t> bytes; // reply (may be empty)
    int delayMs = 0;                 // extra delay before the first reply byte
    bool drop = false;               // the connection fails
    std::vector<SimStray> strays;    // bytes that come with it but are nobody's answer
};

class SimulatedRadio {
public:
    SimulatedRadio();

    // Memory, identity and modes back to the start: band "33" default image, tag "TQ951".
    void Reset();

    // Identity bytes 0-4 as ASCII (default "TQ951"; "R736" for the service functions, byte 4 then
    // taken from the model text's fifth character or 0x00), band code byte 5, firmware bytes 6-7.
    void SetModelText(const std::string& text);
    void SetBandCode(std::uint8_t code);
    void SetFirmware(std::uint8_t major, std::uint8_t minor);
    std::vector<std::uint8_t> Identity() const;

    // The radio's memory (1024 bytes), e.g. to preload or inspect it.
    std::string MemoryHex() const;
    void SetMemoryHex(const std::string& hex);
    std::uint8_t MemoryByte(int address) const { return m_memory[static_cast<std::size_t>(address & 0x3FF)]; }

    // Header of a block read reply: the request echoed (default), or four 0xA5 bytes as a radio that
    // sends something else there would.
    void SetEchoHeader(bool on) { m_echoHeader = on; }

    // Replies to the tuning frames: their echo (default; ASK answers "AS" + item + value), or three
    // 0x06 bytes before the last byte as a radio that does not echo them would send.
    void SetEchoTuning(bool on) { m_echoTuning = on; }

    // Access query: reply to "15" (0x06 asks for the service code, 0x07 refuses) and to "10".
    void SetWriteAccessReply(std::uint8_t reply) { m_writeAccessReply = reply; }
    void SetReadAccessReply(std::uint8_t reply) { m_readAccessReply = reply; }
    bool ServiceCodeAccepted() const { return m_serviceCodeOk; }

    // A plausible alignment block at 0x02A0 for trying the tuning window: five test points from 400 to
    // 470 MHz (receive, transmit) and item k's value 0x60 + 4k; bytes 61-63 FF.
    static std::string SampleAlignmentHex();
    void LoadSampleAlignment();
    // A radio that sleeps through QUINTAR: it gives no answer to it until a "02" has woken it (the
    // alignment data's wake-up before a write: QUINTAR, then 02, PROGRAM). Reset() wakes it.
    void SetNeedsWakeUp(bool on) { m_asleep = on; }

    // Tuning items: the working value (TS) and the confirmed one (SV, kept in the alignment block,
    // item k at byte 40 + k, after the five test points).
    int ItemValue(int item) const;

    // Writes the radio gets wrong without saying so (every block write is still answered 06): the
    // 16 bytes of a block write to address are not stored; the byte at address is stored with its
    // lowest bit flipped.
    void SetIgnoreWrite(int address) { m_ignoredWrites.push_back(address); }
    void SetCorruptWrite(int address) { m_corruptedBytes.push_back(address); }

    void AddFault(const SimFault& fault) { m_faults.push_back(fault); }
    void ClearFaults() { m_faults.clear(); }

    // Feeds received bytes; every frame completed by them yields one response, in order.
    std::vector<SimResponse> Receive(const std::vector<std::uint8_t>& bytes);

    // Every complete frame received since Reset(), as hex text.
    const std::vector<std::string>& Frames() const { return m_frames; }
    void ClearFrames() { m_frames.clear(); }

private:
    enum class Mode { Idle, Program, Ready, Tuning };

    // Bytes the frame starting at m_input[0] needs; 0 when the first byte starts no frame.
    std::size_t FrameLength() const;
    SimResponse Answer(const std::vector<std::uint8_t>& frame);
    // Answers the frame unless a fault loses it, then lets the active faults change the answer.
    void ApplyFaults(const std::string& frameHex, const std::vector<std::uint8_t>& frame,
                     SimResponse& response);

    std::vector<std::uint8_t> m_memory;
    std::vector<std::uint8_t> m_input;
    std::string m_modelText;
    std::uint8_t m_bandCode = 0x33;
    std::uint8_t m_fwMajor = 0x01;
    std::uint8_t m_fwMinor = 0x05;
    std::uint8_t m_writeAccessReply = 0x06;
    std::uint8_t m_readAccessReply = 0x06;
    bool m_serviceCodeOk = false;
    bool m_awaitingCode = false;
    bool m_dropped = false;
    bool m_echoHeader = true;
    bool m_asleep = false;
    Mode m_mode = Mode::Idle;
    std::vector<int> m_workValues;
    bool m_echoTuning = true;
    std::vector<std::uint8_t> TuningReply(std::vector<std::uint8_t> echo) const;
    std::vector<SimFault> m_faults;
    std::vector<int> m_faultCounts;
    std::vector<std::string> m_frames;
    std::vector<int> m_ignoredWrites;
    std::vector<int> m_corruptedBytes;

    // Stores the data of a block write frame at address, as the write faults allow.
    void StoreBlock(int address, const std::vector<std::uint8_t>& frame);
};

// The simulated radio behind the port name "simulator" in this process (kept across port openings).
SimulatedRadio& SharedSimulatedRadio();
