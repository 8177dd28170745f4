#include "support/STRegIni.h"

#include "support/PrivateProfil.h"
#include "support/Registrierung.h"

#include <QMutexLocker>
#include <QtEndian>

using namespace Dateien;
using namespace Registrierung;

namespace {

const QString Platzhalter = QStringLiteral("$ABC123098FED");

[[noreturn]] void Wirf(TStRegIniFehler Code, const char* Meldung)
{
    throw EStRegIniError(Code, Meldung);
}

[[noreturn]] void WirfMitCode(TStRegIniFehler Code, const char* Meldung, long Ergebnis,
                              const QString& Wurzel)
{
    if (Ergebnis == FehlerGesperrt)
        throw EDateiGesperrt(TRegistrierungsDatei(Wurzel).Pfad());
    throw EStRegIniError(Code, std::string(Meldung) + "\nError Code: " + std::to_string(Ergebnis),
                         Ergebnis);
}

QString WurzelZumNamen(const QString& Name)
{
    if (Name == u"MACHINE")
        return QStringLiteral("HKEY_LOCAL_MACHINE");
    if (Name == u"USERS")
        return QStringLiteral("HKEY_USERS");
    if (Name == u"ROOT")
        return QStringLiteral("HKEY_CLASSES_ROOT");
    return QStringLiteral("HKEY_CURRENT_USER");
}

QString BisZurNull(const QString& Text)
{
    const qsizetype Null = Text.indexOf(QChar(0));
    return Null < 0 ? Text : Text.left(Null);
}

QString AlsText(const TRegWert& Wert, const QString& Default)
{
    switch (Wert.Typ) {
    case RegSz:
    case RegExpandSz:
        return DatenAlsText(Wert.Daten);
    case RegDword:
        if (Wert.Daten.size() != 4)
            return Default;
        return QString::number(qFromLittleEndian<quint32>(Wert.Daten.constData()));
    case RegBinary:
        if (Wert.Daten.size() >= 128)
            Wirf(RegIniBytefolgeZuLang, "Size of byte array exceeds limit");
        return QString::fromLatin1(Wert.Daten.toHex().toUpper());
    default:
        return Default;
    }
}

} // namespace

EDateiGesperrt::EDateiGesperrt(const QString& Pfad)
    : EStRegIniError(RegIniErzeugen,
                     QStringLiteral("Die Datei „%1“ ist von einem anderen Programm gesperrt.")
                         .arg(Pfad)
                         .toStdString())
{}

TStRegIni::TStRegIni(const QString& RootName, bool FileMode, Registrierung::TMelder Melder)
    : DateiModus(FileMode), Melder(std::move(Melder))
{
    if (RootName.isEmpty())
        Wirf(RegIniKeinSchluessel, "No Ini File or Primary Key specified");
    if (DateiModus)
        Dateiname = RootName; // a path: upper-cased it would name another file here
    else
        Wurzel = WurzelZumNamen(RootName.toUpper());
}

void TStRegIni::SetSubKey(const QString& SubKey)
{
    AktuellerSchluessel = SubKey;
}

void TStRegIni::CreateSubKey(const QString& KeyName)
{
    QMutexLocker Halter(&Sperre);
    if (KeyName.isEmpty())
        Wirf(RegIniKeinSchluesselname, "No key name specified");
    if (DateiModus) {
        PrivateProfil::SchreibText(KeyName, Platzhalter, QStringLiteral(" "), Dateiname);
        if (!PrivateProfil::SchreibText(KeyName, Platzhalter, std::nullopt, Dateiname))
            Wirf(RegIniSchreibenIniDatei, "Failed to write value to INI file");
        return;
    }
    const QString Pfad =
        AktuellerSchluessel.isEmpty() ? KeyName : AktuellerSchluessel + u'\\' + KeyName;
    const long Ergebnis = TRegistrierungsDatei(Wurzel, Melder).ErzeugeSchluessel(Pfad);
    if (Ergebnis != ErfolgOk)
        WirfMitCode(RegIniErzeugen, "Failed to create key", Ergebnis, Wurzel);
}

QString TStRegIni::ReadString(const QString& ValueName, const QString& Default)
{
    QMutexLocker Halter(&Sperre);
    if (!DateiModus)
        return LiesAusRegistry(ValueName, Default);
    QString Puffer;
    PrivateProfil::LiesText(AktuellerSchluessel, ValueName, Default, Puffer, 1024, Dateiname);
    return Puffer.isEmpty() ? Default : Puffer;
}

void TStRegIni::WriteString(const QString& ValueName, const QString& Value)
{
    QMutexLocker Halter(&Sperre);
    if (!DateiModus) {
        SchreibInRegistry({{ValueName, Value}});
        return;
    }
    if (ValueName.isEmpty())
        Wirf(RegIniKeinWertname, "No Value Name specified");
    if (!PrivateProfil::SchreibText(AktuellerSchluessel, ValueName, BisZurNull(Value), Dateiname))
        Wirf(RegIniSchreibenIniDatei, "Failed to write value to INI file");
}

QString TStRegIni::LiesAusRegistry(const QString& ValueName, const QString& Default)
{
    TRegWert Wert;
    if (TRegistrierungsDatei(Wurzel, Melder).LiesWert(AktuellerSchluessel, ValueName, Wert) !=
        ErfolgOk)
        return Default;
    return AlsText(Wert, Default);
}

void TStRegIni::WriteStrings(const QList<std::pair<QString, QString>>& Values)
{
    QMutexLocker Halter(&Sperre);
    if (!DateiModus) {
        SchreibInRegistry(Values);
        return;
    }
    for (const auto& [Name, Wert] : Values)
        WriteString(Name, Wert);
}

void TStRegIni::SchreibInRegistry(const QList<std::pair<QString, QString>>& Values)
{
    TRegistrierungsDatei Datei(Wurzel, Melder);
    const long Erzeugt = Datei.ErzeugeSchluessel(AktuellerSchluessel);
    if (Erzeugt != ErfolgOk)
        WirfMitCode(RegIniErzeugen, "Failed to create key", Erzeugt, Wurzel);
    QList<TRegWert> Werte;
    for (const auto& [Name, Wert] : Values)
        Werte << TRegWert::Text(Name, BisZurNull(Wert));
    const long Geschrieben = Datei.SchreibeWerte(AktuellerSchluessel, Werte);
    if (Geschrieben != ErfolgOk)
        WirfMitCode(RegIniSchreibenRegistry, "Failed to write value to Registry", Geschrieben,
                    Wurzel);
}
