// Renders a recipe to samples: every voice mixed, the echo applied, then the
// soft limiter and the normaliser that set the final peak.
#pragma once

#include "Recipe.h"

#include <cstdint>
#include <string>
#include <vector>

namespace sfxgen {

// The mixed sound before the limiter and normaliser, at the recipe's rate.
std::vector<double> renderVoices(const Recipe& recipe);

// Limits and normalises to the recipe's peak and quantises to 16 bits.
// Fails on a sound that is silent, since it cannot be normalised.
bool finishSamples(const Recipe& recipe, const std::vector<double>& mix,
                   std::vector<std::int16_t>& pcm, std::string& error);

}  // namespace sfxgen
