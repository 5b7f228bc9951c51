#include "product.h"

namespace product {

QString version()
{
    return QStringLiteral(TONEWRIGHT_VERSION);
}
double currentVersion()
{
    return 1.0;
}
QString applicationName()
{
    return QStringLiteral("Tonewright");
}
QString organizationName()
{
    return QStringLiteral("Brightfold");
}
QString organizationDomain()
{
    return QStringLiteral(TONEWRIGHT_WEBSITE_URL);
}

bool onlineServicesEnabled()
{
    return TONEWRIGHT_ONLINE_SERVICES;
}

Addresses compiledIn()
{
    Addresses addresses;
    addresses.website = QUrl(QStringLiteral(TONEWRIGHT_WEBSITE_URL));
    addresses.social = QUrl(QStringLiteral(TONEWRIGHT_SOCIAL_URL));
    addresses.encoderBuilds = QUrl(QStringLiteral(TONEWRIGHT_ENCODER_BUILDS_URL));
    // A build without online services has no servers: every request is skipped.
    if (onlineServicesEnabled()) {
        addresses.adServer = QUrl(QStringLiteral(TONEWRIGHT_AD_SERVER_URL));
        addresses.statsServer = QUrl(QStringLiteral(TONEWRIGHT_STATS_SERVER_URL));
    }
    return addresses;
}

} // namespace product
