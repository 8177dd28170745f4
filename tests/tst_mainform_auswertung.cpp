#include "mainform_testhilfe.h"
#include "ui/Bedienelemente.h"
#include "ui/Zahlenanzeige.h"

#include <QCheckBox>
#include <QTimer>

using namespace Testhilfe;

namespace {

// Counts how often each watched control was shown and can act on a show.
class TZeigeZaehler : public QObject
{
public:
    QHash<QObject*, int> Gezeigt;
    std::function<void(QObject*)> BeimZeigen;

    void Beobachte(QWidget* W) { W->installEventFilter(this); }
    int Summe() const
    {
        int Alle = 0;
        for (int n : Gezeigt)
            Alle += n;
        return Alle;
    }

protected:
    bool eventFilter(QObject* Objekt, QEvent* Ereignis) override
    {
        if (Ereignis->type() == QEvent::Show) {
            ++Gezeigt[Objekt];
            if (BeimZeigen)
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

    TMaschine()
    {
        for (TKlang Klang : AlleKlaenge) {
            QFile Datei(Welt.Pfad() + KlangDatei(Klang).mid(1));
            Datei.open(QIODevice::WriteOnly);
        }
        Welt.Zufall = [this](int n) {
            const int Zahl = Ziehungen.isEmpty() ? 0 : Ziehungen.takeFirst();
            return Zahl < n ? Zahl : -1;
        };
        F = Welt.NeuesFenster();
        Starte(*F);
        F->AutoStartCheckBox->setChecked(false);
        F->KommentarHoeren->setChecked(true);
        Welt.Gespielt.clear();
    }

    void Werte(const QList<int>& Codes)
    {
        F->SymbolLinks = Codes[0];
        F->SymbolMitte = Codes[1];
        F->SymbolRechts = Codes[2];
        F->Auswerten();
    }

    QStringList Klaenge() const
    {
        QStringList Namen;
        for (const QString& Pfad : Welt.Gespielt)
            Namen << QFileInfo(Pfad).fileName();
        return Namen;
    }

    QString Guthaben() const
    {
        return QString::fromStdString(BcdToFixed(F->SpielGeldSpeicher, 0, 2));
    }

    QString Pfeile() const
    {
        QString Gruen;
        for (TBildKnopf* Pfeil : {F->PfeilLinks, F->PfeilMitte, F->PfeilRechts})
            Gruen += Pfeil->Glyph() == F->PfeilGruen->Picture() ? '+' : '-';
        return Gruen;
    }
};

const QStringList GewonnenKlaenge{"gewonnen1.WAV", "gewonnen.WAV"};

} // namespace

class TestMainFormAuswertung : public QObject
{
    Q_OBJECT

private slots:
    void init() { Zeitraffer::SetzeFaktor(0.01); }
    void cleanup() { Zeitraffer::SetzeFaktor(1.0); }

    void spielWirdAusgewertet_data();
    void spielWirdAusgewertet();
    void dritteZitroneGewinntSonderspiele();
    void stopImRisikospielGiltFuerDasNaechsteLicht_data();
    void stopImRisikospielGiltFuerDasNaechsteLicht();
    void nichtsStehtMittigMitGewelltemSchlitz();
    void verloreneAktivierungZahltNichts();
    void risikoknopfSchaltetUm();
};

void TestMainFormAuswertung::spielWirdAusgewertet_data()
{
    QTest::addColumn<QList<int>>("codes");
    QTest::addColumn<bool>("risiko");
    QTest::addColumn<bool>("schraube");
    QTest::addColumn<QList<int>>("ziehungen");
    QTest::addColumn<QString>("guthaben");
    QTest::addColumn<QString>("meldung");
    QTest::addColumn<QString>("einsatz");
    QTest::addColumn<QString>("pfeile");
    QTest::addColumn<QStringList>("klaenge");
    QTest::addColumn<QString>("lampe");
    QTest::addColumn<int>("lichtwechsel");

    const QList<int> Keine;
    QTest::newRow("111 ohne Risiko") << QList<int>{1, 1, 1} << false << false << Keine << "1,00"
                                     << "1 Euro gewonnen!"
                                     << "   "
                                     << "+++" << GewonnenKlaenge << "" << 0;
    QTest::newRow("232 ohne Risiko") << QList<int>{2, 3, 2} << false << false << Keine << "1,30"
                                     << "1 Euro gewonnen!"
                                     << "30 Cent"
                                     << "+-+" << GewonnenKlaenge << "" << 0;
    // 20 rounds of three lights, then m = 21: odd, the double.
    QTest::newRow("232 doppelt") << QList<int>{2, 3, 2} << true << false << QList<int>{0, 21}
                                 << "2,20"
                                 << "1,6 Euro gewonnen!"
                                 << "30 Cent"
                                 << "+-+" << GewonnenKlaenge << "" << 61;
    // 79 rounds, then m = 20: even, the single win.
    QTest::newRow("555 einfach") << QList<int>{5, 5, 5} << true << false << QList<int>{59, 20}
                                 << "2,00"
                                 << "2 Euro gewonnen!"
                                 << "2 Euro"
                                 << "+++" << GewonnenKlaenge << "" << 238;
    QTest::newRow("777 verloren") << QList<int>{7, 7, 7} << true << false << QList<int>{0, 19}
                                  << "0,00"
                                  << "Nichts!"
                                  << "4 Euro"
                                  << "+++" << QStringList{} << "" << 60;
    QTest::newRow("135 ohne Risiko") << QList<int>{1, 3, 5} << false << false << Keine << "0,30"
                                     << "30 Cent gewonnen!"
                                     << "30 Cent"
                                     << "-+-" << GewonnenKlaenge << "" << 0;
    QTest::newRow("666 Schraube") << QList<int>{6, 6, 6} << true << true << Keine << "30,00"
                                  << "30 Euro gewonnen!"
                                  << "   "
                                  << "+++" << GewonnenKlaenge << "ImageBonus1_Karotte" << 0;
    QTest::newRow("888") << QList<int>{8, 8, 8} << true << false << Keine << "3,00"
                         << "3 Euro gewonnen!"
                         << "   "
                         << "+++" << GewonnenKlaenge << "ImageBonus1_Kirsche" << 0;
    QTest::newRow("484") << QList<int>{4, 8, 4} << true << false << Keine << "1,00"
                         << "1 Euro gewonnen!"
                         << "   "
                         << "+-+" << GewonnenKlaenge << "" << 0;
    QTest::newRow("124") << QList<int>{1, 2, 4} << true << false << Keine << "0,00"
                         << "Nichts!"
                         << "   "
                         << "---" << QStringList{} << "" << 0;
}

void TestMainFormAuswertung::spielWirdAusgewertet()
{
    QFETCH(QList<int>, codes);
    QFETCH(bool, risiko);
    QFETCH(bool, schraube);
    QFETCH(QList<int>, ziehungen);
    QFETCH(QString, guthaben);
    QFETCH(QString, meldung);
    QFETCH(QString, einsatz);
    QFETCH(QString, pfeile);
    QFETCH(QStringList, klaenge);
    QFETCH(QString, lampe);
    QFETCH(int, lichtwechsel);

    TMaschine M;
    M.F->RisikoEin = risiko;
    M.F->SchraubeSenkrecht = schraube;
    M.Ziehungen = ziehungen;
    TZeigeZaehler Lichter;
    for (TBild* Licht : {M.F->Image2mal, M.F->Image1mal, M.F->Image0mal})
        Lichter.Beobachte(Licht);
    M.Werte(codes);

    QCOMPARE(M.Guthaben(), guthaben);
    QCOMPARE(M.F->Label1->Caption(), meldung);
    QCOMPARE(M.F->LabelBetrag->Caption(), einsatz);
    QCOMPARE(M.Pfeile(), pfeile);
    QCOMPARE(M.Klaenge(), klaenge);
    QVERIFY(M.Ziehungen.isEmpty());
    QCOMPARE(Lichter.Summe(), lichtwechsel);
    QCOMPARE(M.F->StopBtnGruen->isHidden(), true);
    if (guthaben != "0,00")
        QCOMPARE(M.F->GeldAnzeige().Geschrieben().last().trimmed(), guthaben);
    for (TBild* Lampe : M.F->findChildren<TBild*>(QRegularExpression("^ImageBonus"))) {
        const bool An = Lampe->Picture() == M.F->ImageKarotteAktiv->Picture() ||
                        Lampe->Picture() == M.F->ImageKirscheAktiv->Picture();
        QCOMPARE(An, Lampe->objectName() == lampe);
    }
    QVERIFY(!M.F->SpielLaeuft);
    QVERIFY(M.F->GibMirMeinGeldBtn->isEnabled());
}

void TestMainFormAuswertung::dritteZitroneGewinntSonderspiele()
{
    TMaschine M;
    M.F->BonusZitrone = 1;
    M.Werte({2, 2, 2});
    QCOMPARE(M.F->ImageBonus2_Zitrone->Picture(), M.F->ImageZitroneAktiv->Picture());
    M.Werte({2, 2, 2});

    QCOMPARE(M.F->BonusZitrone, 0);
    QCOMPARE(QString::fromStdString(BcdToGeneral(M.F->SonderSpiele)), "10");
    QCOMPARE(M.F->SonderAnzeige().Geschrieben().last().trimmed(), "10");
    QCOMPARE(M.Guthaben(), "6,00");
    QCOMPARE(M.F->Label1->Caption(), "10 Sonderspiele gewonnen!!!");
    for (TBild* Lampe :
         {M.F->ImageBonus1_Zitrone, M.F->ImageBonus2_Zitrone, M.F->ImageBonus3_Zitrone})
        QCOMPARE(Lampe->Picture(), M.F->ImageZitroneNormal->Picture());
    QCOMPARE(M.Klaenge(), (GewonnenKlaenge + QStringList{"Sonderspiele1.WAV", "Sonderspiele.WAV"}));
}

// The stop is pressed while the named light shows; the light switched on next is the result.
void TestMainFormAuswertung::stopImRisikospielGiltFuerDasNaechsteLicht_data()
{
    QTest::addColumn<QString>("gezeigt");
    QTest::addColumn<QString>("guthaben");
    QTest::addColumn<QString>("meldung");
    QTest::addColumn<QStringList>("klaenge");
    QTest::addColumn<int>("lichtwechsel");
    QTest::newRow("bei 2mal: einfach") << "Image2mal"
                                       << "3,00"
                                       << "3 Euro gewonnen!" << GewonnenKlaenge << 5;
    QTest::newRow("bei 1mal: verloren") << "Image1mal"
                                        << "0,00"
                                        << "Nichts!" << QStringList{"stop.WAV", "ups.WAV"} << 6;
    QTest::newRow("bei 0mal: doppelt") << "Image0mal"
                                       << "6,00"
                                       << "6 Euro gewonnen!" << GewonnenKlaenge << 7;
}

void TestMainFormAuswertung::stopImRisikospielGiltFuerDasNaechsteLicht()
{
    QFETCH(QString, gezeigt);
    QFETCH(QString, guthaben);
    QFETCH(QString, meldung);
    QFETCH(QStringList, klaenge);
    QFETCH(int, lichtwechsel);

    TMaschine M;
    M.F->RisikoEin = true;
    M.Ziehungen = {59};
    Zeitraffer::Starte(*M.F->SchraubenTimer, 100);
    bool StopHatteDenFokus = false;
    TZeigeZaehler Lichter;
    for (TBild* Licht : {M.F->Image2mal, M.F->Image1mal, M.F->Image0mal})
        Lichter.Beobachte(Licht);
    // Pressed in the second round, while the player's light shows.
    Lichter.BeimZeigen = [&](QObject* Licht) {
        if (Licht->objectName() != gezeigt || Lichter.Gezeigt[Licht] != 2)
            return;
        QTimer::singleShot(0, M.F.get(), [&] {
            StopHatteDenFokus =
                M.F->StopBtnGruen->isVisible() && M.F->focusWidget() == M.F->StopBtnGruen;
            M.F->StopAngefordert = true;
            M.F->StopBtnGruen->hide();
        });
    };
    M.Werte({3, 3, 3});

    QVERIFY(StopHatteDenFokus);
    QCOMPARE(Lichter.Summe(), lichtwechsel);
    QCOMPARE(M.Guthaben(), guthaben);
    QCOMPARE(M.F->Label1->Caption(), meldung);
    QCOMPARE(M.Klaenge(), klaenge);
    const bool Verloren = guthaben == "0,00";
    QCOMPARE(M.F->ImageSpritzer->isHidden(), !Verloren);
    QCOMPARE(M.F->Schein_Einzug_Baeh->isHidden(), !Verloren);
    QCOMPARE(M.F->Scheine_Einz_gewellt1->isHidden(), true);
    QCOMPARE(M.F->SchraubenTimer->isActive(), !Verloren);
}

void TestMainFormAuswertung::nichtsStehtMittigMitGewelltemSchlitz()
{
    TMaschine M;
    TZeigeZaehler Schlitz;
    Schlitz.Beobachte(M.F->Scheine_Einz_gewellt1);
    M.F->StopAngefordert = false;
    M.Werte({5, 1, 2});

    QCOMPARE(M.F->Label1->Caption(), "Nichts!");
    const int Mitte = M.F->ImageGesicht->x() + M.F->ImageGesicht->width() / 2;
    QVERIFY(qAbs(M.F->Label1->x() + M.F->Label1->width() / 2 - Mitte) <= 1);
    QCOMPARE(Schlitz.Summe(), 1);
    QVERIFY(M.F->ImageSpritzer->isHidden());
    QVERIFY(M.Klaenge().isEmpty());
}

void TestMainFormAuswertung::verloreneAktivierungZahltNichts()
{
    TMaschine M;
    M.F->Deaktiviert = true;
    M.F->StopAngefordert = true;
    M.Werte({1, 1, 1});

    QCOMPARE(M.F->Label1->Caption(), "  Spielabbruch durch Anwender!");
    QCOMPARE(M.Guthaben(), "0,00");
    QVERIFY(!M.F->Deaktiviert);
    QVERIFY(M.Klaenge().isEmpty());
    QVERIFY(M.F->ImageSpritzer->isHidden());
    QCOMPARE(M.Pfeile(), "---");
}

void TestMainFormAuswertung::risikoknopfSchaltetUm()
{
    TMaschine M;
    QVERIFY(M.F->RisikoEin);
    M.F->ButtonRisiko->click();
    QVERIFY(!M.F->RisikoEin);
    QCOMPARE(M.F->ButtonRisiko->text(), "Risikospiel ist aus");
    QCOMPARE(M.F->ButtonRisiko->palette().color(QPalette::ButtonText), QColor(0x80, 0x80, 0x80));
    QVERIFY(M.F->ImageRisiko->isHidden());
    M.F->ButtonRisiko->click();
    QVERIFY(M.F->RisikoEin);
    QCOMPARE(M.F->ButtonRisiko->text(), "Risikospiel ist ein");
    QCOMPARE(M.F->ButtonRisiko->palette().color(QPalette::ButtonText), QColor(0, 0, 0));
    QVERIFY(!M.F->ImageRisiko->isHidden());
}

QTEST_MAIN(TestMainFormAuswertung)
#include "tst_mainform_auswertung.moc"
