// The journal of a visit across a crash: kept while the visit runs, gone after every regular end,
// a cut visit restored and paid out, a cut end finished, a damaged journal set aside.

#include "mainform_testhilfe.h"
#include "support/Auswertung.h"
#include "support/Besuchsjournal.h"
#include "tests/testmain.h"
#include "ui/Bedienelemente.h"

#include "core/Programmstart.h"
#include "support/Dateien.h"

#include <QCheckBox>
#include <QDirIterator>
#include <QLockFile>
#include <QTimer>
#include <sys/stat.h>

using namespace Testhilfe;

namespace {

const QString Trenn(103, u'_');
const QString Einzahlung = QStringLiteral("Anna\u00B7\t  5 Euro    14:03:05\t07.12.2026\t");

QString Text(const TBcdWert& Wert)
{
    return QString::fromStdString(BcdToFixed(Wert, 0, 2));
}

// A visit of Anna's with 5 Euro in, as the journal holds it.
Besuchsjournal::TBesuch AnnasBesuch()
{
    Besuchsjournal::TBesuch Besuch;
    Besuch.Guthaben = BcdFromText("3,4");
    Besuch.SonderSpiele = BcdFromText("2");
    Besuch.Kasse = BcdFromText("105");
    Besuch.SpielOffen = true;
    Besuch.SpielerName = QStringLiteral("Anna\t");
    Besuch.Zeilen = Auswertung::KopfZeilen() + QStringList{Einzahlung, Trenn};
    return Besuch;
}

bool LegeJournalAn(const QByteArray& Inhalt)
{
    return QDir().mkpath(Besuchsjournal::Ordner()) &&
           Dateien::SchreibeDateiAtomar(Besuchsjournal::Pfad(), Inhalt) == Dateien::ErfolgOk;
}

QStringList Zustandsdateien()
{
    return QDir(Besuchsjournal::Ordner())
        .entryList(QDir::Files | QDir::System | QDir::Dirs | QDir::NoDotAndDotDot);
}

// The stores of the folders as a kill would leave them; the lock goes with its process.
using TAbbild = QMap<QString, QByteArray>;
TAbbild Abbild(const QStringList& Ordner)
{
    TAbbild Dateien;
    for (const QString& Wurzel : Ordner)
        for (QDirIterator I(Wurzel, QDir::Files, QDirIterator::Subdirectories); I.hasNext();)
            if (const QString Pfad = I.next(); !Pfad.endsWith(".lock"))
                Dateien[Pfad] = LiesDatei(Pfad, {});
    return Dateien;
}
void StelleHer(const QStringList& Ordner, const TAbbild& Dateien)
{
    for (const QString& Pfad : Abbild(Ordner).keys())
        QFile::remove(Pfad);
    for (auto I = Dateien.begin(); I != Dateien.end(); ++I)
        SchreibeDatei(I.key(), I.value());
}

// A step of the file layer fails while Schritt and Pfad match; the guard lifts it.
struct TStoerung
{
    TStoerung(QList<Dateien::TDateischritt> Schritte, QString Endung, int Nummer)
    {
        Dateien::SetzeFehlernaht([=](Dateien::TDateischritt Schritt, const QString& Pfad) {
            return Schritte.contains(Schritt) && Pfad.endsWith(Endung) ? Nummer : 0;
        });
    }
    ~TStoerung() { Dateien::SetzeFehlernaht({}); }
};

} // namespace

class TestMainFormBesuch : public TZeitrafferTest
{
    Q_OBJECT

private slots:
    void journalLebtBisZumEndeDesBesuchs_data();
    void journalLebtBisZumEndeDesBesuchs();
    void abgebrochenerBesuchGehtWeiterUndWirdAusgezahlt();
    void abgeschlossenesEndeWirdVollendet();
    void journalUeberEinMegabyteGehtWeiter();
    void tastenDerMeldungZahlenNichtAus_data();
    void tastenDerMeldungZahlenNichtAus();
    void beschaedigtesJournalWirdBeiseitegelegt_data();
    void beschaedigtesJournalWirdBeiseitegelegt();
    void gestoerterBesuchZahltNieDoppelt_data();
    void gestoerterBesuchZahltNieDoppelt();
    void nichtsBleibtLiegen();
    void unbeschreibbareEinstellungenHaltenDenStartNichtAuf();
};

void TestMainFormBesuch::journalLebtBisZumEndeDesBesuchs_data()
{
    QTest::addColumn<QString>("ende");
    QTest::newRow("Esc") << "Esc";
    QTest::newRow("Fenster schliessen") << "Schliessen";
    QTest::newRow("Auszahlung") << "Auszahlung";
}

void TestMainFormBesuch::journalLebtBisZumEndeDesBesuchs()
{
    QFETCH(QString, ende);
    TUmgebung Welt;
    Welt.LegeProgrammAn();
    auto Fenster = Welt.NeuesFenster();
    QVERIFY(Starte(*Fenster));
    Fenster->AutoStartCheckBox->setChecked(false);
    QTest::mouseClick(Fenster->Button_50_Cent, Qt::LeftButton);
    QCOMPARE(Zustandsdateien(), QStringList{"Besuch.json"});
    Fenster->GibMirMeinGeldBtn->setEnabled(true);
    if (ende == "Esc")
        QTest::keyClick(Fenster.get(), Qt::Key_Escape);
    else if (ende == "Schliessen")
        Fenster->close();
    else
        QTest::mouseClick(Fenster->GibMirMeinGeldBtn, Qt::LeftButton);
    QTRY_COMPARE(Welt.Prozessenden, 1);
    QCOMPARE(Zustandsdateien(), QStringList());
    QCOMPARE(QDir(Welt.Pfad()).entryList({"*.txt"}).size(), 1);
}

void TestMainFormBesuch::abgebrochenerBesuchGehtWeiterUndWirdAusgezahlt()
{
    TUmgebung Welt;
    Welt.LegeProgrammAn();
    SchreibeRegistry(TMainForm::KassenSchluessel, "KA", "100 00"); // the deposit's store was cut
    QVERIFY(LegeJournalAn(Besuchsjournal::AlsText(AnnasBesuch())));
    auto Fenster = Welt.NeuesFenster();
    QVERIFY(Starte(*Fenster));

    QCOMPARE(Welt.Meldungen.size(), 1);
    QCOMPARE(Welt.Meldungen[0].Art, QMessageBox::Information);
    QVERIFY2(Welt.Meldungen[0].Text.contains("3,40 Euro Guthaben, 2 Sonderspiele"),
             qPrintable(Welt.Meldungen[0].Text));
    QVERIFY(Welt.Meldungen[0].Text.contains("Das unterbrochene Spiel ist ungültig"));
    QCOMPARE(Text(Fenster->SpielGeldSpeicher), QString("3,40"));
    QCOMPARE(LiesRegistry(TMainForm::KassenSchluessel, "KA"), QString("105 00"));
    const QString Ungueltig =
        "Anna\t\t\t\t    14:03:05\t07.12.2026 Vorlix wurde unterbrochen! Spiel ist ungültig!";
    const QStringList Erwartet =
        Auswertung::KopfZeilen() + QStringList{Einzahlung, Trenn, Ungueltig, Trenn};
    QCOMPARE(Fenster->LogZeilen(), Erwartet);

    // The player takes the money before the next game starts: credit and special games. Killed
    // in the payout's first second, the machine finishes the payout at the next start instead of
    // playing on.
    const QStringList Ordner = {Welt.Konfigurationsordner(), Welt.Zustandsordner()};
    TAbbild BeimAbbruch;
    QTimer::singleShot(0, [&] { BeimAbbruch = Abbild(Ordner); });
    Fenster->GibMirMeinGeldBtnClick();
    Fenster.reset();
    StelleHer(Ordner, BeimAbbruch);
    Fenster = Welt.NeuesFenster();
    QVERIFY(Starte(*Fenster));
    QTRY_COMPARE(Welt.Prozessenden, 2);
    QCOMPARE(Fenster->AuszahlungText, QString("3,80"));
    QCOMPARE(LiesRegistry(TMainForm::KassenSchluessel, "KA"), QString("101 20"));
    const QByteArray Log = LiesDatei(Welt.Pfad() + "Anna 07_12_2026 14_03_05.txt");
    QCOMPARE(Log.count("\xB7\t  5 Euro"), 1);
    QVERIFY(Log.endsWith("Uhr\t1,20 Euro verspielt!\r\n" + Trenn.toLatin1() + "\r\n"));
    QCOMPARE(Zustandsdateien(), QStringList());
}

void TestMainFormBesuch::abgeschlossenesEndeWirdVollendet()
{
    TUmgebung Welt;
    Welt.LegeProgrammAn();
    SchreibeRegistry(TMainForm::KassenSchluessel, "KA", "105 00");
    Besuchsjournal::TBesuch Besuch = AnnasBesuch();
    Besuch.Kasse = BcdFromText("101,2");
    Besuch.Zeilen << QStringLiteral("Anna hat am 07.12.2026 um 14:09:00 Uhr\t1,20 Euro verspielt!");
    Besuch.Abgeschlossen = true;
    Besuch.DatumText = QStringLiteral("07.12.2026");
    Besuch.UhrzeitText = QStringLiteral("14:09:00");
    QVERIFY(LegeJournalAn(Besuchsjournal::AlsText(Besuch)));
    auto Fenster = Welt.NeuesFenster();
    QVERIFY(Starte(*Fenster));

    QCOMPARE(LiesDatei(Welt.Pfad() + "Anna 07_12_2026 14_09_00.txt"),
             Auswertung::LogDateiInhalt(Besuch.Zeilen));
    QCOMPARE(LiesRegistry(TMainForm::KassenSchluessel, "KA"), QString("101 20"));
    QCOMPARE(Zustandsdateien(), QStringList());
    QCOMPARE(Welt.Meldungen.size(), 1);
    QVERIFY(Welt.Meldungen[0].Text.startsWith(
        "Vorlix wurde am Ende des letzten Besuchs unterbrochen."));
    // A new visit begins.
    QCOMPARE(Text(Fenster->SpielGeldSpeicher), QString("0,00"));
    QCOMPARE(Fenster->LogZeilen(), Auswertung::KopfZeilen());
}

// A long evening's journal outgrows the size of a settings file by far, and is still the visit.
void TestMainFormBesuch::journalUeberEinMegabyteGehtWeiter()
{
    TUmgebung Welt;
    Welt.LegeProgrammAn();
    SchreibeRegistry(TMainForm::KassenSchluessel, "KA", "100 00");
    QVERIFY(LegeJournalAn(Besuchsjournal::AlsText(AnnasBesuch()) + QByteArray(2 << 20, ' ')));
    auto Fenster = Welt.NeuesFenster();
    QVERIFY(Starte(*Fenster));

    QCOMPARE(Text(Fenster->SpielGeldSpeicher), QString("3,40"));
    QCOMPARE(Welt.Meldungen.size(), 1);
    QCOMPARE(Welt.Meldungen[0].Art, QMessageBox::Information);
}

void TestMainFormBesuch::beschaedigtesJournalWirdBeiseitegelegt_data()
{
    QTest::addColumn<QByteArray>("inhalt"); // "FIFO": a named pipe in its place
    const QByteArray Echt = Besuchsjournal::AlsText(AnnasBesuch());
    QTest::newRow("abgeschnitten") << Echt.left(Echt.size() / 2);
    QTest::newRow("leer") << QByteArray();
    QTest::newRow("Guthaben keine Zahl") << QByteArray(Echt).replace("\"3,40\"", "\"3,4x\"");
    QTest::newRow("andere Fassung")
        << QByteArray(Echt).replace("\"Vorlix-Besuch\": 1", "\"Vorlix-Besuch\": 2");
    QTest::newRow("FIFO") << QByteArray("FIFO");
    QTest::newRow("ueber 16 MB") << Echt + QByteArray(16 << 20, ' ');
    const auto Wert = [&Echt](const QByteArray& Alt, const QByteArray& Neu) {
        return QByteArray(Echt).replace(Alt, Neu);
    };
    QTest::newRow("Guthaben negativ") << Wert("\"3,40\"", "\"-50,00\"");
    QTest::newRow("Guthaben 1E30") << Wert("\"3,40\"", "\"1E30\"");
    QTest::newRow("Guthaben doppelt")
        << Wert("\"Guthaben\": \"3,40\",", "\"Guthaben\": \"3,40\", \"Guthaben\": \"500,00\",");
    QTest::newRow("Milliarde Sonderspiele") << Wert("\"2,00\"", "\"1000000000,00\"");
    QTest::newRow("Kasse 20 Stellen") << Wert("\"105,00\"", "\"12345678901234567890,00\"");
    QTest::newRow("Kasse drei Nachkommastellen") << Wert("\"105,00\"", "\"100,005\"");
    QTest::newRow("Name 255 Zeichen") << Wert("\"Anna\\t\"", '"' + QByteArray(255, 'a') + '"');
    QTest::newRow("Datum zu lang")
        << Wert("\"Datum\": \"\"", "\"Datum\": \"07.12.2026" + QByteArray(300, '9') + '"');
}

void TestMainFormBesuch::beschaedigtesJournalWirdBeiseitegelegt()
{
    QFETCH(QByteArray, inhalt);
    TUmgebung Welt;
    Welt.LegeProgrammAn();
    if (inhalt == "FIFO")
        QVERIFY(QDir().mkpath(Besuchsjournal::Ordner()) &&
                ::mkfifo(QFile::encodeName(Besuchsjournal::Pfad()).constData(), 0600) == 0);
    else
        QVERIFY(LegeJournalAn(inhalt));
    auto Fenster = Welt.NeuesFenster();
    QVERIFY(Starte(*Fenster));

    QCOMPARE(Text(Fenster->SpielGeldSpeicher), QString("0,00"));
    QCOMPARE(Welt.Meldungen.size(), 1);
    QCOMPARE(Welt.Meldungen[0].Art, QMessageBox::Warning);
    const QStringList Daneben = Zustandsdateien();
    QCOMPARE(Daneben.size(), 1);
    QVERIFY(Daneben[0].startsWith("Besuch.json.defekt-"));
    QVERIFY(Welt.Meldungen[0].Text.contains(Daneben[0]));
    if (inhalt != "FIFO")
        QCOMPARE(LiesDatei(Besuchsjournal::Ordner() + '/' + Daneben[0]), inhalt);
}

// The Enter that closed the message of a restored visit pays nothing out: pressed again while the
// visit waits for its next game, or repeated where no game can follow.
void TestMainFormBesuch::tastenDerMeldungZahlenNichtAus_data()
{
    QTest::addColumn<QString>("guthaben");
    QTest::addColumn<bool>("wiederholt"); // the key's auto-repeat, else a second press
    QTest::newRow("zweiter Druck, Spiel wartet") << "0,20" << false;
    QTest::newRow("Wiederholung, nichts spielbar") << "0,10" << true;
}

void TestMainFormBesuch::tastenDerMeldungZahlenNichtAus()
{
    QFETCH(QString, guthaben);
    QFETCH(bool, wiederholt);
    Zeitraffer::SetzeFaktor(0.1); // the wait for the next game outlasts the click of an Enter
    TUmgebung Welt;
    Besuchsjournal::TBesuch Besuch = AnnasBesuch();
    Besuch.Guthaben = BcdFromText(guthaben.toStdString());
    Besuch.SonderSpiele = BcdFromText("0");
    QVERIFY(LegeJournalAn(Besuchsjournal::AlsText(Besuch)));
    auto Fenster = Welt.NeuesFenster();
    QWidget Meldung; // another window of the program, whose box the first press closed
    std::optional<bool> Ausgezahlt;
    const auto Druecke = [&] {
        QTest::keyPress(&Meldung, Qt::Key_Return);
        QTest::simulateEvent(Fenster->GibMirMeinGeldBtn, true, Qt::Key_Return, {}, {}, wiederholt);
        QTest::qWait(300);
        Ausgezahlt = Fenster->AuszahlungLaeuft;
    };
    connect(Fenster.get(), &TMainForm::StartAbgeschlossen, this, Druecke, Qt::QueuedConnection);
    QVERIFY(Starte(*Fenster));
    QTRY_VERIFY(Ausgezahlt);
    QVERIFY(!*Ausgezahlt);
}

// What goes wrong before the kill: "Journal voll" fails the journal's writes from the 2 Euro on,
// "Journal nicht entfernbar" its writes and its removal at the starts after the kill, "keine
// Sperre" the lock at those starts, "Sperre besetzt" finds it held by another machine; "Auszahlung
// nicht aufgezeichnet" fails the journal's writes from the payout on, killed in its first second.
// Each start pays out at once; the last one finds the disk well again.
void TestMainFormBesuch::gestoerterBesuchZahltNieDoppelt_data()
{
    QTest::addColumn<QString>("stoerung");
    QTest::addColumn<QStringList>("auszahlungen");
    QTest::addColumn<QString>("kasse");
    QTest::newRow("Journal voll, dann KA")
        << "Journal voll" << QStringList{"0,00", "0,00"} << "102 20";
    QTest::newRow("Journal nicht entfernbar")
        << "Journal nicht entfernbar" << QStringList{"0,00", "0,00", "2,20"} << "100 00";
    QTest::newRow("keine Sperre") << "keine Sperre" << QStringList{"0,00", "2,20"} << "100 00";
    QTest::newRow("Sperre besetzt")
        << "Sperre besetzt" << QStringList{"besetzt", "2,20"} << "100 00";
    QTest::newRow("Auszahlung nicht aufgezeichnet")
        << "Auszahlung nicht aufgezeichnet" << QStringList{"0,00"} << "100 00";
}

void TestMainFormBesuch::gestoerterBesuchZahltNieDoppelt()
{
    QFETCH(QString, stoerung);
    QFETCH(QStringList, auszahlungen);
    QFETCH(QString, kasse);
    using enum Dateien::TDateischritt;
    TUmgebung Welt;
    Welt.LegeProgrammAn();
    SchreibeRegistry(TMainForm::KassenSchluessel, "KA", "100,00");
    const QStringList Ordner = {Welt.Konfigurationsordner(), Welt.Zustandsordner()};
    TAbbild BeimAbbruch;
    QStringList Ausgezahlt;
    const auto Lauf = [&](const std::function<void(TMainForm&)>& Spiel) {
        TMainFormUmgebung Umgebung = Welt.Fensterumgebung();
        Umgebung.Programmordner = Welt.Pfad();
        Umgebung.ProzessEnde = [] { QCoreApplication::exit(0); };
        const qsizetype Vorher = Welt.Meldungen.size();
        Programmstart::Lauf(std::move(Umgebung), [&](TMainForm& F) {
            QObject::connect(&F, &TMainForm::StartAbgeschlossen, &F,
                             [&] { QTimer::singleShot(0, &F, [&] { Spiel(F); }); });
        });
        if (Welt.Meldungen.size() > Vorher && Welt.Meldungen.back().Text.contains("läuft bereits"))
            Ausgezahlt << "besetzt";
    };
    Lauf([&](TMainForm& F) {
        F.AutoStartCheckBox->setChecked(false);
        QTest::mouseClick(F.Button_20_Cent, Qt::LeftButton);
        F.NichtBedienbarImage->hide(); // as between two games
        {
            const TStoerung Voll({Schreiben}, stoerung == "Journal voll" ? "Besuch.json" : "-",
                                 ENOSPC);
            QTest::mouseClick(F.Button_2_Euro, Qt::LeftButton);
        }
        BeimAbbruch = Abbild(Ordner);
        if (stoerung == "Auszahlung nicht aufgezeichnet") {
            const TStoerung Voll({Schreiben}, "Besuch.json", ENOSPC);
            QTimer::singleShot(0, &F, [&] { BeimAbbruch = Abbild(Ordner); });
            F.GibMirMeinGeldBtnClick();
        }
        QCoreApplication::exit(0);
    });
    StelleHer(Ordner, BeimAbbruch);
    for (qsizetype Start = 0; Start < auszahlungen.size(); ++Start) {
        const bool Gestoert = Start + 1 < auszahlungen.size();
        std::optional<TStoerung> Stoerung;
        std::optional<QLockFile> Andere;
        if (Gestoert && stoerung == "Journal nicht entfernbar")
            Stoerung.emplace(QList{Schreiben, Entfernen}, "Besuch.json", EROFS);
        if (Gestoert && stoerung == "keine Sperre")
            Stoerung.emplace(QList{Sperren}, "Vorlix.lock", EACCES);
        if (Gestoert && stoerung == "Sperre besetzt")
            QVERIFY(Andere.emplace(Besuchsjournal::Sperrpfad()).tryLock(0));
        const QByteArray Journal = LiesDatei(Besuchsjournal::Pfad(), "<fehlt>");
        Lauf([&](TMainForm& F) {
            F.GibMirMeinGeldBtnClick();
            Ausgezahlt << F.AuszahlungText;
        });
        if (Gestoert && stoerung != "Journal voll")
            QCOMPARE(LiesDatei(Besuchsjournal::Pfad(), "<fehlt>"), Journal);
    }
    QCOMPARE(Ausgezahlt, auszahlungen);
    QCOMPARE(LiesRegistry(TMainForm::KassenSchluessel, "KA"), kasse);
    QCOMPARE(Zustandsdateien(), QStringList());
}

// The half-written log of a killed payout, and the file a link of the journal leads to.
void TestMainFormBesuch::nichtsBleibtLiegen()
{
    TUmgebung Welt;
    Welt.LegeProgrammAn();
    SchreibeDatei(Welt.Pfad() + "Anna 07_12_2026 14_03_05.txt.tmp-a92a9e68", "halb");
    SchreibeDatei(Welt.Pfad() + "Notiz.txt.tmp-mein", "fremd");
    QVERIFY(QDir().mkpath(Besuchsjournal::Ordner()));
    const QString Ziel = Welt.Pfad() + "anderswo.json";
    QVERIFY(QFile::link(Ziel, Besuchsjournal::Pfad()));
    auto Fenster = Welt.NeuesFenster();
    QVERIFY(Starte(*Fenster));
    Fenster->AutoStartCheckBox->setChecked(false);
    QTest::mouseClick(Fenster->Button_1_Euro, Qt::LeftButton);
    QVERIFY(QFileInfo(Ziel).size() > 0);
    QTest::keyClick(Fenster.get(), Qt::Key_Escape);
    QCOMPARE(Welt.Prozessenden, 1);
    QVERIFY(!QFileInfo::exists(Ziel));
    QCOMPARE(Zustandsdateien(), QStringList());
    QCOMPARE(QDir(Welt.Pfad()).entryList({"*.tmp-*"}), QStringList{"Notiz.txt.tmp-mein"});
}

// A config folder that refuses every write: the start goes on and says, in German, which file in
// which folder it cannot write.
void TestMainFormBesuch::unbeschreibbareEinstellungenHaltenDenStartNichtAuf()
{
    TUmgebung Welt;
    Welt.LegeProgrammAn();
    const TStoerung Gesperrt({Dateien::TDateischritt::Sperren}, ".reg.lock", EACCES);
    auto Fenster = Welt.NeuesFenster();
    QVERIFY(Starte(*Fenster));
    QCOMPARE(Welt.Meldungen.size(), 1);
    QCOMPARE(Welt.Meldungen[0].Text,
             "Vorlix kann sich seinen Ordner nicht merken. Die Datei „HKEY_CURRENT_USER.reg“ im "
             "Ordner „" +
                 Welt.Konfigurationsordner() +
                 "/Vorlix“ kann nicht geschrieben werden: "
                 "Zugriff verweigert.");
}

VORLIX_TEST_MAIN(TestMainFormBesuch)
#include "tst_mainform_besuch.moc"
