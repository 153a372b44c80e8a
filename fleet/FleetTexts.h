// The numbers of the interface texts of fleet programming (the command line, the window, the list).
#pragma once

namespace fleettext {
inline constexpr int kMenuItem = 9750;     // Tools menu item
inline constexpr int kTitle = 9751;        // window title
inline constexpr int kPorts = 9752;        // "Ports"
inline constexpr int kCount = 9753;        // "Radios to program"
inline constexpr int kStart = 9754;
inline constexpr int kStop = 9755;
inline constexpr int kWaiting = 9756;      // waiting for a radio
inline constexpr int kReading = 9757;      // reading the radio's identity and serial number
inline constexpr int kBackingUp = 9758;    // "Backing up %1 of %2"
inline constexpr int kWriting = 9759;      // "Writing %1 of %2"
inline constexpr int kVerifying = 9760;    // "Verifying %1 of %2"
inline constexpr int kDone = 9761;         // "Done: %1"
inline constexpr int kFailed = 9762;       // "Failed: %1"
inline constexpr int kRefused = 9763;      // "Refused: %1"
inline constexpr int kUnplug = 9764;       // "%1: the radio %2 may be unplugged."
inline constexpr int kProgress = 9765;     // "Radios done: %1 of %2"
inline constexpr int kStopping = 9766;     // stopping once the radios in progress are done
inline constexpr int kEnded = 9767;        // the port's part of the run is over
inline constexpr int kSaveList = 9768;
inline constexpr int kPrintList = 9769;
inline constexpr int kColumnStart = 9770;
inline constexpr int kColumnEnd = 9771;
inline constexpr int kFirstResult = 9772;  // 9772-9775: programmed, refused, failed, repeated
inline constexpr int kRepeated = 9776;     // "Already handled in this run; not written again."
inline constexpr int kOtherRadio = 9777;   // "Refused: the radio is %1 band %2; the file is for %3 band %4."
inline constexpr int kNoIdentity = 9778;   // the radio answered, but not its identity or serial number
inline constexpr int kListTitle = 9779;    // "Delivery list"
inline constexpr int kNoPort = 9780;       // no port chosen
inline constexpr int kRunEnded = 9781;     // "%1 of %2 radios programmed and verified."
inline constexpr int kAllBusy = 9782;      // the count is reached by the radios in progress
inline constexpr int kWaitUnplug = 9783;   // waiting for the radio to be unplugged
inline constexpr int kCloseRunning = 9784; // closing while radios are written
inline constexpr int kCsvFiles = 9785;     // "CSV files (*.csv)"
inline constexpr int kNotSaved = 9786;     // "The list could not be saved: %1"
inline constexpr int kPortNotOpen = 9787;  // "The port cannot be opened: %1"
inline constexpr int kSaved = 9788;        // "Saved to %1."
inline constexpr int kSimulated = 9789;    // "Simulated radios %1" (a port of the chooser)
inline constexpr int kColumnSeconds = 9790; // "Time": how long a radio took
} // namespace fleettext
