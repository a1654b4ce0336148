#include "widgets/anchoring.h"

#include <QWidget>

void Anchoring::add(QWidget *control, QRect layoutGeometry, Edges edges)
{
    entries_.append({control, layoutGeometry, edges});
}

void Anchoring::apply(QSize size) const
{
    for (const Entry &entry : entries_)
        entry.control->setGeometry(geometryFor(entry.geometry, entry.edges, layoutSize_, size));
}

QRect Anchoring::geometryFor(QRect r, Edges edges, QSize layoutSize, QSize size)
{
    const int dx = size.width() - layoutSize.width();
    const int dy = size.height() - layoutSize.height();
    if (edges.testFlag(Right)) {
        if (edges.testFlag(Left))
            r.setWidth(r.width() + dx);
        else
            r.translate(dx, 0);
    }
    if (edges.testFlag(Bottom)) {
        if (edges.testFlag(Top))
            r.setHeight(r.height() + dy);
        else
            r.translate(0, dy);
    }
    return r;
}
