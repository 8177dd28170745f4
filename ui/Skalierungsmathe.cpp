#include "ui/Skalierungsmathe.h"

#include <algorithm>
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
    TGroessenSchritt Schritt;
    Schritt.SkalierSchritt = ScaleByWert < 100 ? 101 : ScaleByWert;
    Schritt.ScaleByWert = ScaleByWert + 1;
    return Schritt;
}

TGroessenSchritt SchrittKleiner(int ScaleByWert)
{
    TGroessenSchritt Schritt;
    Schritt.SkalierSchritt = 99;
    Schritt.ScaleByWert = ScaleByWert - 1;
    return Schritt;
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

bool FaktorErreichbar(int Faktor, TPanelLage Entwurf, QSize Bildschirm)
{
    if (Faktor <= 100)
        return Faktor >= 1;
    // Past this not even a single pixel of the design fits, and the sums below stay in range.
    if (Faktor > 100 * std::max(Bildschirm.width(), Bildschirm.height()))
        return false;
    for (QRect* Rechteck : {&Entwurf.GroupBox1, &Entwurf.GroupBox2, &Entwurf.DachImage,
                            &Entwurf.Image1, &Entwurf.ImageGesicht, &Entwurf.QRImage,
                            &Entwurf.LogoImage, &Entwurf.Label3, &Entwurf.TrackBar1})
        *Rechteck = SkaliereRechteck(*Rechteck, Faktor - 1, 100);
    const TPanelLage Lage = Bildschirm.width() >= Bildschirm.height()
                                ? BerechneQuerformat(Entwurf, Bildschirm.width())
                                : BerechneHochformat(Entwurf);
    return GroesserErlaubt(RechterRand(Lage.GroupBox1), Bildschirm.width());
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
