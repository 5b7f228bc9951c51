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

QUrl websiteUrl();
QUrl socialUrl();
QUrl encoderBuildsUrl();
// Base URLs (scheme, host, optional port) to which request paths are appended;
// empty in a build without online services.
QUrl adServerUrl();
QUrl statsServerUrl();

// False in builds made without network requests.
bool onlineServicesEnabled();

} // namespace product
