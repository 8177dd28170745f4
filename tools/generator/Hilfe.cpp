#include "tools/generator/Generator.h"
#include "tools/generator/HilfeText.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFontDatabase>
#include <QHashFunctions>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextDocument>
#include <cstdio>
#include <cstdlib>

namespace {

const QString Titel = QStringLiteral("Vorlix – Spielanleitung");

void LadeSchriften()
{
    const QString Ordner = QStringLiteral("/usr/share/fonts/truetype/dejavu/");
    for (const char* Datei :
         {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf", "DejaVuSans-Oblique.ttf",
          "DejaVuSans-BoldOblique.ttf", "DejaVuSansMono.ttf", "DejaVuSansMono-Bold.ttf"})
        QFontDatabase::addApplicationFont(Ordner + QString::fromLatin1(Datei));
}

void ZeichneFusszeile(QPainter& Maler, const QRectF& Bereich, int Seite, int Seiten)
{
    Maler.save();
    Maler.setPen(QColor(0x80, 0x80, 0x80));
    Maler.setFont(QFont(QStringLiteral("DejaVu Sans"), 7));
    Maler.drawLine(Bereich.topLeft(), Bereich.topRight());
    const QString Text =
        QStringLiteral("%1   ·   Seite %2 von %3").arg(Titel).arg(Seite).arg(Seiten);
    Maler.drawText(Bereich, Qt::AlignRight | Qt::AlignBottom, Text);
    Maler.restore();
}

QByteArray SetzePdf()
{
    QBuffer Puffer;
    Puffer.open(QIODevice::WriteOnly);
    QPdfWriter Schreiber(&Puffer);
    Schreiber.setTitle(Titel);
    Schreiber.setCreator(QStringLiteral("Vorlix"));
    Schreiber.setPageSize(QPageSize(QPageSize::A4));
    Schreiber.setPageMargins(QMarginsF(17, 14, 17, 12), QPageLayout::Millimeter);
    Schreiber.setResolution(300);

    QTextDocument Dokument;
    Dokument.documentLayout()->setPaintDevice(&Schreiber);
    Dokument.setDocumentMargin(0);
    Dokument.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    Dokument.setDefaultStyleSheet(Generator::HilfeStil());
    Dokument.setHtml(Generator::HilfeHtml());

    const double Fusshoehe = Schreiber.resolution() * 0.3; // 0.3 inch for the page footer
    const QSizeF Satzspiegel(Schreiber.width(), Schreiber.height() - Fusshoehe);
    Dokument.setPageSize(Satzspiegel);
    const int Seiten = Dokument.pageCount();

    QPainter Maler(&Schreiber);
    for (int Seite = 0; Seite < Seiten; ++Seite) {
        if (Seite > 0)
            Schreiber.newPage();
        const QRectF Ausschnitt(QPointF(0, Seite * Satzspiegel.height()), Satzspiegel);
        Maler.save();
        Maler.translate(0, -Ausschnitt.top());
        Dokument.drawContents(&Maler, Ausschnitt);
        Maler.restore();
        ZeichneFusszeile(
            Maler,
            QRectF(0, Satzspiegel.height() + Fusshoehe / 3, Satzspiegel.width(), Fusshoehe * 2 / 3),
            Seite + 1, Seiten);
    }
    Maler.end();
    return Puffer.data();
}

// Moves every cross-reference entry and the start of the table that lie behind Stelle by Versatz
// bytes. The table is the classic one with one 20-byte line per object.
void VerschiebeQuerverweise(QByteArray& Pdf, qsizetype Stelle, qsizetype Versatz)
{
    const qsizetype Tabelle = Pdf.lastIndexOf("\nxref\n");
    const qsizetype Start = Pdf.lastIndexOf("\nstartxref\n");
    if (Tabelle < 0 || Start < Tabelle)
        return;
    const qsizetype Kopfende = Pdf.indexOf('\n', Tabelle + 6);
    const int Anzahl = Pdf.mid(Kopfende - 8, 8).split(' ').last().trimmed().toInt();
    for (int Eintrag = 0; Eintrag < Anzahl; ++Eintrag) {
        const qsizetype Zeile = Kopfende + 1 + 20 * qsizetype(Eintrag);
        if (Pdf.at(Zeile + 17) != 'n')
            continue;
        const qsizetype Ort = Pdf.mid(Zeile, 10).toLongLong();
        if (Ort > Stelle)
            Pdf.replace(Zeile, 10, QByteArray::number(Ort + Versatz).rightJustified(10, '0'));
    }
    const qsizetype Zahl = Start + 11;
    const qsizetype Zahlende = Pdf.indexOf(' ', Zahl);
    const qsizetype AlterStart = Pdf.mid(Zahl, Zahlende - Zahl).toLongLong();
    Pdf.replace(Zahl, Zahlende - Zahl, QByteArray::number(AlterStart + Versatz));
}

// The PDF writer stamps the document with the time of writing, in local time. Every run gets the
// same fixed stamp in universal time instead.
void SetzeFestesDatum(QByteArray& Pdf)
{
    static const QRegularExpression Datum(
        QStringLiteral("/CreationDate \\(D:[0-9]{14}(?:Z|[+-][0-9]{2}'[0-9]{2}')\\)"));
    const QByteArray Fest = "/CreationDate (D:20260101120000Z)";
    const QRegularExpressionMatch Treffer = Datum.match(QString::fromLatin1(Pdf));
    if (!Treffer.hasMatch())
        return;
    Pdf.replace(Treffer.capturedStart(), Treffer.capturedLength(), Fest);
    VerschiebeQuerverweise(Pdf, Treffer.capturedStart(), Fest.size() - Treffer.capturedLength());
}

} // namespace

namespace Generator {

void ErzeugeHilfe(const QDir& Ziel)
{
    LadeSchriften();
    // The writer keeps its embedded fonts in a hash; a fixed seed fixes their order in the file.
    QHashSeed::setDeterministicGlobalSeed();
    QByteArray Pdf = SetzePdf();
    QHashSeed::resetRandomGlobalSeed();
    SetzeFestesDatum(Pdf);
    QSaveFile Datei(Ziel.filePath(QStringLiteral("Vorlix-Hilfe.pdf")));
    if (!Datei.open(QIODevice::WriteOnly) || Datei.write(Pdf) < 0 || !Datei.commit()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(Datei.fileName()));
        std::exit(1);
    }
}

} // namespace Generator
