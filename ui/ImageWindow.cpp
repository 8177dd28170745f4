#include "ui/ImageWindow.h"

#include "ui/Bilder.h"

#include <QBrush>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRegion>
#include <QTransform>

TImageWindow::TImageWindow(QWidget* Parent) : QWidget(Parent)
{
    resize(150, 150);
}

namespace {

QImage Vierundzwanzig(const QImage& Bild)
{
    return Bild.isNull() ? QImage() : Bild.convertToFormat(QImage::Format_RGB888);
}

} // namespace

void TImageWindow::SetPicture(const QImage& Neu)
{
    // A picture in 24 bits is taken as it is, so the one shown already is known by its key.
    const QImage Gezeigt = Vierundzwanzig(Neu);
    const bool Dasselbe = !Gezeigt.isNull() && Gezeigt.cacheKey() == FeinZu;
    SetPicture(Gezeigt, Dasselbe ? Fein : Bilder::Feinbild(Neu));
}

void TImageWindow::SetPicture(const QImage& Neu, const QImage& NeuFein)
{
    Bild = Vierundzwanzig(Neu);
    Fein = Bild.isNull() ? QImage() : NeuFein;
    FeinZu = Bild.cacheKey();
    Ueberzeichnung = UeberzeichnungFein = QImage();
    PictureChanged();
}

void TImageWindow::ZeichneDarueber(const QImage& Neu, const QImage& NeuFein)
{
    Ueberzeichnung = Neu;
    UeberzeichnungFein = Neu.isNull() ? QImage() : NeuFein;
    if (!Zeichnet)
        repaint();
}

void TImageWindow::PictureChanged()
{
    if (Bild.cacheKey() != FeinZu)
        Fein = QImage();
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
    if (Dicht()) {
        ZeichneDicht(Maler);
    } else {
        if (!Bild.isNull())
            Maler.drawImage(DestRect(), TransparentEin ? Bilder::Durchsichtig(Bild) : Bild);
        if (!Ueberzeichnung.isNull())
            Maler.drawImage(QPoint(0, 0), Ueberzeichnung);
    }
    Zeichnet = WarAmZeichnen;
}

bool TImageWindow::event(QEvent* Ereignis)
{
    // On another screen the pixel ratio may differ, and with it the way the circle is cut.
    if (Ereignis->type() == QEvent::ScreenChangeInternal) {
        AktualisiereMaske();
        AktualisiereDeckend();
    }
    return QWidget::event(Ereignis);
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

bool TImageWindow::Dicht() const
{
    return devicePixelRatioF() > 1;
}

// Quelle stretched into Ziel (in points, whatever the picture's own pixel ratio), and with Round
// only where it lies inside the control's ellipse, whose edge is smoothed at the screen's pixels.
void TImageWindow::ZeichneGestreckt(QPainter& Maler, const QImage& Quelle, const QRect& Ziel) const
{
    if (!RoundEin) {
        Maler.drawImage(Ziel, Quelle);
        return;
    }
    const QSizeF Punkte = Quelle.deviceIndependentSize();
    QBrush Pinsel(Quelle);
    Pinsel.setTransform(QTransform::fromTranslate(Ziel.x(), Ziel.y())
                            .scale(Ziel.width() / Punkte.width(), Ziel.height() / Punkte.height()));
    QPainterPath Flaeche;
    Flaeche.addEllipse(QRectF(rect()));
    if (!Ziel.contains(rect())) {
        QPainterPath Feld;
        Feld.addRect(QRectF(Ziel));
        Flaeche = Flaeche.intersected(Feld);
    }
    Maler.setPen(Qt::NoPen);
    Maler.setBrush(Pinsel);
    Maler.drawPath(Flaeche);
}

// On a dense screen the circle's edge is drawn at the screen's own pixels, through an
// antialiased ellipse instead of the window's mask of whole points, and the pictures of twice
// the density are shown where there are any; else the picture is stretched smoothly.
void TImageWindow::ZeichneDicht(QPainter& Maler)
{
    Maler.setRenderHints(QPainter::SmoothPixmapTransform | QPainter::Antialiasing);
    const QRect Oben(QPoint(0, 0), Ueberzeichnung.size());
    // An opaque frame over the whole control hides the picture under it.
    const bool Verdeckt = Oben.contains(rect()) && !Ueberzeichnung.hasAlphaChannel();
    if (!Bild.isNull() && !Verdeckt) {
        const QImage& Quelle = Fein.isNull() ? Bild : Fein;
        ZeichneGestreckt(Maler, TransparentEin ? Bilder::Durchsichtig(Quelle) : Quelle, DestRect());
    }
    if (!Ueberzeichnung.isNull())
        ZeichneGestreckt(Maler, UeberzeichnungFein.isNull() ? Ueberzeichnung : UeberzeichnungFein,
                         Oben);
}

void TImageWindow::AktualisiereMaske()
{
    if (RoundEin && !Dicht())
        setMask(QRegion(rect(), QRegion::Ellipse));
    else
        clearMask();
}

void TImageWindow::AktualisiereDeckend()
{
    // Only a picture that covers the whole control without holes may skip the background.
    const QRect Ziel = DestRect();
    const bool Deckend =
        !Bild.isNull() && !TransparentEin && Ziel.contains(rect()) && !(RoundEin && Dicht());
    setAttribute(Qt::WA_OpaquePaintEvent, Deckend);
}
