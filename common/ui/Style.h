#pragma once

#include <QFont>
#include <QRgb>
#include <QString>

// The look every window shares: colours, the mapping of font sizes in points
// to Qt, and the small style sheets that several windows use.
namespace Style
{

// ---------------------------------------------------------------------------
// Colours

// The hint band of the editors and the export windows (slate blue), with white text.
inline constexpr QRgb HintBandColour = 0xFF6A5ACD;
// The planner's hint strip (blue), with white text.
inline constexpr QRgb PlannerHintColour = 0xFF3030DD;
// Steel blue, the top of the background gradients that a window's design names so.
inline constexpr QRgb SteelBlue = 0xFF4682B4;
// The program's blue (title bands, the start menu's title, links of the menu).
inline constexpr QRgb BrandBlue = 0xFF2E6DA4;
inline constexpr QRgb BrandBlueLight = 0xFF4C8DC9;
// The pale blue of borders and frames.
inline constexpr QRgb FrameBlue = 0xFFCDDFEE;
// The pale background of the small windows and of the start menu.
inline constexpr QRgb WindowBackground = 0xFFEEF3F9;
// Borders of the white panels in the small windows.
inline constexpr QRgb PanelBorder = 0xFFB8C7DA;
// The help topic's title (crimson).
inline constexpr QRgb HelpTitleColour = 0xFFDC143C;

// "#RRGGBB" for a style sheet.
QString css(QRgb colour);

// ---------------------------------------------------------------------------
// Fonts

// Sizes are given in points for a screen of 96 dots per inch; Qt gets the
// matching pixel size, so a size looks the same in every window and on every
// screen setting (12 points = 16 pixels).
int pixelsForPoints(qreal points);
QFont font(const QString &family, qreal points, bool bold = false);
// Tahoma (mapped to DejaVu Sans), the font of the shell's windows and buttons.
QFont shellFont(qreal points, bool bold = false);
// The narrow face (Arial Narrow, mapped to Nimbus Sans Narrow) of the texts
// that must show whole in a narrow field: `font` in that face, same size.
inline constexpr char NarrowFamily[] = "Arial Narrow";
QFont narrow(const QFont &font);

// ---------------------------------------------------------------------------
// Style sheets

// The hint band: white text on HintBandColour with rounded corners.
QString hintBandSheet();
// A white panel with a pale border and rounded corners, for the widget named `objectName`.
QString whitePanelSheet(const QString &objectName, int radius = 6);
// The plain background of a window class (e.g. "TfrmGuida").
QString windowBackgroundSheet(const QString &className, QRgb colour = WindowBackground);

} // namespace Style
