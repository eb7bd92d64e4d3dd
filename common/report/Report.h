#pragma once

#include <QPageLayout>
#include <QString>

class QPainter;

// A printable document of the report layer: a fixed number of pages laid out
// in millimetres. Print, preview and PDF all paint through paintPage(), so the
// three outputs are the same.
class Report
{
public:
    virtual ~Report() = default;

    // Report name: print job name and PDF title unless the caller gives one.
    virtual QString name() const = 0;
    // Paper, orientation and margins (millimetres); positions of the report's
    // objects are measured from the top-left corner of the area inside the margins.
    virtual QPageLayout pageLayout() const = 0;
    virtual int pageCount() const = 0;
    // Paints page `page` (0-based). The painter's origin is the paper's top-left
    // corner and `dotsPerMm` device units make one millimetre.
    virtual void paintPage(QPainter &painter, int page, double dotsPerMm) const = 0;
};
