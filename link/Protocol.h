// The programming protocol on the serial line: frames as upper-case hex text, the request
// primitives PortTransceive and PortExchange, the radio's identity, code scrambling and the
// opening handshake shared by every radio function.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "link/ReplyShape.h"

class ExchangeLog;
class ReplyCheck;
class SerialPort;

// Link result codes of PortTransceive.
inline constexpr int LINK_OK = 0;
inline constexpr int LINK_TIMEOUT = 99;
inline constexpr int LINK_ODD_LENGTH = -20;
inline constexpr int LINK_PORT_FAULT = -1;
// Bytes came, but none of them can be taken as the reply without doubt (more bytes than a reply of
// unknown shape, or bytes that went on after it): the frame is to be sent again once the line settles.
inline constexpr int LINK_REJECTED = 98;

inline constexpr const char* SCRAMBLE_KEY = "7B1E04C9A2583DF6E01A";
inline constexpr const char* SERVICE_CODE = "qormitabe";

// Frames (hex text).
inline constexpr const char* FRAME_PROGRAM = "50524F4752414D"; // "PROGRAM"
inline constexpr const char* FRAME_QUINTAR = "5155494E544152"; // "QUINTAR"
inline constexpr const char* FRAME_IDENTITY = "02";
inline constexpr const char* FRAME_ACK = "06";
inline constexpr const char* FRAME_REFUSE = "07";
inline constexpr const char* FRAME_READ_ACCESS = "10";
inline constexpr const char* FRAME_WRITE_ACCESS = "15";
inline constexpr const char* FRAME_TEST = "54455354"; // "TEST"
inline constexpr const char* FRAME_CLOS = "434C4F53"; // "CLOS"

std::string ReadRequestFrame(int address, int length);                           // "52" addr len
std::string WriteRequestFrame(int address, int length, const std::string& data); // "57" addr len data
std::string TsFrame(int item, int value);                                        // "5453" item value
std::string AskFrame(int item);                                                  // "41534B" item
std::string SvFrame(int item, int value);                                        // "5356" item value
std::string TfFrame(int item, int value);                                        // "5446" item value
// "53" + the scrambled service code field ("qormitabe" + 0x03).
std::string ServiceCodeFrame();

// Waits n milliseconds on the port's clock (the thread sleeps; nothing else runs meanwhile).
void DelayMs(SerialPort& port, int n);

// Judges what waits in the input as nobody's reply (left over from earlier exchanges) and drops it,
// writes the command, then collects a reply of replyLength bytes within timeLimitMs into reply (hex
// text), waiting on the port for the remaining time instead of polling:
// - a reply of known shape is found in the bytes by its shape; bytes in front of it are dropped as
//   strays, bytes after it are kept for the next exchange to judge (LINK_OK);
// - a reply of unknown shape (or a known shape that falls back because it is not found) counts only
//   when exactly replyLength bytes came and the line then stays quiet for kLineQuietMs (LINK_OK);
//   otherwise LINK_REJECTED;
// - a reply that must be exactly some bytes but is not: at the time limit, exactly replyLength other
//   bytes are a complete wrong reply (LINK_OK, the caller compares), more are LINK_REJECTED;
// - too few bytes at the time limit: LINK_TIMEOUT, reply holds them.
// A command awaiting nothing returns after writing; an empty command only listens, starting with the
// bytes kept from the last exchange.
int PortTransceive(SerialPort& port, const std::string& command, std::string& reply, int replyLength,
                   int timeLimitMs, const ReplyShape& shape = ReplyShape());

// Optional parts of an exchange.
struct ExchangeExtras {
    int* lastResult = nullptr;         // receives the link result code of the last attempt
    ReplyCheck* check = nullptr;       // must also accept the reply
    const ReplyShape* shape = nullptr; // how the reply is found; default: exactly `expected` (or unknown)
};

// Up to 3 attempts of PortTransceive; true when a complete reply came that equals expected (or any
// reply when expected is empty). Logs "S:"/"R:" lines while g_bServiceView is set. After the third
// failed attempt with reportFailure: message 3009 through the log's LinkUi and the port closed.
// A port fault returns false at once (no message, port state unchanged). Before another attempt after
// a wrong, doubtful or partial reply the line is let fall quiet.
bool PortExchange(SerialPort& port, const std::string& command, std::string& reply, int replyLength,
                  int timeLimitMs, const std::string& expected, ExchangeLog& log, bool reportFailure,
                  const ExchangeExtras& extras = {});

// Before the next attempt of a frame: after a complete but unaccepted reply, or a partial one, waits
// until the line has been quiet for kLineQuietMs (dropping what comes, at most timeLimitMs).
void SettleAfterFailedAttempt(SerialPort& port, int rc, const std::string& reply, int timeLimitMs);

// 10-byte field (20 hex digits) XOR SCRAMBLE_KEY; 20 F's stay as they are. Its own inverse.
std::string ScrambleCode(const std::string& field);

// The model tag the family's radios identify with; the service functions refuse any other radio.
inline constexpr const char* kFamilyModelTag = "R736";
// The model number (identity bytes 1-4) of the radios this build writes.
inline constexpr const char* kFamilyModelNumber = "Q951";
// The shape of the identity reply as this build expects it: a radio of the family for the family's
// model codes, unknown for other builds.
ReplyShape IdentityShape();

// The 8-byte reply to the identity request.
class RadioIdentity {
public:
    RadioIdentity() = default;
    explicit RadioIdentity(const std::string& replyHex);

    bool IsValid() const { return m_hex.size() == 16; }
    const std::string& Hex() const { return m_hex; }
    std::string ModelTag() const;    // bytes 0-3 as text up to the first 00/FF
    std::string ModelNumber() const; // bytes 1-4 the same way
    std::string BandCode() const;    // byte 5, two hex digits
    std::string VersionText() const; // bytes 6-7: "%d.%02d" of the digits read as decimal ("2.10")

private:
    std::string m_hex;
};

// Limits of the opening handshake for one caller.
struct HandshakeLimits {
    int modeMs;      // step 1 (mode string awaiting 06)
    bool modeReport; // step 1 with report-failure
    int identityMs;  // step 2
    int ackMs;       // step 4
    bool sleepAfterIdentity;
};
inline constexpr HandshakeLimits kReadHandshake{500, false, 500, 500, true};
inline constexpr HandshakeLimits kWriteHandshake{500, false, 300, 300, true};
inline constexpr HandshakeLimits kTuningHandshake{300, true, 500, 500, false};
inline constexpr HandshakeLimits kAlignmentHandshake{300, true, 500, 500, true};

// Opens the port when closed (waiting 100 ms after opening); error receives the reason when
// opening failed. True when the port is open.
bool OpenRadioPort(SerialPort& port, std::string& error);

enum class HandshakeStep { Done, ModeFailed, IdentityFailed, AckFailed };

// Steps 1-2 of the opening: mode string (FRAME_PROGRAM or FRAME_QUINTAR) and identity, then the
// sleep of step 3. The caller checks the identity and goes on with HandshakeAcknowledge.
HandshakeStep HandshakeIdentify(SerialPort& port, ExchangeLog& log, const HandshakeLimits& limits,
                                const std::string& modeFrame, RadioIdentity& identity,
                                int* lastResult = nullptr);
// Asks for the identity once more on a line that has fallen quiet, until two answers agree (at most two
// more requests): a refusal on the grounds of the identity (another model, another band) is only ever
// made on an identity the radio gave twice. pauseMs: the pause after each answer that must stay quiet.
// False when the radio stopped answering (reported as PortExchange reports).
bool ConfirmIdentity(SerialPort& port, ExchangeLog& log, int timeLimitMs, int pauseMs, RadioIdentity& identity,
                     int* lastResult = nullptr);
// Step 1 as the alignment-data window runs it before writing: QUINTAR awaiting 06 (300 ms, no
// report); when that fails, "02" with no reply, 40 ms, PROGRAM awaiting 06 (300 ms, report) and a
// sleep of 20 ms. True when the radio answered either mode string.
bool AlignmentWakeUp(SerialPort& port, ExchangeLog& log);
// Steps 4-5: "06" awaiting "06", then a sleep of 20 ms.
HandshakeStep HandshakeAcknowledge(SerialPort& port, ExchangeLog& log, const HandshakeLimits& limits,
                                   int* lastResult = nullptr);

// Access query ("10" before reading, "15" before writing) and, when the radio asks for it, the
// service code. Refused: a "07" to "15" that nothing followed; the caller stops.
enum class AccessResult { Granted, Refused, Failed };
AccessResult RequestServiceAccess(SerialPort& port, ExchangeLog& log, bool forWriting);
