#include "discs/Gewinntabelle.h"

#include <string>

namespace Gewinntabelle {
namespace {

struct TZahlenregel
{
    int Code; // the code of the triple; Marker::Drei with Mitte3 for the middle 3 alone
    bool Mitte3;
    const char16_t* Einsatz; // nullptr: the label keeps the "30 Cent" set beforehand
    TBcdWert Einfach;
    const char16_t* EinfachMeldung;
    TBcdWert Doppelt;
    const char16_t* DoppeltMeldung;
};

const TZahlenregel Zahlenregeln[] = {
    {Marker::Eins, false, u"1 Euro", BcdFromText("1,0"), u"1 Euro gewonnen!", BcdFromText("2,0"),
     u"2 Euro gewonnen!"},
    {Marker::Zwei, false, u"2 Euro", BcdFromText("2,0"), u"2 Euro gewonnen!", BcdFromText("4,0"),
     u"4 Euro gewonnen!"},
    {Marker::Drei, false, u"3 Euro", BcdFromText("3,0"), u"3 Euro gewonnen!", BcdFromText("6,0"),
     u"6 Euro gewonnen!"},
    {Marker::Drei, true, nullptr, BcdFromText("0,3"), u"30 Cent gewonnen!", BcdFromText("0,6"),
     u"60 Cent gewonnen!"},
    {Marker::Vier, false, u"4 Euro", BcdFromText("4,0"), u"4 Euro gewonnen!", BcdFromText("8,0"),
     u"8 Euro gewonnen!"},
};

// The middle 3 alone, whose win a fruit pair in the same game raises.
constexpr int RegelMitte3 = 3;

struct TFruchtregel
{
    int Code;
    TFrucht Frucht;
    TBcdWert Sonderspiele;
    const char16_t* Serienmeldung;
};

const TFruchtregel Fruchtregeln[] = {
    {Marker::Zitrone, TFrucht::Zitrone, BcdFromText("10"), u"10 Sonderspiele gewonnen!!!"},
    {Marker::Erdbeere, TFrucht::Erdbeere, BcdFromText("5"), u"5 Sonderspiele gewonnen!!!"},
    {Marker::Karotte, TFrucht::Karotte, BcdFromText("15"), u"15 Sonderspiele gewonnen!!!"},
    {Marker::Kirsche, TFrucht::Kirsche, BcdFromText("20"), u"20 Sonderspiele gewonnen!!!"},
};

// The fruit wins, and the pair's amount raised by a middle 3 credited in the same game.
struct TFruchtbetraege
{
    TBcdWert Dreier = BcdFromText("3");
    TBcdWert Karottenschlitz = BcdFromText("30");
    TBcdWert Paar = BcdFromText("1");
    TBcdWert PaarNachMitte3 = BcdFromText("1,3");
    TBcdWert PaarNachDoppelterMitte3 = BcdFromText("1,6");
};
const TFruchtbetraege Fruchtbetraege;

// The table's texts live as long as the program: shared, never copied.
QString Text(const char16_t* Zeichen)
{
    return QString::fromRawData(reinterpret_cast<const QChar*>(Zeichen),
                                qsizetype(std::char_traits<char16_t>::length(Zeichen)));
}

class TAuswerter
{
public:
    TAuswerter(const TSpielstand& Stand, TBonusZaehler& Bonus, const TRisikoFrage& Risiko,
               const TSchrittZiel& Ziel)
        : Stand(Stand), Bonus(Bonus), Risiko(Risiko), Ziel(Ziel)
    {}

    TAuswertung Ergebnis()
    {
        if (Stand.Mitte == Marker::Drei)
            Gib({TSchritt::TArt::Einsatzlabel, QStringLiteral("30 Cent")});
        if (Stand.Deaktiviert) {
            Gib({TSchritt::TArt::Meldung, QStringLiteral("  Spielabbruch durch Anwender!")});
            A.Abbruch = true;
            return std::move(A);
        }
        if (AlleGelesen()) {
            int Nummer = 1;
            for (const auto& Regel : Zahlenregeln) {
                if (Gilt(Regel)) {
                    A.Regeln |= 1u << Nummer;
                    Zahlengewinn(Regel);
                }
                ++Nummer;
            }
            for (const auto& Regel : Fruchtregeln) {
                if (Dreier(Regel.Code)) {
                    A.Regeln |= 1u << Nummer;
                    Fruchtdreier(Regel);
                } else if (Stand.Links == Regel.Code && Stand.Rechts == Regel.Code) {
                    A.Regeln |= 1u << (Nummer + 1);
                    Fruchtpaar();
                }
                Nummer += 2;
            }
        }
        return std::move(A);
    }

private:
    bool AlleGelesen() const
    {
        const auto Gelesen = [](int Code) { return Code >= 1 && Code <= 8; };
        return Gelesen(Stand.Links) && Gelesen(Stand.Mitte) && Gelesen(Stand.Rechts);
    }

    bool Dreier(int Code) const
    {
        return Stand.Links == Code && Stand.Mitte == Code && Stand.Rechts == Code;
    }

    bool Gilt(const TZahlenregel& Regel) const
    {
        if (Regel.Mitte3)
            return Stand.Mitte == Marker::Drei && !Dreier(Marker::Drei);
        return Dreier(Regel.Code);
    }

    void Gib(TSchritt Schritt)
    {
        if (Ziel)
            Ziel(Schritt);
        // The longest evaluation, a completed series, has eight steps: one allocation.
        if (A.Schritte.empty())
            A.Schritte.reserve(8);
        A.Schritte.push_back(std::move(Schritt));
    }

    void Blinke(int Anzahl, bool Links, bool Mitte, bool Rechts)
    {
        Gib({TSchritt::TArt::Blinke, {}, {}, Anzahl, Links, Mitte, Rechts});
    }

    void Zahle(const TBcdWert& Betrag, const QString& Meldung)
    {
        Gib({TSchritt::TArt::Gutschrift, {}, Betrag});
        Gib({TSchritt::TArt::Meldung, Meldung});
        A.Gewonnen = true;
    }

    void Zahlengewinn(const TZahlenregel& Regel)
    {
        Blinke(1, !Regel.Mitte3, true, !Regel.Mitte3);
        if (!Stand.RisikoEin) {
            Zahle(Regel.Einfach, Text(Regel.EinfachMeldung));
            return;
        }
        Gib({TSchritt::TArt::Risiko, Regel.Einsatz ? Text(Regel.Einsatz) : QString()});
        switch (Risiko()) {
        case TRisikoErgebnis::Doppelt:
            A.Zahlengewinn = Regel.Doppelt;
            Zahle(A.Zahlengewinn, Text(Regel.DoppeltMeldung));
            break;
        case TRisikoErgebnis::Einfach:
            A.Zahlengewinn = Regel.Einfach;
            Zahle(A.Zahlengewinn, Text(Regel.EinfachMeldung));
            break;
        case TRisikoErgebnis::Nichts:
            A.Zahlengewinn = TBcdWert{};
            A.Gewonnen = false;
            break;
        }
    }

    void Fruchtdreier(const TFruchtregel& Regel)
    {
        const bool Karottenschlitz = Regel.Frucht == TFrucht::Karotte && Stand.SchraubeSenkrecht;
        Blinke(Karottenschlitz ? 5 : 1, true, true, true);
        if (Karottenschlitz)
            Zahle(Fruchtbetraege.Karottenschlitz, QStringLiteral("30 Euro gewonnen!"));
        else
            Zahle(Fruchtbetraege.Dreier, QStringLiteral("3 Euro gewonnen!"));

        int& Zaehler = Bonus[static_cast<int>(Regel.Frucht)];
        ++Zaehler;
        Gib({TSchritt::TArt::LampeAn, {}, {}, Zaehler, false, false, false, Regel.Frucht});
        if (Zaehler < LampenJeFrucht)
            return;
        Blinke(5, true, true, true);
        Gib({TSchritt::TArt::Sonderspiele, {}, Regel.Sonderspiele});
        Gib({TSchritt::TArt::LampenAus, {}, {}, 0, false, false, false, Regel.Frucht});
        Zaehler = 0;
        A.SonderspieleGewonnen = true;
        Gib({TSchritt::TArt::Meldung, Text(Regel.Serienmeldung)});
    }

    // A middle 3 credited in the same game raises the pair's amount by what the player kept.
    void Fruchtpaar()
    {
        Blinke(1, true, false, true);
        const TZahlenregel& Mitte3 = Zahlenregeln[RegelMitte3];
        if (A.Zahlengewinn == Mitte3.Einfach)
            Zahle(Fruchtbetraege.PaarNachMitte3, QStringLiteral("1,3 Euro gewonnen!"));
        else if (A.Zahlengewinn == Mitte3.Doppelt)
            Zahle(Fruchtbetraege.PaarNachDoppelterMitte3, QStringLiteral("1,6 Euro gewonnen!"));
        else
            Zahle(Fruchtbetraege.Paar, QStringLiteral("1 Euro gewonnen!"));
    }

    const TSpielstand& Stand;
    TBonusZaehler& Bonus;
    const TRisikoFrage& Risiko;
    const TSchrittZiel& Ziel;
    TAuswertung A;
};

} // namespace

TAuswertung WerteAus(const TSpielstand& Stand, TBonusZaehler& Bonus, const TRisikoFrage& Risiko,
                     const TSchrittZiel& Ziel)
{
    return TAuswerter(Stand, Bonus, Risiko, Ziel).Ergebnis();
}

TAusgang Ausgang(const TAuswertung& Auswertung, bool StopAngefordert)
{
    if (Auswertung.Abbruch)
        return TAusgang::Abbruch;
    if (Auswertung.Gewonnen)
        return Auswertung.SonderspieleGewonnen ? TAusgang::Sonderspielgewinn : TAusgang::Gewinn;
    return StopAngefordert ? TAusgang::NichtsGestoppt : TAusgang::Nichts;
}

} // namespace Gewinntabelle
