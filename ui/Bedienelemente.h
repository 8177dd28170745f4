#pragma once

#include <QHash>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

// A picture on the window. It draws its picture stretched over the whole control or at its own
// size at the top left. A picture with an alpha channel is drawn with it; a picture without one
// drawn Transparent leaves out every pixel of the colour of its bottom-left pixel, so the
// parent shows through there. On a screen with a device pixel ratio above 1 it draws the
// picture's variant of twice the density where there is one (Bilder::Feinbild).
class TBild : public QWidget
{
    Q_OBJECT

public:
    explicit TBild(QWidget* Parent = nullptr);

    // The picture at one pixel per point: the one whose pixels the program reads.
    const QImage& Picture() const { return Bild; }
    void SetPicture(const QImage& Neu);
    // With the variant of twice the density drawn on high-density screens; null: none.
    void SetPicture(const QImage& Neu, const QImage& Fein);
    // Direct access for drawing into the picture; call PictureChanged() afterwards. Whoever
    // draws into the picture draws the same into FeinBearbeiten(), or the variant is dropped.
    QImage& PictureBearbeiten() { return Bild; }
    QImage* FeinBearbeiten();
    const QImage& Feinbild() const { return Fein; }
    void PictureChanged();

    bool Stretch() const { return StretchEin; }
    void SetStretch(bool Wert);
    bool Transparent() const { return TransparentEin; }
    void SetTransparent(bool Wert);
    // A picture of Module x Module square modules (a QR code) is drawn in whole device pixels per
    // module, centred, instead of stretched; 0 stretches as before.
    void SetRaster(int Module);

signals:
    void Click();
    void MausGedrueckt(Qt::MouseButton Knopf);

protected:
    void paintEvent(QPaintEvent* Ereignis) override;
    void mousePressEvent(QMouseEvent* Ereignis) override;
    void mouseReleaseEvent(QMouseEvent* Ereignis) override;

private:
    const QPixmap& Vorbereitet();
    void PruefeDeckend();

    QImage Bild;
    QImage Fein;
    qint64 FeinZu = 0; // the picture's key when the variant last showed the same
    bool FeinMitgezeichnet = false;
    QPixmap Einfach;
    QPixmap Doppelt;
    bool StretchEin = false;
    bool TransparentEin = false;
    bool Gedrueckt = false;
    int RasterModule = 0;
};

// A push button, optionally with a picture (glyph) beside its caption. Enter and Return press
// the focused button just as Space does.
class TBildKnopf : public QPushButton
{
    Q_OBJECT

public:
    explicit TBildKnopf(QWidget* Parent = nullptr);

    const QImage& Glyph() const { return GlyphBild; }
    void SetGlyph(const QImage& Neu); // drawn transparent like a TBild

signals:
    void MausGedrueckt(Qt::MouseButton Knopf);

protected:
    void keyPressEvent(QKeyEvent* Ereignis) override;
    void mousePressEvent(QMouseEvent* Ereignis) override;
    void resizeEvent(QResizeEvent* Ereignis) override;

private:
    void PasseGlyphAn();
    QIcon Symbol(const QImage& Bild);

    static constexpr int MaxSymbole = 4; // the pictures a button alternates between
    QImage GlyphBild;
    QSize EntwurfsGroesse;
    QHash<qint64, QIcon> Symbole; // by the picture's cache key
};

// A label that always takes the size of its text, also after its font changed.
class TBeschriftung : public QLabel
{
    Q_OBJECT

public:
    explicit TBeschriftung(QWidget* Parent = nullptr);

    QString Caption() const { return text(); }
    void SetCaption(const QString& Text);

protected:
    void changeEvent(QEvent* Ereignis) override;
};

// The log box: fixed-pitch text whose tab stops stay eight characters wide in every font size,
// so the columns line up after the machine was scaled.
class TLogFeld : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit TLogFeld(QWidget* Parent = nullptr);

protected:
    void changeEvent(QEvent* Ereignis) override;

private:
    void SetzeTabulatoren();
};
