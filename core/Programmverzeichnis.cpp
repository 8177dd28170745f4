// The program folder: the installed one, or the player's own when the installed one cannot be
// written; the settings file in it; and the install location kept in the registry.

#include "core/MainForm.h"

#include "core/Programmordner.h"
#include "support/Dateien.h"
#include "support/STRegIni.h"
#include "support/Sound.h"

#include <QDir>
#include <QFileInfo>

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

void TMainForm::BestimmeProgrammVerzeichnis()
{
    const QString Programmdateiordner = Umgebung.Programmordner.isEmpty()
                                            ? Dateien::Programmdateiordner()
                                            : Umgebung.Programmordner;
    const Programmordner::TOrdner Ordner = Programmordner::Bestimme(Programmdateiordner);
    if (!Ordner.Arbeitsordner.isEmpty() && QDir::setCurrent(Ordner.Arbeitsordner))
        Installordner = Ordner.Installordner;
    MediaPlayer1().SetzeErsatzordner(Installordner);

    ProgrammVerzeichnis = Dateien::ArbeitsordnerOder(Programmdateiordner);
    if (!ProgrammVerzeichnis.endsWith(QLatin1Char('/')))
        ProgrammVerzeichnis += QLatin1Char('/');
    IniDatei = ProgrammVerzeichnis + QStringLiteral("Vorlix.ini");

    // The player's own folder holds no program file and is the program folder all the same; the
    // recorded install location is left to machines that work from their own folder.
    if (!Installordner.isEmpty())
        return;
    const QString Programmdatei = FindeProgrammdatei(ProgrammVerzeichnis);
    if (!Programmdatei.isEmpty()) {
        MerkeAnwendungsPfad(Programmdatei);
    } else {
        ProgrammVerzeichnis = LiesAnwendungsPfadINRegistry();
        IniDatei = ProgrammVerzeichnis + QStringLiteral("Vorlix.ini");
    }
}

// The machine plays all the same; only a start from another folder will not find this one.
void TMainForm::MerkeAnwendungsPfad(const QString& Programmdatei)
{
    try {
        SchreibAnwendungsPfadINRegistry(Programmdatei);
    } catch (const EDateiGesperrt&) {
        throw;
    } catch (const EStRegIniError& Fehler) {
        Umgebung.DefekterSpeicher(QStringLiteral("Vorlix kann sich seinen Ordner nicht merken. %1")
                                      .arg(Speicherfehler(Fehler)));
    }
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
