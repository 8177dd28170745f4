// On a screen of twice the pixel density the machine shows its pictures drawn for that density,
// whichever way a picture reaches its control.

#include "mainform_testhilfe.h"
#include "money/StBcd.h"
#include "tests/testmain.h"
#include "ui/Bedienelemente.h"

using namespace Testhilfe;

namespace {

// Neighbouring pixels that differ strongly: a picture drawn for the density has such hard edges
// where its ordinary one, stretched to twice the size, goes soft over two or three pixels.
int HarteKanten(const TBild& Steuerelement)
{
    const QImage Bild = Steuerelement.grab().toImage().convertToFormat(QImage::Format_ARGB32);
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
    QTest::newRow("geladen, deckend") << "ImageGesicht";
    QTest::newRow("geladen, durchsichtig") << "Button_2_Euro";
    QTest::newRow("Lampe, von ihrer Vorlage") << "ImageBonus2_Kirsche";
    QTest::newRow("Anzeige, beschrieben") << "SpielGeldSpeicherAnzeige";
}

void TestHochaufloesend::bilderErscheinenInDoppelterDichte()
{
    QFETCH(QString, Steuerelement);
    TUmgebung Welt;
    auto F = Welt.NeuesFenster();
    QVERIFY(Starte(*F));
    QCOMPARE(F->devicePixelRatioF(), 2.0);
    F->ImageBonus2_Kirsche->SetPicture(F->ImageKirscheAktiv->Picture()); // as a lamp lights up
    F->SpielGeldSpeicher = BcdFromText("12,34");
    F->SchreibeGeldAnzeige("########0,00");
    const auto* Bild = F->findChild<TBild*>(Steuerelement);
    TBild Einfach(Bild->parentWidget()); // the same with the ordinary picture alone
    Einfach.SetPicture(Bild->Picture(), QImage());
    Einfach.SetStretch(Bild->Stretch());
    Einfach.SetTransparent(Bild->Transparent());
    Einfach.setGeometry(Bild->geometry());
    QVERIFY2(
        HarteKanten(*Bild) > 2 * HarteKanten(Einfach),
        qPrintable(QStringLiteral("%1 / %2").arg(HarteKanten(*Bild)).arg(HarteKanten(Einfach))));
}

VORLIX_TEST_MAIN(TestHochaufloesend)
#include "tst_hochaufloesend.moc"
