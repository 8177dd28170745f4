#pragma once

class QTimer;

// One factor for every duration of the machine: pauses, timer intervals and frame sleeps.
// The player always runs at 1.0; tests shorten whole game sequences by setting a smaller factor.
//
// Timers of the machine are set and started only through the functions below, so that no
// interval escapes the factor.
namespace Zeitraffer {

void SetzeFaktor(double Faktor); // Faktor > 0; 1.0 is real time
double Faktor();

// A duration in milliseconds as it is really waited: scaled by the factor, never below 1 ms
// for a positive duration; zero and negative durations stay as they are.
int Dauer(int Millisekunden);

// The timer's interval becomes Millisekunden, scaled. Like QTimer::setInterval, a running timer
// starts its interval anew.
void SetzeIntervall(QTimer& Timer, int Millisekunden);

// The timer runs with the interval it has: a stopped timer starts, a running one goes on
// undisturbed (unlike QTimer::start(), which would begin its interval again).
void Einschalten(QTimer& Timer);

// Sets the interval (scaled) and starts the timer afresh.
void Starte(QTimer& Timer, int Millisekunden);

// Sleeps Millisekunden (scaled) without handling any event: the window stands still meanwhile.
void Schlafe(int Millisekunden);

} // namespace Zeitraffer
