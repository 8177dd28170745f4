#pragma once

#include <QString>

namespace Generator {

// The rules of the game for the player, as HTML for QTextDocument: title, sections, win table,
// keys, payout and the settings of the ini file.
QString HilfeHtml();

// The style sheet that goes with HilfeHtml().
QString HilfeStil();

} // namespace Generator
