// What a write that stopped part-way, or whose read-back differs, left in the radio: the address
// ranges whose blocks hold the new data, and the sentence that tells the user so.
#pragma once

#include <string>
#include <vector>

class WrittenRanges {
public:
    // A block of the write that holds the new data (or that the write leaves out: it is passed as its
    // progress step is). Blocks are added in ascending order; touching blocks join one range.
    void Add(int address, int bytes);
    bool Empty() const { return m_ranges.empty(); }

    // "0x0000–0x01AF, 0x01E0–0x033F".
    std::string Text() const;
    // "The radio is now partly written: blocks ... hold the new data ..." or, when no block was
    // confirmed, that the first block may already hold new data; restoreHint follows (may be empty).
    std::string PartlyWritten(const std::string& restoreHint) const;

private:
    struct Range {
        int first;
        int last;
    };
    std::vector<Range> m_ranges;
};

// The interface texts of a radio left partly written.
inline constexpr int kPartlyWrittenText = 9600;
inline constexpr int kMaybePartlyWrittenText = 9601;
