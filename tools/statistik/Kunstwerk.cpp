#include "tools/statistik/Kunstwerk.h"

#include "discs/Scheibenbild.h"

namespace Maschinenzahlen {

TCodeBeiWinkel CodeDurchDrehung(const QImage& Kunstwerk)
{
    return [Kunstwerk](int Winkel) {
        return Scheibenbild::Symbolcode(Scheibenbild::Gedreht(Kunstwerk, Winkel),
                                        Marker::KeinSymbol);
    };
}

QImage Scheibenkunstwerk()
{
    return QImage(QStringLiteral(":/kunstwerk/ImageOriginal.bmp"));
}

} // namespace Maschinenzahlen
