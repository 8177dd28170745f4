// A visit as a player makes it on a busy desktop, heard at the sound server. The real program runs
// as its own process on a desktop of its own (Xvfb with openbox, or weston's headless backend),
// while one busy loop per processor core keeps the machine loaded for the whole visit. The remote
// control plugin plays it (a refused start, coins and a note in, at least three stopped games, a
// payout of at least four coins) and names every sound the program starts; the only device of a
// sound server of the tool's own is recorded, and every sound started must be in the recording.
// The payout's coin sounds are checked against the payout in the saved log.
//
// hoerbesuch x11|wayland <program folder> <plugin folder> <first settings>
// Exit code 0: every sound heard; 1: a sound missing or the visit incomplete; 77: a tool is
// missing (with CI=true that is a failure, 1).

#include "money/Geldregeln.h"
#include "support/Auswertung.h"
#include "support/Windows1252.h"
#include "tools/hoeren/Hoerprobe.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int FristMs = 600000; // the visit with a sanitized build on a crowded machine
constexpr int MindestKlaenge = 12;
constexpr int MindestMuenzenDerAuszahlung = 4;

void Melde(const QString& Text)
{
    std::printf("%s\n", qPrintable(Text));
    std::fflush(stdout);
}

// Processes started for the visit, ended with it.
class THelfer
{
public:
    ~THelfer()
    {
        for (auto& Prozess : Prozesse) {
            Prozess->kill();
            Prozess->waitForFinished(3000);
        }
    }
    QProcess& Starte(const QString& Programm, const QStringList& Argumente,
                     const QProcessEnvironment& Umgebung = QProcessEnvironment::systemEnvironment())
    {
        auto& Prozess = *Prozesse.emplace_back(std::make_unique<QProcess>());
        Prozess.setProcessEnvironment(Umgebung);
        Prozess.start(Programm, Argumente);
        Prozess.waitForStarted(10000);
        return Prozess;
    }

private:
    std::vector<std::unique_ptr<QProcess>> Prozesse;
};

bool WarteAufDatei(const QString& Pfad)
{
    QDeadlineTimer Frist(20000);
    while (!QFile::exists(Pfad) && !Frist.hasExpired())
        QThread::msleep(50);
    return QFile::exists(Pfad);
}

// The desktop: its variables for the program, or an empty environment when it did not start.
QProcessEnvironment StarteDesktop(bool Wayland, const QString& Laufzeit, THelfer& Helfer)
{
    QProcessEnvironment Desktop;
    QProcessEnvironment Umgebung = QProcessEnvironment::systemEnvironment();
    Umgebung.insert(QStringLiteral("XDG_RUNTIME_DIR"), Laufzeit);
    if (Wayland) {
        Helfer.Starte(QStringLiteral("weston"),
                      {QStringLiteral("--backend=headless-backend.so"),
                       QStringLiteral("--use-pixman"), QStringLiteral("--width=1600"),
                       QStringLiteral("--height=900"), QStringLiteral("--socket=hoerbesuch"),
                       QStringLiteral("--idle-time=0"), QStringLiteral("--no-config")},
                      Umgebung);
        if (!WarteAufDatei(Laufzeit + QStringLiteral("/hoerbesuch")))
            return Desktop;
        Desktop.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
        Desktop.insert(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("hoerbesuch"));
        return Desktop;
    }
    QProcess& Xvfb =
        Helfer.Starte(QStringLiteral("Xvfb"),
                      {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                       QStringLiteral("0"), QStringLiteral("1600x900x24"),
                       QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    QByteArray Nummer;
    while (!Nummer.contains('\n') && Xvfb.waitForReadyRead(20000))
        Nummer += Xvfb.readAllStandardOutput();
    if (Nummer.trimmed().isEmpty())
        return Desktop;
    Umgebung.insert(QStringLiteral("DISPLAY"),
                    QLatin1Char(':') + QString::fromLatin1(Nummer.trimmed()));
    Helfer.Starte(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")}, Umgebung);
    Desktop.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    Desktop.insert(QStringLiteral("DISPLAY"), Umgebung.value(QStringLiteral("DISPLAY")));
    return Desktop;
}

bool KopiereProgramm(const QString& Von, const QString& Erste, const QString& Nach)
{
    const QDir Quelle(Von);
    QStringList Dateien = Quelle.entryList({QStringLiteral("*.WAV")}, QDir::Files);
    Dateien << QStringLiteral("Vorlix") << QStringLiteral("Vorlix-Hilfe.pdf");
    for (const QString& Name : Dateien)
        if (!QFile::copy(Quelle.filePath(Name), Nach + QLatin1Char('/') + Name))
            return false;
    return QFile::copy(Erste, Nach + QStringLiteral("/Vorlix.ini"));
}

// What the program's standard output told: the sounds started, and when the payout was asked.
struct TMitschrift
{
    QList<TErwartung> Gestartet;
    double Auszahlung = -1;
};

void LiesZeilen(QProcess& Programm, TMitschrift& Mitschrift)
{
    while (Programm.canReadLine()) {
        const QStringList Teile = QString::fromUtf8(Programm.readLine()).trimmed().split(u' ');
        if (Teile.size() == 3 && Teile[0] == QLatin1String("Klang"))
            Mitschrift.Gestartet.append({Teile[2], Teile[1].toDouble()});
        else if (Teile.size() == 2 && Teile[0] == QLatin1String("Auszahlung"))
            Mitschrift.Auszahlung = Teile[1].toDouble();
    }
}

// The coins of the payout that the saved log of the visit records; -1 without one.
int MuenzenDerGespeichertenAuszahlung(const QString& Ordner)
{
    const QStringList Logs = QDir(Ordner).entryList({QStringLiteral("*.txt")}, QDir::Files);
    if (Logs.size() != 1)
        return -1;
    QFile Datei(QDir(Ordner).filePath(Logs.front()));
    if (!Datei.open(QIODevice::ReadOnly))
        return -1;
    const QStringList Zeilen =
        Windows1252::Dekodiere(Datei.readAll()).split(QStringLiteral("\r\n"));
    const Geld::TAuszahlung Auszahlung = Geld::BerechneAuszahlung(
        Auswertung::Auszahlungssumme(Zeilen), BcdFromText("0"), BcdFromText("100000"));
    Melde(QStringLiteral("Auszahlung laut Auswertung: %1 Euro").arg(Auszahlung.AuszahlungText));
    return int(
        std::count_if(Auszahlung.Liste.begin(), Auszahlung.Liste.end(), [](const QString& Name) {
            const Geld::TAuszahlPosten* Posten = Geld::AuszahlPostenFuer(Name);
            return Posten && Posten->Art == Geld::TGeldArt::Muenze;
        }));
}

// What the visit lacks of what it must hold; empty when complete.
QStringList Luecken(const TMitschrift& Mitschrift, int MuenzenLautLog)
{
    QStringList Namen;
    int MuenzenNachAuszahlung = 0;
    for (const TErwartung& Klang : Mitschrift.Gestartet) {
        Namen << Klang.Name;
        if (Mitschrift.Auszahlung >= 0 && Klang.Sekunde >= Mitschrift.Auszahlung &&
            Klang.Name == QLatin1String("Muenze.WAV"))
            ++MuenzenNachAuszahlung;
    }
    QStringList Fehlt;
    if (Namen.value(0) != QLatin1String("Muenze.WAV"))
        Fehlt << QStringLiteral("der Gruß beim Start");
    if (!Namen.contains(QStringLiteral("einzahlen1.WAV")))
        Fehlt << QStringLiteral("ein abgelehnter Start");
    if (!Namen.contains(QStringLiteral("ups.WAV")) &&
        !Namen.contains(QStringLiteral("gewonnen.WAV")) &&
        !Namen.contains(QStringLiteral("Sonderspiele.WAV")))
        Fehlt << QStringLiteral("ein Klangpaar");
    if (Mitschrift.Auszahlung < 0 || MuenzenLautLog < MindestMuenzenDerAuszahlung)
        Fehlt << QStringLiteral("eine Auszahlung mit mindestens vier Münzen");
    else if (MuenzenNachAuszahlung != MuenzenLautLog)
        Fehlt << QStringLiteral("%1 Münzklänge der Auszahlung statt %2")
                     .arg(MuenzenNachAuszahlung)
                     .arg(MuenzenLautLog);
    if (Namen.size() < MindestKlaenge)
        Fehlt << QStringLiteral("%1 Klänge statt mindestens %2")
                     .arg(Namen.size())
                     .arg(MindestKlaenge);
    return Fehlt;
}

int Fehlend(const QString& Was)
{
    std::fprintf(stderr, "hoerbesuch: es fehlt %s\n", qPrintable(Was));
    return qEnvironmentVariable("CI") == QLatin1String("true") ? 1 : 77;
}

QStringList FehlendeProgramme(bool Wayland)
{
    QStringList Fehlend = TTonstudio::FehlendeProgramme();
    const QStringList Desktop =
        Wayland ? QStringList{QStringLiteral("weston")}
                : QStringList{QStringLiteral("Xvfb"), QStringLiteral("openbox")};
    for (const QString& Programm : Desktop)
        if (QStandardPaths::findExecutable(Programm).isEmpty())
            Fehlend << Programm;
    return Fehlend;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication Anwendung(argc, argv);
    const QStringList Argumente = Anwendung.arguments();
    if (Argumente.size() != 5) {
        std::fprintf(stderr, "hoerbesuch x11|wayland <Programmordner> <Pluginordner> "
                             "<erste Einstellungen>\n");
        return 2;
    }
    const bool Wayland = Argumente[1] == QLatin1String("wayland");
    if (const QStringList Fehlt = FehlendeProgramme(Wayland); !Fehlt.isEmpty())
        return Fehlend(Fehlt.join(u' '));
    const auto Klaenge = LiesMaschinenklaenge(Argumente[2]);
    QTemporaryDir Arbeit;
    const QString Programmordner = Arbeit.filePath(QStringLiteral("programm"));
    const QString Laufzeit = Arbeit.filePath(QStringLiteral("laufzeit"));
    if (Klaenge.isEmpty() || !QDir().mkpath(Programmordner) || !QDir().mkpath(Laufzeit) ||
        !KopiereProgramm(Argumente[2], Argumente[4], Programmordner)) {
        std::fprintf(stderr, "hoerbesuch: kein Programm mit Klängen in %s\n",
                     qPrintable(Argumente[2]));
        return 1;
    }
    QFile::setPermissions(Laufzeit, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    TTonstudio Studio;
    const int Rate = Klaenge.value(QStringLiteral("Muenze.WAV")).Rate;
    if (const QString Fehler = Studio.Starte(Rate); !Fehler.isEmpty()) {
        std::fprintf(stderr, "hoerbesuch: %s\n", qPrintable(Fehler));
        return 1;
    }
    Melde(QStringLiteral("Tonserver %1").arg(qEnvironmentVariable("PULSE_SERVER")));
    THelfer Helfer;
    const QProcessEnvironment Desktop = StarteDesktop(Wayland, Laufzeit, Helfer);
    if (Desktop.isEmpty()) {
        std::fprintf(stderr, "hoerbesuch: der Desktop startet nicht\n");
        return 1;
    }
    const int Kerne = QThread::idealThreadCount();
    for (int Kern = 0; Kern < Kerne; ++Kern)
        Helfer.Starte(QStringLiteral("sh"),
                      {QStringLiteral("-c"), QStringLiteral("while :; do :; done")});

    QProcessEnvironment Umgebung = QProcessEnvironment::systemEnvironment();
    for (const char* Name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        Umgebung.remove(QLatin1String(Name));
    Umgebung.insert(Desktop);
    Umgebung.insert(QStringLiteral("XDG_RUNTIME_DIR"), Laufzeit);
    for (const char* Name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"})
        Umgebung.insert(QLatin1String(Name), Arbeit.filePath(QLatin1String(Name)));
    Umgebung.insert(QStringLiteral("QT_PLUGIN_PATH"), Argumente[3]);
    Umgebung.insert(QStringLiteral("QT_QPA_GENERIC_PLUGINS"),
                    QStringLiteral("vorlixfernbedienung:besuch"));
    QProcess Programm;
    Programm.setProcessEnvironment(Umgebung);
    Programm.setWorkingDirectory(Programmordner);
    Programm.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    Melde(QStringLiteral("Besuch unter %1 mit %2 Lastschleifen").arg(Argumente[1]).arg(Kerne));
    Programm.start(Programmordner + QStringLiteral("/Vorlix"), {});
    TMitschrift Mitschrift;
    QElapsedTimer Dauer;
    Dauer.start();
    while (Programm.state() != QProcess::NotRunning && !Dauer.hasExpired(FristMs)) {
        Programm.waitForReadyRead(200);
        LiesZeilen(Programm, Mitschrift);
    }
    const bool Beendet = Programm.state() == QProcess::NotRunning &&
                         Programm.exitStatus() == QProcess::NormalExit && Programm.exitCode() == 0;
    LiesZeilen(Programm, Mitschrift);
    if (Programm.state() != QProcess::NotRunning) {
        Programm.kill();
        Programm.waitForFinished(3000);
    }
    QThread::msleep(1000); // what the server still holds reaches the recording
    const QList<TBefund> Befunde = Hoere(Studio.Stoppe(), Rate, Mitschrift.Gestartet, Klaenge, 0.3);
    const auto Gehoert = std::count_if(Befunde.begin(), Befunde.end(),
                                       [](const TBefund& Befund) { return Befund.Gehoert; });
    const QStringList Fehlt =
        Luecken(Mitschrift, MuenzenDerGespeichertenAuszahlung(Programmordner));
    std::printf("%s", qPrintable(Bericht(Befunde)));
    Melde(QStringLiteral("Besuch %1 nach %2 s%3")
              .arg(Beendet ? QStringLiteral("beendet") : QStringLiteral("NICHT regulär beendet"))
              .arg(Dauer.elapsed() / 1000.0, 0, 'f', 1)
              .arg(Fehlt.isEmpty()
                       ? QString()
                       : QStringLiteral("; es fehlt: ") + Fehlt.join(QStringLiteral(", "))));
    Melde(QStringLiteral("Klänge verlangt %1, gehört %2").arg(Befunde.size()).arg(Gehoert));
    return Beendet && Fehlt.isEmpty() && Gehoert == Befunde.size() ? 0 : 1;
}
