// Band selection of the editor page's model list, with its prompts and the image replacement.
#include "editor/qt/BandSelectionFlow.h"

#include "app/LangText.h"
#include "app/qt/ui/MainFrameUi.h"
#include "app/qt/ui/MsgBox.h"
#include "app/qt/ui/UnsavedWork.h"
#include "codeplug/Document.h"
#include "codeplug/ModelCatalogue.h"
#include "codeplug/PanelLogic.h"
#include "editor/BandSelection.h"
#include "editor/qt/CBandLimitDlg.h"

namespace {

QString Lang(int number) { return QString::fromStdString(GetLangText(number)); }

// Band-limit dialog on the current image; true after OK (the dialog wrote the image).
bool RunBandLimitDialog(QWidget* page)
{
    CBandLimitDlg dlg(page);
    return dlg.exec() == 1;
}

} // namespace

BandSelectionResult RunBandSelection(QWidget* page, int selected, const QString& entryText,
                                     const QString& bandCode)
{
    const int imageEntry = ModelIndexOf(g_band.code);
    switch (DecideBandChoice(selected, imageEntry, entryText.toStdString())) {
    case BandChoice::Nothing:
        return BandSelectionResult::Unchanged;
    case BandChoice::BandLimitOnCurrent: {
        EditStep step; // new limits of the custom band are one undoable change
        if (!RunBandLimitDialog(page))
            return BandSelectionResult::Unchanged;
        ApplyBand(g_doc.image.Text(), g_doc.fromRadio);
        g_doc.image.SetText(BuildCustomTestFreqs(g_doc.image.Text()));
        UpdateMainTitle();
        return BandSelectionResult::LimitsEdited;
    }
    case BandChoice::ChangeBand:
        break;
    }

    if (MsgBox::Ask(page, Lang(90006), Lang(4051), QMessageBox::Yes | QMessageBox::No, QMessageBox::No) !=
        QMessageBox::Yes)
        return BandSelectionResult::Reverted;
    if (!UnsavedWorkPrompt(page))
        return BandSelectionResult::Reverted;

    const std::string code = bandCode.toStdString();
    const BandImagePlan plan = PlanBandImage(code, entryText.toStdString());
    std::string image;
    if (plan.needsBandLimitDialog) {
        if (!RunBandLimitDialog(page))
            return BandSelectionResult::Reverted;
        image = BuildCustomImageKeepingLimits(code, g_doc.image.Text());
    } else {
        image = BuildImageForBand(plan, code);
    }
    if (!g_doc.image.SetText(image))
        return BandSelectionResult::Reverted;
    ApplyBand(g_doc.image.Text(), false);
    if (plan.custom)
        g_doc.image.SetText(BuildCustomTestFreqs(g_doc.image.Text()));

    g_doc.savedCopy = g_doc.image.Text();
    g_doc.history.Reset(g_doc.image); // another band: a fresh history
    g_doc.fromRadio = false;
    g_doc.path.clear();
    UpdateMainTitle();
    return BandSelectionResult::BandChanged;
}
