#include "support/Dateien.h"
#include "tests/testmain.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

using Testhilfe::LiesDatei;
using Testhilfe::SchreibeDatei;

class TestDateien : public QObject
{
    Q_OBJECT

private slots:
    void liestNurRegulaereDateienBisZurGrenze_data();
    void liestNurRegulaereDateienBisZurGrenze();
    void beiseitegelegteDateiNimmtKeinenBelegtenNamen();
};

void TestDateien::liestNurRegulaereDateienBisZurGrenze_data()
{
    QTest::addColumn<QString>("art");
    QTest::addColumn<long>("ergebnis");
    QTest::addColumn<bool>("vorhanden");
    QTest::addColumn<QByteArray>("inhalt");
    const long Ok = Dateien::ErfolgOk, Ungeeignet = Dateien::FehlerUngeeignet;
    QTest::newRow("fehlt") << "fehlt" << Ok << false << QByteArray();
    QTest::newRow("Ordner davor ist eine Datei") << "unter Datei" << Ok << false << QByteArray();
    QTest::newRow("Verweis ins Leere") << "Verweis ins Leere" << Ok << false << QByteArray();
    QTest::newRow("leer") << "" << Ok << true << QByteArray();
    QTest::newRow("genau an der Grenze") << "0123456789" << Ok << true << QByteArray("0123456789");
    QTest::newRow("ein Byte zu gross") << "0123456789A" << Ungeeignet << true << QByteArray();
    QTest::newRow("Verweis auf eine Datei") << "Verweis" << Ok << true << QByteArray("gelesen");
    QTest::newRow("Pipe") << "Pipe" << Ungeeignet << true << QByteArray();
    QTest::newRow("Ordner") << "Ordner" << Ungeeignet << true << QByteArray();
    QTest::newRow("Geraet") << "Geraet" << Ungeeignet << true << QByteArray();
}

// A limit of 10 bytes; anything but a regular file is never opened, so a pipe without a writer
// does not block.
void TestDateien::liestNurRegulaereDateienBisZurGrenze()
{
    QFETCH(QString, art);
    QFETCH(long, ergebnis);
    QFETCH(bool, vorhanden);
    QFETCH(QByteArray, inhalt);
    QTemporaryDir Ordner;
    QString Pfad = Ordner.filePath("Datei");
    if (art == "unter Datei") {
        SchreibeDatei(Pfad, "x");
        Pfad += "/Datei";
    } else if (art == "Verweis ins Leere") {
        QVERIFY(QFile::link(Ordner.filePath("nirgends"), Pfad));
    } else if (art == "Verweis") {
        SchreibeDatei(Ordner.filePath("Ziel"), "gelesen");
        QVERIFY(QFile::link(Ordner.filePath("Ziel"), Pfad));
    } else if (art == "Pipe") {
        QCOMPARE(::mkfifo(QFile::encodeName(Pfad).constData(), 0600), 0);
    } else if (art == "Ordner") {
        QVERIFY(QDir().mkpath(Pfad));
    } else if (art == "Geraet") {
        Pfad = "/dev/zero";
    } else if (art != "fehlt") {
        SchreibeDatei(Pfad, art.toLatin1());
    }
    QByteArray Gelesen = "<unberuehrt>";
    bool Vorhanden = !vorhanden;
    QCOMPARE(Dateien::LiesRegulaereDatei(Pfad, Gelesen, Vorhanden, 10), ergebnis);
    QCOMPARE(Vorhanden, vorhanden);
    if (ergebnis == Dateien::ErfolgOk && vorhanden)
        QCOMPARE(Gelesen, inhalt);
}

// A name beside the file that a dangling link holds is taken: the rename would replace the link.
void TestDateien::beiseitegelegteDateiNimmtKeinenBelegtenNamen()
{
    QTemporaryDir Ordner;
    const QString Pfad = Ordner.filePath("Speicher");
    SchreibeDatei(Pfad, "beschaedigt");
    // The name carries the second of the call, so both seconds it may fall into are held.
    const QDateTime Jetzt = QDateTime::currentDateTime();
    for (const QDateTime& Zeit : {Jetzt, Jetzt.addSecs(1)})
        QVERIFY(QFile::link(Ordner.filePath("nirgends"),
                            Pfad + ".defekt-" + Zeit.toString("yyyyMMdd-HHmmss")));

    const std::optional<QString> Daneben = Dateien::LegeBeiseite(Pfad);

    QVERIFY(Daneben);
    QVERIFY2(Daneben->startsWith("Speicher.defekt-") && Daneben->endsWith("-2"),
             qPrintable(*Daneben));
    QCOMPARE(LiesDatei(Ordner.filePath(*Daneben)), QByteArray("beschaedigt"));
    QVERIFY(!QFile::exists(Pfad));
    QCOMPARE(QDir(Ordner.path()).entryList(QDir::System | QDir::Files).size(), 3);
}

VORLIX_TEST_GUILESS_MAIN(TestDateien)
#include "tst_dateien.moc"
