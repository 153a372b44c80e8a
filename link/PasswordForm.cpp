// Password window rules: opening from the image, the confirmation checks and the write on OK.
#include "link/PasswordForm.h"

PasswordForm::PasswordForm(const CodePlug& image)
{
    for (PasswordKind kind : {PasswordKind::Read, PasswordKind::Write}) {
        const std::string password = ReadPassword(image, kind);
        PasswordEntry& entry = Entry(kind);
        entry.enabled = !password.empty();
        entry.text = password;
        entry.confirm = password;
        m_opened[Index(kind)] = password;
    }
}

void PasswordForm::SetEnabled(PasswordKind kind, bool on)
{
    PasswordEntry& entry = Entry(kind);
    entry.enabled = on;
    if (!on) {
        entry.text.clear();
        entry.confirm.clear();
    }
}

void PasswordForm::SetPassword(PasswordKind kind, const std::string& text)
{
    PasswordEntry& entry = Entry(kind);
    entry.enabled = true;
    entry.text = text;
    entry.confirm = text;
}

int PasswordForm::Check() const
{
    const PasswordEntry& read = Entry(PasswordKind::Read);
    const PasswordEntry& write = Entry(PasswordKind::Write);
    if (read.text != read.confirm)
        return kTextReadPasswordsDiffer;
    if (write.text != write.confirm)
        return kTextWritePasswordsDiffer;
    for (PasswordKind kind : {PasswordKind::Read, PasswordKind::Write}) {
        // A field opened with bytes of another kind is carried as it was; only a new password
        // must be made of letters and digits.
        const std::string stored = Stored(Entry(kind));
        if (stored != m_opened[Index(kind)] && !IsPasswordText(stored))
            return kTextBadPassword;
    }
    return 0;
}

int PasswordForm::Apply(CodePlug& image) const
{
    const int check = Check();
    if (check != 0)
        return check;
    for (PasswordKind kind : {PasswordKind::Read, PasswordKind::Write}) {
        // The fields share their bytes with the custom band record: a password left as it was
        // shown keeps those bytes untouched instead of being encoded afresh.
        const std::string stored = Stored(Entry(kind));
        if (stored != m_opened[Index(kind)])
            WritePassword(image, kind, stored);
    }
    return 0;
}
