// Code-plug data files: the image file (2048 hex characters, read and written) and the frame-stream file
// (an identity followed by the radio's write frames, read only), and the atomic file replacement.
#include "codeplug/DataFile.h"

#include <filesystem>
#include <fstream>

#include "app/AtomicFile.h"
#include "codeplug/CodePlug.h"
#include "codeplug/HexText.h"
#include "codeplug/ModelCatalogue.h"

namespace {

constexpr int kTextCannotOpen = 2011;
constexpr int kTextBadFrame = 2015;

// Neither form of data file comes near this size; anything larger is not a code plug.
constexpr std::uintmax_t kMaxDataFileBytes = 1024 * 1024;

constexpr std::size_t kIdentityChars = 20; // "Brivonexus", 10 bytes
constexpr std::size_t kFrameChars = 24;    // 'W', address (2), length, 8 data bytes
constexpr const char* kWriteCommand = "57";
constexpr const char* kEndAddress = "0258";
constexpr const char* kPaddedAddress = "03C0"; // its frame carries one extra byte

} // namespace

bool ReadWholeFile(const std::string& path, std::string& bytes)
{
    // Only a regular file can hold a code plug; opening a pipe or a device could wait forever.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return false;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::string data;
    char buf[4096];
    while (in.read(buf, sizeof buf) || in.gcount() > 0) {
        data.append(buf, static_cast<std::size_t>(in.gcount()));
        if (data.size() > kMaxDataFileBytes)
            return false;
    }
    if (in.bad())
        return false;
    bytes = std::move(data);
    return true;
}

std::string DecodeDataFile(const std::string& hexIn)
{
    const std::string hex = ToUpperAscii(hexIn);
    if (hex.size() < kIdentityChars || hex.compare(0, kIdentityChars, kFrameStreamIdentityHex) != 0)
        return {};
    if (hex.size() > kIdentityChars && !IsHexText(hex.substr(kIdentityChars)))
        return {};
    CodePlug image(BuildDefaultImage());
    std::size_t p = kIdentityChars;
    while (p < hex.size()) {
        // Every frame, even one cut short by the end of the file, must begin with the write command.
        if (hex.compare(p, 2, kWriteCommand) != 0)
            return {};
        // A frame cut short by the end of the file carries no complete data: it is ignored.
        if (hex.size() - p < kFrameChars)
            break;
        const std::string frame = hex.substr(p, kFrameChars);
        const std::string address = frame.substr(2, 4);
        const std::string data = frame.substr(8, 16);
        // The frame of 0x0258 ends the data.
        if (address == kEndAddress)
            break;
        if (address == kPaddedAddress)
            p += 2;
        // A frame whose 8 bytes do not fit into the 1024-byte code plug is malformed.
        if (!image.Write(static_cast<int>(HexToInt(address)), data))
            return {};
        p += kFrameChars;
    }
    return image.Text();
}

int LoadDataFile(const std::string& path, std::string& image)
{
    std::string bytes;
    if (!ReadWholeFile(path, bytes))
        return kTextCannotOpen;
    const std::string hex = BytesToHex(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    if (hex.compare(0, kIdentityChars, kFrameStreamIdentityHex) == 0) {
        const std::string decoded = DecodeDataFile(hex);
        if (decoded.empty())
            return kTextBadFrame;
        image = decoded;
        return 0;
    }
    // Image file: exactly 2048 hex digits once surrounding blanks and line ends are removed.
    const std::string text = ToUpperAscii(TrimBlanks(bytes));
    if (!CodePlug::IsValidImageText(text))
        return kTextCannotOpen;
    image = text;
    return 0;
}

bool SaveTextFileAtomic(const std::string& path, const std::string& text)
{
    return WriteFileAtomically(path, text);
}
