#pragma once

#include <QByteArray>
#include <QString>

// Writing a file so that a crash leaves the old or the new contents and nothing in between, and
// the lock under which programs change a shared file. The registry store, the ini file and the
// log file are written this way.
namespace Registrierung {

// Results in the numbering of the registry calls (0 = success).
constexpr long ErfolgOk = 0;
constexpr long FehlerNichtGefunden = 2;
constexpr long FehlerPfadNichtGefunden = 3;
constexpr long FehlerZugriff = 5;
constexpr long FehlerSchreiben = 29;
constexpr long FehlerLesen = 30;
constexpr long FehlerPlatteVoll = 112;
constexpr long FehlerPfadname = 161;

// The temporary file is named after the file with at most this many bytes appended, so a file
// name must leave room for them within the file system's limit of 255 bytes.
constexpr int TempEndungMaxBytes = 13;

// Replaces the file at Pfad by Inhalt: a temporary file in the same folder, written, flushed to
// the disk and renamed over the old one. An existing file keeps its permissions; a new one gets
// ModusNeueDatei (minus the umask). Returns ErfolgOk or the reason of the failure; no temporary
// file is left behind on failure.
long SchreibeDateiAtomar(const QString& Pfad, const QByteArray& Inhalt,
                         unsigned ModusNeueDatei = 0666);

// Removes the temporary files that writers of Pfad left when they were killed before their
// rename. Only for a caller that holds the TDateiSperre of Pfad: no other writer can be between
// creating and renaming its temporary file then.
void EntferneVerwaisteTempdateien(const QString& Pfad);

// An exclusive lock for changing the file at Pfad, shared by all processes: a lock file
// "<Pfad>.lock" beside it, removed again on release. Waits until the lock is free.
class TDateiSperre
{
public:
    explicit TDateiSperre(const QString& Pfad);
    ~TDateiSperre();
    TDateiSperre(const TDateiSperre&) = delete;
    TDateiSperre& operator=(const TDateiSperre&) = delete;

    long Ergebnis() const { return Fehler; } // ErfolgOk while the lock is held

private:
    QByteArray Sperrdatei;
    int Deskriptor = -1;
    long Fehler = ErfolgOk;
};

} // namespace Registrierung
