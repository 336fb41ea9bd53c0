// Arithmetic of the page switcher without the window system: where a
// template's items land in pixels, where the tabs go, what the paint code
// draws (tab outlines, junctions, frame), how a page grows around its
// anchor, and the page list and page names.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/geometry.h"
#include "quorl32_styles.h"

namespace quorl::pageswitcher {

constexpr int kMaxPages = 10;

// ---- Page contents --------------------------------------------------------

// Room above the page area for the tab row. This and the other lengths
// below are for 96 pixels per inch; the functions scale them.
constexpr int kTabRowHeight = 26;

// The window manager's WS_VISIBLE and WS_GROUP, for code without it.
constexpr std::uint32_t kVisibleBit = 0x10000000;
constexpr std::uint32_t kGroupBit = 0x00020000;

// A label (GS_LABEL_ID) in a classic template has the id 0xFFFE; an
// extended template carries 32-bit ids, in which it may be written as -2.
bool IsLabelId(std::uint32_t id);

// Dialog units to pixels in the switcher's client area, below the tab row.
PixelRect ItemRect(int x, int y, int cx, int cy, int baseX, int baseY, Scale scale = {});

// The style a page control is created with: hidden until its page is
// shown, without the anchor mark, and opening a group when it is the
// page's first control.
std::uint32_t ControlStyle(std::uint32_t itemStyle, bool firstControl);

// ---- Tabs ----------------------------------------------------------------

constexpr int kTabTop = 4;
constexpr int kTabHeight = 20;

// Tab k of n: three quarters of its share of the row, centred in it.
PixelRect TabRect(const PixelRect& frame, int k, int n, Scale scale = {});

// ---- Painting ------------------------------------------------------------

enum class Pen { Black, White, Grey };

// A horizontal or vertical line as the line operation draws it; a line
// thicker than one pixel (on a finer screen) also covers the rows below or
// the columns right of it, and then runs left to right or top to bottom.
struct Line {
    Pen pen;
    PixelPoint from;
    PixelPoint to; // not painted
    int thickness = 1;
};

// Outlines of n tabs with tab `current` open into its page: a double top
// line per tab, and under every other tab the frame's top edge. Returns
// the number of lines written.
constexpr int kMaxOutlineLines = 5 * kMaxPages;
int TabOutlines(int width, int n, int current, Line out[kMaxOutlineLines], Scale scale = {});

// The page frame: black outer edge, white left edge, dark grey bottom and
// right edges, in the switcher's client coordinates.
constexpr int kFrameLines = 9;
void FrameLines(int width, int height, Line out[kFrameLines], Scale scale = {});

// Junction pictures between tabs.
enum class Junction {
    Plain,        // neither neighbour is current
    RightCurrent, // the tab right of it is current
    LeftCurrent,  // the tab left of it is current
};
constexpr int kJunctionBitmapId[] = {5008, 5009, 5010};

struct JunctionSize {
    int width;
    int height;
};

struct JunctionBlit {
    Junction junction;
    PixelPoint to;
    int width;
    int height;
    int sourceX;
};

// The left end, each junction between two tabs, and the right end; sizes
// are the pictures' sizes as drawn (scaled with the screen).
constexpr int kMaxJunctions = kMaxPages + 1;
int Junctions(int width, int n, int current, const JunctionSize sizes[3],
              JunctionBlit out[kMaxJunctions], Scale scale = {});

// ---- Growth --------------------------------------------------------------

struct PageSize {
    int width;
    int height;
};

// The change a page with an anchor makes when the switcher becomes
// `frame` wide and high: it follows the switcher but never shrinks below
// its base size. `current` is updated.
struct Growth {
    int dx;
    int dy;
};
Growth GrowPage(const PageSize& base, PageSize& current, const PageSize& frame);

// How a control of a growing page moves with the anchor.
enum class Follow { Stays, MovesDown, MovesRight, Widens };
Follow ControlFollow(const PixelRect& anchor, const PixelRect& control);

// A painted label's rectangle after the anchor grew by dx, dy.
PixelRect LabelAfterGrowth(const PixelRect& anchor, const PixelRect& label, int dx, int dy);

// ---- Page list and names -------------------------------------------------

// The window text of a switcher names its pages' templates joined by "+".
// Lists longer than kPageListSize - 1 characters are cut.
constexpr std::size_t kPageListSize = 400;
class PageList {
public:
    explicit PageList(const char* list);
    // The next name (possibly empty); false after the last one.
    bool Next(const char*& name);

private:
    char buffer_[kPageListSize];
    char* next_;
};

// Name slots hold up to 13 characters and a terminator.
constexpr std::size_t kPageNameSize = 14;
void StorePageName(char (&slot)[kPageNameSize], const char* name);
bool PageNameMatches(const char (&slot)[kPageNameSize], const char* name);

// The index shown after page `removed` has gone, with `remaining` pages
// left: the same page as before where it still exists, else page 0, or
// none (-1) when no page is left.
int CurrentAfterRemoval(int current, int removed, int remaining);

} // namespace quorl::pageswitcher
