#pragma once

#include "app/core/HelpText.h"

#include <QList>
#include <QString>

// The manual Guida.pdf, printed from the help topics of the program: a title
// page with the contents, then every topic under its title.
namespace Manual
{

// One heading of the manual: a topic, at level 1 (chapter) or 2 (section).
// A topic's text in the manual is its own paragraphs; the topics it repeats
// are printed once, as their own chapters.
struct Section {
    HelpTopic topic;
    int level;
};

// Every topic once, in the order of HelpText::allTopics(): the general topic and
// the topics it repeats are chapters, the others sections of the chapter before.
QList<Section> outline();

// The paragraphs printed under a topic's heading (the included topics left out).
QStringList ownParagraphs(HelpTopic topic);

// Writes the manual as an A4 PDF to `path`, replacing it only once the whole
// document was written. On failure returns false and sets `error`.
bool write(const QString &path, QString *error = nullptr);

} // namespace Manual
