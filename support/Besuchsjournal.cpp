#include "support/Besuchsjournal.h"

#include "support/AtomareDatei.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Besuchsjournal {

namespace {

const QString Kennung = QStringLiteral("Vorlix-Besuch");
constexpr int Fassung = 1;
// Far above the journal of the longest evening (every deposit is two lines of the log).
constexpr qint64 MaxGroesse = 16 * 1024 * 1024;

QString Text(const TBcdWert& Wert)
{
    return QString::fromStdString(BcdToFixed(Wert, 0, 2));
}

std::optional<TBcdWert> Betrag(const QJsonValue& Wert)
{
    if (!Wert.isString())
        return std::nullopt;
    try {
        return BcdFromText(Wert.toString().toStdString());
    } catch (const EStBCDError&) {
        return std::nullopt;
    }
}

std::optional<QStringList> Zeilen(const QJsonValue& Wert)
{
    if (!Wert.isArray())
        return std::nullopt;
    QStringList Liste;
    for (const QJsonValue& Zeile : Wert.toArray()) {
        if (!Zeile.isString())
            return std::nullopt;
        Liste << Zeile.toString();
    }
    return Liste;
}

// Only a regular file is read, without waiting on a pipe or a device.
std::optional<QByteArray> LiesRegulaereDatei(const QString& Pfad, bool& Vorhanden)
{
    const int Deskriptor =
        ::open(QFile::encodeName(Pfad).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    Vorhanden = Deskriptor >= 0 || errno != ENOENT;
    if (Deskriptor < 0)
        return std::nullopt;
    struct stat Daten = {};
    QFile Datei;
    std::optional<QByteArray> Inhalt;
    if (::fstat(Deskriptor, &Daten) == 0 && S_ISREG(Daten.st_mode) && Daten.st_size <= MaxGroesse &&
        Datei.open(Deskriptor, QIODevice::ReadOnly, QFileDevice::DontCloseHandle)) {
        Inhalt = Datei.readAll();
        if (Datei.error() != QFileDevice::NoError)
            Inhalt.reset();
    }
    ::close(Deskriptor);
    return Inhalt;
}

QString FreierNameDaneben(const QString& Pfad)
{
    const QString Basis = Pfad + QStringLiteral(".defekt-") +
                          QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString Name = Basis;
    for (int Nummer = 2; QFileInfo::exists(Name) || QFileInfo(Name).isSymLink(); ++Nummer)
        Name = Basis + u'-' + QString::number(Nummer);
    return Name;
}

} // namespace

QString Ordner()
{
    // Only an absolute path counts; otherwise the default of the base directory rules.
    QString Basis = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(Basis))
        Basis = QDir::homePath() + QStringLiteral("/.local/state");
    return Basis + QStringLiteral("/Vorlix");
}

QString Pfad()
{
    return Ordner() + QStringLiteral("/Besuch.json");
}

QByteArray AlsText(const TBesuch& Besuch)
{
    QJsonObject Objekt;
    Objekt.insert(Kennung, Fassung);
    Objekt.insert(QStringLiteral("Guthaben"), Text(Besuch.Guthaben));
    Objekt.insert(QStringLiteral("Sonderspiele"), Text(Besuch.SonderSpiele));
    Objekt.insert(QStringLiteral("Kasse"), Text(Besuch.Kasse));
    Objekt.insert(QStringLiteral("SpielOffen"), Besuch.SpielOffen);
    Objekt.insert(QStringLiteral("Spieler"), Besuch.SpielerName);
    Objekt.insert(QStringLiteral("Zeilen"), QJsonArray::fromStringList(Besuch.Zeilen));
    Objekt.insert(QStringLiteral("Abgeschlossen"), Besuch.Abgeschlossen);
    Objekt.insert(QStringLiteral("Speichern"), Besuch.AuswertungSpeichern);
    Objekt.insert(QStringLiteral("Datum"), Besuch.DatumText);
    Objekt.insert(QStringLiteral("Uhrzeit"), Besuch.UhrzeitText);
    return QJsonDocument(Objekt).toJson(QJsonDocument::Indented);
}

std::optional<TBesuch> AusText(const QByteArray& Text)
{
    QJsonParseError Fehler;
    const QJsonDocument Dokument = QJsonDocument::fromJson(Text, &Fehler);
    if (Fehler.error != QJsonParseError::NoError || !Dokument.isObject())
        return std::nullopt;
    const QJsonObject O = Dokument.object();
    const auto Guthaben = Betrag(O.value(QStringLiteral("Guthaben")));
    const auto SonderSpiele = Betrag(O.value(QStringLiteral("Sonderspiele")));
    const auto Kasse = Betrag(O.value(QStringLiteral("Kasse")));
    const auto Log = Zeilen(O.value(QStringLiteral("Zeilen")));
    const auto Wahr = [&O](const char* Name) { return O.value(QLatin1String(Name)).isBool(); };
    const auto Wort = [&O](const char* Name) { return O.value(QLatin1String(Name)).isString(); };
    if (O.value(Kennung).toInt() != Fassung || !Guthaben || !SonderSpiele || !Kasse || !Log ||
        !Wahr("SpielOffen") || !Wahr("Abgeschlossen") || !Wahr("Speichern") || !Wort("Spieler") ||
        !Wort("Datum") || !Wort("Uhrzeit"))
        return std::nullopt;
    TBesuch Besuch;
    Besuch.Guthaben = *Guthaben;
    Besuch.SonderSpiele = *SonderSpiele;
    Besuch.Kasse = *Kasse;
    Besuch.SpielOffen = O.value(QStringLiteral("SpielOffen")).toBool();
    Besuch.SpielerName = O.value(QStringLiteral("Spieler")).toString();
    Besuch.Zeilen = *Log;
    Besuch.Abgeschlossen = O.value(QStringLiteral("Abgeschlossen")).toBool();
    Besuch.AuswertungSpeichern = O.value(QStringLiteral("Speichern")).toBool();
    Besuch.DatumText = O.value(QStringLiteral("Datum")).toString();
    Besuch.UhrzeitText = O.value(QStringLiteral("Uhrzeit")).toString();
    return Besuch;
}

long Schreibe(const QByteArray& Text)
{
    if (!QDir().mkpath(Ordner()))
        return Registrierung::FehlerZugriff;
    return Registrierung::SchreibeDateiAtomar(Pfad(), Text, 0600);
}

TGelesen Lies()
{
    // Only one machine runs per player, so a temporary file beside the journal is a writer's
    // that was killed before its rename.
    Registrierung::EntferneVerwaisteTempdateien(Pfad());
    TGelesen Ergebnis;
    bool Vorhanden = false;
    const std::optional<QByteArray> Inhalt = LiesRegulaereDatei(Pfad(), Vorhanden);
    if (!Vorhanden)
        return Ergebnis;
    if (Inhalt) {
        if (const auto Besuch = AusText(*Inhalt)) {
            Ergebnis.Fund = TFund::Besuch;
            Ergebnis.Besuch = *Besuch;
            return Ergebnis;
        }
    }
    Ergebnis.Fund = TFund::Beschaedigt;
    const QString Daneben = FreierNameDaneben(Pfad());
    if (QFile::rename(Pfad(), Daneben)) {
        Ergebnis.Meldung =
            QStringLiteral("Die Aufzeichnung des letzten Besuchs in „%1“ ist beschädigt und konnte "
                           "nicht gelesen werden. Sie wurde unverändert als „%2“ aufbewahrt; "
                           "Vorlix beginnt einen neuen Besuch.")
                .arg(QDir::toNativeSeparators(Pfad()), QFileInfo(Daneben).fileName());
    } else {
        Ergebnis.Meldung =
            QStringLiteral("Die Aufzeichnung des letzten Besuchs in „%1“ ist beschädigt und konnte "
                           "weder gelesen noch beiseitegelegt werden; Vorlix beginnt einen neuen "
                           "Besuch.")
                .arg(QDir::toNativeSeparators(Pfad()));
    }
    return Ergebnis;
}

bool Entferne()
{
    Registrierung::EntferneVerwaisteTempdateien(Pfad());
    return QFile::remove(Pfad()) || !QFileInfo::exists(Pfad());
}

} // namespace Besuchsjournal
