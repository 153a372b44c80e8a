// Undo and redo for the code plug: a history of whole images (1024 bytes each) taken at the end of each
// change. The image itself stays the only store; the history only remembers earlier texts of it.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "codeplug/CodePlug.h"

class EditHistory {
public:
    // Oldest steps are forgotten beyond this many (about 2 MB of image texts).
    static constexpr std::size_t kMaxSteps = 1000;

    // A fresh history for an image that was just created, opened, read or re-banded.
    void Reset(const CodePlug& image);

    // Ends a change: when the image differs from the last recorded one, the earlier image becomes an
    // undo step and the redo steps are dropped. True when a step was recorded. Inside an open step
    // (BeginStep) nothing is recorded until the outermost EndStep.
    bool Commit(const CodePlug& image);

    // Nested changes: the outermost EndStep commits, so a change made of several writes is one step.
    void BeginStep();
    bool EndStep(const CodePlug& image);

    // Back to the image before the last change (a change not committed yet counts as the last one).
    bool Undo(CodePlug& image);
    // Forward again to the image that the last Undo left; nothing once the image was changed since.
    bool Redo(CodePlug& image);
    bool CanUndo(const CodePlug& image) const;
    bool CanRedo(const CodePlug& image) const;

    // Takes the image as it is without making a step of it (a change the user did not make, such as
    // the configuration byte a write to the radio normalises).
    void Absorb(const CodePlug& image);

    std::size_t UndoCount() const { return m_undo.size(); }
    std::size_t RedoCount() const { return m_redo.size(); }

private:
    std::vector<std::string> m_undo; // oldest first
    std::vector<std::string> m_redo; // the next redo last
    std::string m_current;           // the image as last recorded
    int m_depth = 0;
};
