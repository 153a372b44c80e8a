// Lines of text for the differences of two code plugs, with the page's captions and cell texts.
#include "codeplug/DiffText.h"

#include "app/LangText.h"
#include "codeplug/HexText.h"

namespace {

constexpr int kTextEmpty = 9560;      // "(empty)"
constexpr int kTextOtherBytes = 9561; // "Other bytes: %1 (%2)"
constexpr int kTextMore = 9562;       // "... and %1 more differences"
constexpr int kTextChannel = 9563;    // "Channel %1"
constexpr const char* kArrow = " \u2192 ";
constexpr std::size_t kRangesInLine = 8;

std::string Shown(const std::string& text) { return text.empty() ? GetLangText(kTextEmpty) : text; }

std::string Change(const std::string& before, const std::string& after)
{
    return Shown(before) + kArrow + Shown(after);
}

std::string Address(int address) { return "0x" + IntToHex(address, 2); }

} // namespace

std::string AddressRanges(const std::vector<ByteChange>& bytes, std::size_t maxRanges)
{
    std::string out;
    std::size_t ranges = 0;
    for (std::size_t i = 0; i < bytes.size();) {
        std::size_t j = i;
        while (j + 1 < bytes.size() && bytes[j + 1].address == bytes[j].address + 1)
            ++j;
        if (ranges == maxRanges)
            return out + ", ...";
        // Appended piece by piece: a literal put in front of a temporary string trips GCC 12's
        // -Wrestrict at -O3.
        if (!out.empty())
            out += ", ";
        out += Address(bytes[i].address);
        if (j > i) {
            out += "-";
            out += Address(bytes[j].address);
        }
        ++ranges;
        i = j + 1;
    }
    return out;
}

std::vector<std::string> DiffLines(const CodePlugDiff& diff)
{
    std::vector<std::string> lines;
    if (diff.band)
        lines.push_back(diff.band->caption + ": " + Change(diff.band->before, diff.band->after));
    for (const FieldChange& f : diff.settings)
        lines.push_back(f.caption + ": " + Change(f.before, f.after));
    for (const ChannelChange& c : diff.channels) {
        std::string line = GetLangTextWith(kTextChannel, {std::to_string(c.channel)}) + ": ";
        for (std::size_t i = 0; i < c.cells.size(); ++i) {
            if (i > 0)
                line += "; ";
            line += c.cells[i].header + " " + Change(c.cells[i].before, c.cells[i].after);
        }
        lines.push_back(line);
    }
    if (!diff.otherBytes.empty())
        lines.push_back(GetLangTextWith(kTextOtherBytes, {std::to_string(diff.otherBytes.size()),
                                                          AddressRanges(diff.otherBytes, kRangesInLine)}));
    return lines;
}

std::string DiffSummary(const CodePlugDiff& diff, std::size_t maxLines)
{
    const std::vector<std::string> lines = DiffLines(diff);
    std::string out;
    for (std::size_t i = 0; i < lines.size() && i < maxLines; ++i) {
        if (i > 0)
            out += "\n";
        out += lines[i];
    }
    if (lines.size() > maxLines) {
        out += "\n";
        out += GetLangTextWith(kTextMore, {std::to_string(lines.size() - maxLines)});
    }
    return out;
}
