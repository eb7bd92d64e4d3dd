#pragma once

#include "common/FileFailure.h"
#include "common/ui/WindowKit.h"

#include <QImage>
#include <QString>

class QLabel;
class QPaintEvent;
class QPushButton;
class QShowEvent;

// The company logo that every printed quote carries: the file Logo.bmp in
// the program folder, written only by the logo dialog.
namespace LogoFile
{

// <program folder>/Logo.bmp
QString path();
// The default picture: a blue euro sign on white, 297 x 184 pixels.
QImage defaultPicture();
// The blank picture: 2 x 2 pixels, opaque white.
QImage blankPicture();

// Logo.bmp as a picture; a null picture when the file is missing, cannot be
// read or holds no picture (the caller shows the default then). Never writes.
QImage load();

// A picture file chosen by the user, decoded; a null picture and the Italian
// reason in `error` when it cannot be read or decoded.
QImage read(const QString &path, QString *error = nullptr);

// The picture as a Windows bitmap at its own pixel size (opaque: transparent
// parts become white).
QByteArray bmpBytes(const QImage &picture);
// Replaces Logo.bmp with the picture in one step: on failure the earlier file
// stays exactly as it was.
FileFailure store(const QImage &picture);

} // namespace LogoFile

// The company logo dialog " Impostazione logo": shows the stored logo, lets
// the user load a JPEG or bitmap file, go back to the default picture (the
// euro icon) or blank the logo (the eraser); "Applica e chiudi" stores what it
// shows as Logo.bmp, "Annulla" leaves the file as it was.
class TfrmLogo : public WindowKit::FixedDialog
{
    Q_OBJECT
public:
    explicit TfrmLogo(QWidget *owner = nullptr);

    // The picture "Applica e chiudi" would store.
    QImage picture() const { return m_picture; }

    // The dialog's commands.
    void browse(); // btnSfoglia
    void useDefault(); // imgEuro
    void clearLogo(); // btnCancLogo
    void apply(); // btnApplica

    // OpenModalDialog for callers that know the dialog only by its global
    // name (frmLogo): a fresh dialog owned by `owner`, shown modally, freed
    // after.
    Q_INVOKABLE int openModal(QWidget *owner);

    QLabel *imgLogo = nullptr;
    QLabel *imgEuro = nullptr;
    QLabel *btnCancLogo = nullptr;
    QPushButton *btnAnnulla = nullptr;
    QPushButton *btnSfoglia = nullptr;
    QPushButton *btnApplica = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void setPicture(const QImage &picture);

    QImage m_picture;
};
