#pragma once
// The class library's set types: a small bit set over an enumeration whose values are below 64.

#include <cstdint>
#include <initializer_list>

template <class E> class Set {
public:
    constexpr Set() = default;
    constexpr Set(std::initializer_list<E> items) {
        for (E item : items) {
            m_bits |= Bit(item);
        }
    }

    constexpr bool Contains(E item) const { return (m_bits & Bit(item)) != 0; }
    constexpr bool Empty() const { return m_bits == 0; }
    constexpr Set& operator<<(E item) {
        m_bits |= Bit(item);
        return *this;
    }
    constexpr Set& operator>>(E item) {
        m_bits &= ~Bit(item);
        return *this;
    }
    constexpr Set operator+(Set other) const { return FromBits(m_bits | other.m_bits); }
    constexpr Set operator-(Set other) const { return FromBits(m_bits & ~other.m_bits); }
    constexpr Set operator*(Set other) const { return FromBits(m_bits & other.m_bits); }
    constexpr uint64_t Bits() const { return m_bits; }
    static constexpr Set FromBits(uint64_t bits) {
        Set set;
        set.m_bits = bits;
        return set;
    }
    friend constexpr bool operator==(Set, Set) = default;

private:
    static constexpr uint64_t Bit(E item) { return uint64_t{1} << static_cast<unsigned>(item); }
    uint64_t m_bits = 0;
};
