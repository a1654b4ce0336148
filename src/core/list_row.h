#pragma once

#include <QString>

// One row of the lap list: label, time and difference cells.
struct ListRow {
    QString label;
    QString time;
    QString difference;
    bool operator==(const ListRow &) const = default;
};
