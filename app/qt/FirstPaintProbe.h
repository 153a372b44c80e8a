// Start-up measurement for the screenshot script: waits for the main window's first paint, prints
// the time it took, optionally saves a picture of the window, and ends the program.
#pragma once

#include <QObject>
#include <QString>

class CMainFrame;

class FirstPaintProbe : public QObject {
    Q_OBJECT
public:
    // screenshotPath: where to save the picture of the painted window; empty for none.
    FirstPaintProbe(CMainFrame* frame, QString screenshotPath);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Report();

    CMainFrame* m_frame;
    QString m_screenshotPath;
    bool m_done = false;
};
