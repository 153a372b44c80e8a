// The document state of the one code plug in memory: image, saved copy, current path and the
// read-from-radio flag, with the New, Open, Save and accept-from-radio transitions.
#include "codeplug/Document.h"

#include "codeplug/DataFile.h"
#include "codeplug/ModelCatalogue.h"

CodePlugDocument g_doc;

namespace {
constexpr const char* kNewBand = "33";
constexpr int kDefaultRadioType = 3;
constexpr int kTextCannotOpen = 2011;
constexpr int kTextCannotSave = 2014;
} // namespace

void CodePlugDocument::ResetToNew()
{
    g_nRadioType = kDefaultRadioType;
    image.SetText(BuildBandImage(kNewBand));
    path.clear();
    fromRadio = false;
    savedCopy = image.Text();
    history.Reset(image);
    ApplyBand(image.Text());
}

int CodePlugDocument::Open(const std::string& filePath)
{
    std::string loaded;
    const int result = LoadDataFile(filePath, loaded);
    if (result != 0)
        return result;
    CodePlug candidate;
    if (!candidate.SetText(loaded))
        return kTextCannotOpen;
    image = candidate;
    g_nRadioType = kDefaultRadioType;
    fromRadio = false;
    path = filePath;
    savedCopy = image.Text();
    history.Reset(image);
    ApplyBand(image.Text());
    return 0;
}

int CodePlugDocument::Save(const std::string& filePath)
{
    if (!SaveTextFileAtomic(filePath, image.Text()))
        return kTextCannotSave;
    path = filePath;
    fromRadio = false;
    savedCopy = image.Text();
    return 0;
}

bool CodePlugDocument::AcceptUnsaved(const std::string& imageText)
{
    CodePlug candidate;
    if (!candidate.SetText(imageText))
        return false;
    image = candidate;
    savedCopy.clear(); // no saved copy: the code plug counts as unsaved until it is saved
    history.Reset(image);
    fromRadio = false;
    path.clear();
    g_nRadioType = kDefaultRadioType;
    ApplyBand(image.Text());
    return true;
}

void CodePlugDocument::AcceptFromRadio(const std::string& imageText, int radioType)
{
    // Only a complete image replaces the one in memory; a failed read changes nothing.
    CodePlug candidate;
    if (!candidate.SetText(imageText))
        return;
    image = candidate;
    savedCopy = image.Text();
    history.Reset(image);
    fromRadio = true;
    path.clear();
    g_nRadioType = radioType;
    ApplyBand(image.Text(), true);
}
