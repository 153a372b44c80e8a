// The line between the core and the Qt code as the sources draw it: a file outside every qt/ folder
// includes no Qt header and nothing from a qt/ folder.
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
