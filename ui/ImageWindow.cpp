#include "ui/ImageWindow.h"

#include "ui/Bilder.h"

#include <QBrush>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QRegion>
#include <QTransform>

TImageWindow::TImageWindow(QWidget* Parent) : QWidget(Parent)
{
    resize(150, 150);
}

void TImageWindow::SetPicture(const QImage& Neu)
{
    Bild = Neu.isNull() ? QImage() : Neu.convertToFormat(QImage::Format_RGB888);
    Ueberzeichnung = QImage();
    PictureChanged();
}

void TImageWindow::ZeichneDarueber(const QImage& Neu)
{
    Ueberzeichnung = Neu;
    if (!Zeichnet)
        repaint();
}

void TImageWindow::PictureChanged()
{
    if (AutoSizeEin && Bild.width() > 0 && Bild.height() > 0)
        resize(Bild.size());
    AktualisiereDeckend();
    if (!Zeichnet)
        update();
}

void TImageWindow::SetStretch(bool Wert)
{
    if (Wert == StretchEin)
        return;
    StretchEin = Wert;
    PictureChanged();
}

void TImageWindow::SetCenter(bool Wert)
{
    if (Wert == CenterEin)
        return;
    CenterEin = Wert;
    PictureChanged();
}

void TImageWindow::SetTransparent(bool Wert)
{
    if (Wert == TransparentEin)
        return;
    TransparentEin = Wert;
    PictureChanged();
}

void TImageWindow::SetAutoSize(bool Wert)
{
    if (Wert == AutoSizeEin)
        return;
    AutoSizeEin = Wert;
    PictureChanged();
}

void TImageWindow::SetRound(bool Wert)
{
    RoundEin = Wert;
    AktualisiereMaske();
    update();
}

QRect TImageWindow::DestRect() const
{
    if (StretchEin)
        return rect();
    if (CenterEin)
        return QRect((width() - Bild.width()) / 2, (height() - Bild.height()) / 2, Bild.width(),
                     Bild.height());
    return QRect(0, 0, Bild.width(), Bild.height());
}

void TImageWindow::paintEvent(QPaintEvent*)
{
    if (Bild.isNull() && Ueberzeichnung.isNull())
        return;
    const bool WarAmZeichnen = Zeichnet;
    Zeichnet = true;
    QPainter Maler(this);
    if (!Bild.isNull() && Fein())
        ZeichneFein(Maler);
    else if (!Bild.isNull())
        Maler.drawImage(DestRect(), TransparentEin ? Bilder::Durchsichtig(Bild) : Bild);
    if (!Ueberzeichnung.isNull())
        Maler.drawImage(QPoint(0, 0), Ueberzeichnung);
    Zeichnet = WarAmZeichnen;
}

void TImageWindow::showEvent(QShowEvent* Ereignis)
{
    QWidget::showEvent(Ereignis);
    // The screen's pixel ratio is known for certain once the control is shown.
    AktualisiereMaske();
    AktualisiereDeckend();
}

void TImageWindow::resizeEvent(QResizeEvent* Ereignis)
{
    QWidget::resizeEvent(Ereignis);
    AktualisiereMaske();
    AktualisiereDeckend();
}

void TImageWindow::mouseReleaseEvent(QMouseEvent* Ereignis)
{
    if (Ereignis->button() == Qt::LeftButton && rect().contains(Ereignis->position().toPoint()))
        emit Click();
    QWidget::mouseReleaseEvent(Ereignis);
}

bool TImageWindow::Fein() const
{
    return devicePixelRatioF() > 1;
}

// On a dense screen the picture is drawn smoothly and the circle's edge at the screen's own
// pixels, through an antialiased ellipse instead of the window's mask of whole points.
void TImageWindow::ZeichneFein(QPainter& Maler)
{
    const QImage Quelle = TransparentEin ? Bilder::Durchsichtig(Bild) : Bild;
    const QRect Ziel = DestRect();
    Maler.setRenderHints(QPainter::SmoothPixmapTransform | QPainter::Antialiasing);
    if (!RoundEin) {
        Maler.drawImage(Ziel, Quelle);
        return;
    }
    QBrush Pinsel(Quelle);
    Pinsel.setTransform(
        QTransform::fromTranslate(Ziel.x(), Ziel.y())
            .scale(double(Ziel.width()) / Quelle.width(), double(Ziel.height()) / Quelle.height()));
    Maler.setPen(Qt::NoPen);
    Maler.setBrush(Pinsel);
    Maler.drawEllipse(QRectF(rect()));
}

void TImageWindow::AktualisiereMaske()
{
    if (RoundEin && !Fein())
        setMask(QRegion(rect(), QRegion::Ellipse));
    else
        clearMask();
}

void TImageWindow::AktualisiereDeckend()
{
    // Only a picture that covers the whole control without holes may skip the background.
    const QRect Ziel = DestRect();
    const bool Deckend =
        !Bild.isNull() && !TransparentEin && Ziel.contains(rect()) && !(RoundEin && Fein());
    setAttribute(Qt::WA_OpaquePaintEvent, Deckend);
}
