// Replies to the tuning frames TS, ASK, SV, TF and CLOS within one tuning conversation: the protocol
// accepts any 4 bytes, but a radio that echoes a kind of frame must go on echoing it.
#pragma once

#include <map>
#include <string>

#include "link/ReplyCheck.h"

// A radio whose first reply to a kind of frame begins with that frame's two letters and, for the item
// frames, the item byte ("TS" + item for TS, "AS" + item for ASK, "CL" for CLOS) echoes that kind: a
// later reply to the same kind that does not begin so was shifted by a stray byte and is asked for
// again. A radio that answers otherwise is taken as it answers, except that its ASK reply, whose last
// byte the window shows, counts only when the line stays quiet after it.
class TuningEcho : public ReplyCheck {
public:
    bool Accept(SerialPort& port, const std::string& command, const std::string& reply) override;

    // Whether the radio was seen echoing this kind of frame ("5453" TS, "4153" ASK, ...).
    bool Echoing(const std::string& letters) const;

private:
    enum class State { Unknown, Echoing, Other };
    std::map<std::string, State> m_states; // by the frame's two letters as hex text
};
