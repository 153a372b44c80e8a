// How a code-plug read or write ended: the outcome and the interface text that was shown for it.
#pragma once

enum class TransferStatus {
    Success,          // 3007 (read) / 3014 (write)
    PortOpenFailed,   // 3012, with the device and the system's reason
    NoRadio,          // no 06 to PROGRAM: 3006, port closed
    RadioStopped,     // identity or acknowledge failed after 3 attempts: 3009, port closed
    PortFault,        // the port failed while sending or receiving: 9602 (connection lost), port closed
    ModelRejected,    // write: identity model number is not "Q951": 3023, port left open
    BandMismatch,     // write: band code differs, cross-band writing not allowed: 3022, port closed
    BandDeclined,     // write: band code differs, user answered No: port closed
    CheckDeclined,    // write: the code plug has problems, user answered No to writing anyway: port closed
    BlockTimeout,     // a block got no acceptable reply in 3 attempts: 3009, port closed, button enabled
    BlockFault,       // the port failed during a block exchange: 9602 (connection lost), port closed,
                      // button stays disabled
    BlockAckFailed,   // read: the 06 after a block failed: 3009, port closed, button stays disabled
    BlockRejected,    // write: a block answered with other than 06: 3013, port closed, button enabled
    ReadsDisagree,    // read twice: the two images differ: 9500, port closed, button enabled
    BackupFailed,     // write with backup: the radio could not be read (9552) or its code plug not
                      // saved (9553); nothing was written and no backup kept
    VerifyReadFailed, // write with verification: written, but the radio could not be read back: 9551
                      // (9604 when the write was disturbed: it may be partly written)
    VerifyFailed,     // write with verification: the radio does not hold what was written: 9550 (9605
                      // when the write was disturbed)
    ReadBacksDisagree, // two read-backs of the written radio differ: the line is unreliable: 9606
};

struct TransferResult {
    TransferStatus status = TransferStatus::Success;
    int textNumber = 0; // the interface text shown (0: none)

    bool Succeeded() const { return status == TransferStatus::Success; }
};
