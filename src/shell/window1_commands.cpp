// The about and preferences commands of the menu bar.
#include "engine/window1.h"
#include "shell/bienvenue.h"
#include "shell/pref_interm.h"

bool Window1::AppleAproposdeVelTiming_Action()
{
    Bienvenue &about = Bienvenue::instance();
    about.show();
    about.raise();
    return false;
}

bool Window1::meneditionitempref_Action()
{
    pref_interm::instance().showCurrentSettings();
    return false;
}
