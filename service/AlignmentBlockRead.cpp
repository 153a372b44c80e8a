// The eight block reads of the alignment block, one conversation.
#include "service/AlignmentBlockRead.h"

#include "codeplug/AddressMap.h"
#include "link/BlockReads.h"
#include "link/ExchangeLog.h"
#include "link/LinkUi.h"
#include "link/Protocol.h"
#include "link/SerialPort.h"
#include "service/AlignmentLayout.h"

BlockReadEnd ReadAlignmentBlocks(SerialPort& port, ExchangeLog& log, LinkUi& ui, std::string& data)
{
    BlockReadPlan plan;
    plan.address = Addr::kAlignment;
    plan.blockBytes = kAlignmentBlockBytes;
    plan.blocks = kAlignmentBlocks;
    plan.limitMs = 300;
    plan.ackLimitMs = 300;
    plan.pauseMs = 5;
    plan.logAlways = false;
    plan.progressFirst = 1;
    ui.SetProgressRange(1, kAlignmentBlocks);
    const BlockReadEnd end = ReadBlocks(port, log, ui, plan, data);
    // A block that got no acceptable reply in three attempts ends the conversation as any exchange of
    // it does: 3009 and the port closed. A failed acknowledge has been reported already.
    if (!end.Succeeded() && !end.atAcknowledge && end.rc != LINK_PORT_FAULT) {
        if (log.Ui())
            log.Ui()->ReportMessage(3009, std::string());
        port.Close();
    }
    return end;
}
