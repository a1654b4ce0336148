// Menu commands whose work is still to come answer as handled-by-nobody.
#include "engine/window1.h"

bool Window1::AppleAproposdeVelTiming_Action()
{
    return false;
}

bool Window1::meneditionitempref_Action()
{
    return false;
}
