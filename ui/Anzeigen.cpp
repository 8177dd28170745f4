// What the main window draws itself: the credit and special-game displays, the clock, and the
// paint handler that finishes start-up on the first paint and follows the screen's orientation.

#include "core/MainForm.h"

#include "support/Auswertung.h"
#include "support/Machpaus.h"
#include "ui/Bedienelemente.h"
#include "ui/ScalierungsEinstell.h"
#include "ui/Zahlenanzeige.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextBlock>
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

void TMainForm::UhrzeitTimerTimer()
{
    const QDateTime Jetzt = Umgebung.Uhr();
    Label2->SetCaption(Auswertung::UhrzeitText(Jetzt));
    DatumText = Auswertung::DatumText(Jetzt);
    UhrzeitText = Auswertung::UhrzeitText(Jetzt);
}

QStringList TMainForm::LogZeilen() const
{
    QStringList Zeilen;
    for (QTextBlock Block = Memo1->document()->begin(); Block.isValid(); Block = Block.next())
        Zeilen.append(Block.text());
    if (Zeilen.size() == 1 && Zeilen.front().isEmpty())
        Zeilen.clear(); // an empty box still holds one empty block
    return Zeilen;
}

void TMainForm::SetzeLogZeilen(const QStringList& Zeilen)
{
    Memo1->clear();
    HaengeLogZeilenAn(Zeilen);
}

void TMainForm::HaengeLogZeilenAn(const QStringList& Zeilen)
{
    for (const QString& Zeile : Zeilen)
        Memo1->appendPlainText(Zeile);
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
// from its first paint on.
void TMainForm::FolgeBildschirm()
{
    if (QWindow* Fenster = windowHandle())
        connect(Fenster, &QWindow::screenChanged, this, &TMainForm::BildschirmGewechselt,
                Qt::UniqueConnection);
    QScreen* Jetzt = screen();
    if (Jetzt == BeobachteterBildschirm)
        return;
    disconnect(BildschirmVerbindung);
    BeobachteterBildschirm = Jetzt;
    if (Jetzt)
        BildschirmVerbindung =
            connect(Jetzt, &QScreen::geometryChanged, this, qOverload<>(&QWidget::update));
}

void TMainForm::BildschirmGewechselt()
{
    FolgeBildschirm();
    update();
}

void TMainForm::FormPaint()
{
    FormPaintAngefordert = false;
    if (ErsteDarstellung)
        ErsteDarstellungAusfuehren();
    BeobachteAusrichtung();
}

void TMainForm::ErsteDarstellungAusfuehren()
{
    NichtBedienbarImage->hide();
    ImageRisiko->setVisible(RisikoEin);
    AutomatenGeldspeicherAnzeige->SetCaption(KassenstandText);
    LiesDarstellungsEinstellungen();
    AuszahlungText.clear();
    SetzeLogZeilen(Auswertung::KopfZeilen());
    StelleBesuchWiederHer();
    ErsteDarstellung = false;
    AnMonitorAnpassen();
    GroupBox1->raise();
    GibMirMeinGeldBtn->setFocus();
    SpieleStartklang();
    if (ProgrammEndet)
        return;
    if (ErsterStart) {
        if (Groessendialog)
            Groessendialog->ZeigeErsterStart();
        ErsterStart = false;
    }
    MeldeWartendes();
    if (ProgrammEndet)
        return;
    QMetaObject::invokeMethod(this, &TMainForm::SetzeBesuchFort, Qt::QueuedConnection);
    emit StartAbgeschlossen();
}

void TMainForm::SpieleStartklang()
{
    if (!KommentarHoeren->isChecked())
        return;
    MachPause1->Pause(500);
    if (ProgrammEndet)
        return;
    try {
        Tonspieler->SpieleSound(KlangDatei(TKlang::Muenze));
    } catch (const ESoundFehler&) {
        MessageDlgCtr(QStringLiteral("Es ist kein Audiogerät angeschlossen! Option: Geräusche "
                                     "hören wird deaktiviert."),
                      QMessageBox::Critical, 0, QMessageBox::Ok);
        KommentarHoeren->setChecked(false); // stores "Sound" = "0"
    }
}

void TMainForm::BeobachteAusrichtung()
{
    const QSize Bildschirm = Bildschirmgroesse();
    if (Bildschirm.width() < Bildschirm.height()) {
        if (Querformat) {
            Hochformat = true;
            Querformat = false;
            DrehscheibeAnScheibeAnpassen();
            GroupBoxAnpassenHochformat();
        }
    } else if (Hochformat) {
        Hochformat = false;
        Querformat = true;
        DrehscheibeAnScheibeAnpassen();
        GroupBoxAnpassenQuerformat();
    }
}
