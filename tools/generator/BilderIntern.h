#pragma once

#include <QColor>
#include <QFont>
#include <QGradient>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <array>
#include <initializer_list>
#include <utility>

// Shared pieces of the picture generator: the list of pictures, fonts, colours and the painters
// of the four fruits and the four numbers, which the discs and the lamps both show.
namespace Generator::Bilder {

// One picture of the machine; the file name's ending (.bmp, .png, .jpg) chooses the format.
struct Bild
{
    QString Datei;
    QImage Inhalt;
};

// Pictures are drawn once at one pixel per point and once at two, for screens of twice the
// pixel density ("name@2x.png"). Sizes and coordinates are given in points.
double Pixeldichte();

// An opaque 24-bit picture filled with a colour, or a fully transparent one with alpha, of
// Breite x Hoehe points.
QImage OpakesBild(int Breite, int Hoehe, const QColor& Grund = Qt::black);
QImage TransparentesBild(int Breite, int Hoehe);

// Text drawn into a field of the picture in the painter's font; a text wider than its field
// stops the generator instead of being cut.
void TextImFeld(QPainter& Maler, const QRectF& Feld, int Ausrichtung, const QString& Text);

// A painter with antialiasing, ready to draw on Ziel.
void Vorbereiten(QPainter& Maler);

// A painter with antialiasing on a picture of its own, Grund to begin with.
class TLeinwand : public QPainter
{
public:
    explicit TLeinwand(QImage Grund) : Inhalt(std::move(Grund))
    {
        begin(&Inhalt);
        Vorbereiten(*this);
    }
    ~TLeinwand() { end(); }
    TLeinwand(const TLeinwand&) = delete;
    TLeinwand& operator=(const TLeinwand&) = delete;

    const QImage& Bild() const { return Inhalt; }

private:
    QImage Inhalt;
};

// What the painter draws next is outlined by Stift and filled with Pinsel.
void Setze(QPainter& Maler, const QPen& Stift, const QBrush& Pinsel);
// A solid pen of Breite points with round ends and round corners.
QPen RunderStift(const QBrush& Farbe, double Breite);

enum class Schnitt
{
    Normal,
    Fett,
    SerifFett,
    MonoFett
};
// Fonts come from the DejaVu files shipped with Debian, never from the system's font choice.
QFont Schrift(Schnitt Art, double Pixel);

// Colours of the window toolkit are written 0xBBGGRR, blue in the high byte.
QColor AusBgr(quint32 Bgr);

// Text as an outline path centred on Mitte (for fills with gradients and outlines).
QPainterPath TextPfad(const QString& Text, const QFont& Schrift, QPointF Mitte);
// A path from Anfang along cubic curves, each given as its two control points and its end point
// {x1, y1, x2, y2, x, y}.
QPainterPath Kurven(QPointF Anfang, std::initializer_list<std::array<double, 6>> Boegen);

// Bold lettering: a dark outline behind a filled text.
void KonturText(QPainter& Maler, const QString& Text, const QFont& Schrift, QPointF Mitte,
                const QBrush& Fuellung, const QColor& Kontur, double Konturbreite);

// A gradient with its colour stops, each a position from 0 to 1 and its colour.
template <class TVerlauf>
TVerlauf MitStufen(TVerlauf Verlauf, std::initializer_list<QGradientStop> Stufen)
{
    for (const QGradientStop& Stufe : Stufen)
        Verlauf.setColorAt(Stufe.first, Stufe.second);
    return Verlauf;
}

// A gradient from Anfang to Ende, or from Anfang over Mitte halfway to Ende.
template <class TVerlauf>
TVerlauf Farbverlauf(TVerlauf Grund, const QColor& Anfang, const QColor& Ende)
{
    return MitStufen(std::move(Grund), {{0, Anfang}, {1, Ende}});
}
template <class TVerlauf>
TVerlauf Farbverlauf(TVerlauf Grund, const QColor& Anfang, const QColor& Mitte, const QColor& Ende)
{
    return MitStufen(std::move(Grund), {{0, Anfang}, {0.5, Mitte}, {1, Ende}});
}

// A round glossy highlight in the upper half of Rechteck.
void Glanzlicht(QPainter& Maler, const QRectF& Rechteck, int Deckkraft = 150);

// The fruits and numbers, upright, fitted into a square. Helligkeit below 1 dims them (unlit
// lamps).
void MaleZitrone(QPainter& Maler, const QRectF& Feld, double Helligkeit = 1.0);
void MaleErdbeere(QPainter& Maler, const QRectF& Feld, double Helligkeit = 1.0);
void MaleKarotte(QPainter& Maler, const QRectF& Feld, double Helligkeit = 1.0);
void MaleKirschen(QPainter& Maler, const QRectF& Feld, double Helligkeit = 1.0);
void MaleZahl(QPainter& Maler, const QRectF& Feld, int Zahl);
QColor Zahlenfarbe(int Zahl);

// The pictures by concern, each in its own file.
QList<Bild> ScheibenBilder(); // disc artwork, spin pictures, screw, hubs
QList<Bild> GeldBilder();     // notes, coins, the overlay, the payout glyph
QList<Bild> GehaeuseBilder(); // roof, face, strips, panels, triangles, banners, logos, QR code
QList<Bild> GesichtBilder();  // eyebrows, displays, nose and buttons, slot variants, splash
QList<Bild> LampenBilder();   // bonus lamps, arrows, risk ladder and its lights

// The design layout of the machine's face: where each picture stands in the window (100 %).
struct Platz
{
    QString Datei;
    QRect Rechteck;
};
QList<Platz> Aufstellung();

} // namespace Generator::Bilder
