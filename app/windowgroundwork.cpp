#include "windowgroundwork.h"

#include "conversionwindow.h"
#include "fontconfiguration.h"
#include "resourceimage.h"

#include <QFontDatabase>
#include <QGuiApplication>

WindowGroundwork::WindowGroundwork()
{
    std::function<void()> readPictures =
        resourceimage::readAhead(ConversionWindow::pictures(), qApp->devicePixelRatio());
    m_thread = std::thread([readPictures = std::move(readPictures)] {
        // The fonts first: the window measures its texts as it is built,
        // and shows its pictures only after that. fontconfig's configuration
        // is loaded first, the quick way (fontconfiguration.h).
        fontconfiguration::installWithoutTemplates();
        QFontDatabase::families();
        readPictures();
    });
}

WindowGroundwork::~WindowGroundwork()
{
    m_thread.join();
}
