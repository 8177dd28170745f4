// What the main window draws itself: the credit and special-game displays, the message under the
// face, the clock, and the paint handler that hands the first paint to the start-up and follows
// the screen's orientation.

#include "core/MainForm.h"

#include "support/Auswertung.h"
#include "ui/Bedienelemente.h"
#include "ui/Zahlenanzeige.h"

#include <QScreen>
#include <QWindow>

namespace {
constexpr int GeldLeerzeichen = 16;
constexpr int SonderLeerzeichen = 8;
} // namespace

void TMainForm::AnzeigeLoeschen()
{
    GeldAnzeigeBild->Loesche(GeldLeerzeichen);
}

void TMainForm::AnzeigeSonderspieleLoeschen()
{
    SonderAnzeigeBild->Loesche(SonderLeerzeichen);
}

void TMainForm::ZeigeGuthaben(TAnzeigeArt Art)
{
    if (Art == TAnzeigeArt::Geloescht)
        AnzeigeLoeschen();
    const char* Maske = Art == TAnzeigeArt::DarueberEineStelle ? "########0,0" : "########0,00";
    GeldAnzeigeBild->SchreibeText(QString::fromStdString(FormatBcd(Maske, SpielGeldSpeicher)));
}

void TMainForm::ZeigeSonderspiele(TAnzeigeArt Art)
{
    if (Art == TAnzeigeArt::Geloescht)
        AnzeigeSonderspieleLoeschen();
    SonderAnzeigeBild->SchreibeText(QString::fromStdString(FormatBcd("########0#", SonderSpiele)));
}

void TMainForm::Label1Zentrieren()
{
    const int Textbreite = GetTextSizeInPixel(Label1, Label1->font(), Label1->Caption()).width();
    Label1->move(ImageGesicht->x() + ImageGesicht->width() / 2 - Textbreite / 2, Label1->y());
}

void TMainForm::UhrzeitTimerTimer()
{
    const QDateTime Jetzt = Umgebung.Uhr();
    Label2->SetCaption(Auswertung::UhrzeitText(Jetzt));
    DatumText = Auswertung::DatumText(Jetzt);
    UhrzeitText = Auswertung::UhrzeitText(Jetzt);
}

void TMainForm::paintEvent(QPaintEvent*)
{
    FolgeBildschirm();
    if (!Gezeichnet) {
        Gezeichnet = true;
        emit ErstmalsGezeichnet();
    }
    // The work of a paint runs right after it: it may wait, show dialogs and move controls,
    // none of which belongs inside the drawing itself.
    if (!FormPaintAngefordert) {
        FormPaintAngefordert = true;
        QMetaObject::invokeMethod(this, &TMainForm::FormPaint, Qt::QueuedConnection);
    }
}

// A turned screen is noticed at the next paint; the screen watched is the one the window is on
// now, also after a move to another monitor. A new native window (new frame flags) is watched
// from its first paint on, when its screenChanged is connected for the first time.
void TMainForm::FolgeBildschirm()
{
    QWindow* Fenster = windowHandle();
    if (Fenster && connect(Fenster, &QWindow::screenChanged, this, &TMainForm::BildschirmGewechselt,
                           Qt::UniqueConnection))
        BeobachteBildschirm(Fenster->screen());
}

void TMainForm::BeobachteBildschirm(QScreen* Bildschirm)
{
    disconnect(BildschirmVerbindung);
    if (Bildschirm)
        BildschirmVerbindung =
            connect(Bildschirm, &QScreen::geometryChanged, this, qOverload<>(&QWidget::update));
}

void TMainForm::BildschirmGewechselt(QScreen* Bildschirm)
{
    BeobachteBildschirm(Bildschirm);
    update();
}

void TMainForm::FormPaint()
{
    FormPaintAngefordert = false;
    if (ErsteDarstellung)
        ErsteDarstellungAusfuehren();
    BeobachteAusrichtung();
}

void TMainForm::BeobachteAusrichtung()
{
    const QSize Bildschirm = Bildschirmgroesse();
    const bool Hoch = Bildschirm.width() < Bildschirm.height();
    if (Hoch ? Querformat : Hochformat)
        RichteAus(Hoch);
}
