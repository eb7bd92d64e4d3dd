#include "app/dialogs/AllegaCartella.h"

#include "common/ui/Layout.h"
#include "common/ui/Style.h"
#include "common/ui/WindowKit.h"

#include "app/core/Attachments.h"
#include "app/dialogs/OpenURL.h"
#include "common/TextRoutines.h"
#include "common/ui/Art.h"
#include "common/ui/FileDialogs.h"
#include "common/ui/MessageBoxes.h"
#include "common/ui/WindowNames.h"
#include "common/ui/WindowRegistry.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

const QString TfrmAllegaCartella::kChooserTitle = QStringLiteral("Selezionare il file da allegare:");
// Every file, also those without an extension in their name.
const QString TfrmAllegaCartella::kChooserFilter = QStringLiteral("Tutti i file (*)");

namespace
{

QString chooseFile(QWidget *parent)
{
    return FileDialogs::openFile(parent, TfrmAllegaCartella::kChooserTitle, TfrmAllegaCartella::kChooserFilter);
}

struct CallerLabels {
    const char *mode;
    const char *globalName;
};
// In the order the modes are tested.
constexpr CallerLabels kCallers[] = {
    { "clienti", WindowNames::frmClienti },
    { "cani", WindowNames::frmCani },
    { "listino_prezzi", WindowNames::frmListino_Prezzi },
    { "box_cani", WindowNames::frmBox_Cani },
};

const char *const kFileLabels[] = { "lblFile01", "lblFile02", "lblFile03" };
const char *const kDescLabels[] = { "lblDesc01", "lblDesc02", "lblDesc03" };

QString labelText(const QWidget *window, const char *name)
{
    const QLabel *label = window ? window->findChild<QLabel *>(QLatin1String(name)) : nullptr;
    return label ? TrimText(label->text()) : QString();
}

void setLabelText(QWidget *window, const char *name, const QString &text)
{
    if (QLabel *label = window->findChild<QLabel *>(QLatin1String(name)))
        label->setText(text);
}

} // namespace

void TfrmAllegaCartella::setFileChooser(FileChooser chooser)
{
    if (!chooser) {
        FileDialogs::setAnswerer(nullptr);
        return;
    }
    FileDialogs::setAnswerer([chooser = std::move(chooser)](const FileDialogs::Request &request) {
        return chooser(request.parent, request.title, request.filter);
    });
}

namespace
{

// The three slots, one above the other, each on its white panel, then the two commands.
Layout::Table dialogTable()
{
    using namespace Layout;
    static const char *const panels[] = { "panSlot01", "panSlot02", "panSlot03" };
    static const char *const names[][7] = {
        { "lblCampo01", "txtFile01", "imgCancella01", "btnSfoglia01", "btnApri01", "lblCampo02", "txtDesc01" },
        { "lblCampo03", "txtFile02", "imgCancella02", "btnSfoglia02", "btnApri02", "lblCampo04", "txtDesc02" },
        { "lblCampo05", "txtFile03", "imgCancella03", "btnSfoglia03", "btnApri03", "lblCampo06", "txtDesc03" },
    };
    const Font caption { "Verdana", 10, true };
    const Font edit { "Verdana", 12, true };
    const Font button { "Tahoma", 10, true };
    Table t;
    t.name = QStringLiteral("attachments");
    t.client = QSize(634, 534);
    for (int i = 0; i < 3; ++i) {
        const char *in = panels[i];
        const auto &n = names[i];
        t.items << Item { .name = in, .x = 12, .y = 10.0 + 150.0 * i, .w = 610, .h = 138 }
                << Item { .name = n[0], .in = in, .x = 12, .y = 8, .w = 400, .h = 20, .font = caption }
                << Item { .name = n[1], .in = in, .x = 12, .y = 32, .w = 362, .h = 30, .font = edit }
                << Item { .name = n[2], .in = in, .x = 380, .y = 36, .w = 22, .h = 22 }
                << Item { .name = n[3], .in = in, .x = 410, .y = 30, .w = 94, .h = 34, .font = button }
                << Item { .name = n[4], .in = in, .x = 510, .y = 30, .w = 90, .h = 34, .font = button }
                << Item { .name = n[5], .in = in, .x = 12, .y = 72, .w = 400, .h = 20, .font = caption }
                << Item { .name = n[6], .in = in, .x = 12, .y = 96, .w = 588, .h = 30, .font = edit };
    }
    t.items << Item { .name = "btnApplica", .x = 316, .y = 478, .w = 170, .h = 38, .font = button }
            << Item { .name = "btnAnnulla", .x = 494, .y = 478, .w = 118, .h = 38, .font = button };
    return t;
}

} // namespace

TfrmAllegaCartella::TfrmAllegaCartella(QWidget *owner)
    : WindowKit::FixedDialog(owner, QStringLiteral(" Allega file"))
{
    setObjectName(QLatin1String(WindowNames::frmAllegaCartella));
    setStyleSheet(Style::windowBackgroundSheet(QStringLiteral("TfrmAllegaCartella")));

    const QPixmap emptyPicture = Art::pixmap(QStringLiteral("cancella"), QSize(22, 22));

    for (int i = 0; i < 3; ++i) {
        const QString n = QString::number(i + 1);
        const QString two = QStringLiteral("%1").arg(i + 1, 2, 10, QLatin1Char('0'));

        auto *panel = new QFrame(this);
        panel->setObjectName(QStringLiteral("panSlot") + two);
        panel->setStyleSheet(
            Style::sheet(QStringLiteral("#panSlot%1 { background: white; border: 1px solid @PanelBorder; "
                                        "border-radius: 6px; }"))
                .arg(two));

        auto *nameCaption = new QLabel(QStringLiteral("Nome %1\u00B0 file allegato:").arg(n), panel);
        nameCaption->setObjectName(QStringLiteral("lblCampo%1").arg(2 * i + 1, 2, 10, QLatin1Char('0')));

        auto *file = new QLineEdit(panel);
        file->setObjectName(QStringLiteral("txtFile") + two);
        file->setReadOnly(true);
        file->setStyleSheet(Style::sheet(QStringLiteral("QLineEdit { color: @DimGrey; background: @ReadOnlyFill; }")));
        file->setFocusPolicy(Qt::ClickFocus);

        auto *empty = new QLabel(panel);
        empty->setObjectName(QStringLiteral("imgCancella") + two);
        empty->setPixmap(emptyPicture);
        empty->setCursor(Qt::PointingHandCursor);
        empty->setToolTip(QString());

        auto *sfoglia = new QPushButton(QStringLiteral("Sfoglia..."), panel);
        sfoglia->setObjectName(QStringLiteral("btnSfoglia") + two);

        auto *apri = new QPushButton(QStringLiteral("Apri"), panel);
        apri->setObjectName(QStringLiteral("btnApri") + two);

        auto *descCaption = new QLabel(QStringLiteral("Descrizione %1\u00B0 file allegato:").arg(n), panel);
        descCaption->setObjectName(QStringLiteral("lblCampo%1").arg(2 * i + 2, 2, 10, QLatin1Char('0')));

        auto *desc = new QLineEdit(panel);
        desc->setObjectName(QStringLiteral("txtDesc") + two);

        WindowKit::enableWhenFilled(apri, { file });
        connect(sfoglia, &QPushButton::clicked, this, [this, i]() { chooseAndCopy(i); });
        connect(apri, &QPushButton::clicked, this, [this, i]() { openSlot(i); });
        WindowKit::onClick(empty, [this, i]() { emptySlot(i); });
    }

    btnApplica = new QPushButton(QStringLiteral("Applica e chiudi"), this);
    btnApplica->setObjectName(QStringLiteral("btnApplica"));
    btnAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    lblMemory = WindowKit::hiddenLabel(this, "lblMemory");

    // The members come from the names the slots were built with.
    txtFile01 = WindowKit::named<QLineEdit>(this, "txtFile01");
    txtFile02 = WindowKit::named<QLineEdit>(this, "txtFile02");
    txtFile03 = WindowKit::named<QLineEdit>(this, "txtFile03");
    txtDesc01 = WindowKit::named<QLineEdit>(this, "txtDesc01");
    txtDesc02 = WindowKit::named<QLineEdit>(this, "txtDesc02");
    txtDesc03 = WindowKit::named<QLineEdit>(this, "txtDesc03");
    btnSfoglia01 = WindowKit::named<QPushButton>(this, "btnSfoglia01");
    btnSfoglia02 = WindowKit::named<QPushButton>(this, "btnSfoglia02");
    btnSfoglia03 = WindowKit::named<QPushButton>(this, "btnSfoglia03");
    btnApri01 = WindowKit::named<QPushButton>(this, "btnApri01");
    btnApri02 = WindowKit::named<QPushButton>(this, "btnApri02");
    btnApri03 = WindowKit::named<QPushButton>(this, "btnApri03");
    imgCancella01 = WindowKit::named<QLabel>(this, "imgCancella01");
    imgCancella02 = WindowKit::named<QLabel>(this, "imgCancella02");
    imgCancella03 = WindowKit::named<QLabel>(this, "imgCancella03");

    connect(btnApplica, &QPushButton::clicked, this, [this]() { applyAndClose(); });
    WindowKit::closeOnClick(btnAnnulla, this);

    Layout::apply(this, dialogTable());
    finishLayout(QSize(634, 534));
}

void TfrmAllegaCartella::open(QWidget *editor, const QString &mode)
{
    WindowKit::openModalDialog<TfrmAllegaCartella>(editor, [editor, &mode](TfrmAllegaCartella &dialog) {
        dialog.lblMemory->setText(mode);
        dialog.txtFile01->setText(labelText(editor, "lblFile01"));
        dialog.txtDesc01->setText(labelText(editor, "lblDesc01"));
        dialog.txtFile02->setText(labelText(editor, "lblFile02"));
        dialog.txtDesc02->setText(labelText(editor, "lblDesc02"));
        dialog.txtFile03->setText(labelText(editor, "lblFile03"));
        dialog.txtDesc03->setText(labelText(editor, "lblDesc03"));
    });
}

QLineEdit *TfrmAllegaCartella::fileEdit(int slot) const
{
    QLineEdit *const edits[] = { txtFile01, txtFile02, txtFile03 };
    return edits[slot];
}

void TfrmAllegaCartella::chooseAndCopy(int slot)
{
    const QString chosen = chooseFile(this);
    if (chosen.isEmpty())
        return; // cancelled: nothing changes

    const QString name = Attachments::attachedName(chosen);
    const QString refused = Attachments::refusal(name);
    if (!refused.isEmpty()) {
        MessageBoxes::warning(refused, this);
        return;
    }
    // A file picked from inside the folder is already attached as it is.
    if (!Attachments::isAttachedFile(chosen, name)) {
        if (Attachments::exists(name) && !MessageBoxes::confirmation(Attachments::kOverwriteQuestion, this))
            return; // the slot keeps the file it named
        const QString failure = Attachments::copyIn(chosen, name);
        if (!failure.isEmpty()) {
            MessageBoxes::error(Attachments::kCopyFailed + failure, this);
            return;
        }
    }
    fileEdit(slot)->setText(name);
}

void TfrmAllegaCartella::openSlot(int slot)
{
    TMisc::Open(QLatin1Char('"') + Attachments::pathFor(TrimText(fileEdit(slot)->text())) + QLatin1Char('"'));
}

void TfrmAllegaCartella::emptySlot(int slot)
{
    fileEdit(slot)->setText(QString());
}

bool TfrmAllegaCartella::applyAndClose()
{
    for (const CallerLabels &caller : kCallers) {
        if (!WindowKit::modeIs(lblMemory, QString::fromLatin1(caller.mode)))
            continue;
        if (QWidget *editor = WindowRegistry::get(QLatin1String(caller.globalName))) {
            QLineEdit *const fileEdits[] = { txtFile01, txtFile02, txtFile03 };
            QLineEdit *const descEdits[] = { txtDesc01, txtDesc02, txtDesc03 };
            for (int i = 0; i < 3; ++i) {
                setLabelText(editor, kFileLabels[i], TrimText(fileEdits[i]->text()));
                setLabelText(editor, kDescLabels[i], TrimText(descEdits[i]->text()));
            }
        }
        accept();
        return true;
    }
    return false;
}
