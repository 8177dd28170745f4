#include "tools/generator/BilderIntern.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace Generator::Bilder {

namespace {

// Darkens a colour toward the grey of an unlit lamp.
QColor Gedimmt(const QColor& Farbe, double Helligkeit)
{
    if (Helligkeit >= 1.0)
        return Farbe;
    const double Grau = 0.16 * (1.0 - Helligkeit);
    return QColor::fromRgbF(Farbe.redF() * Helligkeit + Grau, Farbe.greenF() * Helligkeit + Grau,
                            Farbe.blueF() * Helligkeit + Grau, Farbe.alphaF());
}

// Painters work in a 100 x 100 box that is mapped onto the field.
void InsFeld(QPainter& Maler, const QRectF& Feld)
{
    Maler.translate(Feld.topLeft());
    Maler.scale(Feld.width() / 100.0, Feld.height() / 100.0);
}

QRadialGradient Kugelverlauf(QPointF Licht, double Radius, const QColor& Hell, const QColor& Mitte,
                             const QColor& Rand, double H)
{
    return MitStufen(QRadialGradient(Licht, Radius),
                     {{0.0, Gedimmt(Hell, H)}, {0.45, Gedimmt(Mitte, H)}, {1.0, Gedimmt(Rand, H)}});
}

void Blatt(QPainter& Maler, QPointF Stiel, QPointF Spitze, double Breite, double H)
{
    const QPointF Richtung = Spitze - Stiel;
    const QPointF Quer(-Richtung.y() * Breite, Richtung.x() * Breite);
    QPainterPath Pfad(Stiel);
    Pfad.quadTo(Stiel + Richtung * 0.5 + Quer, Spitze);
    Pfad.quadTo(Stiel + Richtung * 0.5 - Quer, Stiel);
    const auto Verlauf =
        Farbverlauf(QLinearGradient(Stiel + Quer * 0.5, Stiel - Quer * 0.5),
                    Gedimmt(QColor(0x8B, 0xD3, 0x4A), H), Gedimmt(QColor(0x2E, 0x7D, 0x32), H));
    Setze(Maler, QPen(Gedimmt(QColor(0x1B, 0x5E, 0x20), H), 1.6), Verlauf);
    Maler.drawPath(Pfad);
    Maler.setPen(QPen(Gedimmt(QColor(0x1B, 0x5E, 0x20), H), 1.0));
    Maler.drawLine(Stiel + Richtung * 0.12, Stiel + Richtung * 0.8);
}

void Glanzfleck(QPainter& Maler, QPointF Mitte, double Rx, double Ry, double H, int Deckkraft = 190)
{
    const auto Verlauf =
        Farbverlauf(QRadialGradient(Mitte, qMax(Rx, Ry)), QColor(255, 255, 255, int(Deckkraft * H)),
                    QColor(255, 255, 255, 0));
    Setze(Maler, Qt::NoPen, Verlauf);
    Maler.drawEllipse(Mitte, Rx, Ry);
}

} // namespace

void MaleZitrone(QPainter& Maler, const QRectF& Feld, double H)
{
    Maler.save();
    InsFeld(Maler, Feld);
    Maler.translate(50, 54);
    Maler.rotate(-24);
    QPainterPath Koerper = Kurven(QPointF(-46, 0), {{-40, -6, -36, -30, 0, -31},
                                                    {36, -30, 40, -6, 46, 0},
                                                    {40, 6, 36, 30, 0, 31},
                                                    {-36, 30, -40, 6, -46, 0}});
    Setze(Maler, QPen(Gedimmt(QColor(0xA8, 0x6A, 0x00), H), 2.4),
          Kugelverlauf(QPointF(-12, -14), 52, QColor(0xFF, 0xFB, 0xC8), QColor(0xFF, 0xD8, 0x1F),
                       QColor(0xE0, 0x9A, 0x00), H));
    Maler.drawPath(Koerper);
    Glanzfleck(Maler, QPointF(-12, -15), 17, 8, H);
    Maler.rotate(24);
    Maler.translate(-50, -54);
    Blatt(Maler, QPointF(80, 28), QPointF(93, 6), 0.42, H);
    Maler.restore();
}

void MaleErdbeere(QPainter& Maler, const QRectF& Feld, double H)
{
    Maler.save();
    InsFeld(Maler, Feld);
    QPainterPath Koerper = Kurven(QPointF(50, 26), {{70, 18, 94, 24, 92, 46},
                                                    {90, 68, 66, 92, 50, 98},
                                                    {34, 92, 10, 68, 8, 46},
                                                    {6, 24, 30, 18, 50, 26}});
    Setze(Maler, QPen(Gedimmt(QColor(0x7A, 0x00, 0x0C), H), 2.4),
          Kugelverlauf(QPointF(36, 40), 64, QColor(0xFF, 0x9A, 0x8A), QColor(0xF0, 0x1E, 0x2C),
                       QColor(0x9A, 0x00, 0x12), H));
    Maler.drawPath(Koerper);
    Glanzfleck(Maler, QPointF(33, 42), 11, 7, H, 150);
    // Seeds in staggered rows, each a small teardrop.
    Maler.setPen(Qt::NoPen);
    for (int Reihe = 0; Reihe < 5; ++Reihe) {
        const double Y = 42 + Reihe * 11.5;
        const double Halbbreite = 34 - Reihe * 6.5;
        const int Anzahl = 5 - Reihe / 2;
        for (int i = 0; i < Anzahl; ++i) {
            const double X =
                50 - Halbbreite + (Anzahl == 1 ? Halbbreite : 2 * Halbbreite * i / (Anzahl - 1));
            const double Versatz = (Reihe % 2) ? 3.5 : -3.5;
            Maler.setBrush(Gedimmt(QColor(0xFF, 0xE0, 0x82), H));
            Maler.drawEllipse(QPointF(X + Versatz, Y), 2.1, 3.0);
        }
    }
    // The green calyx: five pointed leaves and a short stem.
    Setze(Maler, QPen(Gedimmt(QColor(0x1B, 0x5E, 0x20), H), 1.4),
          Gedimmt(QColor(0x43, 0xA0, 0x47), H));
    QPainterPath Kelch;
    const QPointF Mitte(50, 25);
    const double Winkel[] = {-160, -120, -90, -60, -20};
    for (double W : Winkel) {
        const double Bogen = qDegreesToRadians(W);
        const QPointF Spitze = Mitte + QPointF(std::cos(Bogen) * 26, -std::sin(Bogen) * 14 + 6);
        const QPointF Seite(std::cos(Bogen + 1.57) * 5, -std::sin(Bogen + 1.57) * 4);
        Kelch.moveTo(Mitte + Seite);
        Kelch.quadTo(Mitte + (Spitze - Mitte) * 0.5 + Seite, Spitze);
        Kelch.quadTo(Mitte + (Spitze - Mitte) * 0.5 - Seite, Mitte - Seite);
        Kelch.closeSubpath();
    }
    Maler.drawPath(Kelch.simplified());
    Maler.setPen(QPen(Gedimmt(QColor(0x2E, 0x7D, 0x32), H), 4, Qt::SolidLine, Qt::RoundCap));
    Maler.drawLine(QPointF(50, 24), QPointF(55, 8));
    Maler.restore();
}

void MaleKarotte(QPainter& Maler, const QRectF& Feld, double H)
{
    Maler.save();
    InsFeld(Maler, Feld);
    Maler.translate(50, 50);
    Maler.rotate(35);
    // Leaves first, so that the root covers their ends.
    Blatt(Maler, QPointF(0, -24), QPointF(-14, -50), 0.30, H);
    Blatt(Maler, QPointF(0, -24), QPointF(14, -50), 0.30, H);
    Blatt(Maler, QPointF(0, -24), QPointF(0, -54), 0.26, H);
    QPainterPath Wurzel =
        Kurven(QPointF(-15, -26),
               {{-6, -32, 6, -32, 15, -26}, {14, 0, 6, 30, 0, 52}, {-6, 30, -14, 0, -15, -26}});
    const auto Verlauf =
        MitStufen(QLinearGradient(-16, 0, 16, 0), {{0, Gedimmt(QColor(0xFF, 0xC0, 0x5A), H)},
                                                   {0.45, Gedimmt(QColor(0xFF, 0x8A, 0x00), H)},
                                                   {1, Gedimmt(QColor(0xC8, 0x50, 0x00), H)}});
    Setze(Maler, QPen(Gedimmt(QColor(0x9A, 0x3A, 0x00), H), 2.2), Verlauf);
    Maler.drawPath(Wurzel);
    Maler.setPen(QPen(Gedimmt(QColor(0xB8, 0x4A, 0x00), H), 1.6, Qt::SolidLine, Qt::RoundCap));
    const double Rillen[][3] = {{-12, -12, 1}, {10, -4, -1}, {-9, 8, 1}, {7, 18, -1}, {-4, 30, 1}};
    for (const auto& R : Rillen)
        Maler.drawLine(QPointF(R[0], R[1]), QPointF(R[0] + R[2] * 6, R[1] + 2));
    Glanzfleck(Maler, QPointF(-6, -10), 4, 16, H, 140);
    Maler.restore();
}

void MaleKirschen(QPainter& Maler, const QRectF& Feld, double H)
{
    Maler.save();
    InsFeld(Maler, Feld);
    const QPointF Gelenk(60, 10);
    Setze(Maler, QPen(Gedimmt(QColor(0x5D, 0x40, 0x37), H), 3.6, Qt::SolidLine, Qt::RoundCap),
          Qt::NoBrush);
    QPainterPath Stiele(Gelenk);
    Stiele.cubicTo(44, 22, 32, 40, 30, 60);
    Stiele.moveTo(Gelenk);
    Stiele.cubicTo(64, 30, 70, 44, 70, 58);
    Maler.drawPath(Stiele);
    Blatt(Maler, Gelenk, QPointF(90, 14), 0.34, H);
    const QPointF Kugeln[] = {QPointF(30, 74), QPointF(70, 72)};
    for (const QPointF& K : Kugeln) {
        Setze(Maler, QPen(Gedimmt(QColor(0x5A, 0x00, 0x10), H), 2.2),
              Kugelverlauf(K + QPointF(-7, -8), 26, QColor(0xFF, 0x8A, 0x9A),
                           QColor(0xD8, 0x10, 0x30), QColor(0x7A, 0x00, 0x18), H));
        Maler.drawEllipse(K, 20, 19);
        Glanzfleck(Maler, K + QPointF(-7, -8), 6, 4.5, H, 220);
    }
    Maler.restore();
}

QColor Zahlenfarbe(int Zahl)
{
    switch (Zahl) {
    case 1:
        return QColor(0x15, 0x5F, 0xD0);
    case 2:
        return QColor(0x1E, 0x9A, 0x2E);
    case 3:
        return QColor(0xC0, 0x14, 0x8C);
    default:
        return QColor(0x00, 0x97, 0xA7);
    }
}

void MaleZahl(QPainter& Maler, const QRectF& Feld, int Zahl)
{
    Maler.save();
    const QFont Ziffern = Schrift(Schnitt::Fett, Feld.height() * 1.05);
    const QPainterPath Pfad = TextPfad(QString::number(Zahl), Ziffern, Feld.center());
    const QRectF Umriss = Pfad.boundingRect();
    const QColor Farbe = Zahlenfarbe(Zahl);
    const auto Verlauf = Farbverlauf(QLinearGradient(Umriss.topLeft(), Umriss.bottomLeft()),
                                     Farbe.lighter(150), Farbe, Farbe.darker(150));
    Maler.strokePath(Pfad, RunderStift(QColor(255, 255, 255), 7));
    Maler.strokePath(Pfad, RunderStift(Farbe.darker(260), 3.2));
    Maler.fillPath(Pfad, Verlauf);
    Maler.restore();
}

} // namespace Generator::Bilder
