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

QUrl websiteUrl()
{
    return QUrl(QStringLiteral(TONEWRIGHT_WEBSITE_URL));
}
QUrl socialUrl()
{
    return QUrl(QStringLiteral(TONEWRIGHT_SOCIAL_URL));
}
QUrl encoderBuildsUrl()
{
    return QUrl(QStringLiteral(TONEWRIGHT_ENCODER_BUILDS_URL));
}
bool onlineServicesEnabled()
{
    return TONEWRIGHT_ONLINE_SERVICES;
}

// A build without online services has no servers: every request is skipped.
QUrl adServerUrl()
{
    return onlineServicesEnabled() ? QUrl(QStringLiteral(TONEWRIGHT_AD_SERVER_URL)) : QUrl();
}

QUrl statsServerUrl()
{
    return onlineServicesEnabled() ? QUrl(QStringLiteral(TONEWRIGHT_STATS_SERVER_URL)) : QUrl();
}

} // namespace product
