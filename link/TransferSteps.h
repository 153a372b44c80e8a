// Steps that the code-plug read and write share: opening the conversation with the failure report
// of each step, one block exchange with its retries, and the report at the end of a transfer.
#pragma once

#include <optional>
#include <string>

#include "link/Protocol.h"
#include "link/TransferResult.h"

class ExchangeLog;
class LinkUi;
class ReplyCheck;
class SerialPort;

// Shows the interface text (when there is one), with its detail, and returns the result.
TransferResult ReportTransferEnd(LinkUi& ui, TransferStatus status, int textNumber,
                                 const std::string& detail = std::string());

// Opens the port when closed (3012 with the reason on failure), sends "PROGRAM" and asks for the
// identity. A failed step closes the port and reports as the failure table says; the result is then
// returned. Nothing on success.
std::optional<TransferResult> OpenConversation(SerialPort& port, LinkUi& ui, ExchangeLog& log,
                                               const HandshakeLimits& limits, RadioIdentity& identity);

// Before the identity refuses a write (another model, another band): the identity asked for again on a
// quiet line until the radio gives the same answer twice, which then stands in identity. Nothing when
// it was given, else how the transfer ended (reported as a failed identity step).
std::optional<TransferResult> ConfirmIdentityForRefusal(SerialPort& port, LinkUi& ui, ExchangeLog& log,
                                                        const HandshakeLimits& limits, RadioIdentity& identity);

// The acknowledge that follows the identity check, with the same failure reports.
std::optional<TransferResult> AcknowledgeConversation(SerialPort& port, LinkUi& ui, ExchangeLog& log,
                                                      const HandshakeLimits& limits);

// How one block frame is exchanged.
struct BlockExchange {
    int replyBytes = 0;
    int limitMs = 200;
    int pauseMs = 0;         // sleep between the reply and its log line (5 ms for a code-plug write)
    bool logAlways = true;   // log every attempt (the code-plug transfers); else only in the service view
    ReplyShape shape;        // how the reply is found among the bytes that come
};

// One block frame, sent again after a time-out or a doubtful reply; attempts counts every sending of
// the frame, across calls, and no more than three are made. Each attempt is logged "S:"/"R:" and the
// log repainted. Returns the link result of the last attempt.
int ExchangeBlock(SerialPort& port, ExchangeLog& log, const std::string& frame, std::string& reply,
                  const BlockExchange& how, int& attempts);

// The end of a transfer whose block exchange returned rc other than LINK_OK: after three attempts
// without an acceptable reply 3009 with the button enabled again; after a port fault (the cable was
// pulled, the adapter failed) the lost connection with the button left disabled. The port is closed
// either way. detail goes with the message (what a write left in the radio).
TransferResult ReportBlockFailure(SerialPort& port, LinkUi& ui, int rc, const std::string& detail = std::string());

// The message of a port that failed after it was opened: the connection to the radio was lost.
inline constexpr int kConnectionLostText = 9602;
