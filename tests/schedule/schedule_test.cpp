// The schedule control under Wine, driven by messages as a dialog drives it;
// a recording parent collects the notifications. Cell positions are worked
// out from the font, the box height and the client size as the grid is laid
// out: 3 margins, 7 columns, 6 rows under a heading band 2 lines high.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "quorl32.h"
#include "tests/common/win_test.h"

namespace {

using quorl_test::ClientPixel;
using quorl_test::PumpMessages;
using quorl_test::Redraw;
using Codes = std::vector<int>;

constexpr int kId = 77;
constexpr COLORREF kLightGrey = RGB(0xC0, 0xC0, 0xC0);
constexpr COLORREF kDarkGrey = RGB(0x80, 0x80, 0x80);
constexpr COLORREF kWhite = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF kDarkRed = RGB(0x7F, 0, 0);
constexpr COLORREF kGreen = RGB(0, 0x7F, 0);
constexpr COLORREF kBlue = RGB(0, 0, 0x7F);

int g_beeps = 0;

BOOL WINAPI CountBeep(UINT) {
    ++g_beeps;
    return TRUE;
}

// Points the library's import of MessageBeep at CountBeep, so that the
// tests hear the beeps.
void ListenForBeeps() {
    auto* base = reinterpret_cast<BYTE*>(quorl_test::LibraryModule());
    const auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(
        base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const DWORD imports =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
    for (auto* dll = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports); dll->Name != 0;
         ++dll) {
        auto* name = reinterpret_cast<IMAGE_THUNK_DATA*>(base + dll->OriginalFirstThunk);
        auto* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + dll->FirstThunk);
        for (; name->u1.AddressOfData != 0; ++name, ++slot) {
            const auto* byName =
                reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + name->u1.AddressOfData);
            if (!IMAGE_SNAP_BY_ORDINAL(name->u1.Ordinal) &&
                strcmp(reinterpret_cast<const char*>(byName->Name), "MessageBeep") == 0) {
                DWORD protection = 0;
                VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection);
                slot->u1.Function = reinterpret_cast<ULONG_PTR>(&CountBeep);
                VirtualProtect(slot, sizeof *slot, protection, &protection);
            }
        }
    }
}

// In a recorded sequence: the whole client area waits for a repaint. It
// stands where the parent first finds the control invalid (at a
// notification, or at the end).
constexpr int kRepaint = -1;

HWND g_watched = nullptr;
WNDPROC g_parentProcedure = nullptr;
Codes g_sequence;
int g_dayChangeDepth = 0;        // GSHN_DAYCHANGED handlers running
int g_deepestDayChange = 0;      // the most of them at once
bool g_readsOnDayChange = false; // the parent answers GSHN_DAYCHANGED with GSHM_GETDATE
DateRec g_readOnDayChange{};

bool WholeClientPending(HWND control) {
    RECT pending{};
    RECT client{};
    GetClientRect(control, &client);
    return GetUpdateRect(control, &pending, FALSE) && pending.left == 0 && pending.top == 0 &&
           pending.right == client.right && pending.bottom == client.bottom;
}

void NoteRepaint() {
    const bool noted =
        std::find(g_sequence.begin(), g_sequence.end(), kRepaint) != g_sequence.end();
    if (!noted && WholeClientPending(g_watched)) {
        g_sequence.push_back(kRepaint);
    }
}

// The test parent's procedure, wrapped: it records the sequence and, when
// asked, reads the date as an application does on a day change.
LRESULT CALLBACK SequenceParent(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && reinterpret_cast<HWND>(lParam) == g_watched) {
        NoteRepaint();
        g_sequence.push_back(HIWORD(wParam));
        if (HIWORD(wParam) == GSHN_DAYCHANGED && g_readsOnDayChange && g_dayChangeDepth < 3) {
            ++g_dayChangeDepth;
            g_deepestDayChange = std::max(g_deepestDayChange, g_dayChangeDepth);
            g_readOnDayChange = DateRec{2000, 1, 1};
            SendMessageA(g_watched, GSHM_GETDATE, 0, reinterpret_cast<LPARAM>(&g_readOnDayChange));
            --g_dayChangeDepth;
        }
    }
    return CallWindowProcA(g_parentProcedure, window, message, wParam, lParam);
}

DateRec D(int day, int month, int year) {
    return DateRec{static_cast<short>(year), static_cast<signed char>(day),
                   static_cast<signed char>(month)};
}

class Schedule : public quorl_test::ControlTest {
protected:
    Schedule() : ControlTest({WM_COMMAND, WM_NEXTDLGCTL}) {}
    void SetUp() override {
        ListenForBeeps();
        g_watched = nullptr;
        g_sequence.clear();
        WriteProfileStringA(QUORL_PROFILE_SECTION, QUORL_PROFILE_HOLIDAYS, nullptr);
        control_ = Create(0, 300, 260);
        g_parentProcedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
            parent_.hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SequenceParent)));
        g_readsOnDayChange = false;
        g_deepestDayChange = 0;
    }
    HWND Create(DWORD style, int width, int height) {
        return Make(GSHED_CLASS, ",Datum", style, {0, 0, width, height}, kId);
    }
    Codes Notifications() {
        Codes codes;
        for (const auto& m : parent_.messages()) {
            if (m.message == WM_COMMAND && LOWORD(m.wParam) == kId &&
                m.lParam == reinterpret_cast<LPARAM>(control_)) {
                codes.push_back(HIWORD(m.wParam));
            }
        }
        parent_.clear();
        return codes;
    }
    // Notifications and the repaint the control asked for, in order; then
    // the control paints, so that the next sequence starts from a valid one.
    Codes Sequence() {
        g_watched = control_;
        NoteRepaint();
        Codes sequence = g_sequence;
        g_sequence.clear();
        parent_.clear();
        UpdateWindow(control_);
        return sequence;
    }
    LRESULT SetDate(DateRec date) {
        return SendMessageA(control_, GSHM_SETDATE, 0, reinterpret_cast<LPARAM>(&date));
    }
    void Start(const DateRec& date) {
        SetDate(date);
        PumpMessages();
        parent_.clear();
        g_watched = control_;
        g_sequence.clear();
    }
    std::string Text() {
        char text[32] = "";
        SendMessageA(control_, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
        return text;
    }
    HWND Box(int count) { // the month box has 12 entries, the year box 180
        HWND box = FindWindowExA(control_, nullptr, "COMBOBOX", nullptr);
        const bool first = SendMessageA(box, CB_GETCOUNT, 0, 0) == count;
        return first ? box : FindWindowExA(control_, box, "COMBOBOX", nullptr);
    }
    HWND MonthBox() { return Box(12); }
    HWND YearBox() { return Box(180); }
    SIZE CharSize() {
        HDC dc = GetDC(control_);
        HGDIOBJ previous =
            SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(MonthBox(), WM_GETFONT, 0, 0)));
        SIZE x{};
        GetTextExtentPointA(dc, "x", 1, &x);
        SelectObject(dc, previous);
        ReleaseDC(control_, dc);
        return x;
    }
    // Client rectangle of cell i, from the painting's layout rules.
    RECT Cell(int i) {
        const SIZE x = CharSize();
        RECT box{};
        RECT client{};
        GetClientRect(MonthBox(), &box);
        GetClientRect(control_, &client);
        const int margin = x.cx + 2;
        const int top = 2 * x.cy + box.bottom;
        const int width = (client.right - 3 * margin + 1) / 7;
        const int height = (client.bottom - top - 3) / 6;
        const int left = margin + 1 + (i % 7) * width;
        const int row = top + (i / 7) * height;
        return {left + 3, row + 1, left + width + 1, row + height - 1};
    }
    LPARAM PointIn(int cell) {
        const RECT r = Cell(cell);
        return MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    HWND control_ = nullptr;
};

TEST_F(Schedule, CreationFillsTheBoxesAndRefreshesOnce) {
    EXPECT_EQ(Notifications(), (Codes{GSHN_MONTHCHANGED}));
    ASSERT_TRUE(MonthBox() != nullptr && YearBox() != nullptr);
    EXPECT_TRUE(GetDlgCtrlID(MonthBox()) == 0xFFFF && GetDlgCtrlID(YearBox()) == 0xFFFF);
    char text[16] = "";
    SendMessageA(MonthBox(), CB_GETLBTEXT, 2, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "M\xE4rz");
    SendMessageA(YearBox(), CB_GETLBTEXT, 179, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "2099");
    SYSTEMTIME now{};
    GetLocalTime(&now);
    EXPECT_EQ(SendMessageA(YearBox(), CB_GETCURSEL, 0, 0), now.wYear - 1920);
    EXPECT_EQ(SendMessageA(MonthBox(), CB_GETCURSEL, 0, 0), now.wMonth - 1);
    EXPECT_EQ(SendMessageA(control_, WM_GETDLGCODE, 0, 0), 0x81);
    HDC dc = GetDC(control_);
    EXPECT_EQ(SendMessageA(control_, WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc), 0),
              reinterpret_cast<LRESULT>(GetStockObject(LTGRAY_BRUSH)));
    ReleaseDC(control_, dc);
}

TEST_F(Schedule, FontsReachTheBoxesUnlessTheSharedFontIsKept) {
    const auto font = reinterpret_cast<WPARAM>(GetStockObject(ANSI_FIXED_FONT));
    for (const DWORD style : {0L, GSHS_SHAREDFONT}) {
        control_ = Create(style, 300, 260);
        const LRESULT before = SendMessageA(MonthBox(), WM_GETFONT, 0, 0);
        SendMessageA(control_, WM_SETFONT, font, 0);
        const LRESULT expected = style == 0 ? static_cast<LRESULT>(font) : before;
        EXPECT_EQ(SendMessageA(YearBox(), WM_GETFONT, 0, 0), expected) << style;
    }
}

struct SetDateCase {
    DateRec date;
    LRESULT result;
    Codes codes;
    const char* text;
};

class SetDate : public Schedule, public testing::WithParamInterface<SetDateCase> {};

TEST_P(SetDate, TakesValidDatesAndNotifies) {
    Start(D(15, 12, 1995));
    EXPECT_EQ(Schedule::SetDate(GetParam().date), GetParam().result);
    EXPECT_EQ(Sequence(), GetParam().codes);
    EXPECT_EQ(Text(), GetParam().text);
    DateRec read = D(1, 1, 2000);
    EXPECT_EQ(SendMessageA(control_, GSHM_GETDATE, 0, reinterpret_cast<LPARAM>(&read)), 1);
    EXPECT_EQ(Notifications(), (Codes{GSHN_DAYCHANGED}));
    EXPECT_EQ(SendMessageA(YearBox(), CB_GETCURSEL, 0, 0), read.year - 1920);
    EXPECT_EQ(SendMessageA(MonthBox(), CB_GETCURSEL, 0, 0), read.month - 1);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, SetDate,
    testing::Values(SetDateCase{D(15, 12, 1995), 1, {kRepaint, 5}, "15.12.1995"},
                    SetDateCase{D(20, 12, 1995), 1, {5, kRepaint, 5}, "20.12.1995"},
                    SetDateCase{D(31, 1, 1996), 1, {6, kRepaint, 5}, "31. 1.1996"},
                    SetDateCase{D(31, 12, 2099), 1, {6, kRepaint, 5}, "31.12.2099"},
                    SetDateCase{D(1, 1, 1920), 1, {6, kRepaint, 5}, " 1. 1.1920"},
                    SetDateCase{D(29, 2, 1995), 0, {}, "15.12.1995"},
                    SetDateCase{D(31, 12, 1919), 0, {}, "15.12.1995"},
                    SetDateCase{D(1, 1, 2100), 0, {}, "15.12.1995"}));

// A parent that reads the date on a day change gets it, and no second day
// change from the reading; a reading at any other time still reports one.
TEST_F(Schedule, ReadingTheDateOnADayChangeDoesNotRepeat) {
    Start(D(15, 12, 1995));
    g_readsOnDayChange = true;
    EXPECT_EQ(SetDate(D(20, 12, 1995)), 1);
    EXPECT_EQ(g_deepestDayChange, 1);
    EXPECT_EQ(g_readOnDayChange.day, 20);
    EXPECT_EQ(Sequence(), (Codes{5, kRepaint, 5}));
    KeyDown(control_, VK_RIGHT);
    EXPECT_EQ(g_deepestDayChange, 1);
    EXPECT_EQ(g_readOnDayChange.day, 21);
    EXPECT_EQ(Sequence(), (Codes{5, kRepaint}));
    g_readsOnDayChange = false;
    DateRec read = D(1, 1, 2000);
    EXPECT_EQ(SendMessageA(control_, GSHM_GETDATE, 0, reinterpret_cast<LPARAM>(&read)), 1);
    EXPECT_EQ(Sequence(), Codes{5});
}

struct KeyCase {
    DateRec start;
    WPARAM key;
    const char* text;
    Codes codes;
    int beeps = 0;
};

class Keys : public Schedule, public testing::WithParamInterface<KeyCase> {};

TEST_P(Keys, MoveTheDateWithinTheYears) {
    Start(GetParam().start);
    g_beeps = 0;
    KeyDown(control_, GetParam().key);
    EXPECT_EQ(Text(), GetParam().text);
    EXPECT_EQ(Sequence(), GetParam().codes);
    EXPECT_EQ(g_beeps, GetParam().beeps);
}

// After every key but the space bar (and keys the control does not use)
// the whole client area waits for a repaint, also where nothing changed.
INSTANTIATE_TEST_SUITE_P(
    Table, Keys,
    testing::Values(KeyCase{D(15, 12, 2019), VK_PRIOR, "15. 1.2020", {6, kRepaint}},
                    KeyCase{D(15, 12, 2099), VK_PRIOR, "15.12.2099", {6, kRepaint}, 1},
                    KeyCase{D(31, 1, 1996), VK_PRIOR, "31. 2.1996", {6, kRepaint}},
                    KeyCase{D(15, 3, 1996), VK_NEXT, "15. 2.1996", {6, kRepaint}},
                    KeyCase{D(15, 1, 1920), VK_NEXT, "15. 1.1920", {6, kRepaint}, 1},
                    KeyCase{D(1, 6, 2020), VK_HOME, " 1. 6.2021", {6, kRepaint}},
                    KeyCase{D(1, 6, 2099), VK_HOME, " 1. 6.2099", {kRepaint}, 1},
                    KeyCase{D(1, 6, 1921), VK_END, " 1. 6.1920", {6, kRepaint}},
                    KeyCase{D(1, 6, 1920), VK_END, " 1. 6.1920", {kRepaint}, 1},
                    KeyCase{D(31, 3, 1996), VK_RIGHT, " 1. 4.1996", {6, kRepaint}},
                    KeyCase{D(30, 3, 1996), VK_RIGHT, "31. 3.1996", {5, kRepaint}},
                    KeyCase{D(1, 3, 1996), VK_LEFT, "29. 2.1996", {6, kRepaint}},
                    KeyCase{D(15, 3, 1996), VK_UP, " 8. 3.1996", {5, kRepaint}},
                    KeyCase{D(28, 3, 1996), VK_DOWN, " 4. 4.1996", {6, kRepaint}},
                    KeyCase{D(15, 3, 1996), 'J', "15. 3.1996", {kRepaint}},
                    KeyCase{D(15, 3, 1996), 'M', "15. 3.1996", {kRepaint}},
                    KeyCase{D(15, 3, 1996), VK_SPACE, "15. 3.1996", {7}},
                    KeyCase{D(15, 3, 1996), 'Q', "15. 3.1996", {}}));

TEST_F(Schedule, LetterKeysGoToTodayAndToTheBoxes) {
    Start(D(15, 3, 1996));
    KeyDown(control_, 'T');
    SYSTEMTIME now{};
    GetLocalTime(&now);
    char today[16];
    wsprintfA(today, "%2d.%2d.%4d", now.wDay, now.wMonth, now.wYear);
    EXPECT_EQ(Text(), today);
    KeyDown(control_, 'J');
    KeyDown(control_, 'M');
    PumpMessages();
    const auto& moves = parent_.messages(); // notifications first, then the two posts
    ASSERT_GE(moves.size(), 2u);
    EXPECT_EQ(moves.rbegin()[1].wParam, reinterpret_cast<WPARAM>(YearBox()));
    EXPECT_EQ(moves.back().wParam, reinterpret_cast<WPARAM>(MonthBox()));
    EXPECT_TRUE(moves.back().message == WM_NEXTDLGCTL && moves.back().lParam == 1);
}

TEST_F(Schedule, DateTextsAndFieldName) {
    Start(D(5, 3, 1996));
    char text[16] = "zzzzzzzzzzzzzzz";
    auto get = [&](WPARAM size, char* buffer) {
        return SendMessageA(control_, WM_GETTEXT, size, reinterpret_cast<LPARAM>(buffer));
    };
    EXPECT_EQ(get(11, text), 10);
    EXPECT_STREQ(text, " 5. 3.1996");
    EXPECT_EQ(get(5, text), 4);
    EXPECT_STREQ(text, " 5. ");
    EXPECT_EQ(get(0, text), 0);
    EXPECT_EQ(get(11, nullptr), 0);
    DateRec empty{}; // GSHM_GETDATE wants a valid date to overwrite
    EXPECT_EQ(SendMessageA(control_, GSHM_GETDATE, 0, reinterpret_cast<LPARAM>(&empty)), 0);
    EXPECT_EQ(SendMessageA(control_, GSHM_GETDATE, 0, 0), 0);
    EXPECT_EQ(empty.year, 0);
    EXPECT_EQ(Notifications(), Codes{});

    const UINT fieldName = quorl_test::FieldNameMessage();
    EXPECT_EQ(SendMessageA(control_, fieldName, 10, reinterpret_cast<LPARAM>(text)), 1);
    EXPECT_STREQ(text, "Datum");
    EXPECT_EQ(SendMessageA(control_, fieldName, 4, reinterpret_cast<LPARAM>(text)), 1);
    EXPECT_STREQ(text, "Da");
}

struct SetTextCase {
    const char* text;
    const char* date;
};

class SetText : public Schedule, public testing::WithParamInterface<SetTextCase> {};

TEST_P(SetText, ReadsOneDateAndKeepsTheText) {
    Start(D(15, 12, 1995));
    SetWindowTextA(control_, GetParam().text);
    EXPECT_EQ(Text(), GetParam().date);
    EXPECT_EQ(GetWindowTextLengthA(control_), static_cast<int>(strlen(GetParam().text)));
}

INSTANTIATE_TEST_SUITE_P(Texts, SetText,
                         testing::Values(SetTextCase{"24.12.1995", "24.12.1995"},
                                         SetTextCase{"3.4", " 3. 4.1995"}, // the current year
                                         SetTextCase{"24.12.05", "15.12.1995"},
                                         SetTextCase{"30.2.1996", "15.12.1995"},
                                         SetTextCase{"nichts", "15.12.1995"}));

TEST_F(Schedule, BoxSelectionSetsMonthAndYear) {
    Start(D(31, 12, 1995));
    SendMessageA(YearBox(), CB_SETCURSEL, 76, 0);
    SendMessageA(MonthBox(), CB_SETCURSEL, 1, 0);
    SendMessageA(control_, WM_COMMAND, MAKEWPARAM(0xFFFF, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(YearBox()));
    EXPECT_EQ(Text(), "31. 2.1996");
    EXPECT_EQ(Notifications(), (Codes{GSHN_MONTHCHANGED}));
}

TEST_F(Schedule, BoxesNeedMoreThan21CharacterHeights) {
    const int width = 21 * CharSize().cy;
    MoveWindow(control_, 0, 0, width, 200, TRUE);
    EXPECT_FALSE(IsWindowVisible(MonthBox()) || IsWindowVisible(YearBox()));
    MoveWindow(control_, 0, 0, width + 1, 200, TRUE);
    EXPECT_TRUE(IsWindowVisible(MonthBox()) && IsWindowVisible(YearBox()));
}

struct MouseCase {
    UINT message;
    int cell;
    const char* text;
    Codes codes;
    bool focused = false; // the control has the focus already
};

class Mouse : public Schedule, public testing::WithParamInterface<MouseCase> {};

TEST_P(Mouse, PicksTheDayUnderThePointer) {
    Start(D(15, 12, 1995)); // cell 0 is 27 November
    SetFocus(GetParam().focused ? control_ : parent_.hwnd());
    Sequence();
    SendMessageA(control_, GetParam().message, 0, PointIn(GetParam().cell));
    EXPECT_EQ(Text(), GetParam().text);
    EXPECT_EQ(GetFocus(), control_);
    Codes expected = GetParam().codes;
    if (!GetParam().focused) {
        expected.push_back(GSHN_SETFOCUS); // the press takes the focus last
    }
    EXPECT_EQ(Sequence(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Presses, Mouse,
    testing::Values(MouseCase{WM_LBUTTONDOWN, 7, " 4.12.1995", {5, kRepaint}},
                    MouseCase{WM_LBUTTONDOWN, 41, " 7. 1.1996", {6, kRepaint}},
                    MouseCase{WM_LBUTTONDOWN, 18, "15.12.1995", {kRepaint}, true},
                    MouseCase{WM_LBUTTONDBLCLK, 18, "15.12.1995", {7, kRepaint}},
                    MouseCase{WM_LBUTTONDBLCLK, 2, "29.11.1995", {6, kRepaint}}));

TEST_F(Schedule, PressesBeforePaintingOrOnTinyControlsAreIgnored) {
    HWND hidden = parent_.child(GSHED_CLASS, "", 0, 0, 0, 300, 260, kId);
    for (HWND control : {hidden, Create(0, 20, 20)}) {
        control_ = control;
        Start(D(15, 12, 1995));
        Press(control_, 150, 150);
        SendMessageA(control_, WM_LBUTTONDBLCLK, 0, MAKELPARAM(150, 150));
        EXPECT_EQ(Text(), "15.12.1995");
        EXPECT_EQ(Notifications(), Codes{});
    }
}

TEST_F(Schedule, PaintsCurrentDayHolidaysAndMarks) {
    EXPECT_EQ(SendMessageA(control_, GSHM_REFRESH, 0, 0), 0); // reads the default holidays
    Start(D(15, 12, 1995));
    SendMessageA(control_, GSHM_SETMARKS, 0,
                 reinterpret_cast<LPARAM>("4.12.1995-6.12.1995, 5.12.1995-7.12.1995"));
    Redraw(control_);
    auto inside = [&](int cell, int dx, int dy) {
        const RECT r = Cell(cell);
        return ClientPixel(control_, dx >= 0 ? r.left + dx : r.right + dx,
                           dy >= 0 ? r.top + dy : r.bottom + dy);
    };
    EXPECT_EQ(inside(18, -3, 2), kDarkGrey);  // 15 December, current
    EXPECT_EQ(inside(17, -3, 2), kLightGrey); // 14 December
    EXPECT_EQ(inside(28, 5, -1), kDarkRed);   // 25 December, holiday bar
    EXPECT_EQ(inside(28, 5, -3), kLightGrey);
    EXPECT_EQ(inside(30, 5, -1), kLightGrey); // 27 December
    const COLORREF bars[][2] = {
        {kLightGrey, kGreen}, {kGreen, kBlue}, {kBlue, kBlue}, {kGreen, kLightGrey}};
    for (int day = 0; day < 4; ++day) { // 4 to 7 December
        EXPECT_EQ(inside(7 + day, 2, -4), bars[day][0]) << day;
        EXPECT_EQ(inside(7 + day, -2, -4), bars[day][1]) << day;
    }
    Start(D(15, 1, 1996)); // a month change clears the marks
    Redraw(control_);
    EXPECT_EQ(inside(18, -2, -4), kLightGrey);
}

TEST_F(Schedule, TodayHasARaisedFrame) {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    SYSTEMTIME first = now; // the weekday of the 1st, from the system
    first.wDay = 1;
    FILETIME time{};
    SystemTimeToFileTime(&first, &time);
    FileTimeToSystemTime(&time, &first);
    const int firstCell = (first.wDayOfWeek + 6) % 7 == 0 ? 7 : (first.wDayOfWeek + 6) % 7;
    Start(D(now.wDay == 1 ? 2 : 1, now.wMonth, now.wYear));
    Redraw(control_);
    const int todayCell = firstCell + now.wDay - 1;
    const RECT today = Cell(todayCell);
    EXPECT_EQ(ClientPixel(control_, today.left + 6, today.top + 1), kWhite);
    EXPECT_EQ(ClientPixel(control_, today.left + 6, today.bottom - 1), kDarkGrey);
    const RECT other = Cell(todayCell + (now.wDay > 14 ? -7 : 7)); // a week away
    EXPECT_EQ(ClientPixel(control_, other.left + 6, other.top + 1), kLightGrey);
}

TEST_F(Schedule, FocusShowsAsDotsOrAsARaisedBorder) {
    SetFocus(control_);
    UpdateWindow(control_);
    EXPECT_EQ(GetWindowLongA(control_, GSHWL_FOCUS), 1);
    EXPECT_EQ(ClientPixel(control_, 1, 0), RGB(0, 0, 0));
    SetFocus(parent_.hwnd());
    UpdateWindow(control_);
    EXPECT_EQ(ClientPixel(control_, 1, 0), kLightGrey);
    EXPECT_EQ(Notifications(), (Codes{GSHN_MONTHCHANGED, GSHN_SETFOCUS, GSHN_KILLFOCUS}));

    control_ = Create(WS_BORDER, 300, 260);
    SetFocus(control_);
    UpdateWindow(control_);
    EXPECT_EQ(ClientPixel(control_, 5, 0), kWhite);
    SetFocus(parent_.hwnd());
    UpdateWindow(control_);
    EXPECT_EQ(ClientPixel(control_, 5, 0), kDarkGrey);
}

std::vector<DWORD> g_heard;
HWND g_listened = nullptr;

void CALLBACK Hear(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG, DWORD, DWORD) {
    if (object == OBJID_CLIENT && window == g_listened) {
        g_heard.push_back(event);
    }
}

// Every way the date moves tells screen readers; a key that moves nothing does not.
TEST_F(Schedule, ScreenReadersHearOfEveryNewDate) {
    g_listened = control_;
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr,
                                         Hear, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    const std::vector<DWORD> told = {EVENT_OBJECT_VALUECHANGE, EVENT_OBJECT_NAMECHANGE};
    for (const auto& [start, key, events] : {std::tuple{D(15, 11, 2099), VK_PRIOR, told},
                                             {D(15, 12, 2099), VK_PRIOR, {}},
                                             {D(15, 3, 1996), VK_HOME, told},
                                             {D(15, 3, 1996), VK_RIGHT, told}}) {
        Start(start);
        g_heard.clear();
        KeyDown(control_, key);
        PumpMessages();
        EXPECT_EQ(g_heard, events) << key;
    }
    UnhookWinEvent(hook);
}

} // namespace
