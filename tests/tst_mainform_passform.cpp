// Every caption fits its control in the font it is drawn with, every control lies inside its
// panel and no picture is cut: at every size the size dialog reaches on four common screens.

#include "discs/Gewinntabelle.h"
#include "mainform_testhilfe.h"
#include "money/StBcd.h"
#include "support/Auswertung.h"
#include "tests/testmain.h"
#include "ui/Bedienelemente.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTextBlock>
#include <QTextLayout>

using namespace Testhilfe;

namespace {

// Pieces drawn to reach beyond their box, which cuts them on purpose: the roof and the three
// strips at the cabinet's edges, the key help line below the face, and the veil that covers the
// money while it cannot be used.
const QStringList Randstuecke = {"DachImage",        "Image1",       "Image2",
                                 "ImageDesignUnten", "BefehleLabel", "NichtBedienbarImage"};

QString Name(const QWidget* W)
{
    return W->objectName().isEmpty() ? QString::fromLatin1(W->metaObject()->className())
                                     : W->objectName();
}

QString Text(const QRect& R)
{
    return QStringLiteral("(%1,%2 %3x%4)").arg(R.x()).arg(R.y()).arg(R.width()).arg(R.height());
}

// The room the style gives a caption, and the width the caption needs in the control's font.
struct TPlatz
{
    QRect Raum;
    int Bedarf = 0;
};

std::optional<TPlatz> Beschriftungsplatz(QWidget* W)
{
    const QFontMetrics Masse(W->font());
    if (auto* Label = qobject_cast<QLabel*>(W); Label && !Label->text().trimmed().isEmpty())
        return TPlatz{Label->contentsRect(), Masse.horizontalAdvance(Label->text())};
    if (auto* Kaestchen = qobject_cast<QCheckBox*>(W)) {
        QStyleOptionButton Option;
        Option.initFrom(Kaestchen);
        Option.text = Kaestchen->text();
        return TPlatz{W->style()->subElementRect(QStyle::SE_CheckBoxContents, &Option, W),
                      Masse.horizontalAdvance(Kaestchen->text())};
    }
    if (auto* Knopf = qobject_cast<QPushButton*>(W); Knopf && !Knopf->text().isEmpty()) {
        QStyleOptionButton Option;
        Option.initFrom(Knopf);
        Option.text = Knopf->text();
        Option.icon = Knopf->icon();
        Option.iconSize = Knopf->iconSize();
        const int Glyph = Knopf->icon().isNull() ? 0 : Knopf->iconSize().width() + 4;
        return TPlatz{W->style()->subElementRect(QStyle::SE_PushButtonContents, &Option, W),
                      Masse.horizontalAdvance(Knopf->text()) + Glyph};
    }
    if (auto* Feld = qobject_cast<QLineEdit*>(W)) {
        const QRect Raum = Feld->contentsRect().marginsRemoved(Feld->textMargins());
        return TPlatz{Raum.adjusted(2, 0, -2, 0), Masse.horizontalAdvance(Feld->text())};
    }
    return std::nullopt;
}

// Lines of the log that reach past the visible width although they could have been broken.
QStringList AbgeschnitteneLogzeilen(QPlainTextEdit* Memo)
{
    QStringList Fehler;
    const int Breite =
        Memo->viewport()->width() - 2 * int(std::ceil(Memo->document()->documentMargin()));
    for (QTextBlock Block = Memo->document()->begin(); Block.isValid(); Block = Block.next()) {
        Memo->document()->documentLayout()->blockBoundingRect(Block); // lays the block out
        const QTextLayout* Layout = Block.layout();
        for (int i = 0; i < Layout->lineCount(); ++i) {
            const QTextLine Zeile = Layout->lineAt(i);
            const QString Inhalt = Block.text().mid(Zeile.textStart(), Zeile.textLength());
            const bool Unteilbar = !Inhalt.trimmed().contains(QRegularExpression("\\s"));
            if (Zeile.naturalTextWidth() > Breite && !Unteilbar)
                Fehler << QStringLiteral("Memo1: \"%1\" braucht %2 von %3 Pixeln")
                              .arg(Inhalt)
                              .arg(Zeile.naturalTextWidth())
                              .arg(Breite);
        }
    }
    return Fehler;
}

// Label1 stands on the face: every corner of its visible text lies on a light pixel of the face's
// picture, not on the dark ground around the head.
QStringList Label1NebenDemGesicht(TMainForm& F)
{
    const QString Text = F.Label1->text();
    const QString Sichtbar = Text.trimmed();
    if (Sichtbar.isEmpty())
        return {};
    const QFontMetrics Masse(F.Label1->font());
    const QRect Innen = F.Label1->contentsRect();
    const QRect Schrift(
        F.Label1->x() + Innen.x() + Masse.horizontalAdvance(Text.left(Text.indexOf(Sichtbar))),
        F.Label1->y() + Innen.y(), Masse.horizontalAdvance(Sichtbar), Masse.height());
    const QRect Gesicht = F.ImageGesicht->geometry();
    const QImage& Bild = F.ImageGesicht->Picture();
    QStringList Fehler;
    for (const QPoint& Ecke :
         {Schrift.topLeft(), Schrift.topRight(), Schrift.bottomLeft(), Schrift.bottomRight()}) {
        const QPoint Im((Ecke.x() - Gesicht.x()) * Bild.width() / qMax(1, Gesicht.width()),
                        (Ecke.y() - Gesicht.y()) * Bild.height() / qMax(1, Gesicht.height()));
        if (!Bild.rect().contains(Im) || qGray(Bild.pixel(Im)) < 80) {
            Fehler << QStringLiteral("Label1 \"%1\" %2 steht neben dem Gesicht %3")
                          .arg(Text, ::Text(Schrift), ::Text(Gesicht));
            break;
        }
    }
    return Fehler;
}

// Everything Label1 can say after a game, from the win table itself.
QStringList Gewinnmeldungen()
{
    using namespace Gewinntabelle;
    QStringList Meldungen;
    const auto Sammle = [&Meldungen](const TSchritt& Schritt) {
        if (Schritt.Art == TSchritt::TArt::Meldung && !Meldungen.contains(Schritt.Text))
            Meldungen << Schritt.Text;
    };
    for (int Links = 1; Links <= 8; ++Links)
        for (int Mitte = 1; Mitte <= 8; ++Mitte)
            for (int Rechts = 1; Rechts <= 8; ++Rechts)
                for (TRisikoErgebnis Risiko : {TRisikoErgebnis::Doppelt, TRisikoErgebnis::Nichts})
                    for (bool Schraube : {false, true}) {
                        TBonusZaehler Bonus{2, 2, 2, 2};
                        WerteAus(
                            {Links, Mitte, Rechts, Schraube, true, false}, Bonus,
                            [Risiko] { return Risiko; }, Sammle);
                    }
    TBonusZaehler Bonus{};
    WerteAus(
        {1, 1, 1, false, false, true}, Bonus, [] { return TRisikoErgebnis::Nichts; }, Sammle);
    return Meldungen;
}

class TPruefung
{
public:
    TPruefung(TMainForm& F, QWidget& Dialog, QSize Bildschirm)
        : F(F), Dialog(Dialog), Bildschirm(Bildschirm)
    {}

    // All faults of the window and the size dialog as they stand, each prefixed with Wann.
    QStringList Fehler(const QString& Wann)
    {
        QStringList Liste;
        for (QWidget* Fenster : {static_cast<QWidget*>(&F), &Dialog})
            for (QWidget* W : Fenster->findChildren<QWidget*>())
                if (!W->isWindow() && W->isVisibleTo(Fenster))
                    Liste << Lage(W) << Beschriftung(W);
        Liste << AbgeschnitteneLogzeilen(F.Memo1) << Meldungen();
        for (QString& Zeile : Liste)
            Zeile.prepend(Wann + QStringLiteral(": "));
        return Liste;
    }

private:
    QStringList Lage(QWidget* W) const
    {
        if (Randstuecke.contains(W->objectName()) || !W->parentWidget())
            return {};
        QWidget* Eltern = W->parentWidget();
        // The window scrolls down, never sideways: its own children fit the screen's width.
        const QRect Raum =
            Eltern == &F ? QRect(0, 0, Bildschirm.width(), QWIDGETSIZE_MAX) : Eltern->rect();
        QStringList Liste;
        if (!Raum.contains(W->geometry()))
            Liste << QStringLiteral("%1 %2 ragt aus %3 %4")
                         .arg(Name(W), Text(W->geometry()), Name(Eltern), Text(Raum));
        // The panels lie above the window's own pictures: one may hide a picture, never half.
        for (const QGroupBox* Panel : {F.GroupBox1, F.GroupBox2})
            if (Eltern == &F && W != Panel && W->geometry().intersects(Panel->geometry()) &&
                !Panel->geometry().contains(W->geometry()) && !qobject_cast<QGroupBox*>(W))
                Liste << QStringLiteral("%1 %2 halb unter %3 %4")
                             .arg(Name(W), Text(W->geometry()), Name(Panel),
                                  Text(Panel->geometry()));
        return Liste;
    }

    static QStringList Beschriftung(QWidget* W)
    {
        const auto Platz = Beschriftungsplatz(W);
        if (!Platz || (Platz->Bedarf <= Platz->Raum.width() &&
                       QFontMetrics(W->font()).height() <= Platz->Raum.height() + 2))
            return {};
        return {QStringLiteral("%1: Text braucht %2 Pixel, Platz %3 in Schrift %4px")
                    .arg(Name(W))
                    .arg(Platz->Bedarf)
                    .arg(Text(Platz->Raum))
                    .arg(W->font().pixelSize())};
    }

    QStringList Meldungen()
    {
        static const QStringList Gewinne = Gewinnmeldungen();
        const QString Vorher = F.Label1->Caption();
        QStringList Liste = Label1NebenDemGesicht(F);
        for (const QString& Meldung : Gewinne) {
            F.Label1->SetCaption(Meldung);
            F.Label1Zentrieren();
            Liste << Label1NebenDemGesicht(F) << Beschriftung(F.Label1);
        }
        for (const char* Guthaben : {"0,1", "0"}) {
            F.SpielGeldSpeicher = BcdFromText(Guthaben);
            F.AutoStartClick();
            Liste << Label1NebenDemGesicht(F) << Beschriftung(F.Label1);
        }
        F.Label1->SetCaption(Vorher);
        F.Label1Zentrieren();
        return Liste;
    }

    TMainForm& F;
    QWidget& Dialog;
    QSize Bildschirm;
};

// A log with a deposit and its closing block, as the payout leaves it.
void FuelleLog(TMainForm& F)
{
    QStringList Zeilen = F.LogZeilen();
    Auswertung::HaengeEreignisAn(
        Zeilen, Auswertung::EinzahlungsZeile(F.SpielerName, "50", "14:03:05", "07.12.2026", ""));
    Auswertung::HaengeEreignisAn(
        Zeilen, Auswertung::AuszahlungsZeile(F.SpielerName, "14:09:12", "07.12.2026", "12,40"));
    Auswertung::SchliesseAuswertung(Zeilen, Auswertung::TAbschlussArt::Auszahlung, F.SpielerName,
                                    "07.12.2026", "14:09:12");
    F.SetzeLogZeilen(Zeilen);
}

// The machine started on a screen with the size dialog beside it, its log filled.
struct TAutomat
{
    TUmgebung Welt;
    std::unique_ptr<TMainForm> Fenster;
    std::unique_ptr<TForm2> Dialog;

    TAutomat(QSize Bildschirm, const QByteArray& Ini)
    {
        Welt.LegeProgrammAn();
        Welt.SchreibeIni("[Einstellungen]\nFormScalieren=1\nSound=0\n" + Ini);
        Welt.Bildschirm = Bildschirm;
        Fenster = Welt.NeuesFenster();
        Dialog = std::make_unique<TForm2>(Fenster->GroessenZiel(), Fenster.get());
        Fenster->SetzeGroessenDialog(Dialog.get());
        if (Starte(*Fenster))
            FuelleLog(*Fenster);
    }
    ~TAutomat()
    {
        Dialog.reset();
        Fenster.reset();
    }
};

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
    QTest::newRow("1366x768") << QSize(1366, 768);
    QTest::newRow("1920x1080") << QSize(1920, 1080);
    QTest::newRow("2560x1440") << QSize(2560, 1440);
    QTest::newRow("3840x2160") << QSize(3840, 2160);
}

// The first start, each button of the size dialog as far as it goes and a few steps back, then
// a start with every factor those steps stored on the way.
void TestMainFormPassform::allesPasstBeiJederGroesseDesDialogs()
{
    QFETCH(QSize, Bildschirm);
    QStringList Fehler;
    int Kleinster = 0, Groesster = 0;
    {
        TAutomat A(Bildschirm, {});
        QVERIFY(!A.Fenster->ErsteDarstellung);
        TPruefung Pruefung(*A.Fenster, *A.Dialog, Bildschirm);
        Fehler << Pruefung.Fehler(QStringLiteral("Erststart %1").arg(A.Fenster->ScaleByWert));
        Kleinster = Groesster = A.Fenster->ScaleByWert;
        const auto Schritte = [&](void (TForm2::*Knopf)(), const QString& Wort, int Hoechstens) {
            for (int i = 0; i < Hoechstens; ++i) {
                const int Vorher = A.Fenster->ScaleByWert;
                (A.Dialog.get()->*Knopf)();
                if (A.Fenster->ScaleByWert == Vorher)
                    return;
                Kleinster = qMin(Kleinster, A.Fenster->ScaleByWert);
                Groesster = qMax(Groesster, A.Fenster->ScaleByWert);
                Fehler << Pruefung.Fehler(Wort + QString::number(A.Fenster->ScaleByWert));
            }
        };
        Schritte(&TForm2::Button1Click, QStringLiteral("Kleiner auf "), 100);
        Schritte(&TForm2::Button2Click, QStringLiteral("Größer auf "), 100);
        Schritte(&TForm2::Button1Click, QStringLiteral("Kleiner auf "), 3);
    }
    for (int Faktor = Kleinster; Faktor <= Groesster; ++Faktor) {
        TAutomat A(Bildschirm, "ScaleBy=" + QByteArray::number(Faktor) + "\n");
        QCOMPARE(A.Fenster->ScaleByWert, Faktor);
        Fehler << TPruefung(*A.Fenster, *A.Dialog, Bildschirm)
                      .Fehler(QStringLiteral("Start mit %1").arg(Faktor));
    }
    QVERIFY2(Fehler.isEmpty(), qPrintable(Fehler.mid(0, 12).join('\n') +
                                          QStringLiteral("\n(%1 Fehler)").arg(Fehler.size())));
}

VORLIX_TEST_MAIN(TestMainFormPassform)
#include "tst_mainform_passform.moc"
