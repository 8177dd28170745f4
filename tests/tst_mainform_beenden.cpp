#include "mainform_testhilfe.h"
#include "support/Machpaus.h"
#include "support/Zeitraffer.h"
#include "tests/testmain.h"
#include "ui/Bedienelemente.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSlider>
#include <QTimer>

using namespace Testhilfe;

namespace {

const QByteArray Trenn = QByteArray(103, '_') + "\r\n";
const QByteArray Kopf = "Name\t\tEinzahlung   Uhrzeit\tDatum\t\t\tAuszahlung\r\n" + Trenn;
const QString Dateiname = QStringLiteral("Kein Name 07_12_2026 14_03_05.txt");

// The log of a visit with deposits of 50 Cent and 5 Euro, as the deposits write it.
const QStringList Einzahlungen = {
    QStringLiteral("Kein Name\u00B7\t0,5 Euro    14:03:05\t07.12.2026\t"), QString(103, u'_'),
    QStringLiteral("Kein Name\u00B7\t  5 Euro    14:03:05\t07.12.2026\t"), QString(103, u'_')};

// The same log after quitting, as the file holds it: Windows-1252, CR LF, a TAB after each year.
const QByteArray DateiNachEinzahlungen =
    Kopf + "Kein Name\xB7\t0,5 Euro    14:03:05\t07.12.2026\t\t\r\n" + Trenn +
    "Kein Name\xB7\t  5 Euro    14:03:05\t07.12.2026\t\t\r\n" + Trenn + " \r\n \r\n" + Trenn +
    "Kein Name hat am 07.12.2026\t um 14:03:05 Uhr\t5,50 Euro verspielt!\r\n" + Trenn;

enum TWeg
{
    EscImFenster,
    EscAufDemKnopf,
    Schliessen,
    EscInDerPause,
    EscInDerMeldung,
    EscImGroessendialog,
    TasteNachSchliessen
};

// Starts the window and waits for the clock's first tick, so that the log carries date and time.
bool StarteMitUhr(TMainForm& Fenster)
{
    return Starte(Fenster) &&
           QTest::qWaitFor([&Fenster] { return Fenster.DatumText == "07.12.2026"; }, 5000);
}

} // namespace

class TestMainFormBeenden : public TZeitrafferTest
{
    Q_OBJECT

private slots:
    void beendenSchliesstSpeichertUndEndet_data();
    void beendenSchliesstSpeichertUndEndet();
    void ohneEinzahlungVerspieltNull();
    void beendenLaeuftNurEinmal();
    void ohneSpeichernBleibtDieAuswertungImFenster();
    void unmoeglicheZeichenImNamenWerdenErsetzt();
    void laengsterNameDerIniWirdGespeichert_data();
    void laengsterNameDerIniWirdGespeichert();
    void missglueckteSpeicherungWirdGemeldetUndDasEndeGehtWeiter();
    void ohneArbeitsordnerLandetDieAuswertungImProgrammordner();
    void formDestroyLaeuftNurEinmal();
    void zerstoerenOhneBeendenSpeichertSpieldauerUndKasse();
    void auszahlknopfBeendetVorerstWieEsc();
};

void TestMainFormBeenden::beendenSchliesstSpeichertUndEndet_data()
{
    QTest::addColumn<int>("Weg");
    QTest::newRow("Esc im Fenster") << int(EscImFenster);
    QTest::newRow("Esc auf dem Auszahlknopf") << int(EscAufDemKnopf);
    QTest::newRow("Schliessen") << int(Schliessen);
    QTest::newRow("Esc in einer Pause") << int(EscInDerPause);
    QTest::newRow("Esc in einer Meldung") << int(EscInDerMeldung);
    QTest::newRow("Esc im Groessendialog") << int(EscImGroessendialog);
    QTest::newRow("Taste nach dem Schliessbefehl") << int(TasteNachSchliessen);
}

void TestMainFormBeenden::beendenSchliesstSpeichertUndEndet()
{
    QFETCH(int, Weg);
    TUmgebung Welt;
    Welt.LegeProgrammAn();
    Welt.SchreibeIni("[Einstellungen]\nSpieldauer=3\n");
    SchreibeRegistry(TMainForm::KassenSchluessel, "KA", "100 00");
    auto Fenster = Welt.NeuesFenster(Weg == EscInDerMeldung);
    TForm2 Dialog(Fenster->GroessenZiel(), Fenster.get());
    Fenster->SetzeGroessenDialog(&Dialog);
    QVERIFY(StarteMitUhr(*Fenster));

    // What the deposits of 50 Cent and 5 Euro leave behind.
    Fenster->HaengeLogZeilenAn(Einzahlungen);
    Fenster->Automatenkasse = BcdPlus(Fenster->Automatenkasse, BcdFromText("5,5"));
    Fenster->SpielGeldSpeicher = BcdFromText("3,2");
    Fenster->TrackBar1->setValue(6);

    bool PauseLief = false;
    bool MeldungOffen = false;
    bool DateiSchonDa = false;
    bool InPause = false;
    QList<int> AusklingenVorDemEnde;
    Welt.BeimProzessende = [&] {
        AusklingenVorDemEnde = Welt.Ausklingen;
        PauseLief = InPause;
        MeldungOffen = QApplication::activeModalWidget() != nullptr;
        DateiSchonDa = QFile::exists(Welt.Pfad() + Dateiname);
    };

    switch (Weg) {
    case EscImFenster:
        QTest::keyClick(Fenster.get(), Qt::Key_Escape);
        break;
    case EscAufDemKnopf:
        QTest::keyClick(Fenster->GibMirMeinGeldBtn, Qt::Key_Escape);
        break;
    case Schliessen:
        Fenster->close();
        QVERIFY(Fenster->SchliessenAngefordert);
        break;
    case EscInDerPause:
        QTimer::singleShot(30, [&] { QTest::keyClick(Fenster.get(), Qt::Key_Escape); });
        InPause = true;
        Fenster->MachPause1->Pause(100000); // 1000 ms at the factor 0.01
        InPause = false;
        QVERIFY(PauseLief);
        break;
    case EscInDerMeldung:
        QTimer::singleShot(0, [&] {
            QTRY_VERIFY(QApplication::activeModalWidget());
            QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape);
        });
        Fenster->MessageDlgCtr("Eine Frage", QMessageBox::Information, 0, QMessageBox::Ok);
        QVERIFY(MeldungOffen);
        break;
    case EscImGroessendialog:
        Dialog.ZeigeErsterStart();
        QTest::keyClick(&Dialog, Qt::Key_Escape);
        break;
    case TasteNachSchliessen:
        Fenster->SchliessenAngefordert = true;
        QTest::keyClick(Fenster.get(), Qt::Key_A);
        break;
    }

    QCOMPARE(Welt.Prozessenden, 1);
    // A sound still playing may sound a second at most before the process ends.
    QCOMPARE(AusklingenVorDemEnde, QList<int>{Zeitraffer::Dauer(1000)});
    QVERIFY(DateiSchonDa);
    QCOMPARE(LiesDatei(Welt.Pfad() + Dateiname), DateiNachEinzahlungen);
    QCOMPARE(IniWert(Welt, "Spieldauer"), QString("6"));
    QCOMPARE(LiesRegistry(TMainForm::KassenSchluessel, "KA"), QString("105 50"));
    QVERIFY(Fenster->ProgrammEndet);
    QCOMPARE(Fenster->LogZeilen().last(), QString(103, u'_'));
    QCOMPARE(Fenster->LogZeilen().at(Fenster->LogZeilen().size() - 2),
             QString("Kein Name hat am 07.12.2026\t um 14:03:05 Uhr\t5,50 Euro verspielt!"));
}

void TestMainFormBeenden::ohneEinzahlungVerspieltNull()
{
    TUmgebung Welt;
    Welt.LegeProgrammAn();
    auto Fenster = Welt.NeuesFenster();
    QVERIFY(StarteMitUhr(*Fenster));
    QTest::keyClick(Fenster.get(), Qt::Key_Escape);
    QCOMPARE(LiesDatei(Welt.Pfad() + Dateiname),
             Kopf + " \r\n \r\n" + Trenn +
                 "Kein Name hat am 07.12.2026\t um 14:03:05 Uhr\t0,00 Euro verspielt!\r\n" + Trenn);
    QCOMPARE(LiesRegistry(TMainForm::KassenSchluessel, "KA"), QString("0 00"));
    QCOMPARE(IniWert(Welt, "Spieldauer"), QString("8"));
}

void TestMainFormBeenden::beendenLaeuftNurEinmal()
{
    TUmgebung Welt;
    Welt.LegeProgrammAn();
    auto Fenster = Welt.NeuesFenster();
    QVERIFY(StarteMitUhr(*Fenster));
    QTest::keyClick(Fenster.get(), Qt::Key_Escape);
    const QStringList Log = Fenster->LogZeilen();
    QTest::keyClick(Fenster.get(), Qt::Key_Escape);
    Fenster->close();
    QCOMPARE(Welt.Prozessenden, 1);
    QCOMPARE(Fenster->LogZeilen(), Log);
}

void TestMainFormBeenden::ohneSpeichernBleibtDieAuswertungImFenster()
{
    TUmgebung Welt;
    Welt.LegeProgrammAn();
    Welt.SchreibeIni("[Einstellungen]\nAuswertung speichern=0\n");
    auto Fenster = Welt.NeuesFenster();
    QVERIFY(StarteMitUhr(*Fenster));
    QTest::keyClick(Fenster.get(), Qt::Key_Escape);
    QCOMPARE(Welt.Prozessenden, 1);
    QCOMPARE(QDir(Welt.Pfad()).entryList({"*.txt"}), QStringList());
    QCOMPARE(Fenster->LogZeilen().size(), 7);
    QVERIFY(Fenster->LogZeilen().at(5).endsWith("0,00 Euro verspielt!"));
}

void TestMainFormBeenden::unmoeglicheZeichenImNamenWerdenErsetzt()
{
    TUmgebung Welt;
    Welt.LegeProgrammAn();
    auto Fenster = Welt.NeuesFenster();
    QVERIFY(StarteMitUhr(*Fenster));
    Fenster->Edit1->setText("An/na?");
    QTest::keyClick(Fenster.get(), Qt::Key_Escape);
    QCOMPARE(Welt.Prozessenden, 1);
    QCOMPARE(QDir(Welt.Pfad()).entryList({"*.txt"}), QStringList{"An_na_ 07_12_2026 14_03_05.txt"});
    QVERIFY(Welt.Meldungen.isEmpty());
}

void TestMainFormBeenden::laengsterNameDerIniWirdGespeichert_data()
{
    QTest::addColumn<QByteArray>("name"); // Windows-1252, as the ini holds it
    QTest::addColumn<int>("dateinamenBytes");
    // The ini gives at most 254 characters; the file name keeps room for the temporary suffix.
    QTest::newRow("254 Buchstaben") << QByteArray(254, 'a') << 242;
    QTest::newRow("254 Eurozeichen, je drei Bytes") << QByteArray(254, '\x80') << 240;
}

void TestMainFormBeenden::laengsterNameDerIniWirdGespeichert()
{
    QFETCH(QByteArray, name);
    QFETCH(int, dateinamenBytes);
    TUmgebung Welt;
    Welt.LegeProgrammAn();
    Welt.SchreibeIni("[Einstellungen]\nSpielerName=" + name + "\n");
    auto Fenster = Welt.NeuesFenster();
    QVERIFY(StarteMitUhr(*Fenster));
    QCOMPARE(Fenster->SpielerName.size(), 254);
    QTest::keyClick(Fenster.get(), Qt::Key_Escape);
    QVERIFY2(Welt.Meldungen.isEmpty(), qPrintable(Welt.Meldungen.value(0).Text));
    const QStringList Dateien = QDir(Welt.Pfad()).entryList({"*.txt"});
    QCOMPARE(Dateien.size(), 1);
    QCOMPARE(Dateien[0].toUtf8().size(), dateinamenBytes);
    QVERIFY(Dateien[0].endsWith(" 07_12_2026 14_03_05.txt"));
}

void TestMainFormBeenden::missglueckteSpeicherungWirdGemeldetUndDasEndeGehtWeiter()
{
    TUmgebung Welt;
    Welt.LegeProgrammAn();
    // A folder of the log file's name that is not empty cannot be replaced by the file.
    QVERIFY(QDir(Welt.Pfad()).mkpath(Dateiname + "/belegt"));
    auto Fenster = Welt.NeuesFenster();
    QVERIFY(StarteMitUhr(*Fenster));
    Fenster->Automatenkasse = BcdFromText("20");
    QTest::keyClick(Fenster.get(), Qt::Key_Escape);
    QCOMPARE(Welt.Meldungen.size(), 1);
    QCOMPARE(Welt.Meldungen[0].Art, QMessageBox::Critical);
    QVERIFY(Welt.Meldungen[0].Text.startsWith("Die Auswertung konnte nicht gespeichert werden:"));
    QVERIFY(Welt.Meldungen[0].Text.contains(Dateiname));
    QCOMPARE(Welt.Prozessenden, 1);
    QCOMPARE(LiesRegistry(TMainForm::KassenSchluessel, "KA"), QString("20 00"));
}

void TestMainFormBeenden::ohneArbeitsordnerLandetDieAuswertungImProgrammordner()
{
    TUmgebung Welt;
    Welt.LegeProgrammAn();
    auto Fenster = Welt.NeuesFenster();
    QVERIFY(StarteMitUhr(*Fenster));
    {
        QTemporaryDir Verschwindet;
        QVERIFY(QDir::setCurrent(Verschwindet.path()));
    }
    QTest::keyClick(Fenster.get(), Qt::Key_Escape);
    QCOMPARE(Welt.Prozessenden, 1);
    QCOMPARE(QDir(Welt.Pfad()).entryList({"*.txt"}), QStringList{Dateiname});
    QCOMPARE(Welt.Meldungen.size(), 1);
    QVERIFY(Welt.Meldungen[0].Text.contains(Welt.Pfad() + Dateiname));
}

void TestMainFormBeenden::formDestroyLaeuftNurEinmal()
{
    TUmgebung Welt;
    Welt.LegeProgrammAn();
    auto Fenster = Welt.NeuesFenster();
    QVERIFY(Starte(*Fenster));
    Fenster->Automatenkasse = BcdFromText("7");
    QTest::keyClick(Fenster.get(), Qt::Key_Escape);
    QCOMPARE(LiesRegistry(TMainForm::KassenSchluessel, "KA"), QString("7 00"));
    Fenster->Automatenkasse = BcdFromText("9");
    Fenster->TrackBar1->setValue(2);
    Fenster.reset();
    QCOMPARE(LiesRegistry(TMainForm::KassenSchluessel, "KA"), QString("7 00"));
    QCOMPARE(IniWert(Welt, "Spieldauer"), QString("8"));
}

void TestMainFormBeenden::zerstoerenOhneBeendenSpeichertSpieldauerUndKasse()
{
    TUmgebung Welt;
    Welt.LegeProgrammAn();
    SchreibeRegistry(TMainForm::KassenSchluessel, "KA", "1234,56");
    auto Fenster = Welt.NeuesFenster();
    Fenster->TrackBar1->setValue(4);
    Fenster.reset();
    QCOMPARE(LiesRegistry(TMainForm::KassenSchluessel, "KA"), QString("1234 56"));
    QCOMPARE(IniWert(Welt, "Spieldauer"), QString("4"));
    QCOMPARE(Welt.Prozessenden, 0);
}

void TestMainFormBeenden::auszahlknopfBeendetVorerstWieEsc()
{
    TUmgebung Welt;
    Welt.LegeProgrammAn();
    auto Fenster = Welt.NeuesFenster();
    QVERIFY(StarteMitUhr(*Fenster));
    // Enter right after the start presses the focused payout button.
    QCOMPARE(Fenster->focusWidget(), Fenster->GibMirMeinGeldBtn);
    QList<int> AusklingenVorDemEnde;
    Welt.BeimProzessende = [&] { AusklingenVorDemEnde = Welt.Ausklingen; };
    QTest::keyClick(Fenster->GibMirMeinGeldBtn, Qt::Key_Return);
    QTRY_COMPARE(Welt.Prozessenden, 1);
    QCOMPARE(AusklingenVorDemEnde, QList<int>{Zeitraffer::Dauer(1000)});
    QVERIFY(QFile::exists(Welt.Pfad() + Dateiname));
}

VORLIX_TEST_MAIN(TestMainFormBeenden)
#include "tst_mainform_beenden.moc"
