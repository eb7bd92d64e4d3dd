#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <memory>

class ReportTemplate;

// The information card "Scheda informativa" of the owner sheet and of the
// deadline card: one A4 portrait page with a picture, a title band, 24 rows
// of caption and value, and a footer band. Positions in millimetres inside
// the 10 mm margins:
//   imgLogo 3,3 17x13; txtTitolo 23,3 165x9 (Arial 16, white on dark orange,
//   centred); linSepara01 23,16 to 188,16; row k (1..24) at top 24 + 10 (k - 1):
//   titCampo k 3 52x6 (Arial 9, white on teal), txtCampo k 60 128x6 (Arial 10);
//   linSepara02 3,265 to 188,265; txtCalce 3,269 185x6 (Arial 10, white on dark
//   orange, centred). Design texts "Titolo Scheda", "Campo 1".."Campo 24",
//   "Termine scheda".
namespace InfoSheet
{

inline constexpr int Rows = 24;

// What the card prints: the title, 24 captions and values, the footer.
struct Values {
    QString title;
    QStringList captions; // Rows; missing entries print empty
    QStringList values; // Rows
    QString footer;
};

// The template with `picture` in imgLogo.
std::unique_ptr<ReportTemplate> makeTemplate(const QImage &picture);
// Sets the page portrait and every memo, in this order: txtTitolo, then each
// row's caption and value, then txtCalce; nothing of an earlier fill survives.
void fill(ReportTemplate &sheet, const Values &values);

} // namespace InfoSheet
