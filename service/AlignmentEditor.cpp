// The alignment-data window's commands without widgets.
#include "service/AlignmentEditor.h"

#include "app/LangText.h"
#include "app/Settings.h"
#include "link/LinkUi.h"
#include "service/AlignmentExport.h"
#include "service/AlignmentFile.h"

namespace {
constexpr int kTextNoData = 7022;
constexpr int kTextWriteQuestion = 9639; // "Write the alignment data into the radio?"
constexpr int kTextValuesDiffer = 9640;  // "%1 of its values differ from the data last read ..."
constexpr int kTextNothingRead = 9641;   // "No alignment data has been read from the radio ..."
} // namespace

AlignmentEditor::AlignmentEditor() : m_path(ReadSetting("option", "adjust_data_path")) {}

std::string AlignmentEditor::Title() const
{
    return GetLangText(7008) + (m_path.empty() ? GetLangText(90026) : m_path);
}

std::string AlignmentEditor::Current() const { return m_tables.Filled() ? m_tables.Build() : m_held; }

bool AlignmentEditor::IsModified() const { return m_tables.Filled() && Current() != m_saved; }

bool AlignmentEditor::HasUnkeptEdits() const { return IsModified() && Current() != m_fromRadio; }

std::string AlignmentEditor::WriteQuestion() const
{
    const std::string detail =
        m_fromRadio.empty() ? GetLangText(kTextNothingRead)
                            : GetLangTextWith(kTextValuesDiffer,
                                              {std::to_string(CountDifferingValues(Current(), m_fromRadio))});
    return GetLangText(kTextWriteQuestion) + "\n\n" + detail;
}

void AlignmentEditor::Clear()
{
    m_tables.Clear();
    m_path.clear();
}

int AlignmentEditor::Open(const std::string& path)
{
    std::string data;
    const int rc = LoadAlignmentFile(path, data);
    if (rc != 0)
        return rc;
    m_path = path;
    m_held = data;
    m_saved = data;
    m_tables.Fill(data);
    return 0;
}

int AlignmentEditor::CheckData() const { return m_tables.ParamText(1, 1).empty() ? kTextNoData : 0; }

int AlignmentEditor::SaveTo(const std::string& path)
{
    if (const int rc = CheckData(); rc != 0)
        return rc;
    m_held = Current();
    if (const int rc = SaveAlignmentFile(path, m_held); rc != 0)
        return rc;
    m_path = path;
    m_saved = m_held;
    return 0;
}

SheetExport AlignmentEditor::Export(const std::string& path)
{
    m_held = Current();
    return ExportAlignmentSheet(path, m_tables);
}

AlignmentResult AlignmentEditor::Read(AlignmentSession& session)
{
    std::string data;
    const AlignmentResult result = session.Read(data);
    if (!result.Succeeded())
        return result;
    m_held = data;
    m_fromRadio = data;
    m_tables.Fill(data);
    m_path.clear();
    return result;
}

AlignmentResult AlignmentEditor::Write(AlignmentSession& session)
{
    if (CheckData() != 0) {
        session.Ui().ReportMessage(kTextNoData, std::string());
        return {AlignmentStatus::NothingToWrite, kTextNoData};
    }
    m_held = Current();
    const AlignmentResult result = session.Write(m_held);
    m_tables.Fill(m_held);
    if (result.Succeeded())
        m_fromRadio = m_held;
    return result;
}
