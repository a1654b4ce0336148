// Document commands of the main window: save, open, print and quit.
#include "engine/window1.h"
#include "platform/platform.h"

bool Window1::FileSauver_Action()
{
    return false;
}

bool Window1::menfichieritemquitter_Action()
{
    Platform::get().quit(0);
    return false;
}

bool Window1::menfichierImprimer_Action()
{
    return false;
}

bool Window1::menfichierMenuouvrir_Action()
{
    return false;
}
