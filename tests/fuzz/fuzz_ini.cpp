// The ini reader, directly and through the settings store in file mode: both read the same value,
// and a value read can be stored and reads back unchanged, in the same file and in a new one.
// Input: the section in the first line, the key in the second, the file in the rest.

#include "support/PrivateProfil.h"
#include "support/STRegIni.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace {

const QString Vorgabe = QStringLiteral("\x01vorgabe");

[[noreturn]] void Befund(const char* Was, const QString& Wert)
{
    std::fprintf(stderr, "%s: \"%s\"\n", Was, qPrintable(Wert));
    std::abort();
}

const QTemporaryDir& Ordner()
{
    static const QTemporaryDir Ort(QFileInfo(QStringLiteral("/dev/shm")).isDir()
                                       ? QStringLiteral("/dev/shm/vorlix-fuzz-XXXXXX")
                                       : QDir::tempPath() + QStringLiteral("/vorlix-fuzz-XXXXXX"));
    return Ort;
}

void Schreibe(const QString& Pfad, const QByteArray& Inhalt)
{
    QFile Datei(Pfad);
    if (!Datei.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    Datei.write(Inhalt);
}

QString Lies(const QString& Abschnitt, const QString& Schluessel, const QString& Datei)
{
    QString Wert;
    PrivateProfil::LiesText(Abschnitt, Schluessel, Vorgabe, Wert, 4096, Datei);
    return Wert;
}

// Line breaks in a value become blanks when it is written: a value cannot break the file apart.
bool HatZeilenumbruch(const QString& Wert)
{
    return Wert.contains(u'\r') || Wert.contains(u'\n');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Daten, size_t Groesse)
{
    const QByteArray Eingabe(reinterpret_cast<const char*>(Daten), qsizetype(Groesse));
    const qsizetype Erste = Eingabe.indexOf('\n');
    const qsizetype Zweite = Erste < 0 ? -1 : Eingabe.indexOf('\n', Erste + 1);
    if (Zweite < 0)
        return 0;
    const QString Abschnitt = QString::fromUtf8(Eingabe.left(Erste));
    const QString Schluessel = QString::fromUtf8(Eingabe.mid(Erste + 1, Zweite - Erste - 1));
    if (Abschnitt.isEmpty() || Schluessel.isEmpty())
        return 0;
    const QString Datei = Ordner().filePath(QStringLiteral("a.ini"));
    Schreibe(Datei, Eingabe.mid(Zweite + 1));

    const QString Wert = Lies(Abschnitt, Schluessel, Datei);
    TStRegIni Speicher(Datei, true);
    Speicher.SetSubKey(Abschnitt);
    const QString UeberSpeicher = Speicher.ReadString(Schluessel, Vorgabe);
    const QString Erwartet = Wert.isEmpty() ? Vorgabe : Wert.left(1023);
    if (UeberSpeicher != Erwartet)
        Befund("the store reads another value", UeberSpeicher);
    if (Wert == Vorgabe || HatZeilenumbruch(Wert))
        return 0;

    if (!PrivateProfil::SchreibText(Abschnitt, Schluessel, Wert, Datei))
        Befund("the value cannot be stored", Wert);
    if (Lies(Abschnitt, Schluessel, Datei) != Wert)
        Befund("the value stored in its file reads back changed", Wert);
    const QString Neu = Ordner().filePath(QStringLiteral("b.ini"));
    QFile::remove(Neu);
    if (!PrivateProfil::SchreibText(Abschnitt, Schluessel, Wert, Neu) ||
        Lies(Abschnitt, Schluessel, Neu) != Wert)
        Befund("the value stored in a new file reads back changed", Wert);
    return 0;
}
