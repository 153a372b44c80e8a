// The progress of a fleet write as the port's state.
#include "fleet/FleetLinkUi.h"

#include <algorithm>

#include "fleet/FleetUi.h"
#include "link/ReadSession.h"
#include "link/WriteSession.h"

FleetLinkUi::FleetLinkUi(FleetUi& ui, int port, const CodePlug& plug) : m_ui(ui), m_port(port)
{
    m_sentBefore.push_back(0);
    for (int n = 1; n <= WriteSession::kBlocks; ++n)
        m_sentBefore.push_back(m_sentBefore.back() + (WriteSession::BlockFrame(plug, n).empty() ? 0 : 1));
}

void FleetLinkUi::SetProgressPos(int pos)
{
    // The write with its backup and verification: 16 blocks read, 52 block positions, 16 read back.
    constexpr int kRead = ReadSession::kBlocks;
    constexpr int kWrite = WriteSession::kBlocks;
    FleetPortStatus status;
    if (pos <= kRead) {
        status = {FleetPortState::BackingUp, pos, kRead, {}};
    } else if (pos <= kRead + kWrite) {
        status = {FleetPortState::Writing, m_sentBefore[static_cast<std::size_t>(pos - kRead)], FramesSent(), {}};
    } else {
        status = {FleetPortState::Verifying, std::min(pos - kRead - kWrite, kRead), kRead, {}};
    }
    const int shown = static_cast<int>(status.state) * 1000 + status.step;
    if (shown == m_lastShown)
        return; // a skipped block sends nothing: the count stays
    m_lastShown = shown;
    m_ui.PortStatus(m_port, status);
}
