#pragma once
// The bytes an instrument has sent and the program has not read yet. A reply becomes visible
// only once the modelled USB latency has passed. Fixed capacity; what does not fit is lost,
// as with a bridge's full receive buffer.
#include <array>
#include <chrono>
#include <cstddef>
#include <span>

namespace ztmca {

class ReplyQueue {
public:
    using TimePoint = std::chrono::steady_clock::time_point;
    static constexpr std::size_t kCapacity = 65536;

    void Push(std::span<const unsigned char> bytes, TimePoint now, std::chrono::nanoseconds latency);
    std::size_t Visible(TimePoint now);
    std::size_t Read(unsigned char* buffer, std::size_t count, TimePoint now);
    void Clear();

private:
    std::array<unsigned char, kCapacity> bytes_{};
    std::size_t head_ = 0;
    std::size_t tail_ = 0;
    std::size_t visibleEnd_ = 0;
    TimePoint readyAt_{};
};

}  // namespace ztmca
