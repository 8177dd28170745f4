#include "ui/Bedienelemente.h"

#include "ui/Bilder.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

TBild::TBild(QWidget* Parent) : QWidget(Parent) {}

void TBild::SetPicture(const QImage& Neu)
{
    Bild = Neu;
    PictureChanged();
}

void TBild::PictureChanged()
{
    BereiteVor();
    update();
}

void TBild::SetStretch(bool Wert)
{
    if (Wert == StretchEin)
        return;
    StretchEin = Wert;
    update();
}

void TBild::SetTransparent(bool Wert)
{
    if (Wert == TransparentEin)
        return;
    TransparentEin = Wert;
    PictureChanged();
}

void TBild::BereiteVor()
{
    Vorbereitet = QPixmap::fromImage(TransparentEin ? Bilder::Durchsichtig(Bild) : Bild);
}

void TBild::paintEvent(QPaintEvent*)
{
    if (Vorbereitet.isNull())
        return;
    QPainter Maler(this);
    Maler.setRenderHint(QPainter::SmoothPixmapTransform);
    if (StretchEin)
        Maler.drawPixmap(rect(), Vorbereitet);
    else
        Maler.drawPixmap(0, 0, Vorbereitet);
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
    return *Symbole.insert(Schluessel, QIcon(QPixmap::fromImage(Bilder::Durchsichtig(Bild))));
}

void TBildKnopf::PasseGlyphAn()
{
    if (GlyphBild.isNull())
        return;
    // A glyph keeps its own size unless the button has become too small for it.
    const QSize Platz = (size() - QSize(4, 4)).expandedTo(QSize(1, 1));
    const bool Passt = GlyphBild.width() <= Platz.width() && GlyphBild.height() <= Platz.height();
    setIconSize(Passt ? GlyphBild.size() : GlyphBild.size().scaled(Platz, Qt::KeepAspectRatio));
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
