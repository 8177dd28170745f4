// The committed assets are what the generator makes, and no file more or less. Compared is what
// the program relies on, not the bytes an encoder happens to write: the pixels of the lossless
// pictures (the icon too) exactly, those of the JPEGs within a small error, the samples of the
// sounds exactly, and the help document's pages and text.
#include "discs/Feinscheiben.h"
#include "discs/Scheibenbild.h"
#include "tests/testmain.h"
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
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

// The format and the sample bytes of a RIFF WAVE file; empty when it is none.
QByteArray Klangdaten(const QByteArray& Wav)
{
    if (!Wav.startsWith("RIFF") || Wav.mid(8, 4) != "WAVE")
        return {};
    QByteArray Ergebnis;
    for (qsizetype Pos = 12; Pos + 8 <= Wav.size();) {
        const QByteArray Name = Wav.mid(Pos, 4);
        const auto Laenge = qFromLittleEndian<quint32>(Wav.constData() + Pos + 4);
        if (Name == "fmt " || Name == "data")
            Ergebnis += Name + Wav.mid(Pos + 8, Laenge);
        Pos += 8 + Laenge + (Laenge & 1);
    }
    return Ergebnis;
}

// The largest and the mean difference of two pictures' colour channels; -1 when the sizes differ.
std::pair<int, double> Bildabstand(const QImage& A, const QImage& B)
{
    if (A.size() != B.size() || A.isNull())
        return {-1, 0.0};
    const QImage X = A.convertToFormat(QImage::Format_RGB888);
    const QImage Y = B.convertToFormat(QImage::Format_RGB888);
    int Groesster = 0;
    qint64 Summe = 0;
    for (int Zeile = 0; Zeile < X.height(); ++Zeile) {
        const uchar* P = X.constScanLine(Zeile);
        const uchar* Q = Y.constScanLine(Zeile);
        for (int i = 0; i < X.width() * 3; ++i) {
            const int D = qAbs(int(P[i]) - int(Q[i]));
            Groesster = qMax(Groesster, D);
            Summe += D;
        }
    }
    return {Groesster, double(Summe) / (X.width() * X.height() * 3.0)};
}

// The text of every page of a PDF, pages parted by form feeds; empty without pdftotext.
QByteArray PdfText(const QString& Pfad)
{
    QProcess Lauf;
    Lauf.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), Pfad, QStringLiteral("-")});
    if (!Lauf.waitForFinished(60000) || Lauf.exitCode() != 0)
        return {};
    return Lauf.readAllStandardOutput();
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
    void feineScheibeZeigtGedrehtDasSymbolDesWinkels_data();
    void feineScheibeZeigtGedrehtDasSymbolDesWinkels();

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
    const QString Neu = QDir(Ausgabe.path()).filePath(datei);
    const QString Alt = Eingecheckt.filePath(datei);
    QVERIFY2(QFileInfo::exists(Neu), qPrintable(datei + " was not made"));
    const QString Endung = QFileInfo(datei).suffix().toLower();
    if (Endung == "wav") {
        const QByteArray Klang = Klangdaten(Testhilfe::LiesDatei(Neu, {}));
        QVERIFY2(!Klang.isEmpty(), qPrintable(datei + " is no WAVE file"));
        QVERIFY2(Klang == Klangdaten(Testhilfe::LiesDatei(Alt, {})),
                 qPrintable(datei + ": other samples"));
    } else if (Endung == "pdf") {
        const QByteArray Text = PdfText(Neu);
        if (Text.isEmpty())
            VORLIX_SKIP_AUSSER_CI("pdftotext (poppler-utils) is missing");
        QCOMPARE(Text.count('\f'), PdfText(Alt).count('\f'));
        QVERIFY2(Text == PdfText(Alt), "the help document's text differs");
    } else {
        const auto [Groesster, Mittel] = Bildabstand(QImage(Neu), QImage(Alt));
        QVERIFY2(Groesster >= 0, qPrintable(datei + ": not a picture of the same size"));
        // JPEG encoders and decoders may differ in the last bits. The raster engine's blends
        // round by the processor's vector unit, so a lossless picture may differ by one level in
        // a few pixels, never more.
        const bool Jpeg = Endung == "jpg" || Endung == "jpeg";
        QVERIFY2(Jpeg ? Groesster <= 24 && Mittel <= 1.0 : Groesster <= 1 && Mittel <= 0.02,
                 qPrintable(QStringLiteral("%1 differs from the generator's output (largest %2, "
                                           "mean %3); run the target assets")
                                .arg(datei)
                                .arg(Groesster)
                                .arg(Mittel)));
    }
}

void TestAssets::feineScheibeZeigtGedrehtDasSymbolDesWinkels_data()
{
    QTest::addColumn<int>("winkel");
    QTest::addColumn<int>("code");
    for (int Sektor = 0; Sektor < 8; ++Sektor)
        QTest::addRow("%d Grad", 45 * Sektor) << 45 * Sektor << Sektor + 1;
    QTest::newRow("1260 Grad") << 1260 << 5;
}

// The disc of twice the density that the program shows, turned as the machine turns it, has
// under the point where the machine reads the plain disc the marker of the symbol that the arrow
// points at.
void TestAssets::feineScheibeZeigtGedrehtDasSymbolDesWinkels()
{
    QFETCH(int, winkel);
    QFETCH(int, code);
    TFeineScheiben Fein(QImage(QStringLiteral(":/bilder/ImageOriginal@2x.png")), {});
    Fein.MerkeWinkel(TFeineScheiben::TScheibe::Rechts, winkel);
    const QImage Ruhebild = Fein.Ruhebild(TFeineScheiben::TScheibe::Rechts);
    const QPoint Punkt = Marker::Messpunkt(250, 250) * 2;
    QCOMPARE(Marker::Symbolcode(Scheibenbild::Farbe(Ruhebild, Punkt), 0), code);
}

VORLIX_TEST_GUILESS_MAIN(TestAssets)
#include "tst_assets.moc"
