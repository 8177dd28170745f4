#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// Registry keys and values in memory, and their text in the layout of registry export files
// ("Windows Registry Editor Version 5.00", UTF-8). Key and value names compare without regard
// to case.
namespace Registrierung {

// Value types with the numbers the registry gives them.
constexpr quint32 RegNone = 0;
constexpr quint32 RegSz = 1;
constexpr quint32 RegExpandSz = 2;
constexpr quint32 RegBinary = 3;
constexpr quint32 RegDword = 4;
constexpr quint32 RegMultiSz = 7;

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

// Keys lie at most this deep below the root, as in the registry itself.
constexpr qsizetype HoechsteSchluesseltiefe = 512;

// Splits "Software\Firma\Programm" into its key names; "" is the root itself. A path with an empty
// key name (leading or doubled backslash), a line break or more than HoechsteSchluesseltiefe names
// has no key and gives nullopt.
std::optional<QStringList> ZerlegePfad(const QString& Pfad);

// The file text for a root named Wurzelname ("HKEY_CURRENT_USER") and back. Parsing accepts what
// registry export files contain: comments, wrapped hex lines, deletions ("[-Key]", "Name"=-).
// nullopt when the text is not such a file, holds keys of another root, or holds so many deep
// keys that their paths alone would make a written text of many megabytes. Reading takes time
// in proportion to the text.
std::optional<TRegSchluessel> LiesRegText(const QByteArray& Inhalt, const QString& Wurzelname);
QByteArray SchreibeRegText(const TRegSchluessel& Wurzel, const QString& Wurzelname);

} // namespace Registrierung
