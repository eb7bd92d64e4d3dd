#include "common/ui/SearchWindow.h"

#include "common/ui/Style.h"

#include "common/ArchiveFile.h"
#include "common/ui/EditKit.h"
#include "common/ui/MessageBoxes.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <new>

SearchWindow::SearchWindow(QWidget *owner, Setup setup)
    : ListWindow(owner, setup.list, false)
    , m_search(std::move(setup))
{
    lblTrovate->setText(m_search.countBeginning + QStringLiteral("0 schede"));
    buildFilterPage();
    showPage(panAvvio);
    finishLayout(size());
}

Layout::Table SearchWindow::filterPageTable() const
{
    using namespace Layout;
    Table t;
    t.name = QStringLiteral("filter page");
    t.items = {
        { .name = "panAvvio", .x = Centre, .y = Centre, .w = kPage.width(), .h = kPage.height() },
        { .name = "shpSpiega",
            .in = "panAvvio",
            .x = 8,
            .y = 8,
            .w = 817,
            .h = 78,
            .kind = Kind::Shape,
            .fill = White,
            .stroke = PanelStroke },
        { .name = "imgSpiega",
            .in = "panAvvio",
            .x = 9,
            .y = 9,
            .w = 815,
            .h = 76,
            .kind = Kind::Heading,
            .font = kHeadingFont,
            .colour = HeadingGreen,
            .text = heading() + QStringLiteral("\nCompilare uno o più campi e premere il pulsante Cerca."),
            .art = setup().headingArt,
            .artRight = setup().headingArtRight },
        { .name = "shpSfondoCampi",
            .in = "panAvvio",
            .x = 8,
            .y = 96,
            .w = 817,
            .h = 382,
            .kind = Kind::Shape,
            .fill = FilterFieldsTop,
            .fillBottom = White,
            .stroke = PanelStroke },
        { .name = "icoTrova01",
            .in = "panAvvio",
            .x = 24,
            .y = 133,
            .w = 104,
            .h = 104,
            .kind = Kind::Picture,
            .art = QStringLiteral("lente") },
    };
    // Two columns of four filters, then two filters as wide as both columns.
    static constexpr qreal rows[] = { 133, 195, 257, 319, 381, 438 };
    for (qsizetype i = 0; i < m_search.filters.size(); ++i) {
        const bool wide = i >= 8;
        const qreal x = (!wide && i % 2 == 1) ? 488 : 144;
        const qreal y = rows[wide ? i - 4 : i / 2];
        const qreal w = wide ? 664 : 320;
        t.items.append({ .name = kFilterLabels[i],
            .in = "panAvvio",
            .x = x,
            .y = y - 21,
            .w = w,
            .h = 17,
            .font = kLabelFont,
            .align = Qt::AlignLeft | Qt::AlignBottom });
        t.items.append({ .name = m_search.filters.at(i).name,
            .in = "panAvvio",
            .x = x,
            .y = y,
            .w = w,
            .h = 22,
            .font = kEditFont });
        t.tabOrder.append(m_search.filters.at(i).name);
    }
    t.items.append(
        { .name = "btnAnnulla", .in = "panAvvio", .x = 8, .y = 488, .w = 150, .h = 30, .font = kButtonFont });
    t.items.append({ .name = "lblAttendere",
        .in = "panAvvio",
        .x = 168,
        .y = 494,
        .w = 497,
        .h = 20,
        .font = kLabelFont,
        .colour = DarkCyan,
        .align = Qt::AlignCenter });
    t.items.append(
        { .name = "btnCerca", .in = "panAvvio", .x = 675, .y = 488, .w = 150, .h = 30, .font = kButtonFont });
    t.tabOrder << "btnAnnulla"
               << "btnCerca";
    return t;
}

void SearchWindow::buildFilterPage()
{
    Q_ASSERT(m_search.filters.size() <= 10);
    panAvvio = new QWidget(this);
    panAvvio->setObjectName(QStringLiteral("panAvvio"));
    addPage(panAvvio);

    qsizetype i = 0;
    for (const Filter &f : m_search.filters) {
        auto *caption = new QLabel(f.caption, panAvvio);
        caption->setObjectName(QLatin1String(kFilterLabels[i++]));
        QLineEdit *edit = EditKit::makeEdit(panAvvio, { f.name, 0, f.successor });
        caption->setBuddy(edit);
        filterEdits << edit;
    }

    lblAttendere = new QLabel(QStringLiteral("Ricerca schede in corso. Attendere..."), panAvvio);
    lblAttendere->setObjectName(QStringLiteral("lblAttendere"));
    lblAttendere->hide();
    btnCerca = new QPushButton(QStringLiteral("Cerca"), panAvvio);
    btnCerca->setObjectName(QStringLiteral("btnCerca"));
    btnAnnulla = new QPushButton(QStringLiteral("Chiudi"), panAvvio);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    for (QPushButton *b : { btnCerca, btnAnnulla })
        b->setCursor(Qt::PointingHandCursor);

    lblMemory = WindowKit::hiddenLabel(panAvvio, "lblMemory");
    lblConta = WindowKit::hiddenLabel(panAvvio, "lblConta");
    lblConta->setText(QStringLiteral("0"));

    Layout::apply(this, filterPageTable());

    connect(btnCerca, &QPushButton::pressed, this, [this] {
        lblAttendere->show();
        lblAttendere->repaint();
    });
    connect(btnCerca, &QPushButton::clicked, this, &SearchWindow::searchCommand);
    WindowKit::closeOnClick(btnAnnulla, this);
    if (!filterEdits.isEmpty())
        WindowKit::focusFirstField(this, filterEdits.first());
}

QString SearchWindow::mode() const
{
    return WindowKit::callerMode(lblMemory);
}

void SearchWindow::searchCommand()
{
    QStringList texts;
    std::vector<FieldRef> fields;
    for (qsizetype i = 0; i < filterEdits.size(); ++i) {
        texts << filterEdits.at(i)->text();
        fields.push_back(m_search.filters.at(i).field);
    }
    const SearchMatch::MultiFilter filter(texts, std::move(fields));
    lblConta->setText(QString::number(filter.setCount()));

    RecordListing lines;
    lines.setSorted(setup().sorted);
    try {
        lines.collect(
            m_search.path(), m_search.recordSize, [&filter](const char *record) { return filter.matches(record); },
            m_search.line, SearchMatch::lineBytes(m_search.minLineChars));
    } catch (const SearchMatch::ListingMemoryError &) {
        MessageBoxes::plain(SearchMatch::kMemoryMessage, this);
        return;
    } catch (...) {
        // The lines read so far stay in the (hidden) list; the filter page stays.
        try {
            showLines(std::move(lines));
        } catch (const std::bad_alloc &) {
            lstRecords->lines()->clear();
        }
        MessageBoxes::plain(kArchiveAccessMessage, this);
        return;
    }
    try {
        showLines(std::move(lines));
    } catch (const std::bad_alloc &) {
        lstRecords->lines()->clear();
        MessageBoxes::plain(SearchMatch::kMemoryMessage, this);
        return;
    }
    lblTrovate->setText(SearchMatch::countSentence(m_search.countBeginning, lstRecords->count()));
    showPage(panContainer);
    txtTrova->clear();
    txtTrova->setFocus();
}

void SearchWindow::done(int result)
{
    lblAttendere->hide();
    ListWindow::done(result);
}
