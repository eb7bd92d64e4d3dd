#include "dogs/Cani.h"

#include "app/checkers/OpenChecker.h"
#include "app/dialogs/AllegaCartella.h"
#include "app/dialogs/Guida.h"
#include "app/dialogs/OpenURL.h"
#include "common/TextRoutines.h"
#include "common/ui/Art.h"
#include "common/ui/EditKit.h"
#include "common/ui/FileDialogs.h"
#include "common/ui/MessageBoxes.h"
#include "common/ui/Style.h"
#include "common/ui/WindowKit.h"
#include "common/ui/WindowNames.h"
#include "dogs/CostiCane.h"
#include "dogs/CreaRTF.h"
#include "dogs/DogControls.h"
#include "dogs/DogPhoto.h"
#include "dogs/ExpCani.h"
#include "dogs/PhotoView.h"
#include "dogs/StampaCane.h"
#include "dogs/TrovaCani.h"
#include "dogs/Zoom.h"
#include "dogs/core/DogRecord.h"
#include "owners/TrovaClienti.h"

#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <utility>

TfrmCani *frmCani = nullptr;

namespace
{

using DogRecord::Section;

// Geometry of the centred panel: the command bar, the header row, the tab
// buttons and the tab panels below them, the hint line at the bottom.
constexpr int kPanelWidth = 996;
constexpr int kPanelHeight = 692;
constexpr int kMargin = EditorWindow::kMargin;
constexpr int kHeaderTop = 50;
constexpr int kTabButtonsTop = 106;
constexpr QSize kTabButton { 200, 32 };
constexpr int kTabButtonPitch = 206;
constexpr int kTabsTop = 146;
constexpr int kTabsWidth = kPanelWidth - 2 * kMargin;
constexpr int kTabsHeight = kPanelHeight - 50 - kMargin - kTabsTop;
constexpr Layout::Font kEditFont { "Verdana", 11, true };
// A field: its caption, then the edit below it; the rows of a panel.
constexpr int kRowPitch = 47;
constexpr int kRowsTop = 10;
// The photo at the top left of "Dati psicosomatici", its buttons below it.
constexpr QRect kPhoto { 10, 10, 306, 353 };
constexpr int kPhotoButtonsTop = 10 + 353 + 8;
constexpr int kPhotoFieldsLeft = 336;
// "Documenti e costi": two tiles, each a picture above its button.
constexpr int kTileWidth = 260;
constexpr int kTileGap = 120;
constexpr int kTilesLeft = (kTabsWidth - 2 * kTileWidth - kTileGap) / 2;
constexpr int kTilesTop = 110;
constexpr int kTilePicture = 128;

// Where a field's caption and edit stand: row and x in its panel, width.
struct Place {
    DogRecord::Field field;
    const char *caption;
    int row;
    int x;
    int width;
};

const QList<Place> &places()
{
    using namespace DogRecord;
    // In record order, which is also the tab order within each panel.
    static const QList<Place> list = {
        // header (row 0, in the window's panel)
        { Nome, "Nome cane:", 0, kMargin, 262 },
        { Sesso, "Sesso:", 0, kMargin + 270, 64 },
        { DataNasc, "Data nascita:", 0, kMargin + 342, 124 },
        { Gruppo, "Gruppo appartenenza:", 0, kMargin + 474, 246 },
        { Razza, "Razza:", 0, kMargin + 728, 252 },
        // Dati psicosomatici, right of the photo
        { Mantello, "Colore mantello:", 0, 0, 314 },
        { Pelo, "Tipologia pelo:", 0, 322, 314 },
        { Segni, "Segni particolari:", 1, 0, 636 },
        { Altezza, "Altezza:", 2, 0, 152 },
        { Lunghezza, "Lunghezza:", 2, 161, 152 },
        { Taglia, "Taglia:", 2, 322, 152 },
        { Peso, "Peso:", 2, 483, 153 },
        { Sterilizzato, "Sterilizzato:", 3, 0, 152 },
        { Libretto, "Libretto sanitario:", 3, 161, 475 },
        { Medico, "Medico veterinario:", 4, 0, 314 },
        { ROI, "Numero ROI/LOI/RSR/LIR/ES:", 4, 322, 314 },
        { Microchip, "Codice microchip:", 5, 0, 230 },
        { DataApp, "Data applicazione:", 5, 238, 150 },
        { Localizzazione, "Localizzazione:", 5, 396, 240 },
        { Tatuaggio, "Tatuaggio:", 6, 0, 314 },
        { Pedigree, "Pedigree:", 6, 322, 314 },
        { Aggressivo, "Aggressivit\u00E0 verso persone o altri cani:", 7, 0, 636 },
        { Guinzaglio, "Comportamento al guinzaglio:", 8, 0, 314 },
        { Giochi, "Giochi preferiti:", 8, 322, 314 },
        { Note, "Note:", 9, 0, 636 },
        // Albero genealogico: the owner, the breeder, the two lines of ancestors
        { Proprietario, "Proprietario attuale:", 0, 0, 336 },
        { Recapito, "Telefono preferenziale:", 0, 386, 220 },
        { CodFisc, "Codice fiscale:", 0, 614, 236 },
        { ComuneRes, "Comune di residenza:", 1, 0, 336 },
        { InizioProp, "Data inizio propriet\u00E0:", 1, 344, 170 },
        { Allevatore, "Allevatore:", 1, 522, 434 },
        { Passaggi, "Passaggi di propriet\u00E0:", 2, 0, 956 },
        { Padre, "Padre:", 3, 0, 474 },
        { NonniPat, "Nonni paterni:", 4, 0, 474 },
        { BisnonniPat, "Bisnonni paterni:", 5, 0, 474 },
        { TrisnonniPat, "Trisnonni paterni:", 6, 0, 474 },
        { Madre, "Madre:", 3, 482, 474 },
        { NonniMat, "Nonni materni:", 4, 482, 474 },
        { BisnonniMat, "Bisnonni materni:", 5, 482, 474 },
        { TrisnonniMat, "Trisnonni materni:", 6, 482, 474 },
        { CampionatiIta, "Campionati italiani:", 7, 0, 474 },
        { CampionatiInt, "Campionati internazionali:", 7, 482, 474 },
        { Titoli, "Titoli e brevetti vari:", 8, 0, 474 },
        { Accompagnatori, "Accompagnatori (escluso proprietario):", 8, 482, 474 },
        { Iscrizioni, "Iscrizioni a club:", 9, 0, 956 },
        // Situazione sanitaria, one field a row
        { Vaccinazioni, "Vaccinazioni:", 0, 0, 956 },
        { Sverminazioni, "Sverminazioni:", 1, 0, 956 },
        { Trattamenti, "Trattamenti antiparassitari:", 2, 0, 956 },
        { Accertamenti, "Accertamenti diagnostici:", 3, 0, 956 },
        { Malattie, "Malattie pregresse:", 4, 0, 956 },
        { Interventi, "Interventi chirurgici:", 5, 0, 956 },
        { Profilassi, "Profilassi in corso:", 6, 0, 956 },
        { Difetti, "Difetti fisici:", 7, 0, 956 },
        { Alimentazione, "Alimentazione:", 8, 0, 956 },
    };
    return list;
}

// The tab panels with their buttons, in the order of the buttons.
struct TabDef {
    const char *panel;
    const char *button;
    const char *caption;
    const char *hint;
};
const TabDef kTabs[] = {
    { "panPsicosomatica", "btnPsicosomatica", "Dati psicosomatici",
        "Visualizza la sezione relativa ai dati psicosomatici." },
    { "panAlbero", "btnAlbero", "Albero genealogico", "Visualizza la sezione relativa all'albero genealogico." },
    { "panSanitaria", "btnSanitaria", "Situazione sanitaria",
        "Visualizza la sezione relativa alla situazione sanitaria." },
    { "panDocumenti", "btnDocumenti", "Documenti e costi", "Visualizza la sezione relativa ai documenti e costi." },
};

// The photo buttons under the photo: name, x, width.
struct PhotoButton {
    const char *name;
    int x;
    int width;
};
const PhotoButton kPhotoButtons[] = {
    { "btnCaricaFoto", 10, 157 },
    { "btnSalvaFoto", 175, 42 },
    { "btnCancFoto", 225, 42 },
    { "btnZoomFoto", 274, 42 },
};

const char *controlOf(int field)
{
    return Layout::intern(DogControls::name(field));
}

// The rows of a field: in the header, or in its tab panel.
QList<Layout::Item> fieldOf(const Place &place)
{
    const Section section = DogRecord::section(place.field);
    int x = place.x;
    int y = kHeaderTop;
    const char *in = nullptr;
    if (section != Section::Header) {
        // The panels of the record's sections are the first three tabs.
        const TabDef &tab = kTabs[int(section) - int(Section::Psicosomatica)];
        in = tab.panel;
        x += section == Section::Psicosomatica ? kPhotoFieldsLeft : 12;
        y = kRowsTop + place.row * (section == Section::Sanitaria ? kRowPitch + 4 : kRowPitch);
    }
    const bool centred = place.field == DogRecord::Sesso || place.field == DogRecord::DataNasc;
    return EditorWindow::captionedField(controlOf(place.field),
        Layout::intern(QStringLiteral("lbl") + DogRecord::layout().name(place.field)), QString::fromUtf8(place.caption),
        in, x, y, place.width, kEditFont, centred ? int(Qt::AlignCenter) : 0);
}

// The panel's table: the header fields, the tab buttons and panels, the
// photo with its buttons, each panel's fields, the small buttons of the
// owner's row, the two tiles of "Documenti e costi".
QList<Layout::Item> panelRows()
{
    QList<Layout::Item> rows;
    QHash<int, Layout::Item> edits;
    auto addField = [&](const Place &place) {
        const QList<Layout::Item> field = fieldOf(place);
        rows << field;
        edits.insert(place.field, field.last());
    };
    for (const Place &place : places())
        if (DogRecord::section(place.field) == Section::Header)
            addField(place);
    for (int i = 0; i < 4; ++i) {
        rows.append({ .name = kTabs[i].button,
            .in = "panContainer",
            .x = qreal(kMargin + i * kTabButtonPitch),
            .y = kTabButtonsTop,
            .w = qreal(kTabButton.width()),
            .h = qreal(kTabButton.height()) });
        rows.append({ .name = kTabs[i].panel,
            .in = "panContainer",
            .x = kMargin,
            .y = kTabsTop,
            .w = kTabsWidth,
            .h = kTabsHeight });
    }
    const char *photoIn = kTabs[0].panel;
    rows.append({ .name = "shpFoto",
        .in = photoIn,
        .x = qreal(kPhoto.x()),
        .y = qreal(kPhoto.y()),
        .w = qreal(kPhoto.width()),
        .h = qreal(kPhoto.height()),
        .kind = Layout::Kind::Shape,
        .fill = Style::SteelBlue,
        .fillBottom = Style::White,
        .stroke = Style::PhotoEdge });
    for (const char *picture : { "imgBianco", "imgFoto" })
        rows.append({ .name = picture,
            .in = photoIn,
            .x = qreal(kPhoto.x()),
            .y = qreal(kPhoto.y()),
            .w = qreal(kPhoto.width()),
            .h = qreal(kPhoto.height()) });
    for (const PhotoButton &button : kPhotoButtons)
        rows.append({ .name = button.name,
            .in = photoIn,
            .x = qreal(button.x),
            .y = kPhotoButtonsTop,
            .w = qreal(button.width),
            .h = 40 });
    for (const Place &place : places())
        if (DogRecord::section(place.field) != Section::Header)
            addField(place);
    rows.append(EditorWindow::besideRow("btnCarta", edits.value(DogRecord::Proprietario), 32, 6));
    rows.append(EditorWindow::besideRow("btnCodFisc", edits.value(DogRecord::CodFisc), 32, 6));
    const char *documents = kTabs[3].panel;
    const std::pair<const char *, const char *> tiles[]
        = { { "imgCartella", "btnCartella" }, { "imgCosti", "btnCosti" } };
    for (int i = 0; i < 2; ++i) {
        const int x = kTilesLeft + i * (kTileWidth + kTileGap);
        rows.append({ .name = tiles[i].first,
            .in = documents,
            .x = qreal(x + (kTileWidth - kTilePicture) / 2),
            .y = kTilesTop,
            .w = kTilePicture,
            .h = kTilePicture,
            .kind = Layout::Kind::Picture,
            .art = QLatin1String(i == 0 ? "cartella" : "costi") });
        rows.append({ .name = tiles[i].second,
            .in = documents,
            .x = qreal(x),
            .y = kTilesTop + 150,
            .w = kTileWidth,
            .h = 44 });
    }
    return rows;
}

// Tab: the header, the tab buttons, the photo buttons, then each panel's
// fields in record order, the tiles' buttons.
QList<const char *> tabOrder()
{
    QList<const char *> order;
    for (const Place &place : places())
        if (DogRecord::section(place.field) == Section::Header)
            order.append(controlOf(place.field));
    for (const TabDef &tab : kTabs)
        order.append(tab.button);
    for (const PhotoButton &button : kPhotoButtons)
        order.append(button.name);
    for (const Place &place : places())
        if (DogRecord::section(place.field) != Section::Header)
            order.append(controlOf(place.field));
    order << "btnCartella"
          << "btnCosti";
    return order;
}

const QString kTabStyle = Style::sheet(QStringLiteral(
    "QPushButton { color: @TextInk; font-weight: bold; border: 1px solid @PanelEdge; border-radius: 6px;"
    " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 @White, stop:1 @PaleButtonBottom); }"
    "QPushButton:hover { background: @PaleButtonHover; }"
    "QPushButton:focus { border: 2px solid @FocusGold; }"
    "QPushButton:disabled { color: white; border-color: @CommandEdge;"
    " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 @CommandTop, stop:1 @CommandBottom); }"));

const QString kPictureButtonStyle = Style::sheet(
    QStringLiteral("QPushButton { color: @TextInk; font-weight: bold; border: 1px solid @PanelEdge; border-radius: 6px;"
                   " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 @White, stop:1 @PaleToolBottom); }"
                   "QPushButton:hover { background: @PaleButtonHover; }"
                   "QPushButton:pressed { background: @PaleButtonPressed; }"
                   "QPushButton:focus { border: 2px solid @FocusGold; }"
                   "QPushButton:disabled { color: @CommandDisabledEdge; background: @PaleButtonDisabledFill; "
                   "border-color: @PaleButtonDisabledEdge; }"));

const QString kLinkedFolderNeedsStoredRecord
    = QStringLiteral("Attenzione: l'abbinamento della cartella al cane pu\u00F2 avvenire soltanto dopo che la scheda "
                     "\u00E8 stata inserita in archivio.");

} // namespace

// ---------------------------------------------------------------------------

TfrmCani::TfrmCani(QWidget *parent)
    : EditorWindow({ .caption = QStringLiteral(" Kennora - Anagrafica Cani"),
                       .objectName = QLatin1String(WindowNames::frmCani),
                       .panel = QSize(kPanelWidth, kPanelHeight),
                       .layout = CommandLayout::Bar,
                       .commandOrigin = QPoint(kMargin, kMargin) },
        parent)
{
    buildHeader();
    buildTabs();
    buildCommands();
    buildArchiveEditor();
    applyPanel(panelRows(), tabOrder());
    finishWindow();
}

static QLineEdit *makeField(QWidget *parent, const Place &place)
{
    const QByteArray name = DogControls::name(place.field).toLatin1();
    EditKit::EditRow row { .name = name.constData(), .look = EditKit::Look::Highlight };
    if (place.field == DogRecord::Sesso || place.field == DogRecord::DataNasc || place.field == DogRecord::CodFisc)
        row.casing = EditKit::Casing::UpperTyping;
    return EditKit::makeEdit(parent, row);
}

void TfrmCani::buildHeader()
{
    for (const Place &place : places())
        if (DogRecord::section(place.field) == Section::Header)
            m_edits.append(makeField(panContainer, place));
}

void TfrmCani::buildTabs()
{
    for (const TabDef &def : kTabs) {
        auto *button = new QPushButton(QString::fromUtf8(def.caption), panContainer);
        button->setObjectName(QLatin1String(def.button));
        button->setFont(Style::shellFont(11, true));
        button->setStyleSheet(kTabStyle);
        button->setCursor(Qt::PointingHandCursor);
        addHint(button, QString::fromUtf8(def.hint));

        auto *frame = new QFrame(panContainer);
        frame->setObjectName(QLatin1String(def.panel));
        frame->setProperty("section", true);
        addHintBackground(frame);
    }
    auto frame
        = [this](const char *name) { return WindowKit::named<QFrame>(panContainer, name, Qt::FindDirectChildrenOnly); };
    panPsicosomatica = frame("panPsicosomatica");
    panAlbero = frame("panAlbero");
    panSanitaria = frame("panSanitaria");
    panDocumenti = frame("panDocumenti");
    btnPsicosomatica = commandNamed("btnPsicosomatica");
    btnAlbero = commandNamed("btnAlbero");
    btnSanitaria = commandNamed("btnSanitaria");
    btnDocumenti = commandNamed("btnDocumenti");
    // The edits of each panel in record order; the photo first, so Tab moves
    // from its buttons to the first field of the panel.
    buildPhoto();
    buildPanel(panPsicosomatica, DogRecord::Mantello, DogRecord::Note);
    buildPanel(panAlbero, DogRecord::Proprietario, DogRecord::Iscrizioni);
    buildPanel(panSanitaria, DogRecord::Vaccinazioni, DogRecord::Alimentazione);
    buildDocuments();

    auto edit = [this](const char *name) { return panContainer->findChild<QLineEdit *>(QLatin1String(name)); };
    txtNome = edit("txtNome");
    txtSesso = edit("txtSesso");
    txtDataNasc = edit("txtDataNasc");
    txtGruppo = edit("txtGruppo");
    txtRazza = edit("txtRazza");
    txtMantello = edit("txtMantello");
    txtNote = edit("txtNote");
    txtProprietario = edit("txtProprietario");
    txtRecapito = edit("txtRecapito");
    txtCodFisc = edit("txtCodFisc");
    txtComuneRes = edit("txtComuneRes");
    txtIscrizioni = edit("txtIscrizioni");
    txtVaccinazioni = edit("txtVaccinazioni");
    txtAlimentazione = edit("txtAlimentazione");

    // Enter: along the record within the header and each panel; from the
    // breed to the first control of the panel in front; from the last field of
    // a panel back to the name.
    for (QLineEdit *e : std::as_const(m_edits)) {
        const int field = DogRecord::layout().indexOf(e->objectName().mid(3));
        if (field == DogRecord::Razza)
            EditKit::setSuccessor(e, [this]() -> QWidget * {
                switch (visibleTab()) {
                case Tab::Psicosomatica:
                    return txtMantello;
                case Tab::Albero:
                    return txtProprietario;
                case Tab::Sanitaria:
                    return txtVaccinazioni;
                case Tab::Documenti:
                    return btnCartella;
                }
                return nullptr;
            });
        else if (field == DogRecord::lastField(DogRecord::section(field)))
            EditKit::setSuccessor(e, QStringLiteral("txtNome"));
        else
            EditKit::setSuccessor(e, DogControls::name(field + 1));
    }

    // The owner picker at the end of the owner's row, the checker right of
    // the fiscal code.
    btnCarta = addSmallButton(
        panAlbero, "btnCarta", "rubrica", QStringLiteral("Importa i dati dall'archivio anagrafico dei proprietari."));
    btnCodFisc = addSmallButton(panAlbero, "btnCodFisc", "spunta", QStringLiteral("Controlla il codice fiscale."));
    connect(btnCarta, &QPushButton::clicked, this,
        [this]() { TfrmTrovaClienti::openPicker(this, QStringLiteral("cani")); });
    connect(btnCodFisc, &QPushButton::clicked, this, [this]() { OpenChecker(this, TrimText(txtCodFisc->text())); });

    for (Tab tab : { Tab::Psicosomatica, Tab::Albero, Tab::Sanitaria, Tab::Documenti })
        connect(tabButton(tab), &QPushButton::clicked, this, [this, tab]() { showTab(tab); });
}

void TfrmCani::buildPanel(QFrame *panel, int firstField, int lastField)
{
    for (const Place &place : places())
        if (place.field >= firstField && place.field <= lastField)
            m_edits.append(makeField(panel, place));
}

void TfrmCani::buildPhoto()
{
    // The photo lies over its gradient rectangle (a row of the table): the
    // blank picture leaves only the rectangle.
    imgBianco = new TPhotoView(panPsicosomatica);
    imgBianco->setObjectName(QStringLiteral("imgBianco"));
    imgBianco->hide();
    imgFoto = new TPhotoView(panPsicosomatica);
    imgFoto->setObjectName(QStringLiteral("imgFoto"));
    addHintBackground(imgFoto);

    auto pictureButton = [this](const char *name, const char *picture, const QString &caption) {
        auto *button = new QPushButton(caption, panPsicosomatica);
        button->setObjectName(QLatin1String(name));
        button->setIcon(QIcon(Art::pixmap(QLatin1String(picture), QSize(26, 26))));
        button->setIconSize(QSize(26, 26));
        button->setFont(Style::shellFont(10, true));
        button->setStyleSheet(kPictureButtonStyle);
        button->setCursor(Qt::PointingHandCursor);
        return button;
    };
    btnCaricaFoto = pictureButton("btnCaricaFoto", "foto", QStringLiteral("Carica foto"));
    btnSalvaFoto = pictureButton("btnSalvaFoto", "salva", QString());
    btnCancFoto = pictureButton("btnCancFoto", "cancella", QString());
    btnZoomFoto = pictureButton("btnZoomFoto", "zoom", QString());
    addHint(btnCaricaFoto, QStringLiteral("Carica una foto esistente."));
    addHint(btnSalvaFoto, QStringLiteral("Salva la foto su disco."));
    addHint(btnCancFoto, QStringLiteral("Cancella la foto."));
    addHint(btnZoomFoto, QStringLiteral("Visualizza la foto nelle sue dimensioni reali."));
    connect(btnCaricaFoto, &QPushButton::clicked, this, &TfrmCani::loadPhotoCommand);
    connect(btnSalvaFoto, &QPushButton::clicked, this, &TfrmCani::savePhotoCopyCommand);
    connect(btnCancFoto, &QPushButton::clicked, this, &TfrmCani::clearPhotoCommand);
    connect(btnZoomFoto, &QPushButton::clicked, this, &TfrmCani::zoomCommand);
}

void TfrmCani::buildDocuments()
{
    // Two tiles: the linked folder and the cost ledger, each a picture (a row
    // of the table) above its button.
    auto tileButton = [this](const char *name, const QString &caption) {
        auto *button = new QPushButton(caption, panDocumenti);
        button->setObjectName(QLatin1String(name));
        button->setFont(Style::shellFont(12, true));
        button->setStyleSheet(kPictureButtonStyle);
        button->setCursor(Qt::PointingHandCursor);
        return button;
    };
    btnCartella = tileButton("btnCartella", QStringLiteral("Apri cartella"));
    btnCosti = tileButton("btnCosti", QStringLiteral("Annota costi"));
    addHint(btnCartella, QStringLiteral("Apri la cartella abbinata al cane per aggiungere o rimuovere documenti."));
    addHint(btnCosti, QStringLiteral("Visualizza la finestra per l'annotazione dei costi sostenuti."));
    connect(btnCartella, &QPushButton::clicked, this, &TfrmCani::linkedFolderCommand);
    connect(btnCosti, &QPushButton::clicked, this, &TfrmCani::costsCommand);
}

void TfrmCani::buildCommands()
{
    addCommands({
        { "cmdNuovo", "Nuovo", "Prepara la schermata per l'inserimento di una nuova scheda.", 0 },
        { "cmdDuplica", "Duplica",
            "Prepara la schermata per l'inserimento di una nuova scheda duplicando i dati correnti.", 0 },
        { "cmdSalva", "Salva", "Salva la scheda corrente in archivio.", 0 },
        { "cmdTrova", "Trova", "Trova una scheda in archivio.", 0 },
        { "cmdFile", "Allega file", "Allega file alla scheda corrente.", 1 },
        { "cmdAnteprima", "RTF", "Esporta la scheda corrente in formato RTF.", 2 },
        { "cmdStampa", "Stampa", "Stampa la scheda corrente.", 2 },
        { kNavigationStrip, nullptr, nullptr, 3 },
        { "cmdEsporta", "Esporta", "Esporta le schede in archivio in un file di Microsoft Excel.", 4 },
        { "cmdGuida", "Guida", "Visualizza la guida in linea.", 5 },
        { "cmdEsci", "Esci", "Esci da questa schermata.", 5 },
    });
    cmdNuovo = commandNamed("cmdNuovo");
    cmdDuplica = commandNamed("cmdDuplica");
    cmdSalva = commandNamed("cmdSalva");
    cmdTrova = commandNamed("cmdTrova");
    cmdFile = commandNamed("cmdFile");
    cmdAnteprima = commandNamed("cmdAnteprima");
    cmdStampa = commandNamed("cmdStampa");
    cmdEsporta = commandNamed("cmdEsporta");
    cmdGuida = commandNamed("cmdGuida");
    cmdEsci = commandNamed("cmdEsci");

    connect(cmdAnteprima, &QPushButton::clicked, this, [this]() {
        WindowKit::openModalDialog<TfrmCreaRTF>(
            this, [](TfrmCreaRTF &d) { d.lblMemory()->setText(QStringLiteral("cani")); });
    });
    connect(cmdStampa, &QPushButton::clicked, this, [this]() { WindowKit::openModalDialog<TfrmStampaCane>(this); });
    connect(cmdEsporta, &QPushButton::clicked, this, [this]() { WindowKit::openModalDialog<TfrmExpCani>(this); });

    connect(
        cmdTrova, &QPushButton::clicked, this, [this]() { TfrmTrovaCani::openPicker(this, QStringLiteral("cani")); });

    connect(cmdFile, &QPushButton::clicked, this, [this]() { TfrmAllegaCartella::open(this, QStringLiteral("cani")); });
    connect(cmdGuida, &QPushButton::clicked, this, [this]() { ShowHelp(this, HelpTopic::Dogs); });
    WindowKit::closeOnClick(cmdEsci, this);
}

void TfrmCani::buildArchiveEditor()
{
    auto mandatory = [](QWidget *field, const char *what) {
        return ArchiveEditor::mandatory(field, ArchiveEditor::kMandatoryPrefix + QString::fromUtf8(what));
    };
    ArchiveEditor::Setup s;
    s.layout = &DogRecord::layout();
    s.path = &DogRecord::path;
    s.firstField = txtNome;
    s.checks = {
        mandatory(txtNome, "il nome del cane."),
        mandatory(txtSesso, "il sesso del cane."),
        mandatory(txtDataNasc, "la data di nascita del cane nel formato gg/mm/aaaa."),
        mandatory(txtGruppo, "il gruppo di appartenenza del cane."),
        mandatory(txtRazza, "la razza del cane."),
    };
    s.duplicate = ArchiveEditor::DuplicateStep::WithoutArchive;
    setUpArchive(s, &DogControls::name);
}

// ---- tabs -----------------------------------------------------------------

QFrame *TfrmCani::panel(Tab tab) const
{
    switch (tab) {
    case Tab::Psicosomatica:
        return panPsicosomatica;
    case Tab::Albero:
        return panAlbero;
    case Tab::Sanitaria:
        return panSanitaria;
    case Tab::Documenti:
        return panDocumenti;
    }
    return panPsicosomatica;
}

QPushButton *TfrmCani::tabButton(Tab tab) const
{
    switch (tab) {
    case Tab::Psicosomatica:
        return btnPsicosomatica;
    case Tab::Albero:
        return btnAlbero;
    case Tab::Sanitaria:
        return btnSanitaria;
    case Tab::Documenti:
        return btnDocumenti;
    }
    return btnPsicosomatica;
}

TfrmCani::Tab TfrmCani::visibleTab() const
{
    for (Tab tab : { Tab::Albero, Tab::Sanitaria, Tab::Documenti })
        if (!panel(tab)->isHidden())
            return tab;
    return Tab::Psicosomatica;
}

void TfrmCani::showTab(Tab tab)
{
    for (Tab t : { Tab::Psicosomatica, Tab::Albero, Tab::Sanitaria, Tab::Documenti }) {
        panel(t)->setVisible(t == tab);
        tabButton(t)->setEnabled(t != tab);
    }
    QWidget *first = nullptr;
    switch (tab) {
    case Tab::Psicosomatica:
        first = txtMantello;
        break;
    case Tab::Albero:
        first = txtProprietario;
        break;
    case Tab::Sanitaria:
        first = txtVaccinazioni;
        break;
    case Tab::Documenti:
        first = btnCartella;
        break;
    }
    first->setFocus(Qt::OtherFocusReason);
}

// ---- record steps ---------------------------------------------------------

void TfrmCani::setPhoto(const QImage &image)
{
    imgFoto->setImage(image);
    m_photoFrom.clear();
    m_photoReduced = false;
}

QImage TfrmCani::photo() const
{
    if (m_photoReduced) {
        const QImage whole = DogPhoto::load(m_photoFrom);
        if (!whole.isNull())
            return whole;
    }
    return imgFoto->image();
}

void TfrmCani::clearRecord()
{
    EditorWindow::clearRecord();
    setPhoto(imgBianco->image());
    showTab(Tab::Psicosomatica); // the editor then focuses the name
}

void TfrmCani::clearForDuplicate()
{
    EditorWindow::clearForDuplicate();
    setPhoto(imgBianco->image());
    showTab(Tab::Psicosomatica);
}

void TfrmCani::afterShow(qint64 position)
{
    const QString n = QString::number(position);
    bool reduced = false;
    setPhoto(DogPhoto::load(n, imgFoto->size() * devicePixelRatioF(), &reduced));
    m_photoFrom = n;
    m_photoReduced = reduced;
}

void TfrmCani::afterWrite(qint64 position)
{
    const QString n = QString::number(position);
    // The stored photo shown unchanged is not encoded again.
    if (m_photoFrom == n && !imgFoto->isBlank() && QFileInfo::exists(DogRecord::photoPath(n)))
        return;
    const QString failure = DogPhoto::save(photo(), n);
    if (!failure.isEmpty()) {
        // The picture stays on screen, so a later save can store it.
        MessageBoxes::warning(failure, this);
        return;
    }
    m_photoFrom = n;
    m_photoReduced = false;
}

// ---- photo and linked folder ----------------------------------------------

void TfrmCani::loadPhotoCommand()
{
    const QString path
        = FileDialogs::openFile(this, QStringLiteral("Selezionare un file di immagine in formato Jpeg o Bitmap."),
            QStringLiteral("Immagine JPEG (*.jpg; *.jpeg);;Immagine Bitmap (*.bmp)"));
    if (path.isEmpty())
        return;
    QString failure;
    const QImage image = DogPhoto::read(path, &failure);
    if (image.isNull()) {
        MessageBoxes::warning(failure, this);
        return;
    }
    setPhoto(image);
}

void TfrmCani::savePhotoCopyCommand()
{
    if (imgFoto->isBlank()) {
        MessageBoxes::warning(QStringLiteral("Attenzione: non c'\u00E8 nessuna foto da salvare."), this);
        return;
    }
    const QString path = FileDialogs::saveFile(this,
        QStringLiteral("Selezionare la cartella in cui si desidera salvare il file Jpeg."),
        QStringLiteral("File Jpeg (*.jpg)"), QDir::homePath() + QStringLiteral("/Foto.jpg"));
    if (path.isEmpty())
        return;
    const QString failure = DogPhoto::saveCopy(photo(), path);
    if (!failure.isEmpty())
        MessageBoxes::warning(failure, this);
}

void TfrmCani::clearPhotoCommand()
{
    setPhoto(imgBianco->image());
}

void TfrmCani::zoomCommand()
{
    TfrmZoom::open(this, photo());
}

void TfrmCani::costsCommand()
{
    if (TrimText(lblPosizione->text()).isEmpty()) {
        MessageBoxes::warning(QStringLiteral("Attenzione: la gestione dei costi pu\u00F2 avvenire soltanto dopo che la "
                                             "scheda del cane \u00E8 stata salvata in archivio."),
            this);
        return;
    }
    const QString needs
        = QStringLiteral("Attenzione: per accedere alla gestione dei costi \u00E8 necessario indicare ");
    for (const auto &[edit, what] :
        { std::pair { txtNome, "il nome del cane." }, { txtRazza, "la razza del cane." } }) {
        if (TrimText(edit->text()).isEmpty()) {
            MessageBoxes::warning(needs + QLatin1String(what), this);
            edit->setFocus();
            return;
        }
    }
    WindowKit::openModalDialog<TfrmCostiCane>(this);
}

void TfrmCani::linkedFolderCommand()
{
    const QString position = TrimText(lblPosizione->text());
    if (position.isEmpty()) {
        MessageBoxes::warning(kLinkedFolderNeedsStoredRecord, this);
        return;
    }
    const QString path = DogRecord::linkedFolderPath(position);
    if (!QDir().mkpath(path) || !QFileInfo(path).isDir()) {
        MessageBoxes::error(QStringLiteral("Attenzione: non \u00E8 possibile creare la cartella abbinata al cane:\n%1")
                                .arg(QDir::toNativeSeparators(path)),
            this);
        return;
    }
    TMisc::Open(QLatin1Char('"') + path + QLatin1Char('"'));
}
