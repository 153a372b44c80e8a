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

// Shows the interface text (when there is one) and returns the result.
TransferResult ReportTransferEnd(LinkUi& ui, TransferStatus status, int textNumber);

// Opens the port when closed (3012 with the reason on failure), sends "PROGRAM" and asks for the
// identity. A failed step closes the port and reports as the failure table says; the result is then
// returned. Nothing on success.
std::optional<TransferResult> OpenConversation(SerialPort& port, LinkUi& ui, ExchangeLog& log,
                                               const HandshakeLimits& limits, RadioIdentity& identity);

// The acknowledge that follows the identity check, with the same failure reports.
std::optional<TransferResult> AcknowledgeConversation(SerialPort& port, LinkUi& ui, ExchangeLog& log,
                                                      const HandshakeLimits& limits);

// One block frame, sent again after a time-out or a reply that check rejects, at most three attempts,
// each logged "S:"/"R:" and the log repainted. pauseMs is the sleep between the reply and its log line
// (5 ms for a write). Returns the link result of the last attempt (LINK_REJECTED when its complete
// reply failed the check).
int ExchangeBlock(SerialPort& port, ExchangeLog& log, const std::string& frame, std::string& reply,
                  int replyBytes, int pauseMs, ReplyCheck* check = nullptr);

// The end of a transfer whose block exchange returned rc other than LINK_OK: after three attempts
// without an acceptable reply 3009 with the button enabled again; after any other failure 3006 with
// the button left disabled. The port is closed either way.
TransferResult ReportBlockFailure(SerialPort& port, LinkUi& ui, int rc);
