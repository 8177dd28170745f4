#include "support/Auswertung.h"

#include "support/Dateien.h"
#include "support/Windows1252.h"

#include <QDir>
#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <utility>

namespace Auswertung {

namespace {

constexpr int TrennLinienLaenge = 103;
constexpr int NameMaxZeichen = 15;
// The log is written through a temporary file named after it.
constexpr int DateiNameMaxBytes = 255 - Dateien::TempEndungMaxBytes;
const QString Einzahlungszeichen = QString(QChar(0x00B7));
const QString Auszahlungszeichen = QStringLiteral("---");

// After the cut a name has at most 15 characters: 11 to 15 get a blank, 10 stay as they are,
// shorter ones get a TAB.
void FuegeFuellerAn(QString& Name, int Zeichen)
{
    if (Zeichen > 10) {
        Name += u' ';
    } else if (Zeichen < 10) {
        Name += u'\t';
    }
}

// The sums read only what the machine writes at the end of its lines: the player's name stands at
// the start of every line it appears in, so whatever it imitates never reaches these patterns.
// The amount field is one of the nine the coins and notes write; the date may carry the TABs the
// date fix inserts after the year; time and date are empty during the first second.
const QRegularExpression& EinzahlungsEnde()
{
    static const QRegularExpression Muster(QStringLiteral(
        "\\x{00B7}\\t(0,1|0,2|0,5|  1|  2|  5| 10| 20| 50) Euro    "
        "(?:[0-9][0-9]:[0-9][0-9]:[0-9][0-9])?\\t(?:[0-9][0-9]\\.[0-9][0-9]\\.[0-9]{4}\\t*)?\\t"
        "(?:-?[0-9]+,[0-9][0-9])?$"));
    return Muster;
}

const QRegularExpression& AuszahlungsEnde()
{
    static const QRegularExpression Muster(QStringLiteral("---\\t(-?[0-9]+,[0-9][0-9]) Euro$"));
    return Muster;
}

TBcdWert SummeDerTreffer(const QStringList& Zeilen, const QRegularExpression& Muster)
{
    TBcdWert Summe = BcdFromText("0,0");
    for (const QString& Zeile : Zeilen) {
        const QRegularExpressionMatch Treffer = Muster.match(Zeile);
        if (Treffer.hasMatch()) {
            Summe = BcdPlus(Summe, BcdFromText(Treffer.captured(1).trimmed().toStdString()));
        }
    }
    return Summe;
}

void FuegeTabNachJahrEin(QString& Zeile, QStringView Muster)
{
    const auto Punkt = Zeile.indexOf(Muster);
    if (Punkt < 0) {
        return;
    }
    const auto NachDemJahr = Punkt + 5;
    if (NachDemJahr > Zeile.length()) {
        return;
    }
    Zeile.insert(NachDemJahr, u'\t');
}

bool DarfNichtInDateiNamen(QChar Zeichen)
{
    static constexpr std::array<char16_t, 9> Verboten = {u'/', u'\\', u'?', u'*', u'"',
                                                         u'<', u'>',  u'|', u':'};
    const char16_t Code = Zeichen.unicode();
    if (Code < 0x20 || Code == 0x7F) {
        return true;
    }
    for (const char16_t V : Verboten) {
        if (Code == V) {
            return true;
        }
    }
    return false;
}

QString FuerDateiNamen(QString Text)
{
    for (QChar& Zeichen : Text) {
        if (Zeichen == u'.' || DarfNichtInDateiNamen(Zeichen)) {
            Zeichen = u'_';
        }
    }
    return Text;
}

// A character outside the Basic Multilingual Plane begins at Stelle.
bool IstErsatzpaar(const QString& Text, qsizetype Stelle)
{
    return Stelle + 1 < Text.size() && Text.at(Stelle).isHighSurrogate() &&
           Text.at(Stelle + 1).isLowSurrogate();
}

} // namespace

QString NameFuerAuswertung(const QString& FeldText)
{
    QString Name = FeldText.trimmed();
    if (Name.isEmpty()) {
        Name = QStringLiteral("Kein Name");
    }
    // A character outside the Basic Multilingual Plane is two code units; split, it would leave
    // text that no pattern of the sums matches any more.
    qsizetype Stelle = 0;
    int Anzahl = 0;
    for (; Anzahl < NameMaxZeichen && Stelle < Name.size(); ++Anzahl)
        Stelle += IstErsatzpaar(Name, Stelle) ? 2 : 1;
    Name.truncate(Stelle);
    FuegeFuellerAn(Name, Anzahl);
    return Name;
}

QString DatumText(const QDateTime& Zeitpunkt)
{
    return Zeitpunkt.toString(QStringLiteral("dd.MM.yyyy"));
}

QString UhrzeitText(const QDateTime& Zeitpunkt)
{
    return Zeitpunkt.toString(QStringLiteral("HH:mm:ss"));
}

QString TrennLinie()
{
    return QString(TrennLinienLaenge, u'_');
}

QStringList KopfZeilen()
{
    return {QStringLiteral("Name\t\tEinzahlung   Uhrzeit\tDatum\t\t\tAuszahlung"), TrennLinie()};
}

QString BetragsFeld(const QString& Wert)
{
    static const std::array<std::pair<const char*, const char*>, 9> Felder = {{
        {"0,1", "0,1 Euro    "},
        {"0,2", "0,2 Euro    "},
        {"0,5", "0,5 Euro    "},
        {"1", "  1 Euro    "},
        {"2", "  2 Euro    "},
        {"5", "  5 Euro    "},
        {"10", " 10 Euro    "},
        {"20", " 20 Euro    "},
        {"50", " 50 Euro    "},
    }};
    for (const auto& [Schluessel, Feld] : Felder) {
        if (Wert == QLatin1String(Schluessel)) {
            return QString::fromLatin1(Feld);
        }
    }
    return (Wert.rightJustified(3) + QStringLiteral(" Euro")).leftJustified(12);
}

QString EinzahlungsZeile(const QString& SpielerName, const QString& Wert,
                         const QString& UhrzeitText, const QString& DatumText,
                         const QString& AuszahlungText)
{
    return SpielerName + Einzahlungszeichen + u'\t' + BetragsFeld(Wert) + UhrzeitText + u'\t' +
           DatumText + u'\t' + AuszahlungText;
}

QString UngueltigZeile(const QString& SpielerName, const QString& UhrzeitText,
                       const QString& DatumText, TUngueltigGrund Grund)
{
    const QString Ursache = Grund == TUngueltigGrund::Deaktiviert
                                ? QStringLiteral(" Vorlix wurde deaktiviert!")
                                : QStringLiteral(" Vorlix wurde unterbrochen!");
    return SpielerName + QStringLiteral("\t\t\t    ") + UhrzeitText + u'\t' + DatumText + Ursache +
           QStringLiteral(" Spiel ist ungültig!");
}

QString AuszahlungsZeile(const QString& SpielerName, const QString& UhrzeitText,
                         const QString& DatumText, const QString& AuszahlungText)
{
    return SpielerName + QStringLiteral("\t\t\t    ") + UhrzeitText + u'\t' + DatumText +
           Auszahlungszeichen + u'\t' + AuszahlungText + QStringLiteral(" Euro");
}

void HaengeEreignisAn(QStringList& Zeilen, const QString& Zeile)
{
    Zeilen << Zeile << TrennLinie();
}

TBcdWert Einzahlungssumme(const QStringList& Zeilen)
{
    return SummeDerTreffer(Zeilen, EinzahlungsEnde());
}

TBcdWert Auszahlungssumme(const QStringList& Zeilen)
{
    return SummeDerTreffer(Zeilen, AuszahlungsEnde());
}

QString ZusammenfassungsZeile(const QString& SpielerName, const QString& DatumText,
                              const QString& UhrzeitText, const QString& Betrag, bool Gewonnen)
{
    return SpielerName + QStringLiteral(" hat am ") + DatumText + QStringLiteral(" um ") +
           UhrzeitText + QStringLiteral(" Uhr") + u'\t' + Betrag +
           (Gewonnen ? QStringLiteral(" Euro gewonnen!") : QStringLiteral(" Euro verspielt!"));
}

QStringList AbschlussBlock(const QString& Zusammenfassung)
{
    return {QStringLiteral(" "), QStringLiteral(" "), TrennLinie(), Zusammenfassung, TrennLinie()};
}

void KorrigiereDatumsspalten(QStringList& Zeilen)
{
    for (QString& Zeile : Zeilen) {
        FuegeTabNachJahrEin(Zeile, u".201");
        FuegeTabNachJahrEin(Zeile, u".202");
    }
}

QString SchliesseAuswertung(QStringList& Zeilen, TAbschlussArt Art, const QString& SpielerName,
                            const QString& DatumText, const QString& UhrzeitText)
{
    const TBcdWert Einzahlungen = Einzahlungssumme(Zeilen);
    QString Betrag;
    bool Gewonnen = false;
    if (Art == TAbschlussArt::Auszahlung) {
        const TBcdWert Bilanz = Auszahlungssumme(Zeilen) - Einzahlungen;
        Gewonnen = !Bilanz.Negativ();
        Betrag = (Gewonnen ? Bilanz : -Bilanz).EuroText();
    } else {
        Betrag = Einzahlungen.EuroText();
    }
    const QString Zusammenfassung =
        ZusammenfassungsZeile(SpielerName, DatumText, UhrzeitText, Betrag, Gewonnen);
    Zeilen << AbschlussBlock(Zusammenfassung);
    KorrigiereDatumsspalten(Zeilen);
    return Zusammenfassung;
}

QString LogDateiName(const QString& SpielerName, const QString& DatumText,
                     const QString& UhrzeitText)
{
    const QString NamensTeil = FuerDateiNamen(SpielerName.trimmed());
    const QString Rest =
        FuerDateiNamen(u' ' + DatumText + u' ' + UhrzeitText) + QStringLiteral(".txt");
    // Whole characters of the name, as many as fit with the rest; each is measured once.
    qsizetype Bytes = Rest.toUtf8().size();
    qsizetype Ende = 0;
    while (Ende < NamensTeil.size()) {
        const qsizetype Laenge = IstErsatzpaar(NamensTeil, Ende) ? 2 : 1;
        Bytes += NamensTeil.mid(Ende, Laenge).toUtf8().size();
        if (Bytes > DateiNameMaxBytes)
            break;
        Ende += Laenge;
    }
    return NamensTeil.left(Ende) + Rest;
}

QByteArray LogDateiInhalt(const QStringList& Zeilen)
{
    QString Text;
    for (const QString& Zeile : Zeilen) {
        Text += Zeile + QStringLiteral("\r\n");
    }
    return Windows1252::Kodiere(Text);
}

TSpeicherErgebnis SpeichereAuswertung(const QStringList& Zeilen, const QString& Ordner,
                                      const QString& SpielerName, const QString& DatumText,
                                      const QString& UhrzeitText)
{
    TSpeicherErgebnis Ergebnis;
    Ergebnis.Pfad =
        QDir(Ordner).absoluteFilePath(LogDateiName(SpielerName, DatumText, UhrzeitText));
    const long Fehler = Dateien::SchreibeDateiAtomar(Ergebnis.Pfad, LogDateiInhalt(Zeilen));
    Ergebnis.Gespeichert = Fehler == Dateien::ErfolgOk;
    Ergebnis.Fehler = Dateien::Fehlertext(Fehler);
    return Ergebnis;
}

} // namespace Auswertung
