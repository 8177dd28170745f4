// The three discs: the spin loops, the frames and resting pictures, and the symbol detection.

#include "core/MainForm.h"
#include "discs/Marker.h"
#include "discs/Rotation.h"
#include "support/Zeitraffer.h"
#include "ui/Bedienelemente.h"
#include "ui/ImageWindow.h"

#include <QCoreApplication>
#include <QTimer>

namespace {

struct TDrehplan
{
    int Moeglichkeiten; // the draw r is uniform in 0 .. Moeglichkeiten - 1
    int Zuschlag;       // degrees added to 45 r for the limit
    int Schritt;        // degrees per frame
};

constexpr TDrehplan Drehplan(TMainForm::TScheibe Scheibe)
{
    switch (Scheibe) {
    case TMainForm::TScheibe::Links:
        return {45, 100, 135};
    case TMainForm::TScheibe::Mitte:
        return {60, 100, 45};
    case TMainForm::TScheibe::Rechts:
        break;
    }
    return {12, 800, 45};
}

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

TBildzeilen Zeilen(QImage& Bild)
{
    return {Bild.bits(), Bild.width(), Bild.height(), Bild.bytesPerLine()};
}

TBildzeilen Zeilen(const QImage& Bild)
{
    // The rotation only reads its source; constBits() keeps the picture's data unshared.
    return {const_cast<uchar*>(Bild.constBits()), Bild.width(), Bild.height(), Bild.bytesPerLine()};
}

// Ziel becomes Quelle (24 bits) turned by Winkel; Ziel keeps its memory when its size fits.
void DreheInZiel(const QImage& Quelle, QImage& Ziel, int MitteX, int MitteY, double Winkel)
{
    if (Ziel.size() != Quelle.size() || Ziel.format() != QImage::Format_RGB888)
        Ziel = QImage(Quelle.size(), QImage::Format_RGB888);
    Rotation::Drehe(Zeilen(Quelle), Zeilen(Ziel), MitteX, MitteY, Winkel);
}

void Bildpause()
{
    Zeitraffer::Schlafe(50);
}

int Code(const QImage& Bild, int Bisher)
{
    const QPoint Punkt = Marker::Messpunkt(Bild.width(), Bild.height());
    if (!Bild.valid(Punkt))
        return Bisher;
    const QRgb Farbe = Bild.pixel(Punkt);
    return Marker::Symbolcode(Marker::Bgr(qRed(Farbe), qGreen(Farbe), qBlue(Farbe)), Bisher);
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
    const int Grenze = 45 * Zufallszahl(Drehplan(TScheibe::Links).Moeglichkeiten) + 100;
    LinksGestoppt = false;
    SchnellZaehler = 0;
    Zeitraffer::Einschalten(*TimerSchnellDrehendeScheibe);
    if (!ScheibeDrehen(TScheibe::Links, Grenze))
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
    const int Grenze = 45 * Zufallszahl(Drehplan(TScheibe::Mitte).Moeglichkeiten) + 100;
    MitteGestoppt = false;
    SchnellZaehler = 0;
    Zeitraffer::Einschalten(*TimerSchnellDrehendeScheibe);
    if (!ScheibeDrehen(TScheibe::Mitte, Grenze))
        return;
    StopBtnGruen->hide();
    RotateRechtsClick();
}

void TMainForm::RotateRechtsClick()
{
    Zeitraffer::Einschalten(*TimerSpieldauer);
    const int Grenze = 45 * Zufallszahl(Drehplan(TScheibe::Rechts).Moeglichkeiten) + 800;
    RechtsGestoppt = false;
    SchnellZaehler = 0;
    Zeitraffer::Einschalten(*TimerSchnellDrehendeScheibe);
    if (!ScheibeDrehen(TScheibe::Rechts, Grenze))
        return;
    StopBtnGruen->hide();
    if (StopAngefordert || RechtsGestoppt)
        ZeigeRuhebild(TScheibe::Rechts);
    CheckMarker();
    CheckSchraube();
    Zeitraffer::Einschalten(*SchraubenTimer);
    Auswerten();
}

bool TMainForm::ScheibeDrehen(TScheibe Scheibe, int Grenze)
{
    const TZaehlerImStapel Tiefe(Drehtiefe);
    const int Schritt = Drehplan(Scheibe).Schritt;
    bool& Endanflug = Scheibe == TScheibe::Links   ? LinksGestoppt
                      : Scheibe == TScheibe::Mitte ? MitteGestoppt
                                                   : RechtsGestoppt;
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
        Winkel = TimerSpieldauer->isActive() ? Schritt : Winkel + Schritt;
        if (Winkel >= Grenze - Schritt) {
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
    DreheInZiel(Quelle, ZielbildLinks, MitteX, MitteY, Winkel);
    const QImage& Spinbild = ImageDrehendeScheibe->Picture();
    ScheibeMitte->ZeichneDarueber(Spinbild);
    ScheibeRechts->ZeichneDarueber(Spinbild);
    ScheibeLinks->ZeichneDarueber(Spinbild);
    Bildpause();
}

void TMainForm::RotateBitmapMitte(const QImage& Quelle, int MitteX, int MitteY, double Winkel)
{
    DreheInZiel(Quelle, ZielbildMitte, MitteX, MitteY, Winkel);
    const QImage& Spinbild = ImageDrehendeScheibe->Picture();
    ScheibeRechts->ZeichneDarueber(Spinbild);
    ScheibeMitte->ZeichneDarueber(Spinbild);
    if (MitteGestoppt)
        ZeigeRuhebild(TScheibe::Mitte);
    Bildpause();
}

void TMainForm::RotateBitmapRechts(const QImage& Quelle, int MitteX, int MitteY, double Winkel)
{
    DreheInZiel(Quelle, ZielbildRechts, MitteX, MitteY, Winkel);
    ScheibeRechts->ZeichneDarueber(ImageDrehendeScheibe->Picture());
    Bildpause();
}

void TMainForm::ZeigeRuhebild(TScheibe Scheibe)
{
    // The target keeps the artwork's own size and the disc only stretches it on the screen, so
    // the marker is read where the artwork has it, whatever size the machine has.
    switch (Scheibe) {
    case TScheibe::Links:
        ScheibeLinks->SetPicture(ZielbildLinks);
        break;
    case TScheibe::Mitte:
        ScheibeMitte->SetPicture(ZielbildMitte);
        break;
    case TScheibe::Rechts:
        ScheibeRechts->SetPicture(ZielbildRechts);
        break;
    }
}

void TMainForm::CheckMarker()
{
    SymbolLinks = Code(ZielbildLinks, SymbolLinks);
    SymbolMitte = Code(ZielbildMitte, SymbolMitte);
    SymbolRechts = Code(ZielbildRechts, SymbolRechts);
}
