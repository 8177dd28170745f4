// The cash box: carried from start to start in the registry value "KA", loaded at start-up,
// stored at every deposit, by the payout and at the end, and emptied down to 100 Euro.

#include "core/MainForm.h"

#include "core/Einstellungswerte.h"
#include "money/Geldregeln.h"
#include "support/STRegIni.h"
#include "ui/Bedienelemente.h"

#include <QFileInfo>

const QString TMainForm::KassenSchluessel =
    QStringLiteral("System\\CurrentControlSet\\Services\\WinKasse");

std::unique_ptr<TStRegIni> TMainForm::Benutzerspeicher(const QString& Schluessel) const
{
    auto Speicher =
        std::make_unique<TStRegIni>(QStringLiteral("C_USERS"), false, Umgebung.DefekterSpeicher);
    Speicher->SetSubKey(Schluessel);
    return Speicher;
}

void TMainForm::LadeKassenstand()
{
    const auto Speicher = Benutzerspeicher(KassenSchluessel);
    Generation = Speicher->ReadString(QStringLiteral("KA-Generation"), QString()).toLongLong();
    const QString Gelesen = Speicher->ReadString(QStringLiteral("KA"), QString());
    const QString Text = Einstellungswerte::KassenstandAusSpeicher(Gelesen);
    if (const auto Kasse = Geld::KassenstandAusText(Text)) {
        Automatenkasse = *Kasse;
        KassenstandText = Text;
        return;
    }
    // The damaged value is kept, as it was stored, beside the new one; the player hears of it
    // once the window is up.
    BeschaedigterKassenstand = Gelesen;
    Automatenkasse = BcdFromText("0,00");
    KassenstandText = QStringLiteral("0,00");
    Benutzerspeicher(KassenSchluessel)
        ->WriteString(QStringLiteral("KA-beschaedigt"), BeschaedigterKassenstand);
}

void TMainForm::MeldeBeschaedigtenKassenstand()
{
    if (BeschaedigterKassenstand.isNull())
        return;
    const QString Text =
        QStringLiteral("Der gespeicherte Stand der Automatenkasse ist beschädigt: \"%1\".\n"
                       "Die Automatenkasse beginnt mit 0,00 Euro. Der beschädigte Wert bleibt "
                       "unter \"KA-beschaedigt\" gespeichert.")
            .arg(BeschaedigterKassenstand);
    BeschaedigterKassenstand = QString();
    MessageDlgCtr(Text, QMessageBox::Warning, 0, QMessageBox::Ok);
}

void TMainForm::SchreibeKassenstand(bool MitKomma)
{
    const QString Kassenstand = Automatenkasse.EuroText();
    // Without a journal, a cash box changed since the start is newer than any journal left on
    // the disk; one that is not changed leaves a journal there as valid as it was.
    if (JournalAus() && Kassenstand != KassenstandText)
        ++Generation;
    Benutzerspeicher(KassenSchluessel)
        ->WriteStrings(
            {{QStringLiteral("KA"),
              MitKomma ? Kassenstand : Einstellungswerte::KassenstandFuerSpeicher(Kassenstand)},
             {QStringLiteral("KA-Generation"), QString::number(Generation)}});
}

bool TMainForm::SichereKassenstand(bool MitKomma)
{
    try {
        SchreibeKassenstand(MitKomma);
        return true;
    } catch (const std::exception& Fehler) {
        MessageDlgCtr(QStringLiteral("Der Kassenstand konnte nicht gespeichert werden:\n%1")
                          .arg(Speicherfehler(Fehler)),
                      QMessageBox::Critical, 0, QMessageBox::Ok);
        return false;
    }
}

QString TMainForm::Speicherfehler(const std::exception& Fehler)
{
    const auto* Store = dynamic_cast<const EStRegIniError*>(&Fehler);
    if (!Store || Store->Ergebnis() == 0)
        return QString::fromLocal8Bit(Fehler.what());
    const QFileInfo Datei(
        Registrierung::TRegistrierungsDatei(QStringLiteral("HKEY_CURRENT_USER")).Pfad());
    return QStringLiteral("Die Datei „%1“ im Ordner „%2“ kann nicht geschrieben werden: %3.")
        .arg(Datei.fileName(), Datei.absolutePath(), Dateien::Fehlertext(Store->Ergebnis()));
}

void TMainForm::PruefeObAutomatenkasseGeleertWerdenMuss()
{
    const QString Kassenstand = Automatenkasse.EuroText();
    if (!Geld::KasseMussGeleertWerden(Automatenkasse))
        return;
    MessageDlgCtr(QStringLiteral("In der Automatenkasse sind ") + Kassenstand +
                      QStringLiteral(" Euro, sie muss geleert werden! 100 Euro verbleiben drin."),
                  QMessageBox::Information, 0, QMessageBox::Ok);
    if (ProgrammEndet)
        return;
    Automatenkasse = BcdFromText("100,00");
    AutomatenGeldspeicherAnzeige->SetCaption(QStringLiteral("100,00"));
    SichereBesuch();
}
