#include "support/Klaenge.h"

QString KlangDatei(TKlang Klang)
{
    switch (Klang) {
    case TKlang::Muenze:
        return QStringLiteral("/Muenze.WAV");
    case TKlang::Einzahlen:
        return QStringLiteral("/einzahlen1.WAV");
    case TKlang::Gewonnen1:
        return QStringLiteral("/gewonnen1.WAV");
    case TKlang::Gewonnen:
        return QStringLiteral("/gewonnen.WAV");
    case TKlang::Sonderspiele1:
        return QStringLiteral("/Sonderspiele1.WAV");
    case TKlang::Sonderspiele:
        return QStringLiteral("/Sonderspiele.WAV");
    case TKlang::Stop:
        return QStringLiteral("/stop.WAV");
    case TKlang::Ups:
        return QStringLiteral("/ups.WAV");
    }
    return {};
}
