// The help document in assets/: a sound PDF of one or two pages whose cross-reference table is
// intact, written with the same bytes on every run of the generator.
#include "tests/testmain.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using Testhilfe::LiesDatei;

namespace {

QString HilfePfad()
{
    return QFileInfo(QStringLiteral(__FILE__)).absolutePath() +
           QStringLiteral("/../assets/Vorlix-Hilfe.pdf");
}

int ZaehleSeiten(const QByteArray& Pdf)
{
    // "/Type /Page" alone marks a page; "/Type /Pages" is the page tree.
    static const QRegularExpression Seite(QStringLiteral("/Type\\s*/Page(?![A-Za-z])"));
    int Anzahl = 0;
    for (auto Treffer = Seite.globalMatch(QString::fromLatin1(Pdf)); Treffer.hasNext();
         Treffer.next())
        ++Anzahl;
    return Anzahl;
}

} // namespace

class TestHilfe : public QObject
{
    Q_OBJECT

private slots:
    void liegtAlsPdfBei();
    void hatEineOderZweiSeiten();
    void querverweiseZeigenAufIhreObjekte();
    void generatorSchreibtInJederZeitzoneDieselbenBytes();
};

void TestHilfe::liegtAlsPdfBei()
{
    const QByteArray Pdf = LiesDatei(HilfePfad(), {});
    QVERIFY2(!Pdf.isEmpty(), qPrintable(HilfePfad()));
    QVERIFY(Pdf.startsWith("%PDF-1."));
    QVERIFY(Pdf.trimmed().endsWith("%%EOF"));
}

void TestHilfe::hatEineOderZweiSeiten()
{
    const int Seiten = ZaehleSeiten(LiesDatei(HilfePfad(), {}));
    QVERIFY2(Seiten == 1 || Seiten == 2, qPrintable(QString::number(Seiten)));
}

void TestHilfe::querverweiseZeigenAufIhreObjekte()
{
    const QByteArray Pdf = LiesDatei(HilfePfad(), {});
    const qsizetype Start = Pdf.lastIndexOf("startxref");
    QVERIFY(Start > 0);
    const qsizetype Tabelle = Pdf.mid(Start + 9, 20).trimmed().split(' ').first().toLongLong();
    QVERIFY(Pdf.mid(Tabelle, 5) == "xref\n");
    const QList<QByteArray> Kopf = Pdf.mid(Tabelle + 5, 20).split('\n').first().split(' ');
    QCOMPARE(Kopf.size(), 2);
    QCOMPARE(Kopf.at(0), QByteArray("0"));
    const int Anzahl = Kopf.at(1).toInt();
    QVERIFY(Anzahl > 3);
    const qsizetype Erster = Pdf.indexOf('\n', Tabelle + 5) + 1;
    int Belegt = 0;
    for (int Objekt = 0; Objekt < Anzahl; ++Objekt) {
        const QByteArray Eintrag = Pdf.mid(Erster + 20 * Objekt, 20);
        QCOMPARE(Eintrag.size(), 20);
        if (Eintrag.at(17) != 'n')
            continue;
        ++Belegt;
        const qsizetype Ort = Eintrag.left(10).toLongLong();
        const QByteArray Erwartet = QByteArray::number(Objekt) + " 0 obj";
        QVERIFY2(Pdf.mid(Ort, Erwartet.size()) == Erwartet, Erwartet.constData());
    }
    QCOMPARE(Belegt, Anzahl - 1); // all but the head of the free list
}

namespace {

// The help document as the generator writes it in the given time zone; empty when it failed.
QByteArray HilfeAusDemGenerator(const QString& Generator, const QString& Zeitzone)
{
    QTemporaryDir Ziel;
    if (!Ziel.isValid())
        return {};
    QProcessEnvironment Umgebung = QProcessEnvironment::systemEnvironment();
    Umgebung.insert("TZ", Zeitzone);
    QProcess Lauf;
    Lauf.setProcessEnvironment(Umgebung);
    Lauf.start(Generator, {Ziel.path()});
    if (!Lauf.waitForFinished(120000) || Lauf.exitStatus() != QProcess::NormalExit ||
        Lauf.exitCode() != 0)
        return {};
    return LiesDatei(QDir(Ziel.path()).filePath("Vorlix-Hilfe.pdf"), {});
}

} // namespace

void TestHilfe::generatorSchreibtInJederZeitzoneDieselbenBytes()
{
    VORLIX_GENERATOR_ODER_SKIP(Generator);
    // Far from universal time, so that a local time stamp would change the file's length. Two
    // fresh runs are compared, not the committed file, whose bytes a newer library may change.
    const QByteArray Chatham = HilfeAusDemGenerator(Generator, "Pacific/Chatham");
    const QByteArray Utc = HilfeAusDemGenerator(Generator, "UTC");
    QVERIFY(!Chatham.isEmpty());
    QVERIFY(Chatham == Utc);
}

VORLIX_TEST_GUILESS_MAIN(TestHilfe)
#include "tst_hilfe.moc"
