// The one main window that the other windows and the commands report to, while it exists.
#include "app/qt/ui/MainFrameUi.h"

namespace {

MainFrameUi* s_pMainFrameUi = nullptr;

} // namespace

void UpdateMainTitle()
{
    if (s_pMainFrameUi != nullptr)
        s_pMainFrameUi->RefreshTitle();
}

void SetMainFrameUi(MainFrameUi* frame) { s_pMainFrameUi = frame; }

void ClearMainFrameUi(const MainFrameUi* frame)
{
    if (s_pMainFrameUi == frame)
        s_pMainFrameUi = nullptr;
}
