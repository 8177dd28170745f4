// Every caption fits its control in the font it is drawn with, every control lies inside its
// panel and no picture is cut, at every size the size dialog reaches on four common screens.

#include "mainform_testhilfe.h"
#include "money/StBcd.h"
#include "support/Auswertung.h"
#include "tests/testmain.h"
#include "ui/Bedienelemente.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTextBlock>

using namespace Testhilfe;

namespace {

// Cut by their box on purpose: the roof and the strips at the cabinet's edges, the key help line
// below the face and the veil over the money.
const QStringList Randstuecke = {"DachImage",        "Image1",       "Image2",
                                 "ImageDesignUnten", "BefehleLabel", "NichtBedienbarImage"};

// The width a control's caption needs in the control's font, and the width its style gives it.
std::pair<int, int> Beschriftung(QWidget* W)
{
    const QFontMetrics Masse(W->font());
    QStyleOptionButton Option;
    Option.initFrom(W);
    if (auto* Label = qobject_cast<QLabel*>(W))
        return {Masse.horizontalAdvance(Label->text()), Label->contentsRect().width()};
    if (auto* Kaestchen = qobject_cast<QCheckBox*>(W))
        return {Masse.horizontalAdvance(Kaestchen->text()),
                W->style()->subElementRect(QStyle::SE_CheckBoxContents, &Option, W).width()};
    if (auto* Knopf = qobject_cast<QPushButton*>(W); Knopf && !Knopf->text().isEmpty())
        return {Masse.horizontalAdvance(Knopf->text()) +
                    (Knopf->icon().isNull() ? 0 : Knopf->iconSize().width() + 4),
                W->style()->subElementRect(QStyle::SE_PushButtonContents, &Option, W).width()};
    return {0, 0};
}

// Log lines wider than the box that could have been broken between words.
QStringList Logzeilen(QPlainTextEdit* Memo)
{
    QStringList Fehler;
    const int Breite = Memo->viewport()->width() - 2 * int(Memo->document()->documentMargin());
    for (QTextBlock Block = Memo->document()->begin(); Block.isValid(); Block = Block.next()) {
        Memo->document()->documentLayout()->blockBoundingRect(Block); // lays the block out
        for (int i = 0; i < Block.layout()->lineCount(); ++i) {
            const QTextLine Zeile = Block.layout()->lineAt(i);
            const QString Text = Block.text().mid(Zeile.textStart(), Zeile.textLength()).trimmed();
            if (Zeile.naturalTextWidth() > Breite && Text.contains(QRegularExpression("\\s")))
                Fehler << "Memo1: " + Text;
        }
    }
    return Fehler;
}

// The corners of Label1's visible text lie on light pixels of the face, not on the dark ground.
QStringList Label1AufDemGesicht(TMainForm& F)
{
    const QString Text = F.Label1->text(), Sichtbar = Text.trimmed();
    const QFontMetrics Masse(F.Label1->font());
    const QRect Schrift(F.Label1->pos() +
                            QPoint(Masse.horizontalAdvance(Text.left(Text.indexOf(Sichtbar))), 0),
                        QSize(Masse.horizontalAdvance(Sichtbar), Masse.height()));
    const QRect Gesicht = F.ImageGesicht->geometry();
    const QImage& Bild = F.ImageGesicht->Picture();
    for (const QPoint Ecke :
         {Schrift.topLeft(), Schrift.topRight(), Schrift.bottomLeft(), Schrift.bottomRight()}) {
        const QPoint Im((Ecke - Gesicht.topLeft()).x() * Bild.width() / Gesicht.width(),
                        (Ecke - Gesicht.topLeft()).y() * Bild.height() / Gesicht.height());
        if (!Bild.rect().contains(Im) || qGray(Bild.pixel(Im)) < 80)
            return {"Label1 neben dem Gesicht: " + Text};
    }
    return {};
}

// All faults of the window and the size dialog, the messages under the face as the refused game
// start shows them, and a log with a deposit and the payout's closing block.
QStringList Fehler(TMainForm& F, QWidget& Dialog, QSize Bildschirm)
{
    QStringList Liste;
    for (QWidget* Fenster : {static_cast<QWidget*>(&F), &Dialog})
        for (QWidget* W : Fenster->findChildren<QWidget*>()) {
            if (W->isWindow() || !W->isVisibleTo(Fenster) || Randstuecke.contains(W->objectName()))
                continue;
            QWidget* Eltern = W->parentWidget();
            // The window scrolls down, never sideways; its panels may hide a picture, never half.
            const bool ImFenster = Eltern == &F && !qobject_cast<QGroupBox*>(W);
            const QRect Raum =
                Eltern == &F ? QRect(0, 0, Bildschirm.width(), 99999) : Eltern->rect();
            const auto [Braucht, Hat] = Beschriftung(W);
            bool Halb = false;
            for (const QGroupBox* Panel : {F.GroupBox1, F.GroupBox2})
                Halb |= ImFenster && W->geometry().intersects(Panel->geometry()) &&
                        !Panel->geometry().contains(W->geometry());
            if (!Raum.contains(W->geometry()) || Braucht > Hat || Halb)
                Liste << QStringLiteral("%1 (%2,%3 %4x%5) Text %6/%7")
                             .arg(W->objectName())
                             .arg(W->x())
                             .arg(W->y())
                             .arg(W->width())
                             .arg(W->height())
                             .arg(Braucht)
                             .arg(Hat);
        }
    Liste << Label1AufDemGesicht(F);
    for (const char* Guthaben : {"0,1", "0"}) {
        F.SpielGeldSpeicher = BcdFromText(Guthaben);
        F.AutoStartClick();
        Liste << Label1AufDemGesicht(F);
    }
    QStringList Log = Auswertung::KopfZeilen();
    Auswertung::HaengeEreignisAn(
        Log, Auswertung::EinzahlungsZeile(F.SpielerName, "50", "14:03:05", "07.12.2026", ""));
    Auswertung::SchliesseAuswertung(Log, Auswertung::TAbschlussArt::Beenden, F.SpielerName,
                                    "07.12.2026", "14:09:12");
    F.SetzeLogZeilen(Log);
    return Liste << Logzeilen(F.Memo1);
}

} // namespace

class TestMainFormPassform : public QObject
{
    Q_OBJECT

private slots:
    void init() { Zeitraffer::SetzeFaktor(0.01); }
    void cleanup() { Zeitraffer::SetzeFaktor(1.0); }
    void allesPasstBeiJederGroesseDesDialogs_data();
    void allesPasstBeiJederGroesseDesDialogs();
};

void TestMainFormPassform::allesPasstBeiJederGroesseDesDialogs_data()
{
    QTest::addColumn<QSize>("Bildschirm");
    for (const QSize Groesse :
         {QSize(1366, 768), QSize(1920, 1080), QSize(2560, 1440), QSize(3840, 2160)})
        QTest::newRow(
            qPrintable(QStringLiteral("%1x%2").arg(Groesse.width()).arg(Groesse.height())))
            << Groesse;
}

// The first start, each button of the size dialog as far as it goes and a few steps back, then
// a start with every factor stored on the way.
void TestMainFormPassform::allesPasstBeiJederGroesseDesDialogs()
{
    QFETCH(QSize, Bildschirm);
    QStringList Gefunden;
    int Kleinster = 999, Groesster = 0;
    for (int Gespeichert = -1; Gespeichert <= Groesster;
         Gespeichert = qMax(Gespeichert + 1, Kleinster)) {
        TUmgebung Welt;
        Welt.LegeProgrammAn();
        Welt.SchreibeIni(
            "[Einstellungen]\nFormScalieren=1\nSound=0\n" +
            (Gespeichert < 0 ? QByteArray() : "ScaleBy=" + QByteArray::number(Gespeichert)));
        Welt.Bildschirm = Bildschirm;
        auto F = Welt.NeuesFenster();
        TForm2 Dialog(F->GroessenZiel(), F.get());
        F->SetzeGroessenDialog(&Dialog);
        QVERIFY(Starte(*F));
        const auto Pruefe = [&] {
            Kleinster = qMin(Kleinster, F->ScaleByWert);
            Groesster = qMax(Groesster, F->ScaleByWert);
            for (const QString& Fehlerzeile : Fehler(*F, Dialog, Bildschirm))
                Gefunden << QStringLiteral("%1 %2: ").arg(Gespeichert).arg(F->ScaleByWert) +
                                Fehlerzeile;
        };
        Pruefe();
        for (auto [Knopf, Hoechstens] : {std::pair{&TForm2::Button1Click, 100},
                                         {&TForm2::Button2Click, 100},
                                         {&TForm2::Button1Click, 3}})
            for (int Vorher = -1; Gespeichert < 0 && Vorher != F->ScaleByWert && Hoechstens--;) {
                Vorher = F->ScaleByWert;
                (Dialog.*Knopf)();
                Pruefe();
            }
    }
    QVERIFY2(Gefunden.isEmpty(), qPrintable(Gefunden.mid(0, 12).join('\n')));
}

VORLIX_TEST_MAIN(TestMainFormPassform)
#include "tst_mainform_passform.moc"
