// The rules of the password window without its widgets: what it shows when it opens, the checks of
// OK and what OK writes into the code plug. The command line sets passwords through the same rules.
#pragma once

#include <array>
#include <string>

#include "codeplug/CodePlug.h"
#include "link/PasswordField.h"

inline constexpr int kTextReadPasswordsDiffer = 7807;
inline constexpr int kTextWritePasswordsDiffer = 7808;

// One password of the window: its box, its edit and the confirmation edit.
struct PasswordEntry {
    bool enabled = false;
    std::string text;
    std::string confirm;
};

class PasswordForm {
public:
    // Opening: each field decoded into both of its edits; the box ticked when the password is set.
    explicit PasswordForm(const CodePlug& image);

    PasswordEntry& Entry(PasswordKind kind) { return m_entries[Index(kind)]; }
    const PasswordEntry& Entry(PasswordKind kind) const { return m_entries[Index(kind)]; }

    // Ticking a box enables its edits; clearing it also empties them.
    void SetEnabled(PasswordKind kind, bool on);
    // Box ticked and both edits holding text (as the command line sets a password).
    void SetPassword(PasswordKind kind, const std::string& text);

    // OK's checks in the window's order: 7807 when the read password and its confirmation differ,
    // 7808 the same for the write password, 9703 when a changed password is not 0-10 letters and
    // digits; 0 when OK may write.
    int Check() const;
    // OK: when Check() is 0, writes each field whose password differs from what the window opened
    // with (an empty or cleared one as ten 0xFF) and leaves the other field's bytes exactly as they
    // were; returns Check(). Nothing is written otherwise.
    int Apply(CodePlug& image) const;

private:
    static std::size_t Index(PasswordKind kind) { return kind == PasswordKind::Read ? 0 : 1; }
    // The password OK stores for an entry: its text when the box is ticked, none otherwise.
    static std::string Stored(const PasswordEntry& entry)
    {
        return entry.enabled ? entry.text : std::string();
    }

    std::array<PasswordEntry, 2> m_entries;
    std::array<std::string, 2> m_opened; // the passwords as the window opened with them
};
