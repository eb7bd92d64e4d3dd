#include "common/ui/EditorWindow.h"

#include "common/ui/Style.h"

#include "common/ui/Art.h"
#include "common/ui/ControlText.h"
#include "common/ui/EditKit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>

namespace
{

constexpr int kMargin = EditorWindow::kMargin; // panel edge to the hint line and the navigation strip
constexpr const char *kPanel = "panContainer";
constexpr int kStripHeight = 38; // the hint line's band
constexpr int kStripFromBottom = 50;
constexpr int kArrowWidth = 36;
constexpr int kArrowPitch = 40;
constexpr int kPositionWidth = 102;
constexpr int kPositionPitch = 110;
constexpr int kNavigationWidth = 4 * kArrowPitch + kPositionPitch;
constexpr int kColumnPitch = 40;
constexpr int kGroupGap = 12;
constexpr int kBarSpacing = 4;
constexpr int kHintPadding = 10; // the band's left padding (style sheet), kept free on the right too
constexpr qreal kHintPointSize = 12;
constexpr qreal kCommandPointSize = 11;
constexpr qreal kHintSmallestPointSize = 8;
constexpr int kCommandPicture = 20; // a command's picture left of its caption

const QString kCommandStyle = Style::sheet(
    QStringLiteral("QPushButton { color: white; font-weight: bold; border: 1px solid @CommandEdge; border-radius: 5px;"
                   " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 @CommandTop, stop:1 @CommandBottom); }"
                   "QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 @CommandHoverTop, "
                   "stop:1 @CommandHoverBottom); }"
                   "QPushButton:pressed { background: @CommandPressed; }"
                   "QPushButton:focus { border: 2px solid @FocusGold; }"
                   "QPushButton:disabled { color: @CommandDisabledText; border-color: @CommandDisabledEdge;"
                   " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 @CommandDisabledTop, stop:1 "
                   "@CommandDisabledBottom); }"));

QFont commandFont()
{
    return Style::shellFont(kCommandPointSize, true);
}

} // namespace

QString EditorWindow::smallButtonStyle()
{
    return Style::sheet(
        QStringLiteral("QPushButton { border: 1px solid transparent; border-radius: 4px; background: transparent; }"
                       "QPushButton:hover { border-color: @SmallButtonHoverEdge; background: @PaleButtonHover; }"
                       "QPushButton:focus { border-color: @FocusGold; }"));
}

EditorWindow::EditorWindow(const Chrome &chrome, QWidget *parent)
    : WindowKit::MainWindowBase(chrome.caption, parent)
    , m_chrome(chrome)
{
    setObjectName(chrome.objectName);
    setMinimumSize(chrome.panel);

    panContainer = new QFrame(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    panContainer->setFixedSize(chrome.panel);
    panContainer->setStyleSheet(Style::sheet(QStringLiteral(
        "#panContainer { background: @PanelFill; border: 1px solid @PanelEdge; border-radius: 10px; }"
        "QLabel { color: @TextInk; }"
        "QFrame[section=\"true\"] { background: white; border: 1px solid @SectionEdge; border-radius: 8px; }")));

    // The hint line: at the bottom, left of the navigation strip in a column
    // layout, across the panel in a bar layout.
    panInfo = new QLabel(QStringLiteral("Pronto per archiviare una nuova scheda..."), panContainer);
    panInfo->setObjectName(QStringLiteral("panInfo"));
    panInfo->setFont(Style::shellFont(kHintPointSize));
    panInfo->setStyleSheet(QStringLiteral("QLabel { color: white; background: %2; border-radius: 5px;"
                                          " padding-left: %1px; }")
                               .arg(kHintPadding)
                               .arg(Style::css(Style::HintBandColour)));
    const int stripTop = chrome.panel.height() - kStripFromBottom;
    const int bandRight = chrome.layout == CommandLayout::Column
        ? chrome.panel.width() - kMargin - kNavigationWidth - kMargin
        : chrome.panel.width() - kMargin;
    m_bandWidth = bandRight - kMargin;
    addKitRow({ .name = kPanel,
        .x = Layout::Centre,
        .y = Layout::Centre,
        .w = qreal(chrome.panel.width()),
        .h = qreal(chrome.panel.height()) });
    addKitRow({ .name = "panInfo",
        .in = kPanel,
        .x = kMargin,
        .y = qreal(stripTop),
        .w = qreal(m_bandWidth),
        .h = kStripHeight });
    m_hints = new WindowKit::HintLine(panInfo);

    lblPosizione = new QLabel(panContainer);
    lblPosizione->setObjectName(QStringLiteral("lblPosizione"));
    lblPosizione->setFont(Style::verdana(12, true));
    lblPosizione->setAlignment(Qt::AlignCenter);
    lblPosizione->setStyleSheet(Style::sheet(QStringLiteral(
        "QLabel { color: @TextInk; background: white; border: 1px solid @PanelEdge; border-radius: 4px; }")));
    lblPosizione->hide(); // shown where addCommands places the strip

    // The record's attachment slots.
    lblFile01 = WindowKit::hiddenLabel(panContainer, "lblFile01");
    lblFile02 = WindowKit::hiddenLabel(panContainer, "lblFile02");
    lblFile03 = WindowKit::hiddenLabel(panContainer, "lblFile03");
    lblDesc01 = WindowKit::hiddenLabel(panContainer, "lblDesc01");
    lblDesc02 = WindowKit::hiddenLabel(panContainer, "lblDesc02");
    lblDesc03 = WindowKit::hiddenLabel(panContainer, "lblDesc03");
}

QList<QPushButton *> EditorWindow::addCommands(const QList<Command> &commands)
{
    QList<QPushButton *> buttons;
    const bool column = m_chrome.layout == CommandLayout::Column;
    for (const Command &def : commands) {
        if (QLatin1String(def.name) == QLatin1String(kNavigationStrip)) {
            Q_ASSERT_X(!column, "EditorWindow", "a column places the navigation strip itself");
            buttons.append(nullptr);
            continue;
        }
        auto *button = new QPushButton(QString::fromUtf8(def.caption), panContainer);
        button->setObjectName(QLatin1String(def.name));
        button->setFont(commandFont());
        button->setStyleSheet(kCommandStyle);
        button->setCursor(Qt::PointingHandCursor);
        if (def.picture) {
            const QSize side(kCommandPicture, kCommandPicture);
            button->setIcon(QIcon(Art::pixmap(QLatin1String(def.picture), side)));
            button->setIconSize(side);
        }
        if (def.hint)
            addHint(button, QString::fromUtf8(def.hint));
        buttons.append(button);
    }

    if (column) {
        QPoint at = m_chrome.commandOrigin;
        for (int i = 0; i < commands.size(); ++i) {
            if (i > 0 && commands.at(i).group != commands.at(i - 1).group)
                at.ry() += kGroupGap;
            addKitRow({ .name = commands.at(i).name,
                .in = kPanel,
                .x = qreal(at.x()),
                .y = qreal(at.y()),
                .w = qreal(kColumnButton.width()),
                .h = qreal(kColumnButton.height()) });
            at.ry() += kColumnPitch;
        }
        buildNavigation(
            QPoint(m_chrome.panel.width() - kMargin - kNavigationWidth, m_chrome.panel.height() - kStripFromBottom + 2),
            34);
        return buttons;
    }

    // A bar: each button as wide as its caption; when the bar would not fit
    // the panel, the captions take a smaller size until it does.
    const int room = m_chrome.panel.width() - m_chrome.commandOrigin.x() - kMargin;
    const int navigation = kNavigationWidth - (kArrowPitch - kArrowWidth);
    QFont font = commandFont();
    QList<int> widths;
    for (qreal size = kCommandPointSize; size >= kHintSmallestPointSize; size -= 0.5) {
        font.setPixelSize(Style::pixelsForPoints(size));
        const QFontMetrics metrics(font);
        widths.clear();
        int total = 0;
        for (int i = 0; i < commands.size(); ++i) {
            if (i > 0)
                total += commands.at(i).group != commands.at(i - 1).group ? kGroupGap : kBarSpacing;
            const QPushButton *button = buttons.at(i);
            const int picture = button && !button->icon().isNull() ? kCommandPicture + 6 : 0;
            const int width = button ? metrics.horizontalAdvance(button->text()) + 16 + picture : navigation;
            widths.append(width);
            total += width;
        }
        if (total <= room)
            break;
    }
    QPoint at = m_chrome.commandOrigin;
    for (int i = 0; i < commands.size(); ++i) {
        if (i > 0)
            at.rx() += commands.at(i).group != commands.at(i - 1).group ? kGroupGap : kBarSpacing;
        if (QPushButton *button = buttons.at(i)) {
            button->setFont(font);
            addKitRow({ .name = commands.at(i).name,
                .in = kPanel,
                .x = qreal(at.x()),
                .y = qreal(at.y()),
                .w = qreal(widths.at(i)),
                .h = kBarButtonHeight });
        } else {
            buildNavigation(at, kBarButtonHeight);
        }
        at.rx() += widths.at(i);
    }
    buttons.removeAll(nullptr);
    return buttons;
}

void EditorWindow::buildNavigation(QPoint at, int height)
{
    struct NavDef {
        const char *name;
        const char *picture;
        const char *hint;
    };
    const NavDef defs[] = {
        { "cmdPrimo", "primo", "Visualizza la prima scheda in archivio." },
        { "cmdIndietro", "indietro", "Visualizza la scheda precedente in archivio." },
        { "cmdAvanti", "avanti", "Visualizza la scheda successiva in archivio." },
        { "cmdUltimo", "ultimo", "Visualizza l'ultima scheda in archivio." },
    };
    int x = at.x();
    for (int i = 0; i < 4; ++i) {
        const NavDef &def = defs[i];
        // The navigation arrows: a blue triangle, with a bar for first and last.
        addSmallButton(panContainer, def.name, def.picture, QString::fromUtf8(def.hint), 20);
        addKitRow({ .name = def.name,
            .in = kPanel,
            .x = qreal(x),
            .y = qreal(at.y()),
            .w = kArrowWidth,
            .h = qreal(height) });
        x += kArrowPitch;
        if (i == 1) {
            addKitRow({ .name = "lblPosizione",
                .in = kPanel,
                .x = qreal(x),
                .y = qreal(at.y() + 1),
                .w = kPositionWidth,
                .h = qreal(height - 2) });
            lblPosizione->show();
            x += kPositionPitch;
        }
    }
    cmdPrimo = commandNamed("cmdPrimo");
    cmdIndietro = commandNamed("cmdIndietro");
    cmdAvanti = commandNamed("cmdAvanti");
    cmdUltimo = commandNamed("cmdUltimo");
}

void EditorWindow::addKitRow(const Layout::Item &row)
{
    m_kitRows.append(row);
    // Placed at once, so that a window that does not apply its table yet
    // finds the kit's controls in their places.
    if (row.in)
        if (QWidget *control = Layout::find(this, row))
            control->setGeometry(Layout::rect(row.x, row.y, row.w, row.h));
}

QPushButton *EditorWindow::addSmallButton(
    QWidget *parent, const char *name, const char *picture, const QString &hint, int pictureSide)
{
    const QSize side(pictureSide, pictureSide);
    auto *button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setIcon(QIcon(Art::pixmap(QLatin1String(picture), side)));
    button->setIconSize(side);
    button->setCursor(Qt::PointingHandCursor);
    button->setStyleSheet(smallButtonStyle());
    addHint(button, hint);
    return button;
}

QList<Layout::Item> EditorWindow::captionedField(const char *control, const char *caption, const QString &text,
    const char *in, qreal x, qreal y, qreal width, Layout::Font font, int align)
{
    const char *parent = in ? in : kPanel;
    return {
        { .name = caption,
            .in = parent,
            .x = x,
            .y = y,
            .w = width,
            .h = kCaptionHeight,
            .kind = Layout::Kind::Text,
            .font = kCaptionFont,
            .text = text },
        { .name = control,
            .in = parent,
            .x = x,
            .y = y + kCaptionHeight + kCaptionGap,
            .w = width,
            .h = kEditHeight,
            .font = font,
            .align = align },
    };
}

Layout::Item EditorWindow::besideRow(const char *name, const Layout::Item &beside, qreal width, qreal gap)
{
    return { .name = name, .in = beside.in, .x = beside.x + beside.w + gap, .y = beside.y, .w = width, .h = beside.h };
}

void EditorWindow::applyPanel(const QList<Layout::Item> &rows, const QList<const char *> &tabOrder)
{
    Layout::Table table;
    table.name = objectName() + QStringLiteral(" panel");
    // The panel first (the window's rows lie in it), the kit's controls last.
    table.items << m_kitRows.first() << rows << m_kitRows.mid(1);
    table.tabOrder = tabOrder;
    Layout::apply(this, table);
    placePanel();
    // The background rectangles and pictures empty the hint line.
    for (const Layout::Item &row : std::as_const(table.items))
        if (row.kind == Layout::Kind::Shape || row.kind == Layout::Kind::Picture)
            addHintBackground(Layout::find(this, row));
}

QPushButton *EditorWindow::command(const QString &name) const
{
    return panContainer->findChild<QPushButton *>(name, Qt::FindDirectChildrenOnly);
}

QPushButton *EditorWindow::commandNamed(const char *name) const
{
    QPushButton *button = command(QLatin1String(name));
    Q_ASSERT_X(button, "EditorWindow::commandNamed", name);
    return button;
}

void EditorWindow::addHint(QWidget *control, const QString &sentence)
{
    m_hints->addCommand(control, sentence);
    // A sentence already fitted (the same hint on many controls) changes nothing.
    const bool fitted = m_sentences.contains(sentence);
    m_sentences.append(sentence);
    if (!fitted)
        fitHintFont();
}

void EditorWindow::addHintBackground(QWidget *background)
{
    m_hints->addBackground(background);
}

void EditorWindow::fitHintFont()
{
    // The band keeps its nominal size unless a sentence would be cut; then the
    // whole band takes the largest size at which every sentence fits.
    const int room = Layout::px(m_bandWidth) - 2 * kHintPadding;
    QFont font = panInfo->font();
    for (qreal size = kHintPointSize; size >= kHintSmallestPointSize; size -= 0.5) {
        font.setPixelSize(Style::pixelsForPoints(size));
        const QFontMetrics metrics(font);
        bool fits = true;
        for (const QString &sentence : std::as_const(m_sentences))
            fits = fits && metrics.horizontalAdvance(sentence) <= room;
        if (fits)
            break;
    }
    panInfo->setFont(font);
}

ArchiveEditor *EditorWindow::setUpArchive(ArchiveEditor::Setup setup, std::function<QString(int)> controlName)
{
    Q_ASSERT(!m_editor && setup.layout && controlName);
    m_controlName = std::move(controlName);
    setup.position = lblPosizione;
    EditKit::setTypingLimits(this, *setup.layout, m_controlName);
    m_editor = new ArchiveEditor(this, *this, std::move(setup));

    using C = ArchiveEditor::Command;
    const std::pair<const char *, C> wiring[] = {
        { "cmdPrimo", C::First },
        { "cmdIndietro", C::Previous },
        { "cmdAvanti", C::Next },
        { "cmdUltimo", C::Last },
        { "cmdSalva", C::Save },
        { "cmdNuovo", C::New },
        { "cmdDuplica", C::Duplicate },
    };
    for (const auto &[name, cmd] : wiring)
        if (QPushButton *button = command(QLatin1String(name)))
            m_editor->connectButton(button, cmd);
    return m_editor;
}

void EditorWindow::finishWindow()
{
    addHintBackground(this);
    addHintBackground(panContainer);
    WindowKit::prepareButtons(this);
    clearWindow();
}

void EditorWindow::showRecord(const RecordBuffer &record, qint64 position)
{
    m_editor->showRecord(record, position);
}

void EditorWindow::clearWindow()
{
    m_editor->newRecord();
}

void EditorWindow::loadRecord(const RecordBuffer &record)
{
    ArchiveEditor::loadControls(this, record, m_controlName);
}

void EditorWindow::storeRecord(RecordBuffer &record)
{
    ArchiveEditor::storeControls(this, record, m_controlName);
}

void EditorWindow::clearRecord()
{
    const RecordLayout &layout = recordLayout();
    for (int field = 0; field < layout.fieldCount(); ++field) {
        const QString name = m_controlName(field);
        if (name.isEmpty())
            continue;
        QWidget *control = findChild<QWidget *>(name);
        if (auto *box = qobject_cast<QCheckBox *>(control)) {
            box->setChecked(false);
        } else if (auto *combo = qobject_cast<QComboBox *>(control)) {
            combo->setCurrentIndex(-1);
            combo->clearEditText();
        } else {
            ControlText::setText(control, QString());
        }
    }
}

RecordBuffer EditorWindow::currentRecord() const
{
    RecordBuffer record(recordLayout());
    record.clear();
    ArchiveEditor::storeControls(this, record, m_controlName);
    return record;
}

void EditorWindow::clearForDuplicate()
{
    for (QLabel *label : { lblFile01, lblFile02, lblFile03, lblDesc01, lblDesc02, lblDesc03 })
        label->clear();
}

void EditorWindow::shown()
{
    clearWindow();
}

void EditorWindow::showEvent(QShowEvent *event)
{
    WindowKit::MainWindowBase::showEvent(event);
    placePanel();
    // Every opening starts anew (not a restore from the task bar).
    if (!event->spontaneous())
        shown();
}

void EditorWindow::resizeEvent(QResizeEvent *event)
{
    WindowKit::MainWindowBase::resizeEvent(event);
    placePanel();
}

void EditorWindow::placePanel()
{
    panContainer->move(
        qMax(0, (width() - panContainer->width()) / 2), qMax(0, (height() - panContainer->height()) / 2));
}

void EditorWindow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QLinearGradient fill(0, 0, 0, height());
    fill.setColorAt(0, QColor::fromRgba(m_chrome.gradientTop));
    fill.setColorAt(1, Qt::white);
    p.fillRect(rect(), fill);
}
