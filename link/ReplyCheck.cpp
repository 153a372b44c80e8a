// The lone-identity check of radio replies.
#include "link/ReplyCheck.h"

#include "link/Protocol.h"
#include "link/SerialPort.h"

bool IdentityAlone::Accept(SerialPort& port, const std::string&, const std::string&)
{
    DelayMs(port, m_sleepMs);
    return !port.Ledger().HasKept() && port.BytesWaiting() == 0;
}
