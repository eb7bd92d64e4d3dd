#pragma once

#include "common/report/Report.h"

#include "common/Clock.h"
#include <QStringList>

class QWidget;

// The list template "Riepilogo dati" shared by every search and list window:
// A4 landscape, margins 10 mm; a title band on the first page (Verdana bold 9,
// white on slate grey), the lines one under the other in Courier New 8 (no
// wrap, clipped at 273 mm), continuing on further pages as needed, and a
// footer band after the last line: "Stampa eseguita in data " + the date.
// Lines and title are printed exactly as given. Pages are numbered when the
// list takes more than one.
class ListReport : public Report
{
public:
    ListReport(const QString &title, const QStringList &lines, const QDate &date = Clock::today());

    QString name() const override;
    QPageLayout pageLayout() const override;
    int pageCount() const override;
    void paintPage(QPainter &painter, int page, double dotsPerMm) const override;

    QString title() const { return m_title; }
    QStringList lines() const { return m_lines; }
    QString footerText() const;
    // Index of the first line on each page (a page may hold only the footer).
    QList<int> pageStarts() const { return m_pageStarts; }

    // The list print of the search and list windows: through the print dialog
    // (a cancel is silent). A failure shows the standard error box.
    static void print(QWidget *owner, const QString &title, const QStringList &lines);
    // The same pages in the modal preview window.
    static void preview(QWidget *owner, const QString &title, const QStringList &lines);

private:
    void paginate();

    QString m_title;
    QStringList m_lines;
    QDate m_date;
    QList<int> m_pageStarts;
    bool m_footerOnOwnPage = false;
};
