#include "tests/support/EditorConformance.h"

#include "common/Cp1252.h"
#include "common/ui/ArchiveEditor.h"
#include "common/ui/ControlText.h"
#include "common/ui/EditKit.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextEdit>

namespace EditorConformance
{

namespace
{

QWidget *control(const QWidget *window, const QString &name)
{
    return name.isEmpty() ? nullptr : window->findChild<QWidget *>(name);
}

bool holdsText(const QWidget *w)
{
    return qobject_cast<const QLineEdit *>(w) || qobject_cast<const QComboBox *>(w) || qobject_cast<const QLabel *>(w)
        || qobject_cast<const QPlainTextEdit *>(w) || qobject_cast<const QTextEdit *>(w);
}

// The line edit that typing reaches: an edit, or the edit of an editable combo.
QLineEdit *typedLine(QWidget *w)
{
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        return edit->isReadOnly() ? nullptr : edit;
    if (auto *combo = qobject_cast<QComboBox *>(w))
        return combo->isEditable() ? combo->lineEdit() : nullptr;
    return nullptr;
}

QString shown(const QByteArray &cp1252)
{
    return QLatin1Char('"') + Cp1252::decode(cp1252.constData(), int(cp1252.size())) + QLatin1Char('"');
}

bool activate(QWidget *window)
{
    if (!window->isVisible())
        window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

bool focusIsOn(const QWidget *target)
{
    const QWidget *f = QApplication::focusWidget();
    return f && (f == target || target->isAncestorOf(f) || f->focusProxy() == target);
}

// Puts a text or check state on every control that differs from what the
// record will bring, so a load that skips a control shows.
void scramble(QWidget *window, const RecordLayout &layout, const Table &table, const RecordBuffer &record)
{
    for (const Row &row : table) {
        const int field = layout.indexOf(row.field);
        QWidget *w = control(window, row.control);
        if (field < 0 || !w)
            continue;
        if (auto *box = qobject_cast<QCheckBox *>(w))
            box->setChecked(record.flag(field) != std::optional<bool>(true));
        else
            ControlText::setText(w, QStringLiteral("#"));
    }
}

} // namespace

QStringList checkControls(const QWidget *window, const RecordLayout &layout, const Table &table)
{
    QStringList failures;
    QHash<QString, const Row *> byField;
    for (const Row &row : table) {
        if (layout.indexOf(row.field) < 0)
            failures << QStringLiteral("the table names a field the layout lacks: %1").arg(row.field);
        if (byField.contains(row.field))
            failures << QStringLiteral("the table names the field %1 twice").arg(row.field);
        byField.insert(row.field, &row);
    }
    for (int field = 0; field < layout.fieldCount(); ++field) {
        const QString name = layout.name(field);
        const Row *row = byField.value(name);
        if (!row) {
            failures << QStringLiteral("%1: no control in the table").arg(name);
            continue;
        }
        const QList<QWidget *> found = window->findChildren<QWidget *>(row->control);
        if (found.isEmpty()) {
            failures << QStringLiteral("%1: the window has no control %2").arg(name, row->control);
            continue;
        }
        if (found.size() > 1)
            failures << QStringLiteral("%1: %2 controls are named %3").arg(name).arg(found.size()).arg(row->control);
        const bool isFlag = layout.capacity(field) == 2 && qobject_cast<QCheckBox *>(found.first());
        if (!isFlag && !holdsText(found.first()))
            failures << QStringLiteral("%1: %2 is a %3, which holds no text")
                            .arg(name, row->control, QString::fromLatin1(found.first()->metaObject()->className()));
        if (!row->successor.isEmpty() && !control(window, row->successor))
            failures << QStringLiteral("%1: the Enter successor %2 does not exist").arg(name, row->successor);
    }
    return failures;
}

QStringList checkTypingLimits(QWidget *window, const RecordLayout &layout, const Table &table)
{
    QStringList failures;
    if (!activate(window))
        return { QStringLiteral("the window does not become active") };
    for (const Row &row : table) {
        const int field = layout.indexOf(row.field);
        QWidget *w = control(window, row.control);
        QLineEdit *line = typedLine(w);
        if (field < 0 || !line)
            continue;
        const int capacity = layout.capacity(field);
        const int limit = EditKit::typingLimit(w);
        if (limit != capacity)
            failures << QStringLiteral("%1: typing limit %2, capacity %3").arg(row.control).arg(limit).arg(capacity);
        ControlText::setText(w, QString());
        w->setFocus();
        if (!focusIsOn(w)) {
            failures << QStringLiteral("%1: cannot take the focus to be typed into").arg(row.control);
            continue;
        }
        QTest::keyClicks(QApplication::focusWidget(), row.typed.repeated(capacity + 3));
        const int length = int(line->text().size());
        if (length > capacity)
            failures << QStringLiteral("%1: typing went to %2 characters, capacity %3")
                            .arg(row.control)
                            .arg(length)
                            .arg(capacity);
        else if (length < capacity)
            failures << QStringLiteral("%1: typing stopped at %2 characters, capacity %3")
                            .arg(row.control)
                            .arg(length)
                            .arg(capacity);
        ControlText::setText(w, QString());
    }
    return failures;
}

QStringList checkRoundTrip(
    QWidget *window, const RecordLayout &layout, const Table &table, const QByteArray &golden, const RecordMoves &moves)
{
    const int size = layout.size();
    if (golden.isEmpty() || golden.size() % size != 0)
        return { QStringLiteral("the golden data is %1 bytes, not whole records of %2").arg(golden.size()).arg(size) };
    QHash<QString, QString> controlOf;
    for (const Row &row : table)
        controlOf.insert(row.field, row.control);
    const auto controlName = [&](int field) { return controlOf.value(layout.name(field)); };
    QStringList failures;
    for (int r = 0; r < golden.size() / size; ++r) {
        RecordBuffer record(layout);
        record.bytes() = golden.mid(qsizetype(r) * size, size);
        scramble(window, layout, table, record);
        if (moves.load)
            moves.load(record);
        else
            ArchiveEditor::loadControls(window, record, controlName);

        RecordBuffer stored(layout);
        stored.clear();
        if (moves.store)
            moves.store(stored);
        else
            ArchiveEditor::storeControls(window, stored, controlName);
        if (stored.bytes().size() != size) {
            failures << QStringLiteral("record %1: stored %2 bytes, record size %3")
                            .arg(r + 1)
                            .arg(stored.bytes().size())
                            .arg(size);
            continue;
        }
        for (int field = 0; field < layout.fieldCount(); ++field) {
            const int at = layout.offset(field);
            const int used = qMin(int(static_cast<unsigned char>(record.bytes().at(at))), layout.capacity(field));
            const QByteArray want = record.bytes().mid(at, used + 1);
            const QByteArray got = stored.bytes().mid(at, used + 1);
            if (got != want)
                failures << QStringLiteral("record %1, %2 (%3): stored %4, loaded %5")
                                .arg(r + 1)
                                .arg(layout.name(field), controlName(field),
                                    shown(stored.bytes().mid(at + 1, static_cast<unsigned char>(got.at(0)))),
                                    shown(want.mid(1)));
        }
    }
    return failures;
}

QStringList checkEnterChain(QWidget *window, const Table &table)
{
    if (!activate(window))
        return { QStringLiteral("the window does not become active") };
    QStringList failures;
    for (const Row &row : table) {
        if (row.successor.isEmpty())
            continue;
        QWidget *w = control(window, row.control);
        QWidget *next = control(window, row.successor);
        if (!w || !next)
            continue; // reported by checkControls
        w->setFocus();
        if (!focusIsOn(w)) {
            failures << QStringLiteral("%1: cannot take the focus").arg(row.control);
            continue;
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        if (!focusIsOn(next)) {
            const QWidget *f = QApplication::focusWidget();
            failures << QStringLiteral("%1: Enter moved the focus to %2, not %3")
                            .arg(row.control, f ? f->objectName() : QStringLiteral("nothing"), row.successor);
        }
    }
    return failures;
}

QStringList check(
    QWidget *window, const RecordLayout &layout, const Table &table, const QByteArray &golden, const RecordMoves &moves)
{
    return checkControls(window, layout, table) + checkTypingLimits(window, layout, table)
        + checkRoundTrip(window, layout, table, golden, moves) + checkEnterChain(window, table);
}

} // namespace EditorConformance
