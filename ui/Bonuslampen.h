#pragma once

#include "discs/Gewinntabelle.h"

#include <QPoint>
#include <array>

class TBild;
class TMainForm;

// The bonus lamps of one fruit: three lamps on the face that light one after another, and the
// two hidden pictures of a lamp unlit and lit whose picture they take.
struct TBonuslampen
{
    using TBildZeiger = TBild* TMainForm::*;
    const char* Frucht;               // the lamps are "ImageBonus1_<Frucht>" to 3
    const char* Bild;                 // the pictures "Image<Bild>Normal" and "...Aktiv"
    const char* Hinweis;              // the tool tip of the third lamp
    std::array<QPoint, 3> Ort;        // the lamps' places on the face, at 100 %
    std::array<TBildZeiger, 3> Lampe; // the first to the third lamp
    TBildZeiger Normal;
    TBildZeiger Aktiv;
};

// The lamps of every fruit, in the order of Gewinntabelle::TFrucht.
const std::array<TBonuslampen, 4>& Bonuslampen();

inline const TBonuslampen& BonuslampenVon(Gewinntabelle::TFrucht Frucht)
{
    return Bonuslampen()[static_cast<std::size_t>(Frucht)];
}
