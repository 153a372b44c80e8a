// Renders the editor page with three channel rows selected and the table's context menu open, and the
// message of an import that moved frequencies, in both languages, into PNG files for the README:
//   csv_screenshot [OUTPUT_DIR]   (default: docs/ of the source tree; offscreen or on an X server)
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QMenu>
#include <QPainter>
#include <QPixmap>

#include <cstdio>

#include "app/qt/ui/AppFont.h"
#include "codeplug/Document.h"
#include "editor/qt/CChannelTable.h"
#include "editor/qt/CChannelTableActions.h"
#include "editor/qt/CMainFrm.h"
#include "tests/editor/csv_Support.h"
#include "tests/support/qt/ScreenshotMain.h"

namespace {

bool Render(int language, const QString& file)
{
    CsvTestDir dir(language);
    InitAppFont();
    g_doc.ResetToNew();
    g_doc.image = SampleChannelPlug();
    ApplyBand(g_doc.image.Text());

    CMainFrm page;
    page.resize(800, 620);
    page.OnInitialUpdate();
    page.show();
    QApplication::processEvents();
    CChannelTable* table = page.Table();
    table->SelectRows(3, 5);
    const QPoint at = table->visualItemRect(table->item(4, 2)).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, table->viewport()->mapToGlobal(at));
    QApplication::sendEvent(table->viewport(), &event);
    QApplication::processEvents();
    QMenu* menu = page.TableActions()->ContextMenu();

    QPixmap shot = page.grab();
    QPainter painter(&shot);
    painter.drawPixmap(page.mapFromGlobal(menu->pos()), menu->grab());
    painter.end();
    menu->hide();
    return shot.save(file);
}

// The message after importing a list whose frequencies are off the channel step or outside the band.
bool RenderImportNotes(int language, const QString& file)
{
    CsvTestDir dir(language);
    InitAppFont();
    CodePlug image(BuildBandImage("33"));
    const ChannelImportResult result = ImportChannelsCsv(image,
                                                         "Location,Frequency,Duplex,Offset\n"
                                                         "1,433.1225,,\n"
                                                         "2,446.003,split,446.0065\n"
                                                         "3,438.500,-,7.6\n"
                                                         "4,151.625,,\n",
                                                         ChannelImportOptions{}, false);
    bool ok = false;
    GrabNextMessageBox(file, ok, QMessageBox::Ok);
    CChannelTableActions::ShowImportNotes(9634, result);
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    return ScreenshotMain(argc, argv, [](int language, const QString& suffix, const QString& out) {
        const bool ok = Render(language, out + "/channel-table-menu-" + suffix + ".png");
        return RenderImportNotes(language, out + "/import-notes-" + suffix + ".png") && ok;
    });
}
