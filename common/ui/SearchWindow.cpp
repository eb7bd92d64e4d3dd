#include "common/ui/SearchWindow.h"

#include "common/ui/Style.h"

#include "common/ArchiveFile.h"
#include "common/ui/EditKit.h"
#include "common/ui/MessageBoxes.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedLayout>
#include <QVBoxLayout>

#include <new>

SearchWindow::SearchWindow(QWidget *owner, Setup setup)
    : ListWindow(owner, setup.list, false)
    , m_search(std::move(setup))
{
    lblTrovate->setText(m_search.countBeginning + QStringLiteral("0 schede"));
    buildFilterPage();
    pages()->setCurrentWidget(panAvvio);
    finishLayout(QSize(862, 560));
}

void SearchWindow::buildFilterPage()
{
    panAvvio = new QWidget(this);
    panAvvio->setObjectName(QStringLiteral("panAvvio"));
    auto *page = new QVBoxLayout(panAvvio);
    page->setContentsMargins(40, 14, 40, 14);
    page->setSpacing(10);

    auto *intro = new QLabel(QStringLiteral("Compilare uno o più campi e premere \"Cerca\":"), panAvvio);
    page->addWidget(intro);

    const QFont editFont = Style::font(QStringLiteral("Verdana"), 12, true);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(9);
    int row = 0;
    for (const Filter &f : m_search.filters) {
        auto *caption = new QLabel(f.caption, panAvvio);
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(caption, row, 0);
        QLineEdit *edit = EditKit::makeEdit(panAvvio, { f.name, 0, f.successor });
        edit->setFont(editFont);
        edit->setFixedHeight(26);
        grid->addWidget(edit, row, 1);
        caption->setBuddy(edit);
        filterEdits << edit;
        ++row;
    }
    grid->setColumnStretch(1, 1);
    page->addLayout(grid);
    page->addStretch(1);

    auto *bottom = new QHBoxLayout;
    bottom->setSpacing(10);
    lblAttendere = new QLabel(QStringLiteral("Ricerca schede in corso. Attendere..."), panAvvio);
    lblAttendere->setObjectName(QStringLiteral("lblAttendere"));
    QFont waitFont = lblAttendere->font();
    waitFont.setBold(true);
    lblAttendere->setFont(waitFont);
    lblAttendere->hide();
    bottom->addWidget(lblAttendere);
    bottom->addStretch(1);
    btnCerca = new QPushButton(QStringLiteral("Cerca"), panAvvio);
    btnCerca->setObjectName(QStringLiteral("btnCerca"));
    btnCerca->setFixedSize(130, 32);
    bottom->addWidget(btnCerca);
    btnAnnulla = new QPushButton(QStringLiteral("Chiudi"), panAvvio);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    btnAnnulla->setFixedSize(130, 32);
    bottom->addWidget(btnAnnulla);
    page->addLayout(bottom);

    lblMemory = WindowKit::hiddenLabel(panAvvio, "lblMemory");
    lblConta = WindowKit::hiddenLabel(panAvvio, "lblConta");
    lblConta->setText(QStringLiteral("0"));

    pages()->addWidget(panAvvio);

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
    pages()->setCurrentWidget(panContainer);
    txtTrova->clear();
    txtTrova->setFocus();
}

void SearchWindow::done(int result)
{
    lblAttendere->hide();
    ListWindow::done(result);
}
