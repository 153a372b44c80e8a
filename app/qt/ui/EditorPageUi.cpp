// The one editor page that is reloaded when the image is replaced, while it exists.
#include "app/qt/ui/EditorPageUi.h"

#include "app/qt/ui/MainFrameUi.h"

namespace {

EditorPageUi* s_pEditorPage = nullptr;

} // namespace

void ImageReplaced()
{
    if (s_pEditorPage != nullptr)
        s_pEditorPage->OnInitialUpdate();
    UpdateMainTitle();
}

void SetEditorPageUi(EditorPageUi* page) { s_pEditorPage = page; }

void ClearEditorPageUi(const EditorPageUi* page)
{
    if (s_pEditorPage == page)
        s_pEditorPage = nullptr;
}
