/*
 * The QUORL32 gallery: one dialog that shows every control of the library,
 * built the way an application programmer builds a program with it (the
 * public headers, the import library and its own resources).
 *
 *   gallery                       opens the gallery
 *   gallery --screenshots DIR     writes every page and a few states to
 *                                 DIR as PNG files and prints their paths
 *   gallery --log FILE            opens the gallery and writes each
 *                                 notification it receives to FILE, one a
 *                                 line: "command ID CODE", "focus ID 1|0"
 *                                 (a graphic button gained or lost the
 *                                 focus); first "start ID X Y W H" (the
 *                                 focus at start, the client area on the
 *                                 screen) and the client rectangles of
 *                                 tabs, controls and status fields
 */
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "gallery.h"
#include "gallery_ids.h"
#include "quorl32x.h"

#define PAGE_COUNT 7

/* The caret blinks on this timer message. */
#ifndef WM_SYSTIMER
#define WM_SYSTIMER 0x0118
#endif

/* Positions the gauges start at, and how long the busy button works. */
static const int kGaugeStart[IDC_GAUGE_COUNT] = {0, 73, 50, 25, 100, 37};
#define BUSY_STEPS   50
#define BUSY_STEP_MS 40

/* Screenshots do not depend on the day they are taken. */
static const DateRec kScreenshotDate = {2026, 24, 12};
#define SCREENSHOT_CLOCK "12:00:00"

static const char* const kWeekdays[7] = {"Montag",  "Dienstag", "Mittwoch", "Donnerstag",
                                         "Freitag", "Samstag",  "Sonntag"};

static HINSTANCE g_instance;
static FILE* g_log;
static UINT g_focusNotify;

/* One line per notification, written at once: a test reads the file while
 * the gallery runs. */
static void Log(const char* format, ...) {
    va_list arguments;
    if (g_log != NULL) {
        va_start(arguments, format);
        vfprintf(g_log, format, arguments);
        va_end(arguments);
        fflush(g_log);
    }
}

static HWND Pages(HWND dialog) {
    return GetDlgItem(dialog, IDC_PAGES);
}

static void FormatDate(const DateRec* date, char* text, size_t size) {
    snprintf(text, size, "%d.%d.%d", date->day, date->month, date->year);
}

static const char* WeekdayName(const DateRec* date) {
    int day = DayOfDate(date);
    return day >= 0 && day < 7 ? kWeekdays[day] : "?";
}

/* ------------------------------------------------------------------ */
/* Pages                                                               */
/* ------------------------------------------------------------------ */

static void InitGauges(HWND dialog) {
    int i;
    for (i = 0; i < IDC_GAUGE_COUNT; ++i) {
        HWND gauge = GetDlgItem(dialog, IDC_GAUGE_FIRST + i);
        Gauge_SetRange(gauge, 100);
        Gauge_SetPos(gauge, kGaugeStart[i]);
    }
}

/* Works without looking at the message queue: the gauges show every step
 * all the same, because they paint before GAUGE_SETPOS returns. */
static void RunBusyLoop(HWND dialog) {
    int step, i;
    for (step = 0; step <= BUSY_STEPS; ++step) {
        DWORD start = GetTickCount();
        for (i = 0; i < IDC_GAUGE_COUNT; ++i) {
            Gauge_SetPos(GetDlgItem(dialog, IDC_GAUGE_FIRST + i), step * 100 / BUSY_STEPS);
        }
        while (GetTickCount() - start < BUSY_STEP_MS) {
        }
    }
    InitGauges(dialog);
}

/* The field widths below are pixels of a 96-dpi screen; on a finer one
 * the program grows them itself, as the library grows its own lengths
 * (widths in characters, the negative ones, follow the font anyway). */
#define BASE_DPI 96
static int ScreenPixels(int width) {
    HDC screen;
    int dpi;
    if (width <= 0) {
        return width;
    }
    screen = GetDC(NULL);
    dpi = screen != NULL ? GetDeviceCaps(screen, LOGPIXELSY) : BASE_DPI;
    if (screen != NULL) {
        ReleaseDC(NULL, screen);
    }
    return dpi > BASE_DPI ? MulDiv(width, dpi, BASE_DPI) : width;
}

static void InitStatusPage(HWND dialog) {
    static const struct {
        int id, minWidth, maxWidth;
        const char* text;
    } kFields[] = {
        {IDC_FIELD_PLAIN, 70, 70, "Bereit"},
        {IDC_FIELD_RED, 120, 400, "!Fehler 17: Datei fehlt"},
        {IDC_FIELD_GREEN, 90, 90, "?Gespeichert"},
        {IDC_FIELD_NARROW, -9, -9, "Zeile 12"},
    };
    HWND bar = GetDlgItem(dialog, IDC_STATUSBAR);
    RECT client;
    size_t i;
    for (i = 0; i < sizeof kFields / sizeof kFields[0]; ++i) {
        HWND field = StsbAddField(bar, g_instance, kFields[i].id, ScreenPixels(kFields[i].minWidth),
                                  ScreenPixels(kFields[i].maxWidth), 0);
        SetWindowTextA(field, kFields[i].text);
    }
    /* The bar places its fields when it is sized. */
    GetClientRect(bar, &client);
    SendMessageA(bar, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
}

static void ShowHolidays(HWND dialog) {
    char list[512];
    GetProfileStringA(QUORL_PROFILE_SECTIONA, QUORL_PROFILE_HOLIDAYSA, "", list, sizeof list);
    SetDlgItemTextA(dialog, IDC_HOLIDAYS, list);
}

/* The typed list becomes the profile's, and the schedule reads it again. */
static void ApplyHolidays(HWND dialog) {
    char list[512];
    GetDlgItemTextA(dialog, IDC_HOLIDAYS, list, sizeof list);
    WriteProfileStringA(QUORL_PROFILE_SECTIONA, QUORL_PROFILE_HOLIDAYSA, list);
    Schedule_Refresh(GetDlgItem(dialog, IDC_SCHEDULE), TRUE, TRUE);
}

/* Asking the schedule for its date makes it announce the day again
 * (GSHN_DAYCHANGED), which brings the gallery back here: the answer to
 * that one question is shown once. */
static void ShowScheduleDay(HWND dialog) {
    static BOOL asking = FALSE;
    DateRec date = {2000, 1, 1};
    char text[64], day[16];
    BOOL known;
    if (asking) {
        return;
    }
    asking = TRUE;
    known = Schedule_GetDate(GetDlgItem(dialog, IDC_SCHEDULE), &date);
    asking = FALSE;
    if (known) {
        FormatDate(&date, day, sizeof day);
        snprintf(text, sizeof text, "Gew\xE4hlt: %s, %s", WeekdayName(&date), day);
        SetDlgItemTextA(dialog, IDC_SCHED_DAY, text);
    }
}

/* The schedule takes marks without repainting (several lists may be sent
 * in a row): the application shows them when it is done. */
static void MarkDays(HWND dialog) {
    char marks[256];
    HWND schedule = GetDlgItem(dialog, IDC_SCHEDULE);
    GetDlgItemTextA(dialog, IDC_MARKS, marks, sizeof marks);
    Schedule_SetMarks(schedule, marks);
    InvalidateRect(schedule, NULL, FALSE);
}

/* The year box's list is eight character heights tall, room for four
 * years; as a child window like any other it may be made taller, so that
 * about a dozen years show. */
#define YEAR_LIST_ENTRIES 12
static void LengthenYearList(HWND dialog) {
    HWND schedule = GetDlgItem(dialog, IDC_SCHEDULE);
    HWND month = FindWindowExA(schedule, NULL, "COMBOBOX", NULL);
    HWND year = month != NULL ? FindWindowExA(schedule, month, "COMBOBOX", NULL) : NULL;
    RECT box;
    LRESULT entry;
    if (year == NULL || !GetWindowRect(year, &box)) {
        return;
    }
    entry = SendMessageA(year, CB_GETITEMHEIGHT, 0, 0);
    if (entry <= 0) {
        return;
    }
    SetWindowPos(year, NULL, 0, 0, box.right - box.left,
                 (box.bottom - box.top) + (int)entry * YEAR_LIST_ENTRIES,
                 SWP_NOMOVE | SWP_NOZORDER);
}

static void UpdateDates(HWND dialog) {
    char typed[64], text[96], day[16];
    BOOL numeric = FALSE;
    int days = (int)GetDlgItemInt(dialog, IDC_DATE_DAYS, &numeric, TRUE);
    DateRec date = {0, 0, 0}, moved;
    GetDlgItemTextA(dialog, IDC_DATE_TEXT, typed, sizeof typed);
    if (!StringToDate(typed, &date)) {
        SetDlgItemTextA(dialog, IDC_DATE_RESULT, "Kein g\xFCltiges Datum");
        SetDlgItemTextA(dialog, IDC_DATE_WEEKDAY, "");
        SetDlgItemTextA(dialog, IDC_DATE_MOVED, "");
        return;
    }
    FormatDate(&date, day, sizeof day);
    snprintf(text, sizeof text, "StringToDate: %s", day);
    SetDlgItemTextA(dialog, IDC_DATE_RESULT, text);
    snprintf(text, sizeof text, "DayOfDate: %d (%s)", DayOfDate(&date), WeekdayName(&date));
    SetDlgItemTextA(dialog, IDC_DATE_WEEKDAY, text);
    moved = date;
    if (!numeric) {
        days = 0;
    }
    AddNDays(&moved, days);
    FormatDate(&moved, day, sizeof day);
    snprintf(text, sizeof text, "AddNDays(%d): %s, %s", days, day, WeekdayName(&moved));
    SetDlgItemTextA(dialog, IDC_DATE_MOVED, text);
}

/* ------------------------------------------------------------------ */
/* The dialog                                                          */
/* ------------------------------------------------------------------ */

static BOOL OnInitDialog(HWND dialog) {
    InitGauges(dialog);
    InitStatusPage(dialog);
    ShowHolidays(dialog);
    SetDlgItemTextA(dialog, IDC_MARKS, "4.12-6.12, 31.12");
    SetDlgItemTextA(dialog, IDC_DATE_DAYS, "7");
    SetDlgItemTextA(dialog, IDC_DATE_TEXT, "24.12.95");
    ShowScheduleDay(dialog);
    LengthenYearList(dialog);
    return TRUE;
}

static void OnCommand(HWND dialog, int id, int code) {
    if (id >= IDM_PAGE_FIRST && id < IDM_PAGE_FIRST + PAGE_COUNT) {
        PageSwitcher_SelectPage(Pages(dialog), id - IDM_PAGE_FIRST);
        return;
    }
    switch (id) {
    case IDOK:
    case IDCANCEL:
    case IDM_EXIT:
        DestroyWindow(dialog);
        break;
    case IDC_BUSY:
        RunBusyLoop(dialog);
        break;
    case IDC_MARK:
        MarkDays(dialog);
        break;
    case IDC_HOLIDAYS_APPLY:
        ApplyHolidays(dialog);
        break;
    case IDC_SCHEDULE:
        if (code == GSHN_DAYCHANGED) {
            ShowScheduleDay(dialog);
        } else if (code == GSHN_MONTHCHANGED) {
            ShowScheduleDay(dialog);
            MarkDays(dialog); /* a new month forgets its marks */
        }
        break;
    case IDC_DATE_TEXT:
    case IDC_DATE_DAYS:
        if (code == EN_CHANGE) {
            UpdateDates(dialog);
        }
        break;
    default:
        break;
    }
}

static INT_PTR CALLBACK GalleryProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == g_focusNotify && g_focusNotify != 0) {
        Log("focus %d %d\n", (int)wParam, HIWORD(lParam) == WM_SETFOCUS);
        return FALSE;
    }
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog(dialog);
    case WM_COMMAND:
        Log("command %d %d\n", LOWORD(wParam), HIWORD(wParam));
        OnCommand(dialog, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_DESTROY:
        PostQuitMessage(0);
        return TRUE;
    default:
        return FALSE;
    }
}

static HWND FindTab(HWND dialog, int page);

static void LogRect(const char* what, int id, HWND dialog, HWND window) {
    RECT r;
    if (window != NULL && GetWindowRect(window, &r)) {
        MapWindowPoints(NULL, dialog, (POINT*)&r, 2);
        Log("%s %d %ld %ld %ld %ld\n", what, id, r.left, r.top, r.right, r.bottom);
    }
}

/* Where everything lies, in client coordinates, so that a test can aim at
 * it whatever the display's fonts make of the dialog units. */
static void LogLayout(HWND dialog) {
    POINT origin = {0, 0};
    RECT client;
    HWND child, bar = GetDlgItem(dialog, STSB_AUTO_BAR);
    int page;
    if (g_log == NULL) {
        return;
    }
    ClientToScreen(dialog, &origin);
    GetClientRect(dialog, &client);
    Log("start %d %ld %ld %ld %ld\n", GetDlgCtrlID(GetFocus()), origin.x, origin.y, client.right,
        client.bottom);
    for (page = 0; page < PAGE_COUNT; ++page) {
        LogRect("tab", page, dialog, FindTab(dialog, page));
    }
    for (child = GetWindow(dialog, GW_CHILD); child != NULL;
         child = GetWindow(child, GW_HWNDNEXT)) {
        LogRect("control", GetDlgCtrlID(child), dialog, child);
    }
    LogRect("help", STSB_AUTO_HELP, dialog, GetDlgItem(bar, STSB_AUTO_HELP));
    LogRect("clock", STSB_AUTO_CLOCK, dialog, GetDlgItem(bar, STSB_AUTO_CLOCK));
}

static HWND CreateGallery(void) {
    return CreateDialogParamA(g_instance, MAKEINTRESOURCEA(IDD_GALLERY), NULL, GalleryProc, 0);
}

static int RunInteractive(void) {
    MSG message;
    HWND dialog = CreateGallery();
    if (dialog == NULL) {
        fprintf(stderr, "gallery: the main dialog could not be created\n");
        return 1;
    }
    ShowWindow(dialog, SW_SHOWNORMAL);
    LogLayout(dialog);
    while (GetMessageA(&message, NULL, 0, 0) > 0) {
        if (!IsDialogMessageA(dialog, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return 0;
}

/* ------------------------------------------------------------------ */
/* Screenshots                                                         */
/* ------------------------------------------------------------------ */

/* Handles what is queued, except the timers: the clock and the scrolling
 * picture stay where they are, so that every run draws the same. */
static void Settle(HWND dialog) {
    MSG message;
    while (PeekMessageA(&message, NULL, 0, WM_TIMER - 1, PM_REMOVE) ||
           PeekMessageA(&message, NULL, WM_SYSTIMER + 1, 0xFFFFFFFF, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            break;
        }
        if (!IsDialogMessageA(dialog, &message)) {
            DispatchMessageA(&message);
        }
    }
    RedrawWindow(dialog, NULL, NULL,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

static BOOL Shoot(HWND dialog, const char* directory, const char* name) {
    char path[MAX_PATH];
    BOOL written;
    Settle(dialog);
    snprintf(path, sizeof path, "%s\\%s.png", directory, name);
    written = WriteWindowPng(dialog, path);
    if (written) {
        printf("%s\n", path);
    } else {
        fprintf(stderr, "gallery: %s could not be written\n", path);
    }
    return written;
}

static HWND FindTab(HWND dialog, int page) {
    char name[16];
    HWND child;
    int found = 0;
    for (child = GetWindow(dialog, GW_CHILD); child != NULL;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetClassNameA(child, name, sizeof name) > 0 && strcmp(name, QUCHECK_CLASSA) == 0 &&
            (GetWindowLongA(child, GWL_STYLE) & QCS_TABMODE) != 0 && found++ == page) {
            return child;
        }
    }
    return NULL;
}

/* A key as the dialog manager receives it from the message loop. */
static void PressKey(HWND dialog, WPARAM key) {
    MSG message;
    memset(&message, 0, sizeof message);
    message.hwnd = GetFocus();
    message.message = WM_KEYDOWN;
    message.wParam = key;
    IsDialogMessageA(dialog, &message);
    message.message = WM_KEYUP;
    IsDialogMessageA(dialog, &message);
}

static int TakeScreenshots(const char* directory) {
    static const char* const kPageFiles[PAGE_COUNT] = {
        "page1-buttons",  "page2-choices", "page3-progress", "page4-texts",
        "page5-calendar", "page6-status",  "page7-dates"};
    HWND dialog, pages, button;
    int page, id, failures = 0;

    CreateDirectoryA(directory, NULL);
    dialog = CreateGallery();
    if (dialog == NULL) {
        fprintf(stderr, "gallery: the main dialog could not be created\n");
        return 1;
    }
    pages = Pages(dialog);
    (void)Schedule_SetDate(GetDlgItem(dialog, IDC_SCHEDULE), &kScreenshotDate);
    MarkDays(dialog);
    SetDlgItemTextA(GetDlgItem(dialog, STSB_AUTO_BAR), STSB_AUTO_CLOCK, SCREENSHOT_CLOCK);
    ShowWindow(dialog, SW_SHOWNORMAL);
    SetFocus(NULL);

    for (page = 0; page < PAGE_COUNT; ++page) {
        PageSwitcher_SelectPage(pages, page);
        SetFocus(NULL);
        failures += !Shoot(dialog, directory, kPageFiles[page]);
    }

    /* States of the buttons page: a focused button (its help text in the
     * status bar), a pressed one. */
    PageSwitcher_SelectPage(pages, 0);
    button = GetDlgItem(dialog, QBPIC_NOTEBOOK);
    SetFocus(button);
    failures += !Shoot(dialog, directory, "state-focused");
    SendMessageA(GetDlgItem(dialog, QBPIC_PRINTER), BM_SETSTATE, TRUE, 0);
    failures += !Shoot(dialog, directory, "state-pressed");
    SendMessageA(GetDlgItem(dialog, QBPIC_PRINTER), BM_SETSTATE, FALSE, 0);

    /* Every choice disabled. */
    PageSwitcher_SelectPage(pages, 1);
    SetFocus(NULL);
    for (id = IDC_CHOICE_FIRST; id <= IDC_CHOICE_LAST; ++id) {
        if (GetDlgItem(dialog, id) != NULL) {
            EnableWindow(GetDlgItem(dialog, id), FALSE);
        }
    }
    failures += !Shoot(dialog, directory, "state-disabled");

    /* The next page chosen with the arrow key on the focused tab. */
    PageSwitcher_SelectPage(pages, 2);
    SetFocus(FindTab(dialog, 2));
    PressKey(dialog, VK_RIGHT);
    failures += !Shoot(dialog, directory, "state-keyboard");

    DestroyWindow(dialog);
    return failures == 0 ? 0 : 1;
}

int main(int argc, char** argv) {
    int result;
    g_instance = GetModuleHandleA(NULL);
    /* Names the classes in its templates only: this call makes the
     * program import QUORL32.DLL, which registers them. */
    InitQuorl();
    if (argc == 3 && strcmp(argv[1], "--screenshots") == 0) {
        result = TakeScreenshots(argv[2]);
    } else if (argc == 1) {
        result = RunInteractive();
    } else if (argc == 3 && strcmp(argv[1], "--log") == 0) {
        g_log = fopen(argv[2], "w");
        if (g_log == NULL) {
            fprintf(stderr, "gallery: %s could not be opened\n", argv[2]);
            result = 1;
        } else {
            g_focusNotify = RegisterWindowMessageA(BWM_FOCUSNOTIFY_NAMEA);
            result = RunInteractive();
            fclose(g_log);
        }
    } else {
        fprintf(stderr, "usage: gallery [--screenshots DIRECTORY | --log FILE]\n");
        result = 2;
    }
    ExitQuorl();
    return result;
}
