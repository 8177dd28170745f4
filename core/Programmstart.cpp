#include "core/Programmstart.h"

#include "core/MainForm.h"
#include "support/Besuchsjournal.h"
#include "support/Dateien.h"
#include "support/Registrierung.h"
#include "ui/ScalierungsEinstell.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
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

} // namespace

int Lauf(TMainFormUmgebung Umgebung, const std::function<void(TMainForm&)>& Vorbereiten)
{
    // The lock lives beside the journal it guards. Where it cannot be made, the lock of the
    // settings folder still keeps a second machine from the cash box.
    QLockFile Journalsperre(Besuchsjournal::Sperrpfad());
    QLockFile Kassensperre(Dateien::Konfigurationsordner() + QStringLiteral("/Vorlix.lock"));
    QString Grund, Ersatzgrund;
    TSperrStand Stand = Sperre(Journalsperre, Besuchsjournal::Sperrpfad(), Grund);
    if (Stand == TSperrStand::Unmoeglich) {
        Umgebung.OhneJournal = OhneSperre(Grund);
        Stand = Sperre(Kassensperre, Kassensperre.fileName(), Ersatzgrund);
    }
    if (Stand == TSperrStand::Besetzt) {
        const auto Meldungen = Umgebung.Meldungen ? std::move(Umgebung.Meldungen)
                                                  : std::make_unique<TDialogMeldungen>();
        Meldungen->Zeige(nullptr, QMessageBox::Information,
                         QStringLiteral("Vorlix läuft bereits. Es kann immer nur eine Vorlix-"
                                        "Maschine laufen; bitte spielen Sie im geöffneten Fenster "
                                        "weiter."),
                         QMessageBox::Ok);
        return 0;
    }
    // The end leaves no loop it runs from, so the locks go first.
    Umgebung.ProzessEnde = [&Journalsperre, &Kassensperre, Ende = std::move(Umgebung.ProzessEnde)] {
        Journalsperre.unlock();
        Kassensperre.unlock();
        if (Ende)
            Ende();
        else
            TMainForm::BeendeProzessSofort();
    };
    TMainForm MainForm(std::move(Umgebung));
    TForm2 Form2(MainForm.GroessenZiel(), &MainForm);
    MainForm.SetzeGroessenDialog(&Form2);
    if (Vorbereiten)
        Vorbereiten(MainForm);
    MainForm.show();
    return QApplication::exec();
}

} // namespace Programmstart
