#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// The machine's pictures, compiled into the program as resources ":/bilder/<name>.<ending>".
namespace Bilder {

// The picture named Datei (without its ending: .png, .jpg or .bmp are tried in this order).
// A missing picture is replaced by a grey field of Ersatzgroesse with Beschriftung on it, so
// the window can be laid out before all artwork exists. Each file is read once; a variant
// "<Datei>@2x.<ending>" beside it becomes the picture's Feinbild.
QImage Lade(const QString& Datei, QSize Ersatzgroesse, const QString& Beschriftung);

// The same picture drawn at twice the pixel density (device pixel ratio 2), for screens whose
// ratio is above 1; found for a loaded picture and every unchanged copy of it. A null picture
// when there is none, and for a picture changed since it was loaded: the variant would no
// longer show it. Code that reads pixels works on the picture itself, never on this one.
QImage Feinbild(const QImage& Bild);

// The picture as drawn transparent: without an alpha channel, every pixel of the colour of the
// bottom-left pixel becomes see-through; a picture with alpha stays as it is.
QImage Durchsichtig(const QImage& Bild);

// The modules across a QR code's picture: its top-left finder pattern is seven modules wide.
// 0 when the picture shows no dark pixel.
int QrModule(const QImage& Bild);

// True when the picture exists as a resource.
bool Vorhanden(const QString& Datei);

} // namespace Bilder
