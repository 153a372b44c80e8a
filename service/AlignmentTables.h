// Widget-free part of the alignment-data tables: the cell texts shown for a 64-byte block, the rules
// for typed values, and the block built back from the cells. A cell that still shows what the block
// held keeps that block's bytes, so nothing changes unless its cell was edited.
#pragma once

#include <array>
#include <string>

#include "service/AlignmentLayout.h"

class AlignmentTables {
public:
    // Shows a block (128 hex digits); anything else is ignored.
    void Fill(const std::string& data);
    // Empties every value cell and both hidden lists.
    void Clear();
    // True from Fill to Clear: the cells show a block.
    bool Filled() const { return m_bFilled; }

    // Cell texts ("" for an empty cell). Frequencies "%9.5f" MHz, parameters decimal 0-255.
    std::string FreqText(int row, int col) const;
    std::string ParamText(int row, int col) const;
    // The hidden lists' selections: -1 while cleared, else 0 (byte 0x00) or 1.
    int CrystalIndex() const { return m_nCrystal; }
    int VoiceChipIndex() const { return m_nVoiceChip; }

    // Only a cell that holds a value can be edited.
    bool CanEditFreq(int row, int col) const { return !FreqText(row, col).empty(); }
    bool CanEditParam(int row, int col) const { return !ParamText(row, col).empty(); }

    // A typed frequency in MHz, limited to lowerMHz - 50 .. upperMHz + 50 (the band widened by 50 MHz)
    // and shown "%9.5f"; the row's other frequency takes the same value when it is empty. An empty
    // text empties both frequencies of the row. False (nothing changed) for a cell that cannot be
    // edited or a text that is not a number.
    bool CommitFreq(int row, int col, const std::string& text, double lowerMHz, double upperMHz);
    // A typed parameter: a decimal number, its whole part limited to 0-255. False (nothing changed)
    // for a cell that cannot be edited, an empty text or a text that is not a number.
    bool CommitParam(int row, int col, const std::string& text);

    // The shown block with the changes typed into the cells (128 hex digits); the block as filled
    // where no cell changed. Only while Filled().
    std::string Build() const;

private:
    std::string& Freq(int row, int col);
    std::string& Param(int row, int col);

    bool m_bFilled = false;
    std::string m_source; // the block the cells were filled from
    std::array<std::array<std::string, kFreqColumns>, kFreqRows> m_freq;
    std::array<std::array<std::string, kParamColumns>, kParamRows> m_param;
    int m_nCrystal = -1;
    int m_nVoiceChip = -1;
};

// What a block shows in a cell: the frequency of a 4-byte field ("" for FF FF FF FF) and a
// parameter byte as a decimal number.
std::string AlignmentFreqText(const std::string& data, int row, int col);
std::string AlignmentParamText(const std::string& data, int row, int col);
// How many values differ between two blocks: the ten frequencies (4 bytes each), the 21 parameters and
// each byte after them that no table shows. -1 when either is no block.
int CountDifferingValues(const std::string& a, const std::string& b);
