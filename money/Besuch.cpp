// The journal of the visit: the money, the running game and the log kept outside the program at
// every change, restored after a crash, and removed once the visit has ended regularly.

#include "core/MainForm.h"

#include "money/Geldregeln.h"
#include "support/AtomareDatei.h"
#include "support/Auswertung.h"
#include "ui/Bedienelemente.h"

#include <QCheckBox>

using Besuchsjournal::TBesuch;

namespace {

QString Text(const TBcdWert& Wert)
{
    return QString::fromStdString(BcdToFixed(Wert, 0, 2));
}

QString Wiederhergestellt(const TBesuch& Besuch)
{
    QString Meldung =
        QStringLiteral("Vorlix wurde während eines Besuchs unterbrochen. Der Besuch geht weiter: "
                       "%1 Euro Guthaben, %2 Sonderspiele und die Auswertung mit allen "
                       "Einzahlungen sind wiederhergestellt.")
            .arg(Text(Besuch.Guthaben), QString::fromStdString(BcdToGeneral(Besuch.SonderSpiele)));
    if (Besuch.SpielOffen)
        Meldung += QStringLiteral("\nDas unterbrochene Spiel ist ungültig; sein Einsatz ist "
                                  "verbraucht.");
    return Meldung;
}

} // namespace

TBesuch TMainForm::AktuellerBesuch() const
{
    TBesuch Besuch;
    Besuch.Guthaben = SpielGeldSpeicher;
    Besuch.SonderSpiele = SonderSpiele;
    Besuch.Kasse = Automatenkasse;
    Besuch.SpielOffen = SpielBezahlt;
    Besuch.SpielerName = SpielerName;
    Besuch.Zeilen = LogZeilen();
    Besuch.AuswertungSpeichern = LogDateiSpeichern->isChecked();
    return Besuch;
}

void TMainForm::SichereBesuch()
{
    if (BesuchGeschlossen)
        return;
    const QByteArray Text = Besuchsjournal::AlsText(AktuellerBesuch());
    if (Text == LetzterBesuch)
        return;
    if (Besuchsjournal::Schreibe(Text) == Registrierung::ErfolgOk) {
        LetzterBesuch = Text;
        return;
    }
    if (BesuchsfehlerGemeldet)
        return;
    BesuchsfehlerGemeldet = true;
    MessageDlgCtr(QStringLiteral("Der Besuch kann nicht in „%1“ aufgezeichnet werden. Stürzt "
                                 "Vorlix ab, sind Guthaben und Sonderspiele verloren.")
                      .arg(Besuchsjournal::Pfad()),
                  QMessageBox::Warning, 0, QMessageBox::Ok);
}

void TMainForm::BucheGutschrift(const TBcdWert& Betrag)
{
    SpielGeldSpeicher = BcdPlus(SpielGeldSpeicher, Betrag);
    ZeigeGuthaben(TAnzeigeArt::Darueber);
    SichereBesuch();
}

void TMainForm::BucheSonderspiele(const TBcdWert& Anzahl)
{
    SonderSpiele = BcdPlus(SonderSpiele, Anzahl);
    ZeigeSonderspiele(TAnzeigeArt::Darueber);
    SichereBesuch();
}

void TMainForm::LadeBesuch()
{
    const Besuchsjournal::TGelesen Gelesen = Besuchsjournal::Lies();
    if (Gelesen.Fund == Besuchsjournal::TFund::Beschaedigt)
        Umgebung.DefekterSpeicher(Gelesen.Meldung);
    if (Gelesen.Fund != Besuchsjournal::TFund::Besuch)
        return;
    // The journal is written before "KA", so its cash box is the newer one.
    Automatenkasse = Gelesen.Besuch.Kasse;
    KassenstandText = Text(Automatenkasse);
    if (Gelesen.Besuch.Abgeschlossen) {
        VollendeBesuch(Gelesen.Besuch);
        return;
    }
    try {
        SchreibeKassenstand();
    } catch (const std::exception& Fehler) {
        Umgebung.DefekterSpeicher(QString::fromLocal8Bit(Fehler.what()));
    }
    OffenerBesuch = Gelesen.Besuch;
}

// The visit had ended, and the program was cut short while it stored the end.
void TMainForm::VollendeBesuch(const TBesuch& Besuch)
{
    QString Meldung = QStringLiteral(
        "Vorlix wurde am Ende des letzten Besuchs unterbrochen. Der Besuch ist jetzt "
        "abgeschlossen");
    if (Besuch.AuswertungSpeichern) {
        const Auswertung::TSpeicherErgebnis Ergebnis =
            Auswertung::SpeichereAuswertung(Besuch.Zeilen, Auswertungsordner(), Besuch.SpielerName,
                                            Besuch.DatumText, Besuch.UhrzeitText);
        Meldung +=
            Ergebnis.Gespeichert
                ? QStringLiteral("; seine Auswertung ist gespeichert in:\n%1").arg(Ergebnis.Pfad)
                : QStringLiteral(", aber seine Auswertung konnte nicht gespeichert werden:\n%1\n%2")
                      .arg(Ergebnis.Pfad, Ergebnis.Fehler);
    } else {
        Meldung += u'.';
    }
    BesuchsMeldung = Meldung;
    try {
        SchreibeKassenstand();
        EntferneBesuch();
    } catch (const std::exception& Fehler) {
        Umgebung.DefekterSpeicher(QString::fromLocal8Bit(Fehler.what()));
    }
}

void TMainForm::StelleBesuchWiederHer()
{
    if (!OffenerBesuch)
        return;
    const TBesuch Besuch = *OffenerBesuch;
    OffenerBesuch.reset();
    SpielGeldSpeicher = Besuch.Guthaben;
    ZeigeGuthaben(TAnzeigeArt::Geloescht);
    SonderSpiele = Besuch.SonderSpiele;
    ZeigeSonderspiele(TAnzeigeArt::Geloescht);
    SpielerName = Besuch.SpielerName;
    SetzeLogZeilen(Besuch.Zeilen);
    if (Besuch.SpielOffen) {
        // As for a game lost to deactivation: the stake stays with the machine.
        UhrzeitTimerTimer();
        HaengeLogZeilenAn({Auswertung::UngueltigZeile(SpielerName, UhrzeitText, DatumText),
                           Auswertung::TrennLinie()});
    }
    SpielBezahlt = false;
    SichereBesuch();
    BesuchsMeldung = Wiederhergestellt(Besuch);
    BesuchGehtWeiter = true;
}

void TMainForm::MeldeBesuch()
{
    if (BesuchsMeldung.isEmpty())
        return;
    const QString Text = BesuchsMeldung;
    BesuchsMeldung.clear();
    MessageDlgCtr(Text, QMessageBox::Information, 0, QMessageBox::Ok);
}

void TMainForm::SetzeBesuchFort()
{
    if (!BesuchGehtWeiter || ProgrammEndet || AuszahlungLaeuft)
        return;
    BesuchGehtWeiter = false;
    const bool Spielbar =
        Geld::BezahleSpiel(SpielGeldSpeicher, SonderSpiele).Art != Geld::TBezahlart::Abgelehnt;
    if (!Spielbar || !AutoStartCheckBox->isChecked())
        return;
    // As between two games: the player may take the money out before the next one starts.
    NichtBedienbarImage->show();
    GibMirMeinGeldBtn->setEnabled(true);
    if (!Warte(1000) || !Warte(4000))
        return;
    NaechstesSpielEinreihen();
}

void TMainForm::SchliesseBesuch(const QStringList& Zeilen)
{
    TBesuch Besuch = AktuellerBesuch();
    Besuch.Zeilen = Zeilen;
    Besuch.SpielOffen = false;
    Besuch.Abgeschlossen = true;
    Besuch.DatumText = DatumText;
    Besuch.UhrzeitText = UhrzeitText;
    Besuchsjournal::Schreibe(Besuchsjournal::AlsText(Besuch));
    BesuchGeschlossen = true;
}

void TMainForm::EntferneBesuch()
{
    Besuchsjournal::Entferne();
    LetzterBesuch.clear();
}
