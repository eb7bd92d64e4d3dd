#include "app/dialogs/AllegaCartella.h"

#include "common/ui/Style.h"

#include "app/core/Attachments.h"
#include "app/dialogs/OpenURL.h"
#include "common/TextRoutines.h"
#include "common/ui/Art.h"
#include "common/ui/FileDialogs.h"
#include "common/ui/MessageBoxes.h"
#include "common/ui/WindowNames.h"
#include "common/ui/WindowRegistry.h"

#include <QFont>
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

TfrmAllegaCartella::TfrmAllegaCartella(QWidget *owner)
    : WindowKit::FixedDialog(owner, QStringLiteral(" Allega file"))
{
    setObjectName(QLatin1String(WindowNames::frmAllegaCartella));
    setStyleSheet(Style::windowBackgroundSheet(QStringLiteral("TfrmAllegaCartella")));

    const QFont captionFont = Style::verdana(10, true);
    const QFont editFont = Style::verdana(12, true);
    const QFont buttonFont = Style::shellFont(10, true);

    QLineEdit **files[] = { &txtFile01, &txtFile02, &txtFile03 };
    QLineEdit **descs[] = { &txtDesc01, &txtDesc02, &txtDesc03 };
    QPushButton **browse[] = { &btnSfoglia01, &btnSfoglia02, &btnSfoglia03 };
    QPushButton **opens[] = { &btnApri01, &btnApri02, &btnApri03 };
    QLabel **empties[] = { &imgCancella01, &imgCancella02, &imgCancella03 };
    const QPixmap emptyPicture = Art::pixmap(QStringLiteral("cancella"), QSize(22, 22));

    for (int i = 0; i < 3; ++i) {
        const int top = 18 + i * 150;
        const QString n = QString::number(i + 1);
        const QString two = QStringLiteral("%1").arg(i + 1, 2, 10, QLatin1Char('0'));

        auto *panel = new QFrame(this);
        panel->setObjectName(QStringLiteral("panSlot") + two);
        panel->setGeometry(12, top - 8, 610, 138);
        panel->setStyleSheet(
            Style::sheet(QStringLiteral("#panSlot%1 { background: white; border: 1px solid @PanelBorder; "
                                        "border-radius: 6px; }"))
                .arg(two));

        auto *nameCaption = new QLabel(QStringLiteral("Nome %1\u00B0 file allegato:").arg(n), this);
        nameCaption->setObjectName(QStringLiteral("lblCampo%1").arg(2 * i + 1, 2, 10, QLatin1Char('0')));
        nameCaption->setFont(captionFont);
        nameCaption->setGeometry(24, top, 400, 20);

        QLineEdit *file = new QLineEdit(this);
        *files[i] = file;
        file->setObjectName(QStringLiteral("txtFile") + two);
        file->setReadOnly(true);
        file->setFont(editFont);
        file->setStyleSheet(Style::sheet(QStringLiteral("QLineEdit { color: @DimGrey; background: @ReadOnlyFill; }")));
        file->setFocusPolicy(Qt::ClickFocus);
        file->setGeometry(24, top + 24, 362, 30);

        QLabel *empty = new QLabel(this);
        *empties[i] = empty;
        empty->setObjectName(QStringLiteral("imgCancella") + two);
        empty->setPixmap(emptyPicture);
        empty->setCursor(Qt::PointingHandCursor);
        empty->setToolTip(QString());
        empty->setGeometry(392, top + 28, 22, 22);

        QPushButton *sfoglia = new QPushButton(QStringLiteral("Sfoglia..."), this);
        *browse[i] = sfoglia;
        sfoglia->setObjectName(QStringLiteral("btnSfoglia") + two);
        sfoglia->setFont(buttonFont);
        sfoglia->setGeometry(422, top + 22, 94, 34);

        QPushButton *apri = new QPushButton(QStringLiteral("Apri"), this);
        *opens[i] = apri;
        apri->setObjectName(QStringLiteral("btnApri") + two);
        apri->setFont(buttonFont);
        apri->setGeometry(522, top + 22, 90, 34);

        auto *descCaption = new QLabel(QStringLiteral("Descrizione %1\u00B0 file allegato:").arg(n), this);
        descCaption->setObjectName(QStringLiteral("lblCampo%1").arg(2 * i + 2, 2, 10, QLatin1Char('0')));
        descCaption->setFont(captionFont);
        descCaption->setGeometry(24, top + 64, 400, 20);

        QLineEdit *desc = new QLineEdit(this);
        *descs[i] = desc;
        desc->setObjectName(QStringLiteral("txtDesc") + two);
        desc->setFont(editFont);
        desc->setGeometry(24, top + 88, 588, 30);

        WindowKit::enableWhenFilled(apri, { file });
        connect(sfoglia, &QPushButton::clicked, this, [this, i]() { chooseAndCopy(i); });
        connect(apri, &QPushButton::clicked, this, [this, i]() { openSlot(i); });
        WindowKit::onClick(empty, [this, i]() { emptySlot(i); });
    }

    btnApplica = new QPushButton(QStringLiteral("Applica e chiudi"), this);
    btnApplica->setObjectName(QStringLiteral("btnApplica"));
    btnApplica->setFont(buttonFont);
    btnApplica->setGeometry(316, 478, 170, 38);
    btnAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    btnAnnulla->setFont(buttonFont);
    btnAnnulla->setGeometry(494, 478, 118, 38);
    lblMemory = WindowKit::hiddenLabel(this, "lblMemory");

    connect(btnApplica, &QPushButton::clicked, this, [this]() { applyAndClose(); });
    WindowKit::closeOnClick(btnAnnulla, this);

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
