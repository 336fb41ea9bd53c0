// Schedule control GSHED: the window procedure, the month and year boxes,
// keys, mouse, private messages and notifications. The grid arithmetic is
// in schedule_grid.cpp, the painting in schedule_paint.cpp.
#include "controls/schedule/schedule.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "controls/schedule/schedule_block.h"
#include "core/accessible.h"
#include "core/helpers.h"
#include "core/library.h"
#include "core/local_block.h"
#include "core/paint_dc.h"
#include "core/text.h"
#include "dates/dates.h"
#include "dates/holidays.h"

namespace quorl::schedule {

namespace {

using Block = LocalBlock<ScheduleBlock>;

constexpr int kBoxId = 0xFFFF; // both boxes: the control tells them apart by handle
constexpr DWORD kBoxStyle =
    WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST;
static_assert(kBoxStyle == 0x50A10003);
constexpr char kBoxClass[] = "COMBOBOX";
constexpr int kBoxTop = 2;
constexpr int kMonthBoxWidth = 8;   // character heights
constexpr int kMonthBoxHeight = 16; // with the drop-down list
constexpr int kYearBoxWidth = 6;
constexpr int kYearBoxHeight = 8;
constexpr int kYearBoxMargins = 3; // the year box starts 3 margins and the month box in
constexpr int kBoxesNeed = 21;     // character heights of client width for both boxes
constexpr int kMarginExtra = 2;    // margin = character width + 2
constexpr char kMeasureText[] = "x";
constexpr int kYearTextSize = 8;
constexpr int kNoSelection = -1;
constexpr int kDateTextSize = 32;
constexpr char kDateFormat[] = "%2d.%2d.%4d";
constexpr int kSetTextLength = 18; // WM_SETTEXT reads this many characters
constexpr LPARAM kKeepHolidays = -1;
constexpr LRESULT kWantedKeys = DLGC_WANTARROWS | DLGC_WANTCHARS;
static_assert(kWantedKeys == 0x81);
constexpr UINT kBeep = 0;
constexpr LONG kFocused = 1;
constexpr COLORREF kListBackground = RGB(0xC0, 0xC0, 0xC0);

enum Key : WPARAM {
    kSpace = VK_SPACE,
    kPageUp = VK_PRIOR,
    kPageDown = VK_NEXT,
    kEnd = VK_END,
    kHome = VK_HOME,
    kLeft = VK_LEFT,
    kUp = VK_UP,
    kRight = VK_RIGHT,
    kDown = VK_DOWN,
    kYearKey = 'J',
    kMonthKey = 'M',
    kTodayKey = 'T',
};

// --- Notifications and the common finishing steps ------------------------

void Notify(HWND window, HWND parent, LONG id, WORD code) {
    SendMessageA(parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), code),
                 reinterpret_cast<LPARAM>(window));
}

void Notify(HWND window, const ScheduleBlock& block, WORD code) {
    Notify(window, block.parent, block.id, code);
}

// Marks the block while its parent handles the day change, so that the
// parent may read the date then without being told of a day change again.
void NotifyDayChanged(HWND window, ScheduleBlock& block) {
    const LONG outer = block.tellingDayChange;
    block.tellingDayChange = 1;
    Notify(window, block, GSHN_DAYCHANGED);
    block.tellingDayChange = outer;
}

void Invalidate(HWND window, BOOL erase = FALSE) {
    InvalidateRect(window, nullptr, erase);
}

// A box whose selection stays is left alone, so that it does not repaint.
void Select(HWND box, int index) {
    if (SendMessageA(box, CB_GETCURSEL, 0, 0) != index) {
        SendMessageA(box, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
}

// A year the box does not list (the arrow keys go past the ends) leaves the
// year box without a selection.
void SelectBoxes(const ScheduleBlock& block) {
    const int year = block.grid.date.year;
    Select(block.yearBox,
           year >= kFirstYear && year <= kLastYear ? year - kFirstYear : kNoSelection);
    Select(block.monthBox, block.grid.date.month - 1);
}

void RebuildWithHolidays(ScheduleBlock& block) {
    RebuildCells(block.grid, HolidayTable, kHolidayEntries, RebuildMode::kHolidays);
}

// A new month or year: holidays only (the marks go), boxes, parent.
void MonthChange(HWND window, ScheduleBlock& block) {
    RebuildWithHolidays(block);
    SelectBoxes(block);
    Notify(window, block, GSHN_MONTHCHANGED);
}

void TellNewDate(HWND window) {
    NotifyAccessible(EVENT_OBJECT_VALUECHANGE, window);
    NotifyAccessible(EVENT_OBJECT_NAMECHANGE, window);
}

// After the date moved: a month change, or a day change when only the day
// differs; screen readers hear of a new value (the date) and name (the
// focused day). Nothing when the date stayed as it was.
void DateMoved(HWND window, ScheduleBlock& block, const DateRec& before) {
    if (before.month != block.grid.date.month || before.year != block.grid.date.year) {
        MonthChange(window, block);
    } else if (before.day != block.grid.date.day) {
        NotifyDayChanged(window, block);
    } else {
        return;
    }
    TellNewDate(window);
}

// A month change by key, box or double-click, which also runs when the
// date stayed (Page Up in the last December); readers hear only of a new date.
void MonthChangeFrom(HWND window, ScheduleBlock& block, const DateRec& before) {
    MonthChange(window, block);
    if (!SameDate(before, block.grid.date)) {
        TellNewDate(window);
    }
}

bool IsValidDate(const DateRec& date) {
    return date.year >= kFirstYear && date.year <= kLastYear && date.month >= 1 &&
           date.month <= kMonthsPerYear && date.day >= 1 &&
           date.day <= MonthLength(date.month, date.year);
}

SIZE MeasureX(HWND window, HFONT font) {
    SIZE size{};
    if (HDC dc = GetDC(window)) {
        HGDIOBJ previous = font != nullptr ? SelectObject(dc, font) : nullptr;
        GetTextExtentPointA(dc, kMeasureText, sizeof kMeasureText - 1, &size);
        if (previous != nullptr) {
            SelectObject(dc, previous);
        }
        ReleaseDC(window, dc);
    }
    return size;
}

void TakeFont(HWND window, ScheduleBlock& block, HFONT font) {
    const SIZE x = MeasureX(window, font);
    block.font = font;
    block.grid.charWidth = x.cx;
    block.grid.charHeight = x.cy;
    block.grid.margin = x.cx + kMarginExtra;
}

void MeasureBoxHeight(ScheduleBlock& block) {
    RECT r{};
    GetClientRect(block.monthBox, &r);
    block.grid.boxHeight = r.bottom - r.top;
}

void ShowBoxes(const ScheduleBlock& block, bool show) {
    const int command = show ? SW_SHOW : SW_HIDE;
    ShowWindow(block.monthBox, command);
    ShowWindow(block.yearBox, command);
}

// --- Creation and destruction ---------------------------------------------

HWND CreateBox(HWND window, HINSTANCE instance, int x, int width, int height) {
    return CreateWindowExA(0, kBoxClass, "", kBoxStyle, x, kBoxTop, width, height, window,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(kBoxId)), instance,
                           nullptr);
}

void FillBoxes(const ScheduleBlock& block) {
    for (const char* name : kMonthNames) {
        SendMessageA(block.monthBox, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    }
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        char text[kYearTextSize];
        wsprintfA(text, "%d", year);
        SendMessageA(block.yearBox, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
}

void CreateBoxes(HWND window, HINSTANCE instance, ScheduleBlock& block) {
    const int cy = block.grid.charHeight;
    const int margin = block.grid.margin;
    block.monthBox = CreateBox(window, instance, margin, kMonthBoxWidth * cy, kMonthBoxHeight * cy);
    block.yearBox = CreateBox(window, instance, kYearBoxMargins * margin + kMonthBoxWidth * cy,
                              kYearBoxWidth * cy, kYearBoxHeight * cy);
    FillBoxes(block);
    SendMessageA(block.monthBox, WM_SETFONT, reinterpret_cast<WPARAM>(block.font), FALSE);
    SendMessageA(block.yearBox, WM_SETFONT, reinterpret_cast<WPARAM>(block.font), FALSE);
    MeasureBoxHeight(block);
}

// What a creation made: the two boxes and the block. Released at
// destruction, and by a repeated WM_CREATE before it makes them again.
void Release(HWND window, Block& block) {
    if (block) {
        HWND boxes[] = {block->monthBox, block->yearBox};
        block->monthBox = block->yearBox = nullptr;
        for (HWND box : boxes) {
            if (box != nullptr) {
                DestroyWindow(box);
            }
        }
    }
    block.Unlock();
    Block::Destroy(window, GSHWL_BLOCK);
}

void OnCreate(HWND window, Block& earlier, const CREATESTRUCTA* given) {
    if (given == nullptr) {
        return; // a hand-sent message without its record changes nothing
    }
    const CREATESTRUCTA& create = *given;
    Release(window, earlier);
    if (Block::Create(window, GSHWL_BLOCK) == nullptr) {
        return; // the control lives on without state
    }
    Block locked(window, GSHWL_BLOCK);
    if (!locked) {
        return;
    }
    ScheduleBlock& block = *locked.get();
    FieldNameOf(IS_INTRESOURCE(create.lpszName) ? nullptr : create.lpszName, block.fieldName);
    TakeFont(window, block, g_library.controlFont);
    block.parent = create.hwndParent;
    block.id = GetDlgCtrlID(window);
    block.boxesShown = 1;
    Today(&block.grid.date);
    CreateBoxes(window, create.hInstance, block);
    SelectBoxes(block);
    RebuildWithHolidays(block);
    PostMessageA(window, GSHM_REFRESH, 0, kKeepHolidays);
}

void OnNcDestroy(HWND window, Block& block) {
    block.Unlock();
    Block::Destroy(window, GSHWL_BLOCK);
}

// --- Size, visibility, focus and font --------------------------------------

void OnSize(HWND window, ScheduleBlock* b, int width) {
    if (b == nullptr) {
        return;
    }
    ScheduleBlock& block = *b;
    block.boxesShown = kBoxesNeed * block.grid.charHeight < width ? 1 : 0;
    if (IsWindowVisible(window)) {
        ShowBoxes(block, block.boxesShown != 0);
    }
    MeasureBoxHeight(block);
}

void OnShowWindow(const ScheduleBlock* block, bool shown) {
    if (block != nullptr) {
        ShowBoxes(*block, shown && block->boxesShown != 0);
    }
}

void OnFocus(HWND window, const ScheduleBlock* block, bool gained) {
    SetWindowLongA(window, GSHWL_FOCUS, gained ? kFocused : 0);
    Invalidate(window);
    const LONG id = block != nullptr ? block->id : GetDlgCtrlID(window);
    Notify(window, GetParent(window), id, gained ? GSHN_SETFOCUS : GSHN_KILLFOCUS);
}

void OnSetFont(HWND window, ScheduleBlock* b, WPARAM font, LPARAM redraw) {
    if (b == nullptr || (GetWindowLongA(window, GWL_STYLE) & GSHS_SHAREDFONT) != 0) {
        return;
    }
    ScheduleBlock& block = *b;
    TakeFont(window, block, reinterpret_cast<HFONT>(font));
    SendMessageA(block.monthBox, WM_SETFONT, font, redraw);
    SendMessageA(block.yearBox, WM_SETFONT, font, redraw);
    MeasureBoxHeight(block);
    Invalidate(window, redraw != 0);
}

// --- Date texts --------------------------------------------------------------

LRESULT OnGetText(const ScheduleBlock* block, WPARAM size, LPARAM buffer) {
    if (size == 0 || buffer == 0 || block == nullptr) {
        return 0;
    }
    const DateRec& date = block->grid.date;
    char text[kDateTextSize];
    const int length = wsprintfA(text, kDateFormat, int{date.day}, int{date.month}, int{date.year});
    const std::size_t count = std::min(static_cast<std::size_t>(length), size - 1);
    char* out = reinterpret_cast<char*>(buffer);
    std::memcpy(out, text, count);
    out[count] = '\0';
    return static_cast<LRESULT>(count);
}

// A text without a year takes the year of the current date.
// The text is read from the window's own copy, so that a pointer that is
// no readable string is refused by the default handling.
LRESULT OnSetText(HWND window, const ScheduleBlock* block, LPARAM text) {
    char copy[kSetTextLength + 1];
    const LRESULT taken = TakeText(window, text, copy, sizeof copy);
    if (block == nullptr || text == 0 || taken == FALSE) {
        return taken;
    }
    DateEntry entry{};
    entry.start.year = block->grid.date.year;
    ParseDateItem(copy, &entry);
    SendMessageA(window, GSHM_SETDATE, 0, reinterpret_cast<LPARAM>(&entry.start));
    return taken;
}

LRESULT OnGetFieldName(const ScheduleBlock& block, WPARAM size, LPARAM buffer) {
    CopyFieldName(block.fieldName, static_cast<INT_PTR>(size), reinterpret_cast<char*>(buffer));
    return 1;
}

// --- Private messages ----------------------------------------------------------

// Read while the parent handles a day change, the date comes without a
// further day change, which would only bring the parent back here.
LRESULT OnGetDate(HWND window, ScheduleBlock* block, DateRec* date) {
    if (block == nullptr || date == nullptr || !IsValidDate(*date)) {
        return 0;
    }
    *date = block->grid.date;
    if (block->tellingDayChange == 0) {
        NotifyDayChanged(window, *block);
    }
    return 1;
}

LRESULT OnSetDate(HWND window, ScheduleBlock* b, const DateRec* date) {
    if (b == nullptr || date == nullptr || !IsValidDate(*date)) {
        return 0;
    }
    ScheduleBlock& block = *b;
    const DateRec before = block.grid.date;
    block.grid.date = *date;
    DateMoved(window, block, before);
    Invalidate(window);              // also when nothing changed
    NotifyDayChanged(window, block); // also when nothing changed
    return 1;
}

// The marks appear with the next painting.
LRESULT OnSetMarks(ScheduleBlock* block, const char* text) {
    if (block == nullptr || text == nullptr) {
        return 0;
    }
    auto* marks = static_cast<DateEntry*>(std::calloc(kMaxMarks, sizeof(DateEntry)));
    if (marks == nullptr) {
        return 0;
    }
    const int count = ReadMarkText(text, marks);
    RebuildCells(block->grid, marks, count, RebuildMode::kMarks);
    std::free(marks);
    return 0;
}

LRESULT OnRefresh(HWND window, ScheduleBlock* block, WPARAM erase, LPARAM holidays) {
    if (block == nullptr) {
        return 0;
    }
    if (holidays != kKeepHolidays) {
        ReadHolidayList();
    }
    MonthChange(window, *block);
    Invalidate(window, erase != 0);
    return 0;
}

// --- Keyboard ------------------------------------------------------------------

void StepMonth(DateRec& date, int step) {
    const int month = date.month + step;
    if (month > kMonthsPerYear) {
        if (date.year < kLastYear) {
            date.month = 1;
            ++date.year;
        } else {
            MessageBeep(kBeep);
        }
    } else if (month < 1) {
        if (date.year > kFirstYear) {
            date.month = kMonthsPerYear;
            --date.year;
        } else {
            MessageBeep(kBeep);
        }
    } else {
        date.month = static_cast<signed char>(month);
    }
}

bool StepYear(DateRec& date, int step) {
    const int year = date.year + step;
    if (year < kFirstYear || year > kLastYear) {
        MessageBeep(kBeep);
        return false;
    }
    date.year = static_cast<short>(year);
    return true;
}

// Steps of at most a week: the month changes exactly when AddNDays says so.
void StepDays(HWND window, ScheduleBlock& block, int days) {
    const DateRec before = block.grid.date;
    quorl::AddNDays(&block.grid.date, days);
    DateMoved(window, block, before);
}

void FocusBox(const ScheduleBlock& block, HWND box) {
    PostMessageA(block.parent, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(box), TRUE);
}

// Returns false when the key is not passed on: the space bar and the keys
// the control does not use.
bool OnKeyDown(HWND window, ScheduleBlock* b, WPARAM key) {
    if (b == nullptr) {
        return true;
    }
    ScheduleBlock& block = *b;
    DateRec& date = block.grid.date;
    const DateRec before = date;
    switch (key) {
    case kSpace:
        Notify(window, block, GSHN_DATECHOSEN);
        return false;
    case kPageUp:
    case kPageDown:
        StepMonth(date, key == kPageUp ? 1 : -1);
        MonthChangeFrom(window, block, before); // also after a beep
        break;
    case kEnd:
    case kHome:
        if (StepYear(date, key == kHome ? 1 : -1)) {
            MonthChangeFrom(window, block, before);
        }
        break;
    case kLeft:
        StepDays(window, block, -1);
        break;
    case kUp:
        StepDays(window, block, -kDaysPerWeek);
        break;
    case kRight:
        StepDays(window, block, 1);
        break;
    case kDown:
        StepDays(window, block, kDaysPerWeek);
        break;
    case kYearKey:
        FocusBox(block, block.yearBox);
        break;
    case kMonthKey:
        FocusBox(block, block.monthBox);
        break;
    case kTodayKey:
        Today(&date);
        MonthChangeFrom(window, block, before);
        break;
    default:
        return false;
    }
    Invalidate(window); // after every key it uses, also where nothing changed
    return true;
}

// --- Boxes and mouse -------------------------------------------------------------

// A box without a selection (the arrow keys can leave the years of the
// year box) keeps its part of the date.
void OnBoxSelection(HWND window, ScheduleBlock& block) {
    const DateRec before = block.grid.date;
    const LRESULT year = SendMessageA(block.yearBox, CB_GETCURSEL, 0, 0);
    const LRESULT month = SendMessageA(block.monthBox, CB_GETCURSEL, 0, 0);
    if (year != CB_ERR) {
        block.grid.date.year = static_cast<short>(kFirstYear + year);
    }
    if (month != CB_ERR) {
        block.grid.date.month = static_cast<signed char>(1 + month);
    }
    MonthChangeFrom(window, block, before); // the boxes already show the choice
    Invalidate(window);
}

void OnCommand(HWND window, ScheduleBlock* block, WPARAM wParam) {
    if (block != nullptr && LOWORD(wParam) == kBoxId && HIWORD(wParam) == CBN_SELCHANGE) {
        OnBoxSelection(window, *block);
    }
}

LRESULT OnListColour(HDC dc) {
    SetBkColor(dc, kListBackground);
    return reinterpret_cast<LRESULT>(GetStockObject(LTGRAY_BRUSH));
}

// Moves the date to the cell under a press; kIgnored (and nothing changed)
// without a record or outside the cells.
PointResult PressAt(ScheduleBlock* block, LPARAM point, DateRec* before) {
    if (block == nullptr) {
        return PointResult::kIgnored;
    }
    *before = block->grid.date;
    return CellAtPoint(block->grid, static_cast<std::uint32_t>(point), &block->grid.date);
}

void OnButtonDown(HWND window, ScheduleBlock* b, LPARAM point) {
    DateRec before{};
    if (PressAt(b, point, &before) == PointResult::kIgnored) {
        return;
    }
    DateMoved(window, *b, before);
    Invalidate(window); // also on the current day
    SetFocus(window);
}

// A double-click that lands in another month acts as a single press there.
void OnDoubleClick(HWND window, ScheduleBlock* b, LPARAM point) {
    DateRec before{};
    const PointResult result = PressAt(b, point, &before);
    if (result == PointResult::kIgnored) {
        return;
    }
    ScheduleBlock& block = *b;
    if (result == PointResult::kOtherMonth) {
        MonthChangeFrom(window, block, before);
    } else {
        Notify(window, block, GSHN_DATECHOSEN);
    }
    Invalidate(window);
    SetFocus(window);
}

LRESULT OnPaint(HWND window, ScheduleBlock* block, WPARAM given) {
    if (PaintDC dc(window, given); dc) {
        PaintSchedule(window, dc.get(), block);
    }
    return 0;
}

LRESULT OnRegisteredOrDefault(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                              const ScheduleBlock* block) {
    if (IsRegisteredMessage(g_library.msgGetFieldName, message) && block != nullptr) {
        return OnGetFieldName(*block, wParam, lParam);
    }
    return DefControlProc(kClass, window, message, wParam, lParam);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Block block(window, GSHWL_BLOCK); // none yet at the first WM_CREATE
    ScheduleBlock* b = block.get();
    switch (message) {
    case WM_CREATE:
        OnCreate(window, block, reinterpret_cast<const CREATESTRUCTA*>(lParam));
        break;
    case WM_NCDESTROY:
        OnNcDestroy(window, block);
        break;
    case WM_SIZE:
        OnSize(window, b, LOWORD(lParam));
        break;
    case WM_SHOWWINDOW:
        OnShowWindow(b, wParam != 0);
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        OnFocus(window, b, message == WM_SETFOCUS);
        break;
    case WM_SETTEXT:
        return OnSetText(window, b, lParam);
    case WM_GETTEXT:
        return OnGetText(b, wParam, lParam);
    case WM_PAINT:
        return OnPaint(window, b, wParam);
    case WM_PRINTCLIENT:
        return PrintClient(window, wParam, lParam);
    case WM_SETFONT:
        OnSetFont(window, b, wParam, lParam);
        break;
    case WM_GETDLGCODE:
        return kWantedKeys;
    case WM_KEYDOWN:
        if (!OnKeyDown(window, b, wParam)) {
            return 0;
        }
        break;
    case WM_COMMAND:
        OnCommand(window, b, wParam);
        break;
    case WM_CTLCOLORLISTBOX:
        if (wParam != 0) {
            return OnListColour(reinterpret_cast<HDC>(wParam));
        }
        break;
    case WM_LBUTTONDOWN:
        OnButtonDown(window, b, lParam);
        break;
    case WM_LBUTTONDBLCLK:
        OnDoubleClick(window, b, lParam);
        break;
    case GSHM_GETDATE:
        return OnGetDate(window, b, reinterpret_cast<DateRec*>(lParam));
    case GSHM_SETDATE:
        return OnSetDate(window, b, reinterpret_cast<const DateRec*>(lParam));
    case GSHM_SETMARKS:
        return OnSetMarks(b, reinterpret_cast<const char*>(lParam));
    case GSHM_REFRESH:
        return OnRefresh(window, b, wParam, lParam);
    default:
        return OnRegisteredOrDefault(window, message, wParam, lParam, b);
    }
    return DefControlProc(kClass, window, message, wParam, lParam);
}

// --- What screen readers hear ------------------------------------------------

constexpr const char* kWeekdayNames[kDaysPerWeek] = {
    "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag", "Sonntag"};
constexpr char kSpokenDateFormat[] = "%02d.%02d.%d";
constexpr char kSpokenDayFormat[] = "%s, %d. %s %d";
constexpr int kSpokenTextSize = 64;

// No calendar role is offered: the month grid is a table.
LONG AccessibleRole(HWND) {
    return ROLE_SYSTEM_TABLE;
}

LONG AccessibleState(HWND) {
    return STATE_SYSTEM_FOCUSABLE;
}

// The focused day: "Sonntag, 24. Dezember 1995".
SpokenText AccessibleName(HWND window) {
    Block block(window, GSHWL_BLOCK);
    if (!block || !IsValidDate(block->grid.date)) {
        return {};
    }
    const DateRec& date = block->grid.date;
    const int weekday = WeekdayOf(date.day, date.month, date.year);
    char text[kSpokenTextSize];
    wsprintfA(text, kSpokenDayFormat, kWeekdayNames[weekday >= 0 ? weekday : 0], int{date.day},
              kMonthNames[date.month - 1], int{date.year});
    return text;
}

// The date: "24.12.1995".
SpokenText AccessibleValue(HWND window) {
    Block block(window, GSHWL_BLOCK);
    if (!block) {
        return {};
    }
    const DateRec& date = block->grid.date;
    char text[kSpokenTextSize];
    wsprintfA(text, kSpokenDateFormat, int{date.day}, int{date.month}, int{date.year});
    return text;
}

constexpr AccessibleEntry kAccessible = {.role = AccessibleRole,
                                         .state = AccessibleState,
                                         .name = AccessibleName,
                                         .value = AccessibleValue};

} // namespace

const ClassDescriptor kClass = {.name = GSHED_CLASSA,
                                .style = kWithDoubleClicks,
                                .extraBytes = sizeof(WindowLongs),
                                .background = LightGreyBrush,
                                .procedure = WindowProc,
                                .accessible = &kAccessible};

} // namespace quorl::schedule
