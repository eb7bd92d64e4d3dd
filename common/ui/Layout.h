#pragma once

#include "common/ui/Style.h"

#include <QList>
#include <QRect>
#include <QRgb>
#include <QSize>
#include <QString>

class QWidget;

// Windows laid out from tables in design units: each row names a control and
// gives its place and size within the control it lies in, its font, text
// colour and alignment; decoration rows (rectangles, pictures, fixed texts)
// are made by the table itself. A window builds its controls with their
// behaviour, then applies its tables: no window positions a control by hand,
// and the geometry test holds every window against the tables it applied.
//
// Units: one design unit is one device-independent pixel (96 dots per inch);
// px() is the one place where units become pixels.
namespace Layout
{

int px(qreal units);
QRect rect(qreal x, qreal y, qreal w, qreal h);

// The colours of the list and search windows (named in Style).
using Style::Crimson;
using Style::DarkCyan;
using Style::FilterFieldsTop;
using Style::HeadingGreen;
using Style::NoteBlue;
using Style::PanelStroke;
using Style::SteelBlue;
using Style::White;

struct Font {
    const char *family = nullptr; // nullptr: the control keeps its font
    qreal points = 0;
    bool bold = false;
};

enum class Kind {
    Control, // a control the window made (with its behaviour): placed and styled
    Shape, // a rectangle made here: `fill` (to `fillBottom` when set), 1-unit `stroke`
    Picture, // a picture of Art made here: `art`
    Text, // a label made here with `text`
    Heading, // a heading made here: `text` in large capitals of `colour` between the pictures `art` and `artRight`
};

// Where a row lies: centred in its parent when x or y is Centre (at the
// parent's left or top edge when the row is the larger).
inline constexpr qreal Centre = -1.0e9;

struct Item {
    const char *name; // objectName
    const char *in = nullptr; // objectName of the control it lies in; nullptr: the window
    qreal x = 0, y = 0, w = 0, h = 0; // units, within `in`
    Kind kind = Kind::Control;
    Font font = {};
    QRgb colour = 0; // text colour; 0: the control keeps its own
    int align = 0; // Qt::Alignment of a label's or an edit's text; 0: unchanged
    QString text = {}; // Text, Heading
    QString art = {}; // Picture, Heading (left picture)
    QString artRight = {}; // Heading (right picture)
    QRgb fill = 0; // Shape
    QRgb fillBottom = 0; // Shape: vertical gradient from fill to fillBottom (0: plain)
    QRgb stroke = 0; // Shape (0: none)
    qreal radius = 0; // Shape: rounded corners (units)
    bool hidden = false; // made hidden (a frame shown by a behaviour, a notice shown while working)
    bool over = false; // lies over other controls on purpose (a picture command in a corner of a picture)
};

struct Table {
    QString name; // what the table lays out, for messages ("result page")
    QSize client; // the window's client size in units (empty: not set by this table)
    QRgb backgroundTop = 0; // window background: vertical gradient to backgroundBottom (0: unchanged)
    QRgb backgroundBottom = 0;
    QList<Item> items; // in stacking order: later rows lie above earlier ones
    QList<const char *> tabOrder; // the Tab order of these controls (may be empty)
};

// Applies `table` to `window`: makes its decoration rows, places and styles
// every row (a control row whose control is missing is a fault of the
// window: it fails an assertion and is skipped), stacks the rows in table
// order, sets the Tab order and, with a client size, fixes the window's size.
// The window keeps the tables it applied (tables()).
void apply(QWidget *window, const Table &table);

// A lasting copy of a name built at run time (a control named after its
// record field), for the rows' object names.
const char *intern(const QString &name);

// The tables applied to `window`, in the order they were applied.
QList<Table> tables(const QWidget *window);

// The control of `item` in `window` (nullptr when there is none).
QWidget *find(const QWidget *window, const Item &item);

// The rectangle of `item` in window pixels (its parents' places added),
// resolving centred places against the tables of `window`.
QRect windowRect(const QWidget *window, const Item &item);

} // namespace Layout
