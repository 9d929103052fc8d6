#pragma once
// What the simulated detector sees: pulse-height spectra of a gamma source and of X-ray
// fluorescence samples, as channel probabilities over the full 8192-channel ADC range.
#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "app/app_state.h"

namespace ztmca {

enum class SourceKind { Gamma, Iron, Copper, Zinc, Brass };

// "gamma" first: it is the default source.
std::span<const std::string_view> SimulatedSourceNames();
std::optional<SourceKind> FindSource(std::string_view name);

// Energy at the top of the ADC range: the gain at which the source is measured. Channel c of a
// memory of N channels covers [c, c + 1) * FullScaleKeV / N.
double SourceFullScaleKeV(SourceKind kind);

using FineSpectrum = std::array<double, kMaxChannels>;

// Probability of a pulse landing in each of the 8192 finest channels; sums to 1.
void FillSourceSpectrum(SourceKind kind, FineSpectrum& probability);

}  // namespace ztmca
