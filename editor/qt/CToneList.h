// Editable drop-down list of CTCSS/DCS tones: filled from the tone table, keeps the text the user
// had chosen across refills and corrects a typed tone when it loses focus.
#pragma once

#include <QComboBox>

class CToneList : public QComboBox {
    Q_OBJECT
public:
    explicit CToneList(QWidget* parent = nullptr);

    // Refills the list (no tone, CTCSS, DCS N, DCS I) and selects the previous text again: the first
    // entry that begins with it; when none does, the text stays in the edit field if illegal tones
    // are allowed, otherwise the first entry (no tone) is selected.
    void FillToneList(int kind);
    // Selects the first entry that begins with the text; when none does, the text is put into the
    // edit field without a selection.
    void SelectToneText(const QString& text);
    // The tone rule on the typed text (illegal tones as the settings allow).
    void NormalizeToneText();
    // No selection and an empty edit field.
    void ClearSelection() { setCurrentIndex(-1); }

private:
    std::vector<std::string> Entries() const;
};
