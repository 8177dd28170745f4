#include "support/Verweise.h"
#include "tests/testmain.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace Verweise;

namespace {

// Remembers every address instead of opening it and answers as a desktop would.
struct TOeffnerAufnahme
{
    QList<QUrl> Adressen;
    bool Erfolg = true;

    TOeffner Oeffner()
    {
        return [this](const QUrl& Adresse) {
            Adressen << Adresse;
            return Erfolg;
        };
    }
};

} // namespace

class TestVerweise : public QObject
{
    Q_OBJECT

private slots:
    void hilfePfadLiegtImProgrammverzeichnis_data();
    void hilfePfadLiegtImProgrammverzeichnis();
    void hilfeOeffnetDieDateiAusDemProgrammverzeichnis_data();
    void hilfeOeffnetDieDateiAusDemProgrammverzeichnis();
    void hilfeOhneProgrammverzeichnisNimmtDenAktuellenOrdner();
    void logoOeffnetDieSeiteDesHerstellers_data();
    void logoOeffnetDieSeiteDesHerstellers();
};

void TestVerweise::hilfePfadLiegtImProgrammverzeichnis_data()
{
    QTest::addColumn<QString>("programmVerzeichnis");
    QTest::addColumn<QString>("pfad");
    QTest::newRow("installiert") << "/opt/vorlix/"
                                 << "/opt/vorlix/Vorlix-Hilfe.pdf";
    QTest::newRow("mit Blank") << "/home/anna/Mein Automat/"
                               << "/home/anna/Mein Automat/Vorlix-Hilfe.pdf";
    QTest::newRow("kein Verzeichnis") << ""
                                      << "Vorlix-Hilfe.pdf";
}

void TestVerweise::hilfePfadLiegtImProgrammverzeichnis()
{
    QFETCH(QString, programmVerzeichnis);
    QFETCH(QString, pfad);
    QCOMPARE(HilfePfad(programmVerzeichnis), pfad);
}

void TestVerweise::hilfeOeffnetDieDateiAusDemProgrammverzeichnis_data()
{
    QTest::addColumn<bool>("erfolg");
    QTest::newRow("Betrachter gefunden") << true;
    QTest::newRow("kein Betrachter") << false;
}

void TestVerweise::hilfeOeffnetDieDateiAusDemProgrammverzeichnis()
{
    QFETCH(bool, erfolg);
    QTemporaryDir Arbeitsordner;
    QVERIFY(Arbeitsordner.isValid());
    const QString Vorher = QDir::currentPath();
    QVERIFY(QDir::setCurrent(Arbeitsordner.path()));
    TOeffnerAufnahme Aufnahme;
    Aufnahme.Erfolg = erfolg;

    OeffneHilfe("/opt/vorlix/", Aufnahme.Oeffner());

    QDir::setCurrent(Vorher);
    QCOMPARE(Aufnahme.Adressen, QList<QUrl>({QUrl("file:///opt/vorlix/Vorlix-Hilfe.pdf")}));
}

void TestVerweise::hilfeOhneProgrammverzeichnisNimmtDenAktuellenOrdner()
{
    QTemporaryDir Arbeitsordner;
    QVERIFY(Arbeitsordner.isValid());
    const QString Vorher = QDir::currentPath();
    QVERIFY(QDir::setCurrent(Arbeitsordner.path()));
    const QString Ordner = QDir::currentPath();
    TOeffnerAufnahme Aufnahme;

    OeffneHilfe("", Aufnahme.Oeffner());

    QDir::setCurrent(Vorher);
    QCOMPARE(Aufnahme.Adressen.size(), 1);
    QCOMPARE(Aufnahme.Adressen.at(0).scheme(), "file");
    QCOMPARE(Aufnahme.Adressen.at(0).toLocalFile(), Ordner + "/Vorlix-Hilfe.pdf");
}

void TestVerweise::logoOeffnetDieSeiteDesHerstellers_data()
{
    QTest::addColumn<bool>("browser");
    QTest::newRow("Browser vorhanden") << true;
    QTest::newRow("kein Browser") << false;
}

void TestVerweise::logoOeffnetDieSeiteDesHerstellers()
{
    QFETCH(bool, browser);
    TOeffnerAufnahme Aufnahme;
    Aufnahme.Erfolg = browser;

    const bool Geoeffnet = OeffneHerstellerSeite(Aufnahme.Oeffner());

    QCOMPARE(Geoeffnet, browser);
    QCOMPARE(Aufnahme.Adressen, QList<QUrl>({QUrl(QStringLiteral(VORLIX_HERSTELLER_URL))}));
    const QUrl Adresse = Aufnahme.Adressen.at(0);
    QVERIFY(Adresse.isValid());
    QVERIFY(Adresse.scheme() == "https" || Adresse.scheme() == "http");
    QVERIFY(!Adresse.host().isEmpty());
}

VORLIX_TEST_MAIN(TestVerweise)
#include "tst_verweise.moc"
