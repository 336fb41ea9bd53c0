/*
 * quorl32.h - public interface of QUORL32.DLL, the light-grey 3-D control
 * library: exported functions, window classes, messages, style bits,
 * records and window-long indexes.
 *
 * Usable from C (C99 and later) and C++. Link with the import library, or
 * load QUORL32.DLL and resolve the functions by name or ordinal.
 *
 * Window longs: numbers are 32 bits (GetWindowLongA); slots holding a
 * handle, pointer or procedure are pointer-sized (GetWindowLongPtrA). Each
 * index is the one before it plus the size of that slot, so on 32-bit
 * Windows every slot is 4 bytes and on 64-bit Windows the handle slots take
 * 8 bytes and move the indexes after them.
 *
 * Style bits and state bits are in quorl32_styles.h (included here).
 */
#ifndef QUORL32_H
#define QUORL32_H

#include <windows.h>

#include "quorl32_styles.h"

/* Version of this interface and of the DLL built with it: the one place it
 * is written (the build and the DLL's version resource read it here).
 * QUORL32_VERSION packs it as 0xMMmmpp for comparisons. */
#define QUORL32_VERSION_MAJOR 1
#define QUORL32_VERSION_MINOR 1
#define QUORL32_VERSION_PATCH 0
#define QUORL32_VERSION                                                                            \
    ((QUORL32_VERSION_MAJOR << 16) | (QUORL32_VERSION_MINOR << 8) | QUORL32_VERSION_PATCH)

#ifdef __cplusplus
extern "C" {
#endif

/* Names come in three forms, as the system's own control headers give
 * them: NAMEA (char), NAMEW (wide) and NAME, which follows UNICODE. The
 * controls themselves are ANSI windows; a Unicode program names them with
 * the W or TCHAR form and the window manager converts texts at the
 * boundary. */
#ifdef UNICODE
#define QUORL_NAME_AW(name) name##W
#else
#define QUORL_NAME_AW(name) name##A
#endif

/* Sizes of the two kinds of window-long slot (C++ gets functional casts,
 * which strict warning sets accept). */
#ifdef __cplusplus
#define QUORL_WL_NUMBER int(sizeof(LONG))
#define QUORL_WL_HANDLE int(sizeof(LONG_PTR))
#else
#define QUORL_WL_NUMBER ((int)sizeof(LONG))
#define QUORL_WL_HANDLE ((int)sizeof(LONG_PTR))
#endif

#ifdef QUORL32_BUILDING
#define QUORL32_API
#else
#define QUORL32_API __declspec(dllimport)
#endif

/* ---------------------------------------------------------------------
 * Library lifecycle (ordinals 2 to 5)
 * ------------------------------------------------------------------ */

/* The library initialises itself when it is loaded. InitQuorl and
 * ExitQuorl keep a reference count for programs that want to release the
 * shared font and pens while the DLL stays loaded. */
QUORL32_API void WINAPI InitQuorl(void);
QUORL32_API void WINAPI ExitQuorl(void);
/* Releases the shared objects; always returns 1. */
QUORL32_API int WINAPI WEP(int unused);
/* The DLL's entry point is exported too (ordinal 4). It is not declared
 * here, so that a DLL including this header can have its own DllMain. */
typedef BOOL(WINAPI* QUORL_DLLMAIN_PROC)(HINSTANCE instance, DWORD reason, LPVOID reserved);

/* Ordinals of the exports, for GetProcAddress(module, MAKEINTRESOURCEA(n)). */
#define QUORL_ORD_INITQUORL         2
#define QUORL_ORD_EXITQUORL         3
#define QUORL_ORD_DLLMAIN           4
#define QUORL_ORD_WEP               5
#define QUORL_ORD_STSBCREATE        7
#define QUORL_ORD_STSBADJUST        8
#define QUORL_ORD_STSBADDFIELD      9
#define QUORL_ORD_STSBGETHEIGHT     10
#define QUORL_ORD_STSBAUTOINFO      11
#define QUORL_ORD_LOADBITMAPPALETTE 12
#define QUORL_ORD_STRINGTODATE      13
#define QUORL_ORD_DAYOFDATE         14
#define QUORL_ORD_ADDNDAYS          15

/* Profile section and keys the library reads from WIN.INI. */
#define QUORL_PROFILE_SECTIONA  "Vemto"
#define QUORL_PROFILE_SECTIONW  L"Vemto"
#define QUORL_PROFILE_SECTION   QUORL_NAME_AW(QUORL_PROFILE_SECTION)
#define QUORL_PROFILE_FONTA     "Quorlfont" /* "face,points,weight", default "Modern,8,500" */
#define QUORL_PROFILE_FONTW     L"Quorlfont"
#define QUORL_PROFILE_FONT      QUORL_NAME_AW(QUORL_PROFILE_FONT)
#define QUORL_PROFILE_HOLIDAYSA "FreiTage"
#define QUORL_PROFILE_HOLIDAYSW L"FreiTage"
#define QUORL_PROFILE_HOLIDAYS  QUORL_NAME_AW(QUORL_PROFILE_HOLIDAYS)

/* ---------------------------------------------------------------------
 * Registered messages (RegisterWindowMessageA with these names)
 * ------------------------------------------------------------------ */

/* wParam: buffer size in bytes, lParam: buffer. Asks a control for the
 * field name that followed the comma in its creation text. */
#define BWM_GETFIELDNAME_NAMEA "BWM_GETFIELDNAME"
#define BWM_GETFIELDNAME_NAMEW L"BWM_GETFIELDNAME"
#define BWM_GETFIELDNAME_NAME  QUORL_NAME_AW(BWM_GETFIELDNAME_NAME)
/* Sent by the graphic buttons to their parent on every focus change.
 * wParam: control id; LOWORD(lParam): low 16 bits of the button's window
 * handle; HIWORD(lParam): WM_SETFOCUS or WM_KILLFOCUS. */
#define BWM_FOCUSNOTIFY_NAMEA "BWM_FOCUSNOTIFY"
#define BWM_FOCUSNOTIFY_NAMEW L"BWM_FOCUSNOTIFY"
#define BWM_FOCUSNOTIFY_NAME  QUORL_NAME_AW(BWM_FOCUSNOTIFY_NAME)
/* wParam: device context; asks a check button to draw itself into it. */
#define BWM_PAINTDC_NAMEA "BWM_PAINTDC"
#define BWM_PAINTDC_NAMEW L"BWM_PAINTDC"
#define BWM_PAINTDC_NAME  QUORL_NAME_AW(BWM_PAINTDC_NAME)

/* ---------------------------------------------------------------------
 * Palette bitmap loading (ordinal 12)
 * ------------------------------------------------------------------ */

/* Loads a bitmap resource; an 8-bit picture keeps its own colours through a
 * logical palette returned in *palette (null for any other picture). Both
 * outputs are always written; returns TRUE when a bitmap was obtained. The
 * caller owns and deletes both. */
QUORL32_API BOOL WINAPI LoadBitmapPalette(HINSTANCE instance, LPCSTR name, HBITMAP* bitmap,
                                          HPALETTE* palette);

/* ---------------------------------------------------------------------
 * Graphic push button, class "QUORL"
 * ------------------------------------------------------------------ */
#define QUORL_CLASSA "QUORL"
#define QUORL_CLASSW L"QUORL"
#define QUORL_CLASS  QUORL_NAME_AW(QUORL_CLASS)

#define QBWL_STATE 4                              /* control state word (QSTATE_* and QBSTATE_*) */
#define QBWL_DATA  (QBWL_STATE + QUORL_WL_NUMBER) /* local memory block (pointer-sized) */

/* Replaces the picture. wParam: bitmap (HBITMAP), lParam: its palette
 * (HPALETTE) or 0. The button owns and deletes both from then on. */
#define QBM_SETBITMAP 0x00FE

/* Timer of a button with QBS_AUTOSCROLL: one pixel every 100 ms. */
#define QB_AUTOSCROLL_TIMER 1

/* The button finds its picture by its control id: first among the
 * library's stock pictures below, then among the bitmaps of the parent's
 * module and of the button's own module. On palette displays the id plus
 * QB_PALETTE_PICTURE_OFFSET is tried first (a 256-colour variant). Give a
 * button one of these ids to show the stock picture (width x height): */
#define QB_PALETTE_PICTURE_OFFSET 0x4000
#define QBPIC_CHECKMARK           1    /* 24 x 25 green check mark (IDOK) */
#define QBPIC_CROSS               2    /* 21 x 25 red cross (IDCANCEL) */
#define QBPIC_FORBIDDEN           7    /* 28 x 29 circle with a diagonal bar */
#define QBPIC_NOTEBOOK            981  /* 32 x 32 ring-bound notebook */
#define QBPIC_PRINTER             982  /* 24 x 24 printer */
#define QBPIC_ENVELOPE            983  /* 23 x 17 envelope */
#define QBPIC_FOLDER              984  /* 20 x 18 folder */
#define QBPIC_PENCIL              985  /* 14 x 27 upright pencil */
#define QBPIC_ARROWRIGHT          986  /* 22 x 8 arrow pointing right */
#define QBPIC_TRASHCAN            987  /* 26 x 30 trash can */
#define QBPIC_FLOPPY              988  /* 27 x 23 floppy disk */
#define QBPIC_DOCUMENT            989  /* 17 x 26 page with a folded corner */
#define QBPIC_QUESTION            990  /* 19 x 29 question mark */
#define QBPIC_MAGNIFIER           991  /* 14 x 16 magnifying glass */
#define QBPIC_HOURGLASS           992  /* 17 x 21 hourglass */
#define QBPIC_KEY                 993  /* 18 x 11 key */
#define QBPIC_CLOCK               994  /* 20 x 23 clock */
#define QBPIC_PADLOCK             995  /* 15 x 20 padlock */
#define QBPIC_HOUSE               996  /* 18 x 20 house */
#define QBPIC_CALENDAR            997  /* 22 x 24 calendar sheet */
#define QBPIC_MONITOR             998  /* 23 x 20 computer screen */
#define QBPIC_UPDOWN              999  /* 16 x 28 arrow pointing up and down */
#define QBPIC_WEDGE               5007 /* 10 x 21 narrow downward-pointing wedge */

/* ---------------------------------------------------------------------
 * Graphic check box and radio button, class "QUCHECK"
 * ------------------------------------------------------------------ */
#define QUCHECK_CLASSA "QUCHECK"
#define QUCHECK_CLASSW L"QUCHECK"
#define QUCHECK_CLASS  QUORL_NAME_AW(QUCHECK_CLASS)

#define QCWL_STATE 4                              /* control state word (QSTATE_* and QCSTATE_*) */
#define QCWL_DATA  (QCWL_STATE + QUORL_WL_NUMBER) /* local memory block (pointer-sized) */

/* Creation data of a tab-mode control (lpParam of CreateWindowExA): the
 * window that receives GSM_TABACTIVATED, and the name of the one bitmap
 * the tab shows in every state (a string or MAKEINTRESOURCEA id). */
typedef struct CheckTabParams {
    HWND owner;
    LPCSTR bitmapName;
} CheckTabParams;

/* ---------------------------------------------------------------------
 * Progress gauge, class "GAUGE"
 * ------------------------------------------------------------------ */
#define GAUGE_CLASSA "GAUGE"
#define GAUGE_CLASSW L"GAUGE"
#define GAUGE_CLASS  QUORL_NAME_AW(GAUGE_CLASS)

#define GAUGEWL_RANGE 0                                 /* position that means 100 % */
#define GAUGEWL_POS   (GAUGEWL_RANGE + QUORL_WL_NUMBER) /* current position */
#define GAUGEWL_FONT  (GAUGEWL_POS + QUORL_WL_NUMBER)   /* text font, not owned (pointer-sized) */

/* Messages, result 0; a change is painted before the message returns. */
#define GAUGE_SETRANGE (WM_USER + 0)  /* wParam: new range (may be 0 or negative) */
#define GAUGE_SETPOS   (WM_USER + 4)  /* wParam: new position */
#define GAUGE_ADDPOS   (WM_USER + 10) /* wParam: signed amount added to the position */

/* ---------------------------------------------------------------------
 * Text label, class "GTEXT"
 * ------------------------------------------------------------------ */
#define GTEXT_CLASSA "GTEXT"
#define GTEXT_CLASSW L"GTEXT"
#define GTEXT_CLASS  QUORL_NAME_AW(GTEXT_CLASS)

#define GTWL_FONT      0 /* font for the text, not owned (pointer-sized) */
#define GTWL_FIELDNAME (GTWL_FONT + QUORL_WL_HANDLE) /* field-name block or 0 (pointer-sized) */

/* ---------------------------------------------------------------------
 * Page switcher, class "GSEITE"
 * ------------------------------------------------------------------ */
#define GSEITE_CLASSA "GSEITE"
#define GSEITE_CLASSW L"GSEITE"
#define GSEITE_CLASS  QUORL_NAME_AW(GSEITE_CLASS)

/* A page argument (lParam of the page messages, GSPAGEHOOK.page) is a page
 * index when it is below 0x10000, otherwise a pointer to a page name: the
 * template name under which the page was added, compared case-sensitively
 * over 13 characters. */
#define GSM_ADDPAGES                                                                               \
    (WM_USER + 11)                    /* wParam: module of the templates; lParam: names            \
                                         joined by "+". Result: the number of names */
#define GSM_SELECTPAGE (WM_USER + 12) /* lParam: page argument */
#define GSM_GETCURPAGE                                                                             \
    (WM_USER + 13)                      /* wParam: buffer size, lParam: buffer for the             \
                                           name, or 0. Result: index, -1 = none */
#define GSM_REMOVEPAGE   (WM_USER + 14) /* lParam: page argument */
#define GSM_GETPAGECOUNT (WM_USER + 15) /* result: number of pages */
/* Sent to the switcher by a tab it owns when the tab is activated.
 * wParam: the tab window; lParam: low 16 bits of the tab window handle. */
#define GSM_TABACTIVATED (WM_USER + 0x141)
#define GSM_SETPAGEHOOK  (WM_USER + 0x142) /* lParam: GSPAGEHOOK*, copied */

/* Notification codes (high word of wParam of WM_COMMAND to the parent;
 * lParam is a number, not a window). */
#define GSN_PAGECHANGED 0x0F /* lParam: index of the page now shown */
#define GSN_PAGEADDED   0x10 /* lParam: index of the new page */
#define GSN_PAGEREMOVED 0x11 /* lParam: number of the page's controls destroyed */

/* A page hook sees every message of the hooked dialog (GSS_HOOKDIALOG)
 * before the dialog does, while its page exists; a result other than 0
 * ends the message there. Before each call the switcher's window long
 * GSWL_HOOKDATA holds hookData. */
typedef struct GSPAGEHOOK {
    WNDPROC hookProc;
    LONG_PTR hookData;
    LPARAM page; /* page argument; 0 is refused */
} GSPAGEHOOK;

#define GSWL_BLOCK    4                                /* control block (pointer-sized) */
#define GSWL_OLDPROC  (GSWL_BLOCK + QUORL_WL_HANDLE)   /* the hooked dialog's previous procedure */
#define GSWL_HOOKDATA (GSWL_OLDPROC + QUORL_WL_HANDLE) /* data of the page hook being called */

/* ---------------------------------------------------------------------
 * Dialog frame, class "BORDLGPLAGIAT"
 * ------------------------------------------------------------------ */
#define BORDLGPLAGIAT_CLASSA "BORDLGPLAGIAT"
#define BORDLGPLAGIAT_CLASSW L"BORDLGPLAGIAT"
#define BORDLGPLAGIAT_CLASS  QUORL_NAME_AW(BORDLGPLAGIAT_CLASS)

/* The dialog manager owns the first bytes of a dialog's extra bytes: 30 on
 * 32-bit Windows, 48 on 64-bit Windows (it keeps a pointer at offset 24
 * there). The frame's slots follow. */
#define QUORL_DIALOG_MANAGER_BYTES (QUORL_WL_HANDLE == 8 ? 48 : 30)
#define BDWL_BRUSH                 QUORL_DIALOG_MANAGER_BYTES /* background, 0 = LTGRAY_BRUSH (pointer-sized) */
#define BDWL_ICON                  (BDWL_BRUSH + QUORL_WL_HANDLE) /* icon drawn while minimised, 0 = none */
#define BDWL_USER                  (BDWL_ICON + QUORL_WL_HANDLE) /* the application's own value */

/* Private messages. The setters reach the dialog procedure too; the getters
 * are answered by the frame alone. Handles and the value are kept whole. */
#define BDM_SETBRUSH    0x7549 /* wParam: background brush, 0 = light grey; repaints */
#define BDM_GETBRUSH    0x754A
#define BDM_SETICON     0x754B /* wParam: icon drawn while minimised, 0 = none */
#define BDM_GETICON     0x754C
#define BDM_SETUSERDATA 0x754D /* lParam: the application's value */
#define BDM_GETUSERDATA 0x754E

/* ---------------------------------------------------------------------
 * Status bar, classes "QuStsb" and "QuStsf" (ordinals 7 to 11)
 * ------------------------------------------------------------------ */
#define QUSTSB_CLASSA "QuStsb"
#define QUSTSB_CLASSW L"QuStsb"
#define QUSTSB_CLASS  QUORL_NAME_AW(QUSTSB_CLASS)
#define QUSTSF_CLASSA "QuStsf"
#define QUSTSF_CLASSW L"QuStsf"
#define QUSTSF_CLASS  QUORL_NAME_AW(QUSTSF_CLASS)

#define STSFWL_MINWIDTH 0                                   /* minimum width in pixels */
#define STSFWL_MAXWIDTH (STSFWL_MINWIDTH + QUORL_WL_NUMBER) /* maximum width, 0 = none */
#define STSFWL_WIDTH    (STSFWL_MAXWIDTH + QUORL_WL_NUMBER) /* current width, set by the bar */

/* Read and write a field's width slots. wParam: STSFWL_MINWIDTH,
 * STSFWL_MAXWIDTH or STSFWL_WIDTH (any other index answers 0 and changes
 * nothing); lParam: the new value. Both return the slot's value. */
#define STSF_GETLONG 0x08CE
#define STSF_SETLONG 0x08CF

/* StsbAutoInfo's bar on a dialog: the bar, its help-text field (50 to 1000
 * pixels) and clock field (90 pixels), and the clock's timer on the dialog. */
#define STSB_AUTO_BAR   160
#define STSB_AUTO_HELP  161
#define STSB_AUTO_CLOCK 162
#define STSB_AUTO_TIMER 160

/* A field text that starts with "!" shows the rest in dark red, one that
 * starts with "?" in dark green. */

/* Creates a bar (a bordered child at 0, 0 of size 0); null on failure. */
QUORL32_API HWND WINAPI StsbCreate(HWND parent, HINSTANCE instance, int id);
/* Places the bar along the bottom of the parent's client area, its lower
 * border line just below it; a null bar moves nothing. Always TRUE. */
QUORL32_API BOOL WINAPI StsbAdjust(HWND parent, HWND bar);
/* Adds a field. A negative width counts characters of the status font. A
 * maximum above the minimum lets the field grow into free room; a minimum
 * with maximum 0 fills what is left. The field is placed at the bar's next
 * WM_SIZE (StsbAdjust). Null on failure. */
QUORL32_API HWND WINAPI StsbAddField(HWND bar, HINSTANCE instance, int id, int minWidth,
                                     int maxWidth, LONG reserved);
/* Client height of a window (normally the bar); 0 when it cannot be read. */
QUORL32_API int WINAPI StsbGetHeight(HWND window);
/* Call from a dialog procedure with every message, before handling it: at
 * WM_INITDIALOG it adds the bar STSB_AUTO_BAR with a help field and a
 * local-time clock, then shows the help strings (string resources of the
 * dialog's module, by menu item or control id) of highlighted menu items,
 * commands and focus changes (BWM_FOCUSNOTIFY). Grayed menu items get
 * " (nicht verfügbar)" (code page 1252) appended. */
QUORL32_API LRESULT WINAPI StsbAutoInfo(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

/* ---------------------------------------------------------------------
 * Schedule control, class "GSHED"
 * ------------------------------------------------------------------ */
#define GSHED_CLASSA "GSHED"
#define GSHED_CLASSW L"GSHED"
#define GSHED_CLASS  QUORL_NAME_AW(GSHED_CLASS)

#define GSHWL_BLOCK 0                               /* schedule state block (pointer-sized) */
#define GSHWL_FOCUS (GSHWL_BLOCK + QUORL_WL_HANDLE) /* 1 while the control has the focus */

/* Messages. A valid date has a month 1 to 12, a year QUORL_FIRST_YEAR to
 * QUORL_LAST_YEAR and a day 1 to the length of its month.
 * GSHM_GETDATE  lParam: DateRec* holding a valid date; 1 and the control's
 *               date, 0 (record untouched) otherwise.
 * GSHM_SETDATE  lParam: const DateRec*; 1 when valid and taken, else 0.
 * GSHM_SETMARKS lParam: mark text such as "4.12.1995-6.12.1995, 24.12"; the
 *               bars stay until the next month change; 0.
 * GSHM_REFRESH  wParam: erase on repaint; lParam: -1 keeps the holiday list,
 *               anything else reads it again from the profile; 0. */
#define GSHM_GETDATE  (WM_USER + 1)
#define GSHM_SETDATE  (WM_USER + 2)
#define GSHM_SETMARKS (WM_USER + 3)
#define GSHM_REFRESH  (WM_USER + 6)

/* Notification codes: WM_COMMAND, high word of wParam; lParam the control.
 * GSHN_DAYCHANGED also ends every successful GSHM_GETDATE and GSHM_SETDATE;
 * after GSHN_MONTHCHANGED the marks are gone and may be sent again. */
#define GSHN_DAYCHANGED   5
#define GSHN_MONTHCHANGED 6
#define GSHN_DATECHOSEN   7 /* space bar or double-click on a day */
#define GSHN_SETFOCUS     0x0100
#define GSHN_KILLFOCUS    0x0200

/* ---------------------------------------------------------------------
 * Dates (ordinals 13 to 15)
 * ------------------------------------------------------------------ */

/* DateRec, DateEntry, QUORL_FIRST_YEAR and QUORL_LAST_YEAR. */
#include "quorl32_dates.h"

/* Reads a typed date into *date: "24.12.95", "24,12,2005", "24.12" (the
 * year of the first call in the process), "2412", "241295"; only the first
 * 14 characters count. Two-digit years below 20 are 20xx, the others 19xx.
 * TRUE for a date from 1921 to QUORL_LAST_YEAR with day 1 to 31 and month 1
 * to 12 (the day is not checked against the month's length), and for the
 * empty date ("0.0.0", "000000"). FALSE for anything else, for a null date
 * and for a text address below 0x10000 (the record is then untouched). */
QUORL32_API BOOL WINAPI StringToDate(LPCSTR text, DateRec* date);
/* Weekday of a date: 0 Monday ... 6 Sunday; -1 for a null date. A month
 * outside 1 to 12 counts on into the neighbouring years. */
QUORL32_API int WINAPI DayOfDate(const DateRec* date);
/* Moves a date by n days (negative: back); 0 when the month number stayed
 * the same, otherwise n. A record with a month outside 1 to 12, or whose
 * year would leave the 16-bit field, is left unchanged and 0 returned. */
QUORL32_API int WINAPI AddNDays(DateRec* date, int n);

#ifdef __cplusplus
}
#endif

#endif /* QUORL32_H */
