#include "ui/Meldungen.h"

#include <QApplication>
#include <QWidget>

namespace {

QString Titel(QMessageBox::Icon Art)
{
    switch (Art) {
    case QMessageBox::Critical:
        return QStringLiteral("Fehler");
    case QMessageBox::Warning:
        return QStringLiteral("Warnung");
    case QMessageBox::Information:
        return QStringLiteral("Information");
    case QMessageBox::Question:
        return QStringLiteral("Bestätigen");
    default:
        return QStringLiteral("Vorlix");
    }
}

// A message box lays its text out, and so takes its size, only when it is shown; placed before,
// a box whose text wraps stands off centre.
class TPlatzierteBox : public QMessageBox
{
public:
    TPlatzierteBox(QMessageBox::Icon Art, const QString& Text, QMessageBox::StandardButtons Knoepfe,
                   QWidget* Bezug)
        : QMessageBox(Art, Titel(Art), Text, Knoepfe, Bezug), Bezug(Bezug)
    {}

protected:
    void showEvent(QShowEvent* Ereignis) override
    {
        QMessageBox::showEvent(Ereignis);
        if (Bezug)
            move(MeldungsPosition(Bezug->frameGeometry(), frameGeometry().size()));
    }

private:
    QWidget* Bezug;
};

} // namespace

QPoint MeldungsPosition(const QRect& Fenster, const QSize& Meldung)
{
    return {Fenster.left() + Fenster.width() / 2 - Meldung.width() / 2, Fenster.top() + 100};
}

QMessageBox::StandardButton TDialogMeldungen::Zeige(QWidget* Bezug, QMessageBox::Icon Art,
                                                    const QString& Text,
                                                    QMessageBox::StandardButtons Knoepfe)
{
    QWidget* Aktiv = QApplication::activeWindow();
    if (!Aktiv)
        Aktiv = Bezug;
    TPlatzierteBox Box(Art, Text, Knoepfe, Aktiv);
    return static_cast<QMessageBox::StandardButton>(Box.exec());
}
