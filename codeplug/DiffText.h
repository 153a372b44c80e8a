// The differences of two code plugs as lines for a person: what `vpxds-cli diff` prints and what a
// failed verification after a write names.
#pragma once

#include <string>
#include <vector>

#include "codeplug/CodePlugDiff.h"

// One line per differing item, in the page's order: the band, each setting ("Squelch level: 3 → 5"),
// each channel ("Channel 3: RX Freq 435.12500 → 435.00000; Scan Yes → No"), then the other bytes
// ("Other bytes: 3 (0x0300, 0x03E0-0x03E1)"). Blank values show as "(empty)".
std::vector<std::string> DiffLines(const CodePlugDiff& diff);

// At most maxLines of those lines, one a line, then "... and N more differences" when some were left.
std::string DiffSummary(const CodePlugDiff& diff, std::size_t maxLines);

// Addresses as ranges of neighbours: "0x0300, 0x03E0-0x03E1"; after maxRanges ranges ", ...".
std::string AddressRanges(const std::vector<ByteChange>& bytes, std::size_t maxRanges);
