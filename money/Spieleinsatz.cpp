// What each game costs: one special game, or else 20 Cent of the credit, taken before the discs
// turn.

#include "core/MainForm.h"

#include "money/Geldregeln.h"

bool TMainForm::BezahleSpiel(QString& Ablehnung)
{
    const Geld::TSpielbezahlung Bezahlung = Geld::BezahleSpiel(SpielGeldSpeicher, SonderSpiele);
    if (Bezahlung.Art == Geld::TBezahlart::Abgelehnt) {
        Ablehnung = Bezahlung.Ablehnung;
        return false;
    }
    SonderSpiele = Bezahlung.SonderSpiele;
    SpielGeldSpeicher = Bezahlung.Guthaben;
    if (Bezahlung.Art == Geld::TBezahlart::Sonderspiel)
        ZeigeSonderspiele(TAnzeigeArt::Geloescht);
    else
        ZeigeGuthaben(TAnzeigeArt::Geloescht);
    SpielBezahlt = true;
    SichereBesuch();
    return true;
}
