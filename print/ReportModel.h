// The code-plug report without a painter: the title, the 17 entries of the settings block, the table
// cells in the printed columns, the maker line, the date and the page-number texts, built by one
// function from what the editor page shows (its captions and current texts).
#pragma once

#include <array>
#include <string>
#include <vector>

#include "codeplug/ChannelTableLogic.h"
#include "codeplug/CodePlug.h"
#include "codeplug/ModelCatalogue.h"
#include "codeplug/PanelReport.h"

inline constexpr int kReportSettingCount = 17;
inline constexpr int kReportColumns = 7; // the table's columns 0 ... 7 without the bandwidth column

// One entry of the settings block; an entry has a label, a value or both.
struct ReportEntry {
    std::string label;
    std::string value;
};

using ReportRow = std::array<std::string, kReportColumns>;

struct ReportModel {
    bool chinese = false; // the fonts and the page-number form follow the language
    std::string title;    // "MX6+ " + text 7604
    // Entries in the order of the block's layout: model caption, model, key caption, monitor key,
    // language type, then time-out ... battery save, wired clone ... revert, rescan A ... dwell.
    std::array<ReportEntry, kReportSettingCount> settings;
    bool greyEntries = false;    // radio type 1: language type and the two right-hand columns in grey
    std::vector<ReportRow> rows; // row 0 the header, then one row per channel
    std::string makerLine;
    std::string dateTime; // "%Y-%m-%d %H:%M:%S", taken when the report is made
};

// What the editor page shows: its settings (captions and texts) and its table, row 0 the header.
struct ReportSource {
    std::vector<PanelField> fields;
    std::vector<std::array<std::string, kTableColumns>> table;
};

// The circumstances of one report.
struct ReportContext {
    std::string modelCode;
    bool chinese = false;
    int radioType = 3;
    std::string dateTime;
};

// The source as the page would show this image (for the command line, without a page).
ReportSource ReportSourceFromImage(const CodePlug& image, const BandState& band);
// The context from the application state and the local clock.
ReportContext CurrentReportContext();

// The report for what the page shows.
ReportModel BuildReportModel(const ReportSource& source, const ReportContext& context);

// Maker line of the footer for a model code: text 90025 for the "vpx" codes, the dealers' names for
// "dlra", "dlrb", "dlrc", empty for any other code.
std::string MakerLine(const std::string& modelCode);
// "Page 1/Total 1", or "第 1 页/共 1 页" in Chinese.
std::string PageNumberText(int page, int pageCount, bool chinese);
// Local date and time as the footer shows it.
std::string FooterDateTime();

// True for the entries drawn grey for radio type 1: the language type and the two right-hand columns.
bool EntryGreyForRadioType1(int index);
