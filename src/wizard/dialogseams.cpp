#include "wizard/dialogseams.h"

MainWindowDialogs &mainWindowDialogs()
{
    static MainWindowDialogs dialogs;
    return dialogs;
}
