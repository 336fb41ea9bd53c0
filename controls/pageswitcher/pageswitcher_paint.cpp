// The switcher's tabs (check buttons in tab mode, children of the dialog)
// and its painting: tab outlines, junction pictures, the page frame and
// the current page's labels.
#include "controls/pageswitcher/label_list.h"
#include "controls/pageswitcher/pageswitcher_data.h"
#include "controls/textlabel/text_painter.h"
#include "core/bitmaps.h"
#include "core/library.h"
#include "core/rect_convert.h"

namespace quorl::pageswitcher {

namespace {

// An automatic radio button, caption centred, in the library's font, in
// tab mode. The first tab opens the radio group; alone it is hidden and
// disabled.
constexpr DWORD kTabKind = QCS_AUTORADIOBUTTON | QCS_CENTERTEXT | QCS_SHAREDFONT | QCS_TABMODE;
constexpr DWORD kFirstTabStyle = WS_CHILD | WS_DISABLED | WS_GROUP | WS_TABSTOP | kTabKind;
constexpr DWORD kLaterTabStyle = WS_CHILD | WS_VISIBLE | kTabKind;
static_assert(kFirstTabStyle == 0x48038149 && kLaterTabStyle == 0x50008149);
constexpr DWORD kTabExStyle = WS_EX_NOPARENTNOTIFY;
constexpr int kTabId = 0xFFFF;
constexpr int kTabCreationSize = 10;
constexpr UINT kTabOrderFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOREDRAW | SWP_NOACTIVATE;
constexpr UINT kTabPlaceFlags = SWP_NOZORDER | SWP_NOACTIVATE;

constexpr int kJunctionCount = 3;
constexpr COLORREF kLabelText = RGB(0, 0, 0);

// The junction pictures, loaded once as DIB sections for every switcher:
// loading and selecting device-dependent copies cost most of a repaint.
HBITMAP g_junctions[kJunctionCount] = {};

bool LoadJunctions() {
    bool complete = true;
    for (int i = 0; i < kJunctionCount; ++i) {
        if (g_junctions[i] == nullptr) {
            g_junctions[i] = ScaleLibraryPicture(KeepAsDibSection(
                LoadBitmapA(g_library.instance, MAKEINTRESOURCEA(kJunctionBitmapId[i]))));
        }
        complete = complete && g_junctions[i] != nullptr;
    }
    return complete;
}

// A thick line (on a finer screen) as the band it covers, in the brush of
// its pen's colour.
void DrawThickLine(HDC dc, const Line& line) {
    int brush = GRAY_BRUSH; // the dark grey of the library's pen
    if (line.pen == Pen::Black) {
        brush = BLACK_BRUSH;
    } else if (line.pen == Pen::White) {
        brush = WHITE_BRUSH;
    }
    HGDIOBJ previous = SelectObject(dc, GetStockObject(brush));
    const bool horizontal = line.from.y == line.to.y;
    PatBlt(dc, line.from.x, line.from.y, horizontal ? line.to.x - line.from.x : line.thickness,
           horizontal ? line.thickness : line.to.y - line.from.y, PATCOPY);
    SelectObject(dc, previous);
}

void DrawLines(HDC dc, const Line* lines, int count, HPEN grey) {
    for (int i = 0; i < count; ++i) {
        const Line& line = lines[i];
        if (line.thickness > 1) {
            DrawThickLine(dc, line);
            continue;
        }
        HGDIOBJ pen = grey;
        if (line.pen == Pen::Black) {
            pen = GetStockObject(BLACK_PEN);
        } else if (line.pen == Pen::White) {
            pen = GetStockObject(WHITE_PEN);
        }
        SelectObject(dc, pen);
        MoveToEx(dc, line.from.x, line.from.y, nullptr);
        LineTo(dc, line.to.x, line.to.y);
    }
}

void DrawJunctions(HDC dc, HDC memory, const ControlBlock& block, int width,
                   const HBITMAP (&bitmaps)[kJunctionCount]) {
    JunctionSize sizes[kJunctionCount];
    for (int i = 0; i < kJunctionCount; ++i) {
        BITMAP info{};
        GetObjectA(bitmaps[i], sizeof info, &info);
        sizes[i] = {static_cast<int>(info.bmWidth), static_cast<int>(info.bmHeight)};
    }
    JunctionBlit blits[kMaxJunctions];
    const int count =
        Junctions(width, block.pageCount, block.currentPage, sizes, blits, g_library.scale);
    HGDIOBJ previous = SelectObject(memory, bitmaps[0]);
    for (int i = 0; i < count; ++i) {
        const JunctionBlit& b = blits[i];
        SelectObject(memory, bitmaps[static_cast<int>(b.junction)]);
        BitBlt(dc, b.to.x, b.to.y, b.width, b.height, memory, b.sourceX, 0, SRCCOPY);
    }
    SelectObject(memory, previous);
}

// Tab outlines and junctions need all three pictures; the frame is drawn
// in any case.
void PaintTabRow(HDC dc, const ControlBlock& block) {
    const int width = block.frame.right - block.frame.left;
    const int height = block.frame.bottom - block.frame.top;
    const bool complete = LoadJunctions();
    HPEN grey = g_library.darkGreyPen;
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ previousPen = SelectObject(dc, GetStockObject(BLACK_PEN));
    if (complete && memory != nullptr) {
        Line outlines[kMaxOutlineLines];
        DrawLines(dc, outlines,
                  TabOutlines(width, block.pageCount, block.currentPage, outlines, g_library.scale),
                  grey);
        DrawJunctions(dc, memory, block, width, g_junctions);
    }
    Line frame[kFrameLines];
    FrameLines(width, height, frame, g_library.scale);
    DrawLines(dc, frame, kFrameLines, grey);
    SelectObject(dc, previousPen);
    if (memory != nullptr) {
        DeleteDC(memory);
    }
}

void PaintLabels(HDC dc, const ControlBlock& block) {
    if (block.currentPage < 0) {
        return;
    }
    Page page(block.pages[block.currentPage]);
    if (!page || page->labels == nullptr) {
        return;
    }
    auto* bytes = static_cast<std::uint8_t*>(LocalLock(page->labels));
    if (bytes == nullptr) {
        return;
    }
    HGDIOBJ previousFont = GetCurrentObject(dc, OBJ_FONT);
    HFONT selected = nullptr;
    SetTextColor(dc, kLabelText);
    SetBkColor(dc, kLightGrey);
    LabelWalk walk(bytes, LocalSize(page->labels));
    Label label;
    while (walk.Next(label)) {
        HFONT font = (label.style & GTS_SHAREDFONT) != 0 ? g_library.controlFont : block.font;
        if (font != nullptr && font != selected) {
            SelectObject(dc, font);
            selected = font;
        }
        PaintStaticText(dc, label.style, label.text, ToRect(label.rect));
    }
    SelectObject(dc, previousFont);
    LocalUnlock(page->labels);
}

} // namespace

void ReleaseJunctions() {
    for (HBITMAP& junction : g_junctions) {
        if (junction != nullptr) {
            DeleteObject(junction);
            junction = nullptr;
        }
    }
}

HWND CreateTab(HINSTANCE module, const ControlBlock& block, HWND switcher, const char* name,
               const char* caption, int slot) {
    CheckTabParams params = {switcher, name};
    HWND tab = CreateWindowExA(
        kTabExStyle, QUCHECK_CLASSA, caption, slot == 0 ? kFirstTabStyle : kLaterTabStyle, 0, 0,
        kTabCreationSize, kTabCreationSize, GetParent(switcher),
        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kTabId)), module, &params);
    if (tab == nullptr) {
        return nullptr;
    }
    // The tabs follow the switcher in the dialog's order, in page order.
    HWND after = slot == 0 ? switcher : block.tabs[slot - 1];
    SetWindowPos(tab, after, 0, 0, 0, 0, kTabOrderFlags);
    if (slot == 1) {
        ShowWindow(block.tabs[0], SW_SHOW);
        EnableWindow(block.tabs[0], TRUE);
    }
    return tab;
}

void LayoutTabs(HWND switcher, ControlBlock& block) {
    const PixelRect frame = ToPixelRect(block.frame);
    for (int k = 0; k < block.pageCount; ++k) {
        const PixelRect r = TabRect(frame, k, block.pageCount, g_library.scale);
        SetWindowPos(block.tabs[k], nullptr, r.left, r.top, r.width(), r.height(), kTabPlaceFlags);
    }
    for (int i = 0; i < block.pageCount; ++i) {
        GrowPageContents(switcher, block.frame, block.pages[i]);
    }
}

void Paint(HDC dc, const ControlBlock* block) {
    if (block == nullptr) {
        return;
    }
    if (block->pageCount >= 2) {
        PaintTabRow(dc, *block);
    }
    PaintLabels(dc, *block);
}

} // namespace quorl::pageswitcher
