// Widget-free part of the test-frequency editor: the 128-byte table at 0x0280 as 16 rows of
// receive/transmit frequency texts, and the rule that commits a typed text into a row. Rows 5 to 12
// lie on the radio's alignment block (0x02A0-0x02DF, its calibration): they are no test frequencies,
// and the editor neither shows nor writes them.
#pragma once

#include <array>
#include <string>

#include "codeplug/CodePlug.h"

struct TestFreqRow {
    std::string rx; // "%9.5f" MHz, or empty
    std::string tx;
    bool IsBlank() const { return rx.empty() && tx.empty(); }
};

inline constexpr int kTestFreqRows = 16;
inline constexpr int kTestFreqEntryBytes = 8;
using TestFreqTable = std::array<TestFreqRow, kTestFreqRows>;

// Rows 5 to 12 (1-based): the radio's alignment block.
bool IsCalibrationRow(int row);

// Reads 16 entries of 8 bytes (receive field, transmit field). An entry of 8 x 0xFF or 8 x 0x00
// is a blank row, and so is an entry whose receive field holds no frequency (the tail of a
// 16-byte test record as some band defaults write them), so such tables show their frequencies
// in the rows where the records begin.
TestFreqTable DecodeTestFreqTable(const std::string& hex);
// The table of an image, its calibration rows blank.
TestFreqTable ReadTestFreqTable(const CodePlug& image);

// 256 hex characters: 16 entries of 8 bytes in the same layout; a blank row as 8 x 0xFF, an empty
// transmit cell as FF FF FF FF.
std::string EncodeTestFreqTable(const TestFreqTable& table);
// Writes the table into the image; rows that still show what the image holds keep their bytes, and
// so do the calibration rows, whatever the table holds there.
void WriteTestFreqTable(CodePlug& image, const TestFreqTable& table);

// Commits a typed text into column 1 (receive) or 2 (transmit) of a row: an empty text clears the
// whole row; otherwise the channel editor's frequency rule normalises it, and an empty other cell
// of the row receives the same frequency.
void CommitTestFreqText(TestFreqRow& row, int column, const std::string& text, const std::string& bandCode);
