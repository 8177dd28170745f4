#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

// Where the machine's message boxes go: to the player, or in tests to a recorder that answers.
class IMeldungen
{
public:
    virtual ~IMeldungen() = default;

    // Shows Text with the icon Art and the buttons Knoepfe, modally, and returns the button
    // pressed. Bezug is the window the box is centred over (may be null).
    virtual QMessageBox::StandardButton Zeige(QWidget* Bezug, QMessageBox::Icon Art,
                                              const QString& Text,
                                              QMessageBox::StandardButtons Knoepfe) = 0;
};

// Real message boxes: horizontally centred over the active window, 100 pixels below its top.
class TDialogMeldungen : public IMeldungen
{
public:
    QMessageBox::StandardButton Zeige(QWidget* Bezug, QMessageBox::Icon Art, const QString& Text,
                                      QMessageBox::StandardButtons Knoepfe) override;
};

// Where a message box of the given size goes over a window at Fenster: centred horizontally,
// its top 100 pixels below the window's top.
QPoint MeldungsPosition(const QRect& Fenster, const QSize& Meldung);
