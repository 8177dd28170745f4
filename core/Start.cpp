// Start-up of the machine: the main window's creation, the application-wide Esc key, activation,
// the program folder (the player's own one when the installed folder cannot be written), the
// install location, and the cash box and the visit carried over from the last run.

#include "core/MainForm.h"

#include "core/Programmordner.h"
#include "core/Prozessortakt.h"
#include "support/Arbeitsordner.h"
#include "support/Registrierung.h"
#include "support/STRegIni.h"
#include "ui/Bedienelemente.h"
#include "ui/Groessenziel.h"
#include "ui/ImageWindow.h"
#include "ui/Schriften.h"
#include "ui/Zahlenanzeige.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>

namespace {

const QString InstallSchluessel = QStringLiteral("Software\\Vorlix-Geldspielautomat");

// The program file in Verzeichnis: a file named "Vorlix" in any case; empty when there is none.
QString FindeProgrammdatei(const QString& Verzeichnis)
{
    const QFileInfoList Dateien = QDir(Verzeichnis).entryInfoList(QDir::Files | QDir::Hidden);
    for (const QFileInfo& Datei : Dateien)
        if (Datei.fileName().compare(QLatin1String("Vorlix"), Qt::CaseInsensitive) == 0)
            return Datei.absoluteFilePath();
    return {};
}

} // namespace

TMainForm::TMainForm(TMainFormUmgebung Umgebung, QWidget* Parent)
    : QWidget(Parent), Umgebung(std::move(Umgebung))
{
    if (!this->Umgebung.Meldungen)
        this->Umgebung.Meldungen = std::make_unique<TDialogMeldungen>();
    Tonspieler = this->Umgebung.Tonausgabe
                     ? std::make_unique<TSoundSpieler>(std::move(this->Umgebung.Tonausgabe))
                     : std::make_unique<TSoundSpieler>();
    if (!this->Umgebung.Uhr)
        this->Umgebung.Uhr = [] { return QDateTime::currentDateTime(); };
    if (!this->Umgebung.Zufall)
        this->Umgebung.Zufall = SystemZufall();
    if (!this->Umgebung.Oeffner)
        this->Umgebung.Oeffner = Verweise::DesktopOeffner();
    if (!this->Umgebung.DefekterSpeicher)
        this->Umgebung.DefekterSpeicher = [this](const QString& Text) {
            MeldeDefektenSpeicher(Text);
        };
    if (!this->Umgebung.ProzessEnde)
        this->Umgebung.ProzessEnde = &TMainForm::BeendeProzessSofort;
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

IGroessenZiel& TMainForm::GroessenZiel()
{
    return *Groessenziel;
}

void TMainForm::SetzeGroessenDialog(TForm2* Dialog)
{
    Groessendialog = Dialog;
}

void TMainForm::FormCreate()
{
    // Qt draws every widget through a back buffer already, so nothing flickers.
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

    AuszahlListe.clear();
    ZielbildSchraube = QImage();
    ZielbildLinks = QImage();
    ZielbildMitte = QImage();
    ZielbildRechts = QImage();

    ScheibenBreite = ImageOriginal->width();
    ScheibenHoehe = ImageOriginal->height();
    SchraubenBreite = ImageOriginalSchraube->width();
    SchraubenHoehe = ImageOriginalSchraube->height();

    setGeometry(1, 1, Bildschirmgroesse().width(), height());

    SymbolLinks = 0;
    SymbolMitte = 0;
    SymbolRechts = 0;

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

void TMainForm::BestimmeProgrammVerzeichnis()
{
    const QString Programmdateiordner = Umgebung.Programmordner.isEmpty()
                                            ? QCoreApplication::applicationDirPath()
                                            : Umgebung.Programmordner;
    const Programmordner::TOrdner Ordner = Programmordner::Bestimme(Programmdateiordner);
    if (!Ordner.Arbeitsordner.isEmpty() && QDir::setCurrent(Ordner.Arbeitsordner))
        Installordner = Ordner.Installordner;
    MediaPlayer1().SetzeErsatzordner(Installordner);

    ProgrammVerzeichnis = Arbeitsordner::OderErsatz(Programmdateiordner);
    if (!ProgrammVerzeichnis.endsWith(QLatin1Char('/')))
        ProgrammVerzeichnis += QLatin1Char('/');
    IniDatei = ProgrammVerzeichnis + QStringLiteral("Vorlix.ini");

    // The player's own folder holds no program file and is the program folder all the same; the
    // recorded install location is left to machines that work from their own folder.
    if (!Installordner.isEmpty())
        return;
    const QString Programmdatei = FindeProgrammdatei(ProgrammVerzeichnis);
    if (!Programmdatei.isEmpty()) {
        SchreibAnwendungsPfadINRegistry(Programmdatei);
    } else {
        ProgrammVerzeichnis = LiesAnwendungsPfadINRegistry();
        IniDatei = ProgrammVerzeichnis + QStringLiteral("Vorlix.ini");
    }
}

double TMainForm::GetCPUSpeed()
{
    return Prozessortakt::Messen();
}

void TMainForm::SchreibAnwendungsPfadINRegistry(const QString& Programmdatei)
{
    // Writing a value creates every key of its path.
    const auto Speicher = Benutzerspeicher(InstallSchluessel);
    Speicher->WriteString(QString(), Programmdatei);
    Speicher->WriteString(QStringLiteral("InstallPfad"), ProgrammVerzeichnis);
}

QString TMainForm::LiesAnwendungsPfadINRegistry()
{
    return Benutzerspeicher(InstallSchluessel)
        ->ReadString(QStringLiteral("InstallPfad"), QString());
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

bool TMainForm::eventFilter(QObject* Objekt, QEvent* Ereignis)
{
    if (Ereignis->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(Ereignis)->key() == Qt::Key_Escape) {
        Beenden();
    } else if (Objekt == Edit1 && Ereignis->type() == QEvent::MouseButtonPress) {
        Edit1Click();
    } else if (FaengtTasteAb(Objekt, Ereignis)) {
        return true;
    }
    return QWidget::eventFilter(Objekt, Ereignis);
}

void TMainForm::AppDeactivate()
{
    Deaktiviert = true;
}

void TMainForm::ApplicationActivate()
{
    Deaktiviert = false;
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
