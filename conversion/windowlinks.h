#pragma once

#include "services.h"

class QWidget;

// What the links of the conversion windows' bottom band do, for the
// window of one file and the window of a selection alike.
namespace windowlinks {

// "Settings": where the settings are changed.
void showSettingsHint(QWidget *window);
// "About": the About box, modal, without a parent.
void showAbout(const Services &services);

} // namespace windowlinks
