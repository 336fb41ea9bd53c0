// The status bar's field widths and row on arbitrary limits and bar widths.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "controls/statusbar/statusbar_layout.h"

namespace {

using namespace quorl::statusbar;

constexpr std::size_t kMaxFields = 64;
constexpr int kMaxBorder = 7;

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::int32_t clientWidth = 0;
    if (size < 1 + sizeof clientWidth) {
        return 0;
    }
    const int border = data[0] % (kMaxBorder + 1);
    std::memcpy(&clientWidth, data + 1, sizeof clientWidth);
    data += 1 + sizeof clientWidth;
    size -= 1 + sizeof clientWidth;

    FieldLimits fields[kMaxFields];
    const std::size_t count = std::min(size / sizeof(FieldLimits), kMaxFields);
    std::memcpy(fields, data, count * sizeof(FieldLimits));
    int widths[kMaxFields];
    LayoutWidths({fields, count}, clientWidth, border, {widths, count});

    // Worked out here without the plan: the room the minima leave.
    std::int64_t fit = static_cast<std::int64_t>(clientWidth) - 8 * border;
    int growing = 0;
    int filling = 0;
    int zeroZero = 0;
    int growingFromZero = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const int minimum = std::max(fields[i].minimum, 0);
        const int maximum = std::max(fields[i].maximum, 0);
        fit -= minimum != 0 ? static_cast<std::int64_t>(minimum) + 2 * border : 0;
        growing += maximum > minimum;
        filling += minimum > 0 && maximum == 0;
        zeroZero += minimum == 0 && maximum == 0;
        growingFromZero += minimum == 0 && maximum > 0;
    }

    FieldRow row({0, 0, clientWidth, 30}, {border, 1}, 18);
    std::int64_t end = 4 * border;
    int previousX = row.Next(0).x;
    for (std::size_t i = 0; i < count; ++i) {
        const int minimum = std::max(fields[i].minimum, 0);
        const int maximum = std::max(fields[i].maximum, 0);
        Check(widths[i] >= minimum);
        if (fit <= 0) {
            Check(widths[i] == minimum);
        }
        if (maximum > minimum) {
            Check(widths[i] <= maximum);
        } else if (maximum != 0 || minimum == 0) {
            Check(widths[i] == minimum);
        }
        const int x = row.Next(widths[i]).x;
        Check(x >= previousX);
        previousX = x;
        end += static_cast<std::int64_t>(widths[i]) + 2 * border;
    }
    // With room to share, the row reaches the right margin (less what the
    // fillers' division leaves over) and overshoots it only by rounding and
    // by the gaps of growing fields without a minimum, which the first pass
    // does not keep free.
    if (fit > 0 && (growing > 0 || filling > 0)) {
        const std::int64_t margin = static_cast<std::int64_t>(clientWidth) - 4 * border +
                                    static_cast<std::int64_t>(2) * border * zeroZero;
        Check(end <=
              margin + growing / 2 + static_cast<std::int64_t>(2) * border * growingFromZero);
        if (filling > 0) {
            Check(end > margin - filling);
        }
    }
    return 0;
}
