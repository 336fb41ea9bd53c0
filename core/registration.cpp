#include "core/registration.h"

#include "controls/button/button.h"
#include "controls/checkbutton/checkbutton.h"
#include "controls/dialogframe/dialogframe.h"
#include "controls/gauge/gauge.h"
#include "controls/pageswitcher/pageswitcher.h"
#include "controls/schedule/schedule.h"
#include "controls/statusbar/statusbar.h"
#include "controls/textlabel/textlabel.h"
#include "core/library.h"

namespace quorl {

namespace {

constexpr UINT kRedrawOnResize = CS_GLOBALCLASS | CS_HREDRAW | CS_VREDRAW; // 0x4003
constexpr UINT kWithDoubleClicks = kRedrawOnResize | CS_DBLCLKS;           // 0x400B
static_assert(kRedrawOnResize == 0x4003 && kWithDoubleClicks == 0x400B);

HBRUSH LightGreyBrush() {
    return static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
}
HBRUSH WindowColourBrush() {
    return reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
}
HBRUSH ButtonFaceBrush() {
    return reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
}
HBRUSH NoBrush() {
    return nullptr;
}

const ClassEntry kClasses[kLibraryClassCount] = {
    {LibraryClass::PushButton, QUORL_CLASS, kWithDoubleClicks, button::kExtraBytes, LightGreyBrush,
     button::WindowProc},
    {LibraryClass::Gauge, GAUGE_CLASS, kRedrawOnResize, gauge::kExtraBytes, WindowColourBrush,
     gauge::WindowProc},
    {LibraryClass::TextLabel, GTEXT_CLASS, kRedrawOnResize, textlabel::kExtraBytes, NoBrush,
     textlabel::WindowProc},
    {LibraryClass::CheckButton, QUCHECK_CLASS, kWithDoubleClicks, checkbutton::kExtraBytes,
     LightGreyBrush, checkbutton::WindowProc},
    {LibraryClass::PageSwitcher, GSEITE_CLASS, kRedrawOnResize, pageswitcher::kExtraBytes, NoBrush,
     pageswitcher::WindowProc},
    {LibraryClass::Schedule, GSHED_CLASS, kWithDoubleClicks, schedule::kExtraBytes, LightGreyBrush,
     schedule::WindowProc},
    {LibraryClass::DialogFrame, BORDLGPLAGIAT_CLASS, kRedrawOnResize, dialogframe::kExtraBytes,
     NoBrush, dialogframe::WindowProc},
    {LibraryClass::StatusBar, QUSTSB_CLASS, kRedrawOnResize, statusbar::kBarExtraBytes,
     ButtonFaceBrush, statusbar::BarWindowProc},
    {LibraryClass::StatusField, QUSTSF_CLASS, kRedrawOnResize, statusbar::kFieldExtraBytes,
     ButtonFaceBrush, statusbar::FieldWindowProc},
};

} // namespace

const ClassEntry& ClassEntryOf(LibraryClass id) {
    return kClasses[static_cast<int>(id)];
}

ATOM RegisterLibraryClass(LibraryClass id) {
    const ClassEntry& entry = ClassEntryOf(id);
    WNDCLASSA wc{};
    wc.style = entry.style;
    wc.lpfnWndProc = entry.procedure;
    wc.cbClsExtra = 0;
    wc.cbWndExtra = entry.extraBytes;
    wc.hInstance = g_library.instance;
    wc.hIcon = nullptr;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = entry.background();
    wc.lpszMenuName = nullptr;
    wc.lpszClassName = entry.name;
    return RegisterClassA(&wc);
}

} // namespace quorl
