#pragma once

#include <QString>
#include <QUrl>
#include <functional>

// The help document and the maker's web site, opened with the desktop's default applications.
namespace Verweise {

// Opens an address; true when the desktop found an application for it.
using TOeffner = std::function<bool(const QUrl&)>;

// QDesktopServices::openUrl.
TOeffner DesktopOeffner();

// ProgrammVerzeichnis (ending in '/') followed by "Vorlix-Hilfe.pdf".
QString HilfePfad(const QString& ProgrammVerzeichnis);

// The maker's web site, a build setting.
QUrl HerstellerAdresse();

// Opens the help document from the program directory. The result is not looked at: a missing
// file or viewer shows nothing.
void OeffneHilfe(const QString& ProgrammVerzeichnis, const TOeffner& Oeffne = DesktopOeffner());

// Opens the maker's web site; false when no browser could be started (the window then tells
// the player "Keinen Browser gefunden").
bool OeffneHerstellerSeite(const TOeffner& Oeffne = DesktopOeffner());

} // namespace Verweise
