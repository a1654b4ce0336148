#include "shell/methodes_help_tags.h"
#include "main_window/window1.h"
#include "shell/pref_interm.h"

#include <QWidget>

namespace {
QList<HelpTag> switchedHelpTags()
{
    return Window1::instance().helpTags() + pref_interm::instance().helpTags();
}
} // namespace

namespace Methodes {
void active_helptags()
{
    for (const HelpTag &tag : switchedHelpTags())
        tag.control->setToolTip(tag.text);
}

void desactive_helptags()
{
    for (const HelpTag &tag : switchedHelpTags())
        tag.control->setToolTip(QString());
}
void show_helptags(bool shown)
{
    if (shown)
        active_helptags();
    else
        desactive_helptags();
}
} // namespace Methodes
