#include "mainform_testhilfe.h"
#include "tests/testmain.h"
#include "ui/Bedienelemente.h"
#include "ui/Zahlenanzeige.h"

#include <QCheckBox>
#include <QTimer>

using namespace Testhilfe;

namespace {

// Counts the shows of the watched controls and reports each.
class TZeigeZaehler : public QObject
{
public:
    int Summe = 0;
    std::function<void(QObject*)> BeimZeigen = [](QObject*) {};
    void Beobachte(QWidget* W) { W->installEventFilter(this); }

protected:
    bool eventFilter(QObject* Objekt, QEvent* Ereignis) override
    {
        if (Ereignis->type() == QEvent::Show) {
            ++Summe;
            BeimZeigen(Objekt);
        }
        return false;
    }
};

// A started machine at rest: sounds on, no automatic next game, scripted draws.
struct TMaschine
{
    TUmgebung Welt;
    std::unique_ptr<TMainForm> F;
    QList<int> Ziehungen;
    int Ueberzaehlig = 0; // draws beyond the script

    TMaschine()
    {
        for (TKlang Klang : AlleKlaenge)
            QFile(Welt.Pfad() + KlangDatei(Klang)).open(QIODevice::WriteOnly);
        Welt.Zufall = [this](int n) {
            if (Ziehungen.isEmpty()) {
                ++Ueberzaehlig;
                return 0;
            }
            return std::min(Ziehungen.takeFirst(), n - 1);
        };
        F = Welt.NeuesFenster();
        Starte(*F);
        F->AutoStartCheckBox->setChecked(false);
        F->KommentarHoeren->setChecked(true);
        Welt.Gespielt.clear();
    }

    QString Klaenge() const
    {
        QStringList Namen;
        for (const QString& Pfad : Welt.Gespielt)
            Namen << QFileInfo(Pfad).fileName();
        return Namen.join(' ');
    }

    QString Pfeile() const
    {
        QString Gruen;
        for (TBildKnopf* Pfeil : {F->PfeilLinks, F->PfeilMitte, F->PfeilRechts})
            Gruen += Pfeil->Glyph() == F->PfeilGruen->Picture() ? '+' : '-';
        return Gruen;
    }

    bool Leuchtet(const TBild* Lampe) const
    {
        for (const TBild* Aktiv : {F->ImageZitroneAktiv, F->ImageErdbeerAktiv, F->ImageKarotteAktiv,
                                   F->ImageKirscheAktiv})
            if (Lampe->Picture() == Aktiv->Picture())
                return true;
        return false;
    }
};

} // namespace

class TestMainFormAuswertung : public TZeitrafferTest
{
    Q_OBJECT

private slots:
    void spielWirdAusgewertet_data();
    void spielWirdAusgewertet();
    void risikoknopfSchaltetUm();
};

// Maschine: "R" risk game on, "S" screw upright, "D" activation lost after the last frame, "Z"
// two lemon lamps lit. Stop: the light during whose second show the player presses stop.
// Expected: credit | Label1 | LabelBetrag | green arrows | sounds | lit lamp | light switches |
// special games | the slot: "-" plain, "~" wavy, "X" splashes and pulled face.
void TestMainFormAuswertung::spielWirdAusgewertet_data()
{
    QTest::addColumn<QString>("codes");
    QTest::addColumn<QString>("maschine");
    QTest::addColumn<QString>("stop");
    QTest::addColumn<QList<int>>("ziehungen");
    QTest::addColumn<QString>("erwartet");
    const auto Zeile = [](const char* Name, const char* Codes, const char* Maschine,
                          QList<int> Ziehungen, const char* Erwartet, const char* Stop = "") {
        QTest::newRow(Name) << Codes << Maschine << Stop << Ziehungen << Erwartet;
    };
    Zeile("111", "111", "", {}, "1,00|1 Euro gewonnen!|   |+++|G||0|0|-");
    // The middle 3 first, then the pair: the last blink lights only left and right.
    Zeile("232", "232", "", {}, "1,30|1 Euro gewonnen!|30 Cent|+-+|G||0|0|-");
    // 20 rounds of three lights, then m = 21: odd, the double.
    Zeile("232 doppelt", "232", "R", {0, 21}, "2,20|1,6 Euro gewonnen!|30 Cent|+-+|G||61|0|-");
    // 79 rounds, then m = 20: even, the single win.
    Zeile("555 einfach", "555", "R", {59, 20}, "2,00|2 Euro gewonnen!|2 Euro|+++|G||238|0|-");
    Zeile("777 verloren", "777", "R", {0, 19}, "0,00|Nichts!|4 Euro|+++|||60|0|~");
    // Stopped in the second round: the light switched on after the stop counts.
    Zeile("333 Stopp bei 2X", "333", "R", {59}, "3,00|3 Euro gewonnen!|3 Euro|+++|G||5|0|-",
          "Image2mal");
    Zeile("333 Stopp bei 1X", "333", "R", {59}, "0,00|Nichts!|3 Euro|+++|stop.WAV ups.WAV||6|0|X",
          "Image1mal");
    Zeile("333 Stopp bei 0X", "333", "R", {59}, "6,00|6 Euro gewonnen!|3 Euro|+++|G||7|0|-",
          "Image0mal");
    Zeile("666 Schraube", "666", "RS", {},
          "30,00|30 Euro gewonnen!|   |+++|G|ImageBonus1_Karotte|0|0|-");
    Zeile("dritte Zitrone", "222", "RZ", {},
          "3,00|10 Sonderspiele gewonnen!!!|   |+++|Sonderspiele1.WAV Sonderspiele.WAV||0|10|-");
    Zeile("484", "484", "R", {}, "1,00|1 Euro gewonnen!|   |+-+|G||0|0|-");
    Zeile("124", "124", "R", {}, "0,00|Nichts!|   |---|||0|0|~");
    Zeile("111 ungueltig", "111", "RD", {}, "0,00|  Spielabbruch durch Anwender!|   |---|||0|0|-");
}

void TestMainFormAuswertung::spielWirdAusgewertet()
{
    QFETCH(QString, codes);
    QFETCH(QString, maschine);
    QFETCH(QString, stop);
    QFETCH(QList<int>, ziehungen);
    QFETCH(QString, erwartet);
    const QStringList E = erwartet.split('|');

    TMaschine M;
    TMainForm& F = *M.F;
    F.RisikoEin = maschine.contains('R');
    F.SchraubeSenkrecht = maschine.contains('S');
    F.Deaktiviert = maschine.contains('D');
    if (maschine.contains('Z')) {
        F.BonusZitrone = 2;
        F.ImageBonus1_Zitrone->SetPicture(F.ImageZitroneAktiv->Picture());
        F.ImageBonus2_Zitrone->SetPicture(F.ImageZitroneAktiv->Picture());
    }
    M.Ziehungen = ziehungen;
    Zeitraffer::Starte(*F.SchraubenTimer, 100);
    TZeigeZaehler Lichter;
    for (TBild* Licht : {F.Image2mal, F.Image1mal, F.Image0mal})
        Lichter.Beobachte(Licht);
    int Gezeigt = 0;
    bool StopMitFokus = false;
    Lichter.BeimZeigen = [&](QObject* Licht) {
        if (Licht->objectName() != stop || ++Gezeigt != 2)
            return;
        QTimer::singleShot(0, &F, [&] {
            StopMitFokus = F.StopBtnGruen->isVisible() && F.focusWidget() == F.StopBtnGruen;
            F.StopAngefordert = true;
            F.StopBtnGruen->hide();
        });
    };
    TZeigeZaehler Gewellt;
    Gewellt.Beobachte(F.Scheine_Einz_gewellt1);
    F.SymbolLinks = codes.at(0).digitValue();
    F.SymbolMitte = codes.at(1).digitValue();
    F.SymbolRechts = codes.at(2).digitValue();
    F.Auswerten();

    QCOMPARE(QString::fromStdString(BcdToFixed(F.SpielGeldSpeicher, 0, 2)), E[0]);
    if (E[0] != "0,00")
        QCOMPARE(F.GeldAnzeige().Geschrieben().last().trimmed(), E[0]);
    QCOMPARE(F.Label1->Caption(), E[1]);
    QCOMPARE(F.LabelBetrag->Caption(), E[2]);
    QCOMPARE(M.Pfeile(), E[3]);
    QCOMPARE(M.Klaenge(), E[4] == "G" ? "gewonnen1.WAV gewonnen.WAV" : E[4]);
    for (const TBild* Lampe : F.findChildren<TBild*>(QRegularExpression("^ImageBonus")))
        QCOMPARE(M.Leuchtet(Lampe), Lampe->objectName() == E[5]);
    QCOMPARE(Lichter.Summe, E[6].toInt());
    QCOMPARE(QString::fromStdString(BcdToGeneral(F.SonderSpiele)), E[7]);
    QCOMPARE(StopMitFokus, !stop.isEmpty());
    QCOMPARE(Gewellt.Summe, E[8] == "~" ? 1 : 0);
    QCOMPARE(F.ImageSpritzer->isHidden(), E[8] != "X");
    QCOMPARE(F.Schein_Einzug_Baeh->isHidden(), E[8] != "X");
    QCOMPARE(F.SchraubenTimer->isActive(), E[8] != "X");
    if (E[1] == "Nichts!") {
        const int Mitte = F.ImageGesicht->x() + F.ImageGesicht->width() / 2;
        QVERIFY(qAbs(F.Label1->x() + F.Label1->width() / 2 - Mitte) <= 1);
    }
    QVERIFY(F.StopBtnGruen->isHidden());
    QVERIFY(!F.Deaktiviert);
    QVERIFY(!F.SpielLaeuft);
    QVERIFY(M.Ziehungen.isEmpty());
    QCOMPARE(M.Ueberzaehlig, 0);
}

void TestMainFormAuswertung::risikoknopfSchaltetUm()
{
    TMaschine M;
    for (bool Ein : {false, true}) {
        M.F->ButtonRisiko->click();
        QCOMPARE(M.F->RisikoEin, Ein);
        QCOMPARE(M.F->ButtonRisiko->text(), Ein ? "Risikospiel ist ein" : "Risikospiel ist aus");
        QCOMPARE(M.F->ButtonRisiko->palette().color(QPalette::ButtonText),
                 Ein ? QColor(0, 0, 0) : QColor(0x80, 0x80, 0x80));
        QCOMPARE(M.F->ImageRisiko->isHidden(), !Ein);
    }
}

VORLIX_TEST_MAIN(TestMainFormAuswertung)
#include "tst_mainform_auswertung.moc"
