#pragma once

#include "support/Dateien.h"
#include "support/RegText.h"

#include <functional>

// The registry of one root key (HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, ...) kept in a text file in
// the layout of registry export files, one file per root in the user's config folder:
// <config>/Vorlix/<root>.reg.
//
// Every change re-reads the file under a lock shared by all running programs and replaces it
// atomically, so a crash leaves the old or the new file and two programs do not lose each
// other's values. A file that cannot be parsed, or that is no regular file of a store's size (a
// pipe, a device, a huge file), is set aside under a new name, reported once, and the store goes
// on empty.
namespace Registrierung {

// Far above any store this program writes; a larger file is no store of its.
constexpr qint64 HoechstGroesse = 1024 * 1024;

// Who hears of a damaged store file (a German text for the player). Without one the text goes
// to qWarning.
using TMelder = std::function<void(const QString&)>;

class TRegistrierungsDatei
{
public:
    // Wurzelname "HKEY_CURRENT_USER", ...; Melder hears of a damaged file.
    explicit TRegistrierungsDatei(QString Wurzelname, TMelder Melder = {});

    static QString Ordner(); // ${XDG_CONFIG_HOME:-$HOME/.config}/Vorlix
    QString Pfad() const;

    // Reading never creates a key or a file. FehlerNichtGefunden when the key or value is missing.
    long LiesWert(const QString& Schluessel, const QString& WertName, TRegWert& Wert) const;
    bool SchluesselVorhanden(const QString& Schluessel) const;

    // Both create every missing key of the path and return ErfolgOk or the reason of the failure.
    long ErzeugeSchluessel(const QString& Schluessel);
    long SchreibeWert(const QString& Schluessel, const TRegWert& Wert);
    // Several values of one key in one replacement of the file: all of them or none.
    long SchreibeWerte(const QString& Schluessel, const QList<TRegWert>& Werte);

private:
    TRegSchluessel LadeZumLesen() const;
    long Aendere(const std::function<bool(TRegSchluessel&)>& Aenderung);
    void Melde(const QString& Meldung) const;

    QString Wurzelname;
    TMelder Melder;
};

} // namespace Registrierung
