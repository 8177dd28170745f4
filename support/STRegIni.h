#pragma once

#include "support/Registrierung.h"
#include "support/StException.h"

#include <QList>
#include <QRecursiveMutex>
#include <QString>
#include <utility>

class EStRegIniError : public EStException
{
public:
    using EStException::EStException;
    EStRegIniError(int Code, std::string Message, long Ergebnis)
        : EStException(Code, std::move(Message)), FErgebnis(Ergebnis)
    {}
    // The store's result behind the message (Dateien::FehlerZugriff, ...); 0 when none.
    long Ergebnis() const noexcept { return FErgebnis; }

private:
    long FErgebnis = 0;
};

// The store's file stayed locked by another program past the time limit; the message (German, for
// the player) names the file. Code RegIniErzeugen.
class EDateiGesperrt : public EStRegIniError
{
public:
    explicit EDateiGesperrt(const QString& Pfad);
};

// Codes of EStRegIniError: the number of the message in the store's message table.
enum TStRegIniFehler : int
{
    RegIniKeinSchluessel = 1,     // "No Ini File or Primary Key specified"
    RegIniErzeugen = 3,           // "Failed to create key" + "Error Code: %d"
    RegIniOeffnen = 4,            // "Failed to open key" + "Error Code: %d"
    RegIniSchreibenRegistry = 5,  // "Failed to write value to Registry" + "Error Code: %d"
    RegIniKeinSchluesselname = 6, // "No key name specified"
    RegIniBytefolgeZuLang = 7,    // "Size of byte array exceeds limit"
    RegIniKeinWertname = 8,       // "No Value Name specified"
    RegIniSchreibenIniDatei = 9,  // "Failed to write value to INI file"
};

// The settings store: values below one registry root (registry mode) or in one ini file (file
// mode). Each operation opens and closes its key; the store keeps only its root and current sub
// key. Registry mode works on the file-backed registry of Registrierung.h.
//
// Root names ("MACHINE", "USERS", "ROOT", "C_USERS") compare without regard to case; any other
// non-empty name selects HKEY_CURRENT_USER. In file mode the root name is the ini file's path.
class TStRegIni
{
public:
    // Throws EStRegIniError on an empty root name. Melder hears of a damaged registry file.
    TStRegIni(const QString& RootName, bool FileMode, Registrierung::TMelder Melder = {});

    // The key path below the root ("Software\Firma") or, in file mode, the section. No check.
    void SetSubKey(const QString& SubKey);

    // Creates the key KeyName below the current sub key (every missing key of the path); the
    // current sub key stays. File mode: creates the section KeyName. Throws EStRegIniError,
    // EDateiGesperrt when another program keeps the store locked.
    void CreateSubKey(const QString& KeyName);

    // The value as text, or Default when the key or the value is missing (never an error, and
    // nothing is created). Texts up to their first zero character, REG_DWORD as unsigned decimal,
    // REG_BINARY as upper-case hex (throws EStRegIniError from 128 bytes on), other types Default.
    // File mode: at most 1023 characters, and Default for an empty value.
    QString ReadString(const QString& ValueName, const QString& Default);

    // Stores a text value (REG_SZ) up to its first zero character, creating the whole key path;
    // an empty ValueName sets the key's unnamed default value (registry mode only). Throws
    // EStRegIniError when the value cannot be stored, EDateiGesperrt when another program keeps
    // the store locked.
    void WriteString(const QString& ValueName, const QString& Value);
    // Several text values in one change: registry mode stores them all or none.
    void WriteStrings(const QList<std::pair<QString, QString>>& Values);

private:
    QString LiesAusRegistry(const QString& ValueName, const QString& Default);
    void SchreibInRegistry(const QList<std::pair<QString, QString>>& Values);

    bool DateiModus;
    QString Wurzel; // "HKEY_CURRENT_USER", ...
    QString AktuellerSchluessel;
    QRecursiveMutex Sperre;
    QString Dateiname;
    Registrierung::TMelder Melder;
};
