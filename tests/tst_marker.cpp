// The symbol under the arrow: the marker ranges, and the real disc artwork turned by the real
// rotation to every resting angle, also stretched as the left disc is; the screw's slot.
#include "discs/Scheibenbild.h"
#include "discs/Scheibenregeln.h"
#include "tests/testmain.h"

#include <QImage>
#include <QtTest>

namespace {

QImage Gedreht(const QString& Datei, double Winkel)
{
    return Scheibenbild::Gedreht(QImage(QStringLiteral(":/bilder/") + Datei), Winkel);
}

using Scheibenbild::Farbe;

} // namespace

class TestMarker : public QObject
{
    Q_OBJECT

private slots:
    void bereichsgrenzen_data();
    void bereichsgrenzen();
    void messpunktLiegtFuenfUnterDerMitte_data();
    void messpunktLiegtFuenfUnterDerMitte();
    void ruhewinkelZeigtSeinSymbol_data();
    void ruhewinkelZeigtSeinSymbol();
    void schraubeZeigtSchlitzNurSenkrecht_data();
    void schraubeZeigtSchlitzNurSenkrecht();
};

void TestMarker::bereichsgrenzen_data()
{
    QTest::addColumn<quint32>("farbe");
    QTest::addColumn<int>("bisher");
    QTest::addColumn<int>("code");
    for (const Marker::TMarker& B : Marker::Markertabelle) {
        const int Code = B.Symbol;
        QTest::addRow("%d untere Grenze", Code) << B.Von << 0 << Code;
        QTest::addRow("%d obere Grenze - 1", Code) << B.Bis - 1 << 0 << Code;
        QTest::addRow("%d obere Grenze gehoert nicht dazu", Code) << B.Bis << 0 << 0;
        QTest::addRow("%d unter der Grenze", Code) << B.Von - 1 << 0 << 0;
    }
    QTest::newRow("unbekannt laesst den Code") << quint32(0xFFFFFF) << 6 << 6;
    QTest::newRow("schwarz laesst den Code") << quint32(0) << 3 << 3;
    QTest::newRow("bekannt ersetzt den Code") << quint32(0xFF0000) << 6 << 1;
}

void TestMarker::bereichsgrenzen()
{
    QFETCH(quint32, farbe);
    QFETCH(int, bisher);
    QFETCH(int, code);
    QCOMPARE(Marker::Symbolcode(farbe, bisher), code);
}

void TestMarker::messpunktLiegtFuenfUnterDerMitte_data()
{
    QTest::addColumn<QSize>("groesse");
    QTest::addColumn<QPoint>("punkt");
    QTest::newRow("250") << QSize(250, 250) << QPoint(125, 130);
    QTest::newRow("ungerade, abgeschnitten") << QSize(311, 187) << QPoint(155, 98);
}

void TestMarker::messpunktLiegtFuenfUnterDerMitte()
{
    QFETCH(QSize, groesse);
    QFETCH(QPoint, punkt);
    QCOMPARE(Marker::Messpunkt(groesse.width(), groesse.height()), punkt);
}

void TestMarker::ruhewinkelZeigtSeinSymbol_data()
{
    QTest::addColumn<int>("winkel");
    QTest::addColumn<int>("seite"); // 0: unstretched
    QTest::addColumn<int>("code");
    for (int Seite : {0, 187, 212, 313, 375}) {
        for (int Winkel = 0; Winkel <= 1260; Winkel += 45)
            QTest::addRow("%d Grad, Seite %d", Winkel, Seite)
                << Winkel << Seite << int(Marker::SymbolBeiWinkel(Winkel));
    }
}

void TestMarker::ruhewinkelZeigtSeinSymbol()
{
    QFETCH(int, winkel);
    QFETCH(int, seite);
    QFETCH(int, code);
    QImage Bild = Gedreht(QStringLiteral("ImageOriginal.bmp"), winkel);
    if (seite > 0)
        Bild = Bild.scaled(seite, seite, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const QPoint Punkt = Marker::Messpunkt(Bild.width(), Bild.height());
    QCOMPARE(Marker::Symbolcode(Farbe(Bild, Punkt), 0), code);
}

void TestMarker::schraubeZeigtSchlitzNurSenkrecht_data()
{
    QTest::addColumn<int>("winkel");
    QTest::addColumn<quint32>("farbe");
    for (int Winkel = 45; Winkel <= 360; Winkel += 45)
        QTest::addRow("%d Grad", Winkel)
            << Winkel
            << (Scheibenregeln::SchraubeSenkrecht(Winkel) ? Scheibenregeln::Schlitzfarbe
                                                          : Scheibenregeln::Kopffarbe);
}

void TestMarker::schraubeZeigtSchlitzNurSenkrecht()
{
    QFETCH(int, winkel);
    QFETCH(quint32, farbe);
    QCOMPARE(Farbe(Gedreht(QStringLiteral("ImageOriginalSchraube.bmp"), winkel), {13, 3}), farbe);
}

VORLIX_TEST_GUILESS_MAIN(TestMarker)
#include "tst_marker.moc"
