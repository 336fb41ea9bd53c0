// Drawing of the check button: the mark and caption, the focus frame and
// the print picture.
#include "controls/checkbutton/checkbutton_data.h"
#include "core/bitmaps.h"
#include "core/helpers.h"
#include "core/library.h"
#include "core/rect_convert.h"

namespace quorl::checkbutton {

namespace {

constexpr COLORREF kCaptionColour = RGB(0, 0, 0);
constexpr int kWholeText = -1;

UINT AlignmentFlags(Alignment alignment) {
    switch (alignment) {
    case Alignment::Right:
        return DT_RIGHT;
    case Alignment::Center:
        return DT_CENTER;
    case Alignment::Left:
        break;
    }
    return DT_LEFT;
}

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    if (bitmap == nullptr || GetObjectA(bitmap, sizeof info, &info) == 0) {
        return {0, 0};
    }
    return {info.bmWidth, info.bmHeight};
}

// What painting and the focus frame both need to know of the control.
struct Snapshot {
    LONG style;
    LONG state;
    RECT client;
    HBITMAP mark;
    SIZE markSize;
    char text[kCaptionBufferSize];
};

void TakeSnapshot(HWND window, const CheckButtonData& data, Snapshot& shot) {
    ReadCaption(window, shot.text, kCaptionBufferSize);
    shot.style = StyleOf(window);
    shot.state = StateOf(window);
    GetClientRect(window, &shot.client);
    shot.mark = data.marks[MarkIndexOf(static_cast<unsigned long>(shot.state))];
    shot.markSize = BitmapSize(shot.mark);
}

RECT CaptionRectOf(const Snapshot& shot) {
    return ToRect(CaptionRect(static_cast<unsigned long>(shot.style), shot.client.right,
                              shot.client.bottom, shot.markSize.cx, g_library.scale));
}

UINT CaptionFormat(const Snapshot& shot) {
    return DT_WORDBREAK | AlignmentFlags(CaptionAlignment(static_cast<unsigned long>(shot.style)));
}

void DrawMark(HDC dc, const Snapshot& shot) {
    const PixelPoint at = MarkPosition(static_cast<unsigned long>(shot.style), shot.client.right,
                                       shot.markSize.cx, g_library.scale);
    if ((shot.state & QSTATE_DISABLED) == 0) {
        DrawBitmap(dc, at.x, at.y, shot.mark);
        return;
    }
    DrawHalftone(dc, at.x, at.y, shot.mark);
}

// Selects the caption font when there is one; restores on destruction.
class FontSelection {
public:
    FontSelection(HDC dc, HFONT font)
        : dc_(dc), previous_(font != nullptr ? SelectObject(dc, font) : nullptr) {}
    ~FontSelection() {
        if (previous_ != nullptr) {
            SelectObject(dc_, previous_);
        }
    }
    FontSelection(const FontSelection&) = delete;
    FontSelection& operator=(const FontSelection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

} // namespace

void Paint(HWND window, const CheckButtonData* data, HDC dc) {
    if (data == nullptr) {
        return;
    }
    Snapshot shot;
    TakeSnapshot(window, *data, shot);
    if (shot.mark != nullptr) {
        DrawMark(dc, shot);
    }
    const bool disabled = (shot.state & QSTATE_DISABLED) != 0;
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, kLightGrey);
    SetTextColor(dc, disabled ? GetSysColor(COLOR_BTNSHADOW) : kCaptionColour);
    FontSelection font(dc, data->font);
    RECT caption = CaptionRectOf(shot);
    DrawTextA(dc, shot.text, kWholeText, &caption, CaptionFormat(shot));
}

void RepaintNow(HWND window, CheckButtonData* data) {
    if (!IsWindowVisible(window)) {
        return;
    }
    // Without a context the window is painted when it next asks.
    HDC dc = GetDC(window);
    if (dc == nullptr) {
        InvalidateRect(window, nullptr, TRUE);
        return;
    }
    Paint(window, data, dc);
    ReleaseDC(window, dc);
}

void UpdateFocusFrame(HWND window, CheckButtonData* data, HDC dc) {
    if (data == nullptr) {
        return;
    }
    Snapshot shot;
    TakeSnapshot(window, *data, shot);
    HDC target = dc != nullptr ? dc : GetDC(window);
    if (target == nullptr) {
        InvalidateRect(window, nullptr, TRUE); // the next paint shows the frame as it is
        return;
    }

    const RECT caption = CaptionRectOf(shot);
    RECT text = caption;
    {
        FontSelection font(target, data->font);
        DrawTextA(target, shot.text, kWholeText, &text, DT_CALCRECT | CaptionFormat(shot));
    }
    const PixelRect measured = {caption.left, caption.top, caption.left + (text.right - text.left),
                                caption.top + (text.bottom - text.top)};
    const PixelRect frame = FocusFrame(static_cast<unsigned long>(shot.style), shot.client.right,
                                       shot.markSize.cx, measured, g_library.scale);
    if ((shot.state & QSTATE_FOCUSED) != 0) {
        DrawDottedRect(target, frame.left, frame.top, frame.right, frame.bottom);
    } else {
        const RECT area = ToRect(FocusFrameArea(frame));
        InvalidateRect(window, &area, TRUE);
    }
    if (dc == nullptr) {
        ReleaseDC(window, target);
    }
}

void PrintRender(HWND window, const CheckButtonData* data, HDC dc, const RECT& area) {
    if (data == nullptr) {
        return;
    }
    char text[kCaptionBufferSize];
    ReadCaption(window, text, kCaptionBufferSize);
    const auto style = static_cast<unsigned long>(StyleOf(window));
    const PrintLayout layout = PrintLayoutOf(style, {area.left, area.top, area.right, area.bottom});
    const PixelRect& box = layout.box;

    POINT position{};
    GetCurrentPositionEx(dc, &position);
    Rectangle(dc, box.left, box.top, box.right, box.bottom);
    if ((static_cast<unsigned long>(StateOf(window)) & QCSTATE_CHECKED) != 0) {
        MoveToEx(dc, box.left, box.top, nullptr);
        LineTo(dc, box.right, box.bottom);
        MoveToEx(dc, box.left, box.bottom, nullptr);
        LineTo(dc, box.right, box.top);
    }
    MoveToEx(dc, position.x, position.y, nullptr);

    RECT caption = ToRect(layout.caption);
    DrawTextA(dc, text, kWholeText, &caption,
              DT_WORDBREAK | AlignmentFlags(CaptionAlignment(style)));
}

} // namespace quorl::checkbutton
