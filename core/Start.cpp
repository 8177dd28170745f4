// Start-up of the machine: the main window's creation with its work pictures, displays, program
// folder, cash box and visit, and the first paint that finishes it (settings, log, fit to the
// monitor, sound, size dialog, and the messages that waited for it). A store that another
// program keeps locked ends it.

#include "core/MainForm.h"

#include "core/Prozessortakt.h"
#include "support/Auswertung.h"
#include "support/Machpaus.h"
#include "support/STRegIni.h"
#include "ui/Bedienelemente.h"
#include "ui/Groessenziel.h"
#include "ui/ImageWindow.h"
#include "ui/ScalierungsEinstell.h"
#include "ui/Schriften.h"
#include "ui/Zahlenanzeige.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>

TMainForm::TMainForm(TMainFormUmgebung Umgebung, QWidget* Parent)
    : QWidget(Parent), Umgebung(std::move(Umgebung))
{
    ErgaenzeUmgebung();
    Groessenziel = std::make_unique<TGroessenZielFenster>(*this);
    ErzeugeSteuerelemente();
    RichteTastaturEin();
    FormCreate();
}

TMainForm::~TMainForm()
{
    qApp->removeEventFilter(this);
    try {
        FormDestroy();
    } catch (const std::exception& Fehler) {
        qWarning("Vorlix: %s", Fehler.what());
    }
}

void TMainForm::FormCreate()
{
    ProzessorTakt = GetCPUSpeed();
    qApp->installEventFilter(this);

    SpinbildKopie = ImageDrehendeScheibe->Picture().convertToFormat(QImage::Format_RGB888);
    for (TImageWindow* Scheibe : {ScheibeLinks, ScheibeMitte, ScheibeRechts})
        Scheibe->SetPicture(ImageOriginal->Picture());

    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState Zustand) {
                if (Zustand == Qt::ApplicationActive)
                    ApplicationActivate();
                else
                    AppDeactivate();
            });

    ScheibenBreite = ImageOriginal->width();
    ScheibenHoehe = ImageOriginal->height();
    SchraubenBreite = ImageOriginalSchraube->width();
    SchraubenHoehe = ImageOriginalSchraube->height();

    // No taller than the screen: a window manager does not maximise a window that exceeds it.
    setGeometry(1, 1, Bildschirmgroesse().width(), qMin(height(), Bildschirmgroesse().height()));

    // "Arial", bold, 17 points on a 96 dpi screen: 23 pixels.
    QFont Anzeigeschrift(Schriften::Serifenlos);
    Anzeigeschrift.setPixelSize(23);
    Anzeigeschrift.setBold(true);
    GeldAnzeigeBild = std::make_unique<TZahlenAnzeige>(*SpielGeldSpeicherAnzeige, GeldTextPos);
    GeldAnzeigeBild->SetzeSchrift(Anzeigeschrift);
    SpielGeldSpeicher = BcdFromText("0");
    ZeigeGuthaben(TAnzeigeArt::DarueberEineStelle);
    SonderAnzeigeBild = std::make_unique<TZahlenAnzeige>(*SonderSpieleAnzeige, SonderTextPos);
    SonderAnzeigeBild->SetzeSchrift(Anzeigeschrift);
    SonderSpiele = BcdFromText("0");
    ZeigeSonderspiele(TAnzeigeArt::Darueber);

    try {
        BestimmeProgrammVerzeichnis();
        LadeKassenstand();
        LadeBesuch();
    } catch (const EDateiGesperrt& Fehler) {
        BeendeWegenSperre(QString::fromStdString(Fehler.what()));
    }
}

void TMainForm::ZweiteKopieGestartet()
{
    if (ProgrammEndet || ZweitstartGemeldet)
        return;
    ZweitstartGemeldet = true;
    setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
    MessageDlgCtr(QStringLiteral("Vorlix läuft bereits. Es kann immer nur eine Vorlix-Maschine "
                                 "laufen; bitte spielen Sie in diesem Fenster weiter."),
                  QMessageBox::Information, 0, QMessageBox::Ok);
    ZweitstartGemeldet = false;
}

double TMainForm::GetCPUSpeed()
{
    return Prozessortakt::Messen();
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

// A message box during the start-up would let Esc end the program half started.
void TMainForm::MeldeDefektenSpeicher(const QString& Text)
{
    if (!StartGelaufen) {
        WartendeMeldungen << Text;
        return;
    }
    MessageDlgCtr(Text, QMessageBox::Warning, 0, QMessageBox::Ok);
}

void TMainForm::MeldeWartendes()
{
    StartGelaufen = true;
    while (!WartendeMeldungen.isEmpty() && !ProgrammEndet)
        MessageDlgCtr(WartendeMeldungen.takeFirst(), QMessageBox::Warning, 0, QMessageBox::Ok);
    if (!ProgrammEndet)
        MeldeBeschaedigtenKassenstand();
    if (!ProgrammEndet)
        MeldeBesuch();
}

void TMainForm::BeendeWegenSperre(const QString& Meldung)
{
    if (ProgrammEndet)
        return;
    ProgrammEndet = true;
    BeendenLaeuft = true;
    FormDestroyGelaufen = true;
    NichtsMehrSpeichern = true;
    MessageDlgCtr(Meldung + QStringLiteral("\nVorlix wird beendet, ohne etwas zu speichern."),
                  QMessageBox::Critical, 0, QMessageBox::Ok);
    Umgebung.ProzessEnde();
}
