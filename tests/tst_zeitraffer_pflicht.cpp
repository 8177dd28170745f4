// Every timer interval, pause and sleep of the machine goes through the time-lapse factor: outside
// support/Zeitraffer.cpp no code of the program starts a QTimer or sets its interval itself.

#include "tests/testmain.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <QSet>

namespace {

// The code with comments and string and character literals blanked out, its lines kept.
QString NurCode(QString Text)
{
    static const QRegularExpression Nebensache(
        QStringLiteral(
            "//[^\\n]*|/\\*.*?\\*/|\"(?:\\\\.|[^\"\\\\\\n])*\"|'(?:\\\\.|[^'\\\\\\n])*'"),
        QRegularExpression::DotMatchesEverythingOption);
    for (const auto& Treffer : Nebensache.globalMatch(Text))
        for (qsizetype i = Treffer.capturedStart(); i < Treffer.capturedEnd(); ++i)
            if (Text[i] != u'\n')
                Text[i] = u' ';
    return Text;
}

// Names under which the code holds a QTimer: variables, members, parameters, new objects.
QSet<QString> TimerNamen(const QString& Code)
{
    static const QRegularExpression Deklaration(QStringLiteral(R"(\bQTimer\s*[*&]?\s*(\w+))"));
    static const QRegularExpression Neu(QStringLiteral(R"((\w+)\s*=[^;]*\bnew\s+QTimer\b)"));
    QSet<QString> Namen;
    for (const auto* Muster : {&Deklaration, &Neu})
        for (const auto& Treffer : Muster->globalMatch(Code))
            Namen.insert(Treffer.captured(1));
    return Namen;
}

// The lines (1-based) that start a timer, set its interval or sleep past the factor.
QList<int> Verstoesse(const QString& Code, const QSet<QString>& Timer)
{
    QStringList Muster = {QStringLiteral(R"(\bsingleShot\s*\(\s*(?!0\s*[,)]))"),
                          QStringLiteral(R"(\bstartTimer\s*\()"),
                          QStringLiteral(R"(\b(msleep|usleep|sleep_for|sleep_until)\s*\()")};
    if (!Timer.isEmpty())
        Muster << QStringLiteral(R"(\b(%1)\s*(\.|->)\s*(start|setInterval)\s*\()")
                      .arg(QStringList(Timer.begin(), Timer.end()).join(u'|'));
    const QRegularExpression Verboten(Muster.join(u'|'));
    QList<int> Zeilen;
    for (const auto& Treffer : Verboten.globalMatch(Code))
        Zeilen << int(Code.left(Treffer.capturedStart()).count(u'\n')) + 1;
    return Zeilen;
}

QList<int> VerstoesseIn(const QString& Text)
{
    const QString Code = NurCode(Text);
    return Verstoesse(Code, TimerNamen(Code));
}

} // namespace

class TestZeitrafferPflicht : public QObject
{
    Q_OBJECT

private slots:
    void erkennt_data();
    void erkennt();
    void programmStartetTimerNurUeberDenZeitraffer();
};

void TestZeitrafferPflicht::erkennt_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QList<int>>("zeilen");

    const QString Member = "QTimer* Timer1 = nullptr;\n";
    QTest::newRow("start mit Dauer") << Member + "Timer1->start(500);" << QList<int>{2};
    QTest::newRow("start ohne Dauer") << Member + "Timer1->start();" << QList<int>{2};
    QTest::newRow("setInterval") << Member + "x();\nTimer1->setInterval(5);" << QList<int>{3};
    QTest::newRow("Objekt und Punkt") << "QTimer T;\nT . start(1);" << QList<int>{2};
    QTest::newRow("neuer Timer") << "auto* Uhr = Benannt(new QTimer(this));\nUhr->start();"
                                 << QList<int>{2};
    QTest::newRow("singleShot mit Dauer") << "QTimer::singleShot(30, this, f);" << QList<int>{1};
    QTest::newRow("singleShot sofort") << "QTimer::singleShot(0, this, f);" << QList<int>{};
    QTest::newRow("startTimer") << "startTimer(40);" << QList<int>{1};
    QTest::newRow("Schlaf") << "QThread::msleep(5);\nstd::this_thread::sleep_for(d);"
                            << QList<int>{1, 2};
    QTest::newRow("Zeitraffer") << Member + "Zeitraffer::Starte(*Timer1, 5);\n"
                                            "Zeitraffer::SetzeIntervall(*Timer1, 5);\n"
                                            "Zeitraffer::Einschalten(*Timer1);"
                                << QList<int>{};
    QTest::newRow("Stoppuhr") << "QElapsedTimer Uhr;\nUhr.start();" << QList<int>{};
    QTest::newRow("Prozess") << Member + "Prozess.start(Programm);" << QList<int>{};
    QTest::newRow("Kommentar und Text")
        << Member + "// Timer1->start(5);\nf(\"Timer1->start(5)\"); /* Timer1->start(); */"
        << QList<int>{};
}

void TestZeitrafferPflicht::erkennt()
{
    QFETCH(QString, code);
    QFETCH(QList<int>, zeilen);
    QCOMPARE(VerstoesseIn(code), zeilen);
}

void TestZeitrafferPflicht::programmStartetTimerNurUeberDenZeitraffer()
{
    const QDir Quellen(QStringLiteral(VORLIX_QUELLORDNER));
    QMap<QString, QString> Code;
    for (const char* Ordner : {"core", "ui", "support", "money", "discs"}) {
        QDirIterator Dateien(Quellen.filePath(QString::fromLatin1(Ordner)), {"*.cpp", "*.h"},
                             QDir::Files, QDirIterator::Subdirectories);
        while (Dateien.hasNext()) {
            const QString Pfad = Dateien.next();
            QFile Datei(Pfad);
            QVERIFY(Datei.open(QIODevice::ReadOnly));
            Code[Quellen.relativeFilePath(Pfad)] = NurCode(QString::fromUtf8(Datei.readAll()));
        }
    }
    QVERIFY2(Code.contains("support/Zeitraffer.cpp"), "Quellordner nicht gefunden");
    QSet<QString> Timer;
    for (const QString& Text : Code)
        Timer.unite(TimerNamen(Text));
    QStringList Funde;
    for (auto Datei = Code.cbegin(); Datei != Code.cend(); ++Datei) {
        if (Datei.key() == "support/Zeitraffer.cpp")
            continue;
        for (const int Zeile : Verstoesse(Datei.value(), Timer))
            Funde << Datei.key() + ':' + QString::number(Zeile);
    }
    QVERIFY2(Funde.isEmpty(), qPrintable("Timer an Zeitraffer vorbei: " + Funde.join(", ")));
}

VORLIX_TEST_GUILESS_MAIN(TestZeitrafferPflicht)
#include "tst_zeitraffer_pflicht.moc"
