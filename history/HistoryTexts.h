// The words the history shows for its rows, in the interface language: operation and result names,
// and the numbers of the history's own interface texts.
#pragma once

#include <string>

#include "history/HistoryRecord.h"

namespace histtext {
inline constexpr int kNotKept = 9710;      // "The radio history could not be kept (%1). ..."
inline constexpr int kMenuItem = 9711;     // Tools menu item
inline constexpr int kTitle = 9712;        // window title
inline constexpr int kColumnId = 9713;     // column headings and labels: No., Time, Operation, Port,
inline constexpr int kColumnTime = 9714;   // Result, Message, Model, File
inline constexpr int kColumnOperation = 9715;
inline constexpr int kColumnPort = 9716;
inline constexpr int kColumnResult = 9717;
inline constexpr int kLabelMessage = 9718;
inline constexpr int kLabelModel = 9719;
inline constexpr int kLabelFile = 9720;
inline constexpr int kFirstOperation = 9722; // 9722-9728: the operations in HistoryOp's order
inline constexpr int kFirstResult = 9729;    // 9729-9731: ok, failed, refused
inline constexpr int kAllOperations = 9732;
inline constexpr int kAllRadios = 9733;
inline constexpr int kFrom = 9734;
inline constexpr int kTo = 9735;
inline constexpr int kOpenDocument = 9736;
inline constexpr int kCompare = 9737;
inline constexpr int kDifferences = 9738;
inline constexpr int kNoData = 9739;       // "This entry holds no code plug or alignment data."
inline constexpr int kNoEntry = 9740;      // "The radio history has no entry %1."
inline constexpr int kRestored = 9741;     // "Saved to %1."
inline constexpr int kAlignmentData = 9742;
inline constexpr int kImportedBackup = 9743; // message of a backup imported from the backup folder
inline constexpr int kBackupKept = 9744;     // the code plug read for a backup is kept in the history
inline constexpr int kBandDeclined = 9745;   // "Not written: writing across bands was declined."
inline constexpr int kLabelCodePlug = 9746;
inline constexpr int kShowing = 9747;      // "%1 of %2 entries"
// Texts shared with other windows.
inline constexpr int kSerialNumber = 8002;
inline constexpr int kHardwareVersion = 8003;
inline constexpr int kFirmware = 8000; // the MCU version the radio reports
inline constexpr int kBand = 9559;
} // namespace histtext

// Text 9710 for a history file that cannot be kept: "... could not be kept (PATH: REASON) ...".
std::string NotKeptText(const std::string& path, const std::string& reason);

std::string HistoryOpText(HistoryOp op);
std::string HistoryResultText(HistoryResult result);
