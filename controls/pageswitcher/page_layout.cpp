#include "controls/pageswitcher/page_layout.h"

#include <cstring>

namespace quorl::pageswitcher {

namespace {

// Dialog units: a quarter of the horizontal and an eighth of the vertical
// base unit.
constexpr int kHorizontalUnits = 4;
constexpr int kVerticalUnits = 8;

// A tab's outline stops short of its share's edges, where the junctions
// sit; the frame's top edge under a closed tab reaches one pixel further.
constexpr int kOutlineLeftInset = 4;
constexpr int kOutlineRightInset = 3;
constexpr int kFrameTop = kTabRowHeight;

// The label id as -2 in an extended template's 32-bit ids.
constexpr std::uint32_t kLabelIdWide = 0xFFFFFFFE;

int ShareLeft(int width, int k, int n) {
    return MulDivRounded(width, k, n);
}

// Scaled, pixel k from an edge spans s(k) to s(k + 1) from it: its
// thickness, and where it starts when counted from the far edge of size.
int Thick(int k, Scale s) {
    return s(k + 1) - s(k);
}
int FromFar(int size, int k, Scale s) {
    return size - s(k + 1);
}

} // namespace

bool IsLabelId(std::uint32_t id) {
    return id == GS_LABEL_ID || id == kLabelIdWide;
}

PixelRect ItemRect(int x, int y, int cx, int cy, int baseX, int baseY, Scale scale) {
    const int left = MulDivRounded(x, baseX, kHorizontalUnits);
    const int top = MulDivRounded(y, baseY, kVerticalUnits) + scale(kTabRowHeight);
    return {left, top, left + MulDivRounded(cx, baseX, kHorizontalUnits),
            top + MulDivRounded(cy, baseY, kVerticalUnits)};
}

std::uint32_t ControlStyle(std::uint32_t itemStyle, bool firstControl) {
    const std::uint32_t style = itemStyle & ~(kVisibleBit | GS_ANCHOR);
    return firstControl ? style | kGroupBit : style;
}

PixelRect TabRect(const PixelRect& frame, int k, int n, Scale scale) {
    const int tabTop = scale(kTabTop);
    const int tabHeight = scale(kTabHeight);
    if (n <= 0) {
        return {frame.left, frame.top + tabTop, frame.left, frame.top + tabTop + tabHeight};
    }
    const int width = frame.width();
    const int share = width / n;
    const int left = frame.left + ShareLeft(width, k, n) + share / 2 - (3 * share) / 8;
    const int top = frame.top + tabTop;
    return {left, top, left + (6 * share) / 8, top + tabHeight};
}

int TabOutlines(int width, int n, int current, Line out[kMaxOutlineLines], Scale s) {
    if (n <= 0 || n > kMaxPages) {
        return 0;
    }
    int count = 0;
    for (int k = 0; k < n; ++k) {
        const int x0 = ShareLeft(width, k, n);
        const int x1 = x0 + width / n;
        const int left = x0 + s(kOutlineLeftInset);
        const int right = x1 - s(kOutlineRightInset);
        out[count++] = {Pen::Black, {left, s(0)}, {right, s(0)}, Thick(0, s)};
        out[count++] = {Pen::White, {left, s(1)}, {right, s(1)}, Thick(1, s)};
        if (k == current) {
            out[count++] = {Pen::White, {left, s(2)}, {right, s(2)}, Thick(2, s)};
        } else {
            for (int row = 0; row < 3; ++row) {
                const int y = s(kFrameTop + row);
                out[count++] = {row == 0 ? Pen::Black : Pen::White,
                                {x0, y},
                                {x1 + s(1), y},
                                Thick(kFrameTop + row, s)};
            }
        }
    }
    return count;
}

// At 96 pixels per inch: the black outer edge from (0, top) down, along
// the bottom row and up the right column; white columns 1 and 2; grey rows
// b - 1 and b - 2 and columns r - 1 and r - 2 (r, b: the last column and row).
void FrameLines(int width, int height, Line out[kFrameLines], Scale s) {
    const int top = s(kFrameTop);
    const int below = s(kFrameTop + 1);
    const int w = width;
    const int h = height;
    int i = 0;
    out[i++] = {Pen::Black, {0, top}, {0, h - s(1)}, Thick(0, s)};
    out[i++] = {Pen::Black, {0, FromFar(h, 0, s)}, {w - s(1), FromFar(h, 0, s)}, Thick(0, s)};
    out[i++] = {Pen::Black, {FromFar(w, 0, s), below}, {FromFar(w, 0, s), h}, Thick(0, s)};
    out[i++] = {Pen::White, {s(1), below}, {s(1), h - s(1)}, Thick(1, s)};
    out[i++] = {Pen::White, {s(2), below}, {s(2), h - s(2)}, Thick(2, s)};
    out[i++] = {Pen::Grey, {s(2), FromFar(h, 1, s)}, {w - s(2), FromFar(h, 1, s)}, Thick(1, s)};
    out[i++] = {Pen::Grey, {s(3), FromFar(h, 2, s)}, {w - s(2), FromFar(h, 2, s)}, Thick(2, s)};
    out[i++] = {Pen::Grey, {FromFar(w, 1, s), below}, {FromFar(w, 1, s), h - s(1)}, Thick(1, s)};
    out[i++] = {Pen::Grey, {FromFar(w, 2, s), below}, {FromFar(w, 2, s), h - s(1)}, Thick(2, s)};
}

int Junctions(int width, int n, int current, const JunctionSize sizes[3],
              JunctionBlit out[kMaxJunctions], Scale scale) {
    if (n <= 0 || n > kMaxPages) {
        return 0;
    }
    auto size = [&](Junction j) { return sizes[static_cast<int>(j)]; };
    int count = 0;

    // The row's ends show half a junction each: the right half at the left
    // end, the left half at the right end.
    const Junction first = current == 0 ? Junction::RightCurrent : Junction::Plain;
    const JunctionSize fs = size(first);
    out[count++] = {first,
                    {0, 0},
                    fs.width / 2,
                    first == Junction::Plain ? fs.height : fs.height - scale(2),
                    fs.width / 2 - scale(1)};

    for (int k = 1; k < n; ++k) {
        Junction j = Junction::Plain;
        if (current == k - 1) {
            j = Junction::LeftCurrent;
        } else if (current == k) {
            j = Junction::RightCurrent;
        }
        const JunctionSize s = size(j);
        out[count++] = {j, {ShareLeft(width, k, n) - s.width / 2, 0}, s.width, s.height, 0};
    }

    const Junction last = current == n - 1 ? Junction::LeftCurrent : Junction::Plain;
    const JunctionSize ls = size(last);
    const int e = last == Junction::LeftCurrent ? scale(1) : 0;
    out[count++] = {last, {width - e - ls.width / 2, 0}, ls.width / 2 + e, ls.height - 2 * e, 0};
    return count;
}

Growth GrowPage(const PageSize& base, PageSize& current, const PageSize& frame) {
    // The page follows the switcher down to its base size. Measuring from
    // the page's own size (not the switcher's old one) keeps a page that
    // grows back from below its base size exactly as large as the switcher.
    const PageSize target = {frame.width > base.width ? frame.width : base.width,
                             frame.height > base.height ? frame.height : base.height};
    const Growth growth = {target.width - current.width, target.height - current.height};
    current = target;
    return growth;
}

Follow ControlFollow(const PixelRect& a, const PixelRect& r) {
    if (a.bottom < r.top && a.left < r.right) {
        return Follow::MovesDown;
    }
    if (a.right < r.left && a.top <= r.bottom && a.bottom >= r.top) {
        return Follow::MovesRight;
    }
    if (r.left < a.left && r.top < a.top && r.right > a.right && r.bottom > a.bottom) {
        return Follow::Widens;
    }
    return Follow::Stays;
}

PixelRect LabelAfterGrowth(const PixelRect& a, const PixelRect& l, int dx, int dy) {
    if (a.right < l.left) {
        return Offset(l, dx, 0);
    }
    if (a.bottom < l.top && l.right > a.left) {
        return Offset(l, 0, dy);
    }
    if (l.left < a.left && l.top < a.top && l.right > a.right && l.bottom > a.bottom) {
        return {l.left, l.top, l.right + dx, l.bottom + dy};
    }
    return l;
}

PageList::PageList(const char* list) : buffer_{}, next_(nullptr) {
    if (list == nullptr) {
        return;
    }
    std::strncpy(buffer_, list, kPageListSize - 1);
    buffer_[kPageListSize - 1] = '\0';
    next_ = buffer_;
}

bool PageList::Next(const char*& name) {
    if (next_ == nullptr) {
        return false;
    }
    name = next_;
    char* plus = std::strchr(next_, '+');
    if (plus != nullptr) {
        *plus = '\0';
        next_ = plus + 1;
    } else {
        next_ = nullptr;
    }
    return true;
}

void StorePageName(char (&slot)[kPageNameSize], const char* name) {
    std::size_t i = 0;
    for (; name != nullptr && name[i] != '\0' && i + 1 < kPageNameSize; ++i) {
        slot[i] = name[i];
    }
    std::memset(slot + i, 0, kPageNameSize - i);
}

bool PageNameMatches(const char (&slot)[kPageNameSize], const char* name) {
    return name != nullptr && std::strncmp(slot, name, kPageNameSize) == 0;
}

int CurrentAfterRemoval(int current, int removed, int remaining) {
    if (remaining <= 0) {
        return -1;
    }
    if (current < 0 || current == removed) {
        return 0;
    }
    return current > removed ? current - 1 : current;
}

} // namespace quorl::pageswitcher
