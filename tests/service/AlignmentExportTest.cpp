// The spreadsheet export read back the way a spreadsheet program reads it (openpyxl from Debian):
// one sheet "AdjustData", the column names in row 1, the parameters in row 2; a workbook with other
// sheets is never replaced, and the file written is the .xlsx its name says.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/AppState.h"
#include "service/AlignmentExport.h"
#include "service/AlignmentTables.h"
#include "service/CSpreadSheet.h"
#include "service/WorkbookSheets.h"
#include "tests/service/AlignmentSample.h"
#include "tests/support/TestAppDir.h"

namespace {

constexpr const char* kPython = "/usr/bin/python3";

bool ReaderAvailable()
{
    const std::string probe = std::string(kPython) + " -c 'import openpyxl' >/dev/null 2>&1";
    return std::system(probe.c_str()) == 0;
}

// Sheet names, then each row as tab-separated cells (numbers as integers), one line each.
std::string ReadWorkbook(const TestAppDir& dir, const std::string& name)
{
    const std::string script = dir.File("read.py");
    std::ofstream(script) << "import sys, openpyxl\n"
                             "wb = openpyxl.load_workbook(sys.argv[1])\n"
                             "print('|'.join(wb.sheetnames))\n"
                             "for row in wb[wb.sheetnames[0]].iter_rows(values_only=True):\n"
                             "    print('\\t'.join('' if v is None else str(v) for v in row))\n";
    const std::string out = dir.File("read.txt");
    const std::string command =
        std::string(kPython) + " '" + script + "' '" + dir.File(name) + "' >'" + out + "' 2>&1";
    const int status = std::system(command.c_str());
    std::ifstream in(out);
    std::ostringstream s;
    s << in.rdbuf();
    // A reader that failed shows why in place of the workbook's text.
    return (status == 0 ? std::string() : "the reader failed:\n") + s.str();
}

std::string Joined(const std::vector<std::string>& cells)
{
    std::string out;
    for (std::size_t i = 0; i < cells.size(); ++i)
        out += (i ? "\t" : "") + cells[i];
    return out;
}

} // namespace

TEST(AlignmentExport, WorkbookHoldsNamesAndValues)
{
    TestAppDir dir("vpx-export-", TestAppDir::Texts::Project);
    g_nLanguage = kLangEnglish;
    const std::vector<std::string> names = AlignmentColumnNames();
    ASSERT_EQ(names.size(), 21u);
    EXPECT_EQ(names[0], "Battery voltage-Mid");
    EXPECT_EQ(names[1], "Reference frequency-Mid");
    EXPECT_EQ(names[2], "High power-Low");
    EXPECT_EQ(names[6], "High power-High");
    EXPECT_EQ(names[9], "Low power-Mid");
    EXPECT_EQ(names[12], "Squelch open-Wide");
    EXPECT_EQ(names[15], "Squelch close-Narrow");
    EXPECT_EQ(names[18], "Sensitivity-Mid");

    AlignmentTables tables;
    tables.Fill(SampleAlignmentBlock());
    ASSERT_TRUE(tables.CommitParam(2, 1, "0"));
    ASSERT_TRUE(ExportAlignmentSheet(dir.File("line.xlsx"), tables).written);
    const std::string bytes = dir.ReadFile("line.xlsx");
    ASSERT_GE(bytes.size(), 4u);
    EXPECT_EQ(bytes.substr(0, 2), "PK"); // a zip container, as every .xlsx workbook is
    if (!ReaderAvailable())
        GTEST_SKIP() << "python3-openpyxl is not installed (scripts/deps.sh installs it)";
    const std::string values =
        "131\t0\t196\t201\t205\t210\t214\t92\t95\t97\t99\t102\t40\t52\t34\t46\t120\t122\t125\t127\t130";
    EXPECT_EQ(ReadWorkbook(dir, "line.xlsx"), "AdjustData\n" + Joined(names) + "\n" + values + "\n");

    // Chinese names, and exporting again replaces the workbook as a whole.
    g_nLanguage = kLangChinese;
    ASSERT_TRUE(ExportAlignmentSheet(dir.File("line.xlsx"), tables).written);
    const std::string again = ReadWorkbook(dir, "line.xlsx");
    EXPECT_EQ(again.substr(0, again.find('\n', again.find('\n') + 1)),
              "AdjustData\n" + Joined(AlignmentColumnNames()));
    EXPECT_EQ(AlignmentColumnNames()[0], "电池电压-中");

    // Cleared tables export the names over an empty value row.
    tables.Clear();
    ASSERT_TRUE(ExportAlignmentSheet(dir.File("empty.xlsx"), tables).written);
    EXPECT_EQ(ReadWorkbook(dir, "empty.xlsx"), "AdjustData\n" + Joined(AlignmentColumnNames()) + "\n");
}

TEST(AlignmentExport, RefusedSheetsWriteNothing)
{
    TestAppDir dir("vpx-export-", TestAppDir::Texts::Project);
    CSpreadSheet sheet(dir.File("x.xlsx"), "AdjustData");
    sheet.BeginTransaction();
    EXPECT_FALSE(sheet.AddRow({"1"})); // no header row yet
    EXPECT_FALSE(sheet.AddHeaders({"a", "b", "a"}, true));
    EXPECT_TRUE(sheet.Headers().empty());
    ASSERT_TRUE(sheet.AddHeaders({"a", "b"}, true));
    EXPECT_FALSE(sheet.AddHeaders({"b"})); // would stand twice
    EXPECT_TRUE(sheet.AddHeaders({"c"}));
    EXPECT_FALSE(sheet.AddRow({"1", "2", "3", "4"})); // more values than headers
    EXPECT_TRUE(sheet.AddRow({"1", "", "x"}));
    EXPECT_EQ(sheet.Rows().size(), 1u);

    // A folder that does not exist: the export fails and leaves nothing behind.
    AlignmentTables tables;
    tables.Fill(SampleAlignmentBlock());
    EXPECT_FALSE(ExportAlignmentSheet(dir.File("missing/x.xlsx"), tables).written);
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "missing"));
    // A name that is a folder: refused, the folder and what it holds stay.
    std::filesystem::create_directory(dir.Path() / "sheet.xlsx");
    dir.WriteFile("sheet.xlsx/inside", "kept");
    EXPECT_FALSE(ExportAlignmentSheet(dir.File("sheet.xlsx"), tables).written);
    EXPECT_EQ(dir.ReadFile("sheet.xlsx/inside"), "kept");
}

namespace {

// Runs a Python script (openpyxl, zipfile) with the test folder as its working directory.
bool RunPython(const TestAppDir& dir, const std::string& body)
{
    const std::string script = dir.File("make.py");
    std::ofstream(script) << "import os, sys, zipfile, openpyxl\nos.chdir(sys.argv[1])\n" << body;
    const std::string command =
        std::string(kPython) + " '" + script + "' '" + dir.Dir() + "' >/dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}

} // namespace

TEST(AlignmentExport, AWorkbookWithOtherSheetsIsNeverReplaced)
{
    TestAppDir dir("vpx-export-", TestAppDir::Texts::Project);
    g_nLanguage = kLangEnglish;
    if (!ReaderAvailable())
        GTEST_SKIP() << "python3-openpyxl is not installed (scripts/deps.sh installs it)";
    // A workbook a technician keeps: two sheets of their own around an older AdjustData.
    ASSERT_TRUE(RunPython(dir,
                          "wb = openpyxl.Workbook()\n"
                          "wb.active.title = 'R&D notes'\n"
                          "wb['R&D notes']['A1'] = 'unit 7 retuned'\n"
                          "wb.create_sheet('AdjustData')\n"
                          "wb.create_sheet('Prices')['B2'] = 12.5\n"
                          "wb.save('book.xlsx')\n"
                          "wb2 = openpyxl.Workbook()\nwb2.active.title = 'AdjustData'\nwb2.save('own.xlsx')\n"
                          "zipfile.ZipFile('other.zip', 'w').writestr('readme.txt', 'no workbook')\n"));
    std::vector<std::string> sheets;
    ASSERT_TRUE(ReadWorkbookSheetNames(dir.File("book.xlsx"), sheets));
    EXPECT_EQ(sheets, (std::vector<std::string>{"R&D notes", "AdjustData", "Prices"}));

    AlignmentTables tables;
    tables.Fill(SampleAlignmentBlock());
    const std::string before = dir.ReadFile("book.xlsx");
    const SheetExport refused = ExportAlignmentSheet(dir.File("book.xlsx"), tables);
    EXPECT_FALSE(refused.written);
    EXPECT_EQ(refused.textNumber, 9644);
    EXPECT_EQ(SheetExportMessage(refused),
              "The workbook " + dir.File("book.xlsx") +
                  " holds other sheets (R&D notes, Prices). This program can only write a whole workbook and "
                  "would lose them, so nothing was written. Choose another file name.");
    EXPECT_EQ(dir.ReadFile("book.xlsx"), before);

    // A workbook of nothing but AdjustData (an earlier export) is replaced; a file that is no workbook
    // this program can read is not.
    const SheetExport own = ExportAlignmentSheet(dir.File("own.xlsx"), tables);
    EXPECT_TRUE(own.written);
    EXPECT_EQ(SheetExportMessage(own), "Export finished!");
    EXPECT_EQ(ReadWorkbook(dir, "own.xlsx").substr(0, 11), "AdjustData\n");
    for (const char* name : {"other.zip", "make.py"}) {
        const std::string kept = dir.ReadFile(name);
        const std::string renamed = std::string(name) + ".xlsx";
        std::filesystem::rename(dir.Path() / name, dir.Path() / renamed);
        const SheetExport r = ExportAlignmentSheet(dir.File(renamed), tables);
        EXPECT_FALSE(r.written) << name;
        EXPECT_EQ(r.textNumber, 9645) << name;
        EXPECT_EQ(dir.ReadFile(renamed), kept) << name;
        EXPECT_FALSE(ReadWorkbookSheetNames(dir.File(renamed), sheets)) << name;
    }
}

TEST(AlignmentExport, TheFileIsTheXlsxItsNameSaysAndNothingStaysInTheTemporaryFolder)
{
    TestAppDir dir("vpx-export-", TestAppDir::Texts::Project);
    g_nLanguage = kLangEnglish;
    // The temporary folder of the export is one the test watches.
    std::filesystem::create_directory(dir.Path() / "tmp");
    const char* oldTmp = std::getenv("TMPDIR");
    const std::string savedTmp = oldTmp != nullptr ? oldTmp : "";
    ::setenv("TMPDIR", dir.File("tmp").c_str(), 1);

    AlignmentTables tables;
    tables.Fill(SampleAlignmentBlock());
    // ".xls" names an older format: the workbook is written as the .xlsx it is, and the message says so.
    const SheetExport xls = ExportAlignmentSheet(dir.File("line.XLS"), tables);
    EXPECT_TRUE(xls.written);
    EXPECT_EQ(xls.path, dir.File("line.XLSX"));
    EXPECT_TRUE(dir.Exists("line.XLSX"));
    EXPECT_FALSE(dir.Exists("line.XLS"));
    EXPECT_EQ(SheetExportMessage(xls),
              "Export finished!\nWritten as " + dir.File("line.XLSX") + " (an .xlsx workbook).");
    EXPECT_EQ(WorkbookPath("a.xlsx"), "a.xlsx");
    EXPECT_EQ(WorkbookPath("a.xls"), "a.xlsx");
    // Any other name is refused before anything is written.
    for (const char* name : {"line.csv", "line", "line.xlsx.bak"}) {
        const SheetExport r = ExportAlignmentSheet(dir.File(name), tables);
        EXPECT_FALSE(r.written) << name;
        EXPECT_EQ(r.textNumber, 9646) << name;
        EXPECT_FALSE(dir.Exists(name)) << name;
    }
    // A failed export (no such folder) and a good one leave the temporary folder as they found it.
    EXPECT_FALSE(ExportAlignmentSheet(dir.File("missing/x.xlsx"), tables).written);
    EXPECT_TRUE(ExportAlignmentSheet(dir.File("again.xlsx"), tables).written);
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path() / "tmp"));

    if (oldTmp != nullptr)
        ::setenv("TMPDIR", savedTmp.c_str(), 1);
    else
        ::unsetenv("TMPDIR");
}
