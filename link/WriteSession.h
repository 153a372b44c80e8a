// Writing the image into a radio: model and band checks (cross-band only with the marker file and
// the user's consent), the check of the code plug against the radio's band, 45 blocks of 16 bytes with
// retries; and the dry run that only logs the frames. The radio's alignment block (its calibration) is
// never sent. Two choices guard the radio's code plug: a backup of the radio read before the write, and
// a read-back after it that compares every written byte.
#pragma once

#include <optional>
#include <string>

#include "codeplug/CodePlug.h"
#include "codeplug/Document.h"
#include "link/ExchangeLog.h"
#include "link/Protocol.h"
#include "link/TransferResult.h"

class LinkUi;
class SerialPort;

// Both off: the write sends exactly the handshake and the 45 block frames, nothing else.
struct WriteOptions {
    bool backup = false; // first read the whole radio and keep its code plug in the backup folder
    bool verify = false; // afterwards read the radio back and compare every written byte
};

// [option] backup_before_write and verify_after_write of system.ini: "yes" switches each on.
WriteOptions WriteOptionsFromSettings();

class WriteSession {
public:
    static constexpr int kBlocks = 52;
    static constexpr int kBlockBytes = 0x10;
    static constexpr int kDryRunBlocks = 123;
    static constexpr int kDryRunBytes = 8;

    // Keep one session per write window: the band-check flag lives as long as the window.
    WriteSession(SerialPort& port, LinkUi& ui, CodePlug& image = g_doc.image);

    void SetOptions(const WriteOptions& options) { m_options = options; }

    // One write (the Write button), including the nested run after a Yes to the band question.
    // Changes the image only by the 0x03C4 normalisation. A code plug with problems for the radio's
    // band is written only after the user's Yes. With the backup, a whole read of the radio comes
    // first (a failed one writes nothing); its file is kept only once the radio and the code plug passed
    // their checks, just before the first block, so that a refused write keeps none. With the
    // verification, or when the line was disturbed during the write, a whole read after the 45 frames
    // (and a second one before a difference is told). The progress range covers every part (16 + 52 +
    // 16 with both).
    TransferResult Run();
    // The Test button: logs the frames of 8 bytes a write would send (115 of the 123 positions, the
    // alignment block left out), without port traffic.
    TransferResult DryRun();

    bool BandCheck() const { return m_bBandCheck; }
    // Whether the last write's line was disturbed (a frame sent again, a byte that was nobody's
    // answer), so that the radio was read back before the write was called done.
    bool Disturbed() const { return m_bDisturbed; }
    // The backup file of the last run (empty when it kept none).
    const std::string& BackupPath() const { return m_backupPath; }
    // What the last run learnt of the radio: its identity, the code plug read for the backup (also when
    // a refused write kept no file of it) and the one read back for the verification (empty when not
    // read).
    const RadioIdentity& Identity() const { return m_identity; }
    const std::string& BackupImage() const { return m_backupImage; }
    const std::string& ReadBackImage() const { return m_readBackImage; }

    // Whether this build refuses to write a radio of this identity's model (the family's build models
    // write only radios of model number "Q951").
    static bool RefusesModel(const RadioIdentity& identity);
    // In the byte at 0x03C4 a two-bit field 3 (bits 5 and 4) becomes 1; other values stay.
    static void NormaliseImage(CodePlug& image);
    // The frame of block n (1-based) of a write: "57" + address + "10" + 16 data bytes; empty for
    // the blocks that are never written (0x0180, 0x0190, 0x01A0 and the alignment block's four,
    // 0x02A0 to 0x02D0).
    static std::string BlockFrame(const CodePlug& image, int n);
    // The frame of position n (1-based) of the dry run: "57" + address + "08" + 8 data bytes; empty
    // for the alignment block's eight (0x02A0 to 0x02D8).
    static std::string DryRunFrame(const CodePlug& image, int n);
    // The image written, with every byte the write sends taken from the radio's memory instead: equal
    // to written exactly when the radio holds what was written.
    static CodePlug AsWrittenInRadio(const CodePlug& written, const CodePlug& radio);

private:
    // The handshake, the checks and the 45 frames: what the consent to a cross-band write runs again;
    // progress positions from first on in the range 1..total. Reports failures only; notes whether the
    // line was disturbed.
    TransferResult WriteConversation(int first, int total);
    // A whole read of the radio for a backup or the read-back; its failure message is kept in message.
    bool ReadRadio(std::string& image, int first, int total, std::string& message);
    // The backup's read; its code plug is kept as a file only by SaveBackupFile.
    std::optional<TransferResult> BackUpRadio(int total);
    // Keeps the backup read as a file (nothing without one, or when kept already); a failure closes the
    // port and writes nothing.
    std::optional<TransferResult> SaveBackupFile();
    // The code plug's problems for the radio's band, asked about; nothing when clean or confirmed.
    std::optional<TransferResult> ConfirmProblems(const CodePlug& data, const std::string& radioBand);
    std::optional<TransferResult> VerifyRadio(const CodePlug& written, int first, int total);
    // The sentence that names the backup file, for a failure message ("" without a backup).
    std::string RestoreHint() const;

    SerialPort& m_port;
    LinkUi& m_ui;
    CodePlug& m_image;
    ExchangeLog m_log;
    bool m_bBandCheck = true;
    bool m_bDisturbed = false;
    WriteOptions m_options;
    std::string m_backupPath;
    RadioIdentity m_identity;
    std::string m_backupImage;
    std::string m_readBackImage;
};
