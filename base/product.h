#pragma once

#include <QString>
#include <QUrl>

// The product's identity and the addresses it talks to, fixed at build time.
namespace product {

QString version();            // "1.0.0"
double currentVersion();      // compared with the advertisement server's version
QString applicationName();    // "Tonewright"
QString organizationName();   // "Brightfold"
QString organizationDomain(); // the web site, with scheme and trailing "/"

// The web pages and servers the window and dialogs talk to.
struct Addresses
{
    QUrl website;
    QUrl social;
    QUrl encoderBuilds;
    // Base URLs (scheme, host, optional port) to which request paths are
    // appended; empty in a build without online services.
    QUrl adServer;
    QUrl statsServer;
};

// The addresses this build was made with.
Addresses compiledIn();

// False in builds made without network requests.
bool onlineServicesEnabled();

} // namespace product
