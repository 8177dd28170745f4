#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

// The program's files: where they live, reading what may lie under a stored file's name, writing
// so that a crash leaves the old or the new contents and nothing in between, the lock under which
// programs change a shared file, and setting a damaged file aside. The registry store, the ini
// file, the journal and the logs all go through here.
namespace Dateien {

// ${XDG_CONFIG_HOME:-~/.config}/Vorlix: the registry store and the lock of the cash box.
QString Konfigurationsordner();
// ${XDG_STATE_HOME:-~/.local/state}/Vorlix: state that must outlive a crash.
QString Zustandsordner();
// ${XDG_DATA_HOME:-~/.local/share}/Vorlix: the player's own program folder; empty when the
// system knows no data folder.
QString Datenordner();
// The folder of the executable, without a trailing '/'.
QString Programmdateiordner();
// The folder the program runs in, asked of the system each time it is needed, without a trailing
// '/'. nullopt when that folder no longer exists (it was removed while the program ran): then it
// has no path, and a relative name must not silently land in "/".
std::optional<QString> Arbeitsordner();
// The working folder, or Ersatz when it is gone.
QString ArbeitsordnerOder(const QString& Ersatz);

// Results in the numbering of the registry calls (0 = success).
constexpr long ErfolgOk = 0;
constexpr long FehlerNichtGefunden = 2;
constexpr long FehlerPfadNichtGefunden = 3;
constexpr long FehlerZugriff = 5;
constexpr long FehlerUngeeignet = 13; // not a regular file, or far too large for a store
constexpr long FehlerSchreiben = 29;
constexpr long FehlerLesen = 30;
constexpr long FehlerGesperrt = 33; // another program held the lock past the time limit
constexpr long FehlerPlatteVoll = 112;
constexpr long FehlerPfadname = 161;

// The temporary file is named after the file with at most this many bytes appended, so a file
// name must leave room for them within the file system's limit of 255 bytes.
constexpr int TempEndungMaxBytes = 13;

// The steps of the file layer that a full disk, a read-only folder or a lost permission can fail.
enum class TDateischritt
{
    Schreiben, // a file replaced through SchreibeDateiAtomar
    Entfernen, // a store removed at the end of its life
    Sperren    // a lock file made
};
// Tests fail a chosen step as the system would: the seam hears every step with its path and
// returns the errno to fail it with, 0 to let it run. The program never sets one.
using TFehlernaht = std::function<int(TDateischritt Schritt, const QString& Pfad)>;
void SetzeFehlernaht(TFehlernaht Naht);
// The errno the seam gives the step; 0 without a seam.
int Naht(TDateischritt Schritt, const QString& Pfad);

// The German reason for a result of this layer ("Zugriff verweigert", ...); empty for ErfolgOk.
QString Fehlertext(long Fehler);
long AusErrno(int Nummer);

// Puts the whole file at Pfad into Inhalt. Only a regular file (also behind a symbolic link) of
// at most HoechstGroesse bytes is read: a named pipe would block the program, a device or a huge
// file would fill the memory. Each store gives the size it can have. Returns ErfolgOk, with
// Vorhanden false when nothing is there (also a link that points nowhere, or a folder on the way
// that is a file); FehlerUngeeignet for anything else under the name, which is never opened for
// reading; FehlerZugriff or FehlerLesen when the system refuses.
long LiesRegulaereDatei(const QString& Pfad, QByteArray& Inhalt, bool& Vorhanden,
                        qint64 HoechstGroesse);

// Renames the damaged file at Pfad to a name beside it that nothing holds, not even a dangling
// link: "<Pfad>.defekt-<date>-<time>", with "-2", "-3", ... when that is taken. Only the name
// moves, so what could not be read is never read for a copy. The new file name without its
// folder, or nullopt when the rename failed.
std::optional<QString> LegeBeiseite(const QString& Pfad);

// The file a chain of symbolic links at Pfad leads to; Pfad itself when it is no link.
QString Linkziel(const QString& Pfad);

// Replaces the file at Pfad by Inhalt: a temporary file in the same folder, written, flushed to
// the disk and renamed over the old one. An existing file keeps its permissions; a new one gets
// ModusNeueDatei (minus the umask). A symbolic link at Pfad stays: the file it leads to is
// replaced, with the temporary file in that file's folder. Returns ErfolgOk or the reason of the
// failure; no temporary file is left behind on failure.
long SchreibeDateiAtomar(const QString& Pfad, const QByteArray& Inhalt,
                         unsigned ModusNeueDatei = 0666);

// Removes the temporary files that writers of Pfad (or of the file a link at Pfad leads to) left
// when they were killed before their rename. Only for a caller that holds the TDateiSperre of
// Pfad: no other writer can be between creating and renaming its temporary file then.
void EntferneVerwaisteTempdateien(const QString& Pfad);
// The same for every file in Ordner whose name ends in Endung (".txt"): for files whose names
// change from run to run, such as the logs.
void EntferneVerwaisteTempdateienMitEndung(const QString& Ordner, const QString& Endung);

// How long a TDateiSperre waits for another holder, in milliseconds of the time-lapse factor.
constexpr int SperrfristMs = 5000;

// An exclusive lock for changing the file at Pfad, shared by all processes: a lock file
// "<Pfad>.lock" beside it, removed again on release. Waits at most Frist milliseconds (through
// the time-lapse factor) while another holder has it; then Ergebnis() is FehlerGesperrt, for a
// holder that hangs or a file system that never answers must not stop the program.
class TDateiSperre
{
public:
    explicit TDateiSperre(const QString& Pfad, int Frist = SperrfristMs);
    ~TDateiSperre();
    TDateiSperre(const TDateiSperre&) = delete;
    TDateiSperre& operator=(const TDateiSperre&) = delete;

    long Ergebnis() const { return Fehler; } // ErfolgOk while the lock is held

private:
    QByteArray Sperrdatei;
    int Deskriptor = -1;
    long Fehler = ErfolgOk;
};

} // namespace Dateien
