// Placeholder of the editor page until the editor is built: the main window embeds it.
#pragma once

#include <QWidget>

class CMainFrm : public QWidget {
    Q_OBJECT
public:
    explicit CMainFrm(QWidget* parent = nullptr);
    ~CMainFrm() override;
    // (Re)initialises the whole page from the image.
    void OnInitialUpdate();
};

extern CMainFrm* g_pMainView;
