#pragma once

#include <QByteArray>
#include <QString>

// Reading a stored file without trusting what lies under its name: a named pipe would block the
// program, a device or a huge file would fill the memory. Only a regular file (also behind a
// symbolic link) of a size that a store of this program can have is read.
namespace Registrierung {

// Far above any store this program writes; a larger file is no store of its.
constexpr qint64 HoechstGroesseGespeicherterDatei = 1024 * 1024;

// Puts the whole file at Pfad into Inhalt. Returns ErfolgOk, with Vorhanden false when nothing
// is there (also a link that points nowhere); FehlerUngeeignet for anything that is not a regular
// file or is larger than HoechstGroesse bytes, which is never opened for reading; FehlerZugriff
// or FehlerLesen when the system refuses.
long LiesGewoehnlicheDatei(const QString& Pfad, QByteArray& Inhalt, bool& Vorhanden,
                           qint64 HoechstGroesse = HoechstGroesseGespeicherterDatei);

} // namespace Registrierung
