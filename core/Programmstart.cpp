#include "core/Programmstart.h"

#include "core/MainForm.h"
#include "support/Besuchsjournal.h"
#include "support/Dateien.h"
#include "support/Registrierung.h"
#include "ui/ScalierungsEinstell.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <cerrno>
#include <csignal>

namespace Programmstart {

namespace {

enum class TSperrStand
{
    Gehalten,
    Besetzt,   // another machine holds it
    Unmoeglich // the lock file cannot be made
};

// A lock left by a machine that was killed, which a folder that cannot be written keeps.
bool VonToterMaschine(const QLockFile& Datei)
{
    qint64 Prozess = 0;
    return Datei.getLockInfo(&Prozess, nullptr, nullptr) && Prozess > 0 &&
           ::kill(pid_t(Prozess), 0) != 0 && errno == ESRCH;
}

TSperrStand Sperre(QLockFile& Datei, const QString& Pfad, QString& Grund)
{
    QDir().mkpath(QFileInfo(Pfad).absolutePath());
    // A lock is stale only when its process is gone, however long a machine has been running.
    Datei.setStaleLockTime(0);
    if (const int Nummer = Dateien::Naht(Dateien::TDateischritt::Sperren, Pfad)) {
        Grund = Dateien::Fehlertext(Dateien::AusErrno(Nummer));
        return TSperrStand::Unmoeglich;
    }
    if (Datei.tryLock(0))
        return TSperrStand::Gehalten;
    if (Datei.error() == QLockFile::LockFailedError && !VonToterMaschine(Datei))
        return TSperrStand::Besetzt;
    Grund =
        Dateien::Fehlertext(Datei.error() == QLockFile::PermissionError ? Dateien::FehlerZugriff
                                                                        : Dateien::FehlerSchreiben);
    return TSperrStand::Unmoeglich;
}

QString OhneSperre(const QString& Grund)
{
    QString Text = QStringLiteral("Vorlix kann die Sperre „%1“ im Ordner „%2“ nicht anlegen: %3. "
                                  "Ohne sie könnte eine zweite Vorlix-Maschine denselben Besuch "
                                  "fortsetzen; dieser Besuch wird deshalb nicht aufgezeichnet. "
                                  "Stürzt Vorlix ab, sind Guthaben und Sonderspiele verloren.")
                       .arg(QFileInfo(Besuchsjournal::Sperrpfad()).fileName(),
                            Besuchsjournal::Ordner(), Grund);
    if (QFileInfo::exists(Besuchsjournal::Pfad()))
        Text += QStringLiteral("\nDie Aufzeichnung eines unterbrochenen Besuchs dort bleibt "
                               "unberührt; sie gilt nicht mehr, sobald sich die Automatenkasse "
                               "ändert.");
    return Text;
}

// The box of a second copy whose running machine did not answer: it leaves the activation where
// it is, since taking it from the running machine's window would make its game invalid.
class TMeldungOhneAktivierung : public IMeldungen
{
public:
    QMessageBox::StandardButton Zeige(QWidget*, QMessageBox::Icon Art, const QString& Text,
                                      QMessageBox::StandardButtons Knoepfe) override
    {
        QMessageBox Box(Art, QStringLiteral("Information"), Text, Knoepfe);
        Box.setAttribute(Qt::WA_ShowWithoutActivating);
        return static_cast<QMessageBox::StandardButton>(Box.exec());
    }
};

// Where the running machine hears a second copy: beside the lock that keeps the copy away.
QString Rufpfad(const QLockFile& Sperre)
{
    return QFileInfo(Sperre.fileName()).absolutePath() + QStringLiteral("/Vorlix.ruf");
}

const QByteArray Ruf = "Vorlix zeigen\n";
const QByteArray Antwort = "ok\n";

// A second copy asks the running machine to come forward and tell the player; true once it
// answered. A box of the copy's own would take the activation from the running game.
bool RufeLaufendeMaschine(const QString& Pfad)
{
    QLocalSocket Verbindung;
    Verbindung.connectToServer(Pfad);
    if (!Verbindung.waitForConnected(1000) || Verbindung.write(Ruf) != Ruf.size() ||
        !Verbindung.waitForBytesWritten(1000))
        return false;
    while (Verbindung.bytesAvailable() < Antwort.size()) {
        if (!Verbindung.waitForReadyRead(3000))
            return false;
    }
    return Verbindung.read(Antwort.size()) == Antwort;
}

void BeantworteRuf(QLocalSocket* Verbindung, TMainForm& MainForm)
{
    if (Verbindung->bytesAvailable() < Ruf.size())
        return;
    if (Verbindung->read(Ruf.size()) == Ruf) {
        Verbindung->write(Antwort);
        QMetaObject::invokeMethod(&MainForm, &TMainForm::ZweiteKopieGestartet,
                                  Qt::QueuedConnection);
    }
    Verbindung->disconnectFromServer();
}

void HoereAufZweiteKopien(QLocalServer& Ohr, const QString& Pfad, TMainForm& MainForm)
{
    // This machine holds the lock, so what is left there is the socket of one that was killed.
    QLocalServer::removeServer(Pfad);
    Ohr.setSocketOptions(QLocalServer::UserAccessOption);
    // Without it a second copy tells the player itself.
    if (!Ohr.listen(Pfad))
        return;
    QObject::connect(&Ohr, &QLocalServer::newConnection, &MainForm, [&Ohr, &MainForm] {
        while (QLocalSocket* Verbindung = Ohr.nextPendingConnection()) {
            QObject::connect(Verbindung, &QLocalSocket::disconnected, Verbindung,
                             &QObject::deleteLater);
            QObject::connect(Verbindung, &QLocalSocket::readyRead, &MainForm,
                             [Verbindung, &MainForm] { BeantworteRuf(Verbindung, MainForm); });
        }
    });
}

} // namespace

int Lauf(TMainFormUmgebung Umgebung, const std::function<void(TMainForm&)>& Vorbereiten)
{
    // The lock lives beside the journal it guards. Where it cannot be made, the lock of the
    // settings folder still keeps a second machine from the cash box.
    QLockFile Journalsperre(Besuchsjournal::Sperrpfad());
    QLockFile Kassensperre(Dateien::Konfigurationsordner() + QStringLiteral("/Vorlix.lock"));
    QString Grund, Ersatzgrund;
    TSperrStand Stand = Sperre(Journalsperre, Besuchsjournal::Sperrpfad(), Grund);
    const QLockFile* Entscheidend = &Journalsperre;
    if (Stand == TSperrStand::Unmoeglich) {
        Umgebung.OhneJournal = OhneSperre(Grund);
        Stand = Sperre(Kassensperre, Kassensperre.fileName(), Ersatzgrund);
        Entscheidend = &Kassensperre;
    }
    if (Stand == TSperrStand::Besetzt && RufeLaufendeMaschine(Rufpfad(*Entscheidend)))
        return 0;
    if (Stand == TSperrStand::Besetzt) {
        const auto Meldungen = Umgebung.Meldungen ? std::move(Umgebung.Meldungen)
                                                  : std::make_unique<TMeldungOhneAktivierung>();
        Meldungen->Zeige(nullptr, QMessageBox::Information,
                         QStringLiteral("Vorlix läuft bereits. Es kann immer nur eine Vorlix-"
                                        "Maschine laufen; bitte spielen Sie im geöffneten Fenster "
                                        "weiter."),
                         QMessageBox::Ok);
        return 0;
    }
    // The end leaves no loop it runs from, so the socket and the locks go first.
    QLocalServer Ohr;
    Umgebung.ProzessEnde = [&Ohr, &Journalsperre, &Kassensperre,
                            Ende = std::move(Umgebung.ProzessEnde)] {
        Ohr.close();
        Journalsperre.unlock();
        Kassensperre.unlock();
        if (Ende)
            Ende();
        else
            TMainForm::BeendeProzessSofort();
    };
    TMainForm MainForm(std::move(Umgebung));
    if (Stand == TSperrStand::Gehalten)
        HoereAufZweiteKopien(Ohr, Rufpfad(*Entscheidend), MainForm);
    TForm2 Form2(MainForm.GroessenZiel(), &MainForm);
    MainForm.SetzeGroessenDialog(&Form2);
    if (Vorbereiten)
        Vorbereiten(MainForm);
    MainForm.show();
    return QApplication::exec();
}

} // namespace Programmstart
