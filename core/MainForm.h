#pragma once

#include "core/Umgebung.h"
#include "core/Zustand.h"
#include "discs/Feinscheiben.h"
#include "discs/Scheibenregeln.h"
#include "support/Besuchsjournal.h"
#include "support/Klaenge.h"

#include <QImage>
#include <QMessageBox>
#include <QSet>
#include <QWidget>
#include <initializer_list>
#include <memory>
#include <optional>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QScreen;
class QSlider;
class QTimer;
class TBild;
class TBildKnopf;
class TBeschriftung;
class TForm2;
class TImageWindow;
class TMachPause;
class TSoundSpieler;
class TStRegIni;
class TZahlenAnzeige;
class IGroessenZiel;
namespace Skalierung {
struct TPanelLage;
}
namespace PrivateProfil {
class TIniDatei;
}

// The machine's main window. It owns the machine: its controls, its state and its timers.
// The member functions are defined by concern, one file each; every section below names the file
// that defines its members. The controls and timers are made in ui/Steuerelemente.cpp.
class TMainForm : public QWidget, public TMaschinenZustand
{
    Q_OBJECT

public:
    explicit TMainForm(TMainFormUmgebung Umgebung = {}, QWidget* Parent = nullptr);
    ~TMainForm() override;

    // ---- the size dialog (ui/Groessenziel.cpp)
    // Created hidden after the main window; it speaks to the window through GroessenZiel().
    IGroessenZiel& GroessenZiel();
    void SetzeGroessenDialog(TForm2* Dialog);
    TForm2* Form2() const { return Groessendialog; }

    // ---- start-up (core/Start.cpp)
    static double GetCPUSpeed(); // MHz
    // A second copy was started: the window comes forward and tells the player in a box of its
    // own, so a running game keeps the activation and goes on once the box is closed.
    void ZweiteKopieGestartet();

    // ---- the program folder and the install location (core/Programmverzeichnis.cpp)
    void SchreibAnwendungsPfadINRegistry(const QString& Programmdatei);
    QString LiesAnwendungsPfadINRegistry();
    // The same, a store that cannot be written reported to the player in German.
    void MerkeAnwendungsPfad(const QString& Programmdatei);

    // ---- stored settings (core/Einstellungen.cpp)
    // The value of Schluessel in section "Einstellungen" of the settings file, read once into
    // Ini for several values; nullopt when the key is missing or empty.
    static std::optional<QString> LiesEinstellung(const PrivateProfil::TIniDatei& Ini,
                                                  const QString& Schluessel);
    // A failed write passes silently, but a file that another program keeps locked during the
    // start-up ends the program without writing anything (BeendeWegenSperre).
    void SchreibeEinstellung(const QString& Schluessel, const QString& Wert);

    // ---- quitting (core/Beenden.cpp)
    // Closes the log, saves it and ends the program without a payout, from whatever loop runs.
    void Beenden();
    // Stores "Spieldauer" and "KA"; runs once, at the end of the program.
    void FormDestroy();
    // The real end of the process, from whatever loop is running, once everything is stored.
    [[noreturn]] static void BeendeProzessSofort();

    // ---- the fit to the monitor, the title bar and scrolling (ui/Monitor.cpp)
    void AnMonitorAnpassen();
    void GroupBoxAnpassenQuerformat();
    void GroupBoxAnpassenHochformat();
    void HideTitlebar();
    void ShowTitlebar();
    void TaskleisteZeigen();
    QSize GetTextSizeInPixel(const QWidget* Steuerelement, const QFont& Schrift,
                             const QString& Text);
    void FormMouseWheelDown();
    void FormMouseWheelUp();
    int VertScrollPosition() const { return ScrollPosition; }
    void SkaliereFenster(int Zaehler, int Nenner);
    QSize Bildschirmgroesse() const;
    // The rectangles the panel arrangements read and move, as they are now.
    Skalierung::TPanelLage AktuellePanelLage() const;
    // The room the machine may fill: the screen, or less where the desktop's own panels leave the
    // maximised window less than the screen.
    QSize Arbeitsflaeche() const;

    // ---- displays, painting, clock (ui/Anzeigen.cpp)
    // Label1 centred under the face for the text it holds.
    void Label1Zentrieren();
    void AnzeigeLoeschen();
    void AnzeigeSonderspieleLoeschen();
    // How a display takes its number: cleared first, or drawn over the old text (a shorter number
    // leaves digits of a longer one standing, as the machine always did).
    enum class TAnzeigeArt
    {
        Geloescht,
        Darueber,
        DarueberEineStelle // the credit with one decimal place, at start-up and at the payout
    };
    // The two writers of the displays; they choose the masks: SpielGeldSpeicher at GeldTextPos
    // with two places (one when asked), SonderSpiele at SonderTextPos with two digits at least.
    void ZeigeGuthaben(TAnzeigeArt Art);
    void ZeigeSonderspiele(TAnzeigeArt Art);
    TZahlenAnzeige& GeldAnzeige() { return *GeldAnzeigeBild; }
    TZahlenAnzeige& SonderAnzeige() { return *SonderAnzeigeBild; }
    void FormPaint();

    // ---- game start and stop (core/Spiel.cpp)
    // The end of every game, evaluated or not: the discs show their resting pictures, the
    // pauses, and the next game is posted to the event loop when automatic start is on, so the
    // call stack does not grow from game to game.
    void SpielEnde();
    // Waits with MachPause1; false when the program has begun to end meanwhile, so the caller
    // stops what it was doing: if (!Warte(1000)) return;
    bool Warte(int Millisekunden);
    // Starts the next game from the event loop once no disc spin is left on the stack, so
    // neither a game's end nor an invalid game lets the call stack grow from game to game.
    void NaechstesSpielEinreihen();

    // ---- the discs (discs/Scheiben.cpp)
    using TScheibe = Scheibenregeln::TScheibe;
    void RotateMitteClick();
    // Each fills its disc's target picture with Quelle turned by Winkel degrees about
    // (MitteX, MitteY), draws the spin picture on the discs that still turn, and sleeps one frame.
    // Called once a frame of the disc's spin: a watching window overrides them to see each frame.
    virtual void RotateBitmapLinks(const QImage& Quelle, int MitteX, int MitteY, double Winkel);
    virtual void RotateBitmapMitte(const QImage& Quelle, int MitteX, int MitteY, double Winkel);
    virtual void RotateBitmapRechts(const QImage& Quelle, int MitteX, int MitteY, double Winkel);
    // The disc shows its resting picture, the turned artwork in its target picture.
    void ZeigeRuhebild(TScheibe Scheibe);
    // The discs show the spin picture over their resting pictures.
    void ZeichneSpinbild(std::initializer_list<TImageWindow*> Scheiben);
    // The spin picture becomes Bild, upside down when Gespiegelt, with its variant for a dense
    // screen.
    void SetzeSpinbild(const QImage& Bild, bool Gespiegelt);
    // What the discs show on a denser screen, turned as the targets are.
    TFeineScheiben FeineScheiben = TFeineScheiben::AusDenBildern();
    // The symbol codes of the three resting discs from their target pictures.
    void CheckMarker();
    // One disc's spin: its draw, then its loop up to the limit; false when the game was declared
    // invalid or the program ends meanwhile, and nothing more of the game may run.
    bool ScheibeDrehen(TScheibe Scheibe);

    // ---- the screw (discs/Schraube.cpp)
    void RotateBitmapSchraube(const QImage& Quelle, int MitteX, int MitteY, double Winkel);
    // SchraubeSenkrecht from the slot of the screw as last drawn.
    void CheckSchraube();
    // Ziel becomes Quelle upside down, in 24 bits.
    static void SpiegelnVertikal(const QImage& Quelle, QImage& Ziel);

    // ---- win evaluation (discs/Gewinnauswertung.cpp)
    // The evaluation of the resting discs; ends with SpielEnde().
    void Auswerten();
    // Anzahl times: the selected arrows green and the slot lit for 500 ms (Timer1), then red and
    // unlit; afterwards the selected arrows stay green and the slot lit.
    void Blinke(int Anzahl, bool Links, bool Mitte, bool Rechts);

    // ---- the risk game (discs/Risiko.cpp)
    // One run of the ladder; afterwards exactly one of Image2mal, Image1mal, Image0mal shows
    // the result, unless the program ended during it.
    void RisikoSpiel();

    // ---- the cash box (money/Kasse.cpp)
    // The registry value "KA", below HKEY_CURRENT_USER.
    static const QString KassenSchluessel;
    // The settings store of the current user, opened on Schluessel.
    std::unique_ptr<TStRegIni> Benutzerspeicher(const QString& Schluessel) const;
    // "KA" with a blank for the decimal comma, as the end of the program stores it, or with the
    // comma itself, as the payout stores it. Throws when the store cannot be written.
    void SchreibeKassenstand(bool MitKomma = false);
    // The same, a failure reported to the player; false then, and the caller goes on.
    bool SichereKassenstand(bool MitKomma = false);
    // A failure of a store in German for the player: for the settings store the file, its folder
    // and the reason.
    static QString Speicherfehler(const std::exception& Fehler);
    // Empties the cash box down to 100 Euro when it holds 10000,00 to 10999,99.
    void PruefeObAutomatenkasseGeleertWerdenMuss();

    // ---- the journal of the visit (money/Besuch.cpp)
    // Replaces the journal when the money, the running game or the log changed since the last
    // time; does nothing once the visit is closed. A failure is reported once.
    void SichereBesuch();
    // The same without the report; false when the journal could not be written.
    bool SchreibeBesuch();
    // A win and won special games, credited; their displays and the journal follow.
    void BucheGutschrift(const TBcdWert& Betrag);
    void BucheSonderspiele(const TBcdWert& Anzahl);

    // ---- the charge of a game (money/Spieleinsatz.cpp)
    // Takes one special game, or else 20 Cent of the credit, shows the display it changed and
    // keeps the game in the journal; false and nothing taken when neither pays for the game, and
    // Ablehnung is what the player is told.
    bool BezahleSpiel(QString& Ablehnung);

    // ---- money in (money/Einzahlen.cpp)
    // A click on one of the nine money pictures: the limit, the intake, the books and the log,
    // then the games. Ignored while the coin panel is covered or the payout runs.
    void NimmGeldAn(TBild* Geldbild);
    void LehneEinzahlungAb();
    void LasseGeldEinsinken();
    void VerbucheEinzahlung(const QString& Betrag, const TBcdWert& Guthaben, const TBcdWert& Kasse,
                            const QString& KassenText);

    // ---- money out (money/Auszahlen.cpp)
    // The payout's books, once: the special games become credit, the log is closed and saved and
    // the cash box stored; the count-out of AuszahlListe is what is left after it.
    void SchliesseAuszahlungAb();
    // The count-out of AuszahlListe; false when the program began to end meanwhile.
    bool LasseGeldFallen();
    void LasseEinStueckFallen(const QString& Name);

    // ---- the log (core/Log.cpp)
    QStringList LogZeilen() const;
    void SetzeLogZeilen(const QStringList& Zeilen);
    void HaengeLogZeilenAn(const QStringList& Zeilen);

    // ---- message boxes, sounds, chance and links, through Umgebung (core/Umgebung.cpp)
    QMessageBox::StandardButton MessageDlgCtr(const QString& Text, QMessageBox::Icon Art,
                                              int HilfeKontext,
                                              QMessageBox::StandardButtons Knoepfe);
    TSoundSpieler& MediaPlayer1() { return *Tonspieler; }
    // Plays the event's file when "Geräusche ein" is ticked; a failing device is reported in a
    // message box and the caller goes on.
    void SpieleKlang(TKlang Klang);
    // Erster, 1000 ms later Zweiter, in one guarded block as SpieleKlang.
    void SpieleKlangPaar(TKlang Erster, TKlang Zweiter);
    // A uniform whole number from 0 to n - 1 from the window's random source.
    int Zufallszahl(int n);

    // ---- controls: the window
    QGroupBox* GroupBox2 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    TBild* LogoImage = nullptr;
    TBild* QRImage = nullptr;
    TBild* ImageBanner = nullptr;
    QSlider* TrackBar1 = nullptr;
    QCheckBox* AutoStartCheckBox = nullptr;
    TBildKnopf* EinzahlenButton = nullptr;
    TBildKnopf* AuszahlenButton = nullptr;
    TBildKnopf* RotateLinks = nullptr;
    TBildKnopf* RotateMitte = nullptr;
    TBildKnopf* RotateRechts = nullptr;
    TBild* ImageOriginal = nullptr;
    TBild* ImageDrehscheibe2 = nullptr;
    TBild* ImageDrehendeScheibe = nullptr;
    TBild* ImageOriginalSchraube = nullptr;
    TBild* ImageZitroneNormal = nullptr;
    TBild* ImageZitroneAktiv = nullptr;
    TBild* ImageKirscheNormal = nullptr;
    TBild* ImageKirscheAktiv = nullptr;
    TBild* ImageErdbeerNormal = nullptr;
    TBild* ImageErdbeerAktiv = nullptr;
    TBild* ImageKarotteNormal = nullptr;
    TBild* ImageKarotteAktiv = nullptr;

    // ---- controls: the face (GroupBox2)
    TBild* DachImage = nullptr;
    TBild* ImageGesicht = nullptr;
    TBild* Image1 = nullptr;
    TBild* Image2 = nullptr;
    TBild* Image7 = nullptr;
    TBild* Image8 = nullptr;
    TBild* Image3 = nullptr;
    TBild* ImageDesignUnten = nullptr;
    TBild* ImageVorlix = nullptr;
    TImageWindow* ScheibeLinks = nullptr;
    TImageWindow* ScheibeMitte = nullptr;
    TImageWindow* ScheibeRechts = nullptr;
    TBildKnopf* PfeilOben1 = nullptr;
    TBildKnopf* PfeilOben2 = nullptr;
    TBildKnopf* PfeilOben3 = nullptr;
    TBildKnopf* PfeilLinks = nullptr;
    TBildKnopf* PfeilMitte = nullptr;
    TBildKnopf* PfeilRechts = nullptr;
    TBild* PfeilGruen = nullptr;
    TBild* PfeilRot = nullptr;
    TBildKnopf* MenueBtn = nullptr;
    TBildKnopf* StartBtnGruen = nullptr;
    TBildKnopf* StopBtnGruen = nullptr;
    TBild* SpielGeldSpeicherAnzeige = nullptr;
    TBild* SonderSpieleAnzeige = nullptr;
    TBild* ImageSchraube = nullptr;
    TBild* Augenbraue_links_Image = nullptr;
    TBild* Augenbraue_rechts_Image = nullptr;
    TBild* ImageDreieckLinks = nullptr;
    TBild* ImageDreieckRechts = nullptr;
    TBild* ImageSpritzer = nullptr;
    TBild* Schein_Einzug = nullptr;
    TBild* Schein_Einzug2 = nullptr;
    TBild* Scheine_Einz_gewellt1 = nullptr;
    TBild* ScheinEinzug_Grinz = nullptr;
    TBild* Schein_Einzug_Baeh = nullptr;
    TBild* Schein = nullptr;
    TBeschriftung* Label1 = nullptr;
    TBeschriftung* Label2 = nullptr;
    TBeschriftung* Label3 = nullptr;
    TBeschriftung* Label4 = nullptr;
    TBeschriftung* LabelBetrag = nullptr;
    TBeschriftung* BefehleLabel = nullptr;
    TBild* ImageBonus1_Zitrone = nullptr;
    TBild* ImageBonus2_Zitrone = nullptr;
    TBild* ImageBonus3_Zitrone = nullptr;
    TBild* ImageBonus1_Erdbeere = nullptr;
    TBild* ImageBonus2_Erdbeere = nullptr;
    TBild* ImageBonus3_Erdbeere = nullptr;
    TBild* ImageBonus1_Karotte = nullptr;
    TBild* ImageBonus2_Karotte = nullptr;
    TBild* ImageBonus3_Karotte = nullptr;
    TBild* ImageBonus1_Kirsche = nullptr;
    TBild* ImageBonus2_Kirsche = nullptr;
    TBild* ImageBonus3_Kirsche = nullptr;
    TBild* Image2mal = nullptr;
    TBild* Image1mal = nullptr;
    TBild* Image0mal = nullptr;
    TBild* ImageRisiko = nullptr;

    // ---- controls: the money and control panel (GroupBox1)
    TBild* Button_50_Euro = nullptr;
    TBild* Button_20_Euro = nullptr;
    TBild* Button_10_Euro = nullptr;
    TBild* Button_5_Euro = nullptr;
    TBild* Button_2_Euro = nullptr;
    TBild* Button_1_Euro = nullptr;
    TBild* Button_50_Cent = nullptr;
    TBild* Button_20_Cent = nullptr;
    TBild* Button_10_Cent = nullptr;
    TBild* NichtBedienbarImage = nullptr;
    QCheckBox* KommentarHoeren = nullptr;
    QCheckBox* LogDateiSpeichern = nullptr;
    TBeschriftung* AutomatenGeldspeicherAnzeige = nullptr;
    TBeschriftung* LabelEurostand = nullptr;
    TBeschriftung* AuswertLabel = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    TBildKnopf* ButtonRisiko = nullptr;
    TBildKnopf* HilfeButton = nullptr;
    TBildKnopf* GibMirMeinGeldBtn = nullptr;
    QFrame* Bevel1 = nullptr;
    QFrame* Bevel2 = nullptr;
    QFrame* Bevel5 = nullptr;

    // ---- timers and the pause
    QTimer* TimerSchnellDrehendeScheibe = nullptr;
    QTimer* TimerSpieldauer = nullptr;
    QTimer* SchraubenTimer = nullptr;
    QTimer* UhrzeitTimer = nullptr;
    QTimer* Timer1 = nullptr;
    TMachPause* MachPause1 = nullptr;

signals:
    // The first paint has finished the start-up (settings, log, fit, sound, size dialog).
    void StartAbgeschlossen();
    // The window has been drawn for the first time.
    void ErstmalsGezeichnet();
    // The audio output has started the sound file Datei ("Muenze.WAV").
    void KlangGestartet(const QString& Datei);

public slots:
    // ---- settings written by the controls (core/Einstellungen.cpp)
    void TrackBar1Change();
    void KommentarHoerenClick();
    void LogDateiSpeichernClick();
    void Edit1Change();
    void Edit1Click();

    // ---- the menu button opens the size dialog (ui/Groessenziel.cpp)
    void MenueBtnMouseDown(Qt::MouseButton Knopf);
    void MenueBtnClick();

    // ---- clock (ui/Anzeigen.cpp)
    void UhrzeitTimerTimer();

    // ---- links (core/Umgebung.cpp)
    void HilfeButtonClick();
    void LogoImageClick();

    // ---- game start and stop, activation (core/Spiel.cpp)
    // Every game start, paid or refused, and the free re-spin; a watching window overrides it.
    virtual void AutoStartClick();
    void StartBtnGruenClick();
    void StopBtnGruenClick();
    void AutoStartCheckBoxClick();
    void TimerSpieldauerTimer();
    void SpielUngueltigMachen();
    void AppDeactivate();
    void ApplicationActivate();

    // ---- the discs (discs/Scheiben.cpp)
    void RotateLinksClick();
    void RotateRechtsClick();

    // ---- the screw and the spin picture (discs/Schraube.cpp)
    void TimerSchnellDrehendeScheibeTimer();
    void SchraubenTimerTimer();

    // ---- blinking (discs/Gewinnauswertung.cpp)
    void Timer1Timer();

    // ---- the risk game (discs/Risiko.cpp)
    void ButtonRisikoClick();

    // ---- money out (money/Auszahlen.cpp)
    void AuszahlenButtonClick();
    void GibMirMeinGeldBtnClick();

    // ---- money in (money/Einzahlen.cpp)
    void EinzahlenButtonClick();
    void Button_50_EuroClick();
    void Button_20_EuroClick();
    void Button_10_EuroClick();
    void Button_5_EuroClick();
    void Button_2_EuroClick();
    void Button_1_EuroClick();
    void Button_50_CentClick();
    void Button_20_CentClick();
    void Button_10_CentClick();

protected:
    bool eventFilter(QObject* Objekt, QEvent* Ereignis) override; // OnAppMsg, core/Tastatur.cpp
    void keyPressEvent(QKeyEvent* Ereignis) override;             // FormKeyDown, core/Beenden.cpp
    void closeEvent(QCloseEvent* Ereignis) override;   // WMSysCommand, close, core/Beenden.cpp
    void paintEvent(QPaintEvent* Ereignis) override;   // ui/Anzeigen.cpp
    void wheelEvent(QWheelEvent* Ereignis) override;   // ui/Monitor.cpp
    void resizeEvent(QResizeEvent* Ereignis) override; // ui/Monitor.cpp

private:
    // core/Start.cpp
    void FormCreate();
    void ErsteDarstellungAusfuehren();
    void SpieleStartklang();
    void MeldeDefektenSpeicher(const QString& Text);
    void MeldeWartendes();
    // The start-up met a store that another program keeps locked: the player hears which file it
    // is (Meldung), nothing more is stored, and the program ends.
    void BeendeWegenSperre(const QString& Meldung);
    // core/Programmverzeichnis.cpp
    void BestimmeProgrammVerzeichnis();
    // core/Umgebung.cpp
    void ErgaenzeUmgebung();
    // ui/Steuerelemente.cpp
    void ErzeugeSteuerelemente();
    void ErzeugeFenster();
    void ErzeugeGesicht();
    void ErzeugeGesichtUnten();
    void ErzeugeBonusLampen();
    void ErzeugeGeldPanel();
    void ErzeugeBedienung();
    void ErzeugeTimer();
    void VerbindeHandler();
    // ui/Monitor.cpp
    void SetzePanelLage(const Skalierung::TPanelLage& Lage);
    void SetzeRahmen(bool Rahmenlos, int Hoehenzuwachs);
    void FolgeArbeitsflaeche();
    int Bildlaufbereich() const; // pixels the content reaches below the window
    void ScrolleZu(int Position);
    void DrehscheibeAnScheibeAnpassen();
    // The landscape or portrait arrangement, with the spin picture fitted to the discs.
    void RichteAus(bool Hoch);
    // ui/Anzeigen.cpp
    void BeobachteAusrichtung();
    void FolgeBildschirm();
    void BeobachteBildschirm(QScreen* Bildschirm);
    void BildschirmGewechselt(QScreen* Bildschirm);
    // core/Einstellungen.cpp
    void LiesDarstellungsEinstellungen();
    // discs/Schraube.cpp
    struct TLabelStand
    {
        QString Text;
        QFont Schrift;
        QPoint Ort;
        QRect Gesicht;
        bool operator==(const TLabelStand&) const = default;
    };
    TLabelStand Label1Stand() const;
    TLabelStand Label1Zentriert; // as Label1 stood when the screw's tick last centred it
    // core/Tastatur.cpp
    void RichteTastaturEin();
    bool IstSpielknopf(const QObject* Objekt) const; // the start, stop or payout button
    // true: the event is kept from its control (keys during a game, the focus of a button put
    // away).
    bool FaengtTasteAb(QObject* Objekt, QEvent* Ereignis);
    // A key of another window of the program, or its repeat or release here (kept away, true).
    bool IstFremdeTaste(const QWidget* Steuerelement, const QEvent* Ereignis);
    // money/Kasse.cpp
    void LadeKassenstand();
    void MeldeBeschaedigtenKassenstand();
    // money/Besuch.cpp
    Besuchsjournal::TBesuch AktuellerBesuch() const;
    // Reads the journal at start-up, unless the machine plays without it: a closed visit is
    // finished, an open one is taken over and waits for the first paint; one older than "KA",
    // damaged or not to be taken over is never restored, and the player hears why.
    void LadeBesuch();
    void LadeGueltigenBesuch(const Besuchsjournal::TBesuch& Besuch);
    // The journal rewritten under a new generation before anything of it is used, so that no
    // later start can restore it a second time; false when it cannot be written.
    bool UebernimmBesuch(Besuchsjournal::TBesuch Besuch);
    void VerwirfVeraltetenBesuch();
    bool JournalAus() const { return !OhneJournal.isEmpty(); }
    void VollendeBesuch(const Besuchsjournal::TBesuch& Besuch);
    // At the first paint: the open visit's money, log and name; its game that was cut short is
    // invalid. Then, after the start-up: the player hears what was restored, and the games go on,
    // or the payout the player had asked for is finished.
    void StelleBesuchWiederHer();
    void MeldeBesuch();
    void SetzeBesuchFort();
    // The log is closed: the journal says so, so a crash from here on only finishes the end.
    void SchliesseBesuch(const QStringList& Zeilen);
    void EntferneBesuch();
    // core/Log.cpp
    // Saves the log in the working folder, or in the program folder when that is gone; a
    // failure is reported and the caller goes on.
    void SpeichereAuswertungsdatei(const QStringList& Zeilen, const QString& Name,
                                   const QString& Datum, const QString& Uhrzeit);
    QString Programmordner() const;    // where files go when the working folder is gone
    QString Auswertungsordner() const; // the working folder, or the program folder without one
    // core/Beenden.cpp
    void BeendeProzess();

    TMainFormUmgebung Umgebung;
    std::unique_ptr<TSoundSpieler> Tonspieler;
    std::unique_ptr<IGroessenZiel> Groessenziel;
    std::unique_ptr<TZahlenAnzeige> GeldAnzeigeBild;
    std::unique_ptr<TZahlenAnzeige> SonderAnzeigeBild;
    TForm2* Groessendialog = nullptr;
    QString BeschaedigterKassenstand; // the unreadable "KA" text found at start-up
    std::optional<Besuchsjournal::TBesuch> OffenerBesuch; // found at start-up, for the first paint
    QByteArray LetzterBesuch;                             // the journal as last written
    QString BesuchsMeldung;                               // what was restored or finished
    bool BesuchsfehlerGemeldet = false;
    bool BesuchGehtWeiter = false; // a restored visit waits for its next game
    // From the restore to the visit's going on: the payout button takes no key.
    bool BesuchWartet = false;
    bool ZweitstartGemeldet = false; // its box is open
    // Keys pressed in another window of the program (a message box it closed): their repeats and
    // their release are no key for the machine.
    QSet<int> FremdeTasten;
    // The count of the last write of the journal; "KA-Generation" gets it with "KA".
    qint64 Generation = 0;
    QString OhneJournal; // why this run keeps no journal; empty while it keeps one
    // The installed folder whose sounds and help serve a machine that works from the player's
    // own folder; empty when the machine works from its own folder.
    QString Installordner;
    QStringList WartendeMeldungen; // found before the start-up had run
    QImage DrehscheibeOriginal;    // every size is scaled from this, never from a scaled one
    bool StartGelaufen = false;
    QMetaObject::Connection BildschirmVerbindung;
    int ScrollPosition = 0;
    bool FormPaintAngefordert = false;
    bool Gezeichnet = false;
    bool BeendenLaeuft = false;
    bool FormDestroyGelaufen = false;
    bool NichtsMehrSpeichern = false; // set by BeendeWegenSperre
};
