// Geometry and style decoding of the check button, without the window
// system: which mark to show, where it goes, where the caption goes, and
// the print picture's boxes. Tested natively.
#pragma once

#include <cstddef>

#include "core/geometry.h"
#include "quorl32_styles.h"

namespace quorl::checkbutton {

// Style and state bits and the marks' resource ids are in quorl32_styles.h.

// The four marks in the order of their ids.
enum Mark { kMarkUnchecked, kMarkUncheckedPressed, kMarkChecked, kMarkCheckedPressed, kMarkCount };

enum class ClickAction { NotifyOnly, Toggle, SelectInGroup };
enum class Alignment { Left, Center, Right };

inline unsigned long TypeOf(unsigned long style) {
    return style & QCS_TYPEMASK;
}
bool IsRadioType(unsigned long style);
// Only the automatic radio button clicks itself when it gains the focus.
bool SelectsOnFocus(unsigned long style);
ClickAction ClickActionOf(unsigned long style);

// Id of the unchecked mark; the other three follow it.
int MarkBaseId(unsigned long style);
// Pressed pictures while pushed or tracking (outside or not); the checked
// flag picks within the pair.
int MarkIndexOf(unsigned long state);

// Client rectangle (0, 0, right, bottom); markWidth 0 when there is no mark.
// The gaps and insets are for 96 pixels per inch and grow with scale.
PixelPoint MarkPosition(unsigned long style, int clientRight, int markWidth, Scale scale = {});
PixelRect CaptionRect(unsigned long style, int clientRight, int clientBottom, int markWidth,
                      Scale scale = {});
Alignment CaptionAlignment(unsigned long style);

// The dotted focus frame around the caption. measured is the caption
// rectangle after measuring the text (left and top kept, width and height
// of the text). The result is the frame's inclusive corners.
PixelRect FocusFrame(unsigned long style, int clientRight, int markWidth, PixelRect measured,
                     Scale scale = {});
// Area to repaint so that the dots of a focus frame disappear.
PixelRect FocusFrameArea(PixelRect frame);

// Picture for BWM_PAINTDC in the caller's logical units: the box's two
// corners (as given to the Rectangle operation) and the caption rectangle.
struct PrintLayout {
    PixelRect box;
    PixelRect caption;
};
PrintLayout PrintLayoutOf(unsigned long style, PixelRect given);

} // namespace quorl::checkbutton
