// The dialogue of a selection in the page's model list: confirmation, unsaved work, the band-limit
// dialog for the custom band, and the replacement of the image by the new band's default code plug.
#pragma once

#include <QString>

class QWidget;

enum class BandSelectionResult {
    Unchanged,    // the image's own band was chosen again
    Reverted,     // the user declined: the list must show the image's entry again
    LimitsEdited, // the custom band's limits were edited in place
    BandChanged,  // the image now belongs to the chosen band: the page must be initialised again
};

// Runs the band selection for the chosen entry (index, text, band code) of the model list.
BandSelectionResult RunBandSelection(QWidget* page, int selected, const QString& entryText,
                                     const QString& bandCode);
