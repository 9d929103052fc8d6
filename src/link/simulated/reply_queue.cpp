#include "link/simulated/reply_queue.h"

#include <algorithm>
#include <cstring>

namespace ztmca {

void ReplyQueue::Push(std::span<const unsigned char> bytes, TimePoint now, std::chrono::nanoseconds latency) {
    Visible(now);
    if (tail_ + bytes.size() > kCapacity && head_ > 0) {
        std::memmove(bytes_.data(), bytes_.data() + head_, tail_ - head_);
        tail_ -= head_;
        visibleEnd_ -= head_;
        head_ = 0;
    }
    const std::size_t n = std::min(bytes.size(), kCapacity - tail_);
    std::copy_n(bytes.begin(), n, bytes_.begin() + static_cast<std::ptrdiff_t>(tail_));
    tail_ += n;
    // Bytes still in flight from an earlier reply arrive together with this one.
    readyAt_ = now + latency;
    Visible(now);
}

std::size_t ReplyQueue::Visible(TimePoint now) {
    if (now >= readyAt_) visibleEnd_ = tail_;
    return visibleEnd_ - head_;
}

std::size_t ReplyQueue::Read(unsigned char* buffer, std::size_t count, TimePoint now) {
    const std::size_t n = std::min(count, Visible(now));
    std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(head_), n, buffer);
    head_ += n;
    if (head_ == tail_) head_ = tail_ = visibleEnd_ = 0;
    return n;
}

void ReplyQueue::Clear() { head_ = tail_ = visibleEnd_ = 0; }

}  // namespace ztmca
