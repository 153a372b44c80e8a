// One row of the radio history: a radio operation with its time, port, the radio's identity, serial
// number and hardware version, how it ended, and the code plug or alignment block involved.
#pragma once

#include <ctime>
#include <optional>
#include <string>

// The operations a row records; the names are those of the database and of `history --json`.
enum class HistoryOp { Read, Backup, Write, Verify, AlignRead, AlignWrite, FleetWrite };
inline constexpr int kHistoryOpCount = 7;

enum class HistoryResult {
    Ok,      // the operation did what it was asked
    Failed,  // it did not (the message says why)
    Refused, // the radio was turned away before anything was sent to it (model, band, the user's No)
};

struct HistoryRecord {
    long long id = 0;      // given by the store
    std::time_t time = 0;  // when the operation ended, seconds since the epoch
    HistoryOp operation = HistoryOp::Read;
    std::string port;      // as the user named it, with the device it stood for: "com1 (/dev/ttyUSB0)"
    std::string model;     // the radio's identity: model ("TQ951", "R736"), band code, firmware ("1.05")
    std::string band;
    std::string firmware;
    std::string serial;    // from the code plug read out of the radio (0x03E0), "" when none was read
    std::string hardware;  // likewise (0x03D8)
    HistoryResult result = HistoryResult::Ok;
    std::string message;   // the message that ended the operation, as the user saw it
    std::string data;      // hex text: a code plug (2048 digits), an alignment block (128) or nothing
    std::string file;      // a file the operation made or came from (the backup's data file)
    std::string run;       // the fleet run a row belongs to ("" outside one)

    bool HoldsCodePlug() const;
    bool HoldsAlignment() const;
    // Serial number and hardware version from a code plug read out of the radio (the radio keeps
    // them at 0x03E0 and 0x03D8; a write never changes them). Nothing for an invalid image.
    void TakeRadioFields(const std::string& image);
};

// "read", "backup", "write", "verify", "align-read", "align-write", "fleet-write".
const char* HistoryOpName(HistoryOp op);
std::optional<HistoryOp> HistoryOpFromName(const std::string& name);
// "ok", "failed", "refused".
const char* HistoryResultName(HistoryResult result);
std::optional<HistoryResult> HistoryResultFromName(const std::string& name);

// The time as the history shows it, in local time: "2026-12-08 14:03:22".
std::string HistoryTimeText(std::time_t time);
// The same with the offset from UTC, ISO 8601 ("2026-12-08T14:03:22+01:00"), for JSON.
std::string HistoryTimeIso(std::time_t time);
