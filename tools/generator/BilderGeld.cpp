#include "tools/generator/BilderIntern.h"

#include <QConicalGradient>
#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

namespace Generator::Bilder {

namespace {

constexpr int ScheinBreite = 100, ScheinHoehe = 190;

struct Schein
{
    int Wert;
    QColor Farbe;
};

// Fine wavy lines across the note, like the guilloche of real money, in the note's colour.
void Wellenlinien(QPainter& Maler, const QColor& Farbe)
{
    Maler.save();
    QColor Linie = Farbe;
    Linie.setAlpha(70);
    Setze(Maler, QPen(Linie, 0.8), Qt::NoBrush);
    for (int Zeile = -4; Zeile < 30; ++Zeile) {
        QPainterPath Welle;
        for (int x = 0; x <= ScheinBreite; x += 2) {
            const double y = Zeile * 7.0 + 5 * std::sin(x / 13.0 + Zeile * 0.7) + x * 0.35;
            if (x == 0)
                Welle.moveTo(x, y);
            else
                Welle.lineTo(x, y);
        }
        Maler.drawPath(Welle);
    }
    Maler.restore();
}

// A rosette of overlapping loops: the note's medallion.
void Rosette(QPainter& Maler, QPointF Mitte, double Radius, const QColor& Farbe)
{
    Maler.save();
    const auto Grund =
        Farbverlauf(QRadialGradient(Mitte, Radius), QColor(255, 255, 255, 230), Farbe.lighter(160));
    Setze(Maler, QPen(Farbe.darker(130), 1.2), Grund);
    Maler.drawEllipse(Mitte, Radius, Radius);
    QPainterPath Schleifen;
    for (int i = 0; i <= 720; ++i) {
        const double t = i / 720.0 * 2 * M_PI;
        const double r = Radius * (0.55 + 0.37 * std::cos(7 * t));
        const QPointF P = Mitte + QPointF(r * std::cos(t), r * std::sin(t));
        if (i == 0)
            Schleifen.moveTo(P);
        else
            Schleifen.lineTo(P);
    }
    Setze(Maler, QPen(Farbe.darker(120), 0.9), Qt::NoBrush);
    Maler.drawPath(Schleifen);
    Maler.rotate(0);
    QPainterPath Zweite;
    for (int i = 0; i <= 720; ++i) {
        const double t = i / 720.0 * 2 * M_PI;
        const double r = Radius * (0.35 + 0.25 * std::cos(7 * t + M_PI));
        const QPointF P = Mitte + QPointF(r * std::cos(t), r * std::sin(t));
        if (i == 0)
            Zweite.moveTo(P);
        else
            Zweite.lineTo(P);
    }
    Maler.setPen(QPen(Farbe, 0.8));
    Maler.drawPath(Zweite);
    Maler.restore();
}

QImage Geldschein(const Schein& S)
{
    TLeinwand Maler(OpakesBild(ScheinBreite, ScheinHoehe, Qt::white));
    const QColor& F = S.Farbe;
    const auto Papier = Farbverlauf(QLinearGradient(0, 0, ScheinBreite, ScheinHoehe),
                                    F.lighter(185), F.lighter(150), F.lighter(120));
    Maler.fillRect(Maler.Bild().rect(), Papier);
    Wellenlinien(Maler, F.darker(130));
    // A band in the note's full colour along the top, with the value.
    const auto Band = Farbverlauf(QLinearGradient(0, 0, ScheinBreite, 0), F.darker(125), F);
    Setze(Maler, Qt::NoPen, Band);
    Maler.drawRect(QRectF(0, 0, ScheinBreite, 42));
    const QString Wert = QString::number(S.Wert);
    KonturText(Maler, Wert, Schrift(Schnitt::Fett, 34), QPointF(ScheinBreite / 2.0, 22),
               QColor(Qt::white), F.darker(250), 1.6);
    Rosette(Maler, QPointF(50, 92), 30, F);
    KonturText(Maler, "EURO", Schrift(Schnitt::Fett, 15), QPointF(50, 137), F.darker(200),
               QColor(255, 255, 255, 200), 1.4);
    Maler.setPen(F.darker(220));
    Maler.setFont(Schrift(Schnitt::Fett, 9));
    TextImFeld(Maler, QRectF(0, 146, ScheinBreite, 14), Qt::AlignCenter, "SPIELGELD");
    // The value again, small, in the lower corners.
    Setze(Maler, Qt::NoPen, F.darker(115));
    Maler.drawRect(QRectF(0, 164, ScheinBreite, 26));
    KonturText(Maler, Wert, Schrift(Schnitt::Fett, 17), QPointF(18, 177), QColor(Qt::white),
               F.darker(250), 1.0);
    KonturText(Maler, Wert, Schrift(Schnitt::Fett, 17), QPointF(82, 177), QColor(Qt::white),
               F.darker(250), 1.0);
    Maler.setPen(QColor(255, 255, 255, 220));
    Maler.setFont(Schrift(Schnitt::Fett, 8));
    TextImFeld(Maler, QRectF(30, 164, 40, 26), Qt::AlignCenter, "VORLIX");
    // A thin frame and a silver stripe, as on a real note.
    const auto Silber = Farbverlauf(QLinearGradient(0, 0, 10, 0), QColor(0xD8, 0xDC, 0xE4),
                                    QColor(0xFF, 0xFF, 0xFF), QColor(0xA0, 0xA6, 0xB0));
    Maler.setBrush(Silber);
    Maler.drawRect(QRectF(84, 42, 8, 122));
    Setze(Maler, QPen(F.darker(200), 2), Qt::NoBrush);
    Maler.drawRect(QRectF(1, 1, ScheinBreite - 2, ScheinHoehe - 2));
    return Maler.Bild();
}

enum class Metall
{
    Silber,
    Gold,
    Nordgold
};

QRadialGradient Metallverlauf(QPointF Licht, double Radius, Metall Art)
{
    QRadialGradient Verlauf(Licht, Radius);
    switch (Art) {
    case Metall::Silber:
        Verlauf.setColorAt(0, QColor(0xFF, 0xFF, 0xFF));
        Verlauf.setColorAt(0.5, QColor(0xC4, 0xC8, 0xD0));
        Verlauf.setColorAt(1, QColor(0x70, 0x76, 0x80));
        break;
    case Metall::Gold:
        Verlauf.setColorAt(0, QColor(0xFF, 0xF4, 0xC0));
        Verlauf.setColorAt(0.5, QColor(0xE0, 0xB0, 0x40));
        Verlauf.setColorAt(1, QColor(0x8A, 0x60, 0x10));
        break;
    case Metall::Nordgold:
        Verlauf.setColorAt(0, QColor(0xFF, 0xEC, 0xA8));
        Verlauf.setColorAt(0.5, QColor(0xD4, 0xA2, 0x38));
        Verlauf.setColorAt(1, QColor(0x7C, 0x54, 0x0C));
        break;
    }
    return Verlauf;
}

QColor Praegefarbe(Metall Art)
{
    return Art == Metall::Silber ? QColor(0x3A, 0x40, 0x4C) : QColor(0x5A, 0x38, 0x00);
}

struct Muenze
{
    QString Datei;
    int Groesse;
    QString Wert;
    QString Einheit;
    Metall Ring;
    Metall Kern;
};

QImage Geldmuenze(const Muenze& M)
{
    TLeinwand Maler(TransparentesBild(M.Groesse, M.Groesse));
    const double R = M.Groesse / 2.0 - 0.8;
    const QPointF Mitte(M.Groesse / 2.0, M.Groesse / 2.0);
    const QPointF Licht = Mitte - QPointF(R * 0.35, R * 0.45);
    Setze(Maler, QPen(QColor(0x30, 0x28, 0x10), 1.0), Metallverlauf(Licht, R * 1.7, M.Ring));
    Maler.drawEllipse(Mitte, R, R);
    // The milled edge.
    Maler.setPen(QPen(QColor(0, 0, 0, 70), 1.0));
    for (int i = 0; i < 72; ++i) {
        const double W = 2 * M_PI * i / 72;
        const QPointF Richtung(std::cos(W), std::sin(W));
        Maler.drawLine(Mitte + Richtung * (R - 2.6), Mitte + Richtung * (R - 0.6));
    }
    const double Innen = M.Ring == M.Kern ? R * 0.84 : R * 0.68;
    Setze(Maler, QPen(Praegefarbe(M.Ring), 1.0), Metallverlauf(Licht, Innen * 1.8, M.Kern));
    Maler.drawEllipse(Mitte, Innen, Innen);
    // A ring of dots around the value.
    Setze(Maler, Qt::NoPen, Praegefarbe(M.Ring));
    const double Punktkreis = (R + Innen) / 2.0 + 0.4;
    for (int i = 0; i < 12; ++i) {
        const double W = 2 * M_PI * i / 12 - M_PI / 2;
        Maler.drawEllipse(Mitte + QPointF(std::cos(W), std::sin(W)) * Punktkreis, 1.3, 1.3);
    }
    const QColor Praegung = Praegefarbe(M.Kern);
    const QColor Licht2(255, 255, 255, 170);
    KonturText(Maler, M.Wert, Schrift(Schnitt::Fett, Innen * (M.Wert.size() > 1 ? 0.9 : 1.15)),
               Mitte - QPointF(0, Innen * 0.16), Praegung, Licht2, 0.9);
    KonturText(Maler, M.Einheit, Schrift(Schnitt::Fett, Innen * 0.34),
               Mitte + QPointF(0, Innen * 0.56), Praegung, Licht2, 0.6);
    Glanzlicht(Maler, QRectF(Mitte.x() - R, Mitte.y() - R, 2 * R, 2 * R), 110);
    return Maler.Bild();
}

// Covers the money while it cannot be used: a dark veil with a lock and a short note.
QImage Sperre()
{
    TLeinwand Maler(TransparentesBild(369, 294));
    Maler.fillRect(Maler.Bild().rect(), QColor(0x08, 0x0A, 0x14, 150));
    Maler.setPen(QPen(QColor(255, 255, 255, 22), 10));
    for (int x = -300; x < 369; x += 28)
        Maler.drawLine(QPointF(x, 294), QPointF(x + 294, 0));
    const QRectF Schild(92, 146, 202, 46);
    const auto Grund = Farbverlauf(QLinearGradient(Schild.topLeft(), Schild.bottomLeft()),
                                   QColor(0x40, 0x44, 0x50, 235), QColor(0x18, 0x1A, 0x22, 235));
    Setze(Maler, QPen(QColor(0xC8, 0xA0, 0x40), 2), Grund);
    Maler.drawRoundedRect(Schild, 12, 12);
    // The lock.
    Setze(Maler, QPen(QColor(0xE0, 0xE4, 0xEC), 3.2), Qt::NoBrush);
    Maler.drawArc(QRectF(106, 154, 18, 20), 0, 180 * 16);
    Setze(Maler, Qt::NoPen, QColor(0xFF, 0xC8, 0x30));
    Maler.drawRoundedRect(QRectF(103, 164, 24, 19), 3, 3);
    Maler.setBrush(QColor(0x50, 0x30, 0x00));
    Maler.drawEllipse(QPointF(115, 172), 2.5, 2.5);
    Maler.setPen(QColor(0xFF, 0xFF, 0xFF));
    Maler.setFont(Schrift(Schnitt::Fett, 16));
    TextImFeld(Maler, QRectF(134, 146, 156, 46), Qt::AlignVCenter | Qt::AlignLeft,
               "Einwurf gesperrt");
    return Maler.Bild();
}

// The glyph of the payout button: a small stack of gold coins.
QImage Auszahlglyphe()
{
    TLeinwand Maler(TransparentesBild(24, 24));
    for (int i = 0; i < 4; ++i) {
        const QRectF Scheibe(3, 15.5 - i * 4.2, 18, 6.5);
        Setze(Maler, QPen(QColor(0x6A, 0x44, 0x00), 1.0),
              Metallverlauf(Scheibe.center() - QPointF(4, 2), 14, Metall::Gold));
        Maler.drawEllipse(Scheibe);
    }
    return Maler.Bild();
}

} // namespace

QList<Bild> GeldBilder()
{
    QList<Bild> Liste;
    const Schein Scheine[] = {
        {50, QColor(0xE0, 0x78, 0x28)},
        {20, QColor(0x30, 0x68, 0xC8)},
        {10, QColor(0xD0, 0x38, 0x48)},
        {5, QColor(0x78, 0x88, 0x80)},
    };
    for (const Schein& S : Scheine)
        Liste.append({QString("Button_%1_Euro.png").arg(S.Wert), Geldschein(S)});
    const Muenze Muenzen[] = {
        {"Button_2_Euro.png", 76, "2", "EURO", Metall::Silber, Metall::Gold},
        {"Button_1_Euro.png", 70, "1", "EURO", Metall::Gold, Metall::Silber},
        {"Button_50_Cent.png", 72, "50", "CENT", Metall::Nordgold, Metall::Nordgold},
        {"Button_20_Cent.png", 64, "20", "CENT", Metall::Nordgold, Metall::Nordgold},
        {"Button_10_Cent.png", 57, "10", "CENT", Metall::Nordgold, Metall::Nordgold},
    };
    for (const Muenze& M : Muenzen)
        Liste.append({M.Datei, Geldmuenze(M)});
    Liste.append({"NichtBedienbarImage.png", Sperre()});
    Liste.append({"GibMirMeinGeldBtn.png", Auszahlglyphe()});
    return Liste;
}

} // namespace Generator::Bilder
