// What the link has read from a port but not yet taken as part of a reply, and how many bytes it has
// judged to be nobody's reply. Nothing that arrives is thrown away unexamined: bytes that come after a
// reply are kept here and judged when the next frame goes out; sessions compare the stray count before
// and after a stretch of the conversation to learn whether the line was disturbed meanwhile.
#pragma once

#include <cstdint>
#include <vector>

class LineLedger {
public:
    // Bytes read beyond a reply.
    void Keep(const std::vector<std::uint8_t>& bytes) { m_kept.insert(m_kept.end(), bytes.begin(), bytes.end()); }
    // The kept bytes, removed.
    std::vector<std::uint8_t> TakeKept()
    {
        std::vector<std::uint8_t> out;
        out.swap(m_kept);
        return out;
    }
    bool HasKept() const { return !m_kept.empty(); }

    void CountStrays(std::size_t n) { m_strays += static_cast<long>(n); }
    // Bytes judged to be nobody's reply since the port object was made (only ever grows).
    long Strays() const { return m_strays; }

    // A frame sent again for want of a valid answer: its earlier answer may still be on its way.
    void CountRepeat() { ++m_repeats; }

    // Where the line stood at some moment, to learn later whether it was disturbed since: a byte that
    // was nobody's reply, or a frame sent again, either of which can make an acknowledge stand for
    // the wrong frame.
    struct Mark {
        long strays = 0;
        long repeats = 0;
    };
    Mark Now() const { return {m_strays, m_repeats}; }
    bool DisturbedSince(const Mark& mark) const { return m_strays != mark.strays || m_repeats != mark.repeats; }

    // A port opened again starts with nothing kept.
    void ForgetKept() { m_kept.clear(); }

private:
    std::vector<std::uint8_t> m_kept;
    long m_strays = 0;
    long m_repeats = 0;
};
