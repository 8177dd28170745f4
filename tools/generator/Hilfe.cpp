#include "tools/generator/Generator.h"

namespace Generator {
void ErzeugeHilfe(const QDir&) {}
} // namespace Generator
