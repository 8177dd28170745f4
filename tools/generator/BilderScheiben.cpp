#include "discs/Marker.h"
#include "discs/Scheibenregeln.h"
#include "tools/generator/BilderIntern.h"

#include <QConicalGradient>
#include <QLinearGradient>
#include <QRadialGradient>
#include <array>
#include <cmath>

namespace Generator::Bilder {

namespace {

constexpr int Scheibengroesse = 250;
constexpr double Mittelpunkt = 125.0;

// Where wedge k of the marker wheel ends and wedge k + 1 begins, in degrees clockwise from
// 12 o'clock. The borders are set between the pixels that the resting positions sample, at
// every size of the stretched left disc, so that each sample lies deep inside its wedge.
constexpr std::array<double, 8> Keilgrenzen = {26, 71, 112, 153, 190, 239, 284, 336};

constexpr double MarkerRadius = 14.2;
constexpr double TrennlinienAb = 8.5;

double WinkelVonOben(double Dx, double Dy)
{
    const double Grad = qRadiansToDegrees(std::atan2(Dx, -Dy));
    return Grad < 0 ? Grad + 360.0 : Grad;
}

int KeilBei(double Winkel)
{
    for (int k = 0; k < 7; ++k)
        if (Winkel >= Keilgrenzen[k] && Winkel < Keilgrenzen[k + 1])
            return k + 1;
    return 0;
}

bool AufTrennlinie(double Dx, double Dy, double Radius)
{
    if (Radius < TrennlinienAb)
        return false;
    for (double Grenze : Keilgrenzen) {
        const double Bogen = qDegreesToRadians(Grenze);
        const double Rx = std::sin(Bogen), Ry = -std::cos(Bogen);
        const double Laengs = Dx * Rx + Dy * Ry;
        const double Quer = std::abs(Dx * Ry - Dy * Rx);
        if (Laengs > 0 && Quer < 0.6)
            return true;
    }
    return false;
}

void MaleSymbol(QPainter& Maler, Marker::TSymbol Zeichen, const QRectF& Feld)
{
    switch (Zeichen) {
    case Marker::Eins:
        return MaleZahl(Maler, Feld, 1);
    case Marker::Zwei:
        return MaleZahl(Maler, Feld, 2);
    case Marker::Drei:
        return MaleZahl(Maler, Feld, 3);
    case Marker::Vier:
        return MaleZahl(Maler, Feld, 4);
    case Marker::Zitrone:
        return MaleZitrone(Maler, Feld);
    case Marker::Erdbeere:
        return MaleErdbeere(Maler, Feld);
    case Marker::Karotte:
        return MaleKarotte(Maler, Feld);
    case Marker::Kirsche:
        return MaleKirschen(Maler, Feld);
    case Marker::KeinSymbol:
        break;
    }
}

void MaleRand(QPainter& Maler, QPointF M)
{
    QConicalGradient Chrom(M, 60);
    const QColor Hell(0xF4, 0xF6, 0xFA), Mittel(0xA8, 0xAE, 0xB8), Dunkel(0x5A, 0x60, 0x6C);
    Chrom.setColorAt(0.00, Hell);
    Chrom.setColorAt(0.12, Mittel);
    Chrom.setColorAt(0.30, Dunkel);
    Chrom.setColorAt(0.50, Hell);
    Chrom.setColorAt(0.62, Mittel);
    Chrom.setColorAt(0.80, Dunkel);
    Chrom.setColorAt(1.00, Hell);
    Setze(Maler, QPen(QColor(0x20, 0x22, 0x28), 1.2), Chrom);
    Maler.drawEllipse(M, 124.2, 124.2);
    Setze(Maler, Qt::NoPen, QColor(0x2A, 0x1E, 0x12));
    Maler.drawEllipse(M, 116.5, 116.5);
}

void MaleSektoren(QPainter& Maler, QPointF M)
{
    const QRectF Kreis(M.x() - 115, M.y() - 115, 230, 230);
    for (int k = 0; k < 8; ++k) {
        const bool Zahl = Marker::IstZahl(Marker::Sektoren[k]);
        const auto Grund =
            MitStufen(QRadialGradient(M, 115),
                      {{0.0, QColor(0xFF, 0xFF, 0xFF)},
                       {0.55, Zahl ? QColor(0xFF, 0xF8, 0xE6) : QColor(0xFF, 0xFD, 0xF4)},
                       {1.0, Zahl ? QColor(0xF6, 0xDE, 0xA8) : QColor(0xE8, 0xEE, 0xF6)}});
        Setze(Maler, Qt::NoPen, Grund);
        // Qt counts angles counter-clockwise from 3 o'clock in 1/16 degree.
        Maler.drawPie(Kreis, int((90 - (k * 45 + 22.5)) * 16), 45 * 16);
    }
    Maler.setPen(QPen(QColor(0xC8, 0x9A, 0x3C), 2.0));
    for (int k = 0; k < 8; ++k) {
        const double Bogen = qDegreesToRadians(k * 45 + 22.5);
        const QPointF Richtung(std::sin(Bogen), -std::cos(Bogen));
        Maler.drawLine(M + Richtung * 19, M + Richtung * 115);
    }
    // A soft shadow under the rim, the same all round, so that it looks right at every angle.
    const auto Schatten = MitStufen(
        QRadialGradient(M, 116),
        {{0.0, QColor(0, 0, 0, 0)}, {0.86, QColor(0, 0, 0, 0)}, {1.0, QColor(0, 0, 0, 80)}});
    Setze(Maler, Qt::NoPen, Schatten);
    Maler.drawEllipse(M, 115.5, 115.5);
}

void MaleSymbole(QPainter& Maler, QPointF M)
{
    for (int k = 0; k < 8; ++k) {
        Maler.save();
        Maler.translate(M);
        Maler.rotate(k * 45);
        Maler.translate(0, -76);
        // Each symbol reads upright when its sector stands at 6 o'clock under the arrow.
        Maler.rotate(180);
        const double Groesse = Marker::IstZahl(Marker::Sektoren[k]) ? 56 : 64;
        MaleSymbol(Maler, Marker::Sektoren[k],
                   QRectF(-Groesse / 2, -Groesse / 2, Groesse, Groesse));
        Maler.restore();
    }
}

void MaleMarkerrad(QImage& Bild, QPointF M)
{
    {
        QPainter Maler(&Bild);
        Vorbereiten(Maler);
        const auto Nabe = MitStufen(QRadialGradient(M, 19), {{0.7, QColor(0xFF, 0xFF, 0xFF)},
                                                             {1.0, QColor(0xB0, 0xB4, 0xBC)}});
        Setze(Maler, QPen(QColor(0x70, 0x74, 0x7C), 1.2), Nabe);
        Maler.drawEllipse(M, 18.5, 18.5);
    }
    // The wedges are set pixel by pixel: even colour, no antialiasing at all.
    const double Dichte = Pixeldichte();
    const int Von = int(Dichte * (125 - 16)), Bis = int(Dichte * (125 + 17)) - 1;
    for (int y = Von; y <= Bis; ++y) {
        for (int x = Von; x <= Bis; ++x) {
            const double Dx = (x + 0.5) / Dichte - M.x(), Dy = (y + 0.5) / Dichte - M.y();
            const double Radius = std::hypot(Dx, Dy);
            if (Radius > MarkerRadius)
                continue;
            const QColor Farbe =
                AufTrennlinie(Dx, Dy, Radius)
                    ? QColor(Qt::white)
                    : AusBgr(Marker::Markerfarbe(Marker::Sektoren[KeilBei(WinkelVonOben(Dx, Dy))]));
            Bild.setPixelColor(x, y, Farbe);
        }
    }
}

QImage Scheibenkunst()
{
    QImage Bild = OpakesBild(Scheibengroesse, Scheibengroesse);
    const QPointF M(Mittelpunkt, Mittelpunkt);
    {
        QPainter Maler(&Bild);
        Vorbereiten(Maler);
        MaleRand(Maler, M);
        MaleSektoren(Maler, M);
        MaleSymbole(Maler, M);
    }
    MaleMarkerrad(Bild, M);
    return Bild;
}

QRgb Bilinear(const QImage& Quelle, double X, double Y)
{
    const int X0 = qBound(0, int(std::floor(X)), Quelle.width() - 2);
    const int Y0 = qBound(0, int(std::floor(Y)), Quelle.height() - 2);
    const double Fx = qBound(0.0, X - X0, 1.0), Fy = qBound(0.0, Y - Y0, 1.0);
    const QRgb A = Quelle.pixel(X0, Y0), B = Quelle.pixel(X0 + 1, Y0);
    const QRgb C = Quelle.pixel(X0, Y0 + 1), D = Quelle.pixel(X0 + 1, Y0 + 1);
    auto Mische = [&](int (*Kanal)(QRgb)) {
        const double Oben = Kanal(A) * (1 - Fx) + Kanal(B) * Fx;
        const double Unten = Kanal(C) * (1 - Fx) + Kanal(D) * Fx;
        return int(std::lround(Oben * (1 - Fy) + Unten * Fy));
    };
    return qRgb(Mische(qRed), Mische(qGreen), Mische(qBlue));
}

// The disc in motion: every point smeared along its circle over a wide arc, so that the
// symbols become coloured streaks; the arc is lopsided, so the mirror image flickers against it.
QImage Spinbild(const QImage& Kunst)
{
    QImage Bild = OpakesBild(Scheibengroesse, Scheibengroesse);
    constexpr int Schritte = 48;
    const double Dichte = Pixeldichte();
    for (int y = 0; y < Bild.height(); ++y) {
        for (int x = 0; x < Bild.width(); ++x) {
            const double Dx = (x + 0.5) / Dichte - Mittelpunkt,
                         Dy = (y + 0.5) / Dichte - Mittelpunkt;
            const double Radius = std::hypot(Dx, Dy);
            if (Radius > 124.5)
                continue;
            if (Radius > 116.5 || Radius < 19.5) {
                Bild.setPixel(x, y, Kunst.pixel(x, y));
                continue;
            }
            const double Grundwinkel = std::atan2(Dy, Dx);
            double R = 0, G = 0, B = 0, Summe = 0;
            for (int s = 0; s < Schritte; ++s) {
                const double Anteil = double(s) / (Schritte - 1);
                const double Winkel = Grundwinkel - qDegreesToRadians(38.0) * Anteil;
                const double Gewicht = 1.0 - 0.85 * Anteil;
                // Sampled in the artwork's pixels, which are Dichte to a point.
                const QRgb P =
                    Bilinear(Kunst, Mittelpunkt * Dichte - 0.5 + Radius * Dichte * std::cos(Winkel),
                             Mittelpunkt * Dichte - 0.5 + Radius * Dichte * std::sin(Winkel));
                R += qRed(P) * Gewicht;
                G += qGreen(P) * Gewicht;
                B += qBlue(P) * Gewicht;
                Summe += Gewicht;
            }
            Bild.setPixel(x, y,
                          qRgb(int(std::lround(R / Summe)), int(std::lround(G / Summe)),
                               int(std::lround(B / Summe))));
        }
    }
    QPainter Maler(&Bild);
    Vorbereiten(Maler);
    const QPointF M(Mittelpunkt, Mittelpunkt);
    // Bright speed arcs over the streaks.
    for (int i = 0; i < 6; ++i) {
        const double Radius = 34 + i * 14;
        const int Anfang = (i * 97) % 360;
        QPen Stift(QColor(255, 255, 255, 120), 2.0 + (i % 2), Qt::SolidLine, Qt::RoundCap);
        Maler.setPen(Stift);
        Maler.drawArc(QRectF(M.x() - Radius, M.y() - Radius, 2 * Radius, 2 * Radius), Anfang * 16,
                      (50 + i * 7) * 16);
    }
    return Bild;
}

// The screw head: flat colours only, for the slot is found by reading one pixel.
QImage Schraube()
{
    const QColor Kopf = AusBgr(Scheibenregeln::Kopffarbe);
    const QColor Schlitz = AusBgr(Scheibenregeln::Schlitzfarbe);
    const QColor Kante = Kopf.darker(150), Schatten = Kopf.darker(125);
    QImage Bild = OpakesBild(30, 30, Qt::white);
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 30; ++x) {
            const double Radius = std::hypot(x + 0.5 - 15, y + 0.5 - 15);
            QColor Farbe = Qt::white;
            if (Radius <= 13.0)
                Farbe = Kopf;
            else if (Radius <= 14.6)
                Farbe = Kante;
            if (Radius <= 14.6 && (y == 11 || y == 18) && Radius > 1.0)
                Farbe = Schatten;
            if (Radius <= 14.6 && y >= 12 && y <= 17)
                Farbe = Schlitz;
            Bild.setPixelColor(x, y, Farbe);
        }
    }
    return Bild;
}

// The hub over the centre of each disc: a grey dome in a red ring.
QImage Nabe()
{
    TLeinwand Maler(TransparentesBild(47, 33));
    const QRectF Aussen(1, 1, 45, 31);
    const auto Ring = Farbverlauf(QRadialGradient(QPointF(18, 10), 34), QColor(0xFF, 0x70, 0x60),
                                  QColor(0xD0, 0x10, 0x18), QColor(0x70, 0x00, 0x08));
    Setze(Maler, QPen(QColor(0x40, 0x00, 0x00), 1.2), Ring);
    Maler.drawEllipse(Aussen);
    const QRectF Innen = Aussen.adjusted(6, 5, -6, -5);
    const auto Kuppel =
        MitStufen(QRadialGradient(QPointF(19, 11), 26), {{0, QColor(0xFF, 0xFF, 0xFF)},
                                                         {0.35, QColor(0xC8, 0xCC, 0xD4)},
                                                         {1, QColor(0x50, 0x56, 0x60)}});
    Setze(Maler, QPen(QColor(0x30, 0x30, 0x38), 1.0), Kuppel);
    Maler.drawEllipse(Innen);
    Setze(Maler, Qt::NoPen, QColor(0x38, 0x3C, 0x44));
    Maler.drawEllipse(Innen.center(), 3.2, 2.6);
    Glanzlicht(Maler, Aussen, 130);
    return Maler.Bild();
}

} // namespace

QList<Bild> ScheibenBilder()
{
    const QImage Kunst = Scheibenkunst();
    const QImage Spin = Spinbild(Kunst);
    // The program reads the pixels of the disc artwork, the spin pictures and the screw at one
    // density only: the BMPs. What the discs show on a denser screen is lossless too, but smaller
    // as PNG; the screw is not drawn a second time.
    if (Pixeldichte() != 1)
        return {
            {"ImageOriginal.png", Kunst},
            {"ImageDrehscheibe2.png", Spin},
            {"ImageDrehendeScheibe.png", Spin},
            {"PfeilOben.png", Nabe()},
        };
    return {
        {"ImageOriginal.bmp", Kunst},       {"ImageDrehscheibe2.bmp", Spin},
        {"ImageDrehendeScheibe.bmp", Spin}, {"ImageOriginalSchraube.bmp", Schraube()},
        {"PfeilOben.png", Nabe()},
    };
}

} // namespace Generator::Bilder
