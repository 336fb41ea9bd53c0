#include "controls/checkbutton/checkbutton_layout.h"

namespace quorl::checkbutton {

namespace {

constexpr int kMarkTop = 2;
constexpr int kCentredMarkLeft = 5;
constexpr int kCaptionGap = 5;         // between the mark and the caption, and at the far edge
constexpr int kLeftTextMarkGap = 6;    // caption left of the mark: its right end before the mark
constexpr int kCaptionVerticalGap = 2; // above and below the caption
constexpr int kFocusShiftGap = 5;      // the measured caption's distance from its far edge
constexpr int kFocusPadX = 2;
constexpr int kFocusPadY = 1;
constexpr int kFocusExtraBottom = 1;
constexpr int kFocusAreaExtra = 1; // the frame's right and bottom dots are inclusive

// Print picture: a 20-unit box 3 units in from the near edge, below the top.
constexpr int kPrintBoxNear = 3;
constexpr int kPrintBoxFar = 23;
constexpr int kPrintCaptionNear = 5;
constexpr int kPrintCaptionFar = 35;

bool HasLeftText(unsigned long style) {
    return (style & QCS_LEFTTEXT) != 0;
}
bool HasCentredText(unsigned long style) {
    return !HasLeftText(style) && (style & QCS_CENTERTEXT) != 0;
}

} // namespace

bool IsRadioType(unsigned long style) {
    const unsigned long type = TypeOf(style);
    return type == QCS_RADIOBUTTON || type == QCS_AUTORADIOBUTTON;
}

bool SelectsOnFocus(unsigned long style) {
    return TypeOf(style) == QCS_AUTORADIOBUTTON;
}

ClickAction ClickActionOf(unsigned long style) {
    if (IsRadioType(style)) {
        return ClickAction::SelectInGroup;
    }
    return TypeOf(style) == QCS_AUTOCHECKBOX ? ClickAction::Toggle : ClickAction::NotifyOnly;
}

int MarkBaseId(unsigned long style) {
    const int base = IsRadioType(style) ? QC_MARKS_RADIO : QC_MARKS_CHECKBOX;
    return base + static_cast<int>(style & QCS_SETMASK);
}

int MarkIndexOf(unsigned long state) {
    const bool pressed = (state & (QSTATE_PUSHED | QSTATE_TRACKING)) != 0;
    if ((state & QCSTATE_CHECKED) != 0) {
        return pressed ? kMarkCheckedPressed : kMarkChecked;
    }
    return pressed ? kMarkUncheckedPressed : kMarkUnchecked;
}

PixelPoint MarkPosition(unsigned long style, int clientRight, int markWidth, Scale scale) {
    if (HasLeftText(style)) {
        return {clientRight - markWidth, scale(kMarkTop)};
    }
    return {HasCentredText(style) ? scale(kCentredMarkLeft) : 0, scale(kMarkTop)};
}

PixelRect CaptionRect(unsigned long style, int clientRight, int clientBottom, int markWidth,
                      Scale scale) {
    const int gap = scale(kCaptionGap);
    const int top = scale(kCaptionVerticalGap);
    const int bottom = clientBottom - top;
    if (HasLeftText(style)) {
        return {gap, top, clientRight - markWidth - scale(kLeftTextMarkGap), bottom};
    }
    return {markWidth + gap, top, clientRight - gap, bottom};
}

Alignment CaptionAlignment(unsigned long style) {
    if (HasLeftText(style)) {
        return Alignment::Right;
    }
    return HasCentredText(style) ? Alignment::Center : Alignment::Left;
}

PixelRect FocusFrame(unsigned long style, int clientRight, int markWidth, PixelRect measured,
                     Scale scale) {
    int shift = 0;
    if (HasLeftText(style)) {
        shift = clientRight - markWidth - measured.right - scale(kFocusShiftGap);
    } else if (HasCentredText(style)) {
        shift = (clientRight - measured.right - scale(kFocusShiftGap)) / 2;
    }
    const int padX = scale(kFocusPadX);
    const int padY = scale(kFocusPadY);
    return {measured.left + shift - padX, measured.top - padY, measured.right + shift + padX,
            measured.bottom + padY + scale(kFocusExtraBottom)};
}

PixelRect FocusFrameArea(PixelRect frame) {
    return {frame.left, frame.top, frame.right + kFocusAreaExtra, frame.bottom + kFocusAreaExtra};
}

PrintLayout PrintLayoutOf(unsigned long style, PixelRect given) {
    PrintLayout layout{};
    if (HasLeftText(style)) {
        layout.box = {given.right - kPrintBoxFar, given.top - kPrintBoxNear,
                      given.right - kPrintBoxNear, given.top - kPrintBoxFar};
        layout.caption = {given.left + kPrintCaptionNear, given.top, given.right - kPrintCaptionFar,
                          given.bottom};
    } else {
        layout.box = {given.left + kPrintBoxNear, given.top - kPrintBoxNear,
                      given.left + kPrintBoxFar, given.top - kPrintBoxFar};
        layout.caption = {given.left + kPrintCaptionFar, given.top, given.right - kPrintCaptionNear,
                          given.bottom};
    }
    return layout;
}

} // namespace quorl::checkbutton
