// The history rows of each radio operation, from what its session tells after the run: a read, a
// write with its backup before and verification after, an alignment read or write. Time and port are
// the recorder's to fill.
#pragma once

#include <string>
#include <vector>

#include "history/HistoryRecord.h"
#include "link/Protocol.h"
#include "link/TransferResult.h"
#include "service/AlignmentSession.h"

class SerialPort;
class WriteSession;
struct WriteOptions;

// The port as the user named it ("com1", a device path, "simulator"), followed by the device it stood
// for when that was another: "com1 (/dev/ttyUSB0)".
std::string HistoryPortLabel(const std::string& name, const SerialPort& port);

// How a transfer that ended this way counts in the history: ok, refused (the radio was turned away
// before anything was sent: model, band, the user's No) or failed.
HistoryResult HistoryResultOf(TransferStatus status);

// Model, band and firmware from the radio's identity (nothing for an invalid one).
void TakeIdentity(HistoryRecord& row, const RadioIdentity& identity);

// One read row; image: the code plug read (taken only when the read succeeded).
std::vector<HistoryRecord> ReadRows(const TransferResult& result, const RadioIdentity& identity,
                                    const std::string& image, const std::string& message);

// The rows of a write, in order: the backup (when asked for), the write (unless the backup failed),
// the verification (when asked for and the write went through). written: the code plug the write
// sent. Each row carries its own part of what the user was told; a failure, the message that ended
// the write.
std::vector<HistoryRecord> WriteRows(const WriteSession& session, const WriteOptions& options,
                                     const TransferResult& result, const std::string& written,
                                     const std::string& message);

// One row of an alignment read or write with the block read or sent; none for a write that had no
// data to send (nothing reached the radio).
std::vector<HistoryRecord> AlignmentRows(HistoryOp op, const AlignmentResult& result,
                                         const RadioIdentity& identity, const std::string& block,
                                         const std::string& message);
