// Tests of a complete reply beyond its length and expected content, for replies the protocol cannot
// check by their value: whether a block reply belongs to its request, and whether the identity came
// alone. A reply that fails its check counts as a failed attempt and is asked for again.
#pragma once

#include <string>

class SerialPort;

class ReplyCheck {
public:
    virtual ~ReplyCheck() = default;
    // reply: the complete reply (hex text) to command; the port may be looked at for what follows it.
    virtual bool Accept(SerialPort& port, const std::string& command, const std::string& reply) = 0;
};

// Block read replies within one conversation (from the opening handshake to the end of a transfer).
// A radio that starts its first block reply with the echo of the request ("52" + address + length)
// must start every later one with its own request's echo: a reply that does not was shifted by a stray
// byte. A radio whose first header is something else is read as before, but a block reply from it is
// taken only when the line stays quiet after it (bytes that follow mean the reply was shifted).
class BlockEcho : public ReplyCheck {
public:
    bool Accept(SerialPort& port, const std::string& command, const std::string& reply) override;

private:
    enum class State { Unknown, Echoing, Other };
    State m_state = State::Unknown;
};

// The 8-byte identity reply: after it the protocol sleeps (sleepMs, 0 for none) before the next frame.
// Bytes that arrive meanwhile show that the identity was not the radio's whole answer (a stray byte in
// front of it pushed its last byte out); it is then asked for again.
class IdentityAlone : public ReplyCheck {
public:
    explicit IdentityAlone(int sleepMs) : m_sleepMs(sleepMs) {}
    bool Accept(SerialPort& port, const std::string& command, const std::string& reply) override;

private:
    int m_sleepMs;
};

// The one-byte answer to a block write: "06", or a refusal the radio sent on its own. A wrong byte that
// more bytes follow was a stale reply or noise, not the radio's answer: the frame is sent again.
class BlockWriteAck : public ReplyCheck {
public:
    bool Accept(SerialPort& port, const std::string& command, const std::string& reply) override;
};
