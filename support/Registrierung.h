#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

// The registry of one root key (HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, ...) kept in a text file in
// the layout of registry export files ("Windows Registry Editor Version 5.00", UTF-8), one file
// per root in the user's config folder: <config>/Vorlix/<root>.reg.
//
// Key and value names compare without regard to case. Every change re-reads the file under a lock
// shared by all running programs and replaces it atomically, so a crash leaves the old or the new
// file and two programs do not lose each other's values. A file that cannot be parsed is set aside
// under a new name, reported once, and the store goes on empty.
namespace Registrierung {

// Value types with the numbers the registry gives them.
constexpr quint32 RegNone = 0;
constexpr quint32 RegSz = 1;
constexpr quint32 RegExpandSz = 2;
constexpr quint32 RegBinary = 3;
constexpr quint32 RegDword = 4;
constexpr quint32 RegMultiSz = 7;

// Results in the numbering of the registry calls (0 = success).
constexpr long ErfolgOk = 0;
constexpr long FehlerNichtGefunden = 2;
constexpr long FehlerPfadNichtGefunden = 3;
constexpr long FehlerZugriff = 5;
constexpr long FehlerSchreiben = 29;
constexpr long FehlerLesen = 30;
constexpr long FehlerPlatteVoll = 112;
constexpr long FehlerPfadname = 161;

struct TRegWert
{
    QString Name; // empty: the key's unnamed default value
    quint32 Typ = RegSz;
    QByteArray Daten; // as the registry holds them; texts as UTF-16LE with a terminating zero

    static TRegWert Text(const QString& Name, const QString& Text, quint32 Typ = RegSz);
    static TRegWert Dword(const QString& Name, quint32 Zahl);
    static TRegWert Binaer(const QString& Name, const QByteArray& Bytes);
};

// Text data as the registry stores it (UTF-16LE plus a terminating zero) and back; reading stops
// at the first zero character.
QByteArray TextDaten(const QString& Text);
QString DatenAlsText(const QByteArray& Daten);

struct TRegSchluessel
{
    QString Name;
    QList<TRegWert> Werte;                       // in the order they were first set
    std::vector<TRegSchluessel> Unterschluessel; // names unique without regard to case

    const TRegWert* FindeWert(const QString& WertName) const;
    bool SetzeWert(const TRegWert& Wert); // true when something changed
    bool LoescheWert(const QString& WertName);

    const TRegSchluessel* Finde(const QStringList& Pfad) const;  // nullptr when missing
    TRegSchluessel& Erzeuge(const QStringList& Pfad, bool& Neu); // creates every missing key
    bool LoescheUnterschluessel(const QStringList& Pfad);
};

// Splits "Software\Firma\Programm" into its key names; "" is the root itself. A path with an empty
// key name (leading or doubled backslash) or a line break has no key and gives nullopt.
std::optional<QStringList> ZerlegePfad(const QString& Pfad);

// The file text for a root named Wurzelname ("HKEY_CURRENT_USER") and back. Parsing accepts what
// registry export files contain: comments, wrapped hex lines, deletions ("[-Key]", "Name"=-).
// nullopt when the text is not such a file or holds keys of another root.
std::optional<TRegSchluessel> LiesRegText(const QByteArray& Inhalt, const QString& Wurzelname);
QByteArray SchreibeRegText(const TRegSchluessel& Wurzel, const QString& Wurzelname);

class TRegistrierungsDatei
{
public:
    explicit TRegistrierungsDatei(QString Wurzelname); // "HKEY_CURRENT_USER", ...

    static QString Ordner(); // ${XDG_CONFIG_HOME:-$HOME/.config}/Vorlix
    QString Pfad() const;

    // Reading never creates a key or a file. FehlerNichtGefunden when the key or value is missing.
    long LiesWert(const QString& Schluessel, const QString& WertName, TRegWert& Wert) const;
    bool SchluesselVorhanden(const QString& Schluessel) const;

    // Both create every missing key of the path and return ErfolgOk or the reason of the failure.
    long ErzeugeSchluessel(const QString& Schluessel);
    long SchreibeWert(const QString& Schluessel, const TRegWert& Wert);

private:
    TRegSchluessel LadeZumLesen() const;
    long Aendere(const std::function<bool(TRegSchluessel&)>& Aenderung);

    QString Wurzelname;
};

// Who hears of a damaged store file (a German text for the player). Without one, or after
// setting an empty function, the text goes to qWarning.
void SetzeMeldungDefekteDatei(std::function<void(const QString&)> Ziel);

// Replaces the file at Pfad by Inhalt: a temporary file in the same folder, written, flushed to
// the disk and renamed over the old one. An existing file keeps its permissions; a new one gets
// ModusNeueDatei (minus the umask). Returns ErfolgOk or the reason of the failure; no temporary
// file is left behind on failure.
long SchreibeDateiAtomar(const QString& Pfad, const QByteArray& Inhalt,
                         unsigned ModusNeueDatei = 0666);

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
