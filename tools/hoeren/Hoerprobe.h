#pragma once

// Listening to what the program really sends to the sound server: a PulseAudio server of its own
// with one null sink, whose monitor is recorded, and a search of the recording for the machine's
// sounds at the times they were started.

#include <QHash>
#include <QList>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <optional>
#include <vector>

// A sound file's samples, scaled to -1 .. 1. Only mono 16-bit PCM, as the machine's files are.
struct TKlangmuster
{
    std::vector<float> Proben;
    int Rate = 0;
};
std::optional<TKlangmuster> LiesKlangmuster(const QString& Pfad);

// The eight sounds of the folder by file name ("Muenze.WAV"); empty when one is unreadable.
QHash<QString, TKlangmuster> LiesMaschinenklaenge(const QString& Ordner);

// A sound server that only this process uses: private runtime folder and socket, no default
// configuration, a null sink as its only device. Starte() points this process at it (the
// variable PULSE_SERVER), so it must run before the audio output is first used.
class TTonstudio
{
public:
    TTonstudio();
    ~TTonstudio(); // ends the recorder and the server if they still run

    // The programs the studio needs and cannot find.
    static QStringList FehlendeProgramme();

    // Starts server and recorder at Rate samples per second (mono) and returns once the recording
    // runs steadily; an empty text, or what went wrong.
    QString Starte(int Rate);

    // Ends the recording and the server; the recorded samples, -1 .. 1.
    std::vector<float> Stoppe();

private:
    bool StarteServer(QString& Fehler);
    bool WarteAufStetigeAufnahme(QString& Fehler);

    QTemporaryDir Ordner;
    QProcess Server;
    QProcess Rekorder;
    int Rate = 0;
};

// A sound that was started: its file name and when, in seconds on any clock.
struct TErwartung
{
    QString Name;
    double Sekunde = 0;
};

// What the recording holds of an expected sound.
struct TBefund
{
    TErwartung Erwartet;
    bool Gehoert = false;
    double Abweichung = 0;    // seconds it came later (+) or earlier (-) than the last one's delay
    double Aehnlichkeit = -1; // best normalised correlation with the file's beginning; -1: silence
};

// Looks for each expected sound near its time. The times count from the first expected sound,
// which is placed at the first loud sample of the recording (the recording is silent before),
// and each sound is looked for as much later than its time as the last heard one came.
// A sound is heard when its file's beginning is found within Spielraum seconds, in shape and
// at about its level, and not where another expected sound was heard already: sounds started a
// few milliseconds apart leave one sound in the recording, and count once.
QList<TBefund> Hoere(const std::vector<float>& Aufnahme, int Rate,
                     const QList<TErwartung>& Erwartet, const QHash<QString, TKlangmuster>& Klaenge,
                     double Spielraum = 0.2);

// One line per sound: time, file, heard or not, deviation and similarity.
QString Bericht(const QList<TBefund>& Befunde);
