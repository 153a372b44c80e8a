// Undo and redo steps as whole image texts: the image before each change is kept, so stepping back
// and forth restores every byte exactly, whatever the change wrote.
#include "codeplug/EditHistory.h"

void EditHistory::Reset(const CodePlug& image)
{
    m_undo.clear();
    m_redo.clear();
    m_current = image.Text();
    m_depth = 0;
}

bool EditHistory::Commit(const CodePlug& image)
{
    if (m_depth > 0 || image.Text() == m_current)
        return false;
    m_undo.push_back(m_current);
    if (m_undo.size() > kMaxSteps)
        m_undo.erase(m_undo.begin());
    m_redo.clear();
    m_current = image.Text();
    return true;
}

void EditHistory::BeginStep() { ++m_depth; }

bool EditHistory::EndStep(const CodePlug& image)
{
    if (m_depth > 0)
        --m_depth;
    return Commit(image);
}

bool EditHistory::Undo(CodePlug& image)
{
    Commit(image);
    if (m_depth > 0 || m_undo.empty())
        return false;
    m_redo.push_back(m_current);
    m_current = m_undo.back();
    m_undo.pop_back();
    return image.SetText(m_current);
}

bool EditHistory::Redo(CodePlug& image)
{
    // A change made after the last undo starts a new line of steps: there is nothing to redo then.
    if (Commit(image) || m_depth > 0 || m_redo.empty())
        return false;
    m_undo.push_back(m_current);
    m_current = m_redo.back();
    m_redo.pop_back();
    return image.SetText(m_current);
}

bool EditHistory::CanUndo(const CodePlug& image) const
{
    return m_depth == 0 && (!m_undo.empty() || image.Text() != m_current);
}

bool EditHistory::CanRedo(const CodePlug& image) const
{
    return m_depth == 0 && !m_redo.empty() && image.Text() == m_current;
}

void EditHistory::Absorb(const CodePlug& image)
{
    if (m_depth == 0)
        m_current = image.Text();
}
