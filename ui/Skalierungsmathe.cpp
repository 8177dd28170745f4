#include "ui/Skalierungsmathe.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace Skalierung {

int MulDiv(int Wert, int Zaehler, int Nenner)
{
    if (Nenner == 0)
        return Wert;
    const std::int64_t Produkt = static_cast<std::int64_t>(Wert) * Zaehler;
    const bool Negativ = (Produkt < 0) != (Nenner < 0);
    const std::int64_t Betrag = std::llabs(Produkt);
    const std::int64_t Teiler = std::llabs(static_cast<std::int64_t>(Nenner));
    const std::int64_t Gerundet = (2 * Betrag + Teiler) / (2 * Teiler);
    return static_cast<int>(Negativ ? -Gerundet : Gerundet);
}

namespace {
// Ganzzahlige Division, auf die nächste ganze Zahl gerundet, bei genau der Hälfte zur geraden.
int TeileGeradeGerundet(int Dividend, int Divisor)
{
    const int Quotient = Dividend / Divisor;
    const int Doppelrest = 2 * (Dividend % Divisor);
    if (Doppelrest > Divisor || (Doppelrest == Divisor && Quotient % 2 != 0))
        return Quotient + 1;
    return Quotient;
}
} // namespace

int ErsterStartFaktor(int BildschirmHoehe)
{
    if (BildschirmHoehe >= ReferenzBildschirmHoehe || BildschirmHoehe <= 0)
        return 100;
    const int Verhaeltnis = TeileGeradeGerundet(ReferenzBildschirmHoehe * 100, BildschirmHoehe);
    const int Faktor = 100 - (Verhaeltnis - 100);
    // A factor of zero or less would collapse the machine to nothing.
    return Faktor < 1 ? 1 : Faktor;
}

QRect SkaliereRechteck(const QRect& Rechteck, int Zaehler, int Nenner)
{
    const int Links = MulDiv(Rechteck.x(), Zaehler, Nenner);
    const int Oben = MulDiv(Rechteck.y(), Zaehler, Nenner);
    const int Rechts = MulDiv(Rechteck.x() + Rechteck.width(), Zaehler, Nenner);
    const int Unten = MulDiv(Rechteck.y() + Rechteck.height(), Zaehler, Nenner);
    return QRect(Links, Oben, Rechts - Links, Unten - Oben);
}

TGroessenSchritt SchrittGroesser(int ScaleByWert)
{
    return {ScaleByWert + 1, ScaleByWert + 1, ScaleByWert};
}

TGroessenSchritt SchrittKleiner(int ScaleByWert)
{
    return {ScaleByWert - 1, ScaleByWert - 1, ScaleByWert};
}

bool KleinerErlaubt(int BefehleLabelTop, int BildschirmHoehe, int ScaleByWert)
{
    return BefehleLabelTop >= BildschirmHoehe - 200 && ScaleByWert > 1;
}

bool GroesserErlaubt(int GroupBox1RechterRand, int BildschirmBreite)
{
    return BildschirmBreite >= GroupBox1RechterRand + 15;
}

namespace {
int RechterRand(const QRect& Rechteck)
{
    return Rechteck.x() + Rechteck.width();
}

int UntererRand(const QRect& Rechteck)
{
    return Rechteck.y() + Rechteck.height();
}
} // namespace

TPanelLage BerechneQuerformat(TPanelLage Lage, int BildschirmBreite)
{
    Lage.QRImageSichtbar = true;
    Lage.LogoImageSichtbar = true;
    Lage.GroupBox1.moveTop(UntererRand(Lage.DachImage));
    if (BildschirmBreite - RechterRand(Lage.GroupBox1) >= 20) {
        const int Rest = BildschirmBreite - (Lage.GroupBox1.width() + RechterRand(Lage.GroupBox2));
        Lage.GroupBox1.moveLeft(RechterRand(Lage.GroupBox2) + Rest / 2);
        if (Rest / 3 + 10 + Lage.GroupBox2.width() < Lage.GroupBox1.x())
            Lage.GroupBox2.moveLeft(Rest / 3 + 10);
        Lage.QRImage.moveTop(Lage.GroupBox1.y() - Lage.QRImage.height());
        Lage.QRImage.moveLeft(Lage.GroupBox1.x());
        Lage.LogoImage.moveLeft(RechterRand(Lage.QRImage) + 20);
    }
    Lage.TrackBar1.moveLeft(Lage.GroupBox2.x() + Lage.Label3.x() + 6);
    Lage.GroupBox1.setHeight(Lage.GroupBox2.height() - Lage.DachImage.height());
    return Lage;
}

TPanelLage BerechneHochformat(TPanelLage Lage)
{
    Lage.GroupBox2.moveLeft(0);
    Lage.GroupBox1.moveTop(UntererRand(Lage.DachImage) + Lage.Image1.height() - 40);
    Lage.GroupBox1.moveLeft(Lage.ImageGesicht.x() + Lage.ImageGesicht.width() / 2 -
                            Lage.GroupBox1.width() / 2);
    Lage.TrackBar1.moveLeft(Lage.GroupBox2.x() + Lage.Label3.x() + 6);
    Lage.GroupBox1.setHeight(Lage.GroupBox2.height() - Lage.DachImage.height());
    Lage.QRImageSichtbar = false;
    Lage.LogoImageSichtbar = false;
    return Lage;
}

namespace {
TPanelLage Skaliert(TPanelLage Lage, int Zaehler, int Nenner)
{
    for (QRect* Rechteck :
         {&Lage.GroupBox1, &Lage.GroupBox2, &Lage.DachImage, &Lage.Image1, &Lage.ImageGesicht,
          &Lage.QRImage, &Lage.LogoImage, &Lage.Label3, &Lage.TrackBar1})
        *Rechteck = SkaliereRechteck(*Rechteck, Zaehler, Nenner);
    return Lage;
}
} // namespace

bool PasstAufBildschirm(TPanelLage Lage, int Zaehler, int Nenner, QSize Bildschirm)
{
    // Past this not even a single pixel of the design fits, and the sums stay in range.
    if (Nenner <= 0 || Zaehler <= 0 ||
        std::int64_t(Zaehler) >
            std::int64_t(Nenner) * std::max(Bildschirm.width(), Bildschirm.height()))
        return false;
    Lage = Skaliert(Lage, Zaehler, Nenner);
    Lage = Bildschirm.width() >= Bildschirm.height() ? BerechneQuerformat(Lage, Bildschirm.width())
                                                     : BerechneHochformat(Lage);
    const QRect Flaeche(QPoint(0, 0), Bildschirm);
    return Flaeche.contains(Lage.GroupBox2) && Flaeche.contains(Lage.GroupBox1) &&
           GroesserErlaubt(RechterRand(Lage.GroupBox1), Bildschirm.width());
}

int PassenderFaktor(int Wunsch, const TPanelLage& Lage, int LageFaktor, QSize Bildschirm)
{
    int Faktor = std::min(Wunsch, std::max(Bildschirm.width(), Bildschirm.height()));
    while (Faktor > 1 && !PasstAufBildschirm(Lage, Faktor, LageFaktor, Bildschirm))
        --Faktor;
    return std::max(Faktor, 1);
}

QSize GlyphGroesse(QSize Glyph, QSize Entwurf, QSize Knopf)
{
    if (Entwurf.isEmpty())
        Entwurf = Knopf;
    const double Verhaeltnis = std::min(double(Knopf.width()) / Entwurf.width(),
                                        double(Knopf.height()) / Entwurf.height());
    const QSize Gewuenscht = QSize(int(std::lround(Glyph.width() * Verhaeltnis)),
                                   int(std::lround(Glyph.height() * Verhaeltnis)))
                                 .expandedTo(QSize(1, 1));
    const QSize Platz = (Knopf - QSize(4, 4)).expandedTo(QSize(1, 1));
    if (Gewuenscht.width() <= Platz.width() && Gewuenscht.height() <= Platz.height())
        return Gewuenscht;
    return Gewuenscht.scaled(Platz, Qt::KeepAspectRatio);
}

QRectF RasterFeld(QSize Feld, int Module, double Pixelverhaeltnis)
{
    const double Seite = std::min(Feld.width(), Feld.height()) * Pixelverhaeltnis;
    const int JeModul = std::max(1, int(std::floor(Seite / Module)));
    const int Geraetepixel = Module * JeModul;
    const auto Versatz = [&](int Laenge) {
        return std::floor((Laenge * Pixelverhaeltnis - Geraetepixel) / 2) / Pixelverhaeltnis;
    };
    return QRectF(Versatz(Feld.width()), Versatz(Feld.height()), Geraetepixel / Pixelverhaeltnis,
                  Geraetepixel / Pixelverhaeltnis);
}

TMuenzLage BerechneMuenzreihe(TMuenzLage Lage, int GroupBox1Breite)
{
    for (QRect* Muenze : {&Lage.Button_2_Euro, &Lage.Button_1_Euro, &Lage.Button_50_Cent,
                          &Lage.Button_20_Cent, &Lage.Button_10_Cent})
        Muenze->setWidth(Muenze->height());
    Lage.Button_2_Euro.moveLeft(Lage.Button_50_Euro.x());
    Lage.Button_1_Euro.moveLeft(RechterRand(Lage.Button_2_Euro));
    Lage.Button_50_Cent.moveLeft(RechterRand(Lage.Button_1_Euro));
    Lage.Button_20_Cent.moveLeft(RechterRand(Lage.Button_50_Cent));
    Lage.Button_10_Cent.moveLeft(GroupBox1Breite - Lage.Button_10_Cent.width() - 2);
    return Lage;
}

} // namespace Skalierung
