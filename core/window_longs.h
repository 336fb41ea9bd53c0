// The one rule for a class's window longs: slots lie end to end, numbers
// take 4 bytes and handles, pointers and procedures take a pointer's size,
// so each index is the running sum (the public header derives its indexes
// the same way). A class states its slots once as a QUORL_WINDOW_LONGS
// struct, asserts the members' offsets against the public indexes, and pins
// the 32-bit numbers with Win32Is.
#pragma once

#include <cstddef>

namespace quorl {

// True on 64-bit builds; on 32-bit builds, true when value is the
// documented 32-bit number.
constexpr bool Win32Is(std::size_t value, std::size_t documented) {
    return sizeof(void*) != 4 || value == documented;
}

} // namespace quorl

// Slots end to end, without padding.
#define QUORL_WINDOW_LONGS [[gnu::packed]]
