#pragma once

#include <QString>

// Where the machine works. Started from a folder the player may write to (the build tree, a copy
// in the home folder) it works there as it always did. An installed machine's folder belongs to
// the system: then the settings and the saved logs live in a folder of the player's own, and the
// sounds and the help document are taken from the installed folder.
namespace Programmordner {

struct TOrdner
{
    // Becomes the working directory; empty: the working directory stays as it is.
    QString Arbeitsordner;
    // Where sounds and help are looked for when the working directory lacks them; empty: nowhere.
    QString Installordner;
};

// True when the current user may create files in Ordner. The permission bits decide for every
// user alike, root included, so that an installed folder is not written to by whoever runs the
// machine; a read-only file system counts as well.
bool IstBeschreibbar(const QString& Ordner);

// Decides for the folder of the executable. When it cannot be written, the per-user folder
// (Dateien::Datenordner) is created and receives a copy of the installed "Vorlix.ini", when that
// is a regular file of a settings file's size, unless it has its own; when the folder cannot be
// created, the machine stays in the working directory.
TOrdner Bestimme(const QString& ProgrammdateiOrdner);

} // namespace Programmordner
