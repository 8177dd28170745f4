#include "support/Auswertung.h"
#include "support/PrivateProfil.h"
#include "support/Windows1252.h"
#include "tests/testmain.h"

#include <QTemporaryDir>

class TestWindows1252 : public QObject
{
    Q_OBJECT

private slots:
    void kodiert_data();
    void kodiert();
    void jedesByteKommtUnveraendertZurueck();
    void iniDateiUndLogDateiKodierenGleich_data() { kodiert_data(); }
    void iniDateiUndLogDateiKodierenGleich();
};

void TestWindows1252::kodiert_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("Euro") << QString("€") << QByteArray("\x80");
    QTest::newRow("Mittelpunkt") << QString("·") << QByteArray("\xB7");
    QTest::newRow("Umlaute") << QString("äöüÄÖÜß") << QByteArray("\xE4\xF6\xFC\xC4\xD6\xDC\xDF");
    QTest::newRow("Anfuehrung und Strich")
        << QString("„x“ – …") << QByteArray("\x84x\x93 \x96 \x85");
    QTest::newRow("ausserhalb der Codepage") << QString("a→b") << QByteArray("a?b");
    QTest::newRow("Ersatzpaar ist ein Zeichen") << QString("x🎰y") << QByteArray("x?y");
    QTest::newRow("einzelnes Ersatzzeichen") << QString(QChar(0xD800)) << QByteArray("?");
    QTest::newRow("Steuerzeichen ohne eigenes Byte") << QString(QChar(0x80)) << QByteArray("?");
    QTest::newRow("freies Byte") << QString(QChar(0x81)) << QByteArray("\x81");
}

void TestWindows1252::kodiert()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(Windows1252::Kodiere(text), bytes);
}

void TestWindows1252::jedesByteKommtUnveraendertZurueck()
{
    QByteArray Alle;
    for (int Byte = 0; Byte < 256; ++Byte)
        Alle += char(Byte);
    const QString Text = Windows1252::Dekodiere(Alle);
    QCOMPARE(Text.size(), 256);
    QCOMPARE(Text[0x80], QChar(0x20AC));
    QCOMPARE(Windows1252::Kodiere(Text), Alle);
}

void TestWindows1252::iniDateiUndLogDateiKodierenGleich()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QTemporaryDir Ordner;
    const QString Ini = Ordner.filePath("t.ini");
    QVERIFY(PrivateProfil::SchreibText("A", "k", text, Ini));
    QFile Datei(Ini);
    QVERIFY(Datei.open(QIODevice::ReadOnly));
    QCOMPARE(Datei.readAll(), QByteArray("[A]\r\nk=") + bytes + "\r\n");
    QCOMPARE(Auswertung::LogDateiInhalt({text}), bytes + "\r\n");
}

VORLIX_TEST_GUILESS_MAIN(TestWindows1252)
#include "tst_windows1252.moc"
