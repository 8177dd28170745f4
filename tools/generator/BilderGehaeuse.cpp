#include "tools/generator/BilderIntern.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>
#include <qrencode.h>
#include <stdexcept>

namespace Generator::Bilder {

namespace {

// Where the pictures of the cabinet stand in the window, at 100 %.
const QRect LinkeWand(47, 53, 198, 716);
const QRect RechteWand(653, 53, 198, 716);
const QRect DreieckLinks(135, 245, 124, 110);
const QRect DreieckRechts(641, 242, 124, 110);
const QRect Gesicht(259, 93, 381, 620);

// Lamp places on the side walls (window coordinates, 35 x 32 each).
const QPoint Lampenplaetze[] = {
    {44, 692},  {103, 692}, {162, 692}, {789, 692}, {729, 692}, {667, 692},
    {780, 422}, {780, 552}, {695, 552}, {46, 422},  {46, 553},  {133, 553},
};

void Gluehbirne(QPainter& Maler, QPointF Mitte, double Radius, const QColor& Farbe)
{
    QRadialGradient Hof(Mitte, Radius * 2.2);
    QColor Aussen = Farbe;
    Aussen.setAlpha(0);
    QColor Innen = Farbe;
    Innen.setAlpha(90);
    Hof.setColorAt(0, Innen);
    Hof.setColorAt(1, Aussen);
    Setze(Maler, Qt::NoPen, Hof);
    Maler.drawEllipse(Mitte, Radius * 2.2, Radius * 2.2);
    const auto Kolben =
        Farbverlauf(QRadialGradient(Mitte - QPointF(Radius * 0.3, Radius * 0.3), Radius * 1.2),
                    QColor(0xFF, 0xFF, 0xFF), Farbe.lighter(130), Farbe.darker(140));
    Setze(Maler, QPen(Farbe.darker(250), 0.8), Kolben);
    Maler.drawEllipse(Mitte, Radius, Radius);
}

QLinearGradient Chromverlauf(QPointF Von, QPointF Bis)
{
    return MitStufen(QLinearGradient(Von, Bis), {{0.00, QColor(0x4A, 0x4E, 0x58)},
                                                 {0.25, QColor(0xE8, 0xEC, 0xF2)},
                                                 {0.50, QColor(0x9A, 0xA0, 0xAC)},
                                                 {0.80, QColor(0xD0, 0xD4, 0xDC)},
                                                 {1.00, QColor(0x3A, 0x3E, 0x48)}});
}

QLinearGradient Goldverlauf(QPointF Von, QPointF Bis)
{
    return MitStufen(QLinearGradient(Von, Bis), {{0.0, QColor(0xFF, 0xF6, 0xC8)},
                                                 {0.45, QColor(0xFF, 0xC8, 0x30)},
                                                 {0.55, QColor(0xE0, 0x98, 0x10)},
                                                 {1.0, QColor(0xFF, 0xD8, 0x60)}});
}

// The roof: a red marquee with the machine's name in gold between rows of bulbs.
QImage Dach()
{
    TLeinwand Maler(OpakesBild(920, 73));
    const auto Samt = Farbverlauf(QLinearGradient(0, 0, 0, 73), QColor(0x50, 0x04, 0x10),
                                  QColor(0xB0, 0x10, 0x24), QColor(0x40, 0x02, 0x0C));
    Maler.fillRect(QRectF(0, 0, 920, 73), Samt);
    Maler.fillRect(QRectF(0, 0, 920, 4), Chromverlauf(QPointF(0, 0), QPointF(0, 4)));
    Maler.fillRect(QRectF(0, 66, 920, 7), Chromverlauf(QPointF(0, 66), QPointF(0, 73)));
    for (int x = 12; x < 920; x += 24)
        Gluehbirne(Maler, QPointF(x, 10), 3.2, QColor(0xFF, 0xD0, 0x40));
    const double Mitte = 449.5;
    // A dark plate behind the name.
    const QRectF Schild(Mitte - 150, 14, 300, 34);
    Setze(Maler, QPen(Goldverlauf(Schild.topLeft(), Schild.bottomLeft()), 2.5),
          QColor(0x1A, 0x02, 0x06));
    Maler.drawRoundedRect(Schild, 17, 17);
    KonturText(Maler, "VORLIX", Schrift(Schnitt::SerifFett, 36), QPointF(Mitte, 31.5),
               Goldverlauf(QPointF(0, 16), QPointF(0, 46)), QColor(0x50, 0x10, 0x00), 2.0);
    // The four fruits on either side of the name.
    const double Seite = 34;
    MaleZitrone(Maler, QRectF(Mitte - 260, 15, Seite, Seite));
    MaleErdbeere(Maler, QRectF(Mitte - 210, 15, Seite, Seite));
    MaleKarotte(Maler, QRectF(Mitte + 176, 15, Seite, Seite));
    MaleKirschen(Maler, QRectF(Mitte + 226, 15, Seite, Seite));
    for (double x : {Mitte - 330, Mitte + 330}) {
        KonturText(Maler, QString::fromUtf8("★"), Schrift(Schnitt::Fett, 28), QPointF(x, 32),
                   Goldverlauf(QPointF(0, 18), QPointF(0, 46)), QColor(0x50, 0x10, 0x00), 1.2);
    }
    return Maler.Bild();
}

// A chrome column with a row of bulbs, at the outer edge of the cabinet.
QImage Seitenleiste(int Breite, double Birnenmitte)
{
    TLeinwand Maler(OpakesBild(Breite, 785));
    Maler.fillRect(QRectF(0, 0, Breite, 785), Chromverlauf(QPointF(0, 0), QPointF(Breite, 0)));
    const QRectF Rinne(Birnenmitte - 10, 8, 20, 769);
    Setze(Maler, QPen(QColor(0x20, 0x20, 0x24), 1), QColor(0x30, 0x04, 0x0A));
    Maler.drawRoundedRect(Rinne, 10, 10);
    for (int y = 24; y < 770; y += 30)
        Gluehbirne(Maler, QPointF(Birnenmitte, y), 5.5,
                   (y / 30) % 2 ? QColor(0xFF, 0xD0, 0x40) : QColor(0xFF, 0x60, 0x50));
    return Maler.Bild();
}

// A side wall: deep blue with a gold line, and sockets where the lamps and controls sit.
void MaleWand(QPainter& Maler, const QRect& Wand, bool Links)
{
    Maler.save();
    Maler.translate(Wand.topLeft());
    const QRectF Flaeche(0, 0, Wand.width(), Wand.height());
    QLinearGradient Blau(0, 0, Wand.width(), 0);
    const QColor Tief(0x0A, 0x12, 0x48), Hell(0x1E, 0x34, 0x98);
    Blau.setColorAt(0, Links ? Tief : Hell);
    Blau.setColorAt(1, Links ? Hell : Tief);
    Maler.fillRect(Flaeche, Blau);
    const auto Schimmer =
        Farbverlauf(QRadialGradient(QPointF(Wand.width() / 2.0, Wand.height() * 0.45), 360),
                    QColor(0x60, 0x80, 0xFF, 60), QColor(0x60, 0x80, 0xFF, 0));
    Maler.fillRect(Flaeche, Schimmer);
    // Sparkling stars scattered over the wall.
    quint32 Zufall = Links ? 77u : 991u;
    auto Naechste = [&Zufall](double Bis) {
        Zufall = Zufall * 1664525u + 1013904223u;
        return (Zufall >> 8) / double(1u << 24) * Bis;
    };
    Maler.setPen(Qt::NoPen);
    for (int i = 0; i < 70; ++i) {
        const QPointF P(Naechste(Wand.width()), Naechste(Wand.height()));
        const double Groesse = 0.6 + Naechste(1.4);
        Maler.setBrush(QColor(0xFF, 0xFF, 0xFF, 60 + int(Naechste(120))));
        Maler.drawEllipse(P, Groesse, Groesse);
    }
    Setze(Maler, QPen(Goldverlauf(QPointF(0, 0), QPointF(0, Wand.height())), 2.0), Qt::NoBrush);
    Maler.drawRoundedRect(Flaeche.adjusted(5, 5, -5, -5), 14, 14);
    Maler.restore();
    // Each fruit's three lamps are joined by a gold track, in the order they light up.
    for (int Reihe = 0; Reihe < 4; ++Reihe) {
        QPainterPath Spur;
        for (int i = 0; i < 3; ++i) {
            const QPointF Mitte = QPointF(Lampenplaetze[Reihe * 3 + i]) + QPointF(17.5, 16);
            if (i == 0)
                Spur.moveTo(Mitte);
            else
                Spur.lineTo(Mitte);
        }
        if (!QRectF(Wand).contains(Spur.pointAtPercent(0.5)))
            continue;
        Setze(Maler,
              RunderStift(
                  Goldverlauf(Spur.boundingRect().topLeft(), Spur.boundingRect().bottomRight()), 7),
              Qt::NoBrush);
        Maler.drawPath(Spur);
        Maler.setPen(RunderStift(QColor(0x10, 0x08, 0x00), 2.5));
        Maler.drawPath(Spur);
    }
    // Sockets under the bonus lamps.
    for (const QPoint& Platz : Lampenplaetze) {
        const QRectF Sockel(Platz.x() - 3, Platz.y() - 3, 41, 38);
        if (!QRectF(Wand).intersects(Sockel))
            continue;
        const auto Mulde = Farbverlauf(QLinearGradient(Sockel.topLeft(), Sockel.bottomLeft()),
                                       QColor(0x02, 0x04, 0x10), QColor(0x30, 0x40, 0x80));
        Setze(Maler, QPen(QColor(0x80, 0x90, 0xC0), 1.0), Mulde);
        Maler.drawRoundedRect(Sockel, 11, 11);
    }
    if (Links) {
        // A dark plate behind the slider for the game's length.
        const QRectF Platte(50, 148, 58, 150);
        Setze(Maler, QPen(QColor(0xC8, 0xA0, 0x40), 1.5), QColor(0x00, 0x00, 0x00));
        Maler.drawRoundedRect(Platte, 8, 8);
    } else {
        const QRectF Platte(789, 72, 62, 190);
        Setze(Maler, QPen(QColor(0xC8, 0xA0, 0x40), 1.5), QColor(0x04, 0x06, 0x18));
        Maler.drawRoundedRect(Platte, 10, 10);
    }
}

// The whole back of the cabinet in window coordinates; pictures are cut out of it.
QImage Rueckwand(const QRect& Ausschnitt)
{
    TLeinwand Maler(OpakesBild(Ausschnitt.width(), Ausschnitt.height()));
    Maler.translate(-Ausschnitt.topLeft());
    MaleWand(Maler, LinkeWand, true);
    MaleWand(Maler, RechteWand, false);
    return Maler.Bild();
}

// The face: a round, sunny head under the discs, with rosy cheeks.
QImage Gesichtsbild()
{
    TLeinwand Maler(OpakesBild(Gesicht.width(), Gesicht.height()));
    const double B = Gesicht.width();
    // The dark window behind the discs.
    const auto Nacht = Farbverlauf(QLinearGradient(0, 0, 0, 260), QColor(0x02, 0x02, 0x08),
                                   QColor(0x10, 0x14, 0x30));
    Setze(Maler, QPen(Chromverlauf(QPointF(0, 0), QPointF(B, 0)), 3), Nacht);
    Maler.drawRoundedRect(QRectF(2, -20, B - 4, 270), 20, 20);
    QPainterPath Kopf = Kurven(
        QPointF(4, 300), {{4, 210, 90, 196, B / 2, 196}, {B - 90, 196, B - 4, 210, B - 4, 300}});
    // Broad down to the chin: the messages under the mouth stand on the face.
    Kopf.lineTo(B - 4, 540);
    Kopf.cubicTo(B - 4, 600, B - 70, 616, B / 2, 616);
    Kopf.cubicTo(70, 616, 4, 600, 4, 540);
    Kopf.closeSubpath();
    const auto Haut =
        MitStufen(QRadialGradient(QPointF(B * 0.42, 330), 320), {{0, QColor(0xFF, 0xF2, 0x9A)},
                                                                 {0.55, QColor(0xFF, 0xD0, 0x30)},
                                                                 {1, QColor(0xE8, 0x98, 0x08)}});
    Setze(Maler, QPen(QColor(0x9A, 0x5A, 0x00), 3), Haut);
    Maler.drawPath(Kopf);
    for (double x : {62.0, B - 62.0}) {
        const auto Wange = Farbverlauf(QRadialGradient(QPointF(x, 372), 44),
                                       QColor(0xFF, 0x60, 0x60, 120), QColor(0xFF, 0x60, 0x60, 0));
        Setze(Maler, Qt::NoPen, Wange);
        Maler.drawEllipse(QPointF(x, 372), 46, 34);
    }
    // Dimples at the corners of the mouth make the slot a smile.
    Setze(Maler, QPen(QColor(0xB8, 0x66, 0x00, 200), 3.2, Qt::SolidLine, Qt::RoundCap),
          Qt::NoBrush);
    for (int Seite : {-1, 1}) {
        const double x = B / 2 + Seite * 108;
        QPainterPath Gruebchen(QPointF(x + Seite * 1, 462));
        Gruebchen.quadTo(QPointF(x + Seite * 8, 474), QPointF(x - Seite * 1, 487));
        Maler.drawPath(Gruebchen);
    }
    // A soft shine on the forehead.
    const auto Glanz = Farbverlauf(QRadialGradient(QPointF(B / 2, 232), 120),
                                   QColor(255, 255, 255, 90), QColor(255, 255, 255, 0));
    Maler.setBrush(Glanz);
    Maler.drawEllipse(QPointF(B / 2, 232), 150, 40);
    return Maler.Bild();
}

// A corner piece: a gold wedge that leads from the side wall to the face.
QImage Dreieck(const QRect& Platz, bool Links)
{
    TLeinwand Maler(Rueckwand(Platz));
    const double B = Platz.width(), H = Platz.height();
    QPainterPath Keil;
    if (Links) {
        Keil.moveTo(0, H);
        Keil.lineTo(B, 0);
        Keil.lineTo(B, H);
    } else {
        Keil.moveTo(0, 0);
        Keil.lineTo(B, H);
        Keil.lineTo(0, H);
    }
    Keil.closeSubpath();
    const auto Lack =
        MitStufen(QLinearGradient(QPointF(0, 0), QPointF(B, H)), {{0, QColor(0xE0, 0x30, 0x38)},
                                                                  {0.6, QColor(0xA0, 0x0C, 0x18)},
                                                                  {1, QColor(0x58, 0x02, 0x0A)}});
    Setze(Maler, QPen(Goldverlauf(QPointF(0, 0), QPointF(0, H)), 3.0), Lack);
    Maler.drawPath(Keil);
    return Maler.Bild();
}

QImage Wandbild(const QRect& Wand)
{
    return Rueckwand(Wand);
}

// A banner with gold letters on red, in a chrome frame.
QImage Banner(const QString& Text)
{
    TLeinwand Maler(TransparentesBild(397, 49));
    const QRectF Rahmen(1, 1, 395, 47);
    Setze(Maler, QPen(QColor(0x20, 0x20, 0x24), 1),
          Chromverlauf(Rahmen.topLeft(), Rahmen.bottomLeft()));
    Maler.drawRoundedRect(Rahmen, 14, 14);
    const QRectF Feld = Rahmen.adjusted(4, 4, -4, -4);
    const auto Rot = Farbverlauf(QLinearGradient(Feld.topLeft(), Feld.bottomLeft()),
                                 QColor(0xD0, 0x18, 0x28), QColor(0x60, 0x04, 0x0C));
    Maler.setBrush(Rot);
    Maler.drawRoundedRect(Feld, 10, 10);
    KonturText(Maler, Text, Schrift(Schnitt::Fett, 24), Feld.center(),
               Goldverlauf(Feld.topLeft(), Feld.bottomLeft()), QColor(0x40, 0x04, 0x00), 1.6);
    Glanzlicht(Maler, Feld, 70);
    return Maler.Bild();
}

QImage Unterleiste()
{
    TLeinwand Maler(OpakesBild(812, 21));
    Maler.fillRect(QRectF(0, 0, 812, 21), Chromverlauf(QPointF(0, 0), QPointF(0, 21)));
    for (int x = 16; x < 812; x += 26)
        Gluehbirne(Maler, QPointF(x, 10.5), 3.6,
                   (x / 26) % 2 ? QColor(0xFF, 0xD0, 0x40) : QColor(0xFF, 0x60, 0x50));
    return Maler.Bild();
}

// The product's badge: a gold V on a red medallion and the name below it.
QImage Produktlogo()
{
    TLeinwand Maler(TransparentesBild(62, 76));
    const QRectF Kreis(3, 1, 56, 56);
    const auto Rot = Farbverlauf(QRadialGradient(QPointF(22, 18), 44), QColor(0xFF, 0x60, 0x60),
                                 QColor(0xC8, 0x10, 0x20), QColor(0x60, 0x00, 0x08));
    Setze(Maler, QPen(Goldverlauf(Kreis.topLeft(), Kreis.bottomLeft()), 3), Rot);
    Maler.drawEllipse(Kreis);
    KonturText(Maler, "V", Schrift(Schnitt::SerifFett, 38), Kreis.center() + QPointF(0, 1),
               Goldverlauf(QPointF(0, 12), QPointF(0, 46)), QColor(0x40, 0x00, 0x00), 1.6);
    Glanzlicht(Maler, Kreis, 120);
    KonturText(Maler, "VORLIX", Schrift(Schnitt::Fett, 12.5), QPointF(31, 68),
               Goldverlauf(QPointF(0, 62), QPointF(0, 74)), QColor(0x30, 0x00, 0x00), 1.2);
    return Maler.Bild();
}

// The maker's logo at the top right of the window, on black.
QImage Herstellerlogo()
{
    TLeinwand Maler(TransparentesBild(218, 40));
    const QRectF Zeichen(2, 2, 36, 36);
    const auto Gold = Farbverlauf(QRadialGradient(QPointF(14, 12), 30), QColor(0xFF, 0xF4, 0xC0),
                                  QColor(0xE8, 0xB0, 0x30), QColor(0x8A, 0x60, 0x10));
    Setze(Maler, QPen(QColor(0x50, 0x30, 0x00), 1.2), Gold);
    Maler.drawEllipse(Zeichen);
    KonturText(Maler, QString::fromUtf8("★"), Schrift(Schnitt::Fett, 24), Zeichen.center(),
               QColor(0xC8, 0x10, 0x20), QColor(0xFF, 0xF0, 0xC0), 1.0);
    Maler.setPen(QColor(0xFF, 0xFF, 0xFF));
    Maler.setFont(Schrift(Schnitt::Fett, 21));
    TextImFeld(Maler, QRectF(46, 0, 172, 24), Qt::AlignLeft | Qt::AlignVCenter, "VORLIX");
    Maler.setPen(QColor(0xFF, 0xC8, 0x40));
    Maler.setFont(Schrift(Schnitt::Fett, 11));
    TextImFeld(Maler, QRectF(47, 23, 172, 15), Qt::AlignLeft | Qt::AlignVCenter,
               "AUTOMATEN  ·  SPIELSPASS");
    return Maler.Bild();
}

// The QR code of the maker's web address, black on white with a narrow quiet zone.
QImage QrCode(const QByteArray& Adresse)
{
    QRcode* Code = QRcode_encodeString(Adresse.constData(), 0, QR_ECLEVEL_L, QR_MODE_8, 1);
    if (!Code)
        throw std::runtime_error("QR code cannot hold the address");
    const int Module = Code->width;
    const int Rand = 2;
    const int Massstab = qMax(1, (54 - 2 * Rand) / Module);
    const int Seite = qMax(54, Module * Massstab + 2 * Rand);
    const int Versatz = (Seite - Module * Massstab) / 2;
    QImage Bild = OpakesBild(Seite, Seite, Qt::white);
    QPainter Maler(&Bild); // whole points, no antialiasing: sharp modules at every density
    for (int y = 0; y < Module; ++y)
        for (int x = 0; x < Module; ++x)
            if (Code->data[y * Module + x] & 1)
                Maler.fillRect(Versatz + x * Massstab, Versatz + y * Massstab, Massstab, Massstab,
                               Qt::black);
    QRcode_free(Code);
    return Bild;
}

} // namespace

QList<Bild> GehaeuseBilder()
{
    return {
        {"DachImage.jpg", Dach()},
        {"ImageGesicht.jpg", Gesichtsbild()},
        {"Image7.jpg", Wandbild(LinkeWand)},
        {"Image8.jpg", Wandbild(RechteWand)},
        {"ImageDreieckLinks.jpg", Dreieck(DreieckLinks, true)},
        {"ImageDreieckRechts.jpg", Dreieck(DreieckRechts, false)},
        {"Image1.png", Seitenleiste(50, 22)},
        {"Image2.png", Seitenleiste(49, 19)},
        {"Image3.png", Banner(QString::fromUtf8("★  VIEL GLÜCK!  ★"))},
        {"ImageBanner.png", Banner(QString::fromUtf8("SPIELSPASS MIT GESICHT"))},
        {"ImageDesignUnten.png", Unterleiste()},
        {"ImageVorlix.png", Produktlogo()},
        {"LogoImage.png", Herstellerlogo()},
        {"QRImage.png", QrCode(VORLIX_HERSTELLER_URL)},
    };
}

QList<Platz> Aufstellung()
{
    return {
        {"Image1.png", {2, 32, 50, 785}},
        {"Image2.png", {848, 32, 49, 785}},
        {"Image7.jpg", LinkeWand},
        {"Image8.jpg", RechteWand},
        {"DachImage.jpg", {0, 0, 920, 73}},
        {"ImageGesicht.jpg", Gesicht},
        {"Image3.png", {246, 728, 397, 49}},
        {"ImageBanner.png", {254, 728, 397, 49}},
        {"ImageDesignUnten.png", {42, 790, 812, 21}},
        {"ImageDreieckLinks.jpg", DreieckLinks},
        {"ImageDreieckRechts.jpg", DreieckRechts},
        {"ImageVorlix.png", {52, 74, 62, 76}},
        {"Augenbraue_links_Image.png", {262, 330, 124, 25}},
        {"Augenbraue_rechts_Image.png", {514, 331, 124, 25}},
        {"SpielGeldSpeicherAnzeige.png", {251, 358, 133, 39}},
        {"SonderSpieleAnzeige.png", {515, 358, 133, 39}},
        {"ImageOriginalSchraube.bmp", {431, 362, 30, 30}},
        {"MenueBtn.png", {408, 420, 80, 78}},
        {"Schein_Einzug.png", {339, 554, 214, 40}},
        {"ImageZitroneAktiv.png", {44, 692, 35, 32}},
        {"ImageZitroneNormal.png", {103, 692, 35, 32}},
        {"ImageZitroneNormal.png", {162, 692, 35, 32}},
        {"ImageErdbeerAktiv.png", {789, 692, 35, 32}},
        {"ImageErdbeerAktiv.png", {729, 692, 35, 32}},
        {"ImageErdbeerNormal.png", {667, 692, 35, 32}},
        {"ImageKarotteNormal.png", {780, 422, 35, 32}},
        {"ImageKarotteNormal.png", {780, 552, 35, 32}},
        {"ImageKarotteNormal.png", {695, 552, 35, 32}},
        {"ImageKirscheAktiv.png", {46, 422, 35, 32}},
        {"ImageKirscheNormal.png", {46, 553, 35, 32}},
        {"ImageKirscheNormal.png", {133, 553, 35, 32}},
        {"ImageRisiko.png", {799, 82, 44, 171}},
        {"ImageOriginal.bmp", {116, 70, 250, 250}},
        {"ImageOriginal.bmp", {534, 70, 250, 250}},
        {"ImageOriginal.bmp", {319, 50, 250, 250}},
        {"PfeilOben.png", {217, 178, 47, 33}},
        {"PfeilOben.png", {420, 160, 47, 33}},
        {"PfeilOben.png", {635, 178, 47, 33}},
        {"PfeilRot.png", {221, 320, 40, 30}},
        {"PfeilGruen.png", {425, 301, 40, 30}},
        {"PfeilRot.png", {640, 320, 40, 30}},
        {"LogoImage.png", {989, 16, 218, 40}},
        {"QRImage.png", {902, 20, 54, 54}},
        {"Button_50_Euro.png", {906, 88, 80, 130}},
        {"Button_20_Euro.png", {994, 88, 80, 130}},
        {"Button_10_Euro.png", {1081, 88, 80, 130}},
        {"Button_5_Euro.png", {1168, 88, 80, 130}},
        {"Button_2_Euro.png", {908, 242, 76, 76}},
        {"Button_1_Euro.png", {985, 244, 70, 70}},
        {"Button_50_Cent.png", {1057, 244, 72, 72}},
        {"Button_20_Cent.png", {1129, 248, 64, 64}},
        {"Button_10_Cent.png", {1194, 252, 57, 57}},
    };
}

} // namespace Generator::Bilder
