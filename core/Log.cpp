// The evaluation log as the window keeps it: its lines in the text box, and the file it is saved
// to at the end, in the working folder or, when that is gone, in the program folder.

#include "core/MainForm.h"

#include "support/Auswertung.h"
#include "support/Dateien.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QTextBlock>

QStringList TMainForm::LogZeilen() const
{
    QStringList Zeilen;
    for (QTextBlock Block = Memo1->document()->begin(); Block.isValid(); Block = Block.next())
        Zeilen.append(Block.text());
    if (Zeilen.size() == 1 && Zeilen.front().isEmpty())
        Zeilen.clear(); // an empty box still holds one empty block
    return Zeilen;
}

void TMainForm::SetzeLogZeilen(const QStringList& Zeilen)
{
    Memo1->clear();
    HaengeLogZeilenAn(Zeilen);
}

void TMainForm::HaengeLogZeilenAn(const QStringList& Zeilen)
{
    for (const QString& Zeile : Zeilen)
        Memo1->appendPlainText(Zeile);
}

void TMainForm::SpeichereAuswertungsdatei(const QStringList& Zeilen, const QString& Name,
                                          const QString& Datum, const QString& Uhrzeit)
{
    const Auswertung::TSpeicherErgebnis Ergebnis =
        Auswertung::SpeichereAuswertung(Zeilen, Auswertungsordner(), Name, Datum, Uhrzeit);
    if (!Ergebnis.Gespeichert)
        MessageDlgCtr(QStringLiteral("Die Auswertung konnte nicht gespeichert werden:\n%1\n%2")
                          .arg(Ergebnis.Pfad, Ergebnis.Fehler),
                      QMessageBox::Critical, 0, QMessageBox::Ok);
    else if (!Dateien::Arbeitsordner())
        MessageDlgCtr(QStringLiteral("Der Ordner, in dem Vorlix läuft, besteht nicht mehr. Die "
                                     "Auswertung wurde deshalb hier gespeichert:\n%1")
                          .arg(Ergebnis.Pfad),
                      QMessageBox::Information, 0, QMessageBox::Ok);
}

QString TMainForm::Auswertungsordner() const
{
    return Dateien::ArbeitsordnerOder(Programmordner());
}

QString TMainForm::Programmordner() const
{
    if (!ProgrammVerzeichnis.isEmpty() && QFileInfo(ProgrammVerzeichnis).isDir())
        return ProgrammVerzeichnis;
    return QCoreApplication::applicationDirPath();
}
