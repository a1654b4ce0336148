#pragma once

#include <QFlags>
#include <QList>
#include <QRect>
#include <QSize>

class QWidget;

// Keeps controls at their distance to the window edges they are anchored to
// when the window is resized, relative to the size they were laid out for.
class Anchoring {
public:
    enum Edge { None = 0, Left = 1, Top = 2, Right = 4, Bottom = 8 };
    Q_DECLARE_FLAGS(Edges, Edge)

    explicit Anchoring(QSize layoutSize) : layoutSize_(layoutSize) {}

    void add(QWidget *control, QRect layoutGeometry, Edges edges);
    void apply(QSize size) const;
    // Pure: where a control laid out at layoutGeometry goes for a given size.
    static QRect geometryFor(QRect layoutGeometry, Edges edges, QSize layoutSize, QSize size);

private:
    struct Entry {
        QWidget *control;
        QRect geometry;
        Edges edges;
    };
    QSize layoutSize_;
    QList<Entry> entries_;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(Anchoring::Edges)
