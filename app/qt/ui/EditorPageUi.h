// The editor page as the other windows see it: after they replace the image (New, Open, a read, a band
// change, a restored backup) the page reloads through this interface, without their reaching the page.
#pragma once

class EditorPageUi {
public:
    // (Re)initialises the whole page from the image.
    virtual void OnInitialUpdate() = 0;

protected:
    ~EditorPageUi() = default;
};

// After the image was replaced: reload the editor page, refresh the main window's title.
void ImageReplaced();
// The page that ImageReplaced reloads: set by the page while it exists.
void SetEditorPageUi(EditorPageUi* page);
// Forgets page if it is the one set (a page that goes).
void ClearEditorPageUi(const EditorPageUi* page);
