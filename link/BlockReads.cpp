// The confirmed block reads shared by the code-plug read, the tuning mode and the alignment data.
#include "link/BlockReads.h"

#include <vector>

#include "link/LineDiscipline.h"
#include "link/LinkUi.h"
#include "link/Protocol.h"
#include "link/SerialPort.h"
#include "link/TransferSteps.h"

namespace {
// A block is read again at most this often because bytes followed it (late answers of its own repeated
// requests, noise); each time it has its three attempts again.
constexpr int kMaxRereads = 2;
} // namespace

BlockReadEnd ReadBlocks(SerialPort& port, ExchangeLog& log, LinkUi& ui, const BlockReadPlan& plan, std::string& data)
{
    const auto count = static_cast<std::size_t>(plan.blocks);
    std::vector<std::string> blocks(count);
    std::vector<int> attempts(count, 0); // requests of the block for want of a valid answer (at most 3)
    std::vector<int> rereads(count, 0);  // times it was read again for bytes that followed it (at most 2)
    std::vector<long> endMark(count, 0); // the ledger's stray count right after each block's reply
    int confirmed = 0;                   // blocks 0 .. confirmed-1 are the radio's beyond doubt
    int n = 0;
    while (n <= plan.blocks) {
        if (n == plan.blocks) {
            // The last block counts once nothing but its acknowledge came after it and the line then
            // stays quiet.
            if (SettleLine(port, kLineQuietMs, plan.limitMs) < 0)
                return {LINK_PORT_FAULT, false};
            if (port.Ledger().Strays() == endMark[count - 1])
                break;
            n = plan.blocks - 1;
            if (++rereads[count - 1] > kMaxRereads)
                return {LINK_REJECTED, false};
            attempts[count - 1] = 0;
            continue;
        }
        const auto k = static_cast<std::size_t>(n);
        ui.SetProgressPos(plan.progressFirst + n);
        const int address = plan.address + n * plan.blockBytes;
        const std::string frame = ReadRequestFrame(address, plan.blockBytes);
        BlockExchange how;
        how.replyBytes = 4 + plan.blockBytes;
        how.limitMs = plan.limitMs;
        how.logAlways = plan.logAlways;
        how.shape = ReplyShape::BlockEcho(frame);
        std::string reply;
        const long before = port.Ledger().Strays();
        const int rc = ExchangeBlock(port, log, frame, reply, how, attempts[k]);
        if (rc != LINK_OK)
            return {rc, false};
        const long framed = port.Ledger().Strays();
        DelayMs(port, plan.pauseMs);

        // The radio has its acknowledge for every block reply it sent, also for one read again.
        std::string ack;
        int last = LINK_OK;
        if (!PortExchange(port, FRAME_ACK, ack, 1, plan.ackLimitMs, FRAME_ACK, log, true, {.lastResult = &last}))
            return {last, true};
        DelayMs(port, plan.pauseMs);

        // Did anything come between the previous block's reply and this one? Then the previous block
        // may be shifted: it is read again, and this one after it.
        if (n > 0 && n - 1 >= confirmed && framed > endMark[k - 1]) {
            --n;
            if (++rereads[k - 1] > kMaxRereads)
                return {LINK_REJECTED, false};
            attempts[k - 1] = 0;
            SettleLine(port, kLineQuietMs, plan.limitMs);
            continue;
        }
        // Did anything come in front of this reply? Those bytes may hold the reply itself, taken apart
        // by noise, and what looked like the reply behind them be nobody's: the block is read again.
        if (framed > before) {
            if (++rereads[k] > kMaxRereads)
                return {LINK_REJECTED, false};
            attempts[k] = 0;
            SettleLine(port, kLineQuietMs, plan.limitMs);
            continue;
        }
        if (n > 0)
            confirmed = n;
        endMark[k] = framed;
        blocks[k] = reply.substr(8); // the data after the 4-byte header
        ++n;
    }
    for (const std::string& block : blocks)
        data += block;
    return {};
}
