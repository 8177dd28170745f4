#include "ui/Skalierung.h"

#include "ui/Skalierungsmathe.h"

#include <QFont>
#include <QVector>
#include <QWidget>

namespace Skalierung {

namespace {

struct TSteuerelement
{
    QWidget* Widget;
    QRect Geometrie;
    QFont Schrift;
    bool EigeneSchrift;
};

// Separate windows (dialogs, message boxes) that happen to be children keep their size.
void SammleKinder(QWidget* Eltern, QVector<TSteuerelement>& Liste)
{
    for (QObject* Objekt : Eltern->children()) {
        auto* Kind = qobject_cast<QWidget*>(Objekt);
        if (Kind == nullptr || Kind->isWindow())
            continue;
        Liste.append({Kind, Kind->geometry(), Kind->font(), Kind->testAttribute(Qt::WA_SetFont)});
        SammleKinder(Kind, Liste);
    }
}

QFont SkaliereSchrift(QFont Schrift, int Zaehler, int Nenner)
{
    if (Schrift.pixelSize() > 0)
        Schrift.setPixelSize(qMax(1, MulDiv(Schrift.pixelSize(), Zaehler, Nenner)));
    else if (Schrift.pointSize() > 0)
        Schrift.setPointSize(qMax(1, MulDiv(Schrift.pointSize(), Zaehler, Nenner)));
    else if (Schrift.pointSizeF() > 0)
        Schrift.setPointSizeF(Schrift.pointSizeF() * Zaehler / Nenner);
    return Schrift;
}

} // namespace

void SkaliereFenster(QWidget* Wurzel, int Zaehler, int Nenner)
{
    if (Wurzel == nullptr || Zaehler == Nenner || Zaehler <= 0 || Nenner <= 0)
        return;

    // Every size is taken before anything changes: a font set on a parent must not reach the
    // children that inherit it a second time.
    QVector<TSteuerelement> Kinder;
    SammleKinder(Wurzel, Kinder);
    const QFont WurzelSchrift = Wurzel->font();
    const QSize WurzelGroesse = Wurzel->size();

    Wurzel->setFont(SkaliereSchrift(WurzelSchrift, Zaehler, Nenner));
    for (const TSteuerelement& Kind : Kinder) {
        if (Kind.EigeneSchrift)
            Kind.Widget->setFont(SkaliereSchrift(Kind.Schrift, Zaehler, Nenner));
    }
    // Geometry last, so that controls which fit themselves to a new font end as scaled.
    for (const TSteuerelement& Kind : Kinder)
        Kind.Widget->setGeometry(SkaliereRechteck(Kind.Geometrie, Zaehler, Nenner));
    Wurzel->resize(MulDiv(WurzelGroesse.width(), Zaehler, Nenner),
                   MulDiv(WurzelGroesse.height(), Zaehler, Nenner));
}

} // namespace Skalierung
