#include "tools/generator/BilderIntern.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace Generator::Bilder {

namespace {

using Fruchtmaler = void (*)(QPainter&, const QRectF&, double);

struct Frucht
{
    QString Name;
    Fruchtmaler Maler;
    QColor Schein;
};

const QList<Frucht>& Fruechte()
{
    static const QList<Frucht> Liste = {
        {"Zitrone", MaleZitrone, QColor(0xFF, 0xE0, 0x40)},
        {"Erdbeer", MaleErdbeere, QColor(0xFF, 0x50, 0x60)},
        {"Karotte", MaleKarotte, QColor(0xFF, 0x98, 0x20)},
        {"Kirsche", MaleKirschen, QColor(0xFF, 0x30, 0x50)},
    };
    return Liste;
}

// A bonus lamp: a chrome bezel around a lens with the fruit; lit, the lens glows.
QImage Lampe(const Frucht& F, bool Aktiv)
{
    TLeinwand Maler(TransparentesBild(35, 32));
    const QRectF Fassung(0.5, 0.5, 34, 31);
    const auto Chrom =
        Farbverlauf(QLinearGradient(Fassung.topLeft(), Fassung.bottomRight()),
                    QColor(0xF8, 0xF8, 0xFC), QColor(0x90, 0x96, 0xA0), QColor(0x40, 0x44, 0x4C));
    Setze(Maler, QPen(QColor(0x18, 0x18, 0x1C), 1.0), Chrom);
    Maler.drawRoundedRect(Fassung, 9, 9);
    const QRectF Linse = Fassung.adjusted(3, 3, -3, -3);
    QRadialGradient Glas(Linse.center(), Linse.width() * 0.62);
    if (Aktiv) {
        Glas.setColorAt(0, QColor(0xFF, 0xFF, 0xF4));
        Glas.setColorAt(0.55, F.Schein.lighter(130));
        Glas.setColorAt(1, F.Schein.darker(130));
    } else {
        Glas.setColorAt(0, QColor(0x4A, 0x4C, 0x58));
        Glas.setColorAt(1, QColor(0x16, 0x17, 0x1E));
    }
    Setze(Maler, QPen(QColor(0x20, 0x20, 0x24), 0.8), Glas);
    Maler.drawRoundedRect(Linse, 7, 7);
    const double Seite = 23;
    F.Maler(Maler, QRectF(17.5 - Seite / 2, 16 - Seite / 2, Seite, Seite), Aktiv ? 1.0 : 0.42);
    Glanzlicht(Maler, Linse, Aktiv ? 170 : 70);
    return Maler.Bild();
}

// The arrow under a disc that marks the win line, pointing up at the disc.
QImage Pfeil(const QColor& Farbe)
{
    TLeinwand Maler(TransparentesBild(40, 30));
    QPainterPath Spitze(QPointF(20, 1.5));
    Spitze.lineTo(38, 21);
    Spitze.lineTo(27, 21);
    Spitze.lineTo(27, 28.5);
    Spitze.lineTo(13, 28.5);
    Spitze.lineTo(13, 21);
    Spitze.lineTo(2, 21);
    Spitze.closeSubpath();
    const auto Licht = Farbverlauf(QRadialGradient(QPointF(18, 12), 26), Farbe.lighter(175), Farbe,
                                   Farbe.darker(170));
    Setze(Maler, RunderStift(Farbe.darker(300), 1.6), Licht);
    Maler.drawPath(Spitze);
    QPainterPath Glanz(QPointF(20, 5));
    Glanz.lineTo(31, 17);
    Glanz.lineTo(9, 17);
    Glanz.closeSubpath();
    const auto Weiss = Farbverlauf(QLinearGradient(0, 5, 0, 17), QColor(255, 255, 255, 170),
                                   QColor(255, 255, 255, 0));
    Setze(Maler, Qt::NoPen, Weiss);
    Maler.drawPath(Glanz);
    return Maler.Bild();
}

// The ladder of the risk game: RISIKO written downwards on a gold-framed plate.
QImage Risikoleiter()
{
    TLeinwand Maler(TransparentesBild(44, 171));
    const QRectF Platte(1, 1, 42, 169);
    const auto Gold =
        Farbverlauf(QLinearGradient(Platte.topLeft(), Platte.topRight()), QColor(0xFF, 0xE8, 0x8A),
                    QColor(0xC8, 0x8E, 0x1C), QColor(0x7A, 0x50, 0x08));
    Setze(Maler, QPen(QColor(0x3A, 0x24, 0x00), 1.0), Gold);
    Maler.drawRoundedRect(Platte, 10, 10);
    const QRectF Feld = Platte.adjusted(4, 4, -4, -4);
    const auto Rot =
        Farbverlauf(QLinearGradient(Feld.topLeft(), Feld.topRight()), QColor(0x9A, 0x08, 0x10),
                    QColor(0xD8, 0x18, 0x20), QColor(0x80, 0x04, 0x0C));
    Setze(Maler, QPen(QColor(0x50, 0x00, 0x00), 1.0), Rot);
    Maler.drawRoundedRect(Feld, 7, 7);
    const QString Wort = "RISIKO";
    const QFont Buchstaben = Schrift(Schnitt::Fett, 24);
    for (int i = 0; i < Wort.size(); ++i) {
        const QPointF Mitte(22, 20 + i * 26.2);
        const auto Fuellung =
            Farbverlauf(QLinearGradient(Mitte - QPointF(0, 10), Mitte + QPointF(0, 10)),
                        QColor(0xFF, 0xFF, 0xE0), QColor(0xFF, 0xC8, 0x30));
        KonturText(Maler, Wort.mid(i, 1), Buchstaben, Mitte, Fuellung, QColor(0x40, 0x00, 0x00),
                   1.6);
    }
    Glanzlicht(Maler, Feld, 60);
    return Maler.Bild();
}

// One lit light of the ladder: 2X, 1X or 0X.
QImage Risikolicht(const QString& Text, const QColor& Farbe)
{
    TLeinwand Maler(TransparentesBild(54, 34));
    const QRectF Fassung(0.5, 0.5, 53, 33);
    const auto Chrom = Farbverlauf(QLinearGradient(Fassung.topLeft(), Fassung.bottomLeft()),
                                   QColor(0xF0, 0xF0, 0xF4), QColor(0x50, 0x54, 0x5C));
    Setze(Maler, QPen(QColor(0x18, 0x18, 0x1C), 1.0), Chrom);
    Maler.drawRoundedRect(Fassung, 10, 10);
    const QRectF Licht = Fassung.adjusted(3, 3, -3, -3);
    const auto Glut = MitStufen(
        QRadialGradient(Licht.center(), Licht.width() * 0.6),
        {{0, QColor(0xFF, 0xFF, 0xF0)}, {0.45, Farbe.lighter(120)}, {1, Farbe.darker(160)}});
    Setze(Maler, QPen(Farbe.darker(250), 1.0), Glut);
    Maler.drawRoundedRect(Licht, 8, 8);
    KonturText(Maler, Text, Schrift(Schnitt::Fett, 22), Licht.center(), QColor(Qt::white),
               Farbe.darker(280), 2.0);
    Glanzlicht(Maler, Licht, 140);
    return Maler.Bild();
}

} // namespace

QList<Bild> LampenBilder()
{
    QList<Bild> Liste;
    for (const Frucht& F : Fruechte()) {
        Liste.append({"Image" + F.Name + "Normal.png", Lampe(F, false)});
        Liste.append({"Image" + F.Name + "Aktiv.png", Lampe(F, true)});
    }
    Liste.append({"PfeilRot.png", Pfeil(QColor(0xE8, 0x1C, 0x24))});
    Liste.append({"PfeilGruen.png", Pfeil(QColor(0x2E, 0xD0, 0x40))});
    Liste.append({"ImageRisiko.png", Risikoleiter()});
    Liste.append({"Image2mal.png", Risikolicht("2X", QColor(0x30, 0xC8, 0x40))});
    Liste.append({"Image1mal.png", Risikolicht("1X", QColor(0xF0, 0xA0, 0x10))});
    Liste.append({"Image0mal.png", Risikolicht("0X", QColor(0xE0, 0x20, 0x28))});
    return Liste;
}

} // namespace Generator::Bilder
