#pragma once

#include <QString>
#include <array>

// The machine's comments. Each event has one WAV file in the current directory; the window plays
// events, never file names, so a misspelt name cannot silently play nothing.
enum class TKlang
{
    Muenze,        // a coin taken in or paid out; the greeting at start-up
    Einzahlen,     // a game refused: the credit does not cover one
    Gewonnen1,     // a credit win, first sound
    Gewonnen,      // a credit win, 1000 ms later
    Sonderspiele1, // a completed bonus series, first sound
    Sonderspiele,  // a completed bonus series, 1000 ms later
    Stop,          // stopped and lost, first sound
    Ups,           // stopped and lost, 1000 ms later
};

inline constexpr std::array AlleKlaenge{
    TKlang::Muenze,        TKlang::Einzahlen,    TKlang::Gewonnen1, TKlang::Gewonnen,
    TKlang::Sonderspiele1, TKlang::Sonderspiele, TKlang::Stop,      TKlang::Ups};

// The file name of the event, beginning with '/', as TSoundSpieler::SpieleSound takes it.
QString KlangDatei(TKlang Klang);
