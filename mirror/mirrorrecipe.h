#pragma once

#include "encoderoptions.h"
#include "mirrorplan.h"
#include "services.h"

// What a mirror's outputs are made with, from the run's effective settings
// alone: the same settings give the same mirror whether they were typed,
// stored or left to their defaults.
namespace mirrorrecipe {

struct Recipe
{
    mirrorplan::Settings settings;
    // What each conversion is given. Under "album" the tracks get track
    // values from the encoder and the mirror adds the album's once the album
    // is complete: the recipe stays the same under "album" and "track",
    // since a change of it would convert every file again.
    EncoderOptions options;
};

// services: the run's, whose settings are read once for the whole run.
Recipe forRun(const QString &format, const EncoderOptions &given, const Services &services);

} // namespace mirrorrecipe
