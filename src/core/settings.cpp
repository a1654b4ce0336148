#include "core/settings.h"

void Settings::set(const Preferences &values)
{
    if (values == values_)
        return;
    values_ = values;
    emit changed();
}
