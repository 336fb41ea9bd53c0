// The status bar's field widths on arbitrary limits and bar widths.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "controls/statusbar/statusbar_layout.h"

using quorl::statusbar::FieldLimits;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr std::size_t kMaxFields = 64;
    std::int32_t clientWidth = 0;
    if (size < 1 + sizeof clientWidth) {
        return 0;
    }
    const int b = data[0] % 8; // border width
    std::memcpy(&clientWidth, data + 1, sizeof clientWidth);
    FieldLimits fields[kMaxFields];
    const std::size_t count = std::min((size - 5) / sizeof(FieldLimits), kMaxFields);
    std::memcpy(fields, data + 5, count * sizeof(FieldLimits));
    int widths[kMaxFields];
    quorl::statusbar::LayoutWidths({fields, count}, clientWidth, b, {widths, count});

    // Each field keeps its minimum, a growing one stays within its maximum,
    // any other keeps exactly its minimum unless it fills.
    std::int64_t fit = static_cast<std::int64_t>(clientWidth) - 8 * b;
    std::int64_t row = 0;
    int growing = 0, filling = 0, zeroZero = 0, growingFromZero = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const int low = std::max(fields[i].minimum, 0);
        const int high = std::max(fields[i].maximum, 0);
        const bool fills = low > 0 && high == 0;
        if (widths[i] < low || (high > low && widths[i] > high) ||
            (high <= low && !fills && widths[i] != low)) {
            std::abort();
        }
        fit -= low != 0 ? static_cast<std::int64_t>(low) + 2 * b : 0;
        row += static_cast<std::int64_t>(widths[i]) + 2 * b;
        growing += high > low;
        filling += fills;
        zeroZero += low == 0 && high == 0;
        growingFromZero += low == 0 && high > 0;
    }
    // With room to share, the row reaches the right margin (less what the
    // fillers' division leaves) and passes it only by rounding and by the
    // gaps of growing fields without a minimum, which the first pass does
    // not keep free; fields without limits take a gap nobody kept.
    if (fit > 0 && (growing > 0 || filling > 0)) {
        const std::int64_t margin =
            static_cast<std::int64_t>(clientWidth) - 8 * b + 2 * b * zeroZero;
        if (row > margin + growing / 2 + 2 * b * growingFromZero ||
            (filling > 0 && row <= margin - filling)) {
            std::abort();
        }
    }
    return 0;
}
