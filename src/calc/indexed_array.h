#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>

namespace tavoro {

// A fixed array indexed First..Last, as the calculation numbers its cases
// (1..2) and curve points (1..100). Every element starts at zero.
// at() throws std::out_of_range for an index outside First..Last;
// operator[] is unchecked in release builds.
template <typename T, int First, int Last>
class IndexedArray {
 public:
  static_assert(First <= Last);
  static constexpr int kFirst = First;
  static constexpr int kLast = Last;
  static constexpr std::size_t kSize = static_cast<std::size_t>(Last - First + 1);

  T& operator[](int i) { return values_[Slot(i)]; }
  const T& operator[](int i) const { return values_[Slot(i)]; }

  T& at(int i) { return values_.at(CheckedSlot(i)); }
  const T& at(int i) const { return values_.at(CheckedSlot(i)); }

  // Every element set to value.
  static IndexedArray Filled(const T& value) {
    IndexedArray filled;
    filled.values_.fill(value);
    return filled;
  }

  static constexpr bool Contains(int i) { return i >= First && i <= Last; }

  friend bool operator==(const IndexedArray&, const IndexedArray&) = default;

 private:
  static constexpr std::size_t Slot(int i) { return static_cast<std::size_t>(i - First); }
  static std::size_t CheckedSlot(int i) {
    if (!Contains(i)) throw std::out_of_range("index outside its range");
    return Slot(i);
  }

  std::array<T, kSize> values_{};
};

}  // namespace tavoro
