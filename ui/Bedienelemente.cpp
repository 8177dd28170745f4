#include "ui/Bedienelemente.h"

#include "ui/Bilder.h"
#include "ui/Skalierungsmathe.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

TBild::TBild(QWidget* Parent) : QWidget(Parent) {}

void TBild::SetPicture(const QImage& Neu)
{
    SetPicture(Neu, Bilder::Feinbild(Neu));
}

void TBild::SetPicture(const QImage& Neu, const QImage& Fein)
{
    Bild = Neu;
    this->Fein = Fein;
    FeinZu = Bild.cacheKey();
    PictureChanged();
}

QImage* TBild::FeinBearbeiten()
{
    if (Fein.isNull())
        return nullptr;
    FeinMitgezeichnet = true;
    return &Fein;
}

void TBild::PictureChanged()
{
    if (FeinMitgezeichnet)
        FeinZu = Bild.cacheKey();
    else if (Bild.cacheKey() != FeinZu)
        Fein = QImage();
    FeinMitgezeichnet = false;
    Einfach = QPixmap();
    Doppelt = QPixmap();
    PruefeDeckend();
    update();
}

void TBild::PruefeDeckend()
{
    // A picture that covers the whole control lets Qt skip painting what lies below it.
    setAttribute(Qt::WA_OpaquePaintEvent, StretchEin && !TransparentEin && !Bild.isNull() &&
                                              !Bild.hasAlphaChannel() && RasterModule == 0);
}

void TBild::SetRaster(int Module)
{
    RasterModule = qMax(0, Module);
    PruefeDeckend();
    update();
}

void TBild::SetStretch(bool Wert)
{
    if (Wert == StretchEin)
        return;
    StretchEin = Wert;
    PruefeDeckend();
    update();
}

void TBild::SetTransparent(bool Wert)
{
    if (Wert == TransparentEin)
        return;
    TransparentEin = Wert;
    PictureChanged();
}

// The picture as drawn, made when it is first needed: the variant of twice the density on a
// high-density screen, else the picture itself.
const QPixmap& TBild::Vorbereitet()
{
    const bool Scharf = devicePixelRatioF() > 1 && !Fein.isNull();
    QPixmap& Ziel = Scharf ? Doppelt : Einfach;
    const QImage& Quelle = Scharf ? Fein : Bild;
    if (Ziel.isNull() && !Quelle.isNull())
        Ziel = QPixmap::fromImage(TransparentEin ? Bilder::Durchsichtig(Quelle) : Quelle);
    return Ziel;
}

void TBild::paintEvent(QPaintEvent*)
{
    const QPixmap& Pixmap = Vorbereitet();
    if (Pixmap.isNull())
        return;
    QPainter Maler(this);
    if (RasterModule > 0) {
        // Whole device pixels per module, copied, not smoothed: a blurred code is no code.
        Maler.drawPixmap(Skalierung::RasterFeld(size(), RasterModule, devicePixelRatioF()), Pixmap,
                         QRectF(Pixmap.rect()));
        return;
    }
    Maler.setRenderHint(QPainter::SmoothPixmapTransform);
    if (StretchEin)
        Maler.drawPixmap(rect(), Pixmap);
    else
        Maler.drawPixmap(0, 0, Pixmap);
}

void TBild::mousePressEvent(QMouseEvent* Ereignis)
{
    Gedrueckt = Ereignis->button() == Qt::LeftButton;
    emit MausGedrueckt(Ereignis->button());
}

void TBild::mouseReleaseEvent(QMouseEvent* Ereignis)
{
    const bool Klick = Gedrueckt && Ereignis->button() == Qt::LeftButton &&
                       rect().contains(Ereignis->position().toPoint());
    Gedrueckt = false;
    if (Klick)
        emit Click();
}

TBildKnopf::TBildKnopf(QWidget* Parent) : QPushButton(Parent) {}

void TBildKnopf::SetGlyph(const QImage& Neu)
{
    // The button's size at its first glyph is its design, from which the glyph grows and shrinks.
    if (GlyphBild.isNull() && EntwurfsGroesse.isEmpty())
        EntwurfsGroesse = size();
    GlyphBild = Neu;
    setIcon(Symbol(Neu));
    PasseGlyphAn();
}

// Qt keeps the drawn size of every icon's pixmap in its global pixmap cache under the pixmap's
// identity, for as long as the cache has room. A fresh pixmap for every change of the arrows
// (each game and each blink) would leave one entry more each time; so each picture keeps its
// pixmap while the button shows it now and then.
QIcon TBildKnopf::Symbol(const QImage& Bild)
{
    const qint64 Schluessel = Bild.cacheKey();
    if (const auto Gefunden = Symbole.constFind(Schluessel); Gefunden != Symbole.cend())
        return *Gefunden;
    if (Symbole.size() >= MaxSymbole)
        Symbole.clear();
    QIcon Neu(QPixmap::fromImage(Bilder::Durchsichtig(Bild)));
    if (const QImage Fein = Bilder::Feinbild(Bild); !Fein.isNull())
        Neu.addPixmap(QPixmap::fromImage(Bilder::Durchsichtig(Fein)));
    return *Symbole.insert(Schluessel, Neu);
}

void TBildKnopf::PasseGlyphAn()
{
    if (GlyphBild.isNull())
        return;
    setIconSize(Skalierung::GlyphGroesse(GlyphBild.size(), EntwurfsGroesse, size()));
}

void TBildKnopf::keyPressEvent(QKeyEvent* Ereignis)
{
    if ((Ereignis->key() == Qt::Key_Return || Ereignis->key() == Qt::Key_Enter) &&
        Ereignis->modifiers() == Qt::NoModifier) {
        animateClick();
        return;
    }
    QPushButton::keyPressEvent(Ereignis);
}

void TBildKnopf::mousePressEvent(QMouseEvent* Ereignis)
{
    emit MausGedrueckt(Ereignis->button());
    QPushButton::mousePressEvent(Ereignis);
}

void TBildKnopf::resizeEvent(QResizeEvent* Ereignis)
{
    QPushButton::resizeEvent(Ereignis);
    PasseGlyphAn();
}

TBeschriftung::TBeschriftung(QWidget* Parent) : QLabel(Parent) {}

void TBeschriftung::SetCaption(const QString& Text)
{
    setText(Text);
    adjustSize();
}

void TBeschriftung::changeEvent(QEvent* Ereignis)
{
    QLabel::changeEvent(Ereignis);
    if (Ereignis->type() == QEvent::FontChange)
        adjustSize();
}

TLogFeld::TLogFeld(QWidget* Parent) : QPlainTextEdit(Parent)
{
    SetzeTabulatoren();
}

void TLogFeld::SetzeTabulatoren()
{
    setTabStopDistance(QFontMetricsF(font()).horizontalAdvance(QLatin1Char(' ')) * 8);
}

void TLogFeld::changeEvent(QEvent* Ereignis)
{
    QPlainTextEdit::changeEvent(Ereignis);
    if (Ereignis->type() == QEvent::FontChange)
        SetzeTabulatoren();
}
