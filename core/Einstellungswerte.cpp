#include "core/Einstellungswerte.h"

namespace Einstellungswerte {

std::optional<int> GanzeZahl(const QString& Text)
{
    bool Ok = false;
    const int Zahl = Text.trimmed().toInt(&Ok, 10);
    return Ok ? std::optional<int>(Zahl) : std::nullopt;
}

std::optional<int> Groessenfaktor(const QString& Text)
{
    const auto Zahl = GanzeZahl(Text);
    return Zahl && *Zahl >= 1 ? Zahl : std::nullopt;
}

std::optional<int> Auszahlpause(const QString& Text)
{
    const auto Zahl = GanzeZahl(Text);
    return Zahl && *Zahl >= 0 && *Zahl <= LaengsteAuszahlpause ? Zahl : std::nullopt;
}

QString KassenstandFuerSpeicher(const QString& Betrag)
{
    QString Text = Betrag;
    return Text.replace(QLatin1Char(','), QLatin1Char(' '));
}

QString KassenstandAusSpeicher(QString Text)
{
    // Blank first: a text of blanks would otherwise become a lone comma followed by blanks.
    if (Text.trimmed().isEmpty())
        return QStringLiteral("0,00");
    const int Leerzeichen = Text.indexOf(QLatin1Char(' '));
    if (Leerzeichen >= 0)
        Text[Leerzeichen] = QLatin1Char(',');
    return Text;
}

} // namespace Einstellungswerte
