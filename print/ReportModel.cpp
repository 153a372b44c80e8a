// Building the report model from the editor page's texts.
#include "print/ReportModel.h"

#include <cstdio>
#include <ctime>

#include "app/AppState.h"
#include "app/LangText.h"
#include "codeplug/PanelLogic.h"
#include "print/ReportLayout.h"

namespace {

const PanelField* FieldOf(const std::vector<PanelField>& fields, const char* key)
{
    for (const PanelField& f : fields) {
        if (f.key == key)
            return &f;
    }
    return nullptr;
}

} // namespace

ReportSource ReportSourceFromImage(const CodePlug& image, const BandState& band)
{
    ReportSource source;
    source.fields = DescribeImagePanel(image, band.code);
    source.table.push_back(ChannelTableHeaders());
    for (int n = 1; n < kTableRows; ++n)
        source.table.push_back(ChannelRowCells(image, n, band).text);
    return source;
}

ReportContext CurrentReportContext()
{
    ReportContext context;
    context.modelCode = g_strModel;
    context.chinese = g_nLanguage == kLangChinese;
    context.radioType = g_nRadioType;
    context.dateTime = FooterDateTime();
    return context;
}

std::string FooterDateTime()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char buf[32];
    std::strftime(buf, sizeof buf, "%Y-%m-%d %H:%M:%S", &local);
    return buf;
}

std::string MakerLine(const std::string& modelCode)
{
    if (modelCode.starts_with("vpx"))
        return GetLangText(90025);
    if (modelCode == "dlra")
        return "Carrow Wireless";
    if (modelCode == "dlrb")
        return "Lumeta S.R.L.";
    if (modelCode == "dlrc")
        return "Fennic Radio Corp.";
    return {};
}

std::string PageNumberText(int page, int pageCount, bool chinese)
{
    char buf[64];
    if (chinese)
        std::snprintf(buf, sizeof buf, "第 %i 页/共 %i 页", page, pageCount);
    else
        std::snprintf(buf, sizeof buf, "Page %i/Total %i", page, pageCount);
    return buf;
}

bool EntryGreyForRadioType1(int index) { return index == kEntryLanguage || index >= 9; }

ReportModel BuildReportModel(const ReportSource& source, const ReportContext& context)
{
    ReportModel r;
    r.chinese = context.chinese;
    r.title = std::string(kPrintModelName) + " " + GetLangText(7604);
    r.greyEntries = context.radioType == 1;
    r.makerLine = MakerLine(context.modelCode);
    r.dateTime = context.dateTime;

    auto text = [&source](const char* key) {
        const PanelField* f = FieldOf(source.fields, key);
        return f != nullptr ? f->text : std::string();
    };
    auto caption = [&source](const char* key) {
        const PanelField* f = FieldOf(source.fields, key);
        return f != nullptr ? f->caption : std::string();
    };
    // A check box prints as on (text 90029) or off (text 90028).
    auto onOff = [&source](const char* key) {
        const PanelField* f = FieldOf(source.fields, key);
        return GetLangText(f != nullptr && f->checked ? 90029 : 90028);
    };
    auto labelled = [&](const char* key) { return ReportEntry{caption(key) + " : ", text(key)}; };

    r.settings = {{
        {caption("model") + ":", {}},
        {{}, text("model")},
        {GetLangText(4003) + ":", {}}, // the key group's caption
        {{}, text("pf1")},
        labelled("voiceLanguage"),
        labelled("timeOut"),
        labelled("preAlert"),
        labelled("squelch"),
        {caption("batterySave") + " : ", onOff("batterySave")},
        {caption("wiredClone") + " : ", onOff("wiredClone")},
        labelled("priorityMode"),
        labelled("priorityChannel"),
        labelled("revertChannel"),
        labelled("scanBackA"),
        labelled("scanBackB"),
        labelled("pause"),
        labelled("dwell"),
    }};

    // Every column but the hidden bandwidth column.
    static constexpr int kPrinted[kReportColumns] = {kColNumber, kColRx,    kColTx,  kColDecode,
                                                     kColEncode, kColPower, kColScan};
    for (const auto& tableRow : source.table) {
        ReportRow row;
        for (int i = 0; i < kReportColumns; ++i)
            row[static_cast<std::size_t>(i)] = tableRow[static_cast<std::size_t>(kPrinted[i])];
        r.rows.push_back(row);
    }
    return r;
}
