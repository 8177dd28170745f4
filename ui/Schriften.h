#pragma once

#include <QString>

// The machine's typefaces. Liberation Sans and Liberation Mono have the widths of Arial and
// Courier New, so captions and log columns take the room the layout was drawn for.
namespace Schriften {

inline const QString Serifenlos = QStringLiteral("Liberation Sans");
inline const QString Festbreite = QStringLiteral("Liberation Mono");

} // namespace Schriften
