#pragma once

#include "services.h"

class QLabel;
class QWidget;

// What the window of one file and the window of a selection share: their
// pictures and what the links of their bottom band do.
namespace windowparts {

// The window's icon, the logo and the advertisement's first picture, chosen
// for the screen's pixel density; read as the PNG files they are.
void showPictures(QWidget *window, QLabel *logo, QLabel *ad);

// "Settings": where the settings are changed.
void showSettingsHint(QWidget *window);
// "About": the About box, modal, without a parent.
void showAbout(const Services &services);

} // namespace windowparts
