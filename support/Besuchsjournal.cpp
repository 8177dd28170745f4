#include "support/Besuchsjournal.h"

#include "money/Geldregeln.h"
#include "support/Auswertung.h"
#include "support/Dateien.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace Besuchsjournal {

namespace {

const QString Kennung = QStringLiteral("Vorlix-Besuch");
constexpr int Fassung = 1;
// Far above the journal of the longest evening (every deposit is two lines of the log).
constexpr qint64 MaxGroesse = 16 * 1024 * 1024;

// The members of the outer object as written, equal keys counted apiece: the parser keeps only
// the last of them. Text is valid JSON.
qsizetype Mitglieder(const QByteArray& Text)
{
    qsizetype Anzahl = 0;
    int Tiefe = 0;
    bool ImText = false;
    for (qsizetype I = 0; I < Text.size(); ++I) {
        const char Z = Text[I];
        if (ImText) {
            if (Z == '\\')
                ++I;
            else if (Z == '"')
                ImText = false;
        } else if (Z == '"') {
            ImText = true;
        } else if (Z == '{' || Z == '[') {
            ++Tiefe;
        } else if (Z == '}' || Z == ']') {
            --Tiefe;
        } else if (Z == ':' && Tiefe == 1) {
            ++Anzahl;
        }
    }
    return Anzahl;
}

bool OhneZeilenumbruch(const QString& Text)
{
    return !Text.contains(u'\n') && !Text.contains(u'\r');
}

// Takes the values of the journal's object one key at a time; the first value that this program
// could not have written makes the whole journal unreadable.
class TLeser
{
public:
    explicit TLeser(QJsonObject Objekt) : O(std::move(Objekt)) {}
    bool Gelesen() const { return Ok; }

    TBcdWert Betrag(const char* Name, bool DarfNegativSein = false)
    {
        const QString Wert = O.value(QLatin1String(Name)).toString();
        const auto Zahl = Geld::KassenstandAusText(Wert);
        Pruefe(Zahl && Zahl->EuroText() == Wert && (DarfNegativSein || !Zahl->Negativ()));
        return Zahl.value_or(TBcdWert{});
    }
    TBcdWert Sonderspiele(const char* Name)
    {
        const TBcdWert Anzahl = Betrag(Name);
        const QString Wert = Anzahl.EuroText();
        Pruefe(Wert.endsWith(QLatin1String(",00")) &&
               Wert.chopped(3).toLongLong() <= Geld::MaxSonderspiele);
        return Anzahl;
    }
    bool Wahrheit(const char* Name, std::optional<bool> Fehlend = std::nullopt)
    {
        const QJsonValue Wert = O.value(QLatin1String(Name));
        if (Wert.isUndefined() && Fehlend)
            return *Fehlend;
        Pruefe(Wert.isBool());
        return Wert.toBool();
    }
    QString Wort(const char* Name, qsizetype MaxLaenge = -1)
    {
        const QJsonValue Wert = O.value(QLatin1String(Name));
        const QString Inhalt = Wert.toString();
        Pruefe(Wert.isString() && OhneZeilenumbruch(Inhalt) &&
               (MaxLaenge < 0 || Inhalt.size() <= MaxLaenge));
        return Inhalt;
    }
    QString Muster(const char* Name, const QRegularExpression& Form)
    {
        const QString Inhalt = Wort(Name);
        Pruefe(Inhalt.isEmpty() || Form.match(Inhalt).hasMatch());
        return Inhalt;
    }
    QStringList Zeilen(const char* Name)
    {
        const QJsonValue Wert = O.value(QLatin1String(Name));
        Pruefe(Wert.isArray());
        QStringList Liste;
        for (const QJsonValue& Zeile : Wert.toArray()) {
            Pruefe(Zeile.isString() && OhneZeilenumbruch(Zeile.toString()));
            Liste << Zeile.toString();
        }
        return Liste;
    }
    // Missing in the journal of an older program: 0.
    qint64 Zaehler(const char* Name)
    {
        const QJsonValue Wert = O.value(QLatin1String(Name));
        if (Wert.isUndefined())
            return 0;
        Pruefe(Wert.isDouble() && Wert.toInteger(-1) >= 0 &&
               double(Wert.toInteger()) == Wert.toDouble());
        return Wert.toInteger();
    }

private:
    void Pruefe(bool Bedingung) { Ok = Ok && Bedingung; }
    QJsonObject O;
    bool Ok = true;
};

} // namespace

QString Ordner()
{
    return Dateien::Zustandsordner();
}

QString Pfad()
{
    return Ordner() + QStringLiteral("/Besuch.json");
}

QString Sperrpfad()
{
    return Ordner() + QStringLiteral("/Vorlix.lock");
}

QByteArray AlsText(const TBesuch& Besuch)
{
    QJsonObject Objekt;
    Objekt.insert(Kennung, Fassung);
    Objekt.insert(QStringLiteral("Generation"), Besuch.Generation);
    Objekt.insert(QStringLiteral("Guthaben"), Besuch.Guthaben.EuroText());
    Objekt.insert(QStringLiteral("Sonderspiele"), Besuch.SonderSpiele.EuroText());
    Objekt.insert(QStringLiteral("Kasse"), Besuch.Kasse.EuroText());
    Objekt.insert(QStringLiteral("SpielOffen"), Besuch.SpielOffen);
    Objekt.insert(QStringLiteral("Auszahlung"), Besuch.AuszahlungAngefordert);
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
    if (Fehler.error != QJsonParseError::NoError || !Dokument.isObject() ||
        Mitglieder(Text) != Dokument.object().size() ||
        Dokument.object().value(Kennung) != QJsonValue(Fassung))
        return std::nullopt;
    static const QRegularExpression Datum(QStringLiteral("^[0-9]{2}\\.[0-9]{2}\\.[0-9]{4}$"));
    static const QRegularExpression Uhrzeit(QStringLiteral("^[0-9]{2}:[0-9]{2}:[0-9]{2}$"));
    TLeser L(Dokument.object());
    TBesuch Besuch;
    Besuch.Generation = L.Zaehler("Generation");
    Besuch.Guthaben = L.Betrag("Guthaben");
    Besuch.SonderSpiele = L.Sonderspiele("Sonderspiele");
    Besuch.Kasse = L.Betrag("Kasse", true);
    Besuch.SpielOffen = L.Wahrheit("SpielOffen");
    Besuch.AuszahlungAngefordert = L.Wahrheit("Auszahlung", false);
    Besuch.SpielerName = L.Wort("Spieler", MaxNamenslaenge);
    Besuch.Zeilen = L.Zeilen("Zeilen");
    Besuch.Abgeschlossen = L.Wahrheit("Abgeschlossen");
    Besuch.AuswertungSpeichern = L.Wahrheit("Speichern");
    Besuch.DatumText = L.Muster("Datum", Datum);
    Besuch.UhrzeitText = L.Muster("Uhrzeit", Uhrzeit);
    if (!L.Gelesen())
        return std::nullopt;
    // The payout of what was read, and the sums of the log it closes, must stay sums of the
    // money type.
    try {
        const Geld::TAuszahlung Auszahlung =
            Geld::BerechneAuszahlung(Besuch.Guthaben, Besuch.SonderSpiele, Besuch.Kasse);
        QStringList Probe = Besuch.Zeilen;
        Auswertung::HaengeEreignisAn(
            Probe, Auswertung::AuszahlungsZeile({}, {}, {}, Auszahlung.AuszahlungText));
        Auswertung::SchliesseAuswertung(Probe, Auswertung::TAbschlussArt::Auszahlung, {}, {}, {});
    } catch (const EStBCDError&) {
        return std::nullopt;
    }
    return Besuch;
}

long Schreibe(const QByteArray& Text)
{
    if (!QDir().mkpath(Ordner()))
        return Dateien::FehlerZugriff;
    return Dateien::SchreibeDateiAtomar(Pfad(), Text, 0600);
}

TGelesen Lies()
{
    // Only one machine runs per player, so a temporary file beside the journal is a writer's
    // that was killed before its rename.
    Dateien::EntferneVerwaisteTempdateien(Pfad());
    TGelesen Ergebnis;
    QByteArray Inhalt;
    bool Vorhanden = false;
    // A state folder that is a file holds no journal either.
    const long Gelesen = Dateien::LiesRegulaereDatei(Pfad(), Inhalt, Vorhanden, MaxGroesse);
    if (Gelesen == Dateien::ErfolgOk && !Vorhanden)
        return Ergebnis;
    if (Gelesen == Dateien::ErfolgOk) {
        if (const auto Besuch = AusText(Inhalt)) {
            Ergebnis.Fund = TFund::Besuch;
            Ergebnis.Besuch = *Besuch;
            return Ergebnis;
        }
    }
    Ergebnis.Fund = TFund::Beschaedigt;
    if (const auto Daneben = Dateien::LegeBeiseite(Pfad())) {
        Ergebnis.Meldung =
            QStringLiteral("Die Aufzeichnung des letzten Besuchs in „%1“ ist beschädigt und konnte "
                           "nicht gelesen werden. Sie wurde unverändert als „%2“ aufbewahrt; "
                           "Vorlix beginnt einen neuen Besuch.")
                .arg(QDir::toNativeSeparators(Pfad()), *Daneben);
    } else {
        Ergebnis.Meldung =
            QStringLiteral("Die Aufzeichnung des letzten Besuchs in „%1“ ist beschädigt und konnte "
                           "weder gelesen noch beiseitegelegt werden; Vorlix beginnt einen neuen "
                           "Besuch.")
                .arg(QDir::toNativeSeparators(Pfad()));
    }
    return Ergebnis;
}

namespace {

bool Weg(const QString& Datei)
{
    return QFile::remove(Datei) || (!QFileInfo::exists(Datei) && !QFileInfo(Datei).isSymLink());
}

} // namespace

bool Entferne()
{
    Dateien::EntferneVerwaisteTempdateien(Pfad());
    if (Dateien::Naht(Dateien::TDateischritt::Entfernen, Pfad()))
        return false;
    // Written through a link, the journal lives where the link leads.
    const QString Ziel = Dateien::Linkziel(Pfad());
    return (Ziel == Pfad() || Weg(Ziel)) && Weg(Pfad());
}

} // namespace Besuchsjournal
