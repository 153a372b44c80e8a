// Radio addresses of the code-plug fields.
#pragma once

namespace Addr {
inline constexpr int kRecord0000 = 0x0000;
inline constexpr int kChannels = 0x0010; // 16 x 16-byte channel records
inline constexpr int kPf1Key = 0x011D;
inline constexpr int kVoiceLanguage = 0x012F;
inline constexpr int kTimeOut = 0x0130;
inline constexpr int kTimeOutPreAlert = 0x0131;
inline constexpr int kSquelch = 0x0134;
inline constexpr int kBatterySave = 0x0135;
inline constexpr int kWiredClone = 0x013E;
inline constexpr int kPriorityMode = 0x0160;
inline constexpr int kPriorityChannel = 0x0161;
inline constexpr int kScanBackA = 0x0162;
inline constexpr int kScanBackB = 0x0163;
inline constexpr int kRevertChannel = 0x0164;
inline constexpr int kScanDwell = 0x0165;          // 2 bytes LE
inline constexpr int kTxPause = 0x0167;            // 2 bytes LE
inline constexpr int kScanFlags = 0x017E;          // 2 bytes, channel n = bit (n-1)%8 of byte (n-1)/8
inline constexpr int kModelBlock = 0x01B8;         // 8 bytes
inline constexpr int kTestFreqs = 0x0280;          // 128 bytes
inline constexpr int kAlignment = 0x02A0;          // 64 bytes, service functions
inline constexpr int kAlignmentEnd = 0x02E0;       // the first byte after it
inline constexpr int kMcuVersion = 0x0300;         // 2 bytes
inline constexpr int kPcVersion = 0x0302;          // 3 bytes
inline constexpr int kProgramTime = 0x0305;        // 7 bytes BCD
inline constexpr int kLastFileName = 0x0310;       // 32 bytes
inline constexpr int kEmbeddedLine1 = 0x0300;      // 32 bytes
inline constexpr int kEmbeddedLine2 = 0x0320;      // 32 bytes
inline constexpr int kReadPassword = 0x034C;       // 10 bytes
inline constexpr int kWritePassword = 0x0356;      // 10 bytes
inline constexpr int kCustomLower = 0x0350;        // frequency field
inline constexpr int kCustomUpper = 0x0354;        // frequency field
inline constexpr int kCustomIf = 0x0358;           // 2 bytes
inline constexpr int kCustomHighLo = 0x035C;       // 1 byte
inline constexpr int kClearedOnDeleteAll = 0x0360; // to 0x03FF
inline constexpr int kRadioConfig = 0x03C0;        // 16 bytes
inline constexpr int kRadioConfigFlags = 0x03C4;
inline constexpr int kIdentityRecord = 0x03D0;
inline constexpr int kHardwareVersion = 0x03D8; // 8 bytes
inline constexpr int kSerialNumber = 0x03E0;    // 15 bytes

inline constexpr int ChannelAddress(int n) { return kChannels + 16 * (n - 1); }
} // namespace Addr
