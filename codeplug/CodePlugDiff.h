// Field-by-field differences of two code plugs in the editor page's words: the band, each general
// setting (caption: old -> new), each channel row (its cells), and the differing bytes no field names.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "codeplug/CodePlug.h"

// One general setting, or the band, whose text differs.
struct FieldChange {
    std::string key;     // the setting's key as `show --json` names it ("band" for the band)
    std::string caption; // the page's caption in the current language
    std::string before;  // the text in the first code plug ("" where a list has no selection)
    std::string after;
};

// One cell of a channel row whose text differs.
struct CellChange {
    int column = 0;     // column of the channel table (1 ... 7)
    std::string key;    // "rx", "tx", "decode", "encode", "bandwidth", "power", "scan"
    std::string header; // the column's header text
    std::string before; // "" for a blank cell
    std::string after;
};

struct ChannelChange {
    int channel = 0; // 1 ... 16
    std::vector<CellChange> cells;
};

// A differing byte that no listed field explains.
struct ByteChange {
    int address = 0;
    int before = 0;
    int after = 0;
};

struct CodePlugDiff {
    std::optional<FieldChange> band; // code and limits
    std::vector<FieldChange> settings;
    std::vector<ChannelChange> channels;
    std::vector<ByteChange> otherBytes;

    bool Equal() const { return !band && settings.empty() && channels.empty() && otherBytes.empty(); }
};

// What differs from before to after. Every differing byte is accounted for: a byte counts as
// explained only when a field covering it is listed (a scan-list bit only when its channel is); all
// others are in otherBytes, also those of a field whose text stayed the same.
CodePlugDiff DiffCodePlugs(const CodePlug& before, const CodePlug& after);

// The band as a diff shows it: "33 (400.00000 - 470.00000 MHz)".
std::string BandText(const CodePlug& image);
