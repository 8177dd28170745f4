#pragma once

// One factor for every duration of the machine: pauses, timer intervals and frame sleeps.
// The player always runs at 1.0; tests shorten whole game sequences by setting a smaller factor.
namespace Zeitraffer {

void SetzeFaktor(double Faktor); // Faktor > 0; 1.0 is real time
double Faktor();

// A duration in milliseconds as it is really waited: scaled by the factor, never below 1 ms
// for a positive duration; zero and negative durations stay as they are.
int Dauer(int Millisekunden);

} // namespace Zeitraffer
