// The journal of the visit: the money, the running game and the log kept outside the program at
// every change, restored after a crash, and removed once the visit has ended regularly.

#include "core/MainForm.h"

#include "money/Geldregeln.h"
#include "support/Auswertung.h"
#include "support/Dateien.h"
#include "ui/Bedienelemente.h"

#include <QCheckBox>

using Besuchsjournal::TBesuch;

namespace {

QString Wiederhergestellt(const TBesuch& Besuch)
{
    QString Meldung =
        QStringLiteral("Vorlix wurde während eines Besuchs unterbrochen. Der Besuch geht weiter: "
                       "%1 Euro Guthaben, %2 Sonderspiele und die Auswertung mit allen "
                       "Einzahlungen sind wiederhergestellt.")
            .arg(Besuch.Guthaben.EuroText(),
                 QString::fromStdString(BcdToGeneral(Besuch.SonderSpiele)));
    if (Besuch.SpielOffen)
        Meldung += QStringLiteral("\nDas unterbrochene Spiel ist ungültig; sein Einsatz ist "
                                  "verbraucht.");
    return Meldung;
}

QString AuszahlungWiederhergestellt(const TBesuch& Besuch)
{
    const Geld::TAuszahlung Auszahlung =
        Geld::BerechneAuszahlung(Besuch.Guthaben, Besuch.SonderSpiele, Besuch.Kasse);
    return QStringLiteral("Vorlix wurde während der Auszahlung unterbrochen. Sie wird jetzt "
                          "beendet: %1 Euro für %2 Euro Guthaben und %3 Sonderspiele. Danach "
                          "endet Vorlix.")
        .arg(Auszahlung.AuszahlungText, Besuch.Guthaben.EuroText(),
             QString::fromStdString(BcdToGeneral(Besuch.SonderSpiele)));
}

} // namespace

TBesuch TMainForm::AktuellerBesuch() const
{
    TBesuch Besuch;
    Besuch.Guthaben = SpielGeldSpeicher;
    Besuch.SonderSpiele = SonderSpiele;
    Besuch.Kasse = Automatenkasse;
    Besuch.SpielOffen = SpielBezahlt;
    Besuch.AuszahlungAngefordert = AuszahlungAngefordert;
    Besuch.SpielerName = SpielerName;
    Besuch.Zeilen = LogZeilen();
    Besuch.AuswertungSpeichern = LogDateiSpeichern->isChecked();
    return Besuch;
}

bool TMainForm::SchreibeBesuch()
{
    if (BesuchGeschlossen || JournalAus())
        return true;
    Besuchsjournal::TBesuch Besuch = AktuellerBesuch();
    const QByteArray Stand = Besuchsjournal::AlsText(Besuch);
    if (Stand == LetzterBesuch)
        return true;
    // Counted also when the write fails: "KA" stored after it is then newer than the journal.
    Besuch.Generation = ++Generation;
    if (Besuchsjournal::Schreibe(Besuchsjournal::AlsText(Besuch)) != Dateien::ErfolgOk)
        return false;
    LetzterBesuch = Stand;
    return true;
}

void TMainForm::SichereBesuch()
{
    if (SchreibeBesuch() || BesuchsfehlerGemeldet)
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
    OhneJournal = Umgebung.OhneJournal;
    if (JournalAus()) {
        Umgebung.DefekterSpeicher(OhneJournal);
        return;
    }
    // Held by this machine alone, the folder of the logs has no writer but this one.
    Dateien::EntferneVerwaisteTempdateienMitEndung(Auswertungsordner(), QStringLiteral(".txt"));
    const Besuchsjournal::TGelesen Gelesen = Besuchsjournal::Lies();
    if (Gelesen.Fund == Besuchsjournal::TFund::Beschaedigt)
        Umgebung.DefekterSpeicher(Gelesen.Meldung);
    if (Gelesen.Fund != Besuchsjournal::TFund::Besuch)
        return;
    if (Gelesen.Besuch.Generation < Generation) {
        VerwirfVeraltetenBesuch();
        return;
    }
    try {
        LadeGueltigenBesuch(Gelesen.Besuch);
    } catch (const std::exception& Fehler) {
        Umgebung.DefekterSpeicher(Speicherfehler(Fehler));
    }
}

void TMainForm::LadeGueltigenBesuch(const TBesuch& Besuch)
{
    Generation = Besuch.Generation;
    if (Besuch.Abgeschlossen) {
        // At least as new as "KA": its cash box is the one to store.
        Automatenkasse = Besuch.Kasse;
        KassenstandText = Automatenkasse.EuroText();
        VollendeBesuch(Besuch);
        return;
    }
    if (!UebernimmBesuch(Besuch))
        return;
    Automatenkasse = Besuch.Kasse;
    KassenstandText = Automatenkasse.EuroText();
    OffenerBesuch = Besuch;
    SchreibeKassenstand();
}

bool TMainForm::UebernimmBesuch(TBesuch Besuch)
{
    Besuch.Generation = Generation + 1;
    const long Fehler = Besuchsjournal::Schreibe(Besuchsjournal::AlsText(Besuch));
    if (Fehler == Dateien::ErfolgOk) {
        Generation = Besuch.Generation;
        return true;
    }
    // Restored now, it would come back at every start.
    const QString Grund = QStringLiteral(
        "Vorlix wurde während eines Besuchs unterbrochen, aber seine Aufzeichnung in „%1“ "
        "kann nicht geändert werden: %2. Der Besuch wird deshalb nicht fortgesetzt, denn er "
        "käme bei jedem Start wieder. Vorlix beginnt einen neuen Besuch, ohne ihn "
        "aufzuzeichnen; der unterbrochene geht weiter, sobald die Aufzeichnung wieder "
        "geändert werden kann und bis dahin kein Geld eingezahlt wurde.");
    OhneJournal = Grund.arg(Besuchsjournal::Pfad(), Dateien::Fehlertext(Fehler));
    Umgebung.DefekterSpeicher(OhneJournal);
    return false;
}

// "KA" was stored after the journal's last write: the journal's writes had begun to fail, or a
// machine without it changed the cash box. Its money is older than the cash box.
void TMainForm::VerwirfVeraltetenBesuch()
{
    QString Meldung =
        QStringLiteral(
            "Vorlix wurde während eines Besuchs unterbrochen, dessen Aufzeichnung in „%1“ älter "
            "ist als der gespeicherte Kassenstand. Sie wird deshalb nicht wiederhergestellt; "
            "Guthaben und Sonderspiele dieses Besuchs sind verloren.")
            .arg(Besuchsjournal::Pfad());
    if (!Besuchsjournal::Entferne())
        Meldung += QStringLiteral(" Die Aufzeichnung konnte nicht entfernt werden.");
    Umgebung.DefekterSpeicher(Meldung);
}

// The visit had ended, and the program was cut short while it stored the end.
void TMainForm::VollendeBesuch(const TBesuch& Besuch)
{
    QString Meldung = QStringLiteral(
        "Vorlix wurde am Ende des letzten Besuchs unterbrochen. Der Besuch ist jetzt "
        "abgeschlossen");
    bool Gesichert = true;
    if (Besuch.AuswertungSpeichern) {
        const Auswertung::TSpeicherErgebnis Ergebnis =
            Auswertung::SpeichereAuswertung(Besuch.Zeilen, Auswertungsordner(), Besuch.SpielerName,
                                            Besuch.DatumText, Besuch.UhrzeitText);
        Meldung +=
            Ergebnis.Gespeichert
                ? QStringLiteral("; seine Auswertung ist gespeichert in:\n%1").arg(Ergebnis.Pfad)
                : QStringLiteral(", aber seine Auswertung konnte nicht gespeichert werden:\n%1\n%2")
                      .arg(Ergebnis.Pfad, Ergebnis.Fehler);
        Gesichert = Ergebnis.Gespeichert;
    } else {
        Meldung += u'.';
    }
    BesuchsMeldung = Meldung;
    SchreibeKassenstand();
    // The journal holds the only copy of a log that could not be saved.
    if (Gesichert)
        EntferneBesuch();
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
        HaengeLogZeilenAn({Auswertung::UngueltigZeile(SpielerName, UhrzeitText, DatumText,
                                                      Auswertung::TUngueltigGrund::Unterbrochen),
                           Auswertung::TrennLinie()});
    }
    SpielBezahlt = false;
    AuszahlungAngefordert = Besuch.AuszahlungAngefordert;
    SichereBesuch();
    BesuchsMeldung =
        AuszahlungAngefordert ? AuszahlungWiederhergestellt(Besuch) : Wiederhergestellt(Besuch);
    BesuchGehtWeiter = true;
    BesuchWartet = true;
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
    if (AuszahlungAngefordert) {
        BesuchWartet = false;
        AuszahlenButtonClick();
        return;
    }
    const bool Spielbar =
        Geld::BezahleSpiel(SpielGeldSpeicher, SonderSpiele).Art != Geld::TBezahlart::Abgelehnt;
    if (!Spielbar || !AutoStartCheckBox->isChecked()) {
        BesuchWartet = false;
        return;
    }
    // As between two games: the player may take the money out before the next one starts, with
    // a click; a key would more likely be the one that closed the message.
    NichtBedienbarImage->show();
    GibMirMeinGeldBtn->setEnabled(true);
    Label1->SetCaption(QStringLiteral("Der Besuch geht gleich weiter"));
    Label1Zentrieren();
    const bool Weiter = Warte(1000) && Warte(4000);
    BesuchWartet = false;
    if (Weiter && AutoStartCheckBox->isChecked())
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
    BesuchGeschlossen = true;
    if (JournalAus())
        return;
    Besuch.Generation = ++Generation;
    Besuchsjournal::Schreibe(Besuchsjournal::AlsText(Besuch));
}

void TMainForm::EntferneBesuch()
{
    if (JournalAus())
        return;
    Besuchsjournal::Entferne();
    LetzterBesuch.clear();
}
