// Address ranges of a partly written radio.
#include "link/WrittenRanges.h"

#include "app/LangText.h"
#include "codeplug/HexText.h"

void WrittenRanges::Add(int address, int bytes)
{
    if (!m_ranges.empty() && m_ranges.back().last + 1 == address)
        m_ranges.back().last = address + bytes - 1;
    else
        m_ranges.push_back({address, address + bytes - 1});
}

std::string WrittenRanges::Text() const
{
    std::string text;
    for (const Range& r : m_ranges) {
        if (!text.empty())
            text += ", ";
        text += "0x";
        text += IntToHex(r.first, 2);
        text += "\u2013"; // en dash
        text += "0x";
        text += IntToHex(r.last, 2);
    }
    return text;
}

std::string WrittenRanges::PartlyWritten(const std::string& restoreHint) const
{
    std::string text = Empty() ? GetLangText(kMaybePartlyWrittenText) : GetLangTextWith(kPartlyWrittenText, {Text()});
    if (!restoreHint.empty()) {
        text += "\n\n";
        text += restoreHint;
    }
    return text;
}
