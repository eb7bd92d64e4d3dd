#include "app/core/HelpText.h"

#include <map>
#include <variant>
#include <vector>

// The texts are UTF-8 source literals. A long paragraph may be written as several
// adjacent literals: they are one paragraph, joined with nothing in between.

namespace
{

using Piece = std::variant<const char *, HelpTopic>;

struct Definition {
    const char *title;
    std::vector<Piece> pieces;
};

// The two closing paragraphs shared by every spreadsheet export window.
constexpr const char *ExportOpen
    = "Dopo aver aperto la finestra contenente la griglia dei dati, bisogna fare clic sull'icona di Excel. "
      "Questa operazione crea in tempo reale un file in"
      " formato XLS contenente le schede in archivio, che potrà essere aperto immediatamente rispondendo "
      "affermativamente al messaggio di domanda che appare.";
constexpr const char *ExportSave
    = "A questo punto è sufficiente salvare il file sul proprio disco fisso assegnandogli un nome qualsiasi.";

// New and modify, the same words for services and boxes.
constexpr const char *CatalogNewModify
    = "Per inserire una nuova scheda in archivio, bisogna premere il pulsante Nuovo, compilare i campi di testo che "
      "interessano e premere Salva. Per modificare una scheda già in archivio, basta visualizzarla nella schermata di "
      "lavoro utilizzando la funzione di ricerca o le frecce di scorrimento dei record, aggiornare i dati e premere "
      "Salva.";

const std::map<HelpTopic, Definition> &definitions()
{
    static const std::map<HelpTopic, Definition> defs = {
        { HelpTopic::General,
            { "Uno sguardo a Kennora",
                {
                    "Kennora è un software semplice da usare, pensato per le pensioni per cani, che permette di tenere "
                    "sotto controllo i cani ospitati e i loro proprietari. Il programma è composto da diverse app che "
                    "interagiscono tra loro: l'anagrafica dei proprietari, l'anagrafica dei cani, le prenotazioni dei "
                    "box, le scadenze e gli appuntamenti, l'emissione dei preventivi.",
                    HelpTopic::Owners,
                    HelpTopic::Dogs,
                    HelpTopic::PriceListAndBoxes,
                    HelpTopic::Planner,
                    HelpTopic::Deadlines,
                    HelpTopic::Quotes,
                    "Ogni archivio può essere esportato in un foglio di lavoro di Microsoft Excel, che potrà essere "
                    "aperto "
                    "con qualsiasi software per ufficio in grado di gestire i file in formato XLS (ad esempio, Open "
                    "Office, "
                    "Libre Office o Microsoft Office).",
                    "L'accesso al programma è protetto da una password che l'utente può cambiare in qualsiasi momento. "
                    "Per il primo accesso bisogna digitare la parola chiave \"girasolemattin\", senza le virgolette.",
                    "Il programma funziona anche da una chiavetta USB: basta copiarvi la cartella del programma e "
                    "avviarlo "
                    "da lì. Copiare la cartella del programma è anche il modo più rapido per effettuare il backup di "
                    "tutti "
                    "gli archivi.",
                    "Kennora è lo strumento ideale per le pensioni per cani gestite come un'impresa, a conduzione "
                    "familiare o da una sola persona, e non richiede praticamente alcun tempo di apprendimento.",
                } } },

        { HelpTopic::Owners,
            { "App Anagrafica Proprietari",
                {
                    "L'app Anagrafica Proprietari permette di tenere la rubrica dei proprietari dei cani ospitati "
                    "nella "
                    "pensione. I dati registrati in questo archivio possono essere riutilizzati nelle schede "
                    "anagrafiche "
                    "dei cani e nei preventivi senza doverli digitare di nuovo. L'app consente, inoltre, di "
                    "controllare la "
                    "correttezza della partita IVA, del codice fiscale, dell'IBAN e del numero della carta di credito "
                    "e di "
                    "inviare un messaggio di posta elettronica a ciascun proprietario.",
                    "Di ogni proprietario si possono annotare il cognome e il nome, la data e il Comune di nascita, il "
                    "sesso, il telefono preferenziale, l'indirizzo di residenza completo di CAP, la modalità di "
                    "pagamento "
                    "preferita, i numeri di telefono di casa, dell'ufficio e del cellulare, il fax, l'indirizzo "
                    "e-mail, il "
                    "codice fiscale, il numero e la scadenza della carta di credito, la partita IVA, l'IBAN, gli "
                    "estremi "
                    "del documento di identità, l'occupazione, lo stato civile, i titoli e le qualifiche, i cani "
                    "posseduti attualmente e in passato, le questioni in sospeso e ogni ulteriore annotazione.",
                    "Per inserire una scheda in archivio, bisogna fare clic sul pulsante Nuovo, compilare i campi di "
                    "testo "
                    "che interessano e premere il pulsante Salva. Per modificare una scheda esistente, bisogna "
                    "visualizzarla nella schermata di lavoro usando le frecce di scorrimento dei record o la funzione "
                    "di "
                    "ricerca, apportare le modifiche desiderate e premere Salva.",
                    "Il campo Questioni in sospeso permette di annotare le faccende ancora da definire con il "
                    "proprietario. Se il proprietario deve essere ricontattato, basta spuntare la casella Da "
                    "ricontattare "
                    "e salvare la scheda. Il pulsante dedicato visualizza l'elenco di tutti i proprietari da "
                    "ricontattare, dal quale è possibile richiamare la scheda di ciascuno con un doppio clic.",
                    "Il pulsante Duplica è utile se si ha bisogno di registrare due o più schede con dati molto simili "
                    "perché riferite, ad esempio, a familiari che abitano allo stesso indirizzo. Per duplicare la "
                    "scheda "
                    "di un proprietario, basta visualizzare quella già registrata in archivio, fare clic sul pulsante "
                    "Duplica, inserire i nuovi dati e premere Salva.",
                    "Per trovare le schede dei proprietari in archivio è possibile utilizzare uno o più filtri di "
                    "ricerca "
                    "contemporaneamente. Ad esempio, si può ottenere l'elenco di tutti i proprietari che risiedono in "
                    "uno "
                    "stesso Comune o che svolgono una certa occupazione.",
                    "Il pulsante Allega file consente di collegare alla scheda di ciascun proprietario fino a tre file "
                    "di "
                    "qualsiasi genere, ad esempio la copia digitale di un documento di identità o di un contratto. "
                    "Ogni "
                    "allegato può essere descritto nel relativo campo di testo e aperto in qualsiasi momento premendo "
                    "il "
                    "pulsante Apri.",
                    "Accanto ai campi del codice fiscale, della carta di credito, della partita IVA e dell'IBAN si "
                    "trovano "
                    "i pulsanti di controllo, che verificano la correttezza del dato inserito; il controllo della "
                    "partita "
                    "IVA indica anche l'ufficio provinciale che l'ha rilasciata. Il pulsante con l'icona della busta, "
                    "accanto al campo E-mail, apre il programma di posta elettronica con un nuovo messaggio "
                    "indirizzato "
                    "al proprietario.",
                    "La scheda di ogni proprietario può essere visualizzata in anteprima, stampata su carta o "
                    "esportata in "
                    "formato PDF, mentre l'intero archivio dei proprietari può essere esportato in un file di "
                    "Microsoft "
                    "Excel.",
                } } },

        { HelpTopic::OwnersExport,
            { "Esportazione archivio proprietari in Microsoft Excel",
                {
                    "Il pulsante Esporta archivio consente di esportare i dati anagrafici di tutti i proprietari dei "
                    "cani "
                    "in un foglio di lavoro di Microsoft Excel, che potrà essere aperto con qualsiasi software in "
                    "grado di "
                    "gestire i file in formato XLS (ad esempio, Open Office, Libre Office o Microsoft Office).",
                    ExportOpen,
                    ExportSave,
                } } },

        { HelpTopic::Dogs,
            { "App Anagrafica Cani",
                {
                    "L'app Anagrafica Cani permette di annotare il nome del cane, il sesso, la data di nascita, il "
                    "gruppo e "
                    "la razza di appartenenza. Ci sono, inoltre, apposite sezioni studiate per registrare i dati "
                    "psicosomatici di ogni cane, l'albero genealogico, la situazione sanitaria e tutti i costi "
                    "sostenuti. "
                    "In aggiunta, è possibile abbinare una cartella a ciascuna scheda anagrafica in cui inserire "
                    "qualsiasi "
                    "documento in formato digitale riguardante il cane.",
                    "Per inserire una scheda in archivio, bisogna fare clic sul pulsante Nuovo, compilare i campi di "
                    "testo "
                    "che interessano, caricare una foto del cane e premere il pulsante"
                    " Salva. Per modificare una scheda esistente, bisogna visualizzarla nella schermata di lavoro "
                    "usando le "
                    "frecce di scorrimento dei record o la funzione di ricerca, apportare le modifiche desiderate e "
                    "premere "
                    "Salva.",
                    "Il pulsante Duplica è utile se si ha bisogno di registrare due o più schede con dati molto simili "
                    "perché riferite, ad esempio, a cani della stessa cucciolata. Per duplicare"
                    " la scheda di un cane, basta visualizzare quella già registrata in archivio, fare clic sul "
                    "pulsante "
                    "Duplica, inserire i nuovi dati e premere Salva.",
                    "La sezione Dati psicosomatici dispone di campi di testo per memorizzare il colore del mantello, "
                    "la "
                    "tipologia di pelo, i segni particolari, le misure fisiche (altezza,"
                    " lunghezza, taglia, peso), l'eventuale sterilizzazione, gli estremi del libretto sanitario, il "
                    "nome "
                    "del medico veterinario, il numero ROI/LOI/RSR/LIR/ES, il codice del microchip, la data di "
                    "applicazione "
                    "e la"
                    " localizzazione del microchip sul corpo dell'animale, il tatuaggio, gli estremi del pedigree, "
                    "l'aggressività del cane verso persone o altri cani, il comportamento al guinzaglio, i giochi "
                    "preferiti "
                    "e ogni"
                    " ulteriore annotazione.",
                    "In questa sezione è anche possibile importare la foto di ogni cane schedato in formato Jpeg o "
                    "Bitmap. "
                    "La foto del cane viene ridotta in scala automaticamente per"
                    " adeguarsi alle dimensioni del riquadro di anteprima. E' comunque possibile visualizzare "
                    "l'immagine a "
                    "tutto schermo facendo clic sull'icona dello zoom. Le immagini Jpeg in archivio possono essere "
                    "salvate"
                    " su disco in qualsiasi momento utilizzando l'apposito pulsante. Il software permette, inoltre, di "
                    "stampare su carta le singole schede anagrafiche dei cani corredate di foto. Se si desidera, è "
                    "possibile"
                    " esportare in formato RTF tutte le informazioni testuali presenti in ciascuna scheda.",
                    "La sezione Albero genealogico permette di prendere nota del padre e della madre del cane nonché "
                    "dei "
                    "suoi nonni, bisnonni e trisnonni paterni e materni. Oltre a ciò,"
                    " è possibile annotare il nome del proprietario attuale del cane completo di recapito telefonico, "
                    "codice fiscale e Comune di residenza, la data in cui ha avuto inizio la proprietà del cane, il "
                    "nome "
                    "dell'allevatore,"
                    " informazioni sui passaggi di proprietà, i campionati italiani e internazionali a cui il cane ha "
                    "partecipato, i titoli e brevetti vari conseguiti, i nomi degli accompagnatori del cane (escluso "
                    "il "
                    "proprietario)"
                    " ed eventuali iscrizioni a club.",
                    "La sezione Situazione sanitaria è studiata per registrare informazioni su vaccinazioni, "
                    "sverminazioni, "
                    "trattamenti antiparassitari, accertamenti diagnostici, malattie"
                    " pregresse, interventi chirurgici, eventuali profilassi in corso, difetti fisici e "
                    "l'alimentazione "
                    "prescelta per la dieta del cane.",
                    "La sezione Documenti e costi permette di abbinare una cartella a ciascuna scheda anagrafica in "
                    "cui "
                    "conservare le foto preferite e le copie digitali di qualsiasi"
                    " documento riguardante il cane (pedigree, libretto sanitario, passaporto ecc.). Nella cartella "
                    "abbinata al cane possiamo quindi conservare le copie acquisite allo scanner dei documenti "
                    "riferiti "
                    "allo stesso"
                    " animale. Una volta salvata la scheda ed aperta la cartella associata tramite l'apposito "
                    "pulsante, si "
                    "può provvedere a posizionare i file al suo interno copiandoli o trascinandoli dalla cartella di "
                    "origine."
                    " Con questa funzione è quindi possibile collegare alla scheda di ciascun cane tutti i documenti "
                    "che si "
                    "desidera, dal momento che una cartella ha capienza illimitata.",
                    "Questa sezione permette anche di annotare tutti i costi sostenuti per ciascun cane (ad esempio, "
                    "spese "
                    "per visite veterinarie, acquisto alimenti, pagamento dog sitter"
                    " ecc.) ottenendo il totale complessivo. Possiamo quindi sapere in ogni momento quali spese il "
                    "proprietario ha dovuto affrontare per il proprio cane.",
                    "Per annotare i costi, bisogna innanzitutto memorizzare la scheda descrittiva del cane o "
                    "richiamarla "
                    "dall'archivio se è già stata salvata, quindi fare clic sul pulsante"
                    " Annota costi e premere il pulsante Aggiungi costo per registrare una nuova spesa. Per modificare "
                    "i "
                    "dati di una spesa già registrata, bisogna premere il pulsante Modifica costo dopo aver "
                    "selezionato la "
                    "voce"
                    " di interesse dall'elenco. Un costo va registrato indicando la data e la causale del pagamento, "
                    "il "
                    "nome del pagatore e del beneficiario e l'importo pagato. Il totale complessivo dei costi "
                    "sostenuti per "
                    "il"
                    " cane viene calcolato automaticamente e visualizzato in calce all'elenco che compare quando si "
                    "apre la "
                    "finestra per la gestione dei costi. Il pulsante Stampa riepilogo consente di stampare il "
                    "riepilogo "
                    "delle"
                    " spese relative al cane selezionato.",
                    "La cartella abbinata alla scheda e il file con l'annotazione dei costi sono posizionati nella "
                    "stessa "
                    "directory in cui è installato il software. Per effettuare il backup"
                    " del programma e di tutti i dati archiviati, basta copiare la cartella di installazione e "
                    "incollarla "
                    "su un hard disk esterno o su una chiavetta USB.",
                    "Per trovare le schede dei cani in archivio è possibile utilizzare uno o più filtri di ricerca "
                    "contemporaneamente. Ad esempio, si può ottenere l'elenco di tutti i cani"
                    " di una razza specifica, posseduti dallo stesso padrone, in cura presso un certo veterinario o "
                    "per i "
                    "quali è stata registrata una certa parola o espressione distintiva nel campo delle note.",
                    "Il pulsante Allega file consente di collegare alla scheda di ciascun cane fino a tre file di "
                    "qualsiasi "
                    "genere, ad esempio la copia digitale del pedigree, un documento di testo con l'elenco dei dog "
                    "sitter "
                    "a cui ci si rivolge più spesso o i commenti del proprietario sui servizi offerti dalla pensione. "
                    "Ogni "
                    "allegato può essere descritto nel relativo campo di testo e aperto in qualsiasi momento premendo "
                    "il "
                    "pulsante Apri.",
                    "L'archivio anagrafico dei cani può essere esportato in un file di Microsoft Excel.",
                } } },

        { HelpTopic::DogsExport,
            { "Esportazione archivio anagrafico cani in Microsoft Excel",
                {
                    "Il pulsante Esporta archivio consente di esportare i dati anagrafici di tutti i cani in un foglio "
                    "di "
                    "lavoro di Microsoft Excel, che potrà essere aperto con qualsiasi software in grado di gestire i "
                    "file "
                    "in formato XLS (ad esempio, Open Office, Libre Office o Microsoft Office).",
                    ExportOpen,
                    ExportSave,
                } } },

        { HelpTopic::PriceListAndBoxes,
            { "App Listino Prezzi e Box per Cani",
                {
                    "Il pulsante Listino Prezzi presente nella schermata di avvio del programma visualizza una "
                    "finestra "
                    "nella quale è possibile accedere a due diverse app: la prima serve a redigere il listino prezzi, "
                    "la "
                    "seconda a schedare i box per cani di cui la propria pensione dispone. Per accedere all'app "
                    "desiderata, è sufficiente premere il relativo pulsante.",
                    HelpTopic::PriceList,
                    HelpTopic::Boxes,
                } } },

        { HelpTopic::PriceList,
            { "App Listino Prezzi",
                {
                    "L'app Listino Prezzi permette di registrare tutti i servizi offerti dalla propria pensione per "
                    "cani. "
                    "Lo scopo di questa app è velocizzare la compilazione dei preventivi, dal momento che le voci "
                    "registrate nel listino possono essere importate direttamente nei documenti.",
                    "Nel listino prezzi bisogna creare una scheda per ogni servizio offerto, quale il soggiorno, il "
                    "trasporto, la toelettatura, il lavaggio, i corsi di addestramento e così via. Di ogni servizio si "
                    "può "
                    "indicare il codice identificativo, la descrizione, il prezzo in euro, la tipologia, il luogo di "
                    "erogazione, la durata, eventuali vincoli previsti, i supplementi, la persona responsabile e ogni "
                    "ulteriore annotazione.",
                    CatalogNewModify,
                    "Il pulsante Duplica è utile per registrare le diverse tariffe che la pensione applica a uno "
                    "stesso "
                    "servizio nei vari periodi dell'anno. Basta visualizzare la scheda del servizio già registrata in "
                    "archivio, fare clic sul pulsante Duplica, aggiornare i dati e premere Salva.",
                    "La funzione Trova consente di trovare un servizio in archivio anche usando più filtri di ricerca "
                    "contemporaneamente. E' inoltre possibile allegare alla scheda di ciascun servizio fino a tre file "
                    "di "
                    "qualsiasi genere.",
                    "Se il servizio non è attualmente erogabile, è necessario spuntare l'apposita casella. Per "
                    "visualizzare "
                    "l'elenco di tutti i servizi non erogabili bisogna premere il pulsante contraddistinto dall'icona "
                    "di un "
                    "triangolo giallo. Si tenga presente che, in fase di importazione dei dati nei preventivi, il "
                    "listino "
                    "prezzi visualizzerà soltanto i servizi attualmente erogabili.",
                    "Ogni singola scheda può essere stampata su carta mentre l'intero listino prezzi può essere "
                    "esportato "
                    "in un foglio di Excel.",
                } } },

        { HelpTopic::Boxes,
            { "App Box per Cani",
                {
                    "L'app Box per Cani è studiata per schedare ogni box, gabbia, casetta o cuccia di cui la propria "
                    "pensione dispone per ospitare gli animali. Lo scopo di questa app è consentire di gestire "
                    "l'assegnazione dei box ai cani che soggiornano nella propria struttura ricettiva nel corso "
                    "dell'anno, "
                    "dal momento che le voci registrate in questo ambiente compariranno nell'elenco di selezione "
                    "presente "
                    "nel planner annuale delle prenotazioni dei box.",
                    "Nello schedario bisogna creare una scheda per ogni box. Di ogni box si può indicare il numero "
                    "identificativo, le dimensioni, la capacità ospitativa, il prezzo dell'affitto giornaliero in "
                    "euro, la "
                    "tipologia, la taglia dei cani per cui è pensato, la descrizione, l'ubicazione all'interno della "
                    "pensione, gli accessori e ogni ulteriore annotazione.",
                    CatalogNewModify,
                    "Il pulsante Duplica è utile per registrare le diverse tariffe che la pensione applica a uno "
                    "stesso box "
                    "nei vari periodi dell'anno. Basta visualizzare la scheda del box già registrata in archivio, fare "
                    "clic sul pulsante Duplica, aggiornare i dati e premere Salva.",
                    "La funzione Trova consente di trovare un box in archivio anche usando più filtri di ricerca "
                    "contemporaneamente. E' inoltre possibile allegare alla scheda di ciascun box fino a tre file di "
                    "qualsiasi genere.",
                    "Se il box non è attualmente prenotabile perché in ristrutturazione o perché assegnato a un cane a "
                    "tempo indeterminato, è necessario spuntare l'apposita casella. Per visualizzare l'elenco di tutti "
                    "i "
                    "box non attualmente prenotabili bisogna premere il pulsante contraddistinto dall'icona di un "
                    "triangolo giallo. Si tenga presente che, in fase di registrazione delle prenotazioni dei box nel "
                    "planner annuale, l'elenco dei box visualizzerà soltanto quelli attualmente prenotabili.",
                    "Ogni singola scheda può essere stampata su carta mentre l'intero schedario dei box può essere "
                    "esportato in un foglio di Excel.",
                } } },

        { HelpTopic::PriceListExport,
            { "Esportazione listino prezzi in Microsoft Excel",
                {
                    "Il pulsante Esporta archivio consente di esportare il listino prezzi in un foglio di lavoro di "
                    "Microsoft Excel, che potrà essere aperto con qualsiasi software in grado di gestire i file in "
                    "formato "
                    "XLS (ad esempio, Open Office, Libre Office o Microsoft Office).",
                    ExportOpen,
                    ExportSave,
                } } },

        { HelpTopic::BoxesExport,
            { "Esportazione archivio box per cani in Microsoft Excel",
                {
                    "Il pulsante Esporta archivio consente di esportare i dati dei box per cani in un foglio di lavoro "
                    "di "
                    "Microsoft Excel, che potrà essere aperto con qualsiasi software in grado di gestire i file in "
                    "formato "
                    "XLS (ad esempio, Open Office, Libre Office o Microsoft Office).",
                    ExportOpen,
                    ExportSave,
                } } },

        { HelpTopic::Planner,
            { "App Planner Prenotazioni Box",
                {
                    "L'app Planner Prenotazioni Box mette a disposizione un planning annuale, ossia un calendario nel "
                    "quale "
                    "annotare, per ciascun box per cani, le prenotazioni relative a ogni giorno dell'anno. La prima "
                    "operazione da eseguire per creare il planning delle prenotazioni consiste nell'indicare un anno "
                    "solare, selezionare dall'elenco il box da assegnare al cane e premere il pulsante Apri. I box che "
                    "appaiono nell'elenco di selezione sono quelli presenti nello schedario dei box per cani "
                    "precedentemente compilato. Si ricorda che tutti i box che sono stati contrassegnati come non "
                    "prenotabili non compaiono nell'elenco di selezione. Di ogni box in elenco è indicato il numero, "
                    "le "
                    "dimensioni, la capacità ospitativa e il prezzo dell'affitto giornaliero.",
                    "Visualizzato il planner annuale, per registrare la prenotazione del box in un certo giorno "
                    "dell'anno, "
                    "basta fare clic sul numero del giorno corrispondente nel calendario"
                    " e digitare il nome del cane e/o del cliente che effettua la prenotazione, eventualmente seguito "
                    "da un "
                    "recapito telefonico. Per cancellare una prenotazione bisogna fare clic sul giorno di interesse, "
                    "cancellare il"
                    " contenuto del campo di testo e premere Applica e chiudi. Il salvataggio delle prenotazioni "
                    "registrate nel planning avviene automaticamente quando si esce dalla schermata di lavoro.",
                    "Il pulsante Intervallo consente di registrare velocemente una prenotazione che copre un arco di "
                    "tempo "
                    "di più giorni. A tal fine, basta selezionare la data di inizio e di fine"
                    " intervallo, indicare il nome del cliente e premere Applica e chiudi.",
                    "E' possibile registrare prenotazioni non solo per l'anno corrente ma anche per gli anni futuri "
                    "indicando l'anno di interesse nell'apposita casella presente nella schermata"
                    " di accesso al planner annuale. I giorni dell'anno che appaiono in rosso indicano che il box è "
                    "prenotato, quelli che appaiono in viola indicano che è disponibile.",
                    "E' quindi chiaro che il planner annuale va aperto nel momento in cui il cliente chiama per "
                    "prenotare "
                    "un box per il proprio cane. L'addetto alle prenotazioni potrà sapere"
                    " a colpo d'occhio se il box da noleggiare è disponibile nei giorni che interessano al cliente "
                    "semplicemente visualizzando il planning annuale del box e controllando che quegli stessi giorni "
                    "non "
                    "appaiano in rosso"
                    " nel calendario. Se il box è già stato prenotato da un altro cliente, si può tornare all'elenco "
                    "di "
                    "selezione e visualizzare il planning annuale di un altro box. Una volta appurato che esiste un "
                    "box "
                    "disponibile per"
                    " il cane del cliente, si può procedere a registrare la prenotazione nel planner annuale.",
                    "Il pulsante Riepilogo permette di ottenere l'elenco di tutte le prenotazioni relative al box "
                    "registrate nel planner annuale in ordine cronologico, mostrando i giorni prenotati"
                    " seguiti dai nomi dei cani e/o dei proprietari. Tale riepilogo può essere stampato "
                    "all'occorrenza.",
                    "Il planning annuale relativo a ciascun box per cani può essere visualizzato in anteprima o "
                    "stampato "
                    "su carta per avere a disposizione il prospetto delle prenotazioni.",
                } } },

        { HelpTopic::Quotes,
            { "App Emissione Preventivi",
                {
                    "L'app Emissione Preventivi risulta utile per accontentare il cliente della propria"
                    " pensione per cani"
                    " che vuole sapere i costi prima di richiedere il servizio. Per accedere all'ambiente per "
                    "l'emissione "
                    "dei preventivi bisogna indicare l'anno solare di interesse nell'apposito campo di testo e premere "
                    "il "
                    "pulsante Apri.",
                    "I preventivi hanno una loro numerazione progressiva, che è gestita direttamente dal software. Si "
                    "può "
                    "velocizzare la compilazione di un preventivo importando dal listino"
                    " prezzi i dati relativi ai servizi, mentre i dati del cliente possono essere importati "
                    "dall'archivio "
                    "anagrafico dei proprietari dei cani.",
                    "Un'apposita casella consente di prendere nota dei preventivi in sospeso (ad esempio, di quelli "
                    "che "
                    "bisogna ancora consegnare ai clienti oppure di quelli contenenti articoli"
                    " il cui prezzo potrebbe subire delle variazioni). Premendo il pulsante contraddistinto dall'icona "
                    "della mano con una moneta, si ottiene l'elenco di tutti i preventivi in sospeso presenti in "
                    "archivio.",
                    "E' possibile utilizzare un logo personalizzato da far apparire nei preventivi. Per caricare il "
                    "logo, "
                    "basta fare clic sull'icona della tavolozza dei colori e premere il"
                    " pulsante Sfoglia per selezionare l'immagine.",
                    "Il calcolo del totale e dell'ammontare dell'IVA in base all'aliquota specificata è un'operazione "
                    "effettuata automaticamente dal programma. Se il servizio indicato nel"
                    " documento è esente da IVA, bisogna spuntare la relativa casella. Tutti gli importi sono "
                    "calcolati in "
                    "euro con supporto fino a quattro cifre dopo la virgola e arrotondamento del totale ai due "
                    "centesimi. "
                    "E' anche"
                    " possibile applicare una percentuale di sconto ad ogni articolo riportato nel documento.",
                    "Per inserire un nuovo preventivo in archivio bisogna fare clic sul pulsante Nuovo, compilare i "
                    "campi "
                    "che interessano e premere Salva. Quando si preme il pulsante Nuovo, il"
                    " software attribuisce al documento un numero che tiene conto di quanti preventivi sono già "
                    "presenti "
                    "in archivio, partendo da 1 se l'archivio è vuoto. Se si vuole far partire la numerazione "
                    "automatica "
                    "dei documenti"
                    " da un numero superiore, è necessario utilizzare l'apposita funzione accessibile tramite il "
                    "pulsante "
                    "dedicato.",
                    "Per modificare un documento in archivio, bisogna visualizzarlo nella finestra di lavoro, "
                    "apportare le "
                    "modifiche desiderate e premere Salva.",
                    "Le informazioni riguardanti la propria"
                    " pensione per cani"
                    " sono salvate in automatico alla chiusura della schermata di lavoro. Il pulsante Altre "
                    "informazioni "
                    "permette di"
                    " indicare in calce al preventivo il nome del cane a cui il documento si riferisce, la razza, il "
                    "colore "
                    "del mantello, il codice del microchip, la data e l'ora di ingresso e di uscita dell'animale dalla "
                    "pensione.",
                    "La funzione Trova permette di ottenere riepiloghi dei preventivi utilizzando più criteri di "
                    "ricerca "
                    "contemporaneamente. Ad esempio, è possibile ottenere il riepilogo dei"
                    " preventivi emessi in un preciso giorno dell'anno, intestati a un determinato cliente o a più "
                    "clienti "
                    "che vivono in una stessa città, eccetera.",
                    "Il pulsante con l'icona di Excel consente di esportare tutti i documenti in un foglio di lavoro "
                    "di "
                    "Microsoft Excel.",
                } } },

        { HelpTopic::QuotesExport,
            { "Esportazione archivio preventivi in Microsoft Excel",
                {
                    "Il pulsante Esporta archivio consente di esportare tutti i preventivi emessi in un anno solare in "
                    "un "
                    "foglio di lavoro di Microsoft Excel, che potrà essere aperto con qualsiasi software in grado di "
                    "gestire i file in formato XLS (ad esempio, con Open Office, Libre Office o Microsoft Office).",
                    ExportOpen,
                    ExportSave,
                } } },

        { HelpTopic::Deadlines,
            { "App Scadenze e Appuntamenti",
                {
                    "L'app Scadenze e Appuntamenti consente di tenere sotto controllo le scadenze giornaliere, mensili "
                    "o "
                    "annuali relative ad ogni impegno riguardante i cani e di essere avvertiti al sopraggiungere della "
                    "data. L'utente può registrare un numero illimitato di scadenze per ciascun giorno. Le scadenze "
                    "inserite potranno essere visualizzate in ordine cronologico in base alla data e all'ora. Per ogni "
                    "scadenza è possibile stabilire con quanti giorni di anticipo si desidera essere avvisati.",
                    "Una volta entrati nella schermata per la gestione delle scadenze dell'anno, si può provvedere a "
                    "compilare una nuova scheda facendo clic sull'icona Nuovo. Per salvare"
                    " una scheda, è necessario indicare almeno la data e l'ora della scadenza, quanti giorni prima si "
                    "desidera essere avvisati, il nome del cane e del suo proprietario e la causale della scadenza. I "
                    "dati "
                    "del"
                    " proprietario e del cane possono essere importati dall'archivio anagrafico dei cani servendosi "
                    "del "
                    "pulsante Importa dati.",
                    "Se si ha la necessità di inserire in archivio appuntamenti o scadenze che si ripeteranno nel "
                    "corso "
                    "dell'anno, dopo aver salvato la prima scheda si può sfruttare la"
                    " funzione Duplica per trasportare tutti i dati (ad eccezione della data e dell'ora) in un nuovo "
                    "record. A questo punto bisognerà soltanto esprimere giorno, mese e ora e salvare la nuova scheda.",
                    "Come già accennato, per ogni scadenza o appuntamento è possibile stabilire con quanti giorni di "
                    "anticipo si desidera essere avvisati. La presenza di appuntamenti imminenti"
                    " viene segnalata sia in maniera visiva attraverso un messaggio informativo, sia in maniera sonora "
                    "mediante un segnale acustico che si attiva automaticamente nel momento in cui si apre la finestra "
                    "di "
                    "lavoro. Per"
                    " visualizzare l'elenco delle scadenze o appuntamenti imminenti, basta fare clic sulla relativa "
                    "scritta. Il calendario permette, inoltre, di richiamare le scadenze relative al giorno o al mese "
                    "selezionato.",
                    "La casella Appuntamento da confermare va spuntata per indicare che l'appuntamento preso, ad "
                    "esempio, "
                    "con il veterinario o con il dog sitter è in attesa di conferma. Il"
                    " pulsante Da confermare permette di ottenere il riepilogo delle scadenze in sospeso mostrando, "
                    "per "
                    "ciascun impegno, la causale, la data e l'ora della scadenza o appuntamento, il nome del "
                    "proprietario e "
                    "del cane"
                    " e l'eventuale importo da pagare.",
                    "E' buona norma aggiornare lo scadenzario ogni volta che viene saldato un pagamento mettendo il "
                    "segno "
                    "di spunta sulla casella Pagamento effettuato nella scheda dedicata"
                    " e salvando i cambiamenti. Il pulsante Da effettuare visualizza l'elenco di tutti i pagamenti non "
                    "ancora saldati, sia scaduti che non. Per rintracciare nell'elenco la scheda della scadenza da "
                    "aggiornare, basta"
                    " usare il nome del proprietario del cane come filtro di ricerca, fare clic sul pulsante Trova e, "
                    "una "
                    "volta evidenziata la scadenza nella lista, selezionarla con un doppio clic per richiamare i dati "
                    "nella "
                    "finestra"
                    " di lavoro principale. A questo punto è possibile spuntare la casella Pagamento effettuato e "
                    "premere "
                    "Salva per registrare le modifiche.",
                    "E' possibile salvare un numero illimitato di scadenze o appuntamenti per ciascun giorno. Le "
                    "scadenze "
                    "inserite saranno visualizzate in ordine cronologico in base alla data"
                    " e all'ora indipendentemente dall'ordine con cui l'utente le ha registrate in archivio. Il "
                    "pulsante "
                    "Effettuati visualizza lo storico dei pagamenti saldati in archivio e può essere utile per "
                    "stampare a "
                    "fine"
                    " anno l'elenco di tutti i versamenti effettuati.",
                    "Nello scadenzario è disponibile una funzione di ricerca avanzata che consente di creare "
                    "riepiloghi "
                    "delle scadenze utilizzando più criteri di ricerca contemporaneamente."
                    " E' possibile, ad esempio, visualizzare l'elenco delle scadenze o appuntamenti relativi ad un "
                    "mese "
                    "specifico, con riferimento ad un determinato proprietario, eccetera.",
                    "Il pulsante Esporta archivio consente di esportare tutte le scadenze in archivio in un foglio di "
                    "lavoro di Microsoft Excel.",
                } } },

        { HelpTopic::DeadlinesView,
            { "Visualizzazione scadenze e appuntamenti",
                {
                    "Per visualizzare l'elenco delle scadenze imminenti è sufficiente fare clic sul pulsante OK "
                    "nell'ambiente Scadenze e appuntamenti. Tale pulsante diventa attivo solo se sono presenti "
                    "scadenze "
                    "imminenti in archivio.",
                    "Si osservi che la lista delle scadenze imminenti tiene conto del numero di giorni di preavviso "
                    "indicato dall'utente per ciascuna scadenza. Questo"
                    " significa che tale lista potrebbe visualizzare anche scadenze non proprio prossime se l'utente "
                    "ha "
                    "deciso di essere avvisato con notevole anticipo.",
                    "In calce al calendario sono presenti due pulsanti che consentono di richiamare le scadenze "
                    "relative "
                    "al giorno o al mese selezionato.",
                    "Le scadenze in elenco sono ordinate in base alla data e all'ora e la loro disposizione "
                    "cronologica "
                    "avviene indipendentemente dall'ordine con"
                    " cui l'utente le ha archiviate.",
                    "E' possibile esportare la lista delle scadenze in un foglio di Microsoft Excel. A tal fine, basta "
                    "fare clic sulla relativa icona e salvare il"
                    " file che viene generato in tempo reale.",
                } } },

        { HelpTopic::DeadlinesExport,
            { "Esportazione archivio Scadenze e appuntamenti in Microsoft Excel",
                {
                    "Il pulsante Esporta archivio consente di esportare tutte le schede dello scadenzario registrate "
                    "in un "
                    "anno solare in un foglio di lavoro di Microsoft Excel, che potrà essere aperto con qualsiasi "
                    "software "
                    "in grado di gestire i file in formato XLS (ad esempio, Open Office, Libre Office o Microsoft "
                    "Office).",
                    ExportOpen,
                    ExportSave,
                } } },
    };
    return defs;
}

const Definition &definition(HelpTopic topic)
{
    return definitions().at(topic);
}

} // namespace

namespace HelpText
{

QList<HelpTopic> allTopics()
{
    return { HelpTopic::General, HelpTopic::Owners, HelpTopic::OwnersExport, HelpTopic::Dogs, HelpTopic::DogsExport,
        HelpTopic::PriceListAndBoxes, HelpTopic::PriceList, HelpTopic::PriceListExport, HelpTopic::Boxes,
        HelpTopic::BoxesExport, HelpTopic::Planner, HelpTopic::Deadlines, HelpTopic::DeadlinesView,
        HelpTopic::DeadlinesExport, HelpTopic::Quotes, HelpTopic::QuotesExport };
}

QString title(HelpTopic topic)
{
    return QString::fromUtf8(definition(topic).title);
}

QList<HelpPart> parts(HelpTopic topic)
{
    QList<HelpPart> result;
    for (const Piece &piece : definition(topic).pieces) {
        HelpPart part;
        if (const auto *text = std::get_if<const char *>(&piece)) {
            part.paragraph = QString::fromUtf8(*text);
        } else {
            part.included = true;
            part.topic = std::get<HelpTopic>(piece);
        }
        result.append(part);
    }
    return result;
}

QStringList paragraphs(HelpTopic topic)
{
    QStringList result;
    for (const HelpPart &part : parts(topic)) {
        if (part.included)
            result += paragraphs(part.topic);
        else
            result.append(part.paragraph);
    }
    return result;
}

QString join(const QStringList &paragraphs)
{
    return paragraphs.join(QLatin1String(Separator));
}

QString text(HelpTopic topic)
{
    return join(paragraphs(topic));
}

} // namespace HelpText
