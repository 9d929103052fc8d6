#pragma once
// Counts heap allocations made by this process, so benchmarks can report allocations per operation.
#include <cstddef>

namespace ztmca::bench {

std::size_t AllocationCount();

}  // namespace ztmca::bench
