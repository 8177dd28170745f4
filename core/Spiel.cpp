// Game start and stop: the chain of games, the start and stop buttons, the game duration, and
// the invalid game that a window losing its activation makes.

#include "core/MainForm.h"
#include "support/Auswertung.h"
#include "support/Machpaus.h"
#include "support/Zeitraffer.h"
#include "ui/Bedienelemente.h"
#include "ui/ImageWindow.h"

#include <QCheckBox>
#include <QMetaObject>
#include <QTimer>

void TMainForm::AutoStartClick()
{
    // The design picture again, a copy in 24 bits that has lost its variant.
    SetzeSpinbild(SpinbildKopie, false);

    if (StartGedrueckt) {
        // The free re-spin of the left disc, nested in the middle disc's spin.
        NachstartLaeuft = true;
        SymbolLinks = SymbolMitte = SymbolRechts = 0;
        StartBtnGruen->hide();
        StartGedrueckt = false;
        RotateLinksClick();
        return;
    }

    for (TBildKnopf* Pfeil : {PfeilLinks, PfeilMitte, PfeilRechts})
        Pfeil->SetGlyph(PfeilRot->Picture());
    SymbolLinks = SymbolMitte = SymbolRechts = 0;

    QString Ablehnung;
    if (BezahleSpiel(Ablehnung)) {
        RotateLinksClick();
        return;
    }

    ScheinEinzug_Grinz->show();
    Schein_Einzug_Baeh->hide();
    SpieleKlang(TKlang::Einzahlen);
    Schein_Einzug_Baeh->hide();
    Schein_Einzug->hide();
    Schein_Einzug2->hide();
    Label1->SetCaption(Ablehnung);
    Label1Zentrieren();
    PruefeObAutomatenkasseGeleertWerdenMuss();
    NichtBedienbarImage->hide();
    ZeigeGuthaben(TAnzeigeArt::Geloescht);
}

void TMainForm::StartBtnGruenClick()
{
    if (!StartBtnGruen->isVisible())
        return;
    StartGedrueckt = true;
    if (AutoStartCheckBox->isChecked())
        AutoStartClick();
}

void TMainForm::StopBtnGruenClick()
{
    if (!StopBtnGruen->isVisible())
        return;
    StopAngefordert = true;
    StopBtnGruen->hide();
}

void TMainForm::AutoStartCheckBoxClick()
{
    if (AutoStartCheckBox->isChecked())
        AutoStartClick();
}

void TMainForm::TimerSpieldauerTimer()
{
    TimerSpieldauer->stop();
}

void TMainForm::AppDeactivate()
{
    Deaktiviert = true;
}

void TMainForm::ApplicationActivate()
{
    Deaktiviert = false;
}

void TMainForm::SpielUngueltigMachen()
{
    while (Deaktiviert) {
        if (!Warte(1000))
            return;
    }
    for (TImageWindow* Scheibe : {ScheibeLinks, ScheibeMitte, ScheibeRechts})
        Scheibe->SetPicture(ImageOriginal->Picture());
    MessageDlgCtr(
        QStringLiteral("Das Programm wurde deaktiviert! Das aktuelle Spiel ist ungültig!"),
        QMessageBox::Information, 0, QMessageBox::Ok);
    HaengeLogZeilenAn({Auswertung::UngueltigZeile(SpielerName, UhrzeitText, DatumText),
                       Auswertung::TrennLinie()});
    SpielBezahlt = false;
    SichereBesuch();
    StopAngefordert = true;
    SpielLaeuft = false;
    NachstartLaeuft = false;
    SpielAbgebrochen = true;
    StopBtnGruen->hide();
    StartBtnGruen->hide();
    // No game runs any more, so the money may be taken out as after any other game.
    GibMirMeinGeldBtn->setEnabled(true);
    if (AutoStartCheckBox->isChecked())
        NaechstesSpielEinreihen();
}

void TMainForm::NaechstesSpielEinreihen()
{
    QMetaObject::invokeMethod(
        this,
        [this] {
            // A payout begun meanwhile has the last word.
            if (AuszahlungLaeuft || ProgrammEndet)
                return;
            if (Drehtiefe > 0)
                NaechstesSpielEinreihen();
            else
                AutoStartClick();
        },
        Qt::QueuedConnection);
}

bool TMainForm::Warte(int Millisekunden)
{
    if (ProgrammEndet)
        return false;
    MachPause1->Pause(Millisekunden);
    return !ProgrammEndet;
}

void TMainForm::SpielEnde()
{
    SpielLaeuft = false;
    SpielBezahlt = false;
    SichereBesuch();
    GibMirMeinGeldBtn->setEnabled(true);
    ScheibeLinks->SetPicture(ZielbildLinks);
    ScheibeMitte->SetPicture(ZielbildMitte);
    ScheibeRechts->SetPicture(ZielbildRechts);

    if (!Warte(1000))
        return;
    if (AutoStartCheckBox->isChecked() && !Warte(4000))
        return;
    Scheine_Einz_gewellt1->hide();
    Schein_Einzug->show();
    NachstartLaeuft = false;

    // The next game starts once this one has returned to the event loop.
    if (AutoStartCheckBox->isChecked())
        NaechstesSpielEinreihen();
}
