// Where the radio's 64-byte alignment block keeps what the alignment-data tables show: five test
// points of two frequencies, then one byte per alignment item, and the texts that label the cells.
#pragma once

#include <array>
#include <string>

inline constexpr int kAlignmentBytes = 64;
inline constexpr int kAlignmentChars = 2 * kAlignmentBytes;
// The block travels as eight reads or writes of 8 bytes each, from radio address 0x02A0 on.
inline constexpr int kAlignmentBlocks = 8;
inline constexpr int kAlignmentBlockBytes = 8;

// Frequency table: rows 1-5 (the test points), column 1 receive, column 2 transmit.
inline constexpr int kFreqRows = 5;
inline constexpr int kFreqColumns = 2;
// Parameter table: rows 1-7, up to five value columns. Row r holds the alignment items of one kind,
// one byte each, from byte 40 on in row order: 1, 1, 5, 5, 2, 2 and 5 values (items 0 to 20).
inline constexpr int kParamRows = 7;
inline constexpr int kParamColumns = 5;
inline constexpr int kFirstParamByte = 40;
// Bytes after the last item that no table shows; they keep what the radio or the file held.
inline constexpr int kFirstUnshownByte = 61;

// The hidden crystal and voice-chip lists look at these bytes: 0x00 = first entry, else second.
inline constexpr int kCrystalByte = 52;
inline constexpr int kVoiceChipByte = 53;

// Byte offset of a frequency cell (its 4-byte field); -1 outside the table.
int FreqCellByte(int row, int col);
// Number of value columns of a parameter row; 0 outside the table.
int ParamRowColumns(int row);
// Byte offset of a parameter cell; -1 for a cell the row does not have.
int ParamCellByte(int row, int col);

// Column headings of the parameter table, which follow the row clicked last: rows 3, 4 and 7 the
// five test points (layout C), rows 5 and 6 wide and narrow (layout B), any other row one column
// (layout A). Text numbers, 0 for an empty heading.
enum class HeadingLayout { A, B, C };
HeadingLayout LayoutForRow(int row);
std::array<int, kParamColumns> ParamHeadings(HeadingLayout layout);

// Row labels (text numbers): row 0 is the corner cell.
int ParamRowLabel(int row);     // 7010, then 7011, 7012, 4107, 7013, 7014, 7015, 7016
int FreqRowLabel(int row);      // 7009, then 90018, 7006, 90038, 7007, 90017
int FreqColumnHeading(int col); // 5002 receive, 5003 transmit

// Entries of the hidden lists: the crystal list "12.8M", "13.0M"; the voice chip list "W588" and the
// word for "other" (text 7026).
std::array<std::string, 2> CrystalEntries();
std::array<std::string, 2> VoiceChipEntries();
