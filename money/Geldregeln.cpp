#include "money/Geldregeln.h"

#include <algorithm>

namespace Geld {

namespace {

QString Text(const TBcdWert& Wert)
{
    return QString::fromStdString(BcdToFixed(Wert, 0, 2));
}

bool Negativ(const TBcdWert& Wert)
{
    return BcdToGeneral(Wert).starts_with('-');
}

// "50" is 5000 Cent, "0,50" 50 Cent.
int InCent(const char* Betrag)
{
    const QString Text = QString::fromLatin1(Betrag);
    const qsizetype Komma = Text.indexOf(u',');
    if (Komma < 0)
        return Text.toInt() * 100;
    return Text.left(Komma).toInt() * 100 + Text.mid(Komma + 1).leftJustified(2, u'0').toInt();
}

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
        {"50EuroSchein", 0, "50", Schein, Behalten},
        {"20EuroSchein", 1, "20", Schein, Behalten},
        {"10EuroSchein", 2, "10", Schein, Behalten},
        {"5EuroSchein", 3, "5", Schein, Behalten},
        {"2EuroMuenze", 4, "2", Muenze, WieMuenzbild},
        {"1EuroMuenze", 5, "1", Muenze, WieMuenzbild},
        {"50CentMuenze", 6, "0,50", Muenze, WieMuenzbild},
        {"20CentMuenze", 7, "0,20", Muenze, Behalten},
        {"10CentMuenze", 8, "0,10", Muenze, WieMuenzbild},
    }};
    return Tabelle;
}

const TAuszahlPosten* AuszahlPostenFuer(QStringView Name)
{
    return EintragNamens(AuszahlPosten(), &TAuszahlPosten::Name, Name);
}

QStringList AuszahlListe(const QString& AuszahlungText)
{
    QStringList Liste;
    const qsizetype Komma = AuszahlungText.indexOf(u',');
    const QString Euro = Komma < 0 ? AuszahlungText : AuszahlungText.left(Komma);
    // Digits only, and few enough that the sum in Cent fits: a sign or anything else is no
    // amount to pay out.
    const bool Ziffern = !Euro.isEmpty() && Euro.size() <= 16 &&
                         std::all_of(Euro.begin(), Euro.end(), [](QChar Z) { return Z.isDigit(); });
    if (!Ziffern)
        return Liste;
    const qint64 Cent = Komma < 0 ? 0 : AuszahlungText.mid(Komma + 1, 2).toLongLong();
    qint64 Rest = Euro.toLongLong() * 100 + Cent;
    if (Rest / InCent("50") > MaxAuszahlStuecke)
        return Liste;
    for (const TAuszahlPosten& Posten : AuszahlPosten()) {
        const int Wert = InCent(Posten.Betrag);
        for (; Rest >= Wert; Rest -= Wert)
            Liste.append(QString::fromLatin1(Posten.Name));
    }
    return Liste;
}

int GeldSpeicherEuro(const TBcdWert& Guthaben)
{
    const QString Text = Geld::Text(Guthaben);
    return Text.left(Text.indexOf(u',')).toInt();
}

TSpielbezahlung BezahleSpiel(const TBcdWert& Guthaben, const TBcdWert& SonderSpiele)
{
    const TBcdWert RestSonderspiele = BcdMinus(SonderSpiele, BcdFromText("1"));
    if (!Negativ(RestSonderspiele))
        return {TBezahlart::Sonderspiel, Guthaben, RestSonderspiele, {}};
    // The credit is charged only when it covers the game, so it never drops below zero.
    const TBcdWert RestGuthaben = BcdMinus(Guthaben, BcdFromText("0,2"));
    if (!Negativ(RestGuthaben))
        return {TBezahlart::Guthaben, RestGuthaben, SonderSpiele, {}};
    const std::string Text = BcdToGeneral(Guthaben);
    QString Ablehnung;
    if (Text.size() == 1 && Text.starts_with('0'))
        Ablehnung = QStringLiteral("1 Spiel kostet 20 Cent");
    else if (Text.size() > 1 && Text.starts_with("0,1"))
        Ablehnung = QStringLiteral("Betrag reicht nicht! 1 Spiel = 20 Cent");
    return {TBezahlart::Abgelehnt, Guthaben, SonderSpiele, Ablehnung};
}

std::optional<TBcdWert> KassenstandAusText(const QString& Text)
{
    constexpr int GanzeStellen = 16;
    try {
        const TBcdWert Wert = BcdFromText(Text.toStdString());
        const QString Fest = Geld::Text(Wert);
        const qsizetype Stellen = Fest.indexOf(u',') - (Fest.startsWith(u'-') ? 1 : 0);
        if (Stellen > GanzeStellen)
            return std::nullopt;
        return Wert;
    } catch (const EStBCDError&) {
        return std::nullopt;
    }
}

bool KasseMussGeleertWerden(const QString& Kassenstand)
{
    return Kassenstand.indexOf(u',') == 5 && Kassenstand.startsWith(QLatin1String("10"));
}

TEinzahlung BerechneEinzahlung(const TBcdWert& Guthaben, const TBcdWert& Kasse,
                               const TGeldBild& Bild)
{
    const TBcdWert Betrag = BcdFromText(Bild.Betrag);
    TEinzahlung Neu{BcdPlus(Guthaben, Betrag), BcdPlus(Kasse, Betrag), {}};
    Neu.KassenText = Text(Neu.Kasse);
    return Neu;
}

TAuszahlung BerechneAuszahlung(const TBcdWert& Guthaben, const TBcdWert& SonderSpiele,
                               const TBcdWert& Kasse)
{
    TAuszahlung Neu;
    Neu.Guthaben = BcdPlus(Guthaben, BcdTimes(SonderSpiele, BcdFromText("0,2")));
    Neu.SonderSpiele = BcdFromText("0");
    Neu.AuszahlungText = Text(Neu.Guthaben);
    Neu.Kasse = BcdMinus(Kasse, BcdFromText(Neu.AuszahlungText.toStdString()));
    Neu.KassenText = Text(Neu.Kasse);
    Neu.Liste = AuszahlListe(Neu.AuszahlungText);
    return Neu;
}

} // namespace Geld
