// The gauge's geometry on any client size, style, font and value: the
// layout, the percentage of any position and range, the filled part, the
// ticks, the scale and the bevels must stay defined (UBSan reports any
// overflow) and the percentage text inside its buffer.
#include <fuzzer/FuzzedDataProvider.h>

#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "controls/gauge/gauge_layout.h"

namespace {

// Client rectangles as the window system reports them: 16-bit coordinates.
constexpr int kMaxCoordinate = 32767;
constexpr int kMaxCharSize = 1000;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    using quorl::PixelRect;
    const PixelRect client = {0, 0, in.ConsumeIntegralInRange(0, kMaxCoordinate),
                              in.ConsumeIntegralInRange(0, kMaxCoordinate)};
    const auto style = in.ConsumeIntegral<unsigned>();
    const bool title = in.ConsumeBool();
    const int charWidth = in.ConsumeIntegralInRange(0, kMaxCharSize);
    const int charHeight = in.ConsumeIntegralInRange(0, kMaxCharSize);
    // Position and range arrive as message arguments: any 32-bit value.
    const int position = in.ConsumeIntegral<int>();
    const int range = in.ConsumeIntegral<int>();

    const quorl::gauge::GaugeLayout layout =
        quorl::gauge::LayoutGauge(client, style, title, charWidth, charHeight);
    const int percent = quorl::gauge::Percentage(position, range);
    char text[quorl::gauge::kPercentTextSize];
    std::memset(text, 'x', sizeof text);
    quorl::gauge::FormatPercent(percent, text);
    if (std::memchr(text, '\0', sizeof text) == nullptr) {
        std::abort();
    }
    quorl::gauge::FilledRight(layout.barRect, percent);
    const int intervals = quorl::gauge::IntervalCount(layout.parts.step);
    for (int i = 0; i <= intervals && i <= 100; ++i) {
        quorl::gauge::TickX(layout.tickRect, i, intervals);
        quorl::gauge::ScaleTextLeft(client, layout.margin, i, intervals,
                                    in.ConsumeIntegralInRange(0, kMaxCoordinate));
    }
    for (const PixelRect& r : {client, layout.barRect, layout.titleRect}) {
        quorl::gauge::BevelOf(r, quorl::gauge::kTroughBevelInset);
    }
    return 0;
}
