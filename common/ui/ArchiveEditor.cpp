#include "common/ui/ArchiveEditor.h"

#include "common/ArchiveFile.h"
#include "common/TextRoutines.h"
#include "common/ui/CommandGuard.h"
#include "common/ui/ControlText.h"
#include "common/ui/EditKit.h"
#include "common/ui/MessageBoxes.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include <exception>

const QString ArchiveEditor::kEmptyArchive = QStringLiteral("L'archivio non contiene nessuna scheda.");
const QString ArchiveEditor::kOverwritten
    = QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString ArchiveEditor::kAppended = QStringLiteral("La scheda corrente \u00E8 stata inserita in archivio.");
const QString ArchiveEditor::kDuplicateNeedsStoredRecord
    = QStringLiteral("Attenzione: la duplicazione di una scheda pu\u00F2 avvenire soltanto dopo che questa \u00E8 "
                     "stata inserita in archivio.");
const QString ArchiveEditor::kDuplicated
    = QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                     "Al termine premere Salva per inserire la scheda in archivio.");
const QString ArchiveEditor::kAmountTooLarge
    = QStringLiteral("Attenzione: il valore del campo evidenziato \u00E8 troppo grande per essere archiviato.\n\r\n\r"
                     "Per poter salvare la scheda \u00E8 necessario indicare un valore pi\u00F9 piccolo.");
const QString ArchiveEditor::kMandatoryPrefix
    = QStringLiteral("Attenzione: per salvare la scheda \u00E8 necessario indicare ");

namespace
{

qint64 parsedPosition(const QString &text)
{
    const std::optional<qint64> p = ParsePosition(text);
    if (!p)
        throw ArchiveAccessError();
    return *p;
}

} // namespace

ArchiveEditor::ArchiveEditor(QWidget *window, ArchiveForm &form, Setup setup)
    : QObject(window)
    , m_window(window)
    , m_form(form)
    , m_setup(std::move(setup))
    , m_buffer(*m_setup.layout)
{
    Q_ASSERT(m_setup.layout && m_setup.path && m_setup.position);
    if (m_setup.appendedMessage.isEmpty())
        m_setup.appendedMessage = kAppended;
}

ArchiveEditor::SaveCheck ArchiveEditor::mandatory(QWidget *control, const QString &warning)
{
    return [control, warning]() -> std::optional<Refusal> {
        if (!TrimText(ControlText::text(control)).isEmpty())
            return std::nullopt;
        return Refusal { MessageBoxes::Kind::Warning, warning, control };
    };
}

std::optional<ArchiveEditor::Refusal> ArchiveEditor::amountRefusal(QLineEdit *edit, int capacity)
{
    if (!edit)
        return std::nullopt;
    // Stored as it is: no longer than the field (a longer text would be cut)
    // and not in exponent form.
    const QString text = TrimText(EditKit::normalisedText(edit));
    if (text.size() <= capacity && !text.contains(QLatin1Char('e'), Qt::CaseInsensitive))
        return std::nullopt;
    return Refusal { MessageBoxes::Kind::Warning, kAmountTooLarge, edit };
}

ArchiveEditor::SaveCheck ArchiveEditor::amountFits(QLineEdit *edit, int capacity)
{
    return [edit, capacity]() { return amountRefusal(edit, capacity); };
}

ArchiveEditor::SaveCheck ArchiveEditor::check(
    std::function<bool()> passes, MessageBoxes::Kind kind, const QString &text, QWidget *focus)
{
    return [passes = std::move(passes), kind, text, focus]() -> std::optional<Refusal> {
        if (passes())
            return std::nullopt;
        return Refusal { kind, text, focus };
    };
}

void ArchiveEditor::showBox(MessageBoxes::Kind kind, const QString &text, QWidget *parent)
{
    switch (kind) {
    case MessageBoxes::Kind::Warning:
        MessageBoxes::warning(text, parent);
        break;
    case MessageBoxes::Kind::Information:
        MessageBoxes::information(text, parent);
        break;
    case MessageBoxes::Kind::Error:
        MessageBoxes::error(text, parent);
        break;
    case MessageBoxes::Kind::Confirmation:
        MessageBoxes::confirmation(text, parent);
        break;
    case MessageBoxes::Kind::Plain:
        MessageBoxes::plain(text, parent);
        break;
    }
}

QString ArchiveEditor::positionText() const
{
    return TrimText(m_setup.position->text());
}

void ArchiveEditor::setPosition(const QString &text)
{
    m_setup.position->setText(text);
}

void ArchiveEditor::showStored(ArchiveFile &file, qint64 index)
{
    file.seek(index);
    file.read(m_buffer.bytes());
    const qint64 position = file.position();
    file.close();
    m_form.loadRecord(m_buffer);
    setPosition(QString::number(position));
    m_shown = position;
}

bool ArchiveEditor::finishShow(Command command, bool ran)
{
    const qint64 shown = m_shown;
    m_shown = -1;
    if (!ran || shown < 0)
        return ran;
    // The record and its position stay shown whatever this step does.
    return guarded(command, [this, shown]() { m_form.afterShow(shown); });
}

void ArchiveEditor::focusFirstField()
{
    if (m_setup.firstField)
        m_setup.firstField->setFocus(Qt::OtherFocusReason);
}

bool ArchiveEditor::guarded(Command command, const std::function<void()> &body)
{
    // The position label goes back to what it showed when the command began,
    // so a failed command never leaves a position that names no record.
    const QString before = m_setup.position->text();
    std::exception_ptr failure;
    try {
        body();
        return true;
    } catch (...) {
        failure = std::current_exception();
    }
    m_setup.position->setText(before);
    if (m_setup.accessFailureAsWarning.contains(command)) {
        try {
            std::rethrow_exception(failure);
        } catch (const ArchiveAccessError &) {
            MessageBoxes::warning(kArchiveAccessMessage, m_window);
            return false;
        } catch (...) {
            failure = std::current_exception();
        }
    }
    RunGuarded([failure]() { std::rethrow_exception(failure); }, m_window);
    return false;
}

bool ArchiveEditor::first()
{
    return finishShow(Command::First, guarded(Command::First, [this]() {
        ArchiveFile file(m_setup.path(), layout().size());
        if (file.count() == 0) {
            file.close();
            MessageBoxes::information(kEmptyArchive, m_window);
            return;
        }
        showStored(file, 0);
    }));
}

bool ArchiveEditor::last()
{
    return finishShow(Command::Last, guarded(Command::Last, [this]() {
        ArchiveFile file(m_setup.path(), layout().size());
        const qint64 n = file.count();
        if (n == 0) {
            file.close();
            MessageBoxes::information(kEmptyArchive, m_window);
            return;
        }
        showStored(file, n - 1);
    }));
}

bool ArchiveEditor::next()
{
    return finishShow(Command::Next, guarded(Command::Next, [this]() {
        ArchiveFile file(m_setup.path(), layout().size());
        const QString text = positionText();
        const qint64 p = text.isEmpty() ? 0 : parsedPosition(text);
        const qint64 n = file.count();
        if (n == 0) {
            file.close();
            setPosition(QString());
            MessageBoxes::information(kEmptyArchive, m_window);
            return;
        }
        if (p >= n)
            return; // the last record is shown: nothing to do
        showStored(file, p);
    }));
}

bool ArchiveEditor::previous()
{
    return finishShow(Command::Previous, guarded(Command::Previous, [this]() {
        ArchiveFile file(m_setup.path(), layout().size());
        const QString text = positionText();
        if (text == QLatin1String("1"))
            return; // the first record is shown
        if (file.count() == 0) {
            file.close();
            MessageBoxes::information(kEmptyArchive, m_window);
            return;
        }
        // From an empty position, or from record 2, this reads record 1.
        const qint64 index = text.isEmpty() ? 0 : parsedPosition(text) - 2;
        showStored(file, index);
    }));
}

bool ArchiveEditor::save()
{
    if (!guarded(Command::Save, [this]() { m_form.prepareSave(); }))
        return false;
    for (const SaveCheck &check : std::as_const(m_setup.checks)) {
        std::optional<Refusal> refusal;
        if (!guarded(Command::Save, [&]() { refusal = check(); }))
            return false;
        if (refusal) {
            showBox(refusal->kind, refusal->text, m_window);
            if (refusal->focus)
                refusal->focus->setFocus(Qt::OtherFocusReason);
            return false;
        }
    }

    qint64 saved = 0;
    bool appended = false;
    const bool ok = guarded(Command::Save, [this, &saved, &appended]() {
        const QString text = positionText();
        // Read the position before touching the archive, so a position that is
        // not a number fails without opening (or creating) anything.
        const bool stored = !text.isEmpty();
        const qint64 p = stored ? parsedPosition(text) : 0;
        ArchiveFile file(m_setup.path(), layout().size());
        m_buffer.clear();
        m_form.storeRecord(m_buffer);
        if (stored) {
            file.seek(p - 1);
            file.write(m_buffer.bytes());
            saved = file.position();
        } else {
            saved = file.append(m_buffer.bytes());
            appended = true;
        }
        file.close();
        setPosition(QString::number(saved));
    });
    if (!ok)
        return false;
    // The record is written: its position stays shown whatever this step does.
    if (!guarded(Command::Save, [this, saved]() { m_form.afterWrite(saved); }))
        return false;
    MessageBoxes::information(appended ? m_setup.appendedMessage : kOverwritten, m_window);
    return true;
}

bool ArchiveEditor::newRecord()
{
    qint64 count = -1;
    if (m_setup.newCountsRecords) {
        const bool counted = guarded(Command::New, [this, &count]() {
            ArchiveFile file(m_setup.path(), layout().size());
            count = file.count();
            file.close();
        });
        if (!counted)
            return false;
    }
    m_form.clearRecord();
    setPosition(QString());
    focusFirstField();
    return guarded(Command::New, [this, count]() { m_form.afterNew(count); });
}

bool ArchiveEditor::duplicate()
{
    if (positionText().isEmpty()) {
        MessageBoxes::warning(kDuplicateNeedsStoredRecord, m_window);
        return false;
    }
    // The archive is opened (and created when missing) before anything on
    // screen changes: a failure leaves the stored record's position and its
    // attachments in place, so a later save cannot overwrite it with a copy.
    if (m_setup.duplicate == DuplicateStep::OpensArchive) {
        const bool ok = guarded(Command::Duplicate, [this]() {
            ArchiveFile file(m_setup.path(), layout().size());
            file.close();
        });
        if (!ok)
            return false;
    }
    if (!guarded(Command::Duplicate, [this]() { m_form.clearForDuplicate(); }))
        return false;
    setPosition(QString());
    focusFirstField();
    MessageBoxes::information(kDuplicated, m_window);
    return true;
}

bool ArchiveEditor::run(Command command)
{
    switch (command) {
    case Command::First:
        return first();
    case Command::Previous:
        return previous();
    case Command::Next:
        return next();
    case Command::Last:
        return last();
    case Command::Save:
        return save();
    case Command::New:
        return newRecord();
    case Command::Duplicate:
        return duplicate();
    }
    return false;
}

void ArchiveEditor::connectButton(QAbstractButton *button, Command command)
{
    connect(button, &QAbstractButton::clicked, this, [this, command]() { run(command); });
}

void ArchiveEditor::showRecord(const RecordBuffer &record, qint64 position)
{
    m_form.loadRecord(record);
    setPosition(QString::number(position));
    m_shown = position;
    finishShow(Command::First, true);
}

void ArchiveEditor::loadControls(
    QWidget *window, const RecordBuffer &record, const std::function<QString(int)> &controlName)
{
    const RecordLayout &layout = record.layout();
    for (int field = 0; field < layout.fieldCount(); ++field) {
        const QString name = controlName(field);
        if (name.isEmpty())
            continue;
        QWidget *control = window->findChild<QWidget *>(name);
        if (!control)
            continue;
        if (auto box = qobject_cast<QCheckBox *>(control)) {
            if (const std::optional<bool> flag = record.flag(field))
                box->setChecked(*flag);
            continue;
        }
        ControlText::setText(control, record.text(field));
    }
}

void ArchiveEditor::storeControls(
    const QWidget *window, RecordBuffer &record, const std::function<QString(int)> &controlName)
{
    const RecordLayout &layout = record.layout();
    for (int field = 0; field < layout.fieldCount(); ++field) {
        const QString name = controlName(field);
        if (name.isEmpty())
            continue;
        const QWidget *control = window->findChild<QWidget *>(name);
        if (!control)
            continue;
        if (auto box = qobject_cast<const QCheckBox *>(control))
            record.setFlag(field, box->isChecked());
        else
            record.setText(field, ControlText::text(control));
    }
}
