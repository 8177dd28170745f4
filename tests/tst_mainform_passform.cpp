// Every caption fits its control in the font it is drawn with, every control lies inside its
// panel and no picture is cut, at every size the size dialog reaches on four common screens.

#include "mainform_testhilfe.h"
#include "support/Auswertung.h"
#include "support/StBcd.h"
#include "tests/testmain.h"
#include "ui/Bedienelemente.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QStyleOptionButton>
#include <QTextBlock>

using namespace Testhilfe;

namespace {

// Cut by their box on purpose: the roof and the strips at the cabinet's edges, the key help line
// below the face and the veil over the money.
const QStringList Randstuecke = {"DachImage",        "Image1",       "Image2",
                                 "ImageDesignUnten", "BefehleLabel", "NichtBedienbarImage"};

// A control breaks a rule when it reaches out of its panel (the window scrolls down, never
// sideways), lies half under a panel of the window, or has a caption wider in its font than the
// room its style leaves the text.
bool Fehlerhaft(QWidget* W, TMainForm& F, int Bildschirmbreite)
{
    QWidget* Eltern = W->parentWidget();
    const QRect Panel = Eltern == &F ? QRect(0, 0, Bildschirmbreite, 99999) : Eltern->rect();
    bool Fehler = !Panel.contains(W->geometry());
    for (const QGroupBox* Box : {F.GroupBox1, F.GroupBox2})
        Fehler |= Eltern == &F && !qobject_cast<QGroupBox*>(W) &&
                  W->geometry().intersects(Box->geometry()) &&
                  !Box->geometry().contains(W->geometry());
    QStyleOptionButton Option;
    Option.initFrom(W);
    const auto Teil =
        qobject_cast<QCheckBox*>(W) ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents;
    const QRect Raum = qobject_cast<QAbstractButton*>(W)
                           ? W->style()->subElementRect(Teil, &Option, W)
                           : W->contentsRect();
    const QString Text = W->property("text").toString();
    return Fehler || QFontMetrics(W->font()).horizontalAdvance(Text) > Raum.width();
}

// Label1's visible text ends on light pixels of the face in its lowest row, where the face
// narrows, not on the dark ground around it.
bool Label1AufDemGesicht(TMainForm& F)
{
    const QString Text = F.Label1->text();
    const QFontMetrics Masse(F.Label1->font());
    const int Vorne = Masse.horizontalAdvance(Text.left(Text.indexOf(Text.trimmed())));
    const QRect Gesicht = F.ImageGesicht->geometry();
    const QImage& Bild = F.ImageGesicht->Picture();
    bool Hell = true;
    for (const int X : {Vorne, Vorne + Masse.horizontalAdvance(Text.trimmed())}) {
        const QPoint Im = (F.Label1->pos() + QPoint(X, Masse.height()) - Gesicht.topLeft()) *
                          Bild.width() / Gesicht.width();
        Hell &= Bild.rect().contains(Im) && qGray(Bild.pixel(Im)) >= 80;
    }
    return Hell;
}

// The faults of the window and the size dialog, of the greeting and the messages of a refused
// game start, and the log lines wider than their box that could have been broken between words.
QStringList Fehler(TMainForm& F, QWidget& Dialog, int Bildschirmbreite)
{
    QStringList Liste;
    for (QWidget* Fenster : {static_cast<QWidget*>(&F), &Dialog})
        for (QWidget* W : Fenster->findChildren<QWidget*>())
            if (!W->isWindow() && W->isVisibleTo(Fenster) &&
                !Randstuecke.contains(W->objectName()) && Fehlerhaft(W, F, Bildschirmbreite))
                Liste << W->objectName();
    for (const char* Guthaben : {"", "0,1", "0"}) {
        if (*Guthaben) {
            F.SpielGeldSpeicher = BcdFromText(Guthaben);
            F.AutoStartClick();
        }
        if (!Label1AufDemGesicht(F))
            Liste << "Label1: " + F.Label1->text();
    }
    // The nose's glyph grows and shrinks with it, 2 pixels from its nearer edges.
    const QSize Rand = F.MenueBtn->size() - F.MenueBtn->iconSize();
    if (qMin(Rand.width(), Rand.height()) != 4)
        Liste << QStringLiteral("MenueBtn: Rand %1 x %2").arg(Rand.width()).arg(Rand.height());
    // A QR code is drawn in whole pixels a module, black on white, not a grey pixel between.
    const QImage Code = F.QRImage->grab().toImage();
    for (int y = 0; y < Code.height(); ++y)
        for (int x = 0; x < Code.width(); ++x)
            if (F.QRImage->isVisible() && qGray(Code.pixel(x, y)) % 255 != 0)
                return Liste << QStringLiteral("QRImage: grau bei %1, %2").arg(x).arg(y);
    QStringList Log = Auswertung::KopfZeilen();
    Auswertung::HaengeEreignisAn(
        Log, Auswertung::EinzahlungsZeile(F.SpielerName, "50", "14:03:05", "07.12.2026", ""));
    Auswertung::SchliesseAuswertung(Log, Auswertung::TAbschlussArt::Beenden, F.SpielerName,
                                    "07.12.2026", "14:09:12");
    F.SetzeLogZeilen(Log);
    for (QTextBlock Block = F.Memo1->document()->begin(); Block.isValid(); Block = Block.next()) {
        F.Memo1->document()->documentLayout()->blockBoundingRect(Block); // lays the block out
        for (int i = 0; i < Block.layout()->lineCount(); ++i) {
            const QTextLine Zeile = Block.layout()->lineAt(i);
            const QString Text = Block.text().mid(Zeile.textStart(), Zeile.textLength()).trimmed();
            if (Zeile.naturalTextWidth() > F.Memo1->viewport()->width() - 8 && Text.contains(' '))
                Liste << "Memo1: " + Text;
        }
    }
    return Liste;
}

} // namespace

class TestMainFormPassform : public TZeitrafferTest
{
    Q_OBJECT

private slots:
    void allesPasstBeiJederGroesseDesDialogs_data();
    void allesPasstBeiJederGroesseDesDialogs();
};

void TestMainFormPassform::allesPasstBeiJederGroesseDesDialogs_data()
{
    QTest::addColumn<QSize>("Bildschirm");
    QTest::newRow("1366x768") << QSize(1366, 768);
    QTest::newRow("1920x1080") << QSize(1920, 1080);
    QTest::newRow("2560x1440") << QSize(2560, 1440);
    QTest::newRow("3840x2160") << QSize(3840, 2160);
}

// The first start with each button of the size dialog as far as it goes and a few steps back.
void TestMainFormPassform::allesPasstBeiJederGroesseDesDialogs()
{
    QFETCH(QSize, Bildschirm);
    TUmgebung Welt;
    Welt.LegeProgrammAn();
    Welt.SchreibeIni("[Einstellungen]\nFormScalieren=1\nSound=0\n");
    Welt.Bildschirm = Bildschirm;
    auto F = Welt.NeuesFenster();
    TForm2 Dialog(F->GroessenZiel(), F.get());
    F->SetzeGroessenDialog(&Dialog);
    QVERIFY(Starte(*F));
    QStringList Gefunden;
    for (auto [Knopf, Schritte] : {std::pair{&TForm2::Button1Click, 100},
                                   {&TForm2::Button2Click, 100},
                                   {&TForm2::Button1Click, 3}})
        for (int Vorher = -1; Vorher != F->ScaleByWert && Schritte--; (Dialog.*Knopf)()) {
            Vorher = F->ScaleByWert;
            for (const QString& Zeile : Fehler(*F, Dialog, Bildschirm.width()))
                Gefunden << QString::number(Vorher) + ": " + Zeile;
        }
    QVERIFY2(Gefunden.isEmpty(), qPrintable(Gefunden.mid(0, 12).join('\n')));
}

VORLIX_TEST_MAIN(TestMainFormPassform)
#include "tst_mainform_passform.moc"
