#include "mainform_testhilfe.h"
#include "tests/testmain.h"
#include "ui/Bedienelemente.h"
#include "ui/Zahlenanzeige.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using namespace Testhilfe;

namespace {

const QByteArray Trenn = QByteArray(103, '_') + "\r\n";
const QByteArray Kopf = "Name\t\tEinzahlung   Uhrzeit\tDatum\t\t\tAuszahlung\r\n" + Trenn;
const QString Dateiname = QStringLiteral("Kein Name 07_12_2026 14_03_05.txt");
const QString Muenzklang = QStringLiteral("/Muenze.WAV");

QString Text(const TBcdWert& Wert)
{
    return QString::fromStdString(BcdToFixed(Wert, 0, 2));
}

// Watches the moving money and the centre button: how often each was shown and hidden, and
// where the money stood whenever the button came back.
class TBeobachter : public QObject
{
public:
    TBeobachter(TMainForm& Fenster) : Fenster(Fenster)
    {
        Fenster.Schein->installEventFilter(this);
        Fenster.MenueBtn->installEventFilter(this);
    }
    int ScheinGezeigt = 0;
    int KnopfVersteckt = 0;
    QList<int> ScheinObenBeimKnopfZeigen;
    std::function<void()> BeimScheinZeigen;

protected:
    bool eventFilter(QObject* Objekt, QEvent* Ereignis) override
    {
        const bool Zeigen = Ereignis->type() == QEvent::Show;
        if (Objekt == Fenster.Schein && Zeigen) {
            ++ScheinGezeigt;
            if (BeimScheinZeigen)
                BeimScheinZeigen();
        } else if (Objekt == Fenster.MenueBtn && Ereignis->type() == QEvent::Hide) {
            ++KnopfVersteckt;
        } else if (Objekt == Fenster.MenueBtn && Zeigen && Fenster.Schein->isVisible()) {
            ScheinObenBeimKnopfZeigen << Fenster.Schein->y();
        }
        return false;
    }

private:
    TMainForm& Fenster;
};

} // namespace

class TestMainFormGeld : public TZeitrafferTest
{
    Q_OBJECT

private slots:
    void einzahlungBuchtZeigtLoggtUndSpeichert_data();
    void einzahlungBuchtZeigtLoggtUndSpeichert();
    void verdeckteOderLimitierteEinzahlung();
    void auszahlungZaehltAusSpeichertUndEndet_data();
    void auszahlungZaehltAusSpeichertUndEndet();
    void stoerungenWaehrendDerAuszahlung_data();
    void stoerungenWaehrendDerAuszahlung();
    void kasseWirdBeiGenau10000Geleert();
    void okImGroessendialogZahltAus();
    void ganzerBesuch();

private:
    std::unique_ptr<TMainForm> Gestartet(TUmgebung& Welt, const QByteArray& Ini = {});
};

std::unique_ptr<TMainForm> TestMainFormGeld::Gestartet(TUmgebung& Welt, const QByteArray& Ini)
{
    Welt.LegeProgrammAn("Vorlix");
    Welt.LegeProgrammAn("Muenze.WAV");
    Welt.SchreibeIni("[Einstellungen]\nAutomatenkassenstand anzeigen=1\n" + Ini);
    SchreibeRegistry(TMainForm::KassenSchluessel, "KA", "100 00");
    auto Fenster = Welt.NeuesFenster();
    if (!Starte(*Fenster) ||
        !QTest::qWaitFor([&] { return Fenster->DatumText == "07.12.2026"; }, 5000))
        return nullptr;
    Welt.Gespielt.clear();
    return Fenster;
}

void TestMainFormGeld::einzahlungBuchtZeigtLoggtUndSpeichert_data()
{
    QTest::addColumn<QString>("bild");
    QTest::addColumn<QString>("guthaben");
    QTest::addColumn<QString>("kasse");
    QTest::addColumn<QString>("zeile");
    QTest::addColumn<int>("knopfVersteckt");
    QTest::addColumn<int>("klaenge");
    QTest::newRow("10 Cent") << "Button_10_Cent"
                             << "0,10"
                             << "100,10"
                             << "Kein Name\u00B7\t0,1 Euro    14:03:05\t07.12.2026\t" << 0 << 1;
    QTest::newRow("50 Euro") << "Button_50_Euro"
                             << "50,00"
                             << "150,00"
                             << "Kein Name\u00B7\t 50 Euro    14:03:05\t07.12.2026\t" << 1 << 0;
}

void TestMainFormGeld::einzahlungBuchtZeigtLoggtUndSpeichert()
{
    QFETCH(QString, bild);
    QFETCH(QString, guthaben);
    QFETCH(QString, kasse);
    QFETCH(QString, zeile);
    QFETCH(int, knopfVersteckt);
    QFETCH(int, klaenge);
    TUmgebung Welt;
    auto Fenster = Gestartet(Welt);
    QVERIFY(Fenster);
    Fenster->AutoStartCheckBox->setChecked(false);
    TBeobachter Beobachter(*Fenster);

    QTest::mouseClick(Fenster->findChild<TBild*>(bild), Qt::LeftButton);

    QVERIFY(!Fenster->GibMirMeinGeldBtn->isEnabled());
    QVERIFY(Fenster->NichtBedienbarImage->isVisible());
    QCOMPARE(Fenster->GeldAnzeige().Geschrieben().last(), guthaben);
    QCOMPARE(Fenster->AutomatenGeldspeicherAnzeige->Caption(), kasse);
    QCOMPARE(Fenster->LogZeilen().mid(2), (QStringList{zeile, QString(103, u'_')}));
    QCOMPARE(LiesRegistry(TMainForm::KassenSchluessel, "KA"), QString(kasse).replace(',', ' '));
    // The first money after the start sinks into the slot, though no limit test ran.
    QCOMPARE(Beobachter.ScheinGezeigt, 1);
    QVERIFY(Fenster->Schein->isHidden());
    QCOMPARE(Beobachter.KnopfVersteckt, knopfVersteckt);
    QVERIFY(Fenster->MenueBtn->isVisible());
    // The button comes back at the first step at which the note's top lies below its bottom.
    const int Unterkante = Fenster->MenueBtn->y() + Fenster->MenueBtn->height();
    for (const int Oben : Beobachter.ScheinObenBeimKnopfZeigen.mid(0, knopfVersteckt))
        QVERIFY2(Oben > Unterkante && Oben <= Unterkante + 10, qPrintable(QString::number(Oben)));
    QCOMPARE(Welt.Gespielt.filter(Muenzklang).size(), klaenge);
}

void TestMainFormGeld::verdeckteOderLimitierteEinzahlung()
{
    TUmgebung Welt;
    auto Fenster = Gestartet(Welt);
    QVERIFY(Fenster);
    Fenster->AutoStartCheckBox->setChecked(false);
    TBeobachter Beobachter(*Fenster);
    const QStringList Log = Fenster->LogZeilen();

    Fenster->NichtBedienbarImage->show();
    QTest::mouseClick(Fenster->Button_1_Euro, Qt::LeftButton);
    QCOMPARE(Text(Fenster->SpielGeldSpeicher), QString("0,00"));
    QCOMPARE(Fenster->LogZeilen(), Log);

    struct TSchritt
    {
        TBild* Bild;
        const char* Guthaben;
        int Gezeigt;
        int Meldungen;
    };
    Fenster->SpielGeldSpeicher = BcdFromText("10000,9");
    const TSchritt Schritte[] = {{Fenster->Button_50_Euro, "10050,90", 1, 0},
                                 {Fenster->Button_50_Cent, "10050,90", 1, 1},
                                 {Fenster->Button_10_Cent, "10051,00", 1, 1},
                                 {Fenster->Button_20_Cent, "10051,20", 1, 1}};
    for (const TSchritt& Schritt : Schritte) {
        Fenster->NichtBedienbarImage->hide();
        QTest::mouseClick(Schritt.Bild, Qt::LeftButton);
        QCOMPARE(Text(Fenster->SpielGeldSpeicher), QString(Schritt.Guthaben));
        QCOMPARE(Beobachter.ScheinGezeigt, Schritt.Gezeigt);
        QCOMPARE(Welt.Meldungen.size(), Schritt.Meldungen);
    }
    QCOMPARE(Welt.Meldungen[0].Text,
             QString("Sie haben schon genug eingezahlt! Einzahlung wird abgelehnt."));
    QCOMPARE(Fenster->LogZeilen().size(), Log.size() + 6);
    QCOMPARE(Text(Fenster->Automatenkasse), QString("150,30"));
}

void TestMainFormGeld::auszahlungZaehltAusSpeichertUndEndet_data()
{
    QTest::addColumn<QString>("guthaben");
    QTest::addColumn<QString>("sonderspiele");
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("auszahlung");
    QTest::addColumn<int>("stuecke");
    QTest::addColumn<int>("muenzen");
    QTest::newRow("0,00 mit Enter") << "0"
                                    << "0" << QByteArray() << "0,00" << 0 << 0;
    QTest::newRow("1,40 und 3 Sonderspiele") << "1,4"
                                             << "3" << QByteArray() << "2,00" << 1 << 1;
    QTest::newRow("13,70 langsam")
        << "13,7"
        << "0" << QByteArray("GeschwindigkeitAuszahlung=3\n") << "13,70" << 5 << 4;
}

void TestMainFormGeld::auszahlungZaehltAusSpeichertUndEndet()
{
    QFETCH(QString, guthaben);
    QFETCH(QString, sonderspiele);
    QFETCH(QByteArray, ini);
    QFETCH(QString, auszahlung);
    QFETCH(int, stuecke);
    QFETCH(int, muenzen);
    TUmgebung Welt;
    auto Fenster = Gestartet(Welt, ini);
    QVERIFY(Fenster);
    Fenster->SpielGeldSpeicher = BcdFromText(guthaben.toStdString());
    Fenster->SonderSpiele = BcdFromText(sonderspiele.toStdString());
    TBeobachter Beobachter(*Fenster);
    QString KassenstandImFallen;
    Beobachter.BeimScheinZeigen = [&] {
        KassenstandImFallen = LiesRegistry(TMainForm::KassenSchluessel, "KA");
    };

    QTest::keyClick(Fenster->GibMirMeinGeldBtn, Qt::Key_Return);
    QTRY_COMPARE(Welt.Prozessenden, 1);

    const TBcdWert Kasse = BcdMinus(BcdFromText("100"), BcdFromText(auszahlung.toStdString()));
    QCOMPARE(Text(Fenster->Automatenkasse), Text(Kasse));
    // Stored once, with its comma, before the fall; the end of the program leaves it so.
    QCOMPARE(LiesRegistry(TMainForm::KassenSchluessel, "KA"), Text(Kasse));
    if (stuecke > 0)
        QCOMPARE(KassenstandImFallen, Text(Kasse));
    QCOMPARE(Beobachter.ScheinGezeigt, stuecke);
    QCOMPARE(Welt.Gespielt.filter(Muenzklang).size(), muenzen);
    QCOMPARE(Text(Fenster->SpielGeldSpeicher), QString("0,00"));
    QCOMPARE(Fenster->SonderAnzeige().Geschrieben().last(), QString("00"));
    const QByteArray Betrag = auszahlung.toLatin1();
    QCOMPARE(LiesDatei(Welt.Pfad() + Dateiname),
             Kopf + "Kein Name\t\t\t    14:03:05\t07.12.2026\t---\t" + Betrag + " Euro\r\n" +
                 Trenn + " \r\n \r\n" + Trenn + "Kein Name hat am 07.12.2026\t um 14:03:05 Uhr\t" +
                 Betrag + " Euro gewonnen!\r\n" + Trenn);
}

void TestMainFormGeld::stoerungenWaehrendDerAuszahlung_data()
{
    QTest::addColumn<QString>("stoerung");
    QTest::addColumn<int>("meldungen");
    QTest::addColumn<int>("abschluesse");
    QTest::newRow("Datei nicht schreibbar") << "Datei" << 1 << 1;
    QTest::newRow("zweiter Klick") << "Klick" << 0 << 1;
    QTest::newRow("Muenze im Fallen") << "Muenze" << 0 << 1;
    // Esc only hurries the end: one closing block, one log file, "KA" stored once.
    QTest::newRow("Esc im Fallen") << "Esc" << 0 << 1;
    QTest::newRow("Esc vor dem Fallen") << "EscVorher" << 0 << 1;
}

void TestMainFormGeld::stoerungenWaehrendDerAuszahlung()
{
    QFETCH(QString, stoerung);
    QFETCH(int, meldungen);
    QFETCH(int, abschluesse);
    TUmgebung Welt;
    auto Fenster = Gestartet(Welt);
    QVERIFY(Fenster);
    const QString AnnasDatei = QStringLiteral("Anna 07_12_2026 14_03_05.txt");
    if (stoerung == "Datei")
        QVERIFY(QDir(Welt.Pfad()).mkpath(AnnasDatei + "/belegt"));
    Fenster->AutoStartCheckBox->setChecked(false);
    Fenster->Edit1->setText("Anna");
    QTest::mouseClick(Fenster->Button_5_Euro, Qt::LeftButton);
    // What the games leave: 3,10 Euro, the coin panel open, the payout button enabled.
    Fenster->SpielGeldSpeicher = BcdFromText("3,1");
    Fenster->NichtBedienbarImage->hide();
    Fenster->GibMirMeinGeldBtn->setEnabled(true);
    TBeobachter Beobachter(*Fenster);
    Beobachter.BeimScheinZeigen = [&] {
        if (Beobachter.ScheinGezeigt > 1)
            return;
        if (stoerung == "Klick")
            QTest::mouseClick(Fenster->GibMirMeinGeldBtn, Qt::LeftButton);
        if (stoerung == "Muenze")
            QTest::mouseClick(Fenster->Button_2_Euro, Qt::LeftButton);
        if (stoerung == "Esc")
            QTest::keyClick(Fenster.get(), Qt::Key_Escape);
    };

    if (stoerung == "EscVorher") // while the payout waits before its books
        QTimer::singleShot(0, [&] { QTest::keyClick(Fenster.get(), Qt::Key_Escape); });
    Fenster->GibMirMeinGeldBtnClick();

    QCOMPARE(Welt.Prozessenden, 1);
    QCOMPARE(Welt.Meldungen.size(), meldungen);
    QCOMPARE(Text(Fenster->Automatenkasse), QString("101,90"));
    QCOMPARE(LiesRegistry(TMainForm::KassenSchluessel, "KA"), QString("101,90"));
    QCOMPARE(Beobachter.ScheinGezeigt, stoerung == "EscVorher" ? 0 : stoerung == "Esc" ? 1 : 3);
    const QStringList Log = Fenster->LogZeilen();
    QCOMPARE(Log.filter("---\t3,10 Euro").size(), 1);
    QCOMPARE(Log.filter("Anna\t hat am").size(), abschluesse);
    QCOMPARE(Log.filter(QRegularExpression("Uhr\\t1,90 Euro verspielt!$")).size(), 1);
    QVERIFY(Log.at(Log.size() - 2).endsWith("Uhr\t1,90 Euro verspielt!"));
    if (stoerung != "Datei")
        QVERIFY(
            LiesDatei(Welt.Pfad() + AnnasDatei).endsWith("Uhr\t1,90 Euro verspielt!\r\n" + Trenn));
    QCOMPARE(QDir(Welt.Pfad()).entryList({"*.txt"}, QDir::Files).size(),
             stoerung == "Datei" ? 0 : 1);
}

void TestMainFormGeld::kasseWirdBeiGenau10000Geleert()
{
    TUmgebung Welt;
    auto Fenster = Gestartet(Welt);
    QVERIFY(Fenster);
    Fenster->Automatenkasse = BcdFromText("9999,9");
    Fenster->PruefeObAutomatenkasseGeleertWerdenMuss();
    QVERIFY(Welt.Meldungen.isEmpty());
    Fenster->Automatenkasse = BcdFromText("10000");
    Fenster->PruefeObAutomatenkasseGeleertWerdenMuss();
    QCOMPARE(Welt.Meldungen.size(), 1);
    QCOMPARE(Welt.Meldungen[0].Text, QString("In der Automatenkasse sind 10000,00 Euro, sie muss "
                                             "geleert werden! 100 Euro verbleiben drin."));
    QCOMPARE(Text(Fenster->Automatenkasse), QString("100,00"));
    QCOMPARE(Fenster->AutomatenGeldspeicherAnzeige->Caption(), QString("100,00"));
    QCOMPARE(LiesRegistry(TMainForm::KassenSchluessel, "KA"), QString("100 00"));
}

void TestMainFormGeld::okImGroessendialogZahltAus()
{
    TUmgebung Welt;
    Welt.LegeProgrammAn();
    auto Fenster = Welt.NeuesFenster();
    TForm2 Dialog(Fenster->GroessenZiel(), Fenster.get());
    Fenster->SetzeGroessenDialog(&Dialog);
    QVERIFY(Starte(*Fenster));
    Dialog.hide();
    Fenster->ErsterStart = false;
    Fenster->SpielGeldSpeicher = BcdFromText("7");
    QTimer::singleShot(0, [&] {
        QTRY_VERIFY(QApplication::activeModalWidget() == &Dialog);
        QTest::mouseClick(Dialog.findChild<QPushButton*>("OKButton"), Qt::LeftButton);
    });
    Fenster->MenueBtnMouseDown(Qt::RightButton);
    QCOMPARE(Welt.Prozessenden, 1);
    QCOMPARE(Fenster->AuszahlungText, QString("7,00"));
}

// The shared helper's window with scripted random draws.
std::unique_ptr<TMainForm> FensterMitZufall(TUmgebung& Welt, TZufall Zufall)
{
    TMainFormUmgebung Umgebung;
    Umgebung.Meldungen = std::make_unique<TAufzeichnendeMeldungen>(Welt.Meldungen);
    Umgebung.Tonausgabe = std::make_unique<TAufzeichnendeTonausgabe>(Welt.Gespielt, true);
    Umgebung.Uhr = [&Welt] { return Welt.Uhrzeit; };
    Umgebung.Bildschirm = [&Welt] { return Welt.Bildschirm; };
    Umgebung.Oeffner = [](const QUrl&) { return true; };
    Umgebung.Zufall = std::move(Zufall);
    Umgebung.ProzessEnde = [&Welt] { ++Welt.Prozessenden; };
    return std::make_unique<TMainForm>(std::move(Umgebung));
}

// Counts the ends of games: the payout button is enabled again at the end of each.
class TSpielenden : public QObject
{
public:
    TSpielenden(TMainForm& Fenster, std::function<void(int)> BeimEnde)
        : Fenster(Fenster), BeimEnde(std::move(BeimEnde))
    {
        Fenster.GibMirMeinGeldBtn->installEventFilter(this);
    }
    int Anzahl = 0;

protected:
    bool eventFilter(QObject*, QEvent* Ereignis) override
    {
        if (Ereignis->type() == QEvent::EnabledChange && Fenster.GibMirMeinGeldBtn->isEnabled())
            BeimEnde(++Anzahl);
        return false;
    }

private:
    TMainForm& Fenster;
    std::function<void(int)> BeimEnde;
};

void TestMainFormGeld::ganzerBesuch()
{
    TUmgebung Welt;
    Welt.LegeProgrammAn();
    Welt.SchreibeIni("[Einstellungen]\nSpieldauer=1\nGeschwindigkeitAuszahlung=2\n");
    SchreibeRegistry(TMainForm::KassenSchluessel, "KA", "123 40");
    int Zug = 0;
    auto Fenster = FensterMitZufall(Welt, [&Zug](int n) { return (Zug++ * 5 + 3) % n; });
    QVERIFY(Starte(*Fenster));
    QVERIFY(QTest::qWaitFor([&] { return Fenster->DatumText == "07.12.2026"; }, 5000));

    // The player stops after the third game, or when the credit has run out.
    QString AusgezahltSoll;
    const auto ZahleAus = [&] {
        AusgezahltSoll = Text(BcdPlus(Fenster->SpielGeldSpeicher,
                                      BcdTimes(Fenster->SonderSpiele, BcdFromText("0,2"))));
        QTest::mouseClick(Fenster->GibMirMeinGeldBtn, Qt::LeftButton);
    };
    TSpielenden Spielenden(*Fenster, [&](int Anzahl) {
        if (Anzahl == 3)
            QTimer::singleShot(0, ZahleAus);
    });
    QTest::mouseClick(Fenster->Button_5_Euro, Qt::LeftButton);
    if (Spielenden.Anzahl == 0)
        QSKIP("Das Spiel fehlt: nach der Einzahlung startet AutoStartClick kein Spiel.");
    QTRY_VERIFY_WITH_TIMEOUT(
        Welt.Prozessenden == 1 ||
            (!Fenster->NichtBedienbarImage->isVisible() && Fenster->GibMirMeinGeldBtn->isEnabled()),
        120000);
    if (Welt.Prozessenden == 0)
        ZahleAus();
    QCOMPARE(Welt.Prozessenden, 1);

    QCOMPARE(Fenster->AuszahlungText, AusgezahltSoll);
    const TBcdWert Ausgezahlt = BcdFromText(AusgezahltSoll.toStdString());
    QCOMPARE(LiesRegistry(TMainForm::KassenSchluessel, "KA"),
             Text(BcdMinus(BcdFromText("128,4"), Ausgezahlt)));
    const QString Bilanz = Text(BcdMinus(Ausgezahlt, BcdFromText("5")));
    const QByteArray Ende = Bilanz.startsWith('-') ? Bilanz.mid(1).toLatin1() + " Euro verspielt!"
                                                   : Bilanz.toLatin1() + " Euro gewonnen!";
    QCOMPARE(LiesDatei(Welt.Pfad() + Dateiname),
             Kopf + "Kein Name\xB7\t  5 Euro    14:03:05\t07.12.2026\t\t\r\n" + Trenn +
                 "Kein Name\t\t\t    14:03:05\t07.12.2026\t---\t" + AusgezahltSoll.toLatin1() +
                 " Euro\r\n" + Trenn + " \r\n \r\n" + Trenn +
                 "Kein Name hat am 07.12.2026\t um 14:03:05 Uhr\t" + Ende + "\r\n" + Trenn);
}

VORLIX_TEST_MAIN(TestMainFormGeld)
#include "tst_mainform_geld.moc"
