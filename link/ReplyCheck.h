// Tests of a complete reply beyond its length, shape and expected content: what must (not) follow it.
// A reply that fails its check counts as a failed attempt and is asked for again.
#pragma once

#include <string>

class SerialPort;

class ReplyCheck {
public:
    virtual ~ReplyCheck() = default;
    // reply: the complete reply (hex text) to command; the port may be looked at for what follows it.
    virtual bool Accept(SerialPort& port, const std::string& command, const std::string& reply) = 0;
};

// The 8-byte identity reply: after it the protocol sleeps (sleepMs, 0 for none) before the next frame.
// Bytes that arrive meanwhile show that the identity may not have been the radio's whole answer (a
// stray byte inside it pushed its last byte out); it is then asked for again.
class IdentityAlone : public ReplyCheck {
public:
    explicit IdentityAlone(int sleepMs) : m_sleepMs(sleepMs) {}
    bool Accept(SerialPort& port, const std::string& command, const std::string& reply) override;

private:
    int m_sleepMs;
};
