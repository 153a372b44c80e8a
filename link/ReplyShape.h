// What a reply looks like, so that it can be found among the bytes that arrive instead of being taken
// from wherever the first byte happens to fall: the 06 of an acknowledge, the echoed request at the
// head of a block reply, the model number or family tag inside the identity, the two letters that open
// a tuning reply. Bytes in front of the place where the shape is found are nobody's reply.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class ReplyShape {
public:
    // A shape that is not known: the reply is the bytes as they come (see PortTransceive).
    ReplyShape() = default;

    // The whole reply is exactly these bytes (hex text), e.g. "06".
    static ReplyShape Exactly(const std::string& hex);
    // The reply begins with one of these byte strings (hex text); falls back to the unknown shape when
    // none of them comes (a radio that answers otherwise).
    static ReplyShape StartingWith(const std::vector<std::string>& hexPrefixes);
    // The identity of a radio of the family: model number "Q951" in bytes 1-4 or the family tag "R736" in
    // bytes 0-3; falls back to the unknown shape (a radio of another model).
    static ReplyShape FamilyIdentity();
    // A block read reply: the request's echo ("52" + address + length) in front of the data; falls back
    // to the unknown shape (a radio whose header is something else).
    static ReplyShape BlockEcho(const std::string& request);

    bool Known() const { return !m_anchors.empty(); }
    // Whether a reply in which the shape is not found may still be taken under the unknown shape's rule.
    bool FallsBack() const { return m_fallBack; }

    // Replies to other frames that a falling-back shape must never take: a block reply whose echo names
    // another block, a tuning reply that begins with another frame's letters. A byte pattern; -1
    // stands for any byte.
    ReplyShape& NotStartingWith(std::vector<int> pattern);
    // Whether bytes begin like a reply to another frame.
    bool LooksForeign(const std::vector<std::uint8_t>& bytes) const;

    // Where the earliest reply of this shape begins in bytes (the anchor fully there), if anywhere.
    std::optional<std::size_t> Find(const std::vector<std::uint8_t>& bytes) const;

private:
    struct Anchor {
        std::vector<std::uint8_t> bytes;
        std::size_t at = 0; // position of the anchor inside the reply
    };
    std::vector<Anchor> m_anchors;
    std::vector<std::vector<int>> m_foreign;
    bool m_fallBack = true;
};
