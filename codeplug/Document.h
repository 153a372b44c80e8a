// The one code plug in memory with its companions (saved copy, current path, read-from-radio flag)
// and the document operations New, Open and Save. Failures return a text number and change nothing.
#pragma once

#include <string>

#include "codeplug/CodePlug.h"

class CodePlugDocument {
public:
    CodePlug image;
    std::string savedCopy;
    std::string path;
    bool fromRadio = false;

    bool IsModified() const { return image.Text() != savedCopy; }

    // New: band "33" default image, ApplyBand, path empty, flag cleared, saved copy = image, radio type 3.
    void ResetToNew();
    // Open: loads either data-file form; 0 on success, else 2011 or 2015 with nothing changed.
    int Open(const std::string& filePath);
    // Save: writes the image atomically; 0 on success, else 2014 with nothing changed.
    int Save(const std::string& filePath);
    // A successful read from a radio replaces the image.
    void AcceptFromRadio(const std::string& imageText, int radioType);
};

extern CodePlugDocument g_doc;
