// Finding a reply by its shape in the received bytes.
#include "link/ReplyShape.h"

#include <algorithm>

#include "codeplug/HexText.h"
#include "link/Protocol.h"

ReplyShape ReplyShape::Exactly(const std::string& hex)
{
    ReplyShape s;
    s.m_anchors.push_back({HexToBytes(hex), 0});
    s.m_fallBack = false;
    return s;
}

ReplyShape ReplyShape::StartingWith(const std::vector<std::string>& hexPrefixes)
{
    ReplyShape s;
    for (const std::string& hex : hexPrefixes)
        s.m_anchors.push_back({HexToBytes(hex), 0});
    return s;
}

ReplyShape ReplyShape::FamilyIdentity()
{
    ReplyShape s;
    s.m_anchors.push_back({HexToBytes(TextToHex(kFamilyModelNumber)), 1});
    s.m_anchors.push_back({HexToBytes(TextToHex(kFamilyModelTag)), 0});
    return s;
}

ReplyShape ReplyShape::BlockEcho(const std::string& request)
{
    ReplyShape s = StartingWith({request});
    // The reply to another block request: a late one, or one the radio sent twice.
    const std::vector<std::uint8_t> r = HexToBytes(request);
    if (r.size() == 4)
        s.NotStartingWith({r[0], -1, -1, r[3]});
    return s;
}

ReplyShape& ReplyShape::NotStartingWith(std::vector<int> pattern)
{
    m_foreign.push_back(std::move(pattern));
    return *this;
}

bool ReplyShape::LooksForeign(const std::vector<std::uint8_t>& bytes) const
{
    for (const std::vector<int>& pattern : m_foreign) {
        if (bytes.size() < pattern.size())
            continue;
        bool match = true;
        for (std::size_t i = 0; i < pattern.size() && match; ++i)
            match = pattern[i] < 0 || pattern[i] == bytes[i];
        if (match)
            return true;
    }
    return false;
}

std::optional<std::size_t> ReplyShape::Find(const std::vector<std::uint8_t>& bytes) const
{
    std::optional<std::size_t> best;
    for (const Anchor& a : m_anchors) {
        if (a.bytes.empty())
            continue;
        // The anchor may sit no earlier than its place inside the reply.
        auto from = bytes.begin() + static_cast<long>(std::min(a.at, bytes.size()));
        const auto hit = std::search(from, bytes.end(), a.bytes.begin(), a.bytes.end());
        if (hit == bytes.end())
            continue;
        const std::size_t start = static_cast<std::size_t>(hit - bytes.begin()) - a.at;
        if (!best || start < *best)
            best = start;
    }
    return best;
}
