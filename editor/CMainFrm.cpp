// Placeholder of the editor page until the editor is built.
#include "editor/CMainFrm.h"

CMainFrm* g_pMainView = nullptr;

CMainFrm::CMainFrm(QWidget* parent) : QWidget(parent) { g_pMainView = this; }

CMainFrm::~CMainFrm()
{
    if (g_pMainView == this)
        g_pMainView = nullptr;
}

void CMainFrm::OnInitialUpdate() {}
