#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The help topics of the program. Every window's help command shows one of them
// in the help viewer (app/Guida.h); the manual Guida.pdf is printed from the same
// texts, so the two never drift apart.
enum class HelpTopic {
    General, // "Uno sguardo a Kennora" (start menu)
    Owners, // "App Anagrafica Proprietari"
    OwnersExport, // "Esportazione archivio proprietari in Microsoft Excel"
    Dogs, // "App Anagrafica Cani"
    DogsExport, // "Esportazione archivio anagrafico cani in Microsoft Excel"
    PriceListAndBoxes, // "App Listino Prezzi e Box per Cani"
    PriceList, // "App Listino Prezzi"
    Boxes, // "App Box per Cani"
    PriceListExport, // "Esportazione listino prezzi in Microsoft Excel"
    BoxesExport, // "Esportazione archivio box per cani in Microsoft Excel"
    Planner, // "App Planner Prenotazioni Box" (planner and its chooser)
    Quotes, // "App Emissione Preventivi" (quotes chooser and editor)
    QuotesExport, // "Esportazione archivio preventivi in Microsoft Excel"
    Deadlines, // "App Scadenze e Appuntamenti"
    DeadlinesView, // "Visualizzazione scadenze e appuntamenti" (imminent, daily, monthly lists)
    DeadlinesExport, // "Esportazione archivio Scadenze e appuntamenti in Microsoft Excel"
};

// One piece of a topic as it is defined: either a paragraph of its own or a
// whole other topic whose paragraphs it repeats in place.
struct HelpPart {
    QString paragraph; // the paragraph, when `included` is false
    bool included = false; // true: the part is the whole topic `topic`
    HelpTopic topic = HelpTopic::General;
};

namespace HelpText
{

// The separator between two paragraphs of a topic's text: CR LF CR LF.
inline constexpr char Separator[] = "\r\n\r\n";

// Every topic once, in the order of the manual's chapters.
QList<HelpTopic> allTopics();

QString title(HelpTopic topic);

// The topic as defined: its own paragraphs and the topics it repeats, in order.
QList<HelpPart> parts(HelpTopic topic);

// All paragraphs of the topic, included topics expanded in place.
QStringList paragraphs(HelpTopic topic);

// The paragraphs joined by Separator: nothing before the first, nothing after the last.
QString join(const QStringList &paragraphs);

// The text the help viewer shows for the topic: join(paragraphs(topic)).
QString text(HelpTopic topic);

} // namespace HelpText
