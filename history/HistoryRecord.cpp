// Names and time texts of the history's rows.
#include "history/HistoryRecord.h"

#include <array>

#include "codeplug/AddressMap.h"
#include "codeplug/CodePlug.h"
#include "codeplug/HexText.h"
#include "codeplug/ModelInfo.h"

namespace {

constexpr std::array<const char*, kHistoryOpCount> kOpNames = {
    "read", "backup", "write", "verify", "align-read", "align-write", "fleet-write"};
constexpr std::array<const char*, 3> kResultNames = {"ok", "failed", "refused"};
constexpr std::size_t kAlignmentChars = 128;
constexpr int kSerialBytes = 15;
constexpr int kHardwareBytes = 8;

// The enumerator whose name (in the enumeration's order) this is.
template <typename Enum, std::size_t N>
std::optional<Enum> FromName(const std::array<const char*, N>& names, const std::string& name)
{
    for (std::size_t i = 0; i < N; ++i)
        if (name == names[i])
            return static_cast<Enum>(i);
    return std::nullopt;
}

std::string LocalTime(std::time_t time, const char* format)
{
    std::tm local{};
    localtime_r(&time, &local);
    char text[40];
    return std::strftime(text, sizeof text, format, &local) > 0 ? std::string(text) : std::string();
}

} // namespace

bool HistoryRecord::HoldsCodePlug() const { return CodePlug::IsValidImageText(data); }

bool HistoryRecord::HoldsAlignment() const { return data.size() == kAlignmentChars; }

void HistoryRecord::TakeRadioFields(const std::string& image)
{
    if (!CodePlug::IsValidImageText(image))
        return;
    const CodePlug plug(image);
    ModelInfoTexts raw;
    raw.serialNumber = HexToText(plug.Read(Addr::kSerialNumber, kSerialBytes));
    raw.hardwareVersion = HexToText(plug.Read(Addr::kHardwareVersion, kHardwareBytes));
    const ModelInfoView shown = DescribeModelInfo(plug, raw); // as the radio-information window
    serial = shown.serialNumber;
    hardware = shown.hardwareVersion;
}

const char* HistoryOpName(HistoryOp op) { return kOpNames[static_cast<std::size_t>(op)]; }

std::optional<HistoryOp> HistoryOpFromName(const std::string& name) { return FromName<HistoryOp>(kOpNames, name); }

const char* HistoryResultName(HistoryResult result) { return kResultNames[static_cast<std::size_t>(result)]; }

std::optional<HistoryResult> HistoryResultFromName(const std::string& name)
{
    return FromName<HistoryResult>(kResultNames, name);
}

std::string HistoryTimeText(std::time_t time) { return LocalTime(time, "%Y-%m-%d %H:%M:%S"); }

std::string HistoryTimeIso(std::time_t time)
{
    // strftime's %z gives "+0100"; ISO 8601 wants "+01:00". (Appended piece by piece: GCC 12 warns
    // about an insert into the middle.)
    std::string text = LocalTime(time, "%Y-%m-%dT%H:%M:%S");
    const std::string zone = LocalTime(time, "%z");
    if (zone.size() == 5) {
        text += zone.substr(0, 3);
        text += ':';
        text += zone.substr(3);
    }
    return text;
}
