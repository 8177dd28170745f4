#pragma once

#include <QString>
#include <optional>

// How the machine reads and writes the texts of its stored values.
namespace Einstellungswerte {

// A whole number, blanks around it allowed; nullopt for anything else (also out of int range).
std::optional<int> GanzeZahl(const QString& Text);

// The size factor stored as "ScaleBy": a whole number of at least 1; nullopt otherwise, so that
// the factor is worked out afresh as on a first start.
std::optional<int> Groessenfaktor(const QString& Text);

// The payout's pause per step of the falling money, "GeschwindigkeitAuszahlung": a whole number
// of milliseconds from 0 to LaengsteAuszahlpause; nullopt for anything else, which counts as not
// set. A second per step already lets a single coin take a minute and more to fall.
constexpr int LaengsteAuszahlpause = 1000;
std::optional<int> Auszahlpause(const QString& Text);

// The cash box as stored at the end of a run: the decimal comma becomes a blank ("1234 56").
QString KassenstandFuerSpeicher(const QString& Betrag);

// The stored cash box text as a decimal text: the first blank becomes the decimal comma, and a
// text of blanks only (or none) is "0,00".
QString KassenstandAusSpeicher(QString Text);

} // namespace Einstellungswerte
