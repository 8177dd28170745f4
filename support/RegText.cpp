#include "support/RegText.h"

#include <QHash>
#include <QStringDecoder>
#include <QtEndian>
#include <algorithm>
#include <memory>

namespace Registrierung {

namespace {

const QString Kopfzeile = QStringLiteral("Windows Registry Editor Version 5.00");

// Names compare in this form, in the index of a text being read as everywhere else.
QString Faltform(const QString& Name)
{
    return Name.toCaseFolded();
}

bool GleicherName(const QString& A, const QString& B)
{
    return Faltform(A) == Faltform(B);
}

// ---- reading the file text ----

QString OhneEscapes(QStringView Roh)
{
    QString Text;
    for (qsizetype i = 0; i < Roh.size(); ++i) {
        if (Roh[i] != u'\\' || i + 1 == Roh.size()) {
            Text += Roh[i];
            continue;
        }
        const QChar Folge = Roh[++i];
        if (Folge == u'n')
            Text += u'\n';
        else if (Folge == u'r')
            Text += u'\r';
        else if (Folge == u'\\' || Folge == u'"')
            Text += Folge;
        else
            Text += QStringLiteral("\\") + Folge; // not an escape: kept as written
    }
    return Text;
}

// A quoted text starting at Pos; Pos ends behind the closing quote.
std::optional<QString> LiesZitat(const QString& Zeile, qsizetype& Pos)
{
    if (Pos >= Zeile.size() || Zeile[Pos] != u'"')
        return std::nullopt;
    const qsizetype Anfang = ++Pos;
    while (Pos < Zeile.size() && Zeile[Pos] != u'"')
        Pos += Zeile[Pos] == u'\\' ? 2 : 1;
    if (Pos >= Zeile.size())
        return std::nullopt;
    return OhneEscapes(QStringView(Zeile).mid(Anfang, Pos++ - Anfang));
}

std::optional<QByteArray> LiesHexBytes(const QString& Liste)
{
    QByteArray Bytes;
    if (Liste.trimmed().isEmpty())
        return Bytes;
    QStringList Teile = Liste.split(u',');
    if (Teile.size() > 1 && Teile.last().trimmed().isEmpty())
        Teile.removeLast();
    for (const QString& Teil : Teile) {
        bool Ok = false;
        const QString Ziffern = Teil.trimmed();
        const uint Byte = Ziffern.toUInt(&Ok, 16);
        if (!Ok || Ziffern.size() > 2 || Ziffern.startsWith(u'+') || Ziffern.startsWith(u'-'))
            return std::nullopt;
        Bytes += char(Byte);
    }
    return Bytes;
}

std::optional<quint32> LiesHexZahl(const QString& Ziffern, int MaxZiffern)
{
    bool Ok = false;
    const uint Zahl = Ziffern.toUInt(&Ok, 16);
    if (!Ok || Ziffern.isEmpty() || Ziffern.size() > MaxZiffern || Ziffern[0] == u'+' ||
        Ziffern[0] == u'-')
        return std::nullopt;
    return Zahl;
}

// The data part behind '=': a value, or nullopt for "-" (delete) in Loeschen, or a parse error.
std::optional<TRegWert> LiesDaten(const QString& Name, const QString& Daten, bool& Loeschen)
{
    Loeschen = false;
    if (Daten == u'-') {
        Loeschen = true;
        return std::nullopt;
    }
    if (Daten.startsWith(u'"')) {
        qsizetype Pos = 0;
        const auto Text = LiesZitat(Daten, Pos);
        if (!Text || !Daten.mid(Pos).trimmed().isEmpty())
            return std::nullopt;
        return TRegWert::Text(Name, *Text);
    }
    if (Daten.startsWith(QStringLiteral("dword:"), Qt::CaseInsensitive)) {
        const auto Zahl = LiesHexZahl(Daten.mid(6).trimmed(), 8);
        if (!Zahl)
            return std::nullopt;
        return TRegWert::Dword(Name, *Zahl);
    }
    if (!Daten.startsWith(QStringLiteral("hex"), Qt::CaseInsensitive))
        return std::nullopt;
    const qsizetype Doppelpunkt = Daten.indexOf(u':');
    if (Doppelpunkt < 0)
        return std::nullopt;
    const QString Art = Daten.left(Doppelpunkt).mid(3).trimmed();
    quint32 Typ = RegBinary;
    if (!Art.isEmpty()) {
        if (!Art.startsWith(u'(') || !Art.endsWith(u')'))
            return std::nullopt;
        const auto Nummer = LiesHexZahl(Art.mid(1, Art.size() - 2), 8);
        if (!Nummer)
            return std::nullopt;
        Typ = *Nummer;
    }
    const auto Bytes = LiesHexBytes(Daten.mid(Doppelpunkt + 1));
    if (!Bytes)
        return std::nullopt;
    return TRegWert{Name, Typ, *Bytes};
}

// The written text repeats every key's whole path; beyond this many characters of paths a text
// is no store of this program, and writing it back would take without end.
constexpr qsizetype HoechstePfadsumme = 4 * 1024 * 1024;

// A key while a text is read. Values and sub keys are found through an index by the folded name,
// so that a text of many values or keys reads in linear time; a deletion leaves a gap, which
// keeps every index valid, and the gaps go when the key is handed out.
struct TLeseSchluessel
{
    QString Name;
    qsizetype Pfadlaenge = 0;
    std::vector<std::optional<TRegWert>> Werte; // in the order they were first set
    QHash<QString, std::size_t> WertStelle;
    std::vector<std::unique_ptr<TLeseSchluessel>> Unter;
    QHash<QString, std::size_t> UnterStelle;

    void SetzeWert(const TRegWert& Wert)
    {
        const QString Form = Faltform(Wert.Name);
        if (const auto Stelle = WertStelle.constFind(Form); Stelle != WertStelle.cend()) {
            Werte[*Stelle]->Typ = Wert.Typ;
            Werte[*Stelle]->Daten = Wert.Daten;
            return;
        }
        WertStelle.insert(Form, Werte.size());
        Werte.push_back(Wert);
    }

    void LoescheWert(const QString& WertName)
    {
        if (const auto Stelle = WertStelle.find(Faltform(WertName)); Stelle != WertStelle.end()) {
            Werte[*Stelle].reset();
            WertStelle.erase(Stelle);
        }
    }

    TLeseSchluessel* Unterschluessel(const QString& UnterName) const
    {
        const auto Stelle = UnterStelle.constFind(Faltform(UnterName));
        return Stelle == UnterStelle.cend() ? nullptr : Unter[*Stelle].get();
    }

    TLeseSchluessel& NeuerUnterschluessel(const QString& UnterName)
    {
        UnterStelle.insert(Faltform(UnterName), Unter.size());
        Unter.push_back(std::make_unique<TLeseSchluessel>());
        Unter.back()->Name = UnterName;
        Unter.back()->Pfadlaenge = Pfadlaenge + 1 + UnterName.size();
        return *Unter.back();
    }

    void LoescheUnterschluessel(const QString& UnterName)
    {
        if (const auto Stelle = UnterStelle.find(Faltform(UnterName));
            Stelle != UnterStelle.end()) {
            Unter[*Stelle].reset();
            UnterStelle.erase(Stelle);
        }
    }

    TRegSchluessel Fertig() const
    {
        TRegSchluessel Schluessel{Name, {}, {}};
        for (const auto& Wert : Werte)
            if (Wert)
                Schluessel.Werte.append(*Wert);
        for (const auto& Kind : Unter)
            if (Kind)
                Schluessel.Unterschluessel.push_back(Kind->Fertig());
        return Schluessel;
    }
};

class TRegLeser
{
public:
    TRegLeser(QStringList Zeilen, QString Wurzelname)
        : Zeilen(std::move(Zeilen)), Wurzelname(std::move(Wurzelname))
    {
        Wurzel.Name = this->Wurzelname;
    }

    std::optional<TRegSchluessel> Lies()
    {
        if (Zeilen.isEmpty() || Zeilen[0].trimmed() != Kopfzeile)
            return std::nullopt;
        for (Nummer = 1; Nummer < Zeilen.size(); ++Nummer) {
            const QString Zeile = Zeilen[Nummer].trimmed();
            if (Zeile.isEmpty() || Zeile.startsWith(u';'))
                continue;
            const bool Ok =
                Zeile.startsWith(u'[') ? LiesSchluesselZeile(Zeile) : LiesWertZeile(Zeile);
            if (!Ok)
                return std::nullopt;
        }
        return Wurzel.Fertig();
    }

private:
    bool LiesSchluesselZeile(const QString& Zeile)
    {
        if (!Zeile.endsWith(u']'))
            return false;
        QString Pfad = Zeile.mid(1, Zeile.size() - 2);
        const bool Loeschen = Pfad.startsWith(u'-');
        if (Loeschen)
            Pfad.remove(0, 1);
        const qsizetype Trenner = Pfad.indexOf(u'\\');
        const QString WurzelTeil = Trenner < 0 ? Pfad : Pfad.left(Trenner);
        const auto Namen = ZerlegePfad(Trenner < 0 ? QString() : Pfad.mid(Trenner + 1));
        if (!GleicherName(WurzelTeil, Wurzelname) || !Namen || (Trenner >= 0 && Namen->isEmpty()))
            return false;
        Aktuell = nullptr;
        if (Loeschen) {
            if (TLeseSchluessel* Eltern = Finde(Namen->mid(0, Namen->size() - 1));
                Eltern && !Namen->isEmpty())
                Eltern->LoescheUnterschluessel(Namen->last());
            return true;
        }
        Aktuell = Erzeuge(*Namen);
        return Aktuell != nullptr;
    }

    TLeseSchluessel* Finde(const QStringList& Pfad)
    {
        TLeseSchluessel* Schluessel = &Wurzel;
        for (qsizetype i = 0; Schluessel && i < Pfad.size(); ++i)
            Schluessel = Schluessel->Unterschluessel(Pfad[i]);
        return Schluessel;
    }

    // nullptr when the paths grow beyond what a store of this program can hold.
    TLeseSchluessel* Erzeuge(const QStringList& Pfad)
    {
        TLeseSchluessel* Schluessel = &Wurzel;
        for (const QString& Name : Pfad) {
            TLeseSchluessel* Kind = Schluessel->Unterschluessel(Name);
            if (!Kind) {
                Kind = &Schluessel->NeuerUnterschluessel(Name);
                Pfadsumme += Kind->Pfadlaenge;
                if (Pfadsumme > HoechstePfadsumme)
                    return nullptr;
            }
            Schluessel = Kind;
        }
        return Schluessel;
    }

    bool LiesWertZeile(const QString& Zeile)
    {
        if (!Aktuell)
            return false;
        qsizetype Pos = 1;
        QString Name;
        if (!Zeile.startsWith(u'@')) {
            Pos = 0;
            const auto Zitat = LiesZitat(Zeile, Pos);
            if (!Zitat)
                return false;
            Name = *Zitat;
        }
        const QString Rest = Zeile.mid(Pos).trimmed();
        if (!Rest.startsWith(u'='))
            return false;
        bool Loeschen = false;
        const auto Wert = LiesDaten(Name, MitFortsetzungen(Rest.mid(1).trimmed()), Loeschen);
        if (Loeschen) {
            Aktuell->LoescheWert(Name);
            return true;
        }
        if (!Wert)
            return false;
        Aktuell->SetzeWert(*Wert);
        return true;
    }

    // Long hex data goes on over several lines, each but the last ending in a backslash.
    QString MitFortsetzungen(QString Daten)
    {
        if (!Daten.startsWith(QStringLiteral("hex"), Qt::CaseInsensitive))
            return Daten;
        while (Daten.endsWith(u'\\') && Nummer + 1 < Zeilen.size()) {
            Daten.chop(1);
            Daten += Zeilen[++Nummer].trimmed();
        }
        return Daten;
    }

    QStringList Zeilen;
    QString Wurzelname;
    TLeseSchluessel Wurzel;
    TLeseSchluessel* Aktuell = nullptr;
    qsizetype Nummer = 0;
    qsizetype Pfadsumme = 0;
};

// ---- writing the file text ----

QString MitEscapes(const QString& Text)
{
    QString Ergebnis = QStringLiteral("\"");
    for (const QChar Zeichen : Text) {
        if (Zeichen == u'\\' || Zeichen == u'"')
            Ergebnis += u'\\';
        if (Zeichen == u'\n')
            Ergebnis += QStringLiteral("\\n");
        else if (Zeichen == u'\r')
            Ergebnis += QStringLiteral("\\r");
        else
            Ergebnis += Zeichen;
    }
    return Ergebnis + u'"';
}

// Text data that a quoted text gives back unchanged: one terminating zero and no other.
bool IstSchlichterText(const TRegWert& Wert)
{
    const QByteArray& D = Wert.Daten;
    if (Wert.Typ != RegSz || D.size() < 2 || D.size() % 2 != 0 || !D.endsWith(QByteArray(2, '\0')))
        return false;
    return DatenAlsText(D).size() == D.size() / 2 - 1;
}

// Hex bytes as export files write them: lines of at most 80 characters, continued by "\".
QString HexListe(const QString& Anfang, const QByteArray& Daten)
{
    QString Text = Anfang;
    qsizetype Zeilenlaenge = Anfang.size();
    for (qsizetype i = 0; i < Daten.size(); ++i) {
        if (i > 0 && Zeilenlaenge + 3 > 77) {
            Text += QStringLiteral("\\\n  ");
            Zeilenlaenge = 2;
        }
        Text += QStringLiteral("%1").arg(uint(quint8(Daten[i])), 2, 16, QChar(u'0'));
        Zeilenlaenge += 2;
        if (i + 1 < Daten.size()) {
            Text += u',';
            ++Zeilenlaenge;
        }
    }
    return Text;
}

QString WertZeile(const TRegWert& Wert)
{
    const QString Name = (Wert.Name.isEmpty() ? QStringLiteral("@") : MitEscapes(Wert.Name)) + u'=';
    if (IstSchlichterText(Wert))
        return Name + MitEscapes(DatenAlsText(Wert.Daten));
    if (Wert.Typ == RegDword && Wert.Daten.size() == 4)
        return Name +
               QStringLiteral("dword:%1")
                   .arg(qFromLittleEndian<quint32>(Wert.Daten.constData()), 8, 16, QChar(u'0'));
    if (Wert.Typ == RegBinary)
        return HexListe(Name + QStringLiteral("hex:"), Wert.Daten);
    return HexListe(Name + QStringLiteral("hex(%1):").arg(Wert.Typ, 0, 16), Wert.Daten);
}

void SchreibeSchluessel(QString& Text, const TRegSchluessel& Schluessel, const QString& Pfad)
{
    Text += u'[' + Pfad + QStringLiteral("]\n");
    for (const TRegWert& Wert : Schluessel.Werte)
        Text += WertZeile(Wert) + u'\n';
    Text += u'\n';
    std::vector<const TRegSchluessel*> Sortiert;
    for (const TRegSchluessel& Unter : Schluessel.Unterschluessel)
        Sortiert.push_back(&Unter);
    std::sort(Sortiert.begin(), Sortiert.end(), [](const auto* A, const auto* B) {
        return A->Name.compare(B->Name, Qt::CaseInsensitive) < 0;
    });
    for (const TRegSchluessel* Unter : Sortiert)
        SchreibeSchluessel(Text, *Unter, Pfad + u'\\' + Unter->Name);
}

} // namespace

// ---- values and keys ----

TRegWert TRegWert::Text(const QString& Name, const QString& Text, quint32 Typ)
{
    return {Name, Typ, TextDaten(Text)};
}

TRegWert TRegWert::Dword(const QString& Name, quint32 Zahl)
{
    QByteArray Daten(4, '\0');
    qToLittleEndian(Zahl, Daten.data());
    return {Name, RegDword, Daten};
}

TRegWert TRegWert::Binaer(const QString& Name, const QByteArray& Bytes)
{
    return {Name, RegBinary, Bytes};
}

QByteArray TextDaten(const QString& Text)
{
    QByteArray Daten(Text.size() * 2 + 2, '\0');
    for (qsizetype i = 0; i < Text.size(); ++i)
        qToLittleEndian(Text[i].unicode(), Daten.data() + 2 * i);
    return Daten;
}

QString DatenAlsText(const QByteArray& Daten)
{
    QString Text;
    for (qsizetype i = 0; i + 1 < Daten.size(); i += 2) {
        const char16_t Zeichen = qFromLittleEndian<char16_t>(Daten.constData() + i);
        if (Zeichen == 0)
            break;
        Text += QChar(Zeichen);
    }
    return Text;
}

const TRegWert* TRegSchluessel::FindeWert(const QString& WertName) const
{
    for (const TRegWert& Wert : Werte)
        if (GleicherName(Wert.Name, WertName))
            return &Wert;
    return nullptr;
}

bool TRegSchluessel::SetzeWert(const TRegWert& Wert)
{
    for (TRegWert& Alt : Werte) {
        if (!GleicherName(Alt.Name, Wert.Name))
            continue;
        if (Alt.Typ == Wert.Typ && Alt.Daten == Wert.Daten)
            return false;
        Alt.Typ = Wert.Typ;
        Alt.Daten = Wert.Daten;
        return true;
    }
    Werte.append(Wert);
    return true;
}

bool TRegSchluessel::LoescheWert(const QString& WertName)
{
    return Werte.removeIf([&](const TRegWert& W) { return GleicherName(W.Name, WertName); }) > 0;
}

namespace {

template <class Schluesseltyp>
Schluesseltyp* FindeUnter(Schluesseltyp* Schluessel, const QStringList& Pfad)
{
    for (const QString& Name : Pfad) {
        auto& Liste = Schluessel->Unterschluessel;
        const auto Treffer = std::find_if(
            Liste.begin(), Liste.end(), [&](const auto& U) { return GleicherName(U.Name, Name); });
        if (Treffer == Liste.end())
            return nullptr;
        Schluessel = &*Treffer;
    }
    return Schluessel;
}

} // namespace

const TRegSchluessel* TRegSchluessel::Finde(const QStringList& Pfad) const
{
    return FindeUnter(this, Pfad);
}

TRegSchluessel& TRegSchluessel::Erzeuge(const QStringList& Pfad, bool& Neu)
{
    TRegSchluessel* Schluessel = this;
    for (const QString& Name : Pfad) {
        auto& Liste = Schluessel->Unterschluessel;
        auto Treffer = std::find_if(Liste.begin(), Liste.end(),
                                    [&](const auto& U) { return GleicherName(U.Name, Name); });
        if (Treffer == Liste.end()) {
            Neu = true;
            Liste.push_back(TRegSchluessel{Name, {}, {}});
            Treffer = Liste.end() - 1;
        }
        Schluessel = &*Treffer;
    }
    return *Schluessel;
}

bool TRegSchluessel::LoescheUnterschluessel(const QStringList& Pfad)
{
    if (Pfad.isEmpty())
        return false;
    TRegSchluessel* Eltern = FindeUnter(this, Pfad.mid(0, Pfad.size() - 1));
    if (!Eltern)
        return false;
    return std::erase_if(Eltern->Unterschluessel, [&](const TRegSchluessel& U) {
               return GleicherName(U.Name, Pfad.last());
           }) > 0;
}

std::optional<QStringList> ZerlegePfad(const QString& Pfad)
{
    QString Rest = Pfad;
    if (Rest.endsWith(u'\\'))
        Rest.chop(1);
    if (Rest.isEmpty())
        return Pfad.isEmpty() ? std::optional<QStringList>(QStringList()) : std::nullopt;
    const QStringList Namen = Rest.split(u'\\');
    if (Namen.size() > HoechsteSchluesseltiefe)
        return std::nullopt;
    for (const QString& Name : Namen)
        if (Name.isEmpty() || Name.contains(u'\n') || Name.contains(u'\r'))
            return std::nullopt;
    return Namen;
}

// ---- file text ----

std::optional<TRegSchluessel> LiesRegText(const QByteArray& Inhalt, const QString& Wurzelname)
{
    QStringDecoder Utf8(QStringDecoder::Utf8);
    QString Text = Utf8.decode(Inhalt);
    if (Utf8.hasError())
        return std::nullopt;
    Text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return TRegLeser(Text.split(u'\n'), Wurzelname).Lies();
}

QByteArray SchreibeRegText(const TRegSchluessel& Wurzel, const QString& Wurzelname)
{
    QString Text = Kopfzeile + QStringLiteral("\n\n");
    SchreibeSchluessel(Text, Wurzel, Wurzelname);
    return Text.toUtf8();
}

} // namespace Registrierung
