// Game start and stop: paying for a game, the chain of games, the start and stop buttons, the
// game duration and the invalid game.

#include "core/MainForm.h"
#include "support/Auswertung.h"
#include "support/Machpaus.h"
#include "support/Zeitraffer.h"
#include "ui/Bedienelemente.h"
#include "ui/ImageWindow.h"

#include <QCheckBox>
#include <QMetaObject>
#include <QTimer>

namespace {

const TBcdWert Spielpreis = BcdFromText("0,2");

bool Negativ(const TBcdWert& Wert)
{
    return BcdToGeneral(Wert).starts_with('-');
}

// What Label1 says when a game is refused for want of money, from the credit as plain text.
QString ZuWenigGeldText(const std::string& Guthaben)
{
    if (Guthaben.size() == 1 && Guthaben.starts_with('0'))
        return QStringLiteral("1 Spiel kostet 20 Cent");
    if (Guthaben.size() > 1 && Guthaben.starts_with("0,1"))
        return QStringLiteral("Betrag reicht nicht! 1 Spiel = 20 Cent");
    return {};
}

} // namespace

void TMainForm::AutoStartClick()
{
    if (Umgebung.Spielbeginn) {
        const int Stapelstelle = 0;
        Umgebung.Spielbeginn(&Stapelstelle);
    }
    ImageDrehendeScheibe->SetPicture(SpinbildKopie);

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

    const TBcdWert RestSonderspiele = BcdMinus(SonderSpiele, BcdFromText("1"));
    if (!Negativ(RestSonderspiele)) {
        SonderSpiele = RestSonderspiele;
        AnzeigeSonderspieleLoeschen();
        SchreibeSonderspieleAnzeige();
        RotateLinksClick();
        return;
    }

    // The credit is charged only when it covers the game, so it is never below zero, not even
    // while the refusal below shows its messages.
    const TBcdWert RestGuthaben = BcdMinus(SpielGeldSpeicher, Spielpreis);
    if (!Negativ(RestGuthaben)) {
        SpielGeldSpeicher = RestGuthaben;
        AnzeigeLoeschen();
        SchreibeGeldAnzeige("########0,00");
        RotateLinksClick();
        return;
    }

    ScheinEinzug_Grinz->show();
    Schein_Einzug_Baeh->hide();
    SpieleKlang(TKlang::Einzahlen);
    Schein_Einzug_Baeh->hide();
    Schein_Einzug->hide();
    Schein_Einzug2->hide();
    Label1->SetCaption(ZuWenigGeldText(BcdToGeneral(SpielGeldSpeicher)));
    Label1Zentrieren();
    PruefeObAutomatenkasseGeleertWerdenMuss();
    NichtBedienbarImage->hide();
    AnzeigeLoeschen();
    SchreibeGeldAnzeige("########0,00");
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

void TMainForm::Label1Zentrieren()
{
    const int Textbreite = GetTextSizeInPixel(Label1, Label1->font(), Label1->Caption()).width();
    Label1->move(ImageGesicht->x() + ImageGesicht->width() / 2 - Textbreite / 2, Label1->y());
}

void TMainForm::SpielEnde()
{
    SpielLaeuft = false;
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
