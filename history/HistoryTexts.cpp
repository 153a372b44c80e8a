// Operation and result names of the history in the interface language.
#include "history/HistoryTexts.h"

#include "app/LangText.h"

std::string NotKeptText(const std::string& path, const std::string& reason)
{
    return GetLangTextWith(histtext::kNotKept, {path.empty() ? reason : path + ": " + reason});
}

std::string HistoryOpText(HistoryOp op) { return GetLangText(histtext::kFirstOperation + static_cast<int>(op)); }

std::string HistoryResultText(HistoryResult result)
{
    return GetLangText(histtext::kFirstResult + static_cast<int>(result));
}
