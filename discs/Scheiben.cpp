// The three discs: the spin loops, the frames and resting pictures, and the symbol detection.

#include "core/MainForm.h"
#include "discs/Scheibenbild.h"
#include "discs/Scheibenregeln.h"
#include "support/Zeitraffer.h"
#include "ui/Bedienelemente.h"
#include "ui/ImageWindow.h"

#include <QCoreApplication>
#include <QTimer>

namespace {

class TZaehlerImStapel
{
public:
    explicit TZaehlerImStapel(int& Zaehler) : Zaehler(Zaehler) { ++Zaehler; }
    ~TZaehlerImStapel() { --Zaehler; }
    TZaehlerImStapel(const TZaehlerImStapel&) = delete;
    TZaehlerImStapel& operator=(const TZaehlerImStapel&) = delete;

private:
    int& Zaehler;
};

void Bildpause()
{
    Zeitraffer::Schlafe(50);
}

} // namespace

void TMainForm::RotateLinksClick()
{
    if (!NachstartLaeuft)
        SpielAbgebrochen = false;
    GibMirMeinGeldBtn->setEnabled(false);
    Zeitraffer::Einschalten(*TimerSpieldauer);
    SchraubenTimer->stop();
    Image2mal->hide();
    Image1mal->hide();
    Image0mal->hide();
    if (RisikoEin)
        ImageRisiko->show();
    LabelBetrag->hide();
    Deaktiviert = false;
    ImageSpritzer->hide();
    Schein_Einzug_Baeh->hide();
    Schein_Einzug->show();
    Schein_Einzug2->hide();
    Label1->SetCaption(QString());
    SpielLaeuft = true;
    StopAngefordert = false;
    if (!ScheibeDrehen(TScheibe::Links))
        return;
    if (LinksGestoppt)
        ZeigeRuhebild(TScheibe::Links);
    if (!NachstartLaeuft) {
        StartBtnGruen->show();
        StartBtnGruen->setFocus();
        RotateMitteClick();
    }
    // A free re-spin returns into the middle disc's spin, whose picture flickers on; after a whole
    // game no disc turns, and the spin picture is left alone until the next one starts.
    if (NachstartLaeuft && !ProgrammEndet)
        Zeitraffer::Einschalten(*TimerSchnellDrehendeScheibe);
}

void TMainForm::RotateMitteClick()
{
    Zeitraffer::Einschalten(*TimerSpieldauer);
    StopAngefordert = false;
    if (!ScheibeDrehen(TScheibe::Mitte))
        return;
    StopBtnGruen->hide();
    RotateRechtsClick();
}

void TMainForm::RotateRechtsClick()
{
    Zeitraffer::Einschalten(*TimerSpieldauer);
    if (!ScheibeDrehen(TScheibe::Rechts))
        return;
    StopBtnGruen->hide();
    if (StopAngefordert || RechtsGestoppt)
        ZeigeRuhebild(TScheibe::Rechts);
    CheckMarker();
    CheckSchraube();
    Zeitraffer::Einschalten(*SchraubenTimer);
    Auswerten();
}

bool TMainForm::ScheibeDrehen(TScheibe Scheibe)
{
    const TZaehlerImStapel Tiefe(Drehtiefe);
    const Scheibenregeln::TDrehplan Plan = Scheibenregeln::Drehplan(Scheibe);
    const int Grenze = Scheibenregeln::Grenze(Scheibe, Zufallszahl(Plan.Ziehungen));
    bool& Endanflug = Scheibe == TScheibe::Links   ? LinksGestoppt
                      : Scheibe == TScheibe::Mitte ? MitteGestoppt
                                                   : RechtsGestoppt;
    Endanflug = false;
    SchnellZaehler = 0;
    Zeitraffer::Einschalten(*TimerSchnellDrehendeScheibe);
    const QImage Vorlage = ImageOriginal->Picture().convertToFormat(QImage::Format_RGB888);
    const int MitteX = Rotation::Mitte(Vorlage.width());
    const int MitteY = Rotation::Mitte(Vorlage.height());

    int Winkel = 0;
    while (Winkel < Grenze && !(Scheibe == TScheibe::Rechts && StopAngefordert)) {
        if (Scheibe == TScheibe::Mitte && Winkel >= 600 && !StartGedrueckt)
            StartBtnGruen->hide();
        if (Scheibe == TScheibe::Rechts && Winkel > 89) {
            StopBtnGruen->show();
            if (StopBtnGruen->isVisible())
                StopBtnGruen->setFocus();
        }
        if (Deaktiviert) {
            SpielUngueltigMachen();
            return false;
        }
        switch (Scheibe) {
        case TScheibe::Links:
            RotateBitmapLinks(Vorlage, MitteX, MitteY, Winkel);
            break;
        case TScheibe::Mitte:
            RotateBitmapMitte(Vorlage, MitteX, MitteY, Winkel);
            break;
        case TScheibe::Rechts:
            RotateBitmapRechts(Vorlage, MitteX, MitteY, Winkel);
            break;
        }
        QCoreApplication::processEvents();
        // A free re-spin nested in here may have found the game invalid.
        if (ProgrammEndet || SpielAbgebrochen)
            return false;
        Winkel = Scheibenregeln::NaechsterWinkel(Winkel, Plan.Schritt, TimerSpieldauer->isActive());
        if (Scheibenregeln::ImEndanflug(Winkel, Grenze, Plan.Schritt)) {
            Endanflug = true;
            TimerSchnellDrehendeScheibe->stop();
            if (Scheibe == TScheibe::Mitte)
                StartBtnGruen->hide();
        }
    }
    return true;
}

void TMainForm::RotateBitmapLinks(const QImage& Quelle, int MitteX, int MitteY, double Winkel)
{
    Scheibenbild::DreheInZiel(Quelle, ZielbildLinks, MitteX, MitteY, Winkel);
    FeineScheiben.MerkeWinkel(TScheibe::Links, Winkel);
    ZeichneSpinbild({ScheibeMitte, ScheibeRechts, ScheibeLinks});
    Bildpause();
}

void TMainForm::RotateBitmapMitte(const QImage& Quelle, int MitteX, int MitteY, double Winkel)
{
    Scheibenbild::DreheInZiel(Quelle, ZielbildMitte, MitteX, MitteY, Winkel);
    FeineScheiben.MerkeWinkel(TScheibe::Mitte, Winkel);
    ZeichneSpinbild({ScheibeRechts, ScheibeMitte});
    if (MitteGestoppt)
        ZeigeRuhebild(TScheibe::Mitte);
    Bildpause();
}

void TMainForm::RotateBitmapRechts(const QImage& Quelle, int MitteX, int MitteY, double Winkel)
{
    Scheibenbild::DreheInZiel(Quelle, ZielbildRechts, MitteX, MitteY, Winkel);
    FeineScheiben.MerkeWinkel(TScheibe::Rechts, Winkel);
    ZeichneSpinbild({ScheibeRechts});
    Bildpause();
}

void TMainForm::ZeichneSpinbild(std::initializer_list<TImageWindow*> Scheiben)
{
    const QImage& Spin = ImageDrehendeScheibe->Picture();
    const QImage Fein = ImageDrehendeScheibe->Feinbild();
    for (TImageWindow* Scheibe : Scheiben)
        Scheibe->ZeichneDarueber(Spin, Fein);
}

void TMainForm::SetzeSpinbild(const QImage& Bild, bool Gespiegelt)
{
    const bool Dicht = ScheibeLinks->devicePixelRatioF() > 1;
    ImageDrehendeScheibe->SetPicture(Bild, Dicht ? FeineScheiben.Spinbild(Bild.size(), Gespiegelt)
                                                 : QImage());
}

void TMainForm::ZeigeRuhebild(TScheibe Scheibe)
{
    // The target keeps the artwork's own size and the disc only stretches it on the screen, so
    // the marker is read where the artwork has it, whatever size the machine has.
    TImageWindow* Anzeige = Scheibe == TScheibe::Links   ? ScheibeLinks
                            : Scheibe == TScheibe::Mitte ? ScheibeMitte
                                                         : ScheibeRechts;
    const QImage& Ziel = Scheibe == TScheibe::Links   ? ZielbildLinks
                         : Scheibe == TScheibe::Mitte ? ZielbildMitte
                                                      : ZielbildRechts;
    // Turning the artwork of twice the density costs four times the pixels: only for a screen
    // that shows it.
    Anzeige->SetPicture(Ziel, Anzeige->devicePixelRatioF() > 1 ? FeineScheiben.Ruhebild(Scheibe)
                                                               : QImage());
}

void TMainForm::CheckMarker()
{
    SymbolLinks = Scheibenbild::Symbolcode(ZielbildLinks, SymbolLinks);
    SymbolMitte = Scheibenbild::Symbolcode(ZielbildMitte, SymbolMitte);
    SymbolRechts = Scheibenbild::Symbolcode(ZielbildRechts, SymbolRechts);
}
