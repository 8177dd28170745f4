#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Reading and writing single values of an ini file the way the system's private-profile calls
// do. The file is Windows-1252 text; characters it cannot hold are written as '?'.
//
// Sections and keys match without regard to case, and the first match counts. A value read is
// trimmed of blanks and tabs and loses one pair of enclosing quotes (' or "). Lines starting
// with ';' are comments. Only a regular file of at most HoechstGroesse bytes is read: anything
// else (a pipe, a device, a folder, a huge file) reads as if it had no values and is never
// written.
namespace PrivateProfil {

// Far above any settings file of this program; a larger file is none of its.
constexpr qint64 HoechstGroesse = 1024 * 1024;

// The file read once, for several values read in a row.
class TIniDatei
{
public:
    explicit TIniDatei(const QString& Datei);
    // As the free LiesText, on the file as it was read.
    int LiesText(const QString& Abschnitt, const QString& Schluessel, const QString& Vorgabe,
                 QString& Puffer, int Groesse) const;

private:
    QStringList Zeilen;
};

// Puts the value of Schluessel in section Abschnitt of the file Datei into Puffer, or Vorgabe
// (without its trailing blanks) when the file, the section or the key is missing. As the system
// call with a buffer of Groesse characters, at most Groesse - 1 characters are delivered (Groesse
// 255 keeps the first 254 characters of a longer value). Returns the number delivered; 0 when
// Groesse is 0 or less.
int LiesText(const QString& Abschnitt, const QString& Schluessel, const QString& Vorgabe,
             QString& Puffer, int Groesse, const QString& Datei);

// Sets Schluessel to Wert: the key's line is replaced in place and every other line is kept. A
// missing file or section is created (a new section at the end of the file, a new key after the
// last key of its section). Wert == nullopt deletes the key's line. Line breaks in the texts
// become blanks, so a value cannot break the file apart. A value with blanks at its ends or in a
// pair of quotes is written in double quotes, so that it reads back as it was given. The file is
// replaced atomically under a lock shared by all programs. Returns false when the file cannot be
// read or written.
bool SchreibText(const QString& Abschnitt, const QString& Schluessel,
                 const std::optional<QString>& Wert, const QString& Datei);
// The same with the reason of a failure: ErfolgOk, or a result of Dateien
// (FehlerGesperrt when another program held the file's lock past its time limit).
long SchreibTextMitGrund(const QString& Abschnitt, const QString& Schluessel,
                         const std::optional<QString>& Wert, const QString& Datei);

} // namespace PrivateProfil
