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
    QMessageBox Box(Art, Titel(Art), Text, Knoepfe, Aktiv);
    if (Aktiv) {
        Box.adjustSize();
        Box.move(MeldungsPosition(Aktiv->frameGeometry(), Box.frameGeometry().size()));
    }
    return static_cast<QMessageBox::StandardButton>(Box.exec());
}
