#pragma once

#include <QImage>
#include <QWidget>

class QPainter;

// A picture control with a window of its own. It draws its picture stretched, centred or at the
// top left, optionally transparent (the colour of the bottom-left pixel is left out), and with
// Round set it is clipped to the ellipse inscribed in its bounds, so the parent shows in the
// corners. A new control is 150 x 150.
class TImageWindow : public QWidget
{
    Q_OBJECT

public:
    explicit TImageWindow(QWidget* Parent = nullptr);

    // The picture, always 24 bits per pixel (QImage::Format_RGB888; mind the padded lines,
    // use scanLine(y)).
    const QImage& Picture() const { return Bild; }
    // Copies Neu (converted to 24 bits) into the control's picture and repaints; a frame drawn
    // over the picture goes. The picture shown already keeps its variant of twice the density;
    // another one takes the variant it was loaded with (Bilder::Feinbild), if any.
    void SetPicture(const QImage& Neu);
    // The same with Fein, the picture drawn at twice the density (device pixel ratio 2), which
    // is shown instead of it where the screen's ratio is above 1; null: none.
    void SetPicture(const QImage& Neu, const QImage& Fein);
    // Draws Bild over the picture at the top left at its own size and repaints at once; the
    // picture stays as it was and shows again when the next picture is set. Fein as above: the
    // same frame at twice the density, drawn in its place on a denser screen.
    void ZeichneDarueber(const QImage& Bild, const QImage& Fein = {});
    const QImage& Darueber() const { return Ueberzeichnung; }
    // Direct access for writing frames into the picture; call PictureChanged() afterwards.
    QImage& PictureBearbeiten() { return Bild; }
    // To be called after the picture was changed in place: applies AutoSize and repaints. A
    // picture changed in place has no variant of twice the density any more.
    void PictureChanged();

    bool Stretch() const { return StretchEin; }
    void SetStretch(bool Wert);
    bool Center() const { return CenterEin; }
    void SetCenter(bool Wert);
    bool Transparent() const { return TransparentEin; }
    void SetTransparent(bool Wert);
    bool AutoSize() const { return AutoSizeEin; }
    void SetAutoSize(bool Wert);
    bool Round() const { return RoundEin; }
    // Always re-applies the clipping, also when the value does not change.
    void SetRound(bool Wert);

    // Where the picture is drawn, in control coordinates.
    QRect DestRect() const;

signals:
    void Click();

protected:
    bool event(QEvent* Ereignis) override;
    void paintEvent(QPaintEvent* Ereignis) override;
    void showEvent(QShowEvent* Ereignis) override;
    void resizeEvent(QResizeEvent* Ereignis) override;
    void mouseReleaseEvent(QMouseEvent* Ereignis) override;

private:
    bool Dicht() const;
    void ZeichneDicht(QPainter& Maler);
    void ZeichneGestreckt(QPainter& Maler, const QImage& Quelle, const QRect& Ziel) const;
    void AktualisiereMaske();
    void AktualisiereDeckend();

    QImage Bild;
    QImage Fein;
    qint64 FeinZu = 0; // the picture's key when Fein was given for it
    QImage Ueberzeichnung;
    QImage UeberzeichnungFein;
    bool StretchEin = false;
    bool CenterEin = false;
    bool TransparentEin = false;
    bool AutoSizeEin = false;
    bool RoundEin = false;
    bool Zeichnet = false;
};
