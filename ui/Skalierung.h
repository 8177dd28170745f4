#pragma once

class QWidget;

namespace Skalierung {

// Proportional scaling of a window's contents by Zaehler/Nenner: every child control below
// Wurzel (recursively, not separate windows, not the parts of a scrolling box) gets its position
// and size scaled edge by edge like SkaliereRechteck, and every font set on a control (pixel or
// point size) is scaled; controls that inherit their font follow their parent. The unrounded
// values are kept with each control, so a series of steps ends where one step by their product
// would, as long as nothing else moved the control in between. Wurzel itself keeps its position;
// its font is scaled too, and its size unless it is a window of its own. Geometry is written as
// scaled even for controls that size themselves, except that a check box grows to hold its caption.
// Zaehler == Nenner changes nothing.
void SkaliereFenster(QWidget* Wurzel, int Zaehler, int Nenner);

} // namespace Skalierung
