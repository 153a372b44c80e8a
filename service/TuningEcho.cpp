// The echo shape of the tuning frames' replies.
#include "service/TuningEcho.h"

#include "link/Protocol.h"

std::string TuningEchoOf(const std::string& command)
{
    const std::string letters = command.substr(0, 4);
    if (command.compare(0, 6, "41534B") == 0 && command.size() == 8)
        return letters + command.substr(6, 2); // ASK: "AS" + item
    if (command == FRAME_CLOS)
        return letters;
    return command.size() == 8 ? letters + command.substr(4, 2) : letters; // TS, SV, TF: letters + item
}

ReplyShape TuningReplyShape(const std::string& command)
{
    if (command.size() < 4)
        return ReplyShape();
    ReplyShape shape = ReplyShape::StartingWith({TuningEchoOf(command)});
    // The echo of another tuning frame (or of this one for another item) is never this frame's reply,
    // even from a radio that does not echo: it is a late answer to an earlier frame.
    for (const char* letters : {"TS", "AS", "SV", "TF", "CL"})
        shape.NotStartingWith({letters[0], letters[1]});
    return shape;
}
