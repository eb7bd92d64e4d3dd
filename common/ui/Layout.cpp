#include "common/ui/Layout.h"

#include "common/ui/Art.h"
#include "common/ui/EditKit.h"
#include "common/ui/Style.h"

#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPointer>
#include <QSet>
#include <QWidget>

namespace Layout
{

int px(qreal units)
{
    return qRound(units);
}

QRect rect(qreal x, qreal y, qreal w, qreal h)
{
    return QRect(px(x), px(y), px(w), px(h));
}

namespace
{

void fillArea(QPainter &painter, const QRectF &area, QRgb top, QRgb bottom)
{
    if (bottom == 0) {
        painter.fillRect(area, QColor::fromRgba(top));
        return;
    }
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    gradient.setColorAt(0, QColor::fromRgba(top));
    gradient.setColorAt(1, QColor::fromRgba(bottom));
    painter.fillRect(area, gradient);
}

void strokeArea(QPainter &painter, const QRectF &area, QRgb stroke)
{
    if (stroke == 0)
        return;
    painter.setPen(QPen(QColor::fromRgba(stroke), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(0.5, 0.5, -0.5, -0.5));
}

// A decorative rectangle: plain or gradient fill, thin stroke.
class ShapeWidget : public QWidget
{
public:
    ShapeWidget(QWidget *parent, const Item &item)
        : QWidget(parent)
        , m_fill(item.fill)
        , m_fillBottom(item.fillBottom)
        , m_stroke(item.stroke)
        , m_radius(px(item.radius))
    {
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        if (m_radius > 0) {
            // A rounded panel: the stroke half a pixel inside the edge.
            painter.setRenderHint(QPainter::Antialiasing);
            const QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
            QBrush brush = Qt::NoBrush;
            if (m_fill != 0 && m_fillBottom != 0) {
                QLinearGradient gradient(area.topLeft(), area.bottomLeft());
                gradient.setColorAt(0, QColor::fromRgba(m_fill));
                gradient.setColorAt(1, QColor::fromRgba(m_fillBottom));
                brush = gradient;
            } else if (m_fill != 0) {
                brush = QColor::fromRgba(m_fill);
            }
            painter.setBrush(brush);
            painter.setPen(m_stroke != 0 ? QPen(QColor::fromRgba(m_stroke), 1) : QPen(Qt::NoPen));
            painter.drawRoundedRect(area, m_radius, m_radius);
            return;
        }
        if (m_fill != 0)
            fillArea(painter, rect(), m_fill, m_fillBottom);
        strokeArea(painter, rect(), m_stroke);
    }

private:
    QRgb m_fill, m_fillBottom, m_stroke;
    int m_radius;
};

// A window's heading: white band, a picture at each end, the title in large
// capitals between them.
class HeadingWidget : public QWidget
{
public:
    HeadingWidget(QWidget *parent, const Item &item)
        : QWidget(parent)
        , m_item(item)
    {
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        fillArea(painter, rect(), White, 0);
        strokeArea(painter, rect(), PanelStroke);
        const int side = height() - px(8);
        const int picture = side * 3 / 2;
        const QRect left(px(8), px(4), picture, side);
        const QRect right(width() - px(8) - picture, px(4), picture, side);
        // The pictures come from the picture cache: drawn once per size, not at every paint.
        if (!m_item.art.isEmpty())
            painter.drawPixmap(left, Art::pixmap(m_item.art, left.size()));
        if (!m_item.artRight.isEmpty())
            painter.drawPixmap(right, Art::pixmap(m_item.artRight, right.size()));
        // The title in capitals; a second line, when there is one, in
        // smaller letters under it.
        const QRect between = rect().adjusted(left.right() + px(8), 0, -(width() - right.left()) - px(8), 0);
        const QString title = m_item.text.section(QLatin1Char('\n'), 0, 0);
        const QString note = m_item.text.section(QLatin1Char('\n'), 1);
        // A long title takes smaller letters rather than run under a picture.
        QFont titleFont = font();
        while (titleFont.pixelSize() > px(10) && QFontMetrics(titleFont).horizontalAdvance(title) > between.width()) {
            titleFont.setPixelSize(titleFont.pixelSize() - 1);
        }
        painter.setFont(titleFont);
        painter.setPen(palette().color(QPalette::WindowText));
        if (note.isEmpty()) {
            painter.drawText(between, Qt::AlignCenter, title);
            return;
        }
        const int titleHeight = between.height() * 3 / 5;
        painter.drawText(between.adjusted(0, px(2), 0, -(between.height() - titleHeight)), Qt::AlignCenter, title);
        painter.setFont(Style::font(QStringLiteral("Arial"), 9));
        painter.setPen(QColor::fromRgba(NoteBlue));
        painter.drawText(between.adjusted(0, titleHeight, 0, -px(4)), Qt::AlignCenter, note);
    }

private:
    Item m_item;
};

// The tables a window applied, kept as a child of the window.
class AppliedTables : public QObject
{
public:
    explicit AppliedTables(QWidget *window)
        : QObject(window)
    {
        setObjectName(QStringLiteral("kennoraLayoutTables"));
    }
    QList<Table> tables;
};

AppliedTables *appliedTables(const QWidget *window)
{
    return window->findChild<AppliedTables *>(QStringLiteral("kennoraLayoutTables"), Qt::FindDirectChildrenOnly);
}

QWidget *parentOf(QWidget *window, const Item &item)
{
    if (!item.in)
        return window;
    return window->findChild<QWidget *>(QLatin1String(item.in));
}

QWidget *make(QWidget *parent, const Item &item)
{
    QWidget *made = nullptr;
    switch (item.kind) {
    case Kind::Control:
        return nullptr;
    case Kind::Shape:
        made = new ShapeWidget(parent, item);
        break;
    case Kind::Picture:
        made = Art::pictureLabel(parent, item.name, item.art, rect(0, 0, item.w, item.h).size());
        break;
    case Kind::Text: {
        auto *label = new QLabel(item.text, parent);
        label->setTextFormat(Qt::PlainText);
        made = label;
        break;
    }
    case Kind::Heading:
        made = new HeadingWidget(parent, item);
        break;
    }
    made->setObjectName(QLatin1String(item.name));
    return made;
}

bool underStyleSheet(const QWidget *w)
{
    for (const QWidget *p = w->parentWidget(); p; p = p->parentWidget())
        if (!p->styleSheet().isEmpty())
            return true;
    return false;
}

QRect placeIn(const QSize &parentSize, const Item &item)
{
    QRect r = rect(item.x == Centre ? 0 : item.x, item.y == Centre ? 0 : item.y, item.w, item.h);
    // Centred; a row larger than its parent starts at the parent's top left.
    if (item.x == Centre)
        r.moveLeft(qMax(0, (parentSize.width() - r.width()) / 2));
    if (item.y == Centre)
        r.moveTop(qMax(0, (parentSize.height() - r.height()) / 2));
    return r;
}

const Item *itemNamed(const QWidget *window, const char *name)
{
    if (const AppliedTables *applied = appliedTables(window))
        for (const Table &t : applied->tables)
            for (const Item &i : t.items)
                if (qstrcmp(i.name, name) == 0)
                    return &i;
    return nullptr;
}

// Keeps the centred rows of one control centred when it is resized (a
// maximised window, or a window resized by the user).
class Recentre : public QObject
{
public:
    Recentre(QWidget *parent, QWidget *window)
        : QObject(parent)
        , m_window(window)
    {
        setObjectName(QStringLiteral("kennoraLayoutRecentre"));
        parent->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Resize && m_window)
            recentre(static_cast<QWidget *>(watched));
        return false;
    }

private:
    void recentre(QWidget *parent) const
    {
        const AppliedTables *applied = appliedTables(m_window);
        if (!applied)
            return;
        for (const Table &t : applied->tables)
            for (const Item &i : t.items) {
                if (i.x != Centre && i.y != Centre)
                    continue;
                QWidget *w = find(m_window, i);
                if (w && w->parentWidget() == parent)
                    w->setGeometry(placeIn(parent->size(), i));
            }
    }

    QPointer<QWidget> m_window;
};

} // namespace

QWidget *find(const QWidget *window, const Item &item)
{
    const QWidget *parent = item.in ? window->findChild<QWidget *>(QLatin1String(item.in)) : window;
    if (!parent)
        return nullptr;
    return parent->findChild<QWidget *>(QLatin1String(item.name), Qt::FindDirectChildrenOnly);
}

void apply(QWidget *window, const Table &table)
{
    if (table.client.isValid())
        window->setFixedSize(rect(0, 0, table.client.width(), table.client.height()).size());
    if (table.backgroundTop != 0) {
        // From the top to the bottom of the window at any size (a maximised window too).
        QLinearGradient gradient(0, 0, 0, 1);
        gradient.setCoordinateMode(QGradient::ObjectMode);
        gradient.setColorAt(0, QColor::fromRgba(table.backgroundTop));
        gradient.setColorAt(1, QColor::fromRgba(table.backgroundBottom ? table.backgroundBottom : White));
        QPalette pal = window->palette();
        pal.setBrush(QPalette::Window, gradient);
        window->setPalette(pal);
        window->setAutoFillBackground(true);
    }
    for (const Item &item : table.items) {
        QWidget *parent = parentOf(window, item);
        Q_ASSERT_X(parent, "Layout::apply", item.in);
        if (!parent)
            continue;
        QWidget *w = item.kind == Kind::Control ? find(window, item) : make(parent, item);
        Q_ASSERT_X(w, "Layout::apply", item.name);
        if (!w)
            continue;
        w->setGeometry(placeIn(parent->size(), item));
        if ((item.x == Centre || item.y == Centre)
            && !parent->findChild<Recentre *>(QStringLiteral("kennoraLayoutRecentre"), Qt::FindDirectChildrenOnly))
            new Recentre(parent, window);
        if (item.font.family) {
            w->setFont(Style::font(QString::fromLatin1(item.font.family), item.font.points, item.font.bold));
            // A combo's edit may hold a font of its own (a text kept whole):
            // it takes the row's font too.
            if (auto *combo = qobject_cast<QComboBox *>(w); combo && combo->lineEdit())
                combo->lineEdit()->setFont(w->font());
        }
        if (auto *edit = qobject_cast<QLineEdit *>(w); edit && item.font.family) {
            // A line of the edit's font taller than the room inside its frame
            // is drawn over the frame's inner margin rather than cut.
            const int spare = w->height() - px(4) - QFontMetrics(w->font()).height();
            if (spare < 0)
                edit->setTextMargins(0, -px(2), 0, -px(2));
        }
        if (item.colour != 0) {
            QPalette pal = w->palette();
            pal.setColor(QPalette::WindowText, QColor::fromRgba(item.colour));
            pal.setColor(QPalette::Text, QColor::fromRgba(item.colour));
            w->setPalette(pal);
            // A style sheet above the control (a panel's "QLabel { color }")
            // would win over the palette: the control's own sheet wins over it.
            if (w->styleSheet().isEmpty() && underStyleSheet(w))
                w->setStyleSheet(QStringLiteral("color: %1;").arg(Style::css(item.colour)));
        }
        if (item.align != 0) {
            if (auto *label = qobject_cast<QLabel *>(w))
                label->setAlignment(Qt::Alignment(item.align));
            else if (auto *edit = qobject_cast<QLineEdit *>(w))
                edit->setAlignment(Qt::Alignment(item.align));
        }
        if (item.kind != Kind::Control && item.hidden)
            w->hide();
        w->raise();
    }
    // Focus frames lie right behind their edits.
    for (const Item &item : table.items)
        if (auto *edit = qobject_cast<QLineEdit *>(find(window, item)))
            if (QWidget *frame = EditKit::focusFrame(edit))
                frame->stackUnder(edit);
    QWidget *previous = nullptr;
    for (const char *name : table.tabOrder) {
        QWidget *w = window->findChild<QWidget *>(QLatin1String(name));
        Q_ASSERT_X(w, "Layout::apply tab order", name);
        if (previous && w)
            QWidget::setTabOrder(previous, w);
        if (w)
            previous = w;
    }
    AppliedTables *applied = appliedTables(window);
    if (!applied)
        applied = new AppliedTables(window);
    applied->tables.append(table);
}

const char *intern(const QString &name)
{
    // Names live as long as the program: windows keep their tables.
    static QSet<QByteArray> names;
    return names.insert(name.toLatin1())->constData();
}

QList<Table> tables(const QWidget *window)
{
    const AppliedTables *applied = appliedTables(window);
    return applied ? applied->tables : QList<Table>();
}

QRect windowRect(const QWidget *window, const Item &item)
{
    QRect parentRect;
    if (!item.in) {
        parentRect = QRect(QPoint(0, 0), window->size());
    } else if (const Item *parentItem = itemNamed(window, item.in)) {
        parentRect = windowRect(window, *parentItem);
    } else if (const QWidget *parent = window->findChild<QWidget *>(QLatin1String(item.in))) {
        parentRect = QRect(parent->mapTo(window, QPoint(0, 0)), parent->size());
    }
    return placeIn(parentRect.size(), item).translated(parentRect.topLeft());
}

} // namespace Layout
