/* A Unicode program (built with UNICODE) that creates every class of the
 * library by its TCHAR name and drives it only through the wrappers of
 * quorl32x.h. The controls are ANSI windows: texts set and read through
 * the wide functions are converted at the window-manager boundary.
 * Prints each failed check and exits with the number of failures. */
#include <stdio.h>
#include <string.h>
#include <wchar.h>

#include "quorl32x.h"

#ifndef UNICODE
#error "built with UNICODE"
#endif

static int g_failures;

#define CHECK(condition)                                                                           \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            printf("line %d: %s\n", __LINE__, #condition);                                         \
            ++g_failures;                                                                          \
        }                                                                                          \
    } while (0)

static HWND Create(LPCTSTR className, LPCTSTR text, DWORD style, HWND parent, int id) {
    HWND window = CreateWindowEx(0, className, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 200, 60,
                                 parent, (HMENU)(INT_PTR)id, GetModuleHandle(NULL), NULL);
    CHECK(window != NULL);
    return window;
}

/* "Größe" in wide characters and in the ANSI code page the test prefix uses
 * (1252). */
static const WCHAR kWideText[] = L"Gr\x00F6\x00DF"
                                 L"e";
static const char kAnsiText[] = "Gr\xF6\xDF"
                                "e";

static void TextCrossesTheBoundary(HWND parent) {
    WCHAR wide[32];
    char ansi[32];
    HWND label = Create(GTEXT_CLASS, kWideText, 0, parent, 10);
    CHECK(GetWindowText(label, wide, 32) == 5 && wcscmp(wide, kWideText) == 0);
    CHECK(GetWindowTextA(label, ansi, 32) == 5 && strcmp(ansi, kAnsiText) == 0);
    DestroyWindow(label);
}

static void ButtonsAndFieldNames(HWND parent) {
    char field[16] = "";
    HWND button = Create(QUORL_CLASS, L"OK,Knopf", 0, parent, 11);
    HWND check = Create(QUCHECK_CLASS, L"Wahl,Feld", QCS_AUTOCHECKBOX, parent, 12);
    CHECK(Quorl_GetFieldName(button, field, sizeof field) && strcmp(field, "Knopf") == 0);
    CHECK(Quorl_GetFieldName(check, field, sizeof field) && strcmp(field, "Feld") == 0);
    SendMessage(button, BM_SETSTATE, TRUE, 0);
    CHECK((PushButton_GetState(button) & QSTATE_PUSHED) != 0);
    SendMessage(check, BM_SETCHECK, BST_CHECKED, 0);
    CHECK((CheckButton_GetState(check) & QCSTATE_CHECKED) != 0);
    PushButton_SetBitmap(button, CreateBitmap(8, 8, 1, 1, NULL), NULL);
    DestroyWindow(check);
    DestroyWindow(button);
}

static void Gauge(HWND parent) {
    HWND gauge = Create(GAUGE_CLASS, L"", GAUGE_PERCENT, parent, 13);
    Gauge_SetRange(gauge, 200);
    Gauge_SetPos(gauge, 50);
    Gauge_AddPos(gauge, -20);
    CHECK(Gauge_GetRange(gauge) == 200 && Gauge_GetPos(gauge) == 30);
    DestroyWindow(gauge);
}

static void Schedule(HWND parent) {
    DateRec christmas = {2026, 24, 12}, read = {2000, 1, 1}, bad = {2026, 31, 2};
    HWND schedule = Create(GSHED_CLASS, L"", 0, parent, 14);
    CHECK(Schedule_SetDate(schedule, &christmas));
    CHECK(!Schedule_SetDate(schedule, &bad));
    CHECK(Schedule_GetDate(schedule, &read));
    CHECK(read.year == 2026 && read.month == 12 && read.day == 24);
    Schedule_SetMarks(schedule, "1.12-3.12");
    Schedule_Refresh(schedule, TRUE, FALSE);
    DestroyWindow(schedule);
}

static void StatusBar(HWND parent) {
    WCHAR text[16];
    HWND bar = Create(QUSTSB_CLASS, L"", 0, parent, 15);
    HWND field = StsbAddField(bar, GetModuleHandle(NULL), 16, 40, 80, 0);
    CHECK(field != NULL);
    SetWindowText(field, L"!Fehler");
    CHECK(GetWindowText(field, text, 16) == 7 && wcscmp(text, L"!Fehler") == 0);
    CHECK(StatusField_GetLong(field, STSFWL_MINWIDTH) == 40);
    (void)StatusField_SetLong(field, STSFWL_MAXWIDTH, 120);
    CHECK(StatusField_GetLong(field, STSFWL_MAXWIDTH) == 120);
    DestroyWindow(bar);
}

static void PageSwitcher(HWND parent) {
    char name[16] = "x";
    HWND pages = Create(GSEITE_CLASS, L"", 0, parent, 17);
    CHECK(PageSwitcher_GetPageCount(pages) == 0);
    CHECK(PageSwitcher_GetCurPage(pages, name, sizeof name) == -1);
    /* A missing template is counted as a name but adds no page. */
    CHECK(PageSwitcher_AddPages(pages, GetModuleHandle(NULL), "FEHLT") == 1);
    CHECK(PageSwitcher_GetPageCount(pages) == 0);
    PageSwitcher_SelectPage(pages, 0);
    PageSwitcher_RemovePageByName(pages, "FEHLT");
    DestroyWindow(pages);
}

static INT_PTR CALLBACK FrameProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    (void)dialog, (void)message, (void)wParam, (void)lParam;
    return FALSE;
}

/* A dialog of the frame class, from an in-memory template naming it. */
static void DialogFrame(void) {
    struct {
        DLGTEMPLATE header;
        WORD menu, windowClass[sizeof BORDLGPLAGIAT_CLASS / sizeof(WCHAR)], title;
    } templ;
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    HWND dialog;
    memset(&templ, 0, sizeof templ);
    templ.header.style = WS_POPUP;
    templ.header.cx = 100;
    templ.header.cy = 50;
    memcpy(templ.windowClass, BORDLGPLAGIAT_CLASS, sizeof BORDLGPLAGIAT_CLASS);
    dialog = CreateDialogIndirectParam(GetModuleHandle(NULL), &templ.header, NULL, FrameProc, 0);
    CHECK(dialog != NULL);
    DialogFrame_SetBrush(dialog, brush);
    CHECK(DialogFrame_GetBrush(dialog) == brush);
    DialogFrame_SetUserData(dialog, 0x12345);
    CHECK(DialogFrame_GetUserData(dialog) == 0x12345);
    DestroyWindow(dialog);
    DeleteObject(brush);
}

int main(void) {
    HWND parent;
    InitQuorl(); /* names only classes otherwise: this imports the DLL */
    parent = CreateWindowEx(0, L"STATIC", L"", WS_POPUP, 0, 0, 400, 300, NULL, NULL, NULL, NULL);
    TextCrossesTheBoundary(parent);
    ButtonsAndFieldNames(parent);
    Gauge(parent);
    Schedule(parent);
    StatusBar(parent);
    PageSwitcher(parent);
    DialogFrame();
    DestroyWindow(parent);
    ExitQuorl();
    printf("%d failed\n", g_failures);
    return g_failures;
}
