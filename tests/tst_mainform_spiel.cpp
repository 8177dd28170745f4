// Games played in the window under the time-lapse factor with scripted draws: what a game costs,
// where the discs come to rest, the start and stop buttons, the game duration, the invalid game
// and a long chain of games.
#include "mainform_testhilfe.h"
#include "pruefstand/BeobachtetesFenster.h"
#include "support/Auswertung.h"
#include "tests/testmain.h"
#include "ui/Bedienelemente.h"
#include "ui/ImageWindow.h"
#include "ui/Zahlenanzeige.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QSlider>

using namespace Testhilfe;

namespace {

struct TDrehbild
{
    int Scheibe; // 0 left, 1 middle, 2 right
    int Winkel;
    std::chrono::nanoseconds Zeit{0};
};

// What a window reports of its games, and the draws it is given.
struct TSpielprotokoll
{
    std::function<int(int n)> Ziehe = [](int) { return 0; };
    std::function<void(const TDrehbild&)> BeiBild;
    QList<int> Ziehungen; // the n of each draw
    QList<TDrehbild> Bilder;
    QList<const void*> Stapel;
    QElapsedTimer Uhr;

    int LetzterWinkel(int Scheibe) const
    {
        int Winkel = -1;
        for (const TDrehbild& Bild : Bilder)
            if (Bild.Scheibe == Scheibe)
                Winkel = Bild.Winkel;
        return Winkel;
    }
    // The draws of the discs, without the risk game's that may follow the right disc's.
    QList<int> Scheibenziehungen() const { return Ziehungen.mid(0, Ziehungen.lastIndexOf(12) + 1); }
    int Anzahl(int Scheibe) const
    {
        return int(std::count_if(Bilder.begin(), Bilder.end(),
                                 [Scheibe](const TDrehbild& B) { return B.Scheibe == Scheibe; }));
    }
};

std::unique_ptr<TMainForm> Spielfenster(TUmgebung& Welt, TSpielprotokoll& P)
{
    Welt.Zufall = [&P](int n) {
        P.Ziehungen << n;
        return P.Ziehe(n);
    };
    auto Fenster = std::make_unique<TBeobachtetesFenster>(Welt.Fensterumgebung());
    Fenster->Drehbild = [&P](int Scheibe, int Winkel) {
        const TDrehbild Bild{Scheibe, Winkel, std::chrono::nanoseconds(P.Uhr.nsecsElapsed())};
        P.Bilder << Bild; // a copy is handed on: a re-spin in the handler adds frames
        if (P.BeiBild)
            P.BeiBild(Bild);
    };
    Fenster->Spielbeginn = [&P](const void* Stelle) { P.Stapel << Stelle; };
    // The tests alone decide when the window loses its activation; the offscreen platform's own
    // changes, which come whenever a test window is shown or closed, would race with them.
    QObject::disconnect(qApp, &QGuiApplication::applicationStateChanged, Fenster.get(), nullptr);
    if (Starte(*Fenster)) {
        Fenster->TrackBar1->setValue(1);
        Fenster->AutoStartCheckBox->setChecked(false);
        QApplication::setActiveWindow(Fenster.get());
    }
    P.Uhr.start();
    return Fenster;
}

// Draws per disc: n = 45 left, 60 middle, 12 right.
std::function<int(int)> Ziehungen(int Links, int Mitte, int Rechts)
{
    return [=](int n) { return n == 45 ? Links : n == 60 ? Mitte : Rechts; };
}

QString Text(const TBcdWert& Wert)
{
    return QString::fromStdString(BcdToGeneral(Wert));
}

// A key pressed by the player while a disc turns. Enter animates the click, which lands 100 ms
// later in real time, so the player's press is waited for.
void DrueckeImFokus(Qt::Key Taste)
{
    QTest::keyClick(QApplication::focusWidget(), Taste);
    if (Taste == Qt::Key_Return)
        QTest::qWait(150);
}

} // namespace

class TestMainFormSpiel : public TZeitrafferTest
{
    Q_OBJECT

private slots:
    void scheibenRuhenAufDemGezogenenSymbol_data();
    void scheibenRuhenAufDemGezogenenSymbol();
    void jederRuhewinkelZahltBeiJederScheibengroesse_data();
    void jederRuhewinkelZahltBeiJederScheibengroesse();
    void tastenErreichenImSpielNurStartUndStop_data();
    void tastenErreichenImSpielNurStartUndStop();
    void spielKostetSonderspielOderZwanzigCent_data();
    void spielKostetSonderspielOderZwanzigCent();
    void stopHaeltRechteScheibeAmLetztenWinkel_data();
    void stopHaeltRechteScheibeAmLetztenWinkel();
    void startknopfDrehtLinksEinmalGratisNach_data();
    void startknopfDrehtLinksEinmalGratisNach();
    void spieldauerFolgtDemRegler_data();
    void spieldauerFolgtDemRegler();
    void deaktivierungMachtSpielUngueltig_data();
    void deaktivierungMachtSpielUngueltig();
    void dreihundertSpieleVertiefenDenStapelNicht();
    void schraubeStehtNachZweiUndSechsSchrittenSenkrecht();
    void spinbildWechseltGespiegeltUndGerade();
};

void TestMainFormSpiel::scheibenRuhenAufDemGezogenenSymbol_data()
{
    QTest::addColumn<QList<int>>("ziehung");
    QTest::addColumn<QList<int>>("winkel");
    QTest::addColumn<QList<int>>("codes");
    // left: largest multiple of 135 below 45 r + 100; middle 45 (r + 2); right 45 (r + 17).
    QTest::newRow("links r = 0, rechts r = 11")
        << QList<int>{0, 0, 11} << QList<int>{0, 90, 1260} << QList<int>{1, 3, 5};
    QTest::newRow("Hoechstwerte") << QList<int>{44, 59, 0} << QList<int>{2025, 2745, 765}
                                  << QList<int>{6, 6, 2};
    QTest::newRow("links knapp ueber 135")
        << QList<int>{1, 5, 7} << QList<int>{135, 315, 1080} << QList<int>{4, 8, 1};
}

void TestMainFormSpiel::scheibenRuhenAufDemGezogenenSymbol()
{
    QFETCH(QList<int>, ziehung);
    QFETCH(QList<int>, winkel);
    QFETCH(QList<int>, codes);
    TUmgebung Welt;
    TSpielprotokoll P;
    P.Ziehe = Ziehungen(ziehung[0], ziehung[1], ziehung[2]);
    auto Fenster = Spielfenster(Welt, P);
    Fenster->SpielGeldSpeicher = BcdFromText("0,2");
    Fenster->AutoStartClick();

    QCOMPARE(P.Scheibenziehungen(), (QList<int>{45, 60, 12}));
    QCOMPARE((QList<int>{P.LetzterWinkel(0), P.LetzterWinkel(1), P.LetzterWinkel(2)}), winkel);
    QCOMPARE((QList<int>{Fenster->SymbolLinks, Fenster->SymbolMitte, Fenster->SymbolRechts}),
             codes);
    // The resting pictures keep the artwork's size; the discs show their target pictures.
    QCOMPARE(Fenster->ZielbildLinks.size(), Fenster->ImageOriginal->Picture().size());
    QCOMPARE(Fenster->ScheibeRechts->Picture(), Fenster->ZielbildRechts);
    QVERIFY(Fenster->ScheibeMitte->Darueber().isNull());
    QVERIFY(!Fenster->SpielLaeuft);
}

void TestMainFormSpiel::jederRuhewinkelZahltBeiJederScheibengroesse_data()
{
    QTest::addColumn<int>("scheibe");
    QTest::addColumn<QList<int>>("ruhewinkel");
    // From the draws: left the largest multiple of 135 below 45 r + 100, middle 45 (r + 2), right
    // 45 (r + 17), or any multiple of 45 from 90 on where the stop button stopped it.
    QList<int> Winkel[3];
    for (int r = 0; r < 60; ++r) {
        if (r < 45 && !Winkel[0].contains((45 * r + 99) / 135 * 135))
            Winkel[0] << (45 * r + 99) / 135 * 135;
        Winkel[1] << 45 * (r + 2);
        if (r <= 26)
            Winkel[2] << 45 * (r + 2);
    }
    int Scheibe = 0;
    for (const char* Name : {"links", "mitte", "rechts"})
        QTest::newRow(Name) << Scheibe << Winkel[Scheibe++];
}

void TestMainFormSpiel::jederRuhewinkelZahltBeiJederScheibengroesse()
{
    QFETCH(int, scheibe);
    QFETCH(QList<int>, ruhewinkel);
    TUmgebung Welt;
    TSpielprotokoll P;
    auto F = Spielfenster(Welt, P);
    TImageWindow* Steuerelement =
        QList{F->ScheibeLinks, F->ScheibeMitte, F->ScheibeRechts}[scheibe];
    QImage& Ziel = *QList{&F->ZielbildLinks, &F->ZielbildMitte, &F->ZielbildRechts}[scheibe];
    int& Symbol = *QList{&F->SymbolLinks, &F->SymbolMitte, &F->SymbolRechts}[scheibe];
    const auto Drehe = QList{&TMainForm::RotateBitmapLinks, &TMainForm::RotateBitmapMitte,
                             &TMainForm::RotateBitmapRechts}[scheibe];
    const QImage Vorlage = F->ImageOriginal->Picture().convertToFormat(QImage::Format_RGB888);
    QList<QImage> Gedreht;
    for (int Winkel : ruhewinkel) {
        (F.get()->*Drehe)(Vorlage, 125, 125, Winkel);
        Gedreht << Ziel;
    }
    // From the smallest size to beyond the largest the size dialog reaches on 3840 x 2160 (about
    // 860 in portrait); rounding may make a disc a pixel higher or lower than wide.
    for (int Breite = 1; Breite <= 1000; ++Breite) {
        for (int Hoehe = qMax(1, Breite - 1); Hoehe <= Breite + 1; ++Hoehe) {
            Steuerelement->resize(Breite, Hoehe);
            for (int i = 0; i < Gedreht.size(); ++i) {
                Ziel = Gedreht[i];
                Symbol = 0;
                F->ZeigeRuhebild(TMainForm::TScheibe(scheibe));
                F->CheckMarker();
                // The artwork has code 1 at the bottom, then one code more every 45 degrees.
                if (Symbol != ruhewinkel[i] / 45 % 8 + 1 || Steuerelement->Picture() != Ziel)
                    QFAIL(qPrintable(QStringLiteral("%1 x %2, %3 Grad: Symbol %4")
                                         .arg(Breite)
                                         .arg(Hoehe)
                                         .arg(ruhewinkel[i])
                                         .arg(Symbol)));
            }
        }
    }
}

void TestMainFormSpiel::tastenErreichenImSpielNurStartUndStop_data()
{
    QTest::addColumn<int>("taste");
    QTest::addColumn<QString>("angeklickt"); // what the player clicked before the game
    for (int Taste : {int(Qt::Key_Space), int(Qt::Key_Return)})
        for (const char* Name : {"", "KommentarHoeren", "Edit1", "ButtonRisiko", "HilfeButton"})
            QTest::addRow("%s %s", Taste == Qt::Key_Space ? "Leertaste" : "Enter", Name)
                << Taste << QString::fromLatin1(Name);
}

void TestMainFormSpiel::tastenErreichenImSpielNurStartUndStop()
{
    QFETCH(int, taste);
    QFETCH(QString, angeklickt);
    TUmgebung Welt;
    TSpielprotokoll P;
    P.Ziehe = Ziehungen(0, 59, 0); // the middle disc turns long after its start button went
    auto F = Spielfenster(Welt, P);
    if (auto* W = angeklickt.isEmpty() ? nullptr : F->findChild<QWidget*>(angeklickt)) {
        const bool Schalter = qobject_cast<QCheckBox*>(W) || W == F->ButtonRisiko;
        for (int Klick = 0; Klick < (Schalter ? 2 : 1); ++Klick) // twice: as it was
            QTest::mouseClick(W, Qt::LeftButton, {}, {4, W->height() / 2});
    }
    const QByteArray Ini = Welt.LiesIni();
    const qsizetype Geoeffnet = Welt.Geoeffnet.size();
    int Gedrueckt = 0;
    P.BeiBild = [&](const TDrehbild&) {
        if (F->StartBtnGruen->isVisible() || F->StopBtnGruen->isVisible())
            return;
        ++Gedrueckt;
        QTest::keyClick(F->windowHandle(), Qt::Key(taste));
    };
    F->SpielGeldSpeicher = BcdFromText("0,2");
    F->AutoStartClick();

    QVERIFY(Gedrueckt > 20);
    QCOMPARE(Welt.LiesIni(), Ini);
    QVERIFY(F->KommentarHoeren->isChecked() && F->LogDateiSpeichern->isChecked() && F->RisikoEin);
    QCOMPARE(F->Edit1->text(), QStringLiteral("Kein Name"));
    QCOMPARE(Welt.Geoeffnet.size(), Geoeffnet);
    QCOMPARE(Welt.Prozessenden, 0);
}

void TestMainFormSpiel::spielKostetSonderspielOderZwanzigCent_data()
{
    QTest::addColumn<QString>("guthaben");
    QTest::addColumn<QString>("sonderspiele");
    QTest::addColumn<int>("spiele");
    QTest::addColumn<QString>("guthabenDanach");
    QTest::addColumn<QString>("sonderspieleDanach");
    QTest::addColumn<QString>("meldung");
    QTest::addColumn<QString>("anzeige"); // the credit display; untouched it shows "0,0"
    const QString KeinGeld = QStringLiteral("1 Spiel kostet 20 Cent");
    const QString ZuWenig = QStringLiteral("Betrag reicht nicht! 1 Spiel = 20 Cent");
    const struct
    {
        const char* Name;
        const char *Guthaben, *Sonderspiele;
        int Spiele;
        const char *GuthabenDanach, *SonderspieleDanach;
        QString Meldung;
        const char* Anzeige;
    } Zeilen[] = {
        {"kein Geld", "0", "0", 0, "0", "0", KeinGeld, "0,00"},
        {"10 Cent", "0,1", "0", 0, "0,1", "0", ZuWenig, "0,10"},
        {"genau 20 Cent", "0,2", "0", 1, "0", "0", KeinGeld, "0,00"},
        {"50 Cent", "0,5", "0", 2, "0,1", "0", ZuWenig, "0,10"},
        // The last game shows the middle 3 and loses its risk game.
        {"Sonderspiele zuerst", "5", "3", 3, "5", "0", "Nichts!", "0,0"},
    };
    for (const auto& Z : Zeilen)
        QTest::newRow(Z.Name) << QString(Z.Guthaben) << QString(Z.Sonderspiele) << Z.Spiele
                              << QString(Z.GuthabenDanach) << QString(Z.SonderspieleDanach)
                              << Z.Meldung << QString(Z.Anzeige);
}

void TestMainFormSpiel::spielKostetSonderspielOderZwanzigCent()
{
    QFETCH(QString, guthaben);
    QFETCH(QString, sonderspiele);
    QFETCH(int, spiele);
    TUmgebung Welt;
    TSpielprotokoll P;
    auto Fenster = Spielfenster(Welt, P);
    Fenster->SpielGeldSpeicher = BcdFromText(guthaben.toStdString());
    Fenster->SonderSpiele = BcdFromText(sonderspiele.toStdString());
    Fenster->NichtBedienbarImage->show();
    int Gespielt = 0;
    // Each game that the money pays for spins the left disc from angle 0 once.
    P.BeiBild = [&](const TDrehbild& Bild) {
        if (Bild.Scheibe == 0 && Bild.Winkel == 0 && ++Gespielt == spiele)
            Fenster->AutoStartCheckBox->setChecked(false);
    };
    Fenster->AutoStartCheckBox->setChecked(spiele > 0);
    Fenster->AutoStartClick();
    QTRY_COMPARE(Gespielt, spiele);
    QTRY_VERIFY(!Fenster->SpielLaeuft);
    Fenster->AutoStartCheckBox->setChecked(false);
    if (QTest::currentDataTag() != QByteArray("Sonderspiele zuerst"))
        Fenster->AutoStartClick(); // the game that the money no longer covers

    QTEST(Text(Fenster->SpielGeldSpeicher), "guthabenDanach");
    QTEST(Text(Fenster->SonderSpiele), "sonderspieleDanach");
    QTEST(Fenster->Label1->Caption(), "meldung");
    QTEST(Fenster->GeldAnzeige().Geschrieben().last().trimmed(), "anzeige");
    QCOMPARE(Fenster->NichtBedienbarImage->isVisible(),
             QTest::currentDataTag() == QByteArray("Sonderspiele zuerst"));
    QCOMPARE(Welt.Meldungen.size(), 0);
}

void TestMainFormSpiel::stopHaeltRechteScheibeAmLetztenWinkel_data()
{
    QTest::addColumn<int>("taste");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Leertaste") << int(Qt::Key_Space);
}

void TestMainFormSpiel::stopHaeltRechteScheibeAmLetztenWinkel()
{
    QFETCH(int, taste);
    TUmgebung Welt;
    TSpielprotokoll P;
    P.Ziehe = Ziehungen(0, 0, 11);
    auto Fenster = Spielfenster(Welt, P);
    Fenster->SpielGeldSpeicher = BcdFromText("0,2");
    QList<bool> StopSichtbar;
    P.BeiBild = [&](const TDrehbild& Bild) {
        if (Bild.Scheibe != 2)
            return;
        StopSichtbar << (Fenster->StopBtnGruen->isVisible() && Fenster->StopBtnGruen->hasFocus());
        if (Bild.Winkel == 180)
            DrueckeImFokus(Qt::Key(taste));
    };
    Fenster->AutoStartClick();

    QCOMPARE(P.LetzterWinkel(2), 180);
    QCOMPARE(Fenster->SymbolRechts, 5);
    QCOMPARE(Fenster->ScheibeRechts->Picture(), Fenster->ZielbildRechts);
    for (int i = 0; i < StopSichtbar.size(); ++i) {
        const int Winkel = P.Bilder[P.Bilder.size() - StopSichtbar.size() + i].Winkel;
        QCOMPARE(StopSichtbar[i], Winkel > 89);
    }
    QVERIFY(!Fenster->StopBtnGruen->isVisible());
}

void TestMainFormSpiel::startknopfDrehtLinksEinmalGratisNach_data()
{
    QTest::addColumn<int>("mitte");      // middle draw
    QTest::addColumn<int>("angebotBis"); // the start button is offered below this angle
    QTest::addColumn<int>("taste");      // 0: not pressed
    QTest::newRow("Angebot bis 600") << 59 << 600 << 0;
    QTest::newRow("Angebot bis Endanflug") << 0 << 90 << 0;
    QTest::newRow("Enter") << 59 << 600 << int(Qt::Key_Return);
    QTest::newRow("Leertaste") << 59 << 600 << int(Qt::Key_Space);
}

void TestMainFormSpiel::startknopfDrehtLinksEinmalGratisNach()
{
    QFETCH(int, mitte);
    QFETCH(int, angebotBis);
    QFETCH(int, taste);
    TUmgebung Welt;
    TSpielprotokoll P;
    const QList<int> Links = {4, 2};
    int LinksGezogen = 0;
    P.Ziehe = [&](int n) { return n == 45 ? Links[LinksGezogen++] : n == 60 ? mitte : 0; };
    auto Fenster = Spielfenster(Welt, P);
    Fenster->SpielGeldSpeicher = BcdFromText("0,4");
    Fenster->AutoStartCheckBox->setChecked(true);
    QList<QPair<int, bool>> Angebot; // middle angle, start button offered
    bool Flackert = true; // the spin picture changes in every frame before the final approach
    P.BeiBild = [&](const TDrehbild& Bild) {
        if (Bild.Scheibe != 1)
            return;
        Flackert &= Fenster->MitteGestoppt || Fenster->TimerSchnellDrehendeScheibe->isActive();
        Angebot << qMakePair(Bild.Winkel, Fenster->StartBtnGruen->isVisible());
        if (taste && Bild.Winkel == 135 && Fenster->StartBtnGruen->hasFocus()) {
            DrueckeImFokus(Qt::Key(taste));
            DrueckeImFokus(Qt::Key(taste)); // the button is gone: a second press does nothing
        }
        if (Bild.Winkel >= angebotBis + 45)
            Fenster->AutoStartCheckBox->setChecked(false);
    };
    Fenster->AutoStartClick();

    for (const auto& [Winkel, Angeboten] : Angebot)
        QCOMPARE(Angeboten, Winkel < angebotBis && !(taste && Winkel > 135));
    QCOMPARE(Text(Fenster->SpielGeldSpeicher), QStringLiteral("0,2"));
    const QList<int> Erwartet = taste ? QList<int>{45, 60, 45, 12} : QList<int>{45, 60, 12};
    QCOMPARE(P.Scheibenziehungen(), Erwartet);
    // left r = 4: 270 degrees, code 7; the re-spin's r = 2: 135 degrees, code 4.
    QCOMPARE(P.LetzterWinkel(0), taste ? 135 : 270);
    QCOMPARE(Fenster->SymbolLinks, taste ? 4 : 7);
    QVERIFY(!Fenster->NachstartLaeuft);
    QVERIFY(Flackert);
    // Between games no disc turns, and nothing makes spin pictures.
    QVERIFY(!Fenster->TimerSchnellDrehendeScheibe->isActive());
}

void TestMainFormSpiel::spieldauerFolgtDemRegler_data()
{
    QTest::addColumn<int>("regler");
    QTest::newRow("1 s") << 1;
    QTest::newRow("8 s") << 8;
}

void TestMainFormSpiel::spieldauerFolgtDemRegler()
{
    QFETCH(int, regler);
    TUmgebung Welt;
    TSpielprotokoll P;
    P.Ziehe = Ziehungen(44, 0, 0);
    auto Fenster = Spielfenster(Welt, P);
    Fenster->TrackBar1->setValue(regler);
    Fenster->SpielGeldSpeicher = BcdFromText("0,2");
    Fenster->AutoStartClick();

    // The left disc: one frame at 0, then held at 135 while the game duration runs, then
    // 270, 405, ... 2025 one frame each.
    QList<int> Winkel;
    std::chrono::nanoseconds Anfang{0}, Auslauf{0};
    for (const TDrehbild& Bild : P.Bilder) {
        if (Bild.Scheibe != 0)
            continue;
        if (Bild.Winkel == 0)
            Anfang = Bild.Zeit;
        if (Bild.Winkel > 135 && Auslauf.count() == 0)
            Auslauf = Bild.Zeit;
        if (Winkel.isEmpty() || Bild.Winkel != 135 || Winkel.last() != 135)
            Winkel << Bild.Winkel;
    }
    QList<int> Erwartet = {0};
    for (int w = 135; w <= 2025; w += 135)
        Erwartet << w;
    QCOMPARE(Winkel, Erwartet);
    const double Soll = regler * 1000 * Zeitraffer::Faktor();
    const double Gehalten = std::chrono::duration<double, std::milli>(Auslauf - Anfang).count();
    QVERIFY2(Gehalten >= 0.95 * Soll && Gehalten < Soll + 0.9 * 7000 * Zeitraffer::Faktor(),
             qPrintable(QString::number(Gehalten)));
}

void TestMainFormSpiel::deaktivierungMachtSpielUngueltig_data()
{
    QTest::addColumn<int>("scheibe");
    QTest::addColumn<bool>("imNachstart");
    QTest::newRow("links") << 0 << false;
    QTest::newRow("mitte") << 1 << false;
    QTest::newRow("rechts") << 2 << false;
    QTest::newRow("im Nachstart") << 0 << true;
}

void TestMainFormSpiel::deaktivierungMachtSpielUngueltig()
{
    QFETCH(int, scheibe);
    QFETCH(bool, imNachstart);
    TUmgebung Welt;
    TSpielprotokoll P;
    // Enough frames after the one where the window loses activation for the disc to notice.
    P.Ziehe = Ziehungen(10, 1, 1);
    auto Fenster = Spielfenster(Welt, P);
    Fenster->SpielGeldSpeicher = BcdFromText("0,4");
    Fenster->AutoStartCheckBox->setChecked(true);
    bool Deaktiviert = false;
    P.BeiBild = [&](const TDrehbild& Bild) {
        if (imNachstart && !Deaktiviert && Bild.Scheibe == 1 && Bild.Winkel == 45 &&
            !Fenster->NachstartLaeuft && Fenster->StartBtnGruen->isVisible())
            Fenster->StartBtnGruenClick();
        if (Deaktiviert || Bild.Scheibe != scheibe || Bild.Winkel == 0 ||
            imNachstart != Fenster->NachstartLaeuft)
            return;
        Deaktiviert = true;
        Fenster->AppDeactivate();
        // Long after the disc has noticed, even in a slow sanitizer build.
        QTimer::singleShot(500, Fenster.get(), &TMainForm::ApplicationActivate);
    };
    Fenster->AutoStartClick();
    QTRY_COMPARE(Fenster->Label1->Caption(), QStringLiteral("1 Spiel kostet 20 Cent"));

    QCOMPARE(Welt.Meldungen.size(), 1);
    QCOMPARE(Welt.Meldungen[0].Text,
             QStringLiteral("Das Programm wurde deaktiviert! Das aktuelle Spiel ist ungültig!"));
    const QStringList Log = Fenster->LogZeilen();
    QVERIFY(Log.contains(Auswertung::UngueltigZeile(Fenster->SpielerName, Fenster->UhrzeitText,
                                                    Fenster->DatumText)));
    // The invalid game drew nothing after its disc; the next game, paid as usual, drew all three.
    const QList<int> Ungueltig =
        imNachstart ? QList<int>{45, 60, 45} : QList<int>{45, 60, 12}.mid(0, scheibe + 1);
    QCOMPARE(P.Ziehungen, Ungueltig + QList<int>({45, 60, 12}));
    QCOMPARE(P.Stapel.size(), imNachstart ? 4 : 3);
    QCOMPARE(Text(Fenster->SpielGeldSpeicher), QStringLiteral("0"));
}

void TestMainFormSpiel::dreihundertSpieleVertiefenDenStapelNicht()
{
    Zeitraffer::SetzeFaktor(0.001);
    TUmgebung Welt;
    TSpielprotokoll P;
    // Number 1, strawberry, number 2: nothing won.
    P.Ziehe = Ziehungen(0, 1, 3);
    auto Fenster = Spielfenster(Welt, P);
    Fenster->SpielGeldSpeicher = BcdFromText("60");
    Fenster->AutoStartCheckBox->setChecked(true);
    Fenster->AutoStartClick();
    QTRY_COMPARE_WITH_TIMEOUT(Fenster->Label1->Caption(), QStringLiteral("1 Spiel kostet 20 Cent"),
                              240000);

    QCOMPARE(P.Stapel.size(), 301); // 300 games and the refused start
    const auto [Tiefste, Hoechste] =
        std::minmax_element(P.Stapel.begin() + 1, P.Stapel.end(),
                            [](const void* A, const void* B) { return quintptr(A) < quintptr(B); });
    QVERIFY2(quintptr(*Hoechste) - quintptr(*Tiefste) < 1024,
             qPrintable(QString::number(quintptr(*Hoechste) - quintptr(*Tiefste))));
}

void TestMainFormSpiel::schraubeStehtNachZweiUndSechsSchrittenSenkrecht()
{
    TUmgebung Welt;
    TSpielprotokoll P;
    auto Fenster = Spielfenster(Welt, P);
    QList<int> Winkel, Senkrecht;
    Fenster->CheckSchraube();
    QVERIFY(!Fenster->SchraubeSenkrecht);
    for (int Schritt = 1; Schritt <= 9; ++Schritt) {
        Fenster->SchraubenTimerTimer();
        Fenster->CheckSchraube();
        Winkel << Fenster->SchraubenWinkel;
        if (Fenster->SchraubeSenkrecht)
            Senkrecht << Fenster->SchraubenWinkel;
    }
    QCOMPARE(Winkel, (QList<int>{45, 90, 135, 180, 225, 270, 315, 360, 45}));
    QCOMPARE(Senkrecht, (QList<int>{90, 270}));
}

void TestMainFormSpiel::spinbildWechseltGespiegeltUndGerade()
{
    TUmgebung Welt;
    TSpielprotokoll P;
    auto Fenster = Spielfenster(Welt, P);
    Fenster->TimerSchnellDrehendeScheibe->stop();
    const QImage Gerade =
        Fenster->ImageDrehscheibe2->Picture().convertToFormat(QImage::Format_RGB888);
    const QImage Gespiegelt = Gerade.mirrored(false, true);
    QVERIFY(Gerade != Gespiegelt);
    Fenster->SchnellZaehler = 0;
    QString Folge;
    for (int Tick = 0; Tick < 5; ++Tick) {
        Fenster->TimerSchnellDrehendeScheibeTimer();
        const QImage Bild =
            Fenster->ImageDrehendeScheibe->Picture().convertToFormat(QImage::Format_RGB888);
        Folge += Bild == Gespiegelt ? u'S' : Bild == Gerade ? u'G' : u'?';
    }
    QCOMPARE(Folge, QStringLiteral("SSGSG"));
}

VORLIX_TEST_MAIN(TestMainFormSpiel)
#include "tst_mainform_spiel.moc"
