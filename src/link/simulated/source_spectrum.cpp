// Pulse-height models. Peaks are Gaussians integrated over each channel; smooth parts (Compton
// continuum, bremsstrahlung) are evaluated on a coarse grid, smeared by the detector
// resolution where that matters, and interpolated onto the channels.
#include "link/simulated/source_spectrum.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ztmca {
namespace {

constexpr std::array<std::string_view, 5> kNames{"gamma", "fe", "cu", "zn", "brass"};
constexpr double kElectronRestKeV = 511.0;
constexpr double kGammaFullScaleKeV = 1024.0;
constexpr double kXrayFullScaleKeV = 20.48;

struct Line {
    double EnergyKeV;
    double Weight;
};

double ChannelWidth(double fullScale) { return fullScale / kMaxChannels; }

// Adds weight * Gaussian(centre, sigma) integrated over every channel.
void AddPeak(FineSpectrum& p, double fullScale, double centre, double sigma, double weight) {
    const double width = ChannelWidth(fullScale);
    const double scale = 1.0 / (sigma * std::numbers::sqrt2);
    const int first = std::max(0, static_cast<int>((centre - 6.0 * sigma) / width));
    const int last = std::min(kMaxChannels - 1, static_cast<int>((centre + 6.0 * sigma) / width));
    for (int c = first; c <= last; ++c) {
        const double lo = c * width - centre;
        const double hi = lo + width;
        p[c] += weight * 0.5 * (std::erf(hi * scale) - std::erf(lo * scale));
    }
}

// Adds a smooth density (given on coarse bins over the full range) scaled to total weight.
template <std::size_t Bins>
void AddSmooth(FineSpectrum& p, const std::array<double, Bins>& coarse, double weight) {
    double sum = 0.0;
    for (double v : coarse) sum += v;
    if (sum <= 0.0) return;
    constexpr double finePerBin = static_cast<double>(kMaxChannels) / Bins;
    FineSpectrum fine{};
    double fineSum = 0.0;
    for (int c = 0; c < kMaxChannels; ++c) {
        const double x = (c + 0.5) / finePerBin - 0.5;  // position in bin-centre units
        const int i = static_cast<int>(std::floor(x));
        const double f = x - i;
        const double a = coarse[static_cast<std::size_t>(std::clamp(i, 0, static_cast<int>(Bins) - 1))];
        const double b = coarse[static_cast<std::size_t>(std::clamp(i + 1, 0, static_cast<int>(Bins) - 1))];
        fine[c] = std::max(0.0, a + (b - a) * f);
        fineSum += fine[c];
    }
    for (int c = 0; c < kMaxChannels; ++c) p[c] += weight * fine[c] / fineSum;
}

// A scintillator: FWHM 7.5 % at 662 keV, growing as the square root of the energy.
double GammaSigma(double energy) { return 0.075 * std::sqrt(662.0 * std::max(energy, 1.0)) / 2.3548; }

// A silicon drift detector: electronic noise and Fano statistics (3.65 eV per pair).
double XraySigma(double energy) {
    return std::sqrt(0.12 * 0.12 + 2.3548 * 2.3548 * 0.115 * 0.00365 * energy) / 2.3548;
}

void FillGamma(FineSpectrum& p) {
    constexpr double e = 661.7;
    const double eps = e / kElectronRestKeV;
    const double edge = e * 2.0 * eps / (1.0 + 2.0 * eps);
    const double backscatter = e - edge;

    // Klein-Nishina energy transfer to the electron up to the Compton edge, then smeared.
    constexpr std::size_t kBins = 1024;
    const double binWidth = kGammaFullScaleKeV / kBins;
    std::array<double, kBins> transfer{};
    for (std::size_t i = 0; i < kBins; ++i) {
        const double t = (i + 0.5) * binWidth;
        if (t >= edge) break;
        const double s = t / e;
        transfer[i] = 2.0 + s * s / (eps * eps * (1.0 - s) * (1.0 - s)) + s / (1.0 - s) * (s - 2.0 / eps);
    }
    std::array<double, kBins> smeared{};
    for (std::size_t i = 0; i < kBins; ++i) {
        if (transfer[i] == 0.0) continue;
        const double t = (i + 0.5) * binWidth;
        const double sigma = GammaSigma(t) / binWidth;
        const int reach = static_cast<int>(4.0 * sigma) + 1;
        double norm = 0.0;
        for (int d = -reach; d <= reach; ++d) norm += std::exp(-0.5 * d * d / (sigma * sigma));
        for (int d = -reach; d <= reach; ++d) {
            const int j = static_cast<int>(i) + d;
            if (j < 0 || j >= static_cast<int>(kBins)) continue;
            smeared[static_cast<std::size_t>(j)] += transfer[i] * std::exp(-0.5 * d * d / (sigma * sigma)) / norm;
        }
    }
    AddSmooth(p, smeared, 0.55);
    AddPeak(p, kGammaFullScaleKeV, e, GammaSigma(e), 0.25);
    // Backscatter from the surroundings is broader than the detector resolution alone.
    AddPeak(p, kGammaFullScaleKeV, backscatter, 1.6 * GammaSigma(backscatter), 0.08);
    // The daughter's K X-rays.
    AddPeak(p, kGammaFullScaleKeV, 32.2, GammaSigma(32.2), 0.12);
}

void FillXray(FineSpectrum& p, std::span<const Line> lines) {
    // Tube bremsstrahlung scattered by the sample (Kramers' law at 30 kV), cut off at low
    // energy by absorption in air and the detector window.
    constexpr std::size_t kBins = 1024;
    constexpr double tubeKv = 30.0;
    std::array<double, kBins> background{};
    for (std::size_t i = 0; i < kBins; ++i) {
        const double energy = (i + 0.5) * kXrayFullScaleKeV / kBins;
        const double absorption = std::exp(-std::pow(2.0 / energy, 3.0));
        background[i] = (tubeKv - energy) / energy * absorption;
    }
    AddSmooth(p, background, 0.3);
    for (const Line& line : lines) AddPeak(p, kXrayFullScaleKeV, line.EnergyKeV, XraySigma(line.EnergyKeV), 0.7 * line.Weight);
}

}  // namespace

std::span<const std::string_view> SimulatedSourceNames() { return kNames; }

std::optional<SourceKind> FindSource(std::string_view name) {
    for (std::size_t i = 0; i < kNames.size(); ++i)
        if (kNames[i] == name) return static_cast<SourceKind>(i);
    return std::nullopt;
}

double SourceFullScaleKeV(SourceKind kind) {
    return kind == SourceKind::Gamma ? kGammaFullScaleKeV : kXrayFullScaleKeV;
}

void FillSourceSpectrum(SourceKind kind, FineSpectrum& probability) {
    probability.fill(0.0);
    // K-beta / K-alpha intensity ratios about 0.13 to 0.14 for these elements.
    constexpr Line kIron[] = {{6.40, 0.88}, {7.06, 0.12}};
    constexpr Line kCopper[] = {{8.05, 0.88}, {8.90, 0.12}};
    constexpr Line kZinc[] = {{8.64, 0.88}, {9.57, 0.12}};
    constexpr Line kBrass[] = {{8.05, 0.6 * 0.88}, {8.90, 0.6 * 0.12}, {8.64, 0.4 * 0.88}, {9.57, 0.4 * 0.12}};
    switch (kind) {
        case SourceKind::Gamma: FillGamma(probability); break;
        case SourceKind::Iron: FillXray(probability, kIron); break;
        case SourceKind::Copper: FillXray(probability, kCopper); break;
        case SourceKind::Zinc: FillXray(probability, kZinc); break;
        case SourceKind::Brass: FillXray(probability, kBrass); break;
    }
    double sum = 0.0;
    for (double v : probability) sum += v;
    for (double& v : probability) v /= sum;
}

}  // namespace ztmca
