#pragma once

#include <QRect>
#include <QSize>

// The arithmetic of the machine's size: the factor for a first start, the steps of the size
// dialog, and where the panels and coins go. No widgets are touched here; the main window reads
// its controls' rectangles, calls these functions and writes the results back.
namespace Skalierung {

// The machine is drawn at 100 % for a screen of this height in pixels.
constexpr int ReferenzBildschirmHoehe = 900;

// Wert * Zaehler / Nenner, rounded to the nearest whole number, halves away from zero, computed
// without overflow of the intermediate product. A Nenner of 0 returns Wert unchanged.
int MulDiv(int Wert, int Zaehler, int Nenner);

// The size factor in percent for a first start on a screen BildschirmHoehe pixels high:
// 100 from the reference height up; below it 200 - round(90000 / H), ties to even
// (800 -> 88, 768 -> 83, 720 -> 75, 600 -> 50). Never below 1, also for tiny or invalid heights.
int ErsterStartFaktor(int BildschirmHoehe);

// A rectangle scaled by Zaehler/Nenner: left and top edges and right and bottom edges (left +
// width, top + height) each go through MulDiv, so controls that touch keep touching.
QRect SkaliereRechteck(const QRect& Rechteck, int Zaehler, int Nenner);

// The outcome of one step of the size dialog: the new stored factor and the ratio Zaehler/Nenner
// by which the window is scaled. The ratio leads from the factor before to the new one, so the
// machine shows exactly the factor that is stored, as the next start shows it.
struct TGroessenSchritt
{
    int ScaleByWert = 100;
    int Zaehler = 100;
    int Nenner = 100;
};

// "Größer": the stored factor grows by one.
TGroessenSchritt SchrittGroesser(int ScaleByWert);
// "Kleiner": the stored factor shrinks by one.
TGroessenSchritt SchrittKleiner(int ScaleByWert);

// "Kleiner" goes on only while the key help line lies at or below screen height - 200 and the
// factor can still shrink (it stays at least 1).
bool KleinerErlaubt(int BefehleLabelTop, int BildschirmHoehe, int ScaleByWert);
// "Größer" goes on only while the right edge of the money panel plus 15 still fits on the screen.
bool GroesserErlaubt(int GroupBox1RechterRand, int BildschirmBreite);

// The rectangles that the landscape and portrait arrangements read or move. GroupBox1,
// GroupBox2, QRImage, LogoImage and TrackBar1 are placed in the window; DachImage, Image1,
// ImageGesicht and Label3 lie in GroupBox2 and are only read.
struct TPanelLage
{
    QRect GroupBox1;
    QRect GroupBox2;
    QRect DachImage;
    QRect Image1;
    QRect ImageGesicht;
    QRect QRImage;
    QRect LogoImage;
    QRect Label3;
    QRect TrackBar1;
    bool QRImageSichtbar = true;
    bool LogoImageSichtbar = true;
};

// Landscape: the money panel right of the face under the roof, centred in the free space when
// at least 20 pixels are left over, QR code and logo above it.
TPanelLage BerechneQuerformat(TPanelLage Lage, int BildschirmBreite);
// Portrait: the face at the left edge, the money panel centred below it, QR code and logo hidden.
TPanelLage BerechneHochformat(TPanelLage Lage);

// Whether the machine, scaled by Zaehler/Nenner from Lage and arranged for the screen (landscape
// when it is at least as wide as high), lies on it: the face and the money panel wholly, and the
// panel's right edge 15 pixels or more from the screen's, as "Größer" asks.
bool PasstAufBildschirm(TPanelLage Lage, int Zaehler, int Nenner, QSize Bildschirm);

// The largest factor up to Wunsch at which the machine, laid out in Lage at the factor
// LageFaktor (100: its design), lies on the screen; at least 1.
int PassenderFaktor(int Wunsch, const TPanelLage& Lage, int LageFaktor, QSize Bildschirm);

// The size at which a button shows its glyph: the glyph grows and shrinks with the button from
// the button's design size, and stays 2 pixels inside every edge of the button.
QSize GlyphGroesse(QSize Glyph, QSize Entwurf, QSize Knopf);

// Where a picture of Module x Module square modules (a QR code) is drawn in a field: square,
// centred on whole device pixels, each module a whole number of device pixels (at least one)
// at the given device pixel ratio, as large as the field allows.
QRectF RasterFeld(QSize Feld, int Module, double Pixelverhaeltnis);

// The note and coin pictures of the money panel, in its coordinates.
struct TMuenzLage
{
    QRect Button_50_Euro;
    QRect Button_2_Euro;
    QRect Button_1_Euro;
    QRect Button_50_Cent;
    QRect Button_20_Cent;
    QRect Button_10_Cent;
};

// Squares the five coins (width := height) and lays them out in one row: 2 Euro from the left
// edge of the 50-Euro note, then 1 Euro, 50 Cent and 20 Cent edge to edge, and 10 Cent 2 pixels
// from the right border of a panel GroupBox1Breite wide. Tops stay as they are.
TMuenzLage BerechneMuenzreihe(TMuenzLage Lage, int GroupBox1Breite);

} // namespace Skalierung
