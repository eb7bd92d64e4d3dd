#pragma once

#include <QFont>
#include <QRect>
#include <QRgb>
#include <QString>

// The look every window shares: the named colours (every colour of a window
// is one of them), the fonts and the mapping of font sizes in points to Qt,
// and the small style sheets and shapes that several windows use.
class QFrame;
class QWidget;

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
// The top of the planner's and the deadlines editor's background gradients (to white).
inline constexpr QRgb SteelGround = 0xFF427AA8;
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

// Texts.
inline constexpr QRgb TextInk = 0xFF1F3A5C;
inline constexpr QRgb CaptionInk = 0xFF24415F;
inline constexpr QRgb HelpTextInk = 0xFF1E2A36;
inline constexpr QRgb InfoTextInk = 0xFF33414F;
inline constexpr QRgb DarkGrey = 0xFF333333;
inline constexpr QRgb InstructionGrey = 0xFF5A6B7D;
inline constexpr QRgb DimGrey = 0xFF707070;
inline constexpr QRgb HeadingBlue = 0xFF2F5F8F;
inline constexpr QRgb DisabledCaption = 0xFFA9B4C0;
inline constexpr QRgb SubtitlePale = 0xFFDDEBF7;
inline constexpr QRgb Maroon = 0xFF800000;
inline constexpr QRgb DarkBlue = 0xFF00008B;
inline constexpr QRgb Navy = 0xFF000080;
inline constexpr QRgb DarkRed = 0xFF8B0000;
inline constexpr QRgb Brown = 0xFFA52A2A;
// The list and search windows.
inline constexpr QRgb PanelStroke = 0xFF9FBED8; // stroke of the find row's and the list's rectangles
inline constexpr QRgb FilterFieldsTop = 0xFF84ADD0; // top of the filter fields' gradient (to white)
inline constexpr QRgb Crimson = 0xFFDC143C; // the instruction under the list
inline constexpr QRgb DarkCyan = 0xFF008B8B; // the count sentence and the search notice
inline constexpr QRgb HeadingGreen = 0xFF1E8B3A; // the capitals of a window's heading
inline constexpr QRgb NoteBlue = 0xFF123E8C; // the instruction lines beside the find row
inline constexpr QRgb White = 0xFFFFFFFF;
inline constexpr QRgb Black = 0xFF000000;
inline constexpr QRgb Yellow = 0xFFFFFF00;

// Panels and sections of the editors.
inline constexpr QRgb PanelEdge = 0xFF8FAED0;
inline constexpr QRgb PanelFill = 0xFFF7FAFD;
inline constexpr QRgb SectionEdge = 0xFFC9D8E8;
inline constexpr QRgb SectionFill = 0xFFEEF4FA;
inline constexpr QRgb FocusGold = 0xFFFFD700;
inline constexpr QRgb ReadOnlyFill = 0xFFF4F4F4;
inline constexpr QRgb SiteLinkFill = 0xFFEEF3F8;
inline constexpr QRgb StartGround = 0xFFEEF3F8; // the start menu around its panel
inline constexpr QRgb CatalogTitleFill = 0xFFE8F1FA;
inline constexpr QRgb ServicesTileFill = 0xFFE6F3EC;
inline constexpr QRgb BoxesTileFill = 0xFFFBF0E0;
inline constexpr QRgb DoneTileFill = 0xFFF4E4BC;
inline constexpr QRgb DoneTileEdge = 0xFFD8C28E;
inline constexpr QRgb PhotoEdge = 0xFFA5C5DF;

// The command buttons of the editors (gradient, hover, pressed, disabled).
inline constexpr QRgb CommandTop = 0xFF5D9BDB;
inline constexpr QRgb CommandBottom = 0xFF215FA6;
inline constexpr QRgb CommandHoverTop = 0xFF74AEEA;
inline constexpr QRgb CommandHoverBottom = 0xFF2B6DB8;
inline constexpr QRgb CommandEdge = 0xFF1D4F86;
inline constexpr QRgb CommandPressed = 0xFF1C528F;
inline constexpr QRgb CommandDisabledText = 0xFFE4EAF1;
inline constexpr QRgb CommandDisabledEdge = 0xFF9AAABD;
inline constexpr QRgb CommandDisabledTop = 0xFFB9C6D5;
inline constexpr QRgb CommandDisabledBottom = 0xFF98A8BB;
inline constexpr QRgb CommandDisabledFill = 0xFFAEBBCB;
inline constexpr QRgb SmallButtonHoverEdge = 0xFF9DB9D8;
inline constexpr QRgb PaleButtonHover = 0xFFEAF2FB;
// The export windows: their ground and the alternate rows of the grid.
inline constexpr QRgb ExportGround = 0xFFEEEDED;
inline constexpr QRgb GridAlternateRow = 0xFFF3F7F1;
// The editors' ground gradient, at its top, where an editor gives none.
inline constexpr QRgb EditorGroundTop = 0xFF6195C0;
inline constexpr QRgb PaleButtonBottom = 0xFFD6E4F2;
inline constexpr QRgb PaleToolBottom = 0xFFDCE8F4;
inline constexpr QRgb PaleButtonPressed = 0xFFC9DBEE;
inline constexpr QRgb PaleButtonDisabledFill = 0xFFEEF2F6;
inline constexpr QRgb PaleButtonDisabledEdge = 0xFFC9D3DE;

// The quote editor.
inline constexpr QRgb RowPageFill = 0xFFF4F8FC;
inline constexpr QRgb GroupFill = 0xFFE3EDF8;
inline constexpr QRgb ContainerGrey = 0xFFD3D3D3; // the quote editor's panel, grey to white
inline constexpr QRgb GroupEdge = 0xFFB7CBE2;
inline constexpr QRgb AmountFill = 0xFFFDF1DA;
inline constexpr QRgb AmountEdge = 0xFFE2C99A;
inline constexpr QRgb GrandTotalFill = 0xFFFBE3B5;
inline constexpr QRgb GrandTotalEdge = 0xFFD9A441;
inline constexpr QRgb QuoteHintColour = 0xFF5770DA;

// The planner and its windows.
inline constexpr QRgb PlannerBlue = 0xFF2853A2;
inline constexpr QRgb PlannerTileFill = 0xFFDEEAF3;
inline constexpr QRgb PlannerCommandDisabledText = 0xFFC9D3DD;
inline constexpr QRgb PlannerCommandDisabledFill = 0xFF9AAFC4;
inline constexpr QRgb PlannerCommandDisabledEdge = 0xFF8A9DB0;
inline constexpr QRgb PlannerSectionFill = 0xFFC8D6E3;
inline constexpr QRgb PlannerPanelTop = 0xFFE9F0F7;
inline constexpr QRgb PlannerPanelBottom = 0xFFB7CBDE;
// The day tiles: free (dark blue number on pale lavender, white edge), booked (white on red, pink edge).
inline constexpr QRgb FreeTileGround = 0xFFE6E0FA;
inline constexpr QRgb BookedTileGround = 0xFFD02020;
inline constexpr QRgb BookedTileEdge = 0xFFFFB6C1;
inline constexpr QRgb MonthTitleFill = 0xFF1F4E8C;
inline constexpr QRgb MonthTitleEdge = 0xFFF39C12;
inline constexpr QRgb IntervalBackground = 0xFFEBEAEA;
inline constexpr QRgb IntervalPanel = 0xFFEAEAEA;
inline constexpr QRgb IntervalField = 0xFFF5F5F5;
inline constexpr QRgb IntervalFrameFill = 0xFFFEFEC0;
// The day dialog's background gradient (to white).
inline constexpr QRgb DarkSeaGreen = 0xFF8FBC8F;
inline constexpr QRgb DayPanelEdge = 0xFFD0D0D0;
inline constexpr QRgb DayTitleFill = 0xFFB7CFE4;
inline constexpr QRgb DayInfoFill = 0xFFDCEBFA;
// "#RRGGBB" for a style sheet.
QString css(QRgb colour);
// `text` (a style sheet or rich text) with every "@Name" of a colour above
// replaced by its "#RRGGBB": "color: @TextInk;" gives "color: #1F3A5C;".
QString sheet(const QString &text);

// ---------------------------------------------------------------------------
// Fonts

// Sizes are given in points for a screen of 96 dots per inch; Qt gets the
// matching pixel size, so a size looks the same in every window and on every
// screen setting (12 points = 16 pixels).
int pixelsForPoints(qreal points);
QFont font(const QString &family, qreal points, bool bold = false);
// Tahoma (mapped to DejaVu Sans), the font of the shell's windows and buttons.
QFont shellFont(qreal points, bool bold = false);
// Verdana (mapped to DejaVu Sans), the font of the editors' fields and captions.
QFont verdana(qreal points, bool bold = false);
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

// ---------------------------------------------------------------------------
// Shapes

// A rectangle named `objectName` at `place` in `parent`, drawn by the style
// sheet body `body` ("background: @PanelFill; border-radius: 6px;").
QFrame *shape(QWidget *parent, const QString &objectName, const QRect &place, const QString &body);

} // namespace Style
