// File dialogs for saving and opening, with the answer a test queued taking the place of the dialog.
#include "app/qt/ui/FileDialogs.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <optional>

#include "app/LangText.h"

namespace {

std::optional<QString> s_nextFileDialogResult;

} // namespace

QString AskFileNameFor(QWidget* parent, bool forSave, const QString& filter, const QString& suffix,
                       const QString& suggested)
{
    if (s_nextFileDialogResult) {
        QString path = *s_nextFileDialogResult;
        s_nextFileDialogResult.reset();
        return path;
    }
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        return QString(); // headless: nobody can answer a dialog, so it counts as cancelled
    QFileDialog dialog(parent);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(suffix);
    if (forSave) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile); // the dialog asks before replacing an existing file
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (!suggested.isEmpty())
        dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString AskFilePath(QWidget* parent, bool forSave, const QString& filter, const QString& suffix)
{
    return AskFileNameFor(parent, forSave, filter, suffix, QString());
}

QString AskDataFilePath(QWidget* parent, bool forSave)
{
    // "Code plug files (*.dat)" in the current language.
    const QString filter = QString::fromStdString(GetLangText(2013)) + QStringLiteral(" (*.dat)");
    return AskFilePath(parent, forSave, filter, QStringLiteral("dat"));
}

void SetNextFileDialogResult(const QString& path) { s_nextFileDialogResult = path; }
