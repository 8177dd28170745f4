// The three discs: the spin loops, the resting pictures, the symbol detection, the screw, the
// flickering spin picture and the blinking arrows.

#include "core/MainForm.h"

void TMainForm::RotateLinksClick() {}
void TMainForm::RotateRechtsClick() {}
void TMainForm::TimerSchnellDrehendeScheibeTimer() {}
void TMainForm::SchraubenTimerTimer() {}
