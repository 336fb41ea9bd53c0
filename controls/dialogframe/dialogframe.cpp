#include "controls/dialogframe/dialogframe.h"

#include "controls/dialogframe/frame_layout.h"
#include "core/library.h"
#include "core/paint_dc.h"
#include "core/rect_convert.h"

namespace quorl::dialogframe {

namespace {

HBRUSH LightGrey() {
    return static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
}

bool HasAutoStatus(HWND frame) {
    return (static_cast<DWORD>(GetWindowLongA(frame, GWL_STYLE)) & BDS_AUTOSTATUS) != 0;
}

// Every message the frame does not answer itself goes this way: the
// automatic status bar sees it first, then the dialog manager.
LRESULT DefaultPath(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
    if (HasAutoStatus(frame)) {
        StsbAutoInfo(frame, message, wParam, lParam);
    }
    return DefDlgProcA(frame, message, wParam, lParam);
}

// BDS_AUTOSTATUS is also the dialog manager's DS_CENTERMOUSE: a frame
// dialog with the status bar would open under the mouse pointer, often
// pushed into a corner of the screen. The template's position is gone by
// the time the frame hears of the dialog, so it places it where DS_CENTER
// would, in the middle of the work area of its owner's monitor, before the
// dialog procedure (which may still move it) sees WM_INITDIALOG.
void CentreAutoStatusDialog(HWND frame) {
    const auto style = static_cast<DWORD>(GetWindowLongA(frame, GWL_STYLE));
    if ((style & BDS_AUTOSTATUS) == 0 || (style & WS_CHILD) != 0) {
        return;
    }
    HWND owner = GetWindow(frame, GW_OWNER);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    RECT window;
    if (!GetMonitorInfoA(MonitorFromWindow(owner != nullptr ? owner : GetActiveWindow(),
                                           MONITOR_DEFAULTTOPRIMARY),
                         &monitor) ||
        !GetWindowRect(frame, &window)) {
        return;
    }
    const RECT& work = monitor.rcWork;
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    SetWindowPos(frame, nullptr, (work.left + work.right - width) / 2,
                 (work.top + work.bottom - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT OnInitDialog(HWND frame, WPARAM wParam, LPARAM lParam) {
    CentreAutoStatusDialog(frame);
    return DefaultPath(frame, WM_INITDIALOG, wParam, lParam);
}

// Brush, icon and value are the application's; they are kept whole. A new
// brush repaints the face. The setters then take the default path, so the
// dialog procedure sees them.
LRESULT OnSet(HWND frame, int index, LONG_PTR value, UINT message, WPARAM wParam, LPARAM lParam) {
    SetWindowLongPtrA(frame, index, value);
    if (index == BDWL_BRUSH) {
        InvalidateRect(frame, nullptr, TRUE);
    }
    return DefaultPath(frame, message, wParam, lParam);
}

LRESULT OnGet(HWND frame, int index) {
    return GetWindowLongPtrA(frame, index);
}

HBRUSH BackgroundBrush(HWND frame) {
    auto brush = reinterpret_cast<HBRUSH>(GetWindowLongPtrA(frame, BDWL_BRUSH));
    return brush != nullptr ? brush : LightGrey();
}

LRESULT OnEraseBackground(HWND frame, HDC dc) {
    if (IsIconic(frame)) {
        return 1;
    }
    HBRUSH brush = BackgroundBrush(frame);
    UnrealizeObject(brush); // a pattern brush starts afresh at the corner
    RECT client;
    GetClientRect(frame, &client);
    FillRect(dc, &client, brush);
    return 1;
}

// A minimised dialog with an icon shows it; otherwise the dialog manager
// paints. A caller's context gets the icon or nothing more than its erase:
// the dialog manager would validate the window instead.
LRESULT OnPaint(HWND frame, WPARAM wParam, LPARAM lParam) {
    auto icon = reinterpret_cast<HICON>(GetWindowLongPtrA(frame, BDWL_ICON));
    const bool showsIcon = IsIconic(frame) && icon != nullptr;
    if (!showsIcon && wParam == 0) {
        return DefaultPath(frame, WM_PAINT, wParam, lParam);
    }
    if (PaintDC dc(frame, wParam); dc && showsIcon) {
        DrawIcon(dc.get(), 0, 0, icon);
    }
    return 0;
}

void DrawCorners(HDC dc, const PixelRect& r, int first, int last, int colourIndex) {
    const CornerRun run = CornersOf(r, first, last);
    POINT points[kCornerCount];
    for (int i = 0; i < run.count; ++i) {
        points[i] = {run.points[i].x, run.points[i].y};
    }
    // The context's own pen takes the colour: no pen made and deleted per line.
    HGDIOBJ previous = SelectObject(dc, GetStockObject(DC_PEN));
    const COLORREF previousColour = SetDCPenColor(dc, GetSysColor(colourIndex));
    Polyline(dc, points, run.count);
    SetDCPenColor(dc, previousColour);
    SelectObject(dc, previous);
}

// Draws in window coordinates into dc: the window's own context while it
// paints its frame, or the one a WM_PRINT hands over.
void DrawBorder(HWND frame, HDC dc) {
    RECT window;
    RECT client;
    GetWindowRect(frame, &window);
    GetClientRect(frame, &client);
    const FrameGeometry g = FrameOf(window.right - window.left, window.bottom - window.top,
                                    client.right, client.bottom);
    for (const PixelRect& strip : g.strips) {
        const RECT r = ToRect(strip);
        FillRect(dc, &r, LightGrey());
    }
    DrawCorners(dc, g.darkEdge, kBottomRightFirst, kBottomRightLast, COLOR_WINDOWTEXT);
    DrawCorners(dc, g.lightEdge, kTopLeftFirst, kTopLeftLast, COLOR_BTNHIGHLIGHT);
    DrawCorners(dc, g.shadowEdge, kBottomRightFirst, kTopLeftLast, COLOR_BTNSHADOW);
    DrawCorners(dc, g.captionFrame, kBottomRightFirst, kBottomRightLast, COLOR_BTNHIGHLIGHT);
    DrawCorners(dc, g.captionFrame, kTopLeftFirst, kTopLeftLast, COLOR_BTNSHADOW);
}

// A dialog that fills the screen or is an icon keeps the standard frame.
bool HasBorder(HWND frame) {
    return !IsZoomed(frame) && !IsIconic(frame);
}

// The dialog manager draws the frame first; the 3-D border goes over it.
LRESULT OnNonClient(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = DefDlgProcA(frame, message, wParam, lParam);
    if (!HasBorder(frame)) {
        return result;
    }
    if (HDC dc = GetWindowDC(frame)) {
        DrawBorder(frame, dc);
        ReleaseDC(frame, dc);
    }
    return result;
}

// A print of the whole window shows the border where the screen shows it,
// drawn into the caller's context and never onto the screen.
LRESULT OnPrint(HWND frame, WPARAM wParam, LPARAM flags) {
    const LRESULT result = DefaultPath(frame, WM_PRINT, wParam, flags);
    auto dc = reinterpret_cast<HDC>(wParam);
    const bool skipped = (flags & PRF_CHECKVISIBLE) != 0 && !IsWindowVisible(frame);
    if (dc != nullptr && (flags & PRF_NONCLIENT) != 0 && !skipped && HasBorder(frame)) {
        DrawBorder(frame, dc);
    }
    return result;
}

LRESULT OnControlColour(HDC dc) {
    SetBkColor(dc, kLightGrey);
    return reinterpret_cast<LRESULT>(LightGrey());
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case BDM_SETBRUSH:
    case BDM_SETICON:
        return OnSet(window, message == BDM_SETBRUSH ? BDWL_BRUSH : BDWL_ICON,
                     static_cast<LONG_PTR>(wParam), message, wParam, lParam);
    case BDM_SETUSERDATA:
        return OnSet(window, BDWL_USER, lParam, message, wParam, lParam);
    case BDM_GETBRUSH:
        return OnGet(window, BDWL_BRUSH);
    case BDM_GETICON:
        return OnGet(window, BDWL_ICON);
    case BDM_GETUSERDATA:
        return OnGet(window, BDWL_USER);
    case WM_INITDIALOG:
        return OnInitDialog(window, wParam, lParam);
    case WM_PAINT:
        return OnPaint(window, wParam, lParam);
    case WM_PRINTCLIENT:
        return PrintClient(window, wParam, lParam);
    case WM_PRINT:
        return OnPrint(window, wParam, lParam);
    case WM_ERASEBKGND:
        return OnEraseBackground(window, reinterpret_cast<HDC>(wParam));
    case WM_NCPAINT:
    case WM_NCACTIVATE:
        return OnNonClient(window, message, wParam, lParam);
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
        return OnControlColour(reinterpret_cast<HDC>(wParam));
    default:
        return DefaultPath(window, message, wParam, lParam);
    }
}

} // namespace

const ClassDescriptor kClass = {BORDLGPLAGIAT_CLASSA, kRedrawOnResize, sizeof(WindowLongs), NoBrush,
                                WindowProc};

} // namespace quorl::dialogframe
