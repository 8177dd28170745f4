#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The Windows-1252 code page of the ini file and the log file, with one rule for both: a
// character the code page cannot hold becomes one '?' (a pair of surrogates is one character).
//
// The five bytes the code page leaves free (0x81, 0x8D, 0x8F, 0x90, 0x9D) read as the control
// characters of the same number and are written back as those bytes, so any file reads and
// writes back unchanged.
namespace Windows1252 {

QByteArray Kodiere(QStringView Text);
QString Dekodiere(QByteArrayView Bytes);

} // namespace Windows1252
