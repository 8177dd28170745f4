// Money out: the payout with its books and its count-out.

#include "core/MainForm.h"

#include "money/Geldregeln.h"
#include "support/Auswertung.h"
#include "ui/Bedienelemente.h"

#include <QCheckBox>
#include <QDir>

namespace {
constexpr int FallSchritt = 8; // pixels the money falls per step
// Without a pause of its own the money moves one step per frame of a 60 Hz screen: the player sees
// it fall, and each coin has landed, and sounded, before the next one starts.
constexpr int FallBildMs = 16;
} // namespace

void TMainForm::GibMirMeinGeldBtnClick()
{
    AuszahlenButtonClick();
}

void TMainForm::AuszahlenButtonClick()
{
    // The button stays enabled while the money falls; a second payout would lower the cash box
    // twice.
    if (AuszahlungLaeuft || ProgrammEndet)
        return;
    AuszahlungLaeuft = true;
    // Asked for is asked for: a crash before the books are closed finishes the payout. A journal
    // that cannot keep the request would bring the visit back to play on, so the books are closed
    // at once instead; the log and "KA" then hold the payout.
    AuszahlungAngefordert = true;
    const bool Aufgezeichnet = SchreibeBesuch();
    Label1->hide();
    AuszahlListe.clear();
    if (!Aufgezeichnet)
        SchliesseAuszahlungAb();
    if (!Warte(1000))
        return;
    SchliesseAuszahlungAb();
    if (!LasseGeldFallen())
        return;
    Schein->hide();
    if (!Warte(1000))
        return;
    ProgrammEndet = true;
    BeendenLaeuft = true;
    BeendeProzess();
}

void TMainForm::SchliesseAuszahlungAb()
{
    if (AuszahlungGebucht)
        return;
    AuszahlungGebucht = true;
    const Geld::TAuszahlung Auszahlung =
        Geld::BerechneAuszahlung(SpielGeldSpeicher, SonderSpiele, Automatenkasse);
    QStringList Zeilen = LogZeilen();
    Auswertung::HaengeEreignisAn(Zeilen,
                                 Auswertung::AuszahlungsZeile(SpielerName, UhrzeitText, DatumText,
                                                              Auszahlung.AuszahlungText));
    Auswertung::SchliesseAuswertung(Zeilen, Auswertung::TAbschlussArt::Auszahlung, SpielerName,
                                    DatumText, UhrzeitText);

    SpielGeldSpeicher = Auszahlung.Guthaben;
    ZeigeGuthaben(TAnzeigeArt::DarueberEineStelle);
    SonderSpiele = Auszahlung.SonderSpiele;
    ZeigeSonderspiele(TAnzeigeArt::Darueber);
    AuszahlungText = Auszahlung.AuszahlungText;
    Automatenkasse = Auszahlung.Kasse;
    AutomatenGeldspeicherAnzeige->SetCaption(Auszahlung.KassenText);
    SetzeLogZeilen(Zeilen);
    SchliesseBesuch(Zeilen);
    if (LogDateiSpeichern->isChecked())
        SpeichereAuswertungsdatei(Zeilen, SpielerName, DatumText, UhrzeitText);
    KasseVonAuszahlungGespeichert = SichereKassenstand(true);
    // With the log and the cash box stored, nothing of the visit is left to keep.
    if (KasseVonAuszahlungGespeichert)
        EntferneBesuch();
    AuszahlListe = Auszahlung.Liste;
}

bool TMainForm::LasseGeldFallen()
{
    for (const QString& Name : AuszahlListe) {
        if (ProgrammEndet)
            return false;
        LasseEinStueckFallen(Name);
    }
    return !ProgrammEndet;
}

void TMainForm::LasseEinStueckFallen(const QString& Name)
{
    const Geld::TAuszahlPosten* Posten = Geld::AuszahlPostenFuer(Name);
    if (!Posten)
        return;
    const Geld::TGeldBild& Bild = Geld::GeldBilder()[static_cast<std::size_t>(Posten->Bild)];
    const auto* Vorlage = findChild<TBild*>(QLatin1String(Bild.Steuerelement));
    const bool IstSchein = Posten->Art == Geld::TGeldArt::Schein;

    Schein->hide();
    Schein->SetPicture(Vorlage->Picture());
    Schein->SetTransparent(!IstSchein);
    if (Posten->Groesse == Geld::TFallGroesse::WieMuenzbild)
        Schein->resize(Vorlage->size());
    SpielGeldSpeicher -= Posten->Betrag;
    ZeigeGuthaben(IstSchein ? TAnzeigeArt::Geloescht : TAnzeigeArt::Darueber);

    const QRect Schlitz = Schein_Einzug->geometry();
    Schein->move(Schlitz.x() + Schlitz.width() / 2 - Schein->width() / 2,
                 Schlitz.y() + Schlitz.height() / 2);
    Schein->raise();
    Schein->show();
    const int Unten = Bildschirmgroesse().height();
    while (Schein->y() < Unten) {
        Schein->move(Schein->x(), Schein->y() + FallSchritt);
        if (!Warte(GeschwindigkeitAuszahlung > 0 ? GeschwindigkeitAuszahlung : FallBildMs))
            return;
    }
    if (!IstSchein)
        SpieleKlang(TKlang::Muenze);
}
