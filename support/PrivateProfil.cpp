#include "support/PrivateProfil.h"

#include "support/Dateien.h"
#include "support/Windows1252.h"

#include <QStringList>

namespace PrivateProfil {

namespace {

bool IstLeerraum(QChar Zeichen)
{
    return Zeichen == u' ' || Zeichen == u'\t' || Zeichen == u'\r' || Zeichen == u'\n' ||
           Zeichen == u'\v' || Zeichen == u'\f';
}

QString Getrimmt(QStringView Text)
{
    qsizetype Anfang = 0;
    qsizetype Ende = Text.size();
    while (Anfang < Ende && IstLeerraum(Text[Anfang]))
        ++Anfang;
    while (Ende > Anfang && IstLeerraum(Text[Ende - 1]))
        --Ende;
    return Text.mid(Anfang, Ende - Anfang).toString();
}

QString OhneEndleerzeichen(QString Text)
{
    while (Text.endsWith(u' '))
        Text.chop(1);
    return Text;
}

QString OhneZitatzeichen(const QString& Wert)
{
    const bool Umschlossen = Wert.size() >= 2 && (Wert.front() == u'"' || Wert.front() == u'\'') &&
                             Wert.back() == Wert.front();
    return Umschlossen ? Wert.mid(1, Wert.size() - 2) : Wert;
}

QString EinZeilig(QString Text)
{
    return Text.replace(u'\r', u' ').replace(u'\n', u' ');
}

// A value that reading would change (blanks at its ends, one pair of enclosing quotes) is written
// in double quotes, which reading takes off again.
QString Geschuetzt(const QString& Wert)
{
    if (Wert.isEmpty())
        return Wert;
    const bool Rand = IstLeerraum(Wert.front()) || IstLeerraum(Wert.back());
    return Rand || OhneZitatzeichen(Wert) != Wert ? u'"' + Wert + u'"' : Wert;
}

// The file as lines, with the line break it uses.
struct TIniText
{
    QStringList Zeilen;
    QString Umbruch = QStringLiteral("\r\n");
    bool UmbruchAmEnde = true;
};

TIniText Zerlege(const QString& Text)
{
    TIniText Ini;
    if (Text.isEmpty())
        return Ini;
    if (!Text.contains(QStringLiteral("\r\n")) && Text.contains(u'\n'))
        Ini.Umbruch = QStringLiteral("\n");
    Ini.Zeilen = Text.split(u'\n');
    Ini.UmbruchAmEnde = Text.endsWith(u'\n');
    if (Ini.UmbruchAmEnde)
        Ini.Zeilen.removeLast();
    for (QString& Zeile : Ini.Zeilen)
        if (Zeile.endsWith(u'\r'))
            Zeile.chop(1);
    return Ini;
}

QString Zusammen(const TIniText& Ini)
{
    QString Text = Ini.Zeilen.join(Ini.Umbruch);
    if (Ini.UmbruchAmEnde && !Ini.Zeilen.isEmpty())
        Text += Ini.Umbruch;
    return Text;
}

std::optional<QString> Abschnittsname(const QString& Zeile)
{
    const QString Text = Getrimmt(Zeile);
    const qsizetype Ende = Text.indexOf(u']');
    if (!Text.startsWith(u'[') || Ende < 0)
        return std::nullopt;
    return Getrimmt(QStringView(Text).mid(1, Ende - 1));
}

struct TSchluesselZeile
{
    QString Schluessel;
    QString Wert; // as written, untrimmed
};

std::optional<TSchluesselZeile> AlsSchluesselZeile(const QString& Zeile)
{
    const QString Text = Getrimmt(Zeile);
    const qsizetype Gleich = Text.indexOf(u'=');
    if (Gleich < 0 || Text.startsWith(u';') || Text.startsWith(u'['))
        return std::nullopt;
    return TSchluesselZeile{Getrimmt(QStringView(Text).left(Gleich)), Text.mid(Gleich + 1)};
}

qsizetype FindeAbschnitt(const QStringList& Zeilen, const QString& Abschnitt)
{
    for (qsizetype i = 0; i < Zeilen.size(); ++i) {
        const auto Name = Abschnittsname(Zeilen[i]);
        if (Name && Name->compare(Abschnitt, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

qsizetype AbschnittsEnde(const QStringList& Zeilen, qsizetype Kopf)
{
    qsizetype i = Kopf + 1;
    while (i < Zeilen.size() && !Abschnittsname(Zeilen[i]))
        ++i;
    return i;
}

qsizetype FindeSchluessel(const QStringList& Zeilen, qsizetype Kopf, const QString& Schluessel)
{
    const qsizetype Ende = AbschnittsEnde(Zeilen, Kopf);
    for (qsizetype i = Kopf + 1; i < Ende; ++i) {
        const auto Eintrag = AlsSchluesselZeile(Zeilen[i]);
        if (Eintrag && Eintrag->Schluessel.compare(Schluessel, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

// Behind the section's last key, or behind its header when it has none.
qsizetype NeueSchluesselZeile(const QStringList& Zeilen, qsizetype Kopf)
{
    qsizetype Stelle = Kopf + 1;
    const qsizetype Ende = AbschnittsEnde(Zeilen, Kopf);
    for (qsizetype i = Kopf + 1; i < Ende; ++i)
        if (AlsSchluesselZeile(Zeilen[i]))
            Stelle = i + 1;
    return Stelle;
}

// Returns true when the lines changed.
bool SetzeWert(QStringList& Zeilen, const QString& Abschnitt, const QString& Schluessel,
               const std::optional<QString>& Wert)
{
    const qsizetype Kopf = FindeAbschnitt(Zeilen, Abschnitt);
    const qsizetype Zeile = Kopf < 0 ? -1 : FindeSchluessel(Zeilen, Kopf, Schluessel);
    if (!Wert) {
        if (Zeile >= 0)
            Zeilen.removeAt(Zeile);
        return Zeile >= 0;
    }
    if (Zeile >= 0) {
        const QString Neu = AlsSchluesselZeile(Zeilen[Zeile])->Schluessel + u'=' + *Wert;
        const bool Geaendert = Zeilen[Zeile] != Neu;
        Zeilen[Zeile] = Neu;
        return Geaendert;
    }
    const QString Neu = Schluessel + u'=' + *Wert;
    if (Kopf >= 0) {
        Zeilen.insert(NeueSchluesselZeile(Zeilen, Kopf), Neu);
        return true;
    }
    if (!Zeilen.isEmpty() && !Getrimmt(Zeilen.last()).isEmpty())
        Zeilen.append(QString());
    Zeilen.append(u'[' + Abschnitt + u']');
    Zeilen.append(Neu);
    return true;
}

// ErfolgOk with an empty text when there is no file.
long LiesDatei(const QString& Datei, QString& Text)
{
    QByteArray Inhalt;
    bool Vorhanden = false;
    const long Ergebnis = Dateien::LiesRegulaereDatei(Datei, Inhalt, Vorhanden, HoechstGroesse);
    Text = Windows1252::Dekodiere(Inhalt);
    return Ergebnis;
}

} // namespace

TIniDatei::TIniDatei(const QString& Datei)
{
    QString Text;
    if (!Datei.isEmpty() && LiesDatei(Datei, Text) == Dateien::ErfolgOk)
        Zeilen = Zerlege(Text).Zeilen;
}

int TIniDatei::LiesText(const QString& Abschnitt, const QString& Schluessel, const QString& Vorgabe,
                        QString& Puffer, int Groesse) const
{
    Puffer.clear();
    if (Groesse <= 0)
        return 0;
    const qsizetype Kopf = FindeAbschnitt(Zeilen, Abschnitt);
    const qsizetype Zeile = Kopf < 0 ? -1 : FindeSchluessel(Zeilen, Kopf, Schluessel);
    Puffer = (Zeile < 0 ? OhneEndleerzeichen(Vorgabe)
                        : OhneZitatzeichen(Getrimmt(AlsSchluesselZeile(Zeilen[Zeile])->Wert)))
                 .left(Groesse - 1);
    return int(Puffer.size());
}

int LiesText(const QString& Abschnitt, const QString& Schluessel, const QString& Vorgabe,
             QString& Puffer, int Groesse, const QString& Datei)
{
    return TIniDatei(Datei).LiesText(Abschnitt, Schluessel, Vorgabe, Puffer, Groesse);
}

long SchreibTextMitGrund(const QString& Abschnitt, const QString& Schluessel,
                         const std::optional<QString>& Wert, const QString& Datei)
{
    if (Datei.isEmpty())
        return Dateien::FehlerPfadNichtGefunden;
    const std::optional<QString> Einzeilig =
        Wert ? std::optional<QString>(Geschuetzt(EinZeilig(*Wert))) : std::nullopt;
    Dateien::TDateiSperre Sperre(Datei);
    if (Sperre.Ergebnis() != Dateien::ErfolgOk)
        return Sperre.Ergebnis();
    // What could not be read must not be replaced by what little is known of it.
    QString Text;
    if (const long Gelesen = LiesDatei(Datei, Text); Gelesen != Dateien::ErfolgOk)
        return Gelesen;
    TIniText Ini = Zerlege(Text);
    if (!SetzeWert(Ini.Zeilen, EinZeilig(Abschnitt), EinZeilig(Schluessel), Einzeilig))
        return Dateien::ErfolgOk;
    Dateien::EntferneVerwaisteTempdateien(Datei);
    return Dateien::SchreibeDateiAtomar(Datei, Windows1252::Kodiere(Zusammen(Ini)));
}

bool SchreibText(const QString& Abschnitt, const QString& Schluessel,
                 const std::optional<QString>& Wert, const QString& Datei)
{
    return SchreibTextMitGrund(Abschnitt, Schluessel, Wert, Datei) == Dateien::ErfolgOk;
}

} // namespace PrivateProfil
