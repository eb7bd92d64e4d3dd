#pragma once

#include <QDialog>

class QAction;
class QPrinter;
class QPrintPreviewWidget;
class Report;

// The modal preview window of every report, opened maximised: the pages as
// they will print, at 100 %, with the commands print, zoom, full screen and close only. The
// pages cannot be edited.
class ReportPreviewDialog : public QDialog
{
    Q_OBJECT
public:
    ReportPreviewDialog(const Report &report, QWidget *parent = nullptr);
    ~ReportPreviewDialog() override;

    QPrintPreviewWidget *previewWidget() const { return m_preview; }

private:
    void setFullScreen(bool on);

    const Report &m_report;
    QPrinter *m_printer;
    QPrintPreviewWidget *m_preview;
    QAction *m_fullScreen;
};
