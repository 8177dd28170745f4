// On a screen of twice the pixel density the machine shows its pictures drawn for that density,
// whichever way a picture reaches its control.

#include "mainform_testhilfe.h"
#include "money/StBcd.h"
#include "tests/testmain.h"
#include "ui/Bedienelemente.h"

using namespace Testhilfe;

namespace {

// Hard edges: neighbouring pixels that differ strongly. A picture drawn for the density has them
// where its ordinary one, stretched to twice the size, goes soft over two or three pixels.
int HarteKanten(const QImage& Aufnahme)
{
    const QImage Bild = Aufnahme.convertToFormat(QImage::Format_ARGB32);
    int Anzahl = 0;
    for (int y = 0; y < Bild.height(); ++y)
        for (int x = 1; x < Bild.width(); ++x) {
            const QRgb A = Bild.pixel(x - 1, y), B = Bild.pixel(x, y);
            Anzahl += qAbs(qRed(A) - qRed(B)) + qAbs(qGreen(A) - qGreen(B)) +
                          qAbs(qBlue(A) - qBlue(B)) + qAbs(qAlpha(A) - qAlpha(B)) >
                      200;
        }
    return Anzahl;
}

// The control as it would look on the same screen with its ordinary picture only.
QImage NurEinfach(const TBild& Vorlage)
{
    TBild Kopie(Vorlage.parentWidget());
    Kopie.SetPicture(Vorlage.Picture(), QImage());
    Kopie.SetStretch(Vorlage.Stretch());
    Kopie.SetTransparent(Vorlage.Transparent());
    Kopie.setGeometry(Vorlage.geometry());
    return Kopie.grab().toImage();
}

} // namespace

class TestHochaufloesend : public QObject
{
    Q_OBJECT

public:
    static void initMain() { qputenv("QT_SCALE_FACTOR", "2"); }

private slots:
    void init() { Zeitraffer::SetzeFaktor(0.01); }
    void cleanup() { Zeitraffer::SetzeFaktor(1.0); }
    void bilderErscheinenInDoppelterDichte_data();
    void bilderErscheinenInDoppelterDichte();
};

void TestHochaufloesend::bilderErscheinenInDoppelterDichte_data()
{
    QTest::addColumn<QString>("Steuerelement");
    QTest::addColumn<std::function<void(TMainForm&)>>("Weg");
    const std::function<void(TMainForm&)> Geladen = [](TMainForm&) {};
    QTest::newRow("geladen, deckend") << "ImageGesicht" << Geladen;
    QTest::newRow("geladen, durchsichtig") << "Button_2_Euro" << Geladen;
    QTest::newRow("von der Vorlage")
        << "ImageBonus2_Kirsche" << std::function<void(TMainForm&)>([](TMainForm& F) {
               F.ImageBonus2_Kirsche->SetPicture(F.ImageKirscheAktiv->Picture());
           });
    QTest::newRow("beschriebene Anzeige")
        << "SpielGeldSpeicherAnzeige" << std::function<void(TMainForm&)>([](TMainForm& F) {
               F.SpielGeldSpeicher = BcdFromText("12,34");
               F.AnzeigeLoeschen();
               F.SchreibeGeldAnzeige("########0,00");
           });
}

void TestHochaufloesend::bilderErscheinenInDoppelterDichte()
{
    QFETCH(QString, Steuerelement);
    QFETCH(std::function<void(TMainForm&)>, Weg);
    TUmgebung Welt;
    Welt.Bildschirm = {1920, 1080};
    auto Fenster = Welt.NeuesFenster();
    QVERIFY(Starte(*Fenster));
    QCOMPARE(Fenster->devicePixelRatioF(), 2.0);
    Weg(*Fenster);
    auto* Bild = Fenster->findChild<TBild*>(Steuerelement);
    QVERIFY(Bild);
    const QImage Gezeigt = Bild->grab().toImage();
    QCOMPARE(Gezeigt.size(), Bild->size() * 2);
    const int Fein = HarteKanten(Gezeigt), Einfach = HarteKanten(NurEinfach(*Bild));
    QVERIFY2(Fein > 2 * Einfach,
             qPrintable(QStringLiteral("%1 harte Kanten, einfach %2").arg(Fein).arg(Einfach)));
}

VORLIX_TEST_MAIN(TestHochaufloesend)
#include "tst_hochaufloesend.moc"
