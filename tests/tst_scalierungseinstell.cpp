#include "tests/testmain.h"
#include "ui/ScalierungsEinstell.h"
#include "ui/Schriften.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

#include <functional>

using Skalierung::TMuenzLage;

namespace {
// Stands in for the main window and writes down every call the dialog makes.
class TFalschesZiel : public IGroessenZiel
{
public:
    int Faktor = 100;
    bool Quer = true;
    int BefehleTop = 835;
    bool Passt = true;
    int PanelBreite = 353;
    int Breite = 1600;
    int Hoehe = 900;
    TMuenzLage Muenzlage;
    QStringList Aufrufe;
    QWidget* Dialog = nullptr;
    bool DialogSichtbarBeimAuszahlen = true;

    TFalschesZiel()
    {
        Muenzlage.Button_50_Euro = QRect(6, 16, 80, 130);
        Muenzlage.Button_2_Euro = QRect(8, 170, 72, 74);
        Muenzlage.Button_1_Euro = QRect(85, 172, 68, 70);
        Muenzlage.Button_50_Cent = QRect(157, 172, 66, 68);
        Muenzlage.Button_20_Cent = QRect(229, 176, 60, 62);
        Muenzlage.Button_10_Cent = QRect(294, 180, 55, 57);
    }

    int ScaleByWert() const override { return Faktor; }
    void SetzeScaleByWert(int Wert) override
    {
        Faktor = Wert;
        Aufrufe << QStringLiteral("ScaleBy %1").arg(Wert);
    }
    void SetzeSkalierSchritt(int Wert) override
    {
        Aufrufe << QStringLiteral("SkalierSchritt %1").arg(Wert);
    }
    bool Querformat() const override { return Quer; }
    void ErsterStartLoeschen() override { Aufrufe << QStringLiteral("ErsterStart aus"); }
    int BefehleLabelTop() const override { return BefehleTop; }
    bool PasstNachSchritt(int, int) const override { return Passt; }
    int GroupBox1Breite() const override { return PanelBreite; }
    int BildschirmBreite() const override { return Breite; }
    int BildschirmHoehe() const override { return Hoehe; }
    TMuenzLage Muenzen() const override { return Muenzlage; }
    void SetzeMuenzen(const TMuenzLage& Lage) override
    {
        Muenzlage = Lage;
        Aufrufe << QStringLiteral("Muenzen");
    }
    void SkaliereFenster(int Zaehler, int Nenner) override
    {
        Aufrufe << QStringLiteral("Skaliere %1/%2").arg(Zaehler).arg(Nenner);
    }
    void GroupBoxAnpassenQuerformat() override { Aufrufe << QStringLiteral("Querformat"); }
    void GroupBoxAnpassenHochformat() override { Aufrufe << QStringLiteral("Hochformat"); }
    void SpeichereScaleBy(int Wert) override
    {
        Aufrufe << QStringLiteral("Speichere %1").arg(Wert);
    }
    void Auszahlen() override
    {
        DialogSichtbarBeimAuszahlen = Dialog != nullptr && Dialog->isVisible();
        Aufrufe << QStringLiteral("Auszahlen");
    }
};

QString ErsterStartText()
{
    return QStringLiteral(
        "\t\tDies ist der erste Start von Vorlix.\n"
        "\tDie Größe wurde an Ihren Monitor in etwa angepasst.\n"
        "Mit den beiden Schaltern \"Kleiner\" und \"Größer\" passen Sie Vorlix individuell an "
        "Ihren Monitor an. Sie können später die Einstellung durch Klicken mit der Rechten "
        "Maustaste auf die \"Nase\" von Vorlix ändern.");
}

QString AufWunschText()
{
    return QStringLiteral(
        "Mit den beiden Schaltern \"Kleiner\" und \"Größer\" können Sie Vorlix individuell an "
        "Ihren Monitor anpassen.\n"
        "\n"
        "Haben Sie Einstellungen vorgenommen, muss Vorlix neu gestartet werden. Deshalb wird "
        "nach dem Betätigen des OK-Schalters vorhandenes Guthaben ausbezahlt und Vorlix beendet!");
}

// Records the keys that reach the application before any window sees them.
class TTastenZeuge : public QObject
{
public:
    QList<int> Tasten;

protected:
    bool eventFilter(QObject*, QEvent* Ereignis) override
    {
        if (Ereignis->type() == QEvent::KeyPress)
            Tasten << static_cast<QKeyEvent*>(Ereignis)->key();
        return false;
    }
};
} // namespace

class TestScalierungsEinstell : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void fensterHatTitelUndLage();
    void titelleisteOhneSystemmenue();
    void erzwungenerZustandWirdZurueckgenommen_data();
    void erzwungenerZustandWirdZurueckgenommen();
    void steuerelementeStehenAnIhremPlatz_data();
    void steuerelementeStehenAnIhremPlatz();
    void tabulatorfolge();
    void schriftIstFettUndFuenfzehnPixel();
    void textfeldIstNurLesbarMitSenkrechterLeiste();

    void ersterStartZeigtTextUndSchalter();
    void nachEinemSchrittTauschenDieSchalter();
    void okNachErstemStartSpeichertOhneAuszahlung();
    void allesKlarSchliesstOhneZuSpeichern();
    void aufWunschIstModalMitSeinemText();
    void okNachAufWunschZahltNachDemSchliessenAus();
    void allesKlarNachAufWunschZahltNichtAus();
    void okBleibtNachErstemStartGesperrtBisZumSchritt();
    void aufWunschWaehrendErstemStartWirdModal();

    void schritte_data();
    void schritte();
    void groesserFolgeVonHundert();
    void kleinerAnDerGrenzeLegtNurDieMuenzen();
    void groesserAnDerGrenzeLegtNurDieMuenzen();
    void muenzreiheWirdBeiJedemSchrittGelegt();

    void escSchliesstDenDialogNichtSelbst();
    void escErreichtDenAnwendungsfilterAuchImModalenDialog();
    void schliessbefehlSchliesst();

private:
    // Runs Aktion once the modal dialog is open, then returns when it has closed again.
    void ImModalenDialog(const std::function<void()>& Aktion);
    QPushButton* Schalter(const char* Name) const;
    QPlainTextEdit* Memo() const;

    TFalschesZiel* Ziel = nullptr;
    TForm2* Form = nullptr;
};

void TestScalierungsEinstell::init()
{
    Ziel = new TFalschesZiel;
    Form = new TForm2(*Ziel);
    Ziel->Dialog = Form;
}

void TestScalierungsEinstell::cleanup()
{
    delete Form;
    delete Ziel;
    Form = nullptr;
    Ziel = nullptr;
}

QPushButton* TestScalierungsEinstell::Schalter(const char* Name) const
{
    auto* Gefunden = Form->findChild<QPushButton*>(QLatin1String(Name));
    Q_ASSERT(Gefunden != nullptr);
    return Gefunden;
}

QPlainTextEdit* TestScalierungsEinstell::Memo() const
{
    return Form->findChild<QPlainTextEdit*>(QStringLiteral("ErsterStartMemo"));
}

void TestScalierungsEinstell::ImModalenDialog(const std::function<void()>& Aktion)
{
    bool Gelaufen = false;
    QTimer::singleShot(0, Form, [&] {
        Gelaufen = true;
        Aktion();
        // Whatever the action did: the dialog must not stay open and block the test.
        if (Form->isVisible())
            Form->done(QDialog::Rejected);
    });
    Form->ZeigeAufWunsch();
    QVERIFY(Gelaufen);
}

void TestScalierungsEinstell::fensterHatTitelUndLage()
{
    QCOMPARE(Form->windowTitle(), QStringLiteral("Vorlix-Größeneinstellung"));
    QVERIFY(!Form->isVisible());
    Form->show();
    QVERIFY(QTest::qWaitForWindowExposed(Form));
    QCOMPARE(Form->frameGeometry(), QRect(158, 139, 601, 251));
    QCOMPARE(Form->minimumSize(), Form->maximumSize());
    QCOMPARE(Form->palette().color(QPalette::Window), Form->palette().color(QPalette::Button));
}

void TestScalierungsEinstell::titelleisteOhneSystemmenue()
{
    const Qt::WindowFlags Flaggen = Form->windowFlags();
    QVERIFY(Flaggen.testFlag(Qt::Dialog));
    QVERIFY(Flaggen.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(Flaggen.testFlag(Qt::WindowTitleHint));
    QVERIFY(Flaggen.testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!Flaggen.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(!Flaggen.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!Flaggen.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!Flaggen.testFlag(Qt::WindowMaximizeButtonHint));
}

void TestScalierungsEinstell::erzwungenerZustandWirdZurueckgenommen_data()
{
    QTest::addColumn<Qt::WindowState>("zustand");
    QTest::newRow("minimiert") << Qt::WindowMinimized;
    QTest::newRow("maximiert") << Qt::WindowMaximized;
    QTest::newRow("Vollbild") << Qt::WindowFullScreen;
}

void TestScalierungsEinstell::erzwungenerZustandWirdZurueckgenommen()
{
    QFETCH(Qt::WindowState, zustand);
    Form->show();
    QVERIFY(QTest::qWaitForWindowExposed(Form));
    Form->setWindowState(zustand);
    QCoreApplication::processEvents();
    QCOMPARE(Form->windowState(), Qt::WindowNoState);
    QVERIFY(Form->isVisible());
    QCOMPARE(Form->frameGeometry(), QRect(158, 139, 601, 251));
}

void TestScalierungsEinstell::steuerelementeStehenAnIhremPlatz_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("lage");
    QTest::newRow("Kleiner") << "Button1"
                             << "Kleiner" << QRect(42, 136, 75, 25);
    QTest::newRow("Größer") << "Button2"
                            << "Größer" << QRect(464, 136, 75, 25);
    QTest::newRow("OK") << "OKButton"
                        << "OK - Speichern" << QRect(120, 176, 142, 25);
    QTest::newRow("Alles klar") << "AbbrechenButton"
                                << "Alles klar!" << QRect(320, 176, 142, 25);
}

void TestScalierungsEinstell::steuerelementeStehenAnIhremPlatz()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QRect, lage);
    auto* Knopf = Form->findChild<QPushButton*>(name);
    QVERIFY(Knopf != nullptr);
    QCOMPARE(Knopf->text(), text);
    QCOMPARE(Knopf->geometry(), lage);
}

void TestScalierungsEinstell::tabulatorfolge()
{
    QWidget* Feld = Memo();
    QVERIFY(Feld != nullptr);
    QCOMPARE(Feld->geometry(), QRect(16, 8, 553, 105));
    const QList<QWidget*> Folge{Schalter("Button1"), Schalter("Button2"), Feld,
                                Schalter("OKButton"), Schalter("AbbrechenButton")};
    // Walk the focus chain once round and keep the five controls in the order met.
    QList<QWidget*> Getroffen;
    QWidget* Schritt = Folge.first();
    do {
        if (Folge.contains(Schritt))
            Getroffen << Schritt;
        Schritt = Schritt->nextInFocusChain();
    } while (Schritt != Folge.first());
    QCOMPARE(Getroffen, Folge);
}

void TestScalierungsEinstell::schriftIstFettUndFuenfzehnPixel()
{
    for (QWidget* Element : QList<QWidget*>{Schalter("Button1"), Schalter("Button2"), Memo(),
                                            Schalter("OKButton"), Schalter("AbbrechenButton")}) {
        QCOMPARE(Element->font().pixelSize(), 15);
        QVERIFY(Element->font().bold());
        QCOMPARE(Element->font().family(), Schriften::Serifenlos);
    }
}

void TestScalierungsEinstell::textfeldIstNurLesbarMitSenkrechterLeiste()
{
    QVERIFY(Memo()->isReadOnly());
    QCOMPARE(Memo()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

void TestScalierungsEinstell::ersterStartZeigtTextUndSchalter()
{
    Memo()->setPlainText(QStringLiteral("alter Inhalt"));
    Form->ZeigeErsterStart();

    QVERIFY(Form->isVisible());
    QVERIFY(!Form->isModal());
    QCOMPARE(Memo()->toPlainText(), ErsterStartText());
    QVERIFY(!Schalter("OKButton")->isEnabled());
    QVERIFY(Schalter("AbbrechenButton")->isEnabled());
    QCOMPARE(Ziel->Aufrufe, QStringList{QStringLiteral("ErsterStart aus")});
}

void TestScalierungsEinstell::nachEinemSchrittTauschenDieSchalter()
{
    Form->ZeigeErsterStart();
    QTest::mouseClick(Schalter("Button1"), Qt::LeftButton);

    QVERIFY(Schalter("OKButton")->isEnabled());
    QVERIFY(!Schalter("AbbrechenButton")->isEnabled());
    QCOMPARE(Ziel->Faktor, 99);
}

void TestScalierungsEinstell::okNachErstemStartSpeichertOhneAuszahlung()
{
    Form->ZeigeErsterStart();
    QTest::mouseClick(Schalter("Button1"), Qt::LeftButton);
    Ziel->Aufrufe.clear();

    QTest::mouseClick(Schalter("OKButton"), Qt::LeftButton);

    QVERIFY(!Form->isVisible());
    QCOMPARE(Ziel->Aufrufe, QStringList{QStringLiteral("Speichere 99")});
}

void TestScalierungsEinstell::allesKlarSchliesstOhneZuSpeichern()
{
    Form->ZeigeErsterStart();
    Ziel->Aufrufe.clear();

    QTest::mouseClick(Schalter("AbbrechenButton"), Qt::LeftButton);

    QVERIFY(!Form->isVisible());
    QVERIFY(Ziel->Aufrufe.isEmpty());
}

void TestScalierungsEinstell::aufWunschIstModalMitSeinemText()
{
    Schalter("AbbrechenButton")->setEnabled(false);
    bool Modal = false;
    bool AllesKlarAn = false;
    QString Text;
    int ErsteZeile = -1;
    ImModalenDialog([&] {
        Modal = Form->isModal() && Form->isVisible();
        AllesKlarAn = Schalter("AbbrechenButton")->isEnabled();
        Text = Memo()->toPlainText();
        ErsteZeile = Memo()->verticalScrollBar()->value();
        QTest::mouseClick(Schalter("AbbrechenButton"), Qt::LeftButton);
    });
    QVERIFY(Modal);
    QVERIFY(AllesKlarAn);
    QCOMPARE(Text, AufWunschText());
    QCOMPARE(ErsteZeile, 0); // opens at its first line
    QVERIFY(Schalter("OKButton")->isEnabled());
    QVERIFY(!Form->isVisible());
    QVERIFY(Ziel->Aufrufe.isEmpty());
}

void TestScalierungsEinstell::okNachAufWunschZahltNachDemSchliessenAus()
{
    ImModalenDialog([&] {
        QTest::mouseClick(Schalter("Button2"), Qt::LeftButton);
        Ziel->Aufrufe.clear();
        QTest::mouseClick(Schalter("OKButton"), Qt::LeftButton);
    });
    QCOMPARE(Ziel->Aufrufe,
             (QStringList{QStringLiteral("Speichere 101"), QStringLiteral("Auszahlen")}));
    QVERIFY(!Ziel->DialogSichtbarBeimAuszahlen);
}

void TestScalierungsEinstell::allesKlarNachAufWunschZahltNichtAus()
{
    ImModalenDialog([&] { QTest::mouseClick(Schalter("AbbrechenButton"), Qt::LeftButton); });
    QVERIFY(!Ziel->Aufrufe.contains(QStringLiteral("Auszahlen")));
    // A later first-start-like close by OK does not pay out either.
    Form->ZeigeErsterStart();
    QTest::mouseClick(Schalter("Button2"), Qt::LeftButton);
    QTest::mouseClick(Schalter("OKButton"), Qt::LeftButton);
    QVERIFY(!Ziel->Aufrufe.contains(QStringLiteral("Auszahlen")));
}

void TestScalierungsEinstell::okBleibtNachErstemStartGesperrtBisZumSchritt()
{
    Form->ZeigeErsterStart();
    QTest::mouseClick(Schalter("AbbrechenButton"), Qt::LeftButton);

    bool OKAnOhneSchritt = true;
    ImModalenDialog([&] { OKAnOhneSchritt = Schalter("OKButton")->isEnabled(); });
    QVERIFY(!OKAnOhneSchritt);

    bool OKAnNachSchritt = false;
    ImModalenDialog([&] {
        QTest::mouseClick(Schalter("Button1"), Qt::LeftButton);
        OKAnNachSchritt = Schalter("OKButton")->isEnabled();
    });
    QVERIFY(OKAnNachSchritt);
}

void TestScalierungsEinstell::aufWunschWaehrendErstemStartWirdModal()
{
    Form->ZeigeErsterStart();
    bool Modal = false;
    ImModalenDialog([&] {
        Modal = Form->isModal() && Form->isVisible();
        QTest::mouseClick(Schalter("AbbrechenButton"), Qt::LeftButton);
    });
    QVERIFY(Modal);
    QVERIFY(!Form->isVisible());
}

void TestScalierungsEinstell::schritte_data()
{
    QTest::addColumn<QString>("knopf");
    QTest::addColumn<int>("vorher");
    QTest::addColumn<bool>("quer");
    QTest::addColumn<QStringList>("aufrufe");
    QTest::addColumn<int>("nachher");
    QTest::newRow("Größer von 100 um 1 %")
        << "Button2" << 100 << true
        << QStringList{"Muenzen", "ScaleBy 101", "SkalierSchritt 101", "Skaliere 101/100",
                       "Querformat"}
        << 101;
    QTest::newRow("Größer von 90 um 1 %")
        << "Button2" << 90 << true
        << QStringList{"Muenzen", "ScaleBy 91", "SkalierSchritt 101", "Skaliere 91/90",
                       "Querformat"}
        << 91;
    QTest::newRow("Größer von 105, hochkant")
        << "Button2" << 105 << false
        << QStringList{"Muenzen", "ScaleBy 106", "SkalierSchritt 101", "Skaliere 106/105",
                       "Hochformat"}
        << 106;
    QTest::newRow("Kleiner von 100") << "Button1" << 100 << true
                                     << QStringList{"Muenzen", "ScaleBy 99", "SkalierSchritt 99",
                                                    "Skaliere 99/100", "Querformat"}
                                     << 99;
    QTest::newRow("Kleiner von 83, hochkant")
        << "Button1" << 83 << false
        << QStringList{"Muenzen", "ScaleBy 82", "SkalierSchritt 99", "Skaliere 82/83", "Hochformat"}
        << 82;
}

void TestScalierungsEinstell::schritte()
{
    QFETCH(QString, knopf);
    QFETCH(int, vorher);
    QFETCH(bool, quer);
    QFETCH(QStringList, aufrufe);
    QFETCH(int, nachher);
    Ziel->Faktor = vorher;
    Ziel->Quer = quer;
    Form->ZeigeErsterStart();
    Ziel->Aufrufe.clear();

    QTest::mouseClick(Form->findChild<QPushButton*>(knopf), Qt::LeftButton);

    QCOMPARE(Ziel->Aufrufe, aufrufe);
    QCOMPARE(Ziel->Faktor, nachher);
}

void TestScalierungsEinstell::groesserFolgeVonHundert()
{
    Form->ZeigeErsterStart();
    Ziel->Aufrufe.clear();
    for (int I = 0; I < 3; ++I)
        QTest::mouseClick(Schalter("Button2"), Qt::LeftButton);
    QCOMPARE(Ziel->Aufrufe.filter(QStringLiteral("Skaliere")),
             (QStringList{"Skaliere 101/100", "Skaliere 102/101", "Skaliere 103/102"}));
    QCOMPARE(Ziel->Faktor, 103);
    QTest::mouseClick(Schalter("OKButton"), Qt::LeftButton);
    QCOMPARE(Ziel->Aufrufe.last(), QStringLiteral("Speichere 103"));
}

void TestScalierungsEinstell::kleinerAnDerGrenzeLegtNurDieMuenzen()
{
    Ziel->BefehleTop = 699; // screen height 900 - 200 = 700
    Form->ZeigeErsterStart();
    Ziel->Aufrufe.clear();

    QTest::mouseClick(Schalter("Button1"), Qt::LeftButton);

    QCOMPARE(Ziel->Aufrufe, QStringList{QStringLiteral("Muenzen")});
    QCOMPARE(Ziel->Faktor, 100);
    QVERIFY(Schalter("OKButton")->isEnabled());
    QVERIFY(!Schalter("AbbrechenButton")->isEnabled());
}

void TestScalierungsEinstell::groesserAnDerGrenzeLegtNurDieMuenzen()
{
    Ziel->Passt = false;
    Form->ZeigeErsterStart();
    Ziel->Aufrufe.clear();

    QTest::mouseClick(Schalter("Button2"), Qt::LeftButton);
    QCOMPARE(Ziel->Aufrufe, QStringList{QStringLiteral("Muenzen")});
    QCOMPARE(Ziel->Faktor, 100);

    Ziel->Passt = true;
    QTest::mouseClick(Schalter("Button2"), Qt::LeftButton);
    QCOMPARE(Ziel->Faktor, 101);
}

void TestScalierungsEinstell::muenzreiheWirdBeiJedemSchrittGelegt()
{
    Ziel->PanelBreite = 300;
    Form->ZeigeErsterStart();
    QTest::mouseClick(Schalter("Button1"), Qt::LeftButton);

    QCOMPARE(Ziel->Muenzlage.Button_2_Euro, QRect(6, 170, 74, 74));
    QCOMPARE(Ziel->Muenzlage.Button_20_Cent, QRect(218, 176, 62, 62));
    QCOMPARE(Ziel->Muenzlage.Button_10_Cent, QRect(241, 180, 57, 57));
}

void TestScalierungsEinstell::escSchliesstDenDialogNichtSelbst()
{
    Form->ZeigeErsterStart();
    QTest::keyClick(Form, Qt::Key_Escape);
    QVERIFY(Form->isVisible());
    QTest::keyClick(Schalter("Button2"), Qt::Key_Escape);
    QVERIFY(Form->isVisible());
}

void TestScalierungsEinstell::escErreichtDenAnwendungsfilterAuchImModalenDialog()
{
    TTastenZeuge Zeuge;
    qApp->installEventFilter(&Zeuge);
    bool NochOffen = false;
    ImModalenDialog([&] {
        QTest::keyClick(Schalter("OKButton"), Qt::Key_Escape);
        NochOffen = Form->isVisible();
    });
    qApp->removeEventFilter(&Zeuge);
    QVERIFY(Zeuge.Tasten.contains(Qt::Key_Escape));
    QVERIFY(NochOffen);
}

void TestScalierungsEinstell::schliessbefehlSchliesst()
{
    Form->ZeigeErsterStart();
    QVERIFY(Form->close());
    QVERIFY(!Form->isVisible());
    QVERIFY(Ziel->Aufrufe.filter(QStringLiteral("Speichere")).isEmpty());
}

VORLIX_TEST_MAIN(TestScalierungsEinstell)
#include "tst_scalierungseinstell.moc"
