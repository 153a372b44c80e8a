// Widget-free part of the alignment-data window: the held block with its saved copy and file path,
// the two tables, and the file, radio and export commands with the messages each failure shows.
#pragma once

#include <string>

#include "service/AlignmentExport.h"
#include "service/AlignmentSession.h"
#include "service/AlignmentTables.h"

class AlignmentEditor {
public:
    // Nothing held; the file path from [option] adjust_data_path.
    AlignmentEditor();

    AlignmentTables& Tables() { return m_tables; }
    const AlignmentTables& Tables() const { return m_tables; }
    const std::string& Held() const { return m_held; }
    const std::string& SavedCopy() const { return m_saved; }
    const std::string& Path() const { return m_path; }
    // The block last read from the radio, or written into it, in this window ("" before either).
    const std::string& FromRadio() const { return m_fromRadio; }

    // The window title: text 7008 and the file path, or text 90026 without one.
    std::string Title() const;

    // The block as the tables show it now, with every edit (the held block while they are cleared).
    std::string Current() const;
    // True when the tables show a block that differs from the saved copy: closing the window, opening
    // a file or reading would lose it. Cleared tables show nothing to lose.
    bool IsModified() const;
    // True when the tables show values typed since the radio was last read (or since the file was
    // opened) that are in no file either: a read would replace them.
    bool HasUnkeptEdits() const;
    // The question before a write: how many values differ from the block last read from the radio,
    // or that nothing was read from it in this window.
    std::string WriteQuestion() const;

    // Empties the tables and forgets the file path; the held block and its saved copy stay.
    void Clear();
    // Opens a .dts file, or takes the block of a code-plug data file read from the radio (a backup):
    // 0 with the block held, saved and shown and the path remembered; 2011 or 9642 (a code plug whose
    // alignment block is empty) with nothing changed.
    int Open(const std::string& path);
    // 7022 when the tables hold no block (the first parameter is empty), else 0.
    int CheckData() const;
    // Saves the tables' block to path: 0, then the path is current and the block saved; 7022 or 2014
    // with path and saved copy unchanged.
    int SaveTo(const std::string& path);
    void ForgetPath() { m_path.clear(); }
    void SetPath(const std::string& path) { m_path = path; }
    // Builds the held block from the tables and writes the parameters to a workbook.
    SheetExport Export(const std::string& path);

    // Read from the radio: on success the tables show the block, the path is forgotten and the block
    // counts as unsaved; on failure nothing changes.
    AlignmentResult Read(AlignmentSession& session);
    // Write the tables' block into the radio (7022 and nothing sent without one); the tables are then
    // filled again from the block, which on success is what the radio holds.
    AlignmentResult Write(AlignmentSession& session);

private:
    AlignmentTables m_tables;
    std::string m_held;
    std::string m_saved;
    std::string m_path;
    std::string m_fromRadio;
};
