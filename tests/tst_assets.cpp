// The committed assets are exactly what the generator makes: every picture, the icon, every sound
// and the help document, byte for byte, and no file more or less.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Files in the asset folder that the generator makes; the build files and notes are not its.
QStringList ErzeugteDateien(const QDir& Wurzel)
{
    QStringList Liste;
    QDirIterator Lauf(Wurzel.path(), QDir::Files, QDirIterator::Subdirectories);
    while (Lauf.hasNext()) {
        const QString Pfad = Wurzel.relativeFilePath(Lauf.next());
        if (Pfad.startsWith("bilder/") || Pfad.startsWith("symbol/") || Pfad.endsWith(".WAV") ||
            Pfad == "Vorlix-Hilfe.pdf")
            Liste.append(Pfad);
    }
    Liste.sort();
    return Liste;
}

QByteArray Inhalt(const QString& Pfad)
{
    QFile Datei(Pfad);
    return Datei.open(QIODevice::ReadOnly) ? Datei.readAll() : QByteArray();
}

} // namespace

class TestAssets : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void generatorMachtGenauDieEingechecktenDateien();
    void jedeDateiGleichtDerEingecheckten_data();
    void jedeDateiGleichtDerEingecheckten();

private:
    QTemporaryDir Ausgabe;
    QDir Eingecheckt{QStringLiteral(VORLIX_ASSETS)};
};

void TestAssets::initTestCase()
{
    QVERIFY(Ausgabe.isValid());
    QProcess Generator;
    Generator.setProcessChannelMode(QProcess::ForwardedChannels);
    Generator.start(QStringLiteral(VORLIX_GENERATOR), {Ausgabe.path()});
    QVERIFY(Generator.waitForFinished(120000));
    QCOMPARE(Generator.exitStatus(), QProcess::NormalExit);
    QCOMPARE(Generator.exitCode(), 0);
}

void TestAssets::generatorMachtGenauDieEingechecktenDateien()
{
    const QStringList Neu = ErzeugteDateien(QDir(Ausgabe.path()));
    QVERIFY(Neu.contains("bilder/ImageOriginal.bmp"));
    QCOMPARE(ErzeugteDateien(Eingecheckt), Neu);
}

void TestAssets::jedeDateiGleichtDerEingecheckten_data()
{
    QTest::addColumn<QString>("datei");
    for (const QString& Datei : ErzeugteDateien(Eingecheckt))
        QTest::newRow(qPrintable(Datei)) << Datei;
}

void TestAssets::jedeDateiGleichtDerEingecheckten()
{
    QFETCH(QString, datei);
    const QByteArray Neu = Inhalt(QDir(Ausgabe.path()).filePath(datei));
    QVERIFY2(!Neu.isEmpty(), qPrintable(datei + " was not made"));
    QVERIFY2(Neu == Inhalt(Eingecheckt.filePath(datei)),
             qPrintable(datei + " differs from the generator's output; run the target assets"));
}

QTEST_GUILESS_MAIN(TestAssets)
#include "tst_assets.moc"
