#pragma once

#include <QImage>
#include <QPixmap>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QStringList>

class QLabel;
class QPainter;
class QWidget;

// The program's pictures: SVG files in the kennora_ui resource (common/ui/art/,
// resource path ":/art/<name>.svg"), drawn at any size. Every window and
// report takes its pictures from here instead of painting them in code.
//
// Pictures: badge (the kennel badge of the record sheets), box (a dog house,
// the kennel's boxes), cancella (empty an attachment slot, clear a photo),
// cani, copyright, email, esci, guida, info, listino, logo (the product picture), pdf (the manual link), prenotazioni,
// triangolo (the yellow triangle of the unavailable-list commands),
// scadenze-presenti and scadenze-assenti (the deadlines alert banners, 634 x 95),
// preventivi, proprietari, scadenze, splash, utente, warning, web; the export
// window's titolo-excel, excel, aiuto, uscita and mano; the owner editor's
// section badges sezione-proprietario, -telefono, -carta, -documento and -note,
// spunta (the check commands), busta and busta-piccola (the e-mail picture and
// command); the editors' navigation arrows primo, indietro, avanti, ultimo; the
// dog editor's foto (load a photo), salva (save a copy), zoom, rubrica (the
// owner picker), cartella (the linked folder) and costi (the cost ledger); the
// list and search windows' lente (magnifying glass) and banconote (a hand
// holding banknotes).
namespace Art
{

// ":/art/<name>.svg".
QString path(const QString &name);
// True when the resource holds the picture.
bool exists(const QString &name);
// Every picture the resource holds, by name, sorted.
QStringList names();
// The names asked for (by a picture label or a drawing) that the resource does
// not hold, each once: a window set made without a fault leaves it empty.
QStringList missing();

// The picture at `size` device-independent pixels, sharp on the screen's pixel
// ratio (cached: asking twice for the same picture and size costs nothing).
QPixmap pixmap(const QString &name, QSize size);
// The picture on a transparent image of exactly `pixels`, keeping its aspect
// ratio (centred) when the proportions differ.
QImage image(const QString &name, QSize pixels);
// Draws the picture into `target` of an open painter (printing, PDF).
void paint(QPainter &painter, const QString &name, const QRectF &target);

// A label named `objectName` that shows the picture at a fixed `size` (drawn
// when the label is first polished or shown, so a window that is made and
// never shown costs no drawing).
QLabel *pictureLabel(QWidget *parent, const char *objectName, const QString &name, QSize size);
// A 40 x 40 picture that works as a command (pointing hand, `tip` as its tool
// tip): the help, information and exit pictures of the menus.
QLabel *commandPicture(QWidget *parent, const char *objectName, const QString &name, const QString &tip);

} // namespace Art
