#pragma once

class QWidget;

namespace Skalierung {

// Proportional scaling of a window's contents by Zaehler/Nenner: every child control below
// Wurzel (recursively, not separate windows) gets its position and size scaled with
// SkaliereRechteck, and every font set on a control (pixel or point size) is scaled with MulDiv;
// controls that inherit their font follow their parent. Wurzel itself keeps its position; its
// size and font are scaled too. Geometry is written as scaled even for controls that size
// themselves. Zaehler == Nenner changes nothing.
void SkaliereFenster(QWidget* Wurzel, int Zaehler, int Nenner);

} // namespace Skalierung
