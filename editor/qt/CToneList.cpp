// Editable tone drop-down list used by the channel editor.
#include "editor/qt/CToneList.h"

#include "app/Settings.h"
#include "codeplug/ToneCodec.h"
#include "editor/ChannelRules.h"

CToneList::CToneList(QWidget* parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr); // the tone rule sees exactly what was typed
    setMaxVisibleItems(20);
}

std::vector<std::string> CToneList::Entries() const
{
    std::vector<std::string> entries;
    entries.reserve(static_cast<std::size_t>(count()));
    for (int i = 0; i < count(); ++i) {
        entries.push_back(itemText(i).toStdString());
    }
    return entries;
}

void CToneList::FillToneList(int kind)
{
    const QString previous = currentText();
    clear();
    for (const std::string& entry : BuildToneList(kind)) {
        addItem(QString::fromStdString(entry));
    }
    const int index = FindTonePrefix(Entries(), previous.trimmed().toStdString());
    if (index >= 0) {
        setCurrentIndex(index);
    } else if (ReadYesSetting("option", "allow_illegal_qtdqt")) {
        setCurrentIndex(-1);
        setEditText(previous);
    } else {
        setCurrentIndex(0);
    }
}

void CToneList::SelectToneText(const QString& text)
{
    const int index = FindTonePrefix(Entries(), text.trimmed().toStdString());
    if (index >= 0) {
        setCurrentIndex(index);
    } else {
        setCurrentIndex(-1);
        setEditText(text);
    }
}

void CToneList::NormalizeToneText()
{
    const ToneTextResult result = ApplyToneRule(currentText().toStdString(), Entries());
    if (result.selectedIndex >= 0 && result.selectedIndex < count()) {
        setCurrentIndex(result.selectedIndex);
    } else {
        setCurrentIndex(-1);
        setEditText(QString::fromStdString(result.text));
    }
}
