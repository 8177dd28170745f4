#include "support/Registrierung.h"

#include "support/Dateien.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace Registrierung {

using namespace Dateien;

namespace {

std::optional<TRegSchluessel> Zerlege(const QByteArray& Inhalt, const QString& Wurzelname)
{
    if (QString::fromLatin1(Inhalt).trimmed().isEmpty()) {
        TRegSchluessel Leer;
        Leer.Name = Wurzelname;
        return Leer;
    }
    return LiesRegText(Inhalt, Wurzelname);
}

struct TGeladen
{
    TRegSchluessel Wurzel;
    long Fehler = ErfolgOk;
    QString Meldung; // for the player, once
};

// Reads the file while the caller holds its lock; sets a damaged file aside.
TGeladen LadeUnterSperre(const QString& Pfad, const QString& Wurzelname)
{
    TGeladen Ergebnis;
    Ergebnis.Wurzel.Name = Wurzelname;
    QByteArray Inhalt;
    bool Vorhanden = false;
    Ergebnis.Fehler = LiesRegulaereDatei(Pfad, Inhalt, Vorhanden, HoechstGroesse);
    if (Ergebnis.Fehler == FehlerUngeeignet)
        Ergebnis.Fehler = ErfolgOk; // no store of this program: set aside as a damaged one
    else if (Ergebnis.Fehler != ErfolgOk || !Vorhanden)
        return Ergebnis;
    else if (auto Wurzel = Zerlege(Inhalt, Wurzelname)) {
        Ergebnis.Wurzel = std::move(*Wurzel);
        return Ergebnis;
    }
    if (const auto Daneben = LegeBeiseite(Pfad)) {
        Ergebnis.Meldung =
            QStringLiteral("Die gespeicherten Einstellungen in „%1“ sind beschädigt und konnten "
                           "nicht gelesen werden. Die Datei wurde unverändert als „%2“ "
                           "aufbewahrt; Vorlix beginnt mit leeren Einstellungen.")
                .arg(QDir::toNativeSeparators(Pfad), *Daneben);
        return Ergebnis;
    }
    // It cannot be set aside, so it must not be replaced either: changes fail.
    Ergebnis.Fehler = FehlerZugriff;
    static QSet<QString> SchonGemeldet;
    if (!SchonGemeldet.contains(Pfad)) {
        SchonGemeldet.insert(Pfad);
        Ergebnis.Meldung = QStringLiteral("Die gespeicherten Einstellungen in „%1“ sind beschädigt "
                                          "und konnten weder gelesen noch beiseitegelegt werden. "
                                          "Änderungen der Einstellungen werden nicht gespeichert.")
                               .arg(QDir::toNativeSeparators(Pfad));
    }
    return Ergebnis;
}

} // namespace

// ---- the store file ----

TRegistrierungsDatei::TRegistrierungsDatei(QString Wurzelname, TMelder Melder)
    : Wurzelname(std::move(Wurzelname)), Melder(std::move(Melder))
{}

void TRegistrierungsDatei::Melde(const QString& Meldung) const
{
    if (Meldung.isEmpty())
        return;
    if (Melder)
        Melder(Meldung);
    else
        qWarning("%s", qPrintable(Meldung));
}

QString TRegistrierungsDatei::Ordner()
{
    return Konfigurationsordner();
}

QString TRegistrierungsDatei::Pfad() const
{
    return Ordner() + u'/' + Wurzelname + QStringLiteral(".reg");
}

TRegSchluessel TRegistrierungsDatei::LadeZumLesen() const
{
    TRegSchluessel Leer;
    Leer.Name = Wurzelname;
    QByteArray Inhalt;
    bool Vorhanden = false;
    const long Gelesen = LiesRegulaereDatei(Pfad(), Inhalt, Vorhanden, HoechstGroesse);
    if ((Gelesen != ErfolgOk && Gelesen != FehlerUngeeignet) || !Vorhanden)
        return Leer;
    if (Gelesen == ErfolgOk)
        if (auto Wurzel = Zerlege(Inhalt, Wurzelname))
            return *Wurzel;
    // Looked at again under the lock: another program may be replacing it right now.
    TGeladen Geladen;
    {
        TDateiSperre Sperre(Pfad());
        if (Sperre.Ergebnis() != ErfolgOk)
            return Leer;
        Geladen = LadeUnterSperre(Pfad(), Wurzelname);
    }
    Melde(Geladen.Meldung);
    return Geladen.Wurzel;
}

long TRegistrierungsDatei::LiesWert(const QString& Schluessel, const QString& WertName,
                                    TRegWert& Wert) const
{
    const auto Namen = ZerlegePfad(Schluessel);
    if (!Namen)
        return FehlerNichtGefunden;
    const TRegSchluessel Wurzel = LadeZumLesen();
    const TRegSchluessel* Gefunden = Wurzel.Finde(*Namen);
    const TRegWert* Treffer = Gefunden ? Gefunden->FindeWert(WertName) : nullptr;
    if (!Treffer)
        return FehlerNichtGefunden;
    Wert = *Treffer;
    return ErfolgOk;
}

bool TRegistrierungsDatei::SchluesselVorhanden(const QString& Schluessel) const
{
    const auto Namen = ZerlegePfad(Schluessel);
    return Namen && LadeZumLesen().Finde(*Namen) != nullptr;
}

long TRegistrierungsDatei::ErzeugeSchluessel(const QString& Schluessel)
{
    const auto Namen = ZerlegePfad(Schluessel);
    if (!Namen)
        return FehlerPfadname;
    return Aendere([&](TRegSchluessel& Wurzel) {
        bool Neu = false;
        Wurzel.Erzeuge(*Namen, Neu);
        return Neu;
    });
}

long TRegistrierungsDatei::SchreibeWert(const QString& Schluessel, const TRegWert& Wert)
{
    return SchreibeWerte(Schluessel, {Wert});
}

long TRegistrierungsDatei::SchreibeWerte(const QString& Schluessel, const QList<TRegWert>& Werte)
{
    const auto Namen = ZerlegePfad(Schluessel);
    if (!Namen)
        return FehlerPfadname;
    return Aendere([&](TRegSchluessel& Wurzel) {
        bool Neu = false;
        TRegSchluessel& Ziel = Wurzel.Erzeuge(*Namen, Neu);
        for (const TRegWert& Wert : Werte)
            Neu = Ziel.SetzeWert(Wert) || Neu;
        return Neu;
    });
}

long TRegistrierungsDatei::Aendere(const std::function<bool(TRegSchluessel&)>& Aenderung)
{
    if (!QDir().mkpath(Ordner()))
        return FehlerZugriff;
    TGeladen Geladen;
    long Fehler = ErfolgOk;
    {
        TDateiSperre Sperre(Pfad());
        if (Sperre.Ergebnis() != ErfolgOk)
            return Sperre.Ergebnis();
        Geladen = LadeUnterSperre(Pfad(), Wurzelname);
        Fehler = Geladen.Fehler;
        if (Fehler == ErfolgOk && Aenderung(Geladen.Wurzel)) {
            EntferneVerwaisteTempdateien(Pfad());
            Fehler = SchreibeDateiAtomar(Pfad(), SchreibeRegText(Geladen.Wurzel, Wurzelname), 0600);
        }
    }
    // Told only now: the player's answer must not keep other programs waiting for the lock.
    Melde(Geladen.Meldung);
    return Fehler;
}

} // namespace Registrierung
