// The journal of a visit across a crash: kept while the visit runs, gone after every regular end,
// a cut visit restored and paid out, a cut end finished, a damaged journal set aside.

#include "mainform_testhilfe.h"
#include "support/Auswertung.h"
#include "support/Besuchsjournal.h"
#include "tests/testmain.h"
#include "ui/Bedienelemente.h"

#include <QCheckBox>
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
           Registrierung::SchreibeDateiAtomar(Besuchsjournal::Pfad(), Inhalt) ==
               Registrierung::ErfolgOk;
}

QStringList Zustandsdateien()
{
    return QDir(Besuchsjournal::Ordner())
        .entryList(QDir::Files | QDir::System | QDir::Dirs | QDir::NoDotAndDotDot);
}

} // namespace

class TestMainFormBesuch : public TZeitrafferTest
{
    Q_OBJECT

private slots:
    void journalLebtBisZumEndeDesBesuchs_data();
    void journalLebtBisZumEndeDesBesuchs();
    void abgebrochenerBesuchGehtWeiterUndWirdAusgezahlt();
    void abgeschlossenesEndeWirdVollendet();
    void beschaedigtesJournalWirdBeiseitegelegt_data();
    void beschaedigtesJournalWirdBeiseitegelegt();
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
        "Anna\t\t\t\t    14:03:05\t07.12.2026 Vorlix wurde deaktiviert! Spiel ist ungültig!";
    const QStringList Erwartet =
        Auswertung::KopfZeilen() + QStringList{Einzahlung, Trenn, Ungueltig, Trenn};
    QCOMPARE(Fenster->LogZeilen(), Erwartet);

    // The player takes the money before the next game starts: credit and special games.
    Fenster->GibMirMeinGeldBtnClick();
    QTRY_COMPARE(Welt.Prozessenden, 1);
    QCOMPARE(Fenster->AuszahlungText, QString("3,80"));
    QCOMPARE(LiesRegistry(TMainForm::KassenSchluessel, "KA"), QString("101,20"));
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

VORLIX_TEST_MAIN(TestMainFormBesuch)
#include "tst_mainform_besuch.moc"
