#pragma once

#include <QDir>

// The generator draws every picture, synthesises every sound and sets the help document of the
// machine. Every function writes the same bytes on every run.
namespace Generator {

void ErzeugeBilder(const QDir& Ziel); // Ziel/bilder/*.png|*.jpg|*.bmp
void ErzeugeToene(const QDir& Ziel);  // Ziel/*.WAV
void ErzeugeHilfe(const QDir& Ziel);  // Ziel/Vorlix-Hilfe.pdf
void ErzeugeKontaktbogen(const QDir& Quelle,
                         const QString& PngDatei); // every picture with its name

} // namespace Generator
