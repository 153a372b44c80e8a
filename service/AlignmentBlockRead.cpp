// The eight block reads of the alignment block, one conversation.
#include "service/AlignmentBlockRead.h"

#include "codeplug/AddressMap.h"
#include "link/ExchangeLog.h"
#include "link/LinkUi.h"
#include "link/Protocol.h"
#include "link/ReplyCheck.h"
#include "link/SerialPort.h"
#include "service/AlignmentLayout.h"

namespace {

constexpr int kBlockLimitMs = 300;
constexpr int kBlockPauseMs = 5;
// A block read answers a 4-byte header and the 8 data bytes.
constexpr int kBlockReplyBytes = 4 + kAlignmentBlockBytes;

} // namespace

bool ReadAlignmentBlocks(SerialPort& port, ExchangeLog& log, LinkUi& ui, std::string& data)
{
    BlockEcho echo; // one conversation: the first block reply decides how the others are checked
    ui.SetProgressRange(1, kAlignmentBlocks);
    for (int k = 0; k < kAlignmentBlocks; ++k) {
        ui.SetProgressPos(k + 1);
        std::string reply;
        if (!PortExchange(port,
                          ReadRequestFrame(Addr::kAlignment + kAlignmentBlockBytes * k, kAlignmentBlockBytes),
                          reply, kBlockReplyBytes, kBlockLimitMs, std::string(), log, true, nullptr, &echo))
            return false;
        data += reply.substr(8); // the data after the 4-byte header
        DelayMs(kBlockPauseMs);
        std::string ack;
        if (!PortExchange(port, FRAME_ACK, ack, 1, kBlockLimitMs, FRAME_ACK, log, true))
            return false;
        DelayMs(kBlockPauseMs);
    }
    return true;
}
