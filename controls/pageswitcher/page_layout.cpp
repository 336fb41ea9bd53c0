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

} // namespace

bool IsLabelId(std::uint32_t id) {
    return id == GS_LABEL_ID || id == kLabelIdWide;
}

PixelRect ItemRect(int x, int y, int cx, int cy, int baseX, int baseY) {
    const int left = MulDivRounded(x, baseX, kHorizontalUnits);
    const int top = MulDivRounded(y, baseY, kVerticalUnits) + kTabRowHeight;
    return {left, top, left + MulDivRounded(cx, baseX, kHorizontalUnits),
            top + MulDivRounded(cy, baseY, kVerticalUnits)};
}

std::uint32_t ControlStyle(std::uint32_t itemStyle, bool firstControl) {
    const std::uint32_t style = itemStyle & ~(kVisibleBit | GS_ANCHOR);
    return firstControl ? style | kGroupBit : style;
}

PixelRect TabRect(const PixelRect& frame, int k, int n) {
    if (n <= 0) {
        return {frame.left, frame.top + kTabTop, frame.left, frame.top + kTabTop + kTabHeight};
    }
    const int width = frame.width();
    const int share = width / n;
    const int left = frame.left + ShareLeft(width, k, n) + share / 2 - (3 * share) / 8;
    const int top = frame.top + kTabTop;
    return {left, top, left + (6 * share) / 8, top + kTabHeight};
}

int TabOutlines(int width, int n, int current, Line out[kMaxOutlineLines]) {
    if (n <= 0 || n > kMaxPages) {
        return 0;
    }
    int count = 0;
    for (int k = 0; k < n; ++k) {
        const int x0 = ShareLeft(width, k, n);
        const int x1 = x0 + width / n;
        const int left = x0 + kOutlineLeftInset;
        const int right = x1 - kOutlineRightInset;
        out[count++] = {Pen::Black, {left, 0}, {right, 0}};
        out[count++] = {Pen::White, {left, 1}, {right, 1}};
        if (k == current) {
            out[count++] = {Pen::White, {left, 2}, {right, 2}};
        } else {
            out[count++] = {Pen::Black, {x0, kFrameTop}, {x1 + 1, kFrameTop}};
            out[count++] = {Pen::White, {x0, kFrameTop + 1}, {x1 + 1, kFrameTop + 1}};
            out[count++] = {Pen::White, {x0, kFrameTop + 2}, {x1 + 1, kFrameTop + 2}};
        }
    }
    return count;
}

void FrameLines(int width, int height, Line out[kFrameLines]) {
    const int r = width - 1;
    const int b = height - 1;
    const int top = kFrameTop;
    int i = 0;
    out[i++] = {Pen::Black, {0, top}, {0, b}};
    out[i++] = {Pen::Black, {0, b}, {r, b}};
    out[i++] = {Pen::Black, {r, b}, {r, top}};
    out[i++] = {Pen::White, {1, top + 1}, {1, b}};
    out[i++] = {Pen::White, {2, top + 1}, {2, b - 1}};
    out[i++] = {Pen::Grey, {2, b - 1}, {r - 1, b - 1}};
    out[i++] = {Pen::Grey, {3, b - 2}, {r - 1, b - 2}};
    out[i++] = {Pen::Grey, {r - 1, top + 1}, {r - 1, b}};
    out[i++] = {Pen::Grey, {r - 2, top + 1}, {r - 2, b}};
}

int Junctions(int width, int n, int current, const JunctionSize sizes[3],
              JunctionBlit out[kMaxJunctions]) {
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
                    first == Junction::Plain ? fs.height : fs.height - 2,
                    fs.width / 2 - 1};

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
    const int e = last == Junction::LeftCurrent ? 1 : 0;
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
