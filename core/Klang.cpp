// The machine's comments and its random draws.

#include "core/MainForm.h"
#include "support/Machpaus.h"
#include "support/Sound.h"

#include <QCheckBox>

namespace {
const QString KeinAudiogeraet = QStringLiteral("Es ist kein Audiogerät angeschlossen!");
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
