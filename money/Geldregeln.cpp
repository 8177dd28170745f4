#include "money/Geldregeln.h"

#include <algorithm>
#include <limits>

namespace Geld {

namespace {

// The entry of the table whose Name field is Gesucht; nullptr when there is none.
template <typename T, std::size_t N>
const T* EintragNamens(const std::array<T, N>& Tabelle, const char* T::*Name, QStringView Gesucht)
{
    for (const T& Eintrag : Tabelle)
        if (Gesucht == QLatin1String(Eintrag.*Name))
            return &Eintrag;
    return nullptr;
}

} // namespace

const std::array<TGeldBild, 9>& GeldBilder()
{
    static const std::array<TGeldBild, 9> Tabelle = {{
        {"Button_50_Euro", "50", " 50 Euro    ", true},
        {"Button_20_Euro", "20", " 20 Euro    ", true},
        {"Button_10_Euro", "10", " 10 Euro    ", true},
        {"Button_5_Euro", "5", "  5 Euro    ", true},
        {"Button_2_Euro", "2", "  2 Euro    ", true},
        {"Button_1_Euro", "1", "  1 Euro    ", true},
        {"Button_50_Cent", "0,5", "0,5 Euro    ", true},
        {"Button_20_Cent", "0,2", "0,2 Euro    ", false},
        {"Button_10_Cent", "0,1", "0,1 Euro    ", false},
    }};
    return Tabelle;
}

const TGeldBild* GeldBildFuer(QStringView Steuerelement)
{
    return EintragNamens(GeldBilder(), &TGeldBild::Steuerelement, Steuerelement);
}

const std::array<TAuszahlPosten, 9>& AuszahlPosten()
{
    using enum TGeldArt;
    using enum TFallGroesse;
    static const std::array<TAuszahlPosten, 9> Tabelle = {{
        {"50EuroSchein", 0, BcdFromText("50"), Schein, Behalten},
        {"20EuroSchein", 1, BcdFromText("20"), Schein, Behalten},
        {"10EuroSchein", 2, BcdFromText("10"), Schein, Behalten},
        {"5EuroSchein", 3, BcdFromText("5"), Schein, Behalten},
        {"2EuroMuenze", 4, BcdFromText("2"), Muenze, WieMuenzbild},
        {"1EuroMuenze", 5, BcdFromText("1"), Muenze, WieMuenzbild},
        {"50CentMuenze", 6, BcdFromText("0,50"), Muenze, WieMuenzbild},
        {"20CentMuenze", 7, BcdFromText("0,20"), Muenze, Behalten},
        {"10CentMuenze", 8, BcdFromText("0,10"), Muenze, WieMuenzbild},
    }};
    return Tabelle;
}

const TAuszahlPosten* AuszahlPostenFuer(QStringView Name)
{
    return EintragNamens(AuszahlPosten(), &TAuszahlPosten::Name, Name);
}

TBcdWert Spielpreis()
{
    static const TBcdWert Preis = BcdFromText("0,2");
    return Preis;
}

QStringList AuszahlListe(const TBcdWert& Auszahlung)
{
    QStringList Liste;
    std::int64_t Rest = Auszahlung.Cent();
    const std::int64_t GroesstesStueck = AuszahlPosten().front().Betrag.Cent();
    if (Rest < 0 || Rest / GroesstesStueck > MaxAuszahlStuecke)
        return Liste;
    for (const TAuszahlPosten& Posten : AuszahlPosten()) {
        const std::int64_t Wert = Posten.Betrag.Cent();
        for (; Rest >= Wert; Rest -= Wert)
            Liste.append(QString::fromLatin1(Posten.Name));
    }
    return Liste;
}

int GeldSpeicherEuro(const TBcdWert& Guthaben)
{
    const std::int64_t Euro = Guthaben.Cent() / 100;
    return int(std::clamp<std::int64_t>(Euro, std::numeric_limits<int>::min(),
                                        std::numeric_limits<int>::max()));
}

TSpielbezahlung BezahleSpiel(const TBcdWert& Guthaben, const TBcdWert& SonderSpiele)
{
    const TBcdWert RestSonderspiele = SonderSpiele - BcdFromText("1");
    if (!RestSonderspiele.Negativ())
        return {TBezahlart::Sonderspiel, Guthaben, RestSonderspiele, {}};
    // The credit is charged only when it covers the game, so it never drops below zero.
    const TBcdWert RestGuthaben = Guthaben - Spielpreis();
    if (!RestGuthaben.Negativ())
        return {TBezahlart::Guthaben, RestGuthaben, SonderSpiele, {}};
    QString Ablehnung;
    if (Guthaben.Null())
        Ablehnung = QStringLiteral("1 Spiel kostet 20 Cent");
    else if (Guthaben >= TBcdWert::AusCent(10))
        Ablehnung = QStringLiteral("Betrag reicht nicht! 1 Spiel = 20 Cent");
    return {TBezahlart::Abgelehnt, Guthaben, SonderSpiele, Ablehnung};
}

std::optional<TBcdWert> KassenstandAusText(const QString& Text)
{
    // 10^16 Euro in Cent: the first amount with a 17th integer digit.
    constexpr std::int64_t ZuGross = 1'000'000'000'000'000'000;
    try {
        const TBcdWert Wert = TBcdWert::AusEuroText(Text);
        const std::int64_t Cent = Wert.Cent();
        if (Cent >= ZuGross || Cent <= -ZuGross)
            return std::nullopt;
        return Wert;
    } catch (const EStBCDError&) {
        return std::nullopt;
    }
}

bool KasseMussGeleertWerden(const TBcdWert& Kasse)
{
    const std::int64_t Cent = Kasse.Cent();
    return Cent >= 1'000'000 && Cent <= 1'099'999;
}

TEinzahlung BerechneEinzahlung(const TBcdWert& Guthaben, const TBcdWert& Kasse,
                               const TGeldBild& Bild)
{
    const TBcdWert Betrag = BcdFromText(Bild.Betrag);
    TEinzahlung Neu{Guthaben + Betrag, Kasse + Betrag, {}};
    Neu.KassenText = Neu.Kasse.EuroText();
    return Neu;
}

TAuszahlung BerechneAuszahlung(const TBcdWert& Guthaben, const TBcdWert& SonderSpiele,
                               const TBcdWert& Kasse)
{
    TAuszahlung Neu;
    Neu.Guthaben = Guthaben + SonderSpiele * Spielpreis();
    Neu.SonderSpiele = TBcdWert{};
    Neu.AuszahlungText = Neu.Guthaben.EuroText();
    // What leaves the cash box is the amount paid, in whole cents.
    Neu.Kasse = Kasse - TBcdWert::AusEuroText(Neu.AuszahlungText);
    Neu.KassenText = Neu.Kasse.EuroText();
    Neu.Liste = AuszahlListe(Neu.Guthaben);
    return Neu;
}

} // namespace Geld
