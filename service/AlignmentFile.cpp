// Reading and writing alignment data files.
#include "service/AlignmentFile.h"

#include "app/AppState.h"
#include "app/AtomicFile.h"
#include "codeplug/AddressMap.h"
#include "codeplug/DataFile.h"
#include "codeplug/HexText.h"
#include "codeplug/ModelCatalogue.h"
#include "service/AlignmentLayout.h"

namespace {

constexpr int kTextCannotOpen = 2011;
constexpr int kTextCannotSave = 2014;
constexpr int kTextNoAlignmentInPlug = 9642;

std::string PadWithF(std::string hex, std::size_t length)
{
    if (hex.size() < length)
        hex.append(length - hex.size(), 'F');
    return hex.substr(0, length);
}

bool IsAlignmentData(const std::string& data)
{
    return data.size() == static_cast<std::size_t>(kAlignmentChars) && IsHexText(data);
}

} // namespace

std::string DtsVersionDigits(const std::string& version)
{
    std::string text = version.size() <= 4 ? "0" + version : version;
    if (text.size() < 4)
        text.insert(0, 4 - text.size(), '0');
    return text.substr(0, 2) + text.substr(text.size() - 2);
}

std::string DtsHeader()
{
    return PadWithF(TextToHex(kAlignmentModelName), 32) + PadWithF(GetModelHead(1, 1), 16) +
           DtsVersionDigits(g_strVersion) + "FFFFFFFFFFFF";
}

std::string BuildDtsText(const std::string& data) { return DtsHeader() + data; }

bool ParseDtsText(const std::string& text, std::string& data)
{
    const std::string whole = TrimBlanks(text);
    if (whole.size() != kDtsHeaderChars + kAlignmentChars)
        return false;
    const std::string block = ToUpperAscii(whole.substr(kDtsHeaderChars));
    if (!IsAlignmentData(block))
        return false;
    data = block;
    return true;
}

int LoadAlignmentFile(const std::string& path, std::string& data)
{
    std::string bytes;
    if (!ReadWholeFile(path, bytes))
        return kTextCannotOpen;
    if (ParseDtsText(bytes, data))
        return 0;
    std::string image;
    if (LoadDataFile(path, image) != 0)
        return kTextCannotOpen;
    const std::string block = image.substr(2 * static_cast<std::size_t>(Addr::kAlignment), kAlignmentChars);
    if (block == std::string(kAlignmentChars, 'F'))
        return kTextNoAlignmentInPlug;
    data = block;
    return 0;
}

int SaveAlignmentFile(const std::string& path, const std::string& data)
{
    if (!IsAlignmentData(data) || !WriteFileAtomically(path, BuildDtsText(ToUpperAscii(data))))
        return kTextCannotSave;
    return 0;
}
