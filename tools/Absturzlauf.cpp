#include "tools/Absturzlauf.h"

#include "core/MainForm.h"
#include "core/Programmstart.h"
#include "money/Geldregeln.h"
#include "support/Auswertung.h"
#include "support/Besuchsjournal.h"
#include "support/Registrierung.h"
#include "support/STRegIni.h"
#include "support/Windows1252.h"
#include "support/Zeitraffer.h"
#include "ui/Bedienelemente.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <memory>

namespace Absturzlauf {

namespace {

// ---- the playing process ----

enum class TAbschnitt
{
    Ruhe,
    Einzahlung,
    Warten,
    Drehung,
    Auswertung,
    Risiko,
    Auszahlung
};

const char* Name(TAbschnitt Abschnitt)
{
    constexpr const char* Namen[] = {"Ruhe",       "Einzahlung", "Warten",    "Drehung",
                                     "Auswertung", "Risiko",     "Auszahlung"};
    return Namen[static_cast<int>(Abschnitt)];
}

TAbschnitt AbschnittVon(const TMainForm& F)
{
    if (F.AuszahlungLaeuft)
        return TAbschnitt::Auszahlung;
    if (F.SpielLaeuft) {
        if (F.Drehtiefe > 0)
            return TAbschnitt::Drehung;
        // The ladder shows the stop button once the right disc has come to rest.
        return F.StopBtnGruen->isVisible() ? TAbschnitt::Risiko : TAbschnitt::Auswertung;
    }
    if (F.NichtBedienbarImage->isVisible())
        return F.Schein->isVisible() ? TAbschnitt::Einzahlung : TAbschnitt::Warten;
    return TAbschnitt::Ruhe;
}

void Melde(const QString& Zeile)
{
    std::printf("%s\n", Zeile.toUtf8().constData());
    std::fflush(stdout);
}

// Set once the machine told the player that its journal cannot be written.
bool JournalGestoert = false;

class TAusgabeMeldungen : public IMeldungen
{
public:
    QMessageBox::StandardButton Zeige(QWidget*, QMessageBox::Icon, const QString& Text,
                                      QMessageBox::StandardButtons) override
    {
        JournalGestoert =
            JournalGestoert || Text.startsWith(QLatin1String("Der Besuch kann nicht"));
        Melde(QStringLiteral("meldung ") + QString(Text).replace(u'\n', u' '));
        return QMessageBox::Ok;
    }
};

QDateTime Uhrzeit(int Runde, bool Weiter)
{
    return QDateTime(QDate(2026, 12, 7), QTime(8, 0)).addSecs(Runde * 120 + (Weiter ? 60 : 0));
}

// The draws of a round: random from its seed, but every third game the discs come to rest on
// three ones, a number win that offers the risk game. Spielbeginn hears the left disc's draw.
TZufall Ziehungen(int Runde, const std::function<void()>& Spielbeginn)
{
    struct TStand
    {
        QRandomGenerator Zufall;
        int Spiel = 0;
        bool MitteKommt = false;
    };
    auto Stand = std::make_shared<TStand>(TStand{QRandomGenerator(quint32(Runde) * 7919u + 1u)});
    return [Stand, Spielbeginn](int n) {
        const bool Einsen = Stand->Spiel % 3 == 1;
        if (n == 45) {
            ++Stand->Spiel;
            Spielbeginn();
            Stand->MitteKommt = true;
            return Stand->Spiel % 3 == 1 ? 0 : int(Stand->Zufall.bounded(n));
        }
        if (n == 60 && Stand->MitteKommt) {
            Stand->MitteKommt = false;
            return Einsen ? 6 : int(Stand->Zufall.bounded(n));
        }
        if (n == 12)
            return Einsen ? 7 : int(Stand->Zufall.bounded(n));
        return int(Stand->Zufall.bounded(n));
    };
}

// What the visit does and reports, watched every millisecond from inside whatever loop runs.
class TBesucher : public QObject
{
public:
    TBesucher(TMainForm& Fenster, int Runde) : Fenster(Fenster), Spiele(3 + Runde % 3)
    {
        auto* Uhr = new QTimer(this);
        Uhr->setTimerType(Qt::PreciseTimer);
        connect(Uhr, &QTimer::timeout, this, &TBesucher::Beobachte);
        Uhr->start(1);
    }
    int Gespielt = 0;

private:
    struct TEinwurf
    {
        TBild* TMainForm::*Bild;
        const char* Betrag;
    };

    void Beobachte()
    {
        const TAbschnitt Jetzt = AbschnittVon(Fenster);
        if (Jetzt != Abschnitt) {
            Abschnitt = Jetzt;
            Melde(QStringLiteral("abschnitt ") + QLatin1String(Name(Jetzt)));
        }
        PruefeJournal();
        if (Handelt || Fenster.ProgrammEndet || Fenster.AuszahlungLaeuft ||
            Fenster.ErsteDarstellung)
            return;
        // Acted on from the event loop, not from this tick: a timer does not tick again while
        // its own handler runs, and the deposit and the payout run the games inside them.
        Handelt = true;
        QTimer::singleShot(0, this, [this] {
            Handle();
            Handelt = false;
        });
    }

    void Handle()
    {
        const bool Frei = !Fenster.SpielLaeuft && Fenster.GibMirMeinGeldBtn->isEnabled();
        if (Gespielt >= Spiele && Frei) {
            Fenster.GibMirMeinGeldBtnClick();
            return;
        }
        if (Fenster.SpielLaeuft || Fenster.NichtBedienbarImage->isVisible())
            return;
        static const TEinwurf Einwuerfe[] = {{&TMainForm::Button_50_Cent, "0,5"},
                                             {&TMainForm::Button_1_Euro, "1"},
                                             {&TMainForm::Button_2_Euro, "2"}};
        if (Eingeworfen >= int(std::size(Einwuerfe))) {
            Fenster.GibMirMeinGeldBtnClick();
            return;
        }
        const TEinwurf& Einwurf = Einwuerfe[Eingeworfen++];
        Melde(QStringLiteral("einzahlung ") + QLatin1String(Einwurf.Betrag));
        Fenster.NimmGeldAn(Fenster.*Einwurf.Bild);
    }

    // Whenever the machine can have handled an event, its journal holds what the player has.
    void PruefeJournal()
    {
        if (Fenster.BesuchGeschlossen || Fenster.AuszahlungLaeuft || Fenster.ErsteDarstellung ||
            JournalGestoert)
            return;
        const QStringList Log = Fenster.LogZeilen();
        const QString Stand = Fenster.SpielGeldSpeicher.EuroText() + u'|' +
                              Fenster.SonderSpiele.EuroText() + u'|' +
                              Fenster.Automatenkasse.EuroText() + u'|' +
                              QString::number(Fenster.SpielBezahlt) + u'|' + Log.join(u'\n');
        if (Stand == LetzterStand)
            return;
        LetzterStand = Stand;
        QFile Datei(Besuchsjournal::Pfad());
        if (!Datei.open(QIODevice::ReadOnly)) {
            if (Log.size() > 2)
                Melde(QStringLiteral("fehler kein Journal bei ") +
                      Fenster.SpielGeldSpeicher.EuroText());
            return;
        }
        const auto Besuch = Besuchsjournal::AusText(Datei.readAll());
        const QString Journal =
            Besuch ? Besuch->Guthaben.EuroText() + u'|' + Besuch->SonderSpiele.EuroText() + u'|' +
                         Besuch->Kasse.EuroText() + u'|' + QString::number(Besuch->SpielOffen) +
                         u'|' + Besuch->Zeilen.join(u'\n')
                   : QStringLiteral("unlesbar");
        if (Journal != Stand)
            Melde(QStringLiteral("fehler Journal %1 statt %2")
                      .arg(Journal.section(u'|', 0, 3), Stand.section(u'|', 0, 3)));
    }

    TMainForm& Fenster;
    const int Spiele;
    int Eingeworfen = 0;
    bool Handelt = false;
    TAbschnitt Abschnitt = TAbschnitt::Ruhe;
    QString LetzterStand;
};

int SpieleBesuch(int argc, char* argv[], bool Weiter)
{
    const int Runde = QByteArray(argv[2]).toInt();
    QApplication Anwendung(argc, argv);
    Zeitraffer::SetzeFaktor(0.01);
    TMainFormUmgebung Umgebung;
    Umgebung.Meldungen = std::make_unique<TAusgabeMeldungen>();
    Umgebung.Uhr = [Runde, Weiter] { return Uhrzeit(Runde, Weiter); };
    Umgebung.Programmordner = QDir::currentPath();
    TMainForm* Fenster = nullptr;
    std::unique_ptr<TBesucher> Besucher;
    Umgebung.Zufall = Ziehungen(Runde, [&Besucher] {
        if (Besucher)
            ++Besucher->Gespielt;
    });
    Umgebung.ProzessEnde = [&Fenster] {
        Melde(QStringLiteral("ende ") +
              (Fenster->AuszahlungText.isEmpty() ? QStringLiteral("-") : Fenster->AuszahlungText));
        TMainForm::BeendeProzessSofort();
    };
    return Programmstart::Lauf(std::move(Umgebung), [&](TMainForm& F) {
        Fenster = &F;
        QObject::connect(&F, &TMainForm::StartAbgeschlossen, &F, [&F, &Besucher, Runde, Weiter] {
            if (Weiter)
                QTimer::singleShot(0, &F, [&F] { F.GibMirMeinGeldBtnClick(); });
            else
                Besucher = std::make_unique<TBesucher>(F, Runde);
        });
    });
}

// ---- the rounds ----

struct TKind
{
    QProcess Prozess;
    QStringList Zeilen;
    QByteArray Rest;

    void Lies()
    {
        Rest += Prozess.readAllStandardOutput();
        for (qsizetype Ende; (Ende = Rest.indexOf('\n')) >= 0; Rest.remove(0, Ende + 1))
            Zeilen << QString::fromUtf8(Rest.left(Ende));
    }
    QStringList Mit(const QString& Anfang) const
    {
        QStringList Treffer;
        for (const QString& Zeile : Zeilen)
            if (Zeile.startsWith(Anfang))
                Treffer << Zeile.mid(Anfang.size());
        return Treffer;
    }
};

void Starte(TKind& Kind, const QString& Programm, const char* Rolle, int Runde)
{
    QProcessEnvironment Umgebung = QProcessEnvironment::systemEnvironment();
    Umgebung.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    Kind.Prozess.setProcessEnvironment(Umgebung);
    Kind.Prozess.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    Kind.Prozess.start(Programm, {QLatin1String(Rolle), QString::number(Runde)});
    Kind.Prozess.waitForStarted();
}

const QList<QString> Ziele = {QStringLiteral("Einzahlung"), QStringLiteral("Drehung"),
                              QStringLiteral("Auswertung"), QStringLiteral("Risiko"),
                              QStringLiteral("Auszahlung")};

// How many milliseconds after its start a phase is still likely to run at the time-lapse factor
// of the visit: the kill falls at a random moment within.
qint64 Spanne(const QString& Abschnitt)
{
    if (Abschnitt == QLatin1String("Auswertung"))
        return 6;
    if (Abschnitt == QLatin1String("Risiko"))
        return 20;
    // Before its books, with them, and while the money falls.
    if (Abschnitt == QLatin1String("Auszahlung"))
        return 150;
    // The money sinking into the slot, its booking and the wait before the game.
    if (Abschnitt == QLatin1String("Einzahlung"))
        return 50;
    return 40;
}

// Kills the visit at a random moment after its target phase began, counting only the phases
// that BeiAbschnitt lets count; the phase last reported.
QString SpieleBisZumAbbruch(TKind& Kind, const QString& Ziel, QRandomGenerator& Zufall,
                            bool& Getoetet, const std::function<bool(const QString&)>& BeiAbschnitt)
{
    // Every game spins three discs; the other phases come once a game or once a visit.
    const int Ueberspringen = Ziel == QLatin1String("Drehung") ? int(Zufall.bounded(3)) : 0;
    const qint64 Verzoegerung = Zufall.bounded(Spanne(Ziel));
    QElapsedTimer Uhr;
    Uhr.start();
    qint64 Abbruch = -1;
    int Treffer = 0;
    QString Zuletzt = QStringLiteral("Start");
    Getoetet = false;
    while (Kind.Prozess.state() != QProcess::NotRunning && Uhr.elapsed() < 120000) {
        Kind.Prozess.waitForReadyRead(1);
        const qsizetype Gelesen = Kind.Zeilen.size();
        Kind.Lies();
        for (qsizetype I = Gelesen; I < Kind.Zeilen.size(); ++I) {
            if (!Kind.Zeilen[I].startsWith(QLatin1String("abschnitt ")))
                continue;
            Zuletzt = Kind.Zeilen[I].mid(10);
            if (BeiAbschnitt(Zuletzt) && Zuletzt == Ziel && Abbruch < 0 &&
                Treffer++ >= Ueberspringen)
                Abbruch = Uhr.elapsed() + Verzoegerung;
        }
        if (Abbruch >= 0 && Uhr.elapsed() >= Abbruch) {
            Getoetet = ::kill(pid_t(Kind.Prozess.processId()), SIGKILL) == 0;
            break;
        }
    }
    if (Kind.Prozess.state() != QProcess::NotRunning && !Getoetet)
        ::kill(pid_t(Kind.Prozess.processId()), SIGKILL);
    Kind.Prozess.waitForFinished();
    Kind.Lies();
    Getoetet = Getoetet && Kind.Prozess.exitStatus() == QProcess::CrashExit;
    return Zuletzt;
}

QString Kassenwert(const QString& Name, const QString& Vorgabe)
{
    TStRegIni Speicher(QStringLiteral("C_USERS"), false);
    Speicher.SetSubKey(TMainForm::KassenSchluessel);
    return Speicher.ReadString(Name, Vorgabe);
}

TBcdWert Kassenstand()
{
    return BcdFromText(Kassenwert("KA", "0").replace(u' ', u',').toStdString());
}

// ---- the ground under the state folder ----

bool Befehl(const QStringList& Argumente)
{
    return QProcess::execute(QStringLiteral("mount"), Argumente) == 0;
}

// A small file system of its own over the state folder, for the whole run.
bool RichteBodenEin(TBoden Boden)
{
    if (Boden == TBoden::Frei)
        return true;
    QDir().mkpath(Besuchsjournal::Ordner());
    return Befehl({"-t", "tmpfs", "-o", "size=64k", "tmpfs", Besuchsjournal::Ordner()});
}

void RaeumeBodenAb(TBoden Boden)
{
    if (Boden != TBoden::Frei)
        QProcess::execute(QStringLiteral("umount"), {Besuchsjournal::Ordner()});
}

QString Fuellerpfad()
{
    return Besuchsjournal::Ordner() + QStringLiteral("/Fueller");
}

// Fills the state folder to its last byte, or makes it read-only through a second mount over it;
// the machine keeps the files it has open.
void Belaste(TBoden Boden)
{
    if (Boden == TBoden::Voll) {
        QFile Fueller(Fuellerpfad());
        if (Fueller.open(QIODevice::WriteOnly)) {
            const QByteArray Block(512, 'x');
            while (Fueller.write(Block) == Block.size() && Fueller.flush()) {
            }
        }
    } else if (Boden == TBoden::Schreibgeschuetzt) {
        Befehl({"--bind", Besuchsjournal::Ordner(), Besuchsjournal::Ordner()});
        Befehl({"-o", "remount,bind,ro", Besuchsjournal::Ordner()});
    }
}

void Entlaste(TBoden Boden)
{
    if (Boden == TBoden::Voll)
        QFile::remove(Fuellerpfad());
    else if (Boden == TBoden::Schreibgeschuetzt)
        QProcess::execute(QStringLiteral("umount"), {Besuchsjournal::Ordner()});
}

QStringList Logdateien()
{
    return QDir::current().entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
}

QStringList Logzeilen(const QStringList& Dateien)
{
    QStringList Zeilen;
    for (const QString& Name : Dateien) {
        QFile Datei(Name);
        if (Datei.open(QIODevice::ReadOnly))
            Zeilen << Windows1252::Dekodiere(Datei.readAll()).split(QStringLiteral("\r\n"));
    }
    return Zeilen;
}

QStringList Einzahlungen(const QStringList& Zeilen)
{
    QStringList Betraege;
    for (const QString& Zeile : Zeilen)
        if (Zeile.contains(QChar(0x00B7)))
            Betraege << QString::fromStdString(BcdToGeneral(Auswertung::Einzahlungssumme({Zeile})));
    return Betraege;
}

// Only the stores are left: the registry file, the program file, its ini and the logs.
QStringList Uebriges()
{
    QStringList Fremd;
    const QStringList Zustand =
        QDir(Besuchsjournal::Ordner()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& Name : Zustand)
        Fremd << Name;
    const QStringList Konfig = QDir(Registrierung::TRegistrierungsDatei::Ordner())
                                   .entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& Name : Konfig)
        if (Name != QLatin1String("HKEY_CURRENT_USER.reg"))
            Fremd << Name;
    for (const QString& Name : QDir::current().entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (Name != QLatin1String("Vorlix") && Name != QLatin1String("Vorlix.ini") &&
            !Name.endsWith(QLatin1String(".txt")))
            Fremd << Name;
    return Fremd;
}

std::optional<Besuchsjournal::TBesuch> JournalNachDemAbbruch(bool& Unlesbar)
{
    QFile Datei(Besuchsjournal::Pfad());
    Unlesbar = false;
    if (!Datei.open(QIODevice::ReadOnly))
        return std::nullopt;
    auto Besuch = Besuchsjournal::AusText(Datei.readAll());
    Unlesbar = !Besuch;
    return Besuch;
}

struct TNeustart
{
    QStringList Ende;
    QStringList Meldungen;
};

TNeustart StarteNeu(const QString& Programm, int Nummer)
{
    TKind Weiter;
    Starte(Weiter, Programm, "weiter", Nummer);
    if (!Weiter.Prozess.waitForFinished(60000))
        Weiter.Prozess.kill();
    Weiter.Prozess.waitForFinished();
    Weiter.Lies();
    return {Weiter.Mit(QStringLiteral("ende ")), Weiter.Mit(QStringLiteral("meldung "))};
}

// One message that begins with Anfang, or none when Anfang is empty.
bool MeldungStimmt(const QStringList& Meldungen, const QString& Anfang)
{
    return Anfang.isEmpty() ? Meldungen.isEmpty()
                            : Meldungen.size() == 1 && Meldungen[0].startsWith(Anfang);
}

QStringList InAllgemeinerForm(const QStringList& Betraege)
{
    QStringList Allgemein;
    for (const QString& Betrag : Betraege)
        Allgemein << QString::fromStdString(BcdToGeneral(BcdFromText(Betrag.toStdString())));
    return Allgemein;
}

TBcdWert Summe(const QStringList& Betraege)
{
    TBcdWert Ergebnis = BcdFromText("0");
    for (const QString& Betrag : Betraege)
        Ergebnis = BcdPlus(Ergebnis, BcdFromText(Betrag.toStdString()));
    return Ergebnis;
}

// Without its journal a killed visit leaves no log: the cash box holds the deposits that were
// booked (the last one may have been cut) less the payouts booked (the killed visit's own, when
// its log was saved, may have been cut before "KA").
QStringList MoeglicheKassen(const QStringList& Eingeworfen, const QStringList& Zeilen,
                            const QStringList& ZeilenDerNeustarts)
{
    QStringList Moeglich;
    for (const TBcdWert& Ein :
         {Summe(Eingeworfen), Summe(Eingeworfen.mid(0, Eingeworfen.size() - 1))})
        for (const TBcdWert& Aus : {Auswertung::Auszahlungssumme(Zeilen),
                                    Auswertung::Auszahlungssumme(ZeilenDerNeustarts)})
            Moeglich << (Ein - Aus).EuroText();
    return Moeglich;
}

void Runde(const QString& Programm, int Nummer, QRandomGenerator& Zufall, TErgebnis& Ergebnis,
           const std::function<void(const QString&)>& Bericht, TBoden Boden)
{
    const QString Ziel = Ziele[Nummer % Ziele.size()];
    const TBcdWert KasseVorher = Kassenstand();
    const QStringList LogsVorher = Logdateien();
    QStringList Fehler;

    TKind Besuch;
    Starte(Besuch, Programm, "besuch", Nummer);
    bool Getoetet = false;
    bool Belastet = false;
    const QString Abschnitt =
        SpieleBisZumAbbruch(Besuch, Ziel, Zufall, Getoetet, [&](const QString& Jetzt) {
            // The kill falls only once the ground has given way.
            if (Boden == TBoden::Frei)
                return true;
            if (!Belastet && Jetzt == QLatin1String("Warten")) {
                Belaste(Boden);
                Belastet = true;
                return false;
            }
            return Belastet;
        });
    if (Getoetet) {
        ++Ergebnis.Abbrueche;
        ++Ergebnis.AbbruecheJeAbschnitt[Abschnitt];
    } else if (!Besuch.Mit(QStringLiteral("ende ")).isEmpty()) {
        ++Ergebnis.SauberBeendet;
    } else {
        Fehler << QStringLiteral("der Besuch endete ohne Abbruch und ohne Auszahlung");
    }
    Fehler << Besuch.Mit(QStringLiteral("fehler "));

    bool Unlesbar = false;
    const auto Journal = JournalNachDemAbbruch(Unlesbar);
    if (Unlesbar)
        Fehler << QStringLiteral("das Journal ist nach dem Abbruch unlesbar");
    const bool Veraltet =
        Journal && Journal->Generation < Kassenwert("KA-Generation", "0").toLongLong();

    QStringList Logs = Logdateien();
    if (Belastet && Boden == TBoden::Schreibgeschuetzt) {
        // Still read-only: the machine plays without its journal and leaves it as it is.
        const TNeustart Gesperrt = StarteNeu(Programm, Nummer);
        if (Gesperrt.Ende != QStringList{QStringLiteral("0,00")} ||
            !MeldungStimmt(Gesperrt.Meldungen, QStringLiteral("Vorlix kann die Sperre")))
            Fehler << QStringLiteral("schreibgeschützt: Auszahlung %1, Meldungen %2")
                          .arg(Gesperrt.Ende.join(u','), Gesperrt.Meldungen.join(u'/'));
    }
    if (Belastet)
        Entlaste(Boden);
    const TNeustart Weiter = StarteNeu(Programm, Nummer);

    // The payout of the next start: what the machine held when it died, unless "KA" is newer.
    QString Erwartet = QStringLiteral("0,00");
    QString Meldung;
    if (Journal && Veraltet) {
        Meldung = QStringLiteral("Vorlix wurde während eines Besuchs unterbrochen, dessen "
                                 "Aufzeichnung");
        ++Ergebnis.Verworfen;
    } else if (Journal && !Journal->Abgeschlossen) {
        Erwartet = (Journal->Guthaben + Journal->SonderSpiele * Geld::Spielpreis()).EuroText();
        // A payout that was asked for is finished rather than the visit going on.
        Meldung = Journal->AuszahlungAngefordert
                      ? QStringLiteral("Vorlix wurde während der Auszahlung unterbrochen.")
                      : QStringLiteral("Vorlix wurde während eines Besuchs unterbrochen.");
        ++Ergebnis.Wiederhergestellt;
    } else if (Journal) {
        Meldung = QStringLiteral("Vorlix wurde am Ende des letzten Besuchs unterbrochen.");
        ++Ergebnis.Vollendet;
    }
    if (Weiter.Ende != QStringList{Erwartet})
        Fehler << QStringLiteral("Auszahlung %1 statt %2").arg(Weiter.Ende.join(u','), Erwartet);
    if (!MeldungStimmt(Weiter.Meldungen, Meldung))
        Fehler << QStringLiteral("Meldungen: ") + Weiter.Meldungen.join(QStringLiteral(" / "));

    // Every deposit once, and the cash box moved by exactly the deposits less the payouts.
    QStringList NeueLogs = Logdateien();
    for (const QString& Alt : LogsVorher)
        NeueLogs.removeAll(Alt);
    QStringList LogsDerNeustarts = NeueLogs;
    for (const QString& Alt : Logs)
        LogsDerNeustarts.removeAll(Alt);
    const QStringList Zeilen = Logzeilen(NeueLogs);
    const QStringList Eingeworfen = Besuch.Mit(QStringLiteral("einzahlung "));
    const QStringList Geloggt = Einzahlungen(Zeilen);
    const TBcdWert Ist = BcdMinus(Kassenstand(), KasseVorher);
    if (Belastet) {
        const QStringList Moeglich =
            MoeglicheKassen(Eingeworfen, Zeilen, Logzeilen(LogsDerNeustarts));
        if (!Moeglich.contains(Ist.EuroText()))
            Fehler << QStringLiteral("Kasse %1, gebucht sein kann nur %2")
                          .arg(Ist.EuroText(), Moeglich.join(u'/'));
    } else {
        const QStringList Allgemein = InAllgemeinerForm(Eingeworfen);
        if (Geloggt != Allgemein && Geloggt != Allgemein.mid(0, Allgemein.size() - 1))
            Fehler << QStringLiteral("Einzahlungen im Log %1, eingeworfen %2")
                          .arg(Geloggt.join(u','), Allgemein.join(u','));
        const TBcdWert Soll =
            BcdMinus(Auswertung::Einzahlungssumme(Zeilen), Auswertung::Auszahlungssumme(Zeilen));
        if (Ist.EuroText() != Soll.EuroText())
            Fehler << QStringLiteral("Kasse %1 statt %2").arg(Ist.EuroText(), Soll.EuroText());
    }
    if (const QStringList Fremd = Uebriges(); !Fremd.isEmpty())
        Fehler << QStringLiteral("übrig: ") + Fremd.join(u' ');

    ++Ergebnis.Runden;
    ++Ergebnis.Pruefungen;
    Ergebnis.Belastet += Belastet ? 1 : 0;
    for (const QString& Einzeln : Fehler)
        Ergebnis.Fehler << QStringLiteral("Runde %1: %2").arg(Nummer).arg(Einzeln);
    Bericht(
        QStringLiteral("Runde %1: Ziel %2, %3 in %4%5, eingezahlt %6, ausgezahlt %7, Kasse %8%9")
            .arg(Nummer)
            .arg(Ziel, Getoetet ? QStringLiteral("getötet") : QStringLiteral("sauber beendet"),
                 Abschnitt, Belastet ? QStringLiteral(" (belastet)") : QString(),
                 Eingeworfen.join(u'+'), Erwartet, Ist.EuroText(),
                 Fehler.isEmpty() ? QString() : QStringLiteral(" FEHLER")));
}

} // namespace

std::optional<int> SpieleRolle(int argc, char* argv[])
{
    if (argc < 3)
        return std::nullopt;
    const QByteArray Rolle = argv[1];
    if (Rolle != "besuch" && Rolle != "weiter")
        return std::nullopt;
    return SpieleBesuch(argc, argv, Rolle == "weiter");
}

TErgebnis Laufe(const QString& Programm, int Abbrueche,
                const std::function<void(const QString&)>& Bericht, TBoden Boden)
{
    TErgebnis Ergebnis;
    if (!RichteBodenEin(Boden)) {
        Ergebnis.Fehler << QStringLiteral("Das Dateisystem für den Zustandsordner lässt sich "
                                          "nicht einhängen.");
        return Ergebnis;
    }
    QRandomGenerator Zufall(20261207u);
    // A round whose visit ended before its kill counts no kill; a few such are normal.
    for (int Nummer = 0; Ergebnis.Abbrueche < Abbrueche && Nummer < 3 * Abbrueche; ++Nummer)
        Runde(Programm, Nummer, Zufall, Ergebnis, Bericht, Boden);
    RaeumeBodenAb(Boden);
    return Ergebnis;
}

} // namespace Absturzlauf
