#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace pixlore::fuzz {

// The fuzzer's input read as a stream of choices. Past its end every read gives zeros, so any
// input, however short, decodes to something.
class ByteSource {
  public:
    ByteSource(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool empty() const { return at_ >= size_; }
    std::size_t left() const { return empty() ? 0 : size_ - at_; }

    std::uint8_t byte() { return empty() ? 0 : data_[at_++]; }
    std::uint16_t u16() { return static_cast<std::uint16_t>(byte() | byte() << 8); }
    std::uint32_t u32() { return u16() | static_cast<std::uint32_t>(u16()) << 16; }
    // One of 0 .. n - 1, for n from 1 to 65536.
    int below(int n) { return n <= 256 ? byte() % n : u16() % n; }
    bool flag() { return byte() & 1; }

    // Up to count bytes, fewer when the input ends first.
    std::vector<std::uint8_t> bytes(std::size_t count) {
        const std::size_t n = count < left() ? count : left();
        std::vector<std::uint8_t> out(data_ + at_, data_ + at_ + n);
        at_ += n;
        return out;
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

}  // namespace pixlore::fuzz
