// Where the sources put their counts: photopeak, Compton edge and the other features of the
// gamma source, and the K lines of the X-ray samples.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "simulated/sim_fixture.h"

namespace ztmca::testing {
namespace {

// Sums of three neighbours damp the Poisson noise when looking for maxima.
double Smoothed(const SimulatedInstrument& s, int c) { return s.Count(c - 1) + s.Count(c) + s.Count(c + 1); }

int PeakIn(const SimulatedInstrument& s, int from, int to) {
    int best = from;
    for (int c = from; c <= to; ++c)
        if (Smoothed(s, c) > Smoothed(s, best)) best = c;
    return best;
}

// A long, busy run at 1024 channels.
void Acquire(SimFixture& sim) {
    sim.Send("$P0;");
    sim.Send("$G;");
    sim.Wait(std::chrono::seconds(20));
    sim.Status();
}

SimulationOptions Source(SourceKind kind) {
    SimulationOptions options;
    options.Source = kind;
    options.InputRate = 500000;
    return options;
}

TEST(SimulatedSpectrum, GammaSourceShowsPhotopeakComptonEdgeBackscatterAndXray) {
    SimFixture sim(Source(SourceKind::Gamma));
    ASSERT_DOUBLE_EQ(SourceFullScaleKeV(SourceKind::Gamma), 1024.0);  // 1 keV per channel at 1024
    Acquire(sim);
    const SimulatedInstrument& s = *sim.instrument;
    EXPECT_NEAR(PeakIn(s, 550, 800), 662, 3);
    EXPECT_NEAR(PeakIn(s, 140, 240), 184, 8);
    EXPECT_NEAR(PeakIn(s, 15, 60), 32, 2);
    // The Compton continuum stands well above the valley before the photopeak and falls at the
    // edge (477 keV) to half its shoulder within the resolution.
    const double shoulder = Smoothed(s, 420);
    const double valley = Smoothed(s, 560);
    EXPECT_GT(shoulder, 3.0 * valley);
    EXPECT_GT(Smoothed(s, 455), 0.6 * shoulder);
    EXPECT_LT(Smoothed(s, 510), 0.4 * shoulder);
    // Nothing above the photopeak.
    EXPECT_LT(Smoothed(s, 900), 1e-4 * Smoothed(s, 662));
}

struct XrayCase {
    SourceKind Kind;
    double KAlpha;
    double KBeta;
};

TEST(SimulatedSpectrum, XraySamplesShowTheirKLinesAtTwentyElectronVoltsPerChannel) {
    ASSERT_DOUBLE_EQ(SourceFullScaleKeV(SourceKind::Iron), 20.48);
    for (const XrayCase& x : {XrayCase{SourceKind::Iron, 6.40, 7.06}, XrayCase{SourceKind::Copper, 8.05, 8.90},
                              XrayCase{SourceKind::Zinc, 8.64, 9.57}}) {
        SimFixture sim(Source(x.Kind));
        Acquire(sim);
        const SimulatedInstrument& s = *sim.instrument;
        const int alpha = static_cast<int>(std::lround(x.KAlpha / 0.02));
        const int beta = static_cast<int>(std::lround(x.KBeta / 0.02));
        EXPECT_NEAR(PeakIn(s, alpha - 15, alpha + 15), alpha, 1) << x.KAlpha;
        EXPECT_NEAR(PeakIn(s, beta - 10, beta + 10), beta, 1) << x.KBeta;
        // K-beta is the weaker line, both stand far above the bremsstrahlung beside them.
        EXPECT_LT(Smoothed(s, beta), 0.3 * Smoothed(s, alpha));
        EXPECT_GT(Smoothed(s, beta), 10.0 * Smoothed(s, beta + 40));
        // Bremsstrahlung continues to the end of the range; air and window absorb the lowest energies.
        EXPECT_GT(Smoothed(s, 900), 0.0);
        EXPECT_LT(Smoothed(s, 30), 0.01 * Smoothed(s, 250));
    }
}

TEST(SimulatedSpectrum, BrassShowsCopperAndZincTogether) {
    SimFixture sim(Source(SourceKind::Brass));
    Acquire(sim);
    const SimulatedInstrument& s = *sim.instrument;
    EXPECT_NEAR(PeakIn(s, 390, 415), 403, 1);  // Cu K-alpha 8.05 keV
    EXPECT_NEAR(PeakIn(s, 425, 440), 432, 1);  // Zn K-alpha 8.64 keV
    EXPECT_GT(Smoothed(s, 403), Smoothed(s, 432));  // more copper than zinc
    // and no iron: the continuum runs smoothly through 6.40 keV
    EXPECT_LT(Smoothed(s, 320), 0.55 * (Smoothed(s, 300) + Smoothed(s, 340)));
}

TEST(SimulatedSpectrum, LargerMemoriesSpreadTheSameEnergiesOverMoreChannels) {
    SimFixture sim(Source(SourceKind::Iron));
    ASSERT_TRUE(sim.Accepted("$M64;"));
    Acquire(sim);
    EXPECT_NEAR(PeakIn(*sim.instrument, 2500, 2620), 2560, 3);  // 6.40 keV at 2.5 eV per channel
}

}  // namespace
}  // namespace ztmca::testing
