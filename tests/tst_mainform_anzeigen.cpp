#include "mainform_testhilfe.h"
#include "support/PrivateProfil.h"
#include "tests/testmain.h"
#include "ui/Bedienelemente.h"
#include "ui/Bilder.h"
#include "ui/Meldungen.h"
#include "ui/Zahlenanzeige.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QPixmapCache>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

using namespace Testhilfe;

namespace {

const QString Trennlinie(103, QLatin1Char('_'));
const QString Kopfzeile = QStringLiteral("Name\t\tEinzahlung   Uhrzeit\tDatum\t\t\tAuszahlung");

TBcdWert Betrag(const char* Text)
{
    return BcdFromText(Text);
}

QImage Geldbild(TMainForm& Fenster)
{
    return Fenster.SpielGeldSpeicherAnzeige->Picture().copy();
}

// How many pixels of the rectangle are darker than mid grey.
int DunklePunkte(const QImage& Bild, const QRect& Bereich)
{
    int Anzahl = 0;
    const QRect Innen = Bereich.intersected(Bild.rect());
    for (int y = Innen.top(); y <= Innen.bottom(); ++y)
        for (int x = Innen.left(); x <= Innen.right(); ++x)
            if (qGray(Bild.pixel(x, y)) < 128)
                ++Anzahl;
    return Anzahl;
}

bool NurWeiss(const QImage& Bild, const QRect& Bereich)
{
    const QRect Innen = Bereich.intersected(Bild.rect());
    for (int y = Innen.top(); y <= Innen.bottom(); ++y)
        for (int x = Innen.left(); x <= Innen.right(); ++x)
            if ((Bild.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                return false;
    return !Innen.isEmpty();
}

bool GleicherBereich(const QImage& A, const QImage& B, const QRect& Bereich)
{
    return A.copy(Bereich) == B.copy(Bereich);
}

} // namespace

class TestMainFormAnzeigen : public TZeitrafferTest
{
    Q_OBJECT

private slots:
    void umbrocheneMeldungStehtMittigUeberDemFenster();

    void loeschenUndSchreibenLaesstKeineAlteZifferStehen_data();
    void loeschenUndSchreibenLaesstKeineAlteZifferStehen();
    void ueberschreibenOhneLoeschenLaesstResteStehen();
    void loeschenMachtDenBereichWeissUndLaesstDenRestStehen();
    void textBeginntAmUrsprung();
    void sonderspieleWerdenZweistelligGeschrieben_data();
    void sonderspieleWerdenZweistelligGeschrieben();

    void uhrzeitUndDatum_data();
    void uhrzeitUndDatum();
    void uhrTicktJedeSekunde();

    void ersteDarstellungBereitetDieMaschineVor();
    void ersteDarstellungLaeuftNurEinmal();
    void risikobildFolgtDemRisikoschalter();
    void wechselndePfeileFuellenDenBildspeicherNicht();

    void startklang_data();
    void startklang();
    void startklangKommtNachEinerHalbenSekunde();

    void hilfeOeffnetDasDokumentImProgrammordner();
    void logoOeffnetDieHerstellerseite();
    void ohneBrowserKommtGenauEineMeldung();
};

void TestMainFormAnzeigen::loeschenUndSchreibenLaesstKeineAlteZifferStehen_data()
{
    QTest::addColumn<QByteArray>("Alt");
    QTest::addColumn<QByteArray>("Neu");
    QTest::addColumn<QString>("Text");
    QTest::newRow("9,80 nach 10,00") << QByteArray("10") << QByteArray("9,8") << "9,80";
    QTest::newRow("0,00 nach 1234,50") << QByteArray("1234,5") << QByteArray("0") << "0,00";
    QTest::newRow("12,30 nach 12,30") << QByteArray("12,3") << QByteArray("12,3") << "12,30";
}

void TestMainFormAnzeigen::loeschenUndSchreibenLaesstKeineAlteZifferStehen()
{
    QFETCH(QByteArray, Alt);
    QFETCH(QByteArray, Neu);
    QFETCH(QString, Text);
    TUmgebung Welt;
    auto Fenster = Welt.NeuesFenster();
    Fenster->SpielGeldSpeicher = Betrag(Alt.constData());
    Fenster->ZeigeGuthaben(TMainForm::TAnzeigeArt::Darueber);
    Fenster->AnzeigeLoeschen();
    Fenster->SpielGeldSpeicher = Betrag(Neu.constData());
    Fenster->ZeigeGuthaben(TMainForm::TAnzeigeArt::Darueber);
    QCOMPARE(Fenster->GeldAnzeige().Geschrieben(), QStringList{Text});

    auto Frisch = Welt.NeuesFenster();
    Frisch->AnzeigeLoeschen();
    Frisch->SpielGeldSpeicher = Betrag(Neu.constData());
    Frisch->ZeigeGuthaben(TMainForm::TAnzeigeArt::Darueber);
    QCOMPARE(Geldbild(*Fenster), Geldbild(*Frisch));
}

void TestMainFormAnzeigen::ueberschreibenOhneLoeschenLaesstResteStehen()
{
    TUmgebung Welt;
    auto Fenster = Welt.NeuesFenster();
    Fenster->AnzeigeLoeschen();
    Fenster->SpielGeldSpeicher = Betrag("10");
    Fenster->ZeigeGuthaben(TMainForm::TAnzeigeArt::Darueber);
    Fenster->SpielGeldSpeicher = Betrag("9,8");
    Fenster->ZeigeGuthaben(TMainForm::TAnzeigeArt::Darueber);
    QCOMPARE(Fenster->GeldAnzeige().Geschrieben(), (QStringList{"10,00", "9,80"}));

    auto Frisch = Welt.NeuesFenster();
    Frisch->AnzeigeLoeschen();
    Frisch->SpielGeldSpeicher = Betrag("9,8");
    Frisch->ZeigeGuthaben(TMainForm::TAnzeigeArt::Darueber);
    // The last zero of 10,00 stands beyond the shorter 9,80.
    QVERIFY(Geldbild(*Fenster) != Geldbild(*Frisch));
}

void TestMainFormAnzeigen::loeschenMachtDenBereichWeissUndLaesstDenRestStehen()
{
    TUmgebung Welt;
    auto Fenster = Welt.NeuesFenster();
    const QImage Vorher = Geldbild(*Fenster);
    QVERIFY(DunklePunkte(Vorher, {30, 3, 60, 25}) > 0); // the 0,0 of the start
    Fenster->AnzeigeLoeschen();
    const QImage Nachher = Geldbild(*Fenster);
    const QRect Bereich = Fenster->GeldAnzeige().Loeschbereich(16);
    QVERIFY(NurWeiss(Nachher, Bereich));
    QVERIFY(GleicherBereich(Vorher, Nachher, {0, 0, 30, 34}));
    QCOMPARE(Fenster->GeldAnzeige().Farbe(), QColor(Qt::black));
    QVERIFY(Fenster->GeldAnzeige().Geschrieben().isEmpty());

    Fenster->AnzeigeSonderspieleLoeschen();
    const QImage Sonder = Fenster->SonderSpieleAnzeige->Picture();
    QVERIFY(NurWeiss(Sonder, Fenster->SonderAnzeige().Loeschbereich(8)));
    // What the start wrote and the erasures stay inside the white field: the frame is as painted.
    for (TBild* Anzeige : {Fenster->SpielGeldSpeicherAnzeige, Fenster->SonderSpieleAnzeige}) {
        const QImage Gemalt =
            Bilder::Lade(Anzeige->objectName(), {}, {}).convertToFormat(QImage::Format_RGB32);
        const QImage Jetzt = Anzeige->Picture().convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < Gemalt.height(); ++y)
            for (int x = 0; x < Gemalt.width(); ++x)
                QVERIFY(qGray(Gemalt.pixel(x, y)) >= 240 ||
                        Gemalt.pixel(x, y) == Jetzt.pixel(x, y));
    }
}

void TestMainFormAnzeigen::textBeginntAmUrsprung()
{
    TUmgebung Welt;
    auto Fenster = Welt.NeuesFenster();
    Fenster->AnzeigeLoeschen();
    const QImage Leer = Geldbild(*Fenster);
    Fenster->SpielGeldSpeicher = Betrag("7");
    Fenster->ZeigeGuthaben(TMainForm::TAnzeigeArt::Darueber);
    const QImage Bild = Geldbild(*Fenster);
    QVERIFY(DunklePunkte(Bild, {30, 3, 100, 28}) > 20);
    QVERIFY(GleicherBereich(Leer, Bild, {0, 0, 30, 34}));
    QVERIFY(GleicherBereich(Leer, Bild, {0, 0, 133, 3}));
}

void TestMainFormAnzeigen::sonderspieleWerdenZweistelligGeschrieben_data()
{
    QTest::addColumn<QByteArray>("Wert");
    QTest::addColumn<QString>("Text");
    QTest::newRow("0") << QByteArray("0") << "00";
    QTest::newRow("5") << QByteArray("5") << "05";
    QTest::newRow("123") << QByteArray("123") << "123";
}

void TestMainFormAnzeigen::sonderspieleWerdenZweistelligGeschrieben()
{
    QFETCH(QByteArray, Wert);
    QFETCH(QString, Text);
    TUmgebung Welt;
    auto Fenster = Welt.NeuesFenster();
    Fenster->AnzeigeSonderspieleLoeschen();
    Fenster->SonderSpiele = Betrag(Wert.constData());
    Fenster->ZeigeSonderspiele(TMainForm::TAnzeigeArt::Darueber);
    QCOMPARE(Fenster->SonderAnzeige().Geschrieben(), QStringList{Text});
}

void TestMainFormAnzeigen::uhrzeitUndDatum_data()
{
    QTest::addColumn<QDateTime>("Zeitpunkt");
    QTest::addColumn<QString>("Uhrzeit");
    QTest::addColumn<QString>("Datum");
    QTest::newRow("Nachmittag") << QDateTime(QDate(2026, 12, 7), QTime(14, 3, 5)) << "14:03:05"
                                << "07.12.2026";
    QTest::newRow("Morgen") << QDateTime(QDate(2026, 1, 2), QTime(9, 5, 3)) << "09:05:03"
                            << "02.01.2026";
    QTest::newRow("Mitternacht") << QDateTime(QDate(2029, 2, 28), QTime(0, 0, 0)) << "00:00:00"
                                 << "28.02.2029";
    QTest::newRow("kurz davor") << QDateTime(QDate(2019, 12, 31), QTime(23, 59, 59)) << "23:59:59"
                                << "31.12.2019";
}

void TestMainFormAnzeigen::uhrzeitUndDatum()
{
    QFETCH(QDateTime, Zeitpunkt);
    QFETCH(QString, Uhrzeit);
    QFETCH(QString, Datum);
    TUmgebung Welt;
    Welt.Uhrzeit = Zeitpunkt;
    auto Fenster = Welt.NeuesFenster();
    Fenster->UhrzeitTimerTimer();
    QCOMPARE(Fenster->Label2->text(), Uhrzeit);
    QCOMPARE(Fenster->UhrzeitText, Uhrzeit);
    QCOMPARE(Fenster->DatumText, Datum);
}

void TestMainFormAnzeigen::uhrTicktJedeSekunde()
{
    TUmgebung Welt;
    auto Fenster = Welt.NeuesFenster();
    QCOMPARE(Fenster->UhrzeitTimer->interval(), 10); // 1000 ms at the factor 0.01
    QTRY_COMPARE(Fenster->Label2->text(), QString("14:03:05"));
    Welt.Uhrzeit = Welt.Uhrzeit.addSecs(1);
    QTRY_COMPARE(Fenster->Label2->text(), QString("14:03:06"));
    QCOMPARE(Fenster->UhrzeitText, QString("14:03:06"));
}

void TestMainFormAnzeigen::ersteDarstellungBereitetDieMaschineVor()
{
    TUmgebung Welt;
    Welt.LegeProgrammAn();
    SchreibeRegistry(TMainForm::KassenSchluessel, "KA", "250 75");
    auto Fenster = Welt.NeuesFenster();
    Fenster->AuszahlungText = "12,40";
    QVERIFY(!Fenster->NichtBedienbarImage->isHidden());
    QVERIFY(Fenster->ErsteDarstellung);
    QVERIFY(Starte(*Fenster));
    QVERIFY(!Fenster->ErsteDarstellung);
    QVERIFY(Fenster->NichtBedienbarImage->isHidden());
    QVERIFY(!Fenster->ImageRisiko->isHidden());
    QCOMPARE(Fenster->AutomatenGeldspeicherAnzeige->text(), QString("250,75"));
    QVERIFY(Fenster->AuszahlungText.isEmpty());
    QCOMPARE(Fenster->LogZeilen(), (QStringList{Kopfzeile, Trennlinie}));
    QCOMPARE(Fenster->Memo1->toPlainText(), Kopfzeile + "\n" + Trennlinie);
}

void TestMainFormAnzeigen::ersteDarstellungLaeuftNurEinmal()
{
    TUmgebung Welt;
    Welt.LegeProgrammAn();
    QFile Klang(Welt.Pfad() + "Muenze.WAV");
    QVERIFY(Klang.open(QIODevice::WriteOnly));
    auto Fenster = Welt.NeuesFenster();
    QVERIFY(Starte(*Fenster));
    QCOMPARE(Welt.Gespielt.size(), 1);
    Fenster->HaengeLogZeilenAn({"Zeile"});
    Fenster->NichtBedienbarImage->show();
    Fenster->repaint();
    QTest::qWait(30);
    QCOMPARE(Fenster->LogZeilen(), (QStringList{Kopfzeile, Trennlinie, "Zeile"}));
    QVERIFY(!Fenster->NichtBedienbarImage->isHidden());
    QCOMPARE(Welt.Gespielt.size(), 1);
}

void TestMainFormAnzeigen::risikobildFolgtDemRisikoschalter()
{
    TUmgebung Welt;
    auto Fenster = Welt.NeuesFenster();
    Fenster->RisikoEin = false;
    QVERIFY(Starte(*Fenster));
    QVERIFY(Fenster->ImageRisiko->isHidden());
}

void TestMainFormAnzeigen::startklang_data()
{
    QTest::addColumn<QByteArray>("Ini");
    QTest::addColumn<bool>("DateiDa");
    QTest::addColumn<bool>("Geraet");
    QTest::addColumn<bool>("Gespielt");
    QTest::addColumn<bool>("Meldung");
    QTest::addColumn<bool>("SoundDanach");
    QTest::newRow("an, mit Geraet") << QByteArray() << true << true << true << false << true;
    QTest::newRow("aus") << QByteArray("[Einstellungen]\nSound=0\n") << true << true << false
                         << false << false;
    QTest::newRow("Datei fehlt") << QByteArray() << false << true << false << false << true;
    QTest::newRow("kein Geraet") << QByteArray() << true << false << false << true << false;
    QTest::newRow("kein Geraet, keine Datei")
        << QByteArray() << false << false << false << false << true;
    QTest::newRow("aus, kein Geraet")
        << QByteArray("[Einstellungen]\nSound=0\n") << true << false << false << false << false;
}

void TestMainFormAnzeigen::startklang()
{
    QFETCH(QByteArray, Ini);
    QFETCH(bool, DateiDa);
    QFETCH(bool, Geraet);
    QFETCH(bool, Gespielt);
    QFETCH(bool, Meldung);
    QFETCH(bool, SoundDanach);
    TUmgebung Welt;
    Welt.LegeProgrammAn();
    if (!Ini.isEmpty())
        Welt.SchreibeIni(Ini);
    if (DateiDa) {
        QFile Klang(Welt.Pfad() + "Muenze.WAV");
        QVERIFY(Klang.open(QIODevice::WriteOnly));
    }
    Welt.Audiogeraet = Geraet;
    auto Fenster = Welt.NeuesFenster();
    QVERIFY(Starte(*Fenster));
    QCOMPARE(Welt.Gespielt,
             Gespielt ? QStringList{QDir::currentPath() + "/Muenze.WAV"} : QStringList{});
    QCOMPARE(Welt.Meldungen.size(), Meldung ? 1 : 0);
    if (Meldung) {
        QCOMPARE(Welt.Meldungen[0].Art, QMessageBox::Critical);
        QCOMPARE(Welt.Meldungen[0].Text, QString("Es ist kein Audiogerät angeschlossen! Option: "
                                                 "Geräusche hören wird deaktiviert."));
        QString Gespeichert;
        PrivateProfil::LiesText("Einstellungen", "Sound", "", Gespeichert, 255,
                                Welt.Pfad() + "Vorlix.ini");
        QCOMPARE(Gespeichert, QString("0"));
    }
    QCOMPARE(Fenster->KommentarHoeren->isChecked(), SoundDanach);
}

void TestMainFormAnzeigen::startklangKommtNachEinerHalbenSekunde()
{
    Zeitraffer::SetzeFaktor(1.0);
    TUmgebung Welt;
    Welt.LegeProgrammAn();
    QFile Klang(Welt.Pfad() + "Muenze.WAV");
    QVERIFY(Klang.open(QIODevice::WriteOnly));
    auto Fenster = Welt.NeuesFenster();
    QElapsedTimer Uhr;
    QSignalSpy Gezeichnet(Fenster.get(), &TMainForm::ErstmalsGezeichnet);
    QTimer Beobachter;
    qint64 Gespielt = -1;
    connect(&Beobachter, &QTimer::timeout, [&] {
        if (Gespielt < 0 && !Welt.Gespielt.isEmpty())
            Gespielt = Uhr.elapsed();
    });
    Beobachter.start(5);
    Uhr.start();
    QVERIFY(Starte(*Fenster));
    QCOMPARE(Gezeichnet.count(), 1);
    QTRY_VERIFY(Gespielt >= 0);
    QVERIFY2(Gespielt >= 500, qPrintable(QString::number(Gespielt)));
}

void TestMainFormAnzeigen::hilfeOeffnetDasDokumentImProgrammordner()
{
    TUmgebung Welt;
    SchreibeRegistry(InstallSchluessel, "InstallPfad", "/opt/vorlix/");
    auto Fenster = Welt.NeuesFenster();
    QTest::mouseClick(Fenster->HilfeButton, Qt::LeftButton);
    QCOMPARE(Welt.Geoeffnet, QList<QUrl>{QUrl::fromLocalFile("/opt/vorlix/Vorlix-Hilfe.pdf")});
    QVERIFY(Welt.Meldungen.isEmpty());
}

void TestMainFormAnzeigen::logoOeffnetDieHerstellerseite()
{
    TUmgebung Welt;
    auto Fenster = Welt.NeuesFenster();
    QTest::mouseClick(Fenster->LogoImage, Qt::LeftButton);
    QCOMPARE(Welt.Geoeffnet, QList<QUrl>{QUrl(VORLIX_HERSTELLER_URL)});
    QVERIFY(Welt.Meldungen.isEmpty());
}

void TestMainFormAnzeigen::ohneBrowserKommtGenauEineMeldung()
{
    TUmgebung Welt;
    Welt.OeffnenGelingt = false;
    auto Fenster = Welt.NeuesFenster();
    QTest::mouseClick(Fenster->LogoImage, Qt::LeftButton);
    QCOMPARE(Welt.Meldungen.size(), 1);
    QCOMPARE(Welt.Meldungen[0].Text, QString("Keinen Browser gefunden"));
}

void TestMainFormAnzeigen::umbrocheneMeldungStehtMittigUeberDemFenster()
{
    QWidget Fenster;
    Fenster.setGeometry(0, 0, 1600, 900);
    Fenster.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Fenster));
    QRect Lage;
    QTimer::singleShot(0, [&Lage] {
        if (QWidget* Box = QApplication::activeModalWidget()) {
            Lage = Box->frameGeometry();
            Box->close();
        }
    });
    TDialogMeldungen().Zeige(&Fenster, QMessageBox::Warning,
                             QString("Ein Text, der umbrechen muss. ").repeated(30),
                             QMessageBox::Ok);
    QVERIFY(Lage.isValid());
    QVERIFY2(qAbs(Lage.center().x() - Fenster.frameGeometry().center().x()) <= 2,
             qPrintable(QString::number(Lage.center().x())));
    QCOMPARE(Lage.top(), Fenster.frameGeometry().top() + 100);
}

// Every game turns the arrows red and blinks them green; Qt keeps what it drew of a button's
// icon in its global pixmap cache, so a new pixmap per change would crowd out everything else.
void TestMainFormAnzeigen::wechselndePfeileFuellenDenBildspeicherNicht()
{
    TUmgebung Welt;
    Welt.LegeProgrammAn();
    auto Fenster = Welt.NeuesFenster();
    QVERIFY(Starte(*Fenster));
    const int Grenze = QPixmapCache::cacheLimit();
    QPixmapCache::setCacheLimit(256); // KB
    QPixmap Wache(64, 64);
    Wache.fill(Qt::blue);
    QPixmapCache::insert(QStringLiteral("Wache"), Wache);
    for (int Spiel = 0; Spiel < 100; ++Spiel)
        for (const TBild* Farbe : {Fenster->PfeilRot, Fenster->PfeilGruen})
            for (TBildKnopf* Pfeil :
                 {Fenster->PfeilLinks, Fenster->PfeilMitte, Fenster->PfeilRechts}) {
                Pfeil->SetGlyph(Farbe->Picture());
                Pfeil->grab();
            }
    QPixmap Gefunden;
    const bool WacheNochDa = QPixmapCache::find(QStringLiteral("Wache"), &Gefunden);
    QPixmapCache::setCacheLimit(Grenze);
    QVERIFY(WacheNochDa);
}

VORLIX_TEST_MAIN(TestMainFormAnzeigen)
#include "tst_mainform_anzeigen.moc"
