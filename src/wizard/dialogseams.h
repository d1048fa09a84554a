#pragma once

#include <functional>

class frmMain;

// How the main window opens the other windows. The main window calls each one
// through here; the dialogs install the real ones at start-up and tests may put
// their own in their place. An empty entry does nothing (pickColor: -1).
struct MainWindowDialogs {
    std::function<void(frmMain &)> showTitleDialog;       // lblTitle: frmEdit, modal
    std::function<void(frmMain &)> showFieldDialog;       // lblNewField: frmAddField, modal
    std::function<void(frmMain &)> showFieldMenu;         // right press on lvwFields: frmMenu at the pointer
    std::function<void(frmMain &)> closeFieldMenu;        // other press on lvwFields while the menu is shown
    std::function<int(frmMain &)> pickColor;              // colour buttons: palette value, -1 when cancelled
    std::function<void(frmMain &)> showExistingProjects;  // lblLoadExisting: frmExisting at the pointer
    std::function<void(frmMain &)> showAbout;             // imgAbout: frmAbout, modal
};

MainWindowDialogs &mainWindowDialogs();
