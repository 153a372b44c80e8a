// The one code plug in memory with its companions (saved copy, current path, read-from-radio flag)
// and the document operations New, Open and Save. Failures return a text number and change nothing.
#pragma once

#include <string>

#include "codeplug/CodePlug.h"
#include "codeplug/EditHistory.h"

class CodePlugDocument {
public:
    CodePlug image;
    std::string savedCopy;
    std::string path;
    bool fromRadio = false;
    // Undo and redo of the editors' changes; New, Open and a read from a radio start it afresh.
    EditHistory history;

    bool IsModified() const { return image.Text() != savedCopy; }

    // New: band "33" default image, ApplyBand, path empty, flag cleared, saved copy = image, radio type 3.
    void ResetToNew();
    // Open: loads either data-file form; 0 on success, else 2011 or 2015 with nothing changed.
    int Open(const std::string& filePath);
    // Save: writes the image atomically; 0 on success, else 2014 with nothing changed.
    int Save(const std::string& filePath);
    // A successful read from a radio replaces the image.
    void AcceptFromRadio(const std::string& imageText, int radioType);
    // A code plug from elsewhere (an entry of the radio history) replaces the image as a new document
    // that has never been saved: no file, not from the radio, and unsaved until it is saved. False
    // (nothing changed) for an invalid image.
    bool AcceptUnsaved(const std::string& imageText);
};

extern CodePlugDocument g_doc;

// One undoable change of the image: every write made while the object lives becomes a single step when
// the outermost EditStep ends (nested ones, such as a panel store inside a channel edit, add nothing).
class EditStep {
public:
    explicit EditStep(CodePlugDocument& doc = g_doc) : m_doc(doc) { m_doc.history.BeginStep(); }
    ~EditStep() { m_doc.history.EndStep(m_doc.image); }
    EditStep(const EditStep&) = delete;
    EditStep& operator=(const EditStep&) = delete;

private:
    CodePlugDocument& m_doc;
};
