#pragma once
// How the channels of the display range fall onto the plot's pixel columns, and how a count
// becomes a height on the logarithmic or linear scale.
#include <cstdint>
#include <span>

#include "display/display_state.h"

namespace ztmca {

// Step >= 1: Step channels per column. Step < 0: -Step (= Ppc) columns per channel.
// Valid is false for a range without channels (end below start); nothing may be mapped then.
struct ColumnMapping {
    bool Valid = false;
    int Step = 0;
    int Ppc = 0;
};

ColumnMapping MapColumns(std::int32_t startCh, std::int32_t endCh, int width);

// How counts are reduced and scaled for one redraw.
struct CountScale {
    bool Log = true;
    int Height = 300;            // plot height H
    int Decade = 50;             // H div 6, log scale
    std::int32_t FullScale = 100;  // linear scale
    bool Reduce = false;         // subtract Subtract, negative results become 0
    std::int64_t Subtract = 0;
};

std::int64_t ReducedCount(std::int32_t count, const CountScale& scale);
// Height of a reduced count in pixels; may exceed the plot height or be negative.
std::int64_t HeightOf(std::int64_t value, const CountScale& scale);
// Screen row of a height, limited to the plot's rows.
int RowOf(std::int64_t height, int plotHeight);

// Fills ColumnTop and ColumnBottom for the W columns (and, in dot mode, the per-channel rows of
// the current scale). counts holds the memory in use; channels outside it count as 0.
void FillColumns(std::span<const std::int32_t> counts, std::int32_t startCh, int width,
                 const ColumnMapping& mapping, const CountScale& scale, bool dots, PlotArrays& plot);

}  // namespace ztmca
