// What the window asks of its surroundings, each through its part of TMainFormUmgebung: message
// boxes, the machine's comments, random draws, and the help document and the maker's web site
// opened on the desktop.

#include "core/MainForm.h"
#include "support/Machpaus.h"
#include "support/Sound.h"
#include "support/Verweise.h"

#include <QCheckBox>
#include <QFileInfo>

namespace {
const QString KeinAudiogeraet = QStringLiteral("Es ist kein Audiogerät angeschlossen!");
}

// Every part left empty is the real thing.
void TMainForm::ErgaenzeUmgebung()
{
    if (!Umgebung.Meldungen)
        Umgebung.Meldungen = std::make_unique<TDialogMeldungen>();
    Tonspieler = Umgebung.Tonausgabe
                     ? std::make_unique<TSoundSpieler>(std::move(Umgebung.Tonausgabe))
                     : std::make_unique<TSoundSpieler>();
    Tonspieler->SetzeBeobachter(
        [this](const QString& Pfad) { emit KlangGestartet(QFileInfo(Pfad).fileName()); });
    if (!Umgebung.Uhr)
        Umgebung.Uhr = [] { return QDateTime::currentDateTime(); };
    if (!Umgebung.Zufall)
        Umgebung.Zufall = SystemZufall();
    if (!Umgebung.Oeffner)
        Umgebung.Oeffner = Verweise::DesktopOeffner();
    if (!Umgebung.DefekterSpeicher)
        Umgebung.DefekterSpeicher = [this](const QString& Text) { MeldeDefektenSpeicher(Text); };
    if (!Umgebung.ProzessEnde)
        Umgebung.ProzessEnde = &TMainForm::BeendeProzessSofort;
}

QMessageBox::StandardButton TMainForm::MessageDlgCtr(const QString& Text, QMessageBox::Icon Art,
                                                     int HilfeKontext,
                                                     QMessageBox::StandardButtons Knoepfe)
{
    Q_UNUSED(HilfeKontext); // no help file is bound to the message boxes
    return Umgebung.Meldungen->Zeige(this, Art, Text, Knoepfe);
}

void TMainForm::SpieleKlang(TKlang Klang)
{
    try {
        Tonspieler->SpieleSoundWennEin(KommentarHoeren->isChecked(), KlangDatei(Klang));
    } catch (const ESoundFehler&) {
        MessageDlgCtr(KeinAudiogeraet, QMessageBox::Critical, 0, QMessageBox::Ok);
    }
}

void TMainForm::SpieleKlangPaar(TKlang Erster, TKlang Zweiter)
{
    try {
        Tonspieler->SpieleSoundPaar(
            KommentarHoeren->isChecked(), KlangDatei(Erster), KlangDatei(Zweiter),
            [this](int Millisekunden) { MachPause1->Pause(Millisekunden); });
    } catch (const ESoundFehler&) {
        MessageDlgCtr(KeinAudiogeraet, QMessageBox::Critical, 0, QMessageBox::Ok);
    }
}

int TMainForm::Zufallszahl(int n)
{
    return Umgebung.Zufall(n);
}

void TMainForm::HilfeButtonClick()
{
    const bool HilfeImInstallordner =
        !Installordner.isEmpty() && !QFileInfo::exists(Verweise::HilfePfad(ProgrammVerzeichnis));
    Verweise::OeffneHilfe(HilfeImInstallordner ? Installordner + QLatin1Char('/')
                                               : ProgrammVerzeichnis,
                          Umgebung.Oeffner);
}

void TMainForm::LogoImageClick()
{
    if (!Verweise::OeffneHerstellerSeite(Umgebung.Oeffner))
        MessageDlgCtr(QStringLiteral("Keinen Browser gefunden"), QMessageBox::NoIcon, 0,
                      QMessageBox::Ok);
}
