#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QStringList>

class QWidget;

// Measures how the running machine fits its screen under a real window manager. Started by the
// remote control plugin as "vorlixfernbedienung:passform:<steps>", where each letter of the steps
// is one press in the size dialog, "g" for "Größer" and "k" for "Kleiner" ("G" and "K": press
// until the dialog refuses), or "l": the desktop's panel goes up (it prints "Leiste" and waits for
// the file leiste.fertig, below). After the start and after each step, once the window has come
// to rest, it prints one line (FEHLER also when, after the panel has gone, the window is back as at
// the start and the face is not):
//   Fall <n> <what> <ok|FEHLER> zustand=<maximiert|normal|...> fenster=<x,y,wxh>
//        bildschirm=<wxh> arbeitsflaeche=<x,y,wxh> gesicht=<wxh> aussen=<controls off the work
//        area, or ->
// and, when VORLIX_PASSFORM_ORDNER names a folder, waits there for the file <n>.fertig (the
// screenshot taken). After the size steps it stores the size ("OK - Speichern", which pays out and
// ends the program, or after a first start only closes the dialog) and presses Esc if the program
// still runs; without size steps it presses Esc.
class TVermessung : public QObject
{
    Q_OBJECT

public:
    explicit TVermessung(const QString& Schritte);

protected:
    bool eventFilter(QObject* Objekt, QEvent* Ereignis) override;

private slots:
    void Beginne();

private:
    void WarteAufRuhe(const QString& Was);
    void Pruefe();
    void Melde(const QString& Was);
    QStringList Aussen() const;
    QRect Arbeitsflaeche() const;
    void NaechsterSchritt();
    void Beende();
    void OeffneDialog();
    QWidget* Dialogknopf(const char* Name) const;
    bool WarteAufZeichen(const QString& Name);

    QString Schritte;
    int Position = 0;
    int Fall = 0;
    int Wiederholt = 0;
    int GesichtsbreiteVorher = -1;
    bool Geschritten = false;
    std::pair<QSize, QSize> AmStart; // the window and the face at the start
    QString Anstehend;
    QPointer<QWidget> Hauptfenster;
    QElapsedTimer SeitAenderung;
    QElapsedTimer SeitBeginn;
};
