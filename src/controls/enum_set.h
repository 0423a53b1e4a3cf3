#pragma once

#include <cstdint>
#include <initializer_list>

// A set of the members of a small enumeration (at most 32), bit n for member n, written like the
// design writes sets: TEnumSet<TSide>{sdLeft, sdTop}.
template <typename Enum>
class TEnumSet {
public:
    constexpr TEnumSet() = default;
    constexpr TEnumSet(std::initializer_list<Enum> members)
    {
        for (Enum member : members)
            bits_ |= Bit(member);
    }
    static constexpr TEnumSet FromBits(uint32_t bits)
    {
        TEnumSet set;
        set.bits_ = bits;
        return set;
    }

    constexpr bool Contains(Enum member) const { return (bits_ & Bit(member)) != 0; }
    constexpr bool ContainsAny(std::initializer_list<Enum> members) const { return (bits_ & TEnumSet(members).bits_) != 0; }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr uint32_t Bits() const { return bits_; }
    constexpr TEnumSet& Include(Enum member)
    {
        bits_ |= Bit(member);
        return *this;
    }
    constexpr TEnumSet& Exclude(Enum member)
    {
        bits_ &= ~Bit(member);
        return *this;
    }
    constexpr bool operator==(const TEnumSet&) const = default;

private:
    static constexpr uint32_t Bit(Enum member) { return uint32_t(1) << static_cast<int>(member); }
    uint32_t bits_ = 0;
};
