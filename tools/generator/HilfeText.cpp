#include "tools/generator/HilfeText.h"
#include "tools/statistik/Maschinenzahlen.h"

namespace Generator {

namespace {

QString Frucht(const char* Farbe, const QString& Name)
{
    return QStringLiteral("<span style=\"color:%1\">&#x25CF;</span>&nbsp;%2")
        .arg(QString::fromLatin1(Farbe), Name);
}

QString Zitrone()
{
    return Frucht("#e0c000", QStringLiteral("Zitrone"));
}
QString Erdbeere()
{
    return Frucht("#d0213a", QStringLiteral("Erdbeere"));
}
QString Karotte()
{
    return Frucht("#f07f10", QStringLiteral("Karotte"));
}
QString Kirschen()
{
    return Frucht("#8e0f2a", QStringLiteral("Kirschen"));
}

QString Titel()
{
    return QStringLiteral(
        "<table class=\"titel\" width=\"100%\" cellspacing=\"0\" cellpadding=\"10\">"
        "<tr><td bgcolor=\"#1b1b1b\">"
        "<p class=\"name\">Vorlix</p>"
        "<p class=\"unterzeile\">Spielanleitung für den Geldspielautomaten</p>"
        "</td></tr></table>"
        "<p class=\"einleitung\">Vorlix ist ein Spielautomat zum Vergnügen: Es geht nicht um "
        "echtes "
        "Geld, aber der Automat rechnet wie ein echter – in Euro und Cent, auf den Cent genau. "
        "Drei Scheiben tragen je acht Symbole: die Zahlen 1 bis 4 und vier Früchte.</p>");
}

QString SoWirdGespielt()
{
    return QStringLiteral(
        "<h2>So wird gespielt</h2>"
        "<ul>"
        "<li><b>Geld einwerfen:</b> Klicken Sie rechts auf eine Münze oder einen Schein – von "
        "10&nbsp;Cent bis 50&nbsp;Euro. Der Betrag erscheint in der Guthabenanzeige. Geld nimmt "
        "der Automat an, solange er auf Geld wartet; während der Spiele ist der Einwurf "
        "gesperrt.</li>"
        "<li><b>Ein Spiel kostet 20&nbsp;Cent</b> oder ein Sonderspiel. Vorhandene Sonderspiele "
        "werden immer zuerst gespielt.</li>"
        "<li><b>Automatischer Start:</b> Zwei Sekunden nach dem Einwurf beginnt das erste Spiel "
        "von selbst, und die Spiele folgen einander, solange Guthaben oder Sonderspiele reichen. "
        "Dann meldet der Automat „1 Spiel kostet 20 Cent“ oder „Betrag reicht nicht! 1 Spiel = 20 "
        "Cent“ und nimmt wieder Geld an.</li>"
        "<li><b>Die Scheiben</b> laufen nacheinander an: links, Mitte, rechts. Wie lange jede "
        "läuft, bestimmt der Schieberegler für die Spieldauer, von „kürzer“ (1&nbsp;Sekunde) bis "
        "„länger“ (8&nbsp;Sekunden). Es zählt das Symbol, auf das der Pfeil der Scheibe "
        "zeigt.</li>"
        "<li><b>Nachstart:</b> Steht die linke Scheibe, erscheint an der Stelle der Nase kurz der "
        "grüne Startknopf. Ein Klick darauf, während die mittlere Scheibe anläuft, dreht die "
        "linke Scheibe noch einmal – kostenlos, einmal je Spiel.</li>"
        "<li><b>Stopp:</b> Läuft die rechte Scheibe aus, erscheint der grüne Stoppknopf; ein "
        "Klick hält sie sofort an.</li>"
        "<li><b>Ungültiges Spiel:</b> Wechseln Sie während eines Spiels in ein anderes Programm, "
        "hält das Spiel an und gilt bei Ihrer Rückkehr als ungültig; der Einsatz verfällt.</li>"
        "</ul>");
}

QString Zeile(const QString& Kombination, const QString& Gewinn, const QString& Risiko)
{
    return QStringLiteral("<tr><td>%1</td><td>%2</td><td align=\"center\">%3</td></tr>")
        .arg(Kombination, Gewinn, Risiko);
}

QString Dreier(const QString& Symbol)
{
    return Symbol + QStringLiteral(" · ") + Symbol + QStringLiteral(" · ") + Symbol;
}

QString Gewinnplan()
{
    const QString Bonus = QStringLiteral("3 Euro und eine Bonuslampe");
    return QStringLiteral(
               "<h2>Gewinnplan</h2>"
               "<table class=\"raster\" width=\"100%\" cellspacing=\"0\" "
               "cellpadding=\"3\">"
               "<tr class=\"kopf\"><th align=\"left\" width=\"40%\">links · Mitte · rechts</th>"
               "<th align=\"left\" width=\"38%\">Gewinn</th>"
               "<th>mit Risiko 2X</th></tr>") +
           Zeile(Dreier("1"), "1 Euro", "2 Euro") + Zeile(Dreier("2"), "2 Euro", "4 Euro") +
           Zeile(Dreier("3"), "3 Euro", "6 Euro") + Zeile(Dreier("4"), "4 Euro", "8 Euro") +
           Zeile("beliebig · 3 · beliebig (außer 3 · 3 · 3)", "30 Cent", "60 Cent") +
           Zeile(Dreier(Zitrone()), Bonus, "–") + Zeile(Dreier(Erdbeere()), Bonus, "–") +
           Zeile(Dreier(Karotte()),
                 Bonus + QStringLiteral("; steht die Schraube senkrecht, 30 Euro statt 3"), "–") +
           Zeile(Dreier(Kirschen()), Bonus, "–") +
           Zeile("gleiche Frucht links und rechts, Mitte anders", "1 Euro", "–") +
           QStringLiteral(
               "</table>"
               "<p>Eine 3 in der Mitte zahlt ihre 30&nbsp;Cent auch zusammen mit einem "
               "Fruchtpaar. Wer diese 30&nbsp;Cent im Risikospiel hält oder verdoppelt, bekommt "
               "für das Fruchtpaar im selben Spiel 1,30 bzw. 1,60&nbsp;Euro statt 1&nbsp;Euro. "
               "Die Schraube mitten im Gesicht dreht sich zwischen den Spielen; steht ihr Schlitz "
               "bei der Wertung senkrecht, zahlen drei Karotten 30&nbsp;Euro.</p>");
}

QString Serie(const QString& Name, const char* Ort, int Sonderspiele)
{
    return QStringLiteral("<tr><td>%1</td><td>%2</td><td align=\"center\">%3</td></tr>")
        .arg(Name, QString::fromUtf8(Ort), QString::number(Sonderspiele));
}

QString Bonusserien()
{
    return QStringLiteral(
               "<h2>Bonuslampen und Sonderspiele</h2>"
               "<p>Jede Frucht hat drei Bonuslampen. Jeder Dreier der Frucht zahlt 3&nbsp;Euro "
               "und lässt eine weitere Lampe leuchten. Leuchtet die dritte, ist die Bonusserie "
               "vollendet: Es gibt Sonderspiele, und die Lampen der Frucht gehen wieder aus.</p>"
               "<table class=\"raster\" width=\"100%\" cellspacing=\"0\" cellpadding=\"3\">"
               "<tr class=\"kopf\"><th align=\"left\" width=\"40%\">Frucht</th>"
               "<th align=\"left\" width=\"38%\">Lampen am Gesicht</th>"
               "<th>Sonderspiele je Serie</th></tr>") +
           Serie(Zitrone(), "links unten", 10) + Serie(Erdbeere(), "rechts unten", 5) +
           Serie(Karotte(), "rechte Seite", 15) + Serie(Kirschen(), "linke Seite", 20) +
           QStringLiteral(
               "</table>"
               "<p>Ein Sonderspiel läuft und zählt wie ein bezahltes Spiel, kostet aber kein "
               "Guthaben; die Anzeige der Sonderspiele zählt rückwärts. Leuchtende Lampen bleiben "
               "an, bis ihre Serie vollendet ist, längstens bis zum Ende des Programms.</p>");
}

// The return to player, worked out exactly from the discs and the win table.
QString Auszahlungsquote()
{
    using namespace Maschinenzahlen;
    const TScheiben Scheiben = ScheibenAusRuhewinkeln(Marker::SymbolBeiWinkel);
    const auto Quote = [&Scheiben](bool RisikoEin) {
        return AuszahlungsquoteProzent(BerechneExakt(Scheiben, RisikoEin)).Dezimal(2);
    };
    return QStringLiteral(
               "<p><b>Auszahlungsquote:</b> Auf lange Sicht gibt der Automat %1&nbsp;% der "
               "Einsätze als Gewinn zurück, wenn das Risikospiel eingeschaltet ist und das Licht "
               "von selbst stehen bleibt, und %2&nbsp;% ohne Risikospiel; gewonnene Sonderspiele "
               "sind dabei mitgespielt.</p>")
        .arg(Quote(true), Quote(false));
}

QString Risikospiel()
{
    return QStringLiteral(
               "<h2 style=\"page-break-before: always\">Risikospiel</h2>"
               "<p>Zahlengewinne – drei gleiche Zahlen und die 3 in der Mitte – dürfen Sie "
               "riskieren. "
               "Neben der rechten Scheibe läuft dann ein Licht immer wieder über die Felder "
               "<b>2X</b>, <b>1X</b> und <b>0X</b>. Drücken Sie den grünen Stoppknopf (oder Enter "
               "bzw. "
               "die Leertaste): Das Feld, das gerade leuchtet, entscheidet – <b>2X</b> doppelter "
               "Gewinn, <b>1X</b> einfacher Gewinn, <b>0X</b> nichts. Drücken Sie nicht, bleibt "
               "das "
               "Licht nach einer Weile von selbst stehen; jedes Feld ist dann gleich "
               "wahrscheinlich. "
               "Fruchtgewinne werden nie riskiert. Wer stoppt und leer ausgeht, bekommt "
               "Farbkleckse "
               "ins Gesicht und ein spöttisches „Ups“ zu hören.</p>"
               "<p>Der Knopf „Risikospiel ist ein“ im Bedienfeld schaltet das Risikospiel aus "
               "(„Risikospiel ist aus“) und wieder ein. Beim Start ist es eingeschaltet; "
               "ausgeschaltet "
               "werden Zahlengewinne sofort einfach gutgeschrieben.</p>") +
           Auszahlungsquote();
}

QString Taste(const char* Name, const char* Wirkung)
{
    return QStringLiteral("<tr><td width=\"24%\"><b>%1</b></td><td>%2</td></tr>")
        .arg(QString::fromUtf8(Name), QString::fromUtf8(Wirkung));
}

QString TastenUndMaus()
{
    return QStringLiteral("<h2>Tasten und Maus</h2>"
                          "<table class=\"raster\" width=\"100%\" cellspacing=\"0\" "
                          "cellpadding=\"3\">"
                          "<tr class=\"kopf\"><th align=\"left\">Taste</th>"
                          "<th align=\"left\">Wirkung</th></tr>") +
           Taste("Esc", "beendet das Programm sofort, überall und ohne Auszahlung: Guthaben und "
                        "Sonderspiele bleiben im Automaten.") +
           Taste("Enter, Leertaste", "drücken den Knopf, der gerade hervorgehoben ist: Start, "
                                     "Stopp oder Auszahlung.") +
           Taste("Mausrad", "schiebt den Automaten auf und ab, wenn er größer ist als der "
                            "Bildschirm.") +
           Taste("Rechtsklick auf die Nase", "öffnet die Einstellung der Automatengröße.") +
           Taste("„Hilfe“", "öffnet diese Anleitung; ein Klick auf das Logo oben rechts öffnet "
                            "die Webseite des Herstellers.") +
           QStringLiteral("</table>");
}

QString Auszahlung()
{
    return QStringLiteral(
        "<h2>Auszahlung</h2>"
        "<p>Mit „Gib mir mein Geld, ich höre auf.“ beenden Sie Ihren Besuch; der Knopf ist "
        "zwischen den Spielen bedienbar. Übrige Sonderspiele werden zu je 20&nbsp;Cent "
        "Guthaben, dann fällt das ganze Guthaben als Scheine und Münzen aus dem Automaten, die "
        "größten zuerst. Die Auswertung im Seitenfeld führt jede Einzahlung und die Auszahlung "
        "auf und sagt zum Schluss, wie viel Sie gewonnen oder verspielt haben. Ist „Auswertung "
        "speichern“ angehakt, wird sie als Textdatei mit Ihrem Namen, dem Datum und der Uhrzeit "
        "gespeichert. Danach endet das Programm. „Geräusche ein“ schaltet die Töne des Automaten "
        "ein und aus.</p>"
        "<p>Die Automatenkasse nimmt jede Einzahlung auf, gibt jede Auszahlung her und bleibt von "
        "Start zu Start erhalten. Hat sie 10.000&nbsp;Euro erreicht, wird sie geleert, sobald der "
        "Automat wieder auf Geld wartet; 100&nbsp;Euro bleiben drin.</p>");
}

QString Schluessel(const char* Name, const char* Bedeutung, const char* Vorgabe)
{
    return QStringLiteral("<tr><td><tt>%1</tt></td><td>%2</td><td>%3</td></tr>")
        .arg(QString::fromUtf8(Name), QString::fromUtf8(Bedeutung), QString::fromUtf8(Vorgabe));
}

QString Einstellungen()
{
    return QStringLiteral(
               "<h2>Einstellungen in „Vorlix.ini“</h2>"
               "<p>Die Datei „Vorlix.ini“ im Programmordner hält die Einstellungen im Abschnitt "
               "<tt>[Einstellungen]</tt>. Fehlt ein Eintrag oder ist er leer, gilt die "
               "Vorgabe.</p>"
               "<table class=\"raster\" width=\"100%\" cellspacing=\"0\" cellpadding=\"3\">"
               "<tr class=\"kopf\"><th align=\"left\">Schlüssel</th><th "
               "align=\"left\">Bedeutung</th><th align=\"left\">Vorgabe</th></tr>") +
           Schluessel("Spieldauer",
                      "Laufzeit jeder Scheibe in Sekunden, 1 bis 8; der Regler wird beim Beenden "
                      "hier gespeichert",
                      "8") +
           Schluessel("GeschwindigkeitAuszahlung",
                      "Pause in Millisekunden je Schritt, wenn das Geld herausfällt; ein "
                      "eingetragener Wert gilt auf Rechnern unter 2&nbsp;GHz als 1",
                      "0") +
           Schluessel("SpielerName",
                      "Ihr Name in der Auswertung; wird bei jeder Änderung des Namensfelds "
                      "gespeichert",
                      "Kein Name") +
           Schluessel("Automatenkassenstand anzeigen", "1 zeigt den Stand der Automatenkasse",
                      "aus") +
           Schluessel("Sound", "1 = Geräusche ein, 0 = aus (Kästchen „Geräusche ein“)", "ein") +
           Schluessel("Auswertung speichern", "1 = Auswertung als Textdatei speichern, 0 = nicht",
                      "ein") +
           Schluessel("FormScalieren",
                      "1 = Größe des Automaten an den Bildschirm anpassen, dann gilt ScaleBy",
                      "aus") +
           Schluessel("ScaleBy",
                      "Größe des Automaten in Prozent; beim ersten Start aus der Bildschirmhöhe "
                      "ermittelt (100 ab 900 Bildpunkten), änderbar in der Größeneinstellung",
                      "wird ermittelt") +
           QStringLiteral("</table>"
                          "<p>Ein Beispiel:</p>"
                          "<pre>[Einstellungen]\n"
                          "Spieldauer=5\n"
                          "SpielerName=Anna\n"
                          "Sound=1\n"
                          "Auswertung speichern=1\n"
                          "FormScalieren=1\n"
                          "ScaleBy=90</pre>"
                          "<p class=\"gruss\">Viel Vergnügen mit Vorlix!</p>");
}

} // namespace

QString HilfeHtml()
{
    return QStringLiteral("<html><body>") + Titel() + SoWirdGespielt() + Gewinnplan() +
           Bonusserien() + Risikospiel() + TastenUndMaus() + Auszahlung() + Einstellungen() +
           QStringLiteral("</body></html>");
}

QString HilfeStil()
{
    return QStringLiteral(
        "body { font-family: 'DejaVu Sans'; font-size: 8.5pt; color: #202020; }"
        "p { margin-top: 2px; margin-bottom: 4px; }"
        "li { margin-bottom: 2px; }"
        "h2 { font-size: 11.5pt; color: #a3121e; margin-top: 9px; margin-bottom: 3px; }"
        "p.name { font-size: 24pt; font-weight: bold; color: #ffcc33; margin: 0px; }"
        "p.unterzeile { font-size: 11pt; color: #ffffff; margin: 0px; }"
        "p.einleitung { margin-top: 6px; font-style: italic; }"
        "table.raster { border-collapse: collapse; border-color: #b8b8b8; border-style: solid; "
        "border-width: 1px; }"
        "table.raster td, table.raster th { border: 1px solid #b8b8b8; }"
        "tr.kopf { background-color: #f3e3c3; }"
        "tt, pre { font-family: 'DejaVu Sans Mono'; font-size: 8pt; }"
        "pre { background-color: #f2f2f2; margin-top: 2px; }"
        "p.gruss { font-size: 11pt; font-weight: bold; color: #a3121e; margin-top: 10px; }");
}

} // namespace Generator
