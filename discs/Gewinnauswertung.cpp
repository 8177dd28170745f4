// The evaluation of a game: the win table played with its blinks, risk games, lamps, messages
// and sounds; and the blinking arrows.

#include "core/MainForm.h"
#include "discs/Gewinntabelle.h"
#include "support/Zeitraffer.h"
#include "ui/Bedienelemente.h"
#include "ui/Bonuslampen.h"

#include <QTimer>

using namespace Gewinntabelle;

namespace {

void SpieleSchritt(TMainForm& F, const TSchritt& Schritt)
{
    if (F.ProgrammEndet)
        return;
    switch (Schritt.Art) {
    case TSchritt::TArt::Einsatzlabel:
        F.LabelBetrag->SetCaption(Schritt.Text);
        break;
    case TSchritt::TArt::Blinke:
        F.Blinke(Schritt.Anzahl, Schritt.Links, Schritt.Mitte, Schritt.Rechts);
        break;
    case TSchritt::TArt::Risiko:
        if (!Schritt.Text.isEmpty())
            F.LabelBetrag->SetCaption(Schritt.Text);
        break;
    case TSchritt::TArt::Gutschrift:
        F.BucheGutschrift(Schritt.Betrag);
        break;
    case TSchritt::TArt::Meldung:
        // Centred at once: until the screw's next turn a long message would stand where the
        // short one before it was centred, half beside the face.
        F.Label1->SetCaption(Schritt.Text);
        F.Label1Zentrieren();
        break;
    case TSchritt::TArt::LampeAn: {
        const TBonuslampen& L = BonuslampenVon(Schritt.Frucht);
        (F.*L.Lampe[Schritt.Anzahl - 1])->SetPicture((F.*L.Aktiv)->Picture());
        break;
    }
    case TSchritt::TArt::LampenAus: {
        const TBonuslampen& L = BonuslampenVon(Schritt.Frucht);
        for (TBonuslampen::TBildZeiger Lampe : L.Lampe)
            (F.*Lampe)->SetPicture((F.*L.Normal)->Picture());
        break;
    }
    case TSchritt::TArt::Sonderspiele:
        F.BucheSonderspiele(Schritt.Betrag);
        break;
    }
}

// The light the ladder shows after the risk game; none when the program ended during it.
TRisikoErgebnis Risikoergebnis(TMainForm& F)
{
    if (F.ProgrammEndet)
        return TRisikoErgebnis::Nichts;
    F.RisikoSpiel();
    if (!F.Image2mal->isHidden())
        return TRisikoErgebnis::Doppelt;
    if (!F.Image1mal->isHidden())
        return TRisikoErgebnis::Einfach;
    return TRisikoErgebnis::Nichts;
}

void ZeigeNichts(TMainForm& F, bool Gestoppt)
{
    if (Gestoppt) {
        F.SchraubenTimer->stop();
        F.Schein_Einzug->hide();
        F.Schein_Einzug2->hide();
        F.ImageSpritzer->show();
        F.Schein_Einzug_Baeh->show();
        F.SpieleKlangPaar(TKlang::Stop, TKlang::Ups);
    }
    F.Label1->SetCaption(QStringLiteral("Nichts!"));
    F.Label1Zentrieren();
    if (F.Schein_Einzug_Baeh->isHidden()) {
        F.Scheine_Einz_gewellt1->show();
        F.Schein_Einzug->hide();
    }
}

} // namespace

void TMainForm::Auswerten()
{
    TBonusZaehler Bonus{BonusZitrone, BonusErdbeere, BonusKarotte, BonusKirsche};
    const TSpielstand Stand{SymbolLinks,       SymbolMitte, SymbolRechts,
                            SchraubeSenkrecht, RisikoEin,   Deaktiviert};
    Gewonnen = false;
    SonderspieleGewonnen = false;
    const TAuswertung Ergebnis = WerteAus(
        Stand, Bonus, [this] { return Risikoergebnis(*this); },
        [this](const TSchritt& Schritt) { SpieleSchritt(*this, Schritt); });

    BonusZitrone = Bonus[0];
    BonusErdbeere = Bonus[1];
    BonusKarotte = Bonus[2];
    BonusKirsche = Bonus[3];
    Zahlengewinn = Ergebnis.Zahlengewinn;
    Gewonnen = Ergebnis.Gewonnen;
    SonderspieleGewonnen = Ergebnis.SonderspieleGewonnen;
    if (Ergebnis.Abbruch)
        Deaktiviert = false;
    if (ProgrammEndet)
        return;

    switch (Ausgang(Ergebnis, StopAngefordert)) {
    case TAusgang::Abbruch:
        break;
    case TAusgang::Gewinn:
        SpieleKlangPaar(TKlang::Gewonnen1, TKlang::Gewonnen);
        break;
    case TAusgang::Sonderspielgewinn:
        SpieleKlangPaar(TKlang::Sonderspiele1, TKlang::Sonderspiele);
        break;
    case TAusgang::Nichts:
        ZeigeNichts(*this, false);
        break;
    case TAusgang::NichtsGestoppt:
        ZeigeNichts(*this, true);
        break;
    }
    if (ProgrammEndet)
        return;
    SpielEnde();
}

void TMainForm::Blinke(int Anzahl, bool Links, bool Mitte, bool Rechts)
{
    const auto Gruen = [&] {
        Schein_Einzug->show();
        Schein_Einzug2->hide();
        for (auto [Pfeil, Gewaehlt] : {std::pair{PfeilLinks, Links}, std::pair{PfeilMitte, Mitte},
                                       std::pair{PfeilRechts, Rechts}})
            if (Gewaehlt)
                Pfeil->SetGlyph(PfeilGruen->Picture());
    };
    for (int Mal = 0; Mal < Anzahl; ++Mal) {
        Zeitraffer::Starte(*Timer1, 500);
        Gruen();
        if (!Warte(1000))
            return;
        // A tick that the pause did not deliver must not turn the final green arrows red.
        if (Timer1->isActive())
            Timer1Timer();
    }
    Gruen();
}

void TMainForm::Timer1Timer()
{
    Schein_Einzug->hide();
    Schein_Einzug2->show();
    for (TBildKnopf* Pfeil : {PfeilLinks, PfeilMitte, PfeilRechts})
        Pfeil->SetGlyph(PfeilRot->Picture());
    Timer1->stop();
}
