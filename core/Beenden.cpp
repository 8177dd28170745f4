// Quitting without a payout: Esc anywhere, the window's close command, and the stores made at
// the very end of every run.

#include "core/MainForm.h"

#include "support/Auswertung.h"
#include "support/Zeitraffer.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QSlider>
#include <cstdio>
#include <cstdlib>

namespace {
constexpr int AusklingenMs = 1000; // the longest the end waits for a sound still playing
}

void TMainForm::Beenden()
{
    if (BeendenLaeuft)
        return;
    BeendenLaeuft = true;
    ProgrammEndet = true;

    // Once the payout has begun, quitting only hurries it: its books are kept once, and the
    // money that has not fallen yet is paid all the same.
    if (AuszahlungLaeuft) {
        SchliesseAuszahlungAb();
        BeendeProzess();
        return;
    }
    QStringList Zeilen = LogZeilen();
    Auswertung::SchliesseAuswertung(Zeilen, Auswertung::TAbschlussArt::Beenden, SpielerName,
                                    DatumText, UhrzeitText);
    SetzeLogZeilen(Zeilen);
    SchliesseBesuch(Zeilen);
    if (LogDateiSpeichern->isChecked())
        SpeichereAuswertungsdatei(Zeilen, SpielerName, DatumText, UhrzeitText);
    BeendeProzess();
}

void TMainForm::BeendeProzess()
{
    try {
        FormDestroy();
        // The journal goes only once "KA" is stored: until then it holds the cash box.
        EntferneBesuch();
    } catch (const std::exception& Fehler) {
        // The program ends all the same; the player learns what could not be stored.
        MessageDlgCtr(Speicherfehler(Fehler), QMessageBox::Critical, 0, QMessageBox::Ok);
    }
    // The last coin of a payout, or a sound cut short by Esc, is heard to its end.
    Tonspieler->LassAusklingen(Zeitraffer::Dauer(AusklingenMs));
    Umgebung.ProzessEnde();
}

void TMainForm::BeendeProzessSofort()
{
    // Everything that must survive is stored by now, each file replaced atomically. Ending here
    // leaves every loop that is still running (a pause, a spin, a message box) without
    // returning into it.
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}

void TMainForm::FormDestroy()
{
    if (FormDestroyGelaufen)
        return;
    FormDestroyGelaufen = true;
    TaskleisteZeigen();
    SchreibeEinstellung(QStringLiteral("Spieldauer"), QString::number(TrackBar1->value()));
    AuszahlListe.clear();
    ZielbildSchraube = QImage();
    ZielbildLinks = QImage();
    ZielbildMitte = QImage();
    ZielbildRechts = QImage();
    // Also after the payout, which stored it with its comma before the money fell.
    SchreibeKassenstand();
}

void TMainForm::keyPressEvent(QKeyEvent* Ereignis)
{
    if (Ereignis->key() == Qt::Key_Escape || SchliessenAngefordert) {
        Beenden();
        return;
    }
    QWidget::keyPressEvent(Ereignis);
}

void TMainForm::closeEvent(QCloseEvent* Ereignis)
{
    // Closing the window is quitting by Esc: the log is closed and saved the same way.
    SchliessenAngefordert = true;
    Ereignis->ignore();
    Beenden();
}
