// The shape of the replies to the tuning frames TS, ASK, SV, TF and CLOS: the protocol accepts any
// 4 bytes, but a radio that echoes them begins its reply with the frame's two letters and, for the
// item frames, the item byte ("TS" + item, "AS" + item for ASK, "CL" for CLOS). The reply is found by
// that beginning; a radio that answers otherwise is taken as it answers when nothing else came.
#pragma once

#include <string>

#include "link/ReplyShape.h"

// The beginning (hex text) of the reply that echoes command.
std::string TuningEchoOf(const std::string& command);

ReplyShape TuningReplyShape(const std::string& command);
