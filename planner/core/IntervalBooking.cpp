#include "planner/core/IntervalBooking.h"

#include "common/TextRoutines.h"
#include "planner/core/PlannerRecord.h"

namespace IntervalBooking
{

namespace
{

const QChar LF(10);
const QChar CR(13);

QString lowerAscii(QString text)
{
    for (QChar &c : text)
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + 32);
    return text;
}

} // namespace

QString monthPart(const QString &monthText)
{
    static const char *const names[] = { "gennaio", "febbraio", "marzo", "aprile", "maggio", "giugno", "luglio",
        "agosto", "settembre", "ottobre", "novembre", "dicembre" };
    const QString text = TrimText(lowerAscii(monthText));
    for (int m = 0; m < 12; ++m)
        if (text == QLatin1String(names[m]))
            return QStringLiteral("/%1/").arg(m + 1, 2, 10, QLatin1Char('0'));
    return QString();
}

QString dateText(const QString &day, const QString &month, const QString &year)
{
    const QString part = monthPart(month);
    if (part.isEmpty())
        return QString();
    return TrimText(day) + part + TrimText(year);
}

Outcome check(const Entries &e)
{
    Outcome out;
    const auto stop = [&out](Message kind, const QString &text, Field focus) {
        out.kind = kind;
        out.message = text;
        out.focus = focus;
        return out;
    };
    const struct {
        const QString &text;
        Field field;
        const char *word;
    } pickers[] = {
        { e.dayStart, Field::GiornoInizio, "il giorno di inizio" },
        { e.monthStart, Field::MeseInizio, "il mese di inizio" },
        { e.dayEnd, Field::GiornoFine, "il giorno di fine" },
        { e.monthEnd, Field::MeseFine, "il mese di fine" },
    };
    for (const auto &picker : pickers)
        if (TrimText(picker.text).isEmpty())
            return stop(Message::Warning,
                QStringLiteral("Attenzione: indicare ") + QLatin1String(picker.word)
                    + QStringLiteral(" intervallo selezionandolo dall'elenco a cascata."),
                picker.field);

    out.startText = dateText(e.dayStart, e.monthStart, e.yearStart);
    if (!IsValidDate(out.startText))
        return stop(Message::Plain,
            QStringLiteral("Attenzione: la data ") + TrimText(out.startText)
                + QStringLiteral(" di inizio intervallo non esiste.") + LF + CR + LF + CR
                + QStringLiteral("Per poter effettuare la prenotazione \u00E8 necessario indicare una data valida."),
            Field::GiornoInizio);
    out.endText = dateText(e.dayEnd, e.monthEnd, e.yearEnd);
    if (!IsValidDate(out.endText))
        return stop(Message::Plain,
            QStringLiteral("Attenzione: la data ") + TrimText(out.endText)
                + QStringLiteral(" di fine intervallo non esiste.") + LF + CR + LF + CR
                + QStringLiteral("Per effettuare la prenotazione \u00E8 necessario indicare una data valida."),
            Field::GiornoFine);
    if (*ParseDate(out.startText) > *ParseDate(out.endText))
        return stop(Message::Plain,
            QStringLiteral("Attenzione: la data di fine intervallo (") + TrimText(out.endText)
                + QStringLiteral(") non pu\u00F2 essere anteriore a quella di inizio intervallo (")
                + TrimText(out.startText) + QStringLiteral(").") + LF + CR + LF + CR
                + QStringLiteral(
                    "Per effettuare la prenotazione \u00E8 necessario indicare un intervallo di tempo valido."),
            Field::None);
    if (TrimText(e.text).isEmpty())
        return stop(Message::Warning,
            QStringLiteral("Attenzione: per effettuare la prenotazione \u00E8 necessario indicare il nome del "
                           "cliente e/o del cane."),
            Field::Prenotazione);
    out.ok = true;
    return out;
}

QString confirmation(const QString &startText, const QString &endText)
{
    return QStringLiteral("INTERVALLO SELEZIONATO:  DAL  ") + TrimText(startText) + QStringLiteral(" AL ")
        + TrimText(endText) + QStringLiteral(".") + CR + LF + CR + LF + QStringLiteral("Si conferma la prenotazione?");
}

QList<int> days(const QString &year, const QString &startText, const QString &endText)
{
    QList<int> out;
    const auto start = ParseDate(startText);
    const auto end = ParseDate(endText);
    if (!start || !end)
        return out;
    const QString y = TrimText(year);
    for (int day = 0; day < PlannerRecord::DayCount; ++day) {
        const QString text = QStringLiteral("%1/%2/")
                                 .arg(PlannerRecord::dayOfMonth(day), 2, 10, QLatin1Char('0'))
                                 .arg(PlannerRecord::monthOf(day), 2, 10, QLatin1Char('0'))
            + y;
        const auto date = ParseDate(text);
        if (!date) // 29 February of a common year
            continue;
        if (*start <= *date && *date <= *end)
            out.append(day);
    }
    return out;
}

} // namespace IntervalBooking
