#include "tools/generator/BilderIntern.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

namespace Generator::Bilder {

namespace {

// A friendly arched eyebrow; the right one is the mirror image of the left.
QImage Augenbraue(bool Rechts)
{
    TLeinwand Maler(TransparentesBild(124, 25));
    if (Rechts) {
        Maler.translate(124, 0);
        Maler.scale(-1, 1);
    }
    QPainterPath Bogen = Kurven(QPointF(6, 20), {{30, 2, 86, 0, 119, 15}, {88, 8, 34, 10, 6, 20}});
    QPainterPath Strich;
    Strich.moveTo(7, 20);
    Strich.cubicTo(32, 3, 88, 1, 117, 14);
    const auto Haar = Farbverlauf(QLinearGradient(0, 2, 0, 22), QColor(0x7A, 0x4A, 0x22),
                                  QColor(0x3A, 0x1E, 0x0A));
    Maler.setPen(RunderStift(QBrush(Haar), 9));
    Maler.drawPath(Strich);
    Maler.setPen(QPen(QColor(0xB0, 0x7A, 0x48, 140), 2, Qt::SolidLine, Qt::RoundCap));
    QPainterPath Licht;
    Licht.moveTo(22, 12);
    Licht.cubicTo(40, 5, 80, 4, 100, 9);
    Maler.drawPath(Licht);
    return Maler.Bild();
}

// A number display: white rounded field in a chrome frame; the text is drawn on it at run time.
QImage Anzeige(const QString& Beschriftung)
{
    TLeinwand Maler(TransparentesBild(133, 34));
    const QRectF Rahmen(0.5, 0.5, 132, 33);
    const auto Chrom =
        Farbverlauf(QLinearGradient(Rahmen.topLeft(), Rahmen.bottomLeft()),
                    QColor(0xE8, 0xEA, 0xF0), QColor(0x8A, 0x90, 0x9C), QColor(0x3C, 0x40, 0x48));
    Setze(Maler, QPen(QColor(0x20, 0x22, 0x28), 1.0), Chrom);
    Maler.drawRoundedRect(Rahmen, 9, 9);
    Setze(Maler, QPen(QColor(0x60, 0x64, 0x6C), 1.0), Qt::white);
    Maler.drawRoundedRect(Rahmen.adjusted(2.5, 2.5, -2.5, -2.5), 7, 7);
    Maler.setPen(QColor(0x8A, 0x90, 0x9C));
    Maler.setFont(Schrift(Schnitt::Fett, Beschriftung.size() == 1 ? 17 : 9));
    const double Breite = Beschriftung.size() == 1 ? 26 : 72;
    TextImFeld(Maler, QRectF(4, 3, Breite, 28), Qt::AlignCenter, Beschriftung);
    return Maler.Bild();
}

QRadialGradient Knopfverlauf(const QRectF& Kreis, const QColor& Farbe)
{
    return Farbverlauf(
        QRadialGradient(Kreis.center() - QPointF(Kreis.width() * 0.16, Kreis.height() * 0.2),
                        Kreis.width() * 0.62),
        Farbe.lighter(170), Farbe, Farbe.darker(200));
}

void Knopfgrund(QPainter& Maler, const QRectF& Kreis, const QColor& Farbe)
{
    const auto Chrom =
        Farbverlauf(QLinearGradient(Kreis.topLeft(), Kreis.bottomRight()), QColor(0xFA, 0xFA, 0xFC),
                    QColor(0x98, 0x9E, 0xA8), QColor(0x3A, 0x3E, 0x46));
    Setze(Maler, QPen(QColor(0x18, 0x18, 0x1C), 1.0), Chrom);
    Maler.drawEllipse(Kreis);
    const QRectF Kappe = Kreis.adjusted(5, 5, -5, -5);
    Setze(Maler, QPen(Farbe.darker(260), 1.0), Knopfverlauf(Kappe, Farbe));
    Maler.drawEllipse(Kappe);
}

// The nose: a round, shiny red button.
QImage Nase()
{
    TLeinwand Maler(TransparentesBild(80, 78));
    const QRectF Kreis(2, 1, 76, 76);
    Knopfgrund(Maler, Kreis, QColor(0xE0, 0x28, 0x30));
    Glanzlicht(Maler, Kreis.adjusted(8, 6, -8, -8), 200);
    return Maler.Bild();
}

QImage GruenerKnopf(const QString& Text, bool Dreieck)
{
    TLeinwand Maler(TransparentesBild(80, 78));
    const QRectF Kreis(2, 1, 76, 76);
    Knopfgrund(Maler, Kreis, QColor(0x22, 0xB0, 0x34));
    Setze(Maler, Qt::NoPen, QColor(255, 255, 255, 235));
    if (Dreieck) {
        QPainterPath Zeichen(QPointF(34, 16));
        Zeichen.lineTo(49, 25);
        Zeichen.lineTo(34, 34);
        Zeichen.closeSubpath();
        Maler.drawPath(Zeichen);
    } else {
        Maler.drawRoundedRect(QRectF(33, 17, 15, 15), 2, 2);
    }
    KonturText(Maler, Text, Schrift(Schnitt::Fett, 16), QPointF(40, 50), QColor(Qt::white),
               QColor(0x0A, 0x40, 0x10), 1.6);
    Glanzlicht(Maler, Kreis.adjusted(8, 6, -8, -8), 170);
    return Maler.Bild();
}

// The mouth and its moods. All variants lie on the note slot, 214 x 40.
constexpr int MundBreite = 214, MundHoehe = 40;

QPainterPath Lippenform()
{
    QPainterPath Pfad =
        Kurven(QPointF(6, 14), {{40, 4, 174, 4, 208, 14}, {212, 24, 200, 36, 170, 37}});
    Pfad.lineTo(44, 37);
    Pfad.cubicTo(14, 36, 2, 24, 6, 14);
    return Pfad;
}

QImage Schlitz(bool Beleuchtet)
{
    TLeinwand Maler(TransparentesBild(MundBreite, MundHoehe));
    QLinearGradient Lippe(0, 4, 0, 38);
    const QColor Rot = Beleuchtet ? QColor(0xE0, 0x30, 0x38) : QColor(0x8A, 0x20, 0x26);
    Lippe.setColorAt(0, Rot.lighter(140));
    Lippe.setColorAt(0.5, Rot);
    Lippe.setColorAt(1, Rot.darker(170));
    Setze(Maler, QPen(QColor(0x50, 0x08, 0x0C), 1.4), Lippe);
    Maler.drawPath(Lippenform());
    const QRectF Spalt(26, 15, 162, 12);
    QLinearGradient Innen(Spalt.topLeft(), Spalt.bottomLeft());
    if (Beleuchtet) {
        Innen.setColorAt(0, QColor(0xFF, 0xF6, 0xC0));
        Innen.setColorAt(0.5, QColor(0xFF, 0xC8, 0x30));
        Innen.setColorAt(1, QColor(0xD0, 0x70, 0x00));
    } else {
        Innen.setColorAt(0, QColor(0x10, 0x08, 0x08));
        Innen.setColorAt(1, QColor(0x38, 0x24, 0x20));
    }
    Setze(Maler, QPen(QColor(0x30, 0x04, 0x06), 1.6), Innen);
    Maler.drawRoundedRect(Spalt, 6, 6);
    if (Beleuchtet) {
        Maler.setPen(Qt::NoPen);
        const auto Schein = Farbverlauf(QRadialGradient(Spalt.center(), 90),
                                        QColor(0xFF, 0xF0, 0xA0, 110), QColor(0xFF, 0xF0, 0xA0, 0));
        Maler.setBrush(Schein);
        Maler.drawRoundedRect(Spalt.adjusted(-14, -6, 14, 6), 12, 12);
    }
    return Maler.Bild();
}

QImage Wellenmund()
{
    TLeinwand Maler(TransparentesBild(MundBreite, MundHoehe));
    QPainterPath Welle(QPointF(14, 20));
    for (int x = 14; x <= 200; x += 2)
        Welle.lineTo(x, 20 + 7 * std::sin((x - 14) / 186.0 * 3 * 2 * M_PI));
    Maler.setPen(RunderStift(QColor(0x60, 0x08, 0x10), 11));
    Maler.drawPath(Welle);
    Maler.setPen(RunderStift(QColor(0xD8, 0x30, 0x38), 7));
    Maler.drawPath(Welle);
    Maler.setPen(QPen(QColor(255, 200, 200, 150), 2, Qt::SolidLine, Qt::RoundCap));
    Maler.drawPath(Welle.translated(0, -2));
    return Maler.Bild();
}

QImage Grinsen()
{
    TLeinwand Maler(TransparentesBild(MundBreite, MundHoehe));
    QPainterPath Mund =
        Kurven(QPointF(4, 6),
               {{60, 14, 154, 14, 210, 6}, {196, 30, 150, 39, 107, 39}, {64, 39, 18, 30, 4, 6}});
    Setze(Maler, RunderStift(QColor(0x60, 0x08, 0x10), 3), QColor(0x5A, 0x0A, 0x12));
    Maler.drawPath(Mund);
    // The teeth: a white band along the upper lip, parted into teeth.
    Maler.save();
    Maler.setClipPath(Mund);
    QPainterPath Zaehne(QPointF(4, 6));
    Zaehne.cubicTo(60, 14, 154, 14, 210, 6);
    Zaehne.lineTo(210, 0);
    Zaehne.lineTo(4, 0);
    Zaehne.closeSubpath();
    Setze(Maler, Qt::NoPen, Qt::white);
    Maler.drawPath(Zaehne.translated(0, 11));
    Maler.setPen(QPen(QColor(0xB0, 0xB0, 0xB8), 1.2));
    for (int x = 30; x <= 184; x += 22)
        Maler.drawLine(QPointF(x, 8), QPointF(x, 24));
    const auto Zunge = Farbverlauf(QRadialGradient(QPointF(107, 40), 50), QColor(0xFF, 0x70, 0x80),
                                   QColor(0xC0, 0x30, 0x40));
    Setze(Maler, Qt::NoPen, Zunge);
    Maler.drawEllipse(QPointF(107, 42), 48, 12);
    Maler.restore();
    Setze(Maler, RunderStift(QColor(0xC8, 0x28, 0x30), 4), Qt::NoBrush);
    Maler.drawPath(Mund);
    return Maler.Bild();
}

QImage Baeh()
{
    TLeinwand Maler(TransparentesBild(MundBreite, MundHoehe));
    // A crooked, pulled mouth with the tongue stuck out.
    QPainterPath Mund =
        Kurven(QPointF(22, 20), {{60, 4, 150, 2, 194, 12}, {176, 27, 90, 31, 22, 20}});
    Setze(Maler, RunderStift(QColor(0xC8, 0x28, 0x30), 7), QColor(0x4A, 0x08, 0x10));
    Maler.drawPath(Mund);
    QPainterPath Zunge =
        Kurven(QPointF(98, 20), {{96, 34, 106, 39, 121, 39}, {136, 39, 146, 33, 144, 17}});
    Zunge.closeSubpath();
    const auto Rosa = Farbverlauf(QLinearGradient(0, 17, 0, 39), QColor(0xFF, 0x90, 0xA0),
                                  QColor(0xD8, 0x40, 0x58));
    Setze(Maler, QPen(QColor(0x90, 0x10, 0x28), 1.8), Rosa);
    Maler.drawPath(Zunge);
    Maler.setPen(QPen(QColor(0xB0, 0x20, 0x40), 1.6, Qt::SolidLine, Qt::RoundCap));
    Maler.drawLine(QPointF(121, 24), QPointF(121, 34));
    Maler.setPen(QPen(QColor(0xFF, 0xFF, 0xFF, 140), 2, Qt::SolidLine, Qt::RoundCap));
    Maler.drawArc(QRectF(106, 20, 12, 14), 150 * 16, 70 * 16);
    return Maler.Bild();
}

// Paint splashes over the face: blobs with spikes and droplets in bright colours.
QImage Spritzer()
{
    TLeinwand Maler(TransparentesBild(417, 217));
    quint32 Zufall = 20240611u;
    auto Naechste = [&Zufall](double Bis) {
        Zufall = Zufall * 1664525u + 1013904223u;
        return (Zufall >> 8) / double(1u << 24) * Bis;
    };
    struct Fleck
    {
        QPointF Mitte;
        double Radius;
        QColor Farbe;
    };
    const Fleck Flecken[] = {
        {{70, 60}, 34, QColor(0xE8, 0x20, 0x60)},   {{340, 52}, 30, QColor(0x20, 0x90, 0xF0)},
        {{208, 150}, 28, QColor(0x30, 0xC0, 0x30)}, {{120, 170}, 22, QColor(0xFF, 0xA0, 0x00)},
        {{300, 168}, 24, QColor(0x90, 0x30, 0xD0)}, {{215, 40}, 18, QColor(0xFF, 0xD8, 0x00)},
    };
    for (const Fleck& F : Flecken) {
        QPainterPath Klecks;
        Klecks.addEllipse(F.Mitte, F.Radius, F.Radius * 0.86);
        const int Zacken = 9;
        for (int i = 0; i < Zacken; ++i) {
            const double Winkel = 2 * M_PI * i / Zacken + Naechste(0.5);
            const double Laenge = F.Radius * (1.25 + Naechste(0.7));
            const QPointF Richtung(std::cos(Winkel), std::sin(Winkel));
            const QPointF Quer(-Richtung.y(), Richtung.x());
            QPainterPath Zacke(F.Mitte + Quer * F.Radius * 0.32);
            Zacke.lineTo(F.Mitte + Richtung * Laenge);
            Zacke.lineTo(F.Mitte - Quer * F.Radius * 0.32);
            Zacke.closeSubpath();
            Klecks.addPath(Zacke);
            Klecks.addEllipse(F.Mitte + Richtung * (Laenge + 4 + Naechste(8)), 2.5 + Naechste(3.5),
                              2.5 + Naechste(3.5));
        }
        const auto Farbe = Farbverlauf(
            QRadialGradient(F.Mitte - QPointF(F.Radius * 0.3, F.Radius * 0.3), F.Radius * 1.6),
            F.Farbe.lighter(150), F.Farbe.darker(120));
        Setze(Maler, QPen(F.Farbe.darker(170), 1.2), Farbe);
        Maler.drawPath(Klecks.simplified());
        Glanzlicht(Maler,
                   QRectF(F.Mitte.x() - F.Radius * 0.7, F.Mitte.y() - F.Radius * 0.7,
                          F.Radius * 1.2, F.Radius * 1.2),
                   120);
    }
    return Maler.Bild();
}

} // namespace

QList<Bild> GesichtBilder()
{
    return {
        {"Augenbraue_links_Image.png", Augenbraue(false)},
        {"Augenbraue_rechts_Image.png", Augenbraue(true)},
        {"SpielGeldSpeicherAnzeige.png", Anzeige(QString::fromUtf8("€"))},
        {"SonderSpieleAnzeige.png", Anzeige("SONDER-\nSPIELE")},
        {"MenueBtn.png", Nase()},
        {"StartBtnGruen.png", GruenerKnopf("START", true)},
        {"StopBtnGruen.png", GruenerKnopf("STOP", false)},
        {"Schein_Einzug.png", Schlitz(true)},
        {"Schein_Einzug2.png", Schlitz(false)},
        {"Scheine_Einz_gewellt1.png", Wellenmund()},
        {"ScheinEinzug_Grinz.png", Grinsen()},
        {"Schein_Einzug_Baeh.png", Baeh()},
        {"ImageSpritzer.png", Spritzer()},
    };
}

} // namespace Generator::Bilder
