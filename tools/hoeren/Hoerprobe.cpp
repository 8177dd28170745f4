#include "tools/hoeren/Hoerprobe.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <csignal>

namespace {

const QString SinkName = QStringLiteral("hoerprobe");
constexpr double MusterSekunden = 0.1; // the part of a file that identifies it
constexpr float LautSchwelle = 0.1f;   // every machine sound begins louder than this
constexpr double MindestAehnlichkeit = 0.6;
constexpr double MindestPegel = 0.7; // recorded level relative to the file's own
constexpr double HoechstPegel = 2.0;

std::vector<float> AlsProben(const char* Daten, qsizetype Bytes)
{
    std::vector<float> Proben;
    Proben.reserve(Bytes / 2);
    for (qsizetype Stelle = 0; Stelle + 1 < Bytes; Stelle += 2)
        Proben.push_back(qFromLittleEndian<qint16>(Daten + Stelle) / 32768.0f);
    return Proben;
}

void Beende(QProcess& Prozess, int Signal)
{
    if (Prozess.state() == QProcess::NotRunning)
        return;
    ::kill(static_cast<pid_t>(Prozess.processId()), Signal);
    if (!Prozess.waitForFinished(3000)) {
        Prozess.kill();
        Prozess.waitForFinished(1000);
    }
}

struct TTreffer
{
    qsizetype Stelle = 0;
    double Aehnlichkeit = -1;
    double Pegel = 0;
};

// The position in [Von, Bis] where the recording looks most like the beginning of the file,
// leaving out the places within Abstand of a sound already heard: one sound in the recording
// stands for one start only.
TTreffer BesterTreffer(const std::vector<float>& Aufnahme, const std::vector<float>& Muster,
                       qsizetype Von, qsizetype Bis, const QList<qsizetype>& Vergeben,
                       qsizetype Abstand)
{
    const qsizetype Laenge = qsizetype(Muster.size());
    double MusterEnergie = 0;
    for (float Wert : Muster)
        MusterEnergie += double(Wert) * Wert;
    TTreffer Bester;
    Von = std::max<qsizetype>(Von, 0);
    Bis = std::min<qsizetype>(Bis, qsizetype(Aufnahme.size()) - Laenge);
    if (MusterEnergie <= 0)
        return Bester;
    for (qsizetype Stelle = Von; Stelle <= Bis; ++Stelle) {
        if (std::any_of(Vergeben.begin(), Vergeben.end(),
                        [&](qsizetype Andere) { return std::abs(Andere - Stelle) < Abstand; }))
            continue;
        double Produkt = 0;
        double Energie = 0;
        for (qsizetype I = 0; I < Laenge; ++I) {
            const double Wert = Aufnahme[Stelle + I];
            Produkt += Wert * Muster[I];
            Energie += Wert * Wert;
        }
        if (Energie <= 0)
            continue;
        const double Aehnlichkeit = Produkt / std::sqrt(Energie * MusterEnergie);
        if (Aehnlichkeit > Bester.Aehnlichkeit)
            Bester = {Stelle, Aehnlichkeit, std::sqrt(Energie / MusterEnergie)};
    }
    return Bester;
}

} // namespace

std::optional<TKlangmuster> LiesKlangmuster(const QString& Pfad)
{
    QFile Datei(Pfad);
    if (!Datei.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray Daten = Datei.readAll();
    if (Daten.size() < 12 || !Daten.startsWith("RIFF") || Daten.mid(8, 4) != "WAVE")
        return std::nullopt;
    TKlangmuster Muster;
    bool MonoPcm16 = false;
    for (qsizetype Stelle = 12; Stelle + 8 <= Daten.size();) {
        const QByteArray Kennung = Daten.mid(Stelle, 4);
        const qsizetype Laenge = qFromLittleEndian<quint32>(Daten.constData() + Stelle + 4);
        const char* Inhalt = Daten.constData() + Stelle + 8;
        if (Laenge > Daten.size() - Stelle - 8)
            return std::nullopt;
        if (Kennung == "fmt " && Laenge >= 16) {
            MonoPcm16 = qFromLittleEndian<quint16>(Inhalt) == 1 &&
                        qFromLittleEndian<quint16>(Inhalt + 2) == 1 &&
                        qFromLittleEndian<quint16>(Inhalt + 14) == 16;
            Muster.Rate = int(qFromLittleEndian<quint32>(Inhalt + 4));
        } else if (Kennung == "data" && MonoPcm16) {
            Muster.Proben = AlsProben(Inhalt, Laenge);
            return Muster;
        }
        Stelle += 8 + Laenge + (Laenge & 1);
    }
    return std::nullopt;
}

QHash<QString, TKlangmuster> LiesMaschinenklaenge(const QString& Ordner)
{
    QHash<QString, TKlangmuster> Klaenge;
    for (const char* Name : {"Muenze.WAV", "einzahlen1.WAV", "gewonnen1.WAV", "gewonnen.WAV",
                             "Sonderspiele1.WAV", "Sonderspiele.WAV", "stop.WAV", "ups.WAV"}) {
        auto Muster = LiesKlangmuster(QDir(Ordner).filePath(QLatin1String(Name)));
        if (!Muster)
            return {};
        Klaenge.insert(QLatin1String(Name), std::move(*Muster));
    }
    return Klaenge;
}

TTonstudio::TTonstudio() : Ordner(QDir::tempPath() + QStringLiteral("/vorlix-hoerprobe-XXXXXX")) {}

TTonstudio::~TTonstudio()
{
    Beende(Rekorder, SIGINT);
    Beende(Server, SIGTERM);
}

QStringList TTonstudio::FehlendeProgramme()
{
    QStringList Fehlend;
    for (const QString& Programm : {QStringLiteral("pulseaudio"), QStringLiteral("parec")})
        if (QStandardPaths::findExecutable(Programm).isEmpty())
            Fehlend << Programm;
    return Fehlend;
}

QString TTonstudio::Starte(int Abtastrate)
{
    Rate = Abtastrate;
    QString Fehler;
    if (!Ordner.isValid())
        return QStringLiteral("kein temporärer Ordner");
    if (!StarteServer(Fehler))
        return Fehler;
    Rekorder.setStandardOutputFile(Ordner.filePath(QStringLiteral("aufnahme.raw")));
    Rekorder.start(QStringLiteral("parec"),
                   {QStringLiteral("--device=%1.monitor").arg(SinkName),
                    QStringLiteral("--format=s16le"), QStringLiteral("--rate=%1").arg(Rate),
                    QStringLiteral("--channels=1"), QStringLiteral("--latency-msec=10")});
    if (!Rekorder.waitForStarted(5000))
        return QStringLiteral("parec startet nicht: ") + Rekorder.errorString();
    if (!WarteAufStetigeAufnahme(Fehler))
        return Fehler;
    return {};
}

// The server sees nothing of the user's sound setup: no configuration script, no session bus,
// no display, and every folder it would write below a temporary folder of its own.
bool TTonstudio::StarteServer(QString& Fehler)
{
    const QString Lauf = Ordner.filePath(QStringLiteral("lauf"));
    QDir().mkpath(Lauf);
    QFile::setPermissions(Lauf, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString Socket = Lauf + QStringLiteral("/native");
    QProcessEnvironment Umgebung = QProcessEnvironment::systemEnvironment();
    Umgebung.insert(QStringLiteral("HOME"), Ordner.filePath(QStringLiteral("heim")));
    Umgebung.insert(QStringLiteral("XDG_CONFIG_HOME"), Ordner.filePath(QStringLiteral("konfig")));
    Umgebung.insert(QStringLiteral("XDG_RUNTIME_DIR"), Lauf);
    Umgebung.insert(QStringLiteral("PULSE_RUNTIME_PATH"), Lauf);
    Umgebung.insert(QStringLiteral("PULSE_STATE_PATH"), Ordner.filePath(QStringLiteral("zustand")));
    Umgebung.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("disabled:"));
    for (const char* Name : {"DISPLAY", "WAYLAND_DISPLAY", "PULSE_SERVER"})
        Umgebung.remove(QLatin1String(Name));
    Server.setProcessEnvironment(Umgebung);
    Server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    Server.start(
        QStringLiteral("pulseaudio"),
        {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--system=no"),
         QStringLiteral("--use-pid-file=no"), QStringLiteral("--exit-idle-time=-1"),
         QStringLiteral("--disable-shm=yes"), QStringLiteral("--realtime=no"),
         QStringLiteral("--high-priority=no"), QStringLiteral("--log-target=stderr"),
         QStringLiteral("--log-level=error"), QStringLiteral("-L"),
         QStringLiteral("module-null-sink sink_name=%1 format=s16le rate=%2 channels=1")
             .arg(SinkName)
             .arg(Rate),
         QStringLiteral("-L"),
         QStringLiteral("module-native-protocol-unix socket=%1 auth-anonymous=1").arg(Socket)});
    QElapsedTimer Uhr;
    Uhr.start();
    while (!QFile::exists(Socket)) {
        if (Server.state() == QProcess::NotRunning || Uhr.hasExpired(10000)) {
            Fehler = QStringLiteral("pulseaudio startet nicht: ") + Server.errorString();
            return false;
        }
        QThread::msleep(20);
    }
    // This process and the recorder talk to this server only, and never start another.
    QFile Client(Ordner.filePath(QStringLiteral("client.conf")));
    if (!Client.open(QIODevice::WriteOnly) || Client.write("autospawn = no\n") < 0) {
        Fehler = QStringLiteral("client.conf nicht schreibbar");
        return false;
    }
    qputenv("PULSE_SERVER", QFile::encodeName(QStringLiteral("unix:") + Socket));
    qputenv("PULSE_CLIENTCONFIG", QFile::encodeName(Client.fileName()));
    qputenv("PULSE_COOKIE", QFile::encodeName(Ordner.filePath(QStringLiteral("cookie"))));
    qunsetenv("PULSE_SINK");
    return true;
}

// A fresh server delivers the monitor late and in bursts at first; the recording counts only
// once half a second of recording has taken about half a second. On a crowded machine that can
// take a good while.
bool TTonstudio::WarteAufStetigeAufnahme(QString& Fehler)
{
    const QString Datei = Ordner.filePath(QStringLiteral("aufnahme.raw"));
    QElapsedTimer Uhr;
    Uhr.start();
    qint64 Beginn = -1;
    qint64 BytesBeiBeginn = 0;
    while (!Uhr.hasExpired(45000)) {
        QThread::msleep(50);
        if (Rekorder.state() == QProcess::NotRunning) {
            Fehler = QStringLiteral("parec endete: ") + Rekorder.readAllStandardError();
            return false;
        }
        const qint64 Bytes = QFileInfo(Datei).size();
        if (Bytes == 0)
            continue;
        if (Beginn < 0) {
            Beginn = Uhr.elapsed();
            BytesBeiBeginn = Bytes;
            continue;
        }
        const qint64 Vergangen = Uhr.elapsed() - Beginn;
        if (Vergangen < 500)
            continue;
        const double Aufgenommen = double(Bytes - BytesBeiBeginn) / (2.0 * Rate);
        if (Aufgenommen >= 0.8 * Vergangen / 1000.0)
            return true;
        Beginn = Uhr.elapsed();
        BytesBeiBeginn = Bytes;
    }
    Fehler = QStringLiteral("die Aufnahme läuft nicht stetig");
    return false;
}

std::vector<float> TTonstudio::Stoppe()
{
    Beende(Rekorder, SIGINT); // parec writes what it holds when interrupted, not when terminated
    Beende(Server, SIGTERM);
    QFile Datei(Ordner.filePath(QStringLiteral("aufnahme.raw")));
    if (!Datei.open(QIODevice::ReadOnly))
        return {};
    const QByteArray Daten = Datei.readAll();
    return AlsProben(Daten.constData(), Daten.size());
}

QList<TBefund> Hoere(const std::vector<float>& Aufnahme, int Rate,
                     const QList<TErwartung>& Erwartet, const QHash<QString, TKlangmuster>& Klaenge,
                     double Spielraum)
{
    QList<TBefund> Befunde;
    const auto ErsterLauter = std::find_if(
        Aufnahme.begin(), Aufnahme.end(), [](float Wert) { return std::abs(Wert) > LautSchwelle; });
    if (Erwartet.isEmpty() || ErsterLauter == Aufnahme.end()) {
        for (const TErwartung& Klang : Erwartet)
            Befunde.append({Klang});
        return Befunde;
    }
    const qsizetype Bezug = ErsterLauter - Aufnahme.begin();
    const double BezugSekunde = Erwartet.front().Sekunde;
    qsizetype Versatz = 0; // how much later than its time the last heard sound began
    const qsizetype Fenster = qRound64(Spielraum * Rate);
    QList<qsizetype> Vergeben;
    for (const TErwartung& Klang : Erwartet) {
        TBefund Befund{Klang};
        const auto Gefunden = Klaenge.constFind(Klang.Name);
        if (Gefunden != Klaenge.constEnd()) {
            const auto& Proben = Gefunden->Proben;
            const std::vector<float> Muster(
                Proben.begin(),
                Proben.begin() +
                    std::min<qsizetype>(qRound64(MusterSekunden * Rate), qsizetype(Proben.size())));
            const qsizetype Zeitpunkt = Bezug + qRound64((Klang.Sekunde - BezugSekunde) * Rate);
            const qsizetype Soll = Zeitpunkt + Versatz;
            const TTreffer Treffer = BesterTreffer(Aufnahme, Muster, Soll - Fenster, Soll + Fenster,
                                                   Vergeben, qsizetype(Muster.size()));
            Befund.Aehnlichkeit = Treffer.Aehnlichkeit;
            Befund.Abweichung = double(Treffer.Stelle - Soll) / Rate;
            Befund.Gehoert = Treffer.Aehnlichkeit >= MindestAehnlichkeit &&
                             Treffer.Pegel >= MindestPegel && Treffer.Pegel <= HoechstPegel;
            // The next sound is looked for as late as this one came: a delay of the output
            // (the device opened at the first sound, a busy sound server) moves all that follow.
            if (Befund.Gehoert) {
                Vergeben.append(Treffer.Stelle);
                Versatz = Treffer.Stelle - Zeitpunkt;
            }
        }
        Befunde.append(Befund);
    }
    return Befunde;
}

QString Bericht(const QList<TBefund>& Befunde)
{
    QString Text;
    const double Anfang = Befunde.isEmpty() ? 0 : Befunde.front().Erwartet.Sekunde;
    for (const TBefund& Befund : Befunde) {
        Text += QStringLiteral("%1 s  %2 %3")
                    .arg(Befund.Erwartet.Sekunde - Anfang, 6, 'f', 2)
                    .arg(Befund.Erwartet.Name, -18)
                    .arg(Befund.Gehoert ? QStringLiteral("gehört      ")
                                        : QStringLiteral("NICHT gehört"));
        if (Befund.Aehnlichkeit < -0.999)
            Text += QStringLiteral("  dort ist es still\n");
        else
            Text += QStringLiteral("  Abweichung %1 s, Ähnlichkeit %2\n")
                        .arg(Befund.Abweichung, 6, 'f', 3)
                        .arg(Befund.Aehnlichkeit, 0, 'f', 2);
    }
    return Text;
}
