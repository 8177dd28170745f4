#pragma once

#include "tools/statistik/Maschinenzahlen.h"

#include <QImage>

namespace Maschinenzahlen {

// The code that a disc resting at an angle shows, read the way the machine reads it: the
// artwork turned by the machine's rotation, then the colour marker sampled below the centre.
TCodeBeiWinkel CodeDurchDrehung(const QImage& Kunstwerk);

// The machine's own disc artwork, built into the program.
QImage Scheibenkunstwerk();

} // namespace Maschinenzahlen
