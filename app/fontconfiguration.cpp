#include "fontconfiguration.h"

#ifdef TW_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace fontconfiguration {

#ifdef TW_HAVE_FONTCONFIG

namespace {

bool namesCacheFolder(FcConfig *config)
{
    FcStrList *folders = FcConfigGetCacheDirs(config);
    if (!folders)
        return false;
    const bool named = FcStrListNext(folders) != nullptr;
    FcStrListDone(folders);
    return named;
}

} // namespace

bool installWithoutTemplates()
{
    FcConfig *config = FcConfigCreate();
    if (!config)
        return false;
    // Quietly: fontconfig reports a missing file itself when it loads its
    // fallback instead.
    const bool installed = FcConfigParseAndLoad(config, nullptr, FcFalse) &&
                           namesCacheFolder(config) && FcConfigBuildFonts(config) &&
                           FcConfigSetCurrent(config);
    // The process's configuration holds a reference of its own.
    FcConfigDestroy(config);
    return installed;
}

#else

bool installWithoutTemplates()
{
    return false;
}

#endif

} // namespace fontconfiguration
