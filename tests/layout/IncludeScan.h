// The lines between the folders as the sources draw them: a file outside every qt/ folder includes no
// Qt header and nothing from a qt/ folder; the radio link includes nothing of the editor; the windows
// of every subsystem see of the top (app/qt) only the shared helpers beneath them (app/qt/ui).
#pragma once

#include <string>
#include <vector>

struct IncludeFault {
    std::string file; // relative to the scanned root
    int line = 0;
    std::string include; // as written between the brackets or quotes
};

// True for a header of Qt: <QString>, <QtCore/QObject>, a moc file.
bool IsQtHeader(const std::string& name);
// True when a relative path has a folder named qt ("link/qt/ReadDialog.h", "qt/X.h").
bool IsInQtFolder(const std::string& path);

// Every include of a Qt header or of a qt/ file in the C++ sources (.cpp, .h, .hpp) under the given
// folders of root that are not in a qt/ folder themselves, in path and line order.
std::vector<IncludeFault> FindCoreIncludeFaults(const std::string& root,
                                                const std::vector<std::string>& folders);

// Every include, in the sources under root/folder (its qt/ folder too), of a file under `forbidden`
// ("link" may include nothing under "editor").
std::vector<IncludeFault> FindFolderIncludeFaults(const std::string& root, const std::string& folder,
                                                  const std::string& forbidden);

// The layers of the window code, for every top-level folder of root that has a qt/ folder:
// - a subsystem's windows (any qt/ folder but app's) include of app/qt only the helpers in app/qt/ui;
// - the helpers in app/qt/ui include no qt/ file outside app/qt/ui;
// - the main window (app/qt/CMainFrame.h) is included only by its own files (app/qt/CMainFrame*), the
//   start-up (AppStart, FirstPaintProbe, main.cpp); the commands reach it through app/qt/ui/MainFrameUi.h.
std::vector<IncludeFault> FindWindowLayerFaults(const std::string& root);
