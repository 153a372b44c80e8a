// Reading and writing the radio's 64-byte alignment block: the QUINTAR opening (woken with PROGRAM
// before a write when the radio does not answer), the model check, the access query with the service
// code, and eight 8-byte block reads or writes at 0x02A0. A failed read hands back nothing.
#pragma once

#include <string>

#include "link/ExchangeLog.h"
#include "link/LineLedger.h"
#include "link/Protocol.h"

class LinkUi;
class SerialPort;

enum class AlignmentStatus {
    Success,
    PortOpenFailed, // 3012 with the device and the system's reason
    RadioStopped,   // an exchange got no acceptable reply in 3 attempts: 3009, port closed
    PortFault,      // the port failed while sending or receiving: 9602 (connection lost), port closed
    ShortIdentity,  // the identity holds fewer than 6 bytes: 3006, port closed
    ModelRejected,  // identity model tag other than "R736": 3023, port closed
    WriteRefused,   // the radio answered 07 to the write access query: 9532, port closed
    NothingToWrite, // no alignment data to write: 7022, nothing sent
    NotVerified,    // write on a disturbed line: the radio could not be read back: 9604
    VerifyFailed,   // write on a disturbed line: the radio does not hold what was written: 9607
};

struct AlignmentResult {
    AlignmentStatus status = AlignmentStatus::Success;
    int textNumber = 0; // the interface text shown (0: none)

    bool Succeeded() const { return status == AlignmentStatus::Success; }
};

class AlignmentSession {
public:
    // port: set up by the caller with the service line settings ("9600,n,8,1"); opened when closed
    // and closed at the end of every operation.
    AlignmentSession(SerialPort& port, LinkUi& ui);

    // On success data receives the block's 128 hex digits; on failure it is left as it was. Progress
    // runs over the eight blocks; a failure's message has been shown through the LinkUi.
    AlignmentResult Read(std::string& data);
    // Writes 128 hex digits of alignment data into the radio. When the line was disturbed during the
    // write (a frame sent again, a byte that was nobody's answer) the block is read back before the
    // write is called done. A failure after the first block frame says what the radio now holds.
    AlignmentResult Write(const std::string& data);
    // Whether the last write was read back because its line was disturbed.
    bool Disturbed() const { return m_bDisturbed; }

    LinkUi& Ui() { return m_ui; }
    // The identity the radio gave in the last operation (invalid when it gave none).
    const RadioIdentity& Identity() const { return m_identity; }

private:
    bool OpenPort(AlignmentResult& failure);
    bool TagAccepted(const std::string& reply) const;
    bool CheckIdentity(std::string reply, AlignmentResult& failure);
    bool Acknowledge(AlignmentResult& failure);
    bool Access(bool forWriting, AlignmentResult& failure);
    bool ReadBlocks(std::string& block, AlignmentResult& failure);
    bool WriteBlocks(const std::string& data, AlignmentResult& failure);
    // After a disturbed write: the block read back (twice before a difference is told).
    AlignmentResult VerifyWritten(const std::string& data);
    // The end of an operation after a failed exchange with report-failure.
    AlignmentResult ExchangeFailed();
    AlignmentResult Fail(AlignmentStatus status, int textNumber, const std::string& detail = std::string());

    SerialPort& m_port;
    LinkUi& m_ui;
    ExchangeLog m_log;
    bool m_bDisturbed = false;
    LineLedger::Mark m_quiet; // where the line stood when the write began
    RadioIdentity m_identity;
};
