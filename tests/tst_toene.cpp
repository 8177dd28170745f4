// The machine's WAV files in assets/: playable PCM, short, audible, unclipped, and each with the
// character of its event.
#include "tests/testmain.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>
#include <cmath>
#include <cstdint>
#include <vector>

using Testhilfe::LiesDatei;

namespace {

QDir AssetOrdner()
{
    return QDir(QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/../assets"));
}

const QStringList AchtToene = {
    "Muenze.WAV",        "einzahlen1.WAV",   "gewonnen1.WAV", "gewonnen.WAV",
    "Sonderspiele1.WAV", "Sonderspiele.WAV", "stop.WAV",      "ups.WAV"};

quint32 U32(const QByteArray& Daten, int Stelle)
{
    return qFromLittleEndian<quint32>(Daten.constData() + Stelle);
}

quint16 U16(const QByteArray& Daten, int Stelle)
{
    return qFromLittleEndian<quint16>(Daten.constData() + Stelle);
}

struct Wav
{
    int Abtastrate = 0;
    std::vector<qint16> Proben;
};

// Reads a file with the plain 44-byte header; the header itself is checked by its own test.
Wav LiesWav(const QString& Name)
{
    const QByteArray Daten = LiesDatei(AssetOrdner().filePath(Name), {});
    Wav Ergebnis;
    if (Daten.size() < 44)
        return Ergebnis;
    Ergebnis.Abtastrate = static_cast<int>(U32(Daten, 24));
    const qsizetype Anzahl = (Daten.size() - 44) / 2;
    for (qsizetype I = 0; I < Anzahl; ++I)
        Ergebnis.Proben.push_back(qFromLittleEndian<qint16>(Daten.constData() + 44 + 2 * I));
    return Ergebnis;
}

std::vector<qint16> Ausschnitt(const Wav& W, int VonMs, int BisMs)
{
    const auto Von = static_cast<std::size_t>(static_cast<qint64>(VonMs) * W.Abtastrate / 1000);
    const auto Bis = std::min(W.Proben.size(), static_cast<std::size_t>(static_cast<qint64>(BisMs) *
                                                                        W.Abtastrate / 1000));
    if (Von >= Bis)
        return {};
    return {W.Proben.begin() + static_cast<std::ptrdiff_t>(Von),
            W.Proben.begin() + static_cast<std::ptrdiff_t>(Bis)};
}

// Pitch estimate from upward zero crossings; good for a tone whose fundamental dominates.
double Tonhoehe(const Wav& W, int VonMs, int BisMs)
{
    const std::vector<qint16> Teil = Ausschnitt(W, VonMs, BisMs);
    int Durchgaenge = 0;
    for (std::size_t I = 1; I < Teil.size(); ++I)
        if (Teil[I - 1] < 0 && Teil[I] >= 0)
            ++Durchgaenge;
    return Durchgaenge / ((BisMs - VonMs) / 1000.0);
}

double Effektivwert(const Wav& W, int VonMs, int BisMs)
{
    const std::vector<qint16> Teil = Ausschnitt(W, VonMs, BisMs);
    double Summe = 0;
    for (qint16 Wert : Teil)
        Summe += static_cast<double>(Wert) * Wert;
    return Teil.empty() ? 0 : std::sqrt(Summe / static_cast<double>(Teil.size()));
}

void ZeileJeWavDatei()
{
    QTest::addColumn<QString>("name");
    const QStringList Dateien = AssetOrdner().entryList({"*.wav"}, QDir::Files);
    for (const QString& Name : Dateien)
        QTest::newRow(qPrintable(Name)) << Name;
}

} // namespace

class TestToene : public QObject
{
    Q_OBJECT

private slots:
    void jedesEreignisHatSeineDatei_data();
    void jedesEreignisHatSeineDatei();
    void kopfBeschreibtPcmMono16Bit_data() { ZeileJeWavDatei(); }
    void kopfBeschreibtPcmMono16Bit();
    void dauertKuerzerAlsDreiSekunden_data() { ZeileJeWavDatei(); }
    void dauertKuerzerAlsDreiSekunden();
    void istHoerbarUndUebersteuertNicht_data() { ZeileJeWavDatei(); }
    void istHoerbarUndUebersteuertNicht();
    void beginntUndEndetInStille_data() { ZeileJeWavDatei(); }
    void beginntUndEndetInStille();
    void klingtInDerGeplantenTonhoehe_data();
    void klingtInDerGeplantenTonhoehe();
    void stopIstEinTieferSchlag();
    void muenzeVerklingtRasch();
    void generatorSchreibtDieselbenBytesWieDieBeigelegtenDateien();
};

void TestToene::jedesEreignisHatSeineDatei_data()
{
    QTest::addColumn<QString>("name");
    for (const QString& Name : AchtToene)
        QTest::newRow(qPrintable(Name)) << Name;
}

void TestToene::jedesEreignisHatSeineDatei()
{
    QFETCH(QString, name);
    // Exact spelling matters: the program asks for these names on a case-sensitive file system.
    QVERIFY2(AssetOrdner().entryList(QDir::Files).contains(name, Qt::CaseSensitive),
             qPrintable(name));
}

void TestToene::kopfBeschreibtPcmMono16Bit()
{
    QFETCH(QString, name);
    const QByteArray Daten = LiesDatei(AssetOrdner().filePath(name), {});
    QVERIFY(Daten.size() > 44);
    QCOMPARE(Daten.left(4), QByteArray("RIFF"));
    QCOMPARE(U32(Daten, 4), static_cast<quint32>(Daten.size() - 8));
    QCOMPARE(Daten.mid(8, 8), QByteArray("WAVEfmt "));
    QCOMPARE(U32(Daten, 16), 16u);        // plain PCM format chunk
    QCOMPARE(U16(Daten, 20), quint16(1)); // PCM
    QCOMPARE(U16(Daten, 22), quint16(1)); // mono
    const quint32 Rate = U32(Daten, 24);
    QVERIFY2(Rate == 22050 || Rate == 44100, qPrintable(QString::number(Rate)));
    QCOMPARE(U32(Daten, 28), Rate * 2);    // bytes per second
    QCOMPARE(U16(Daten, 32), quint16(2));  // bytes per frame
    QCOMPARE(U16(Daten, 34), quint16(16)); // bits per sample
    QCOMPARE(Daten.mid(36, 4), QByteArray("data"));
    QCOMPARE(U32(Daten, 40), static_cast<quint32>(Daten.size() - 44));
    QCOMPARE(U32(Daten, 40) % 2, 0u);
}

void TestToene::dauertKuerzerAlsDreiSekunden()
{
    QFETCH(QString, name);
    const Wav W = LiesWav(name);
    QVERIFY(W.Abtastrate > 0);
    QVERIFY(!W.Proben.empty());
    QVERIFY2(W.Proben.size() < static_cast<std::size_t>(3 * W.Abtastrate),
             qPrintable(QString::number(W.Proben.size())));
}

void TestToene::istHoerbarUndUebersteuertNicht()
{
    QFETCH(QString, name);
    const Wav W = LiesWav(name);
    int Spitze = 0;
    for (qint16 Wert : W.Proben)
        Spitze = std::max(Spitze, std::abs(static_cast<int>(Wert)));
    // Between -12 dB and -1 dB of full scale: loud enough to hear, with room before clipping.
    QVERIFY2(Spitze >= 8192, qPrintable(QString::number(Spitze)));
    QVERIFY2(Spitze <= 29204, qPrintable(QString::number(Spitze)));
}

void TestToene::beginntUndEndetInStille()
{
    QFETCH(QString, name);
    const Wav W = LiesWav(name);
    QVERIFY(W.Proben.size() > 2);
    // A jump from or to silence at either end would click in the loudspeaker.
    QVERIFY2(std::abs(W.Proben.front()) <= 64, qPrintable(QString::number(W.Proben.front())));
    QVERIFY2(std::abs(W.Proben.back()) <= 64, qPrintable(QString::number(W.Proben.back())));
}

void TestToene::klingtInDerGeplantenTonhoehe_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("vonMs");
    QTest::addColumn<int>("bisMs");
    QTest::addColumn<double>("hertz");
    QTest::newRow("Bitte einzahlen: ding auf e''") << "einzahlen1.WAV" << 50 << 350 << 659.3;
    QTest::newRow("Bitte einzahlen: dong auf c''") << "einzahlen1.WAV" << 500 << 900 << 523.3;
    QTest::newRow("Gewinn beginnt auf c''") << "gewonnen1.WAV" << 0 << 100 << 523.3;
    QTest::newRow("Gewinn steigt bis c'''") << "gewonnen1.WAV" << 400 << 600 << 1046.5;
    QTest::newRow("Fanfare stößt auf g' an") << "Sonderspiele1.WAV" << 0 << 90 << 392.0;
    QTest::newRow("Fanfare endet auf c''") << "Sonderspiele1.WAV" << 400 << 700 << 523.3;
    QTest::newRow("Ups beginnt um d'") << "ups.WAV" << 0 << 250 << 290.0;
    QTest::newRow("Ups rutscht nach unten") << "ups.WAV" << 1500 << 1750 << 184.0;
    QTest::newRow("Münze klingt hell nach") << "Muenze.WAV" << 400 << 550 << 1750.0;
}

void TestToene::klingtInDerGeplantenTonhoehe()
{
    QFETCH(QString, name);
    QFETCH(int, vonMs);
    QFETCH(int, bisMs);
    QFETCH(double, hertz);
    const double Gemessen = Tonhoehe(LiesWav(name), vonMs, bisMs);
    // Within a semitone (6 %) of the planned pitch.
    QVERIFY2(std::abs(Gemessen - hertz) <= 0.06 * hertz, qPrintable(QString::number(Gemessen)));
}

void TestToene::stopIstEinTieferSchlag()
{
    const Wav W = LiesWav("stop.WAV");
    QVERIFY(!W.Proben.empty());
    const double Tief = Tonhoehe(W, 30, 300);
    QVERIFY2(Tief >= 40 && Tief <= 150, qPrintable(QString::number(Tief)));
    QVERIFY(Effektivwert(W, 300, 440) < 0.1 * Effektivwert(W, 0, 100));
}

void TestToene::muenzeVerklingtRasch()
{
    const Wav W = LiesWav("Muenze.WAV");
    QVERIFY(!W.Proben.empty());
    QVERIFY(Effektivwert(W, 400, 550) < 0.2 * Effektivwert(W, 0, 100));
}

void TestToene::generatorSchreibtDieselbenBytesWieDieBeigelegtenDateien()
{
    VORLIX_GENERATOR_ODER_SKIP(Generator);
    QTemporaryDir Ziel;
    QVERIFY(Ziel.isValid());
    QProcess Lauf;
    Lauf.start(Generator, {Ziel.path()});
    QVERIFY(Lauf.waitForFinished(120000));
    QCOMPARE(Lauf.exitStatus(), QProcess::NormalExit);
    QCOMPARE(Lauf.exitCode(), 0);
    for (const QString& Name : AchtToene) {
        const QByteArray Neu = LiesDatei(QDir(Ziel.path()).filePath(Name), {});
        QVERIFY2(!Neu.isEmpty(), qPrintable(Name));
        QVERIFY2(Neu == LiesDatei(AssetOrdner().filePath(Name), {}), qPrintable(Name));
    }
}

VORLIX_TEST_GUILESS_MAIN(TestToene)
#include "tst_toene.moc"
