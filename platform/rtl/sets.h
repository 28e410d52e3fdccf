// A small set of enumeration values (up to 64 of them), the shape in which
// component states, shift states, font styles and similar flags are kept.
#pragma once

#include <cstdint>
#include <initializer_list>

template <class E>
class TSet {
 public:
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> items) {
    for (E e : items) bits_ |= Bit(e);
  }

  static constexpr TSet FromBits(uint64_t bits) {
    TSet s;
    s.bits_ = bits;
    return s;
  }
  constexpr uint64_t Bits() const { return bits_; }

  constexpr bool Contains(E e) const { return (bits_ & Bit(e)) != 0; }
  constexpr bool Empty() const { return bits_ == 0; }
  constexpr TSet& Include(E e) { bits_ |= Bit(e); return *this; }
  constexpr TSet& Exclude(E e) { bits_ &= ~Bit(e); return *this; }

  friend constexpr TSet operator+(TSet a, TSet b) { return FromBits(a.bits_ | b.bits_); }
  friend constexpr TSet operator-(TSet a, TSet b) { return FromBits(a.bits_ & ~b.bits_); }
  friend constexpr TSet operator*(TSet a, TSet b) { return FromBits(a.bits_ & b.bits_); }
  friend constexpr bool operator==(TSet a, TSet b) { return a.bits_ == b.bits_; }
  constexpr TSet& operator+=(TSet b) { bits_ |= b.bits_; return *this; }
  constexpr TSet& operator-=(TSet b) { bits_ &= ~b.bits_; return *this; }

 private:
  static constexpr uint64_t Bit(E e) {
    const auto n = static_cast<unsigned>(e);
    return n < 64 ? uint64_t{1} << n : 0;
  }
  uint64_t bits_ = 0;
};
