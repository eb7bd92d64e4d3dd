#pragma once

#include "common/RecordLayout.h"
#include "deadlines/core/DeadlineRecord.h"

#include <QByteArray>
#include <QString>

#include <initializer_list>
#include <utility>
#include <vector>

// A deadline record made from a few fields; the others are empty, the flags
// "No", the notice "0", the time "00:00".
struct Deadline {
    QString data = QStringLiteral("05/03/2024");
    QString ora = QStringLiteral("09:30");
    QString dettagli = QStringLiteral("Vaccino");
    QString proprietario = QStringLiteral("Rossi Mario");
    QString nome = QStringLiteral("Fido");
    QString costo = QStringLiteral("10,00");
    QString avviso = QStringLiteral("0");
    QString mese = {}; // empty: the month name of `data`
    QString anno = {}; // empty: the year of `data`
    bool daConfermare = false;
    bool effettuata = false;
    std::vector<std::pair<int, QString>> more = {};

    QByteArray bytes() const
    {
        static const char *const months[] = { "Gennaio", "Febbraio", "Marzo", "Aprile", "Maggio", "Giugno", "Luglio",
            "Agosto", "Settembre", "Ottobre", "Novembre", "Dicembre" };
        using D = DeadlineRecord::Field;
        RecordBuffer r(DeadlineRecord::layout());
        r.setText(D::Giorno, data.left(2));
        const int month = data.mid(3, 2).toInt();
        r.setText(D::Mese,
            !mese.isEmpty()                 ? mese
                : month >= 1 && month <= 12 ? QString::fromLatin1(months[month - 1])
                                            : QString());
        r.setText(D::Anno, !anno.isEmpty() ? anno : data.mid(6));
        r.setText(D::Data, data);
        r.setText(D::OreApp, ora.left(2));
        r.setText(D::MinutiApp, ora.mid(3));
        r.setText(D::Ora, ora);
        r.setText(D::Avviso, avviso);
        r.setText(D::Proprietario, proprietario);
        r.setText(D::Nome, nome);
        r.setText(D::Dettagli, dettagli);
        r.setText(D::Costo, costo);
        r.setFlag(D::DaConfermare, daConfermare);
        r.setFlag(D::Effettuata, effettuata);
        for (const auto &[field, text] : more)
            r.setText(field, text);
        return r.bytes();
    }
};

inline QByteArray deadlines(std::initializer_list<Deadline> list)
{
    QByteArray out;
    for (const Deadline &d : list)
        out += d.bytes();
    return out;
}
