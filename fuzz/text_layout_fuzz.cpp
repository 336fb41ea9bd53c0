// The text painter's geometry on any rectangle, style and text extent, and
// the label's field-name rule on any window name: every result must stay
// defined (UBSan reports any overflow) and the field name inside the name.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "controls/textlabel/text_layout.h"

namespace {

// Rectangles as the window system hands them: 16-bit coordinates.
constexpr int kMinCoordinate = -32768;
constexpr int kMaxCoordinate = 32767;

quorl::PixelRect Rect(FuzzedDataProvider& in) {
    return {in.ConsumeIntegralInRange(kMinCoordinate, kMaxCoordinate),
            in.ConsumeIntegralInRange(kMinCoordinate, kMaxCoordinate),
            in.ConsumeIntegralInRange(kMinCoordinate, kMaxCoordinate),
            in.ConsumeIntegralInRange(kMinCoordinate, kMaxCoordinate)};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    namespace text = quorl::textlabel;
    const quorl::PixelRect r = Rect(in);
    const auto style = in.ConsumeIntegral<unsigned>();
    const int textWidth = in.ConsumeIntegralInRange(0, kMaxCoordinate);
    const int textHeight = in.ConsumeIntegralInRange(0, kMaxCoordinate);

    text::MultiLineFormat(style);
    text::UsesSingleLinePath(style);
    // Repainting alone needs a painter that draws over all it touches.
    if (text::CoversWhatItDraws(style, r) &&
        !(text::FillsBackground(style) || text::UsesSingleLinePath(style))) {
        std::abort();
    }
    text::BoxFrameOf(r);
    text::BoxStrokesOf(r);
    text::EdgeLineOf(r, style);
    const text::LineOrigin origin = text::LineOriginOf(r, style);
    text::HeadingRulesOf(r, origin, textWidth, textHeight);
    const quorl::PixelRect frame = text::GroupTextRect(r);
    const quorl::PixelRect measured = Rect(in);
    const quorl::PixelRect title = text::GroupTitleExtent(measured, r.right, style);
    text::EmptyGroupTitle(frame);
    text::EtchedFrameOf(title, frame);
    text::HeadingBoxOf(r, textHeight);

    const std::string name = in.ConsumeRemainingBytesAsString();
    const char* field = text::LabelFieldName(name.c_str());
    if (field != nullptr && (field < name.c_str() || field > name.c_str() + name.size())) {
        std::abort();
    }
    return 0;
}
