/*
 * quorl32.h - public interface of QUORL32.DLL, the light-grey 3-D control
 * library: exported functions, window classes, messages, style bits,
 * records and window-long indexes.
 *
 * Usable from C (C99 and later) and C++. Link with the import library, or
 * load QUORL32.DLL and resolve the functions by name or ordinal.
 *
 * Window longs: numbers are 32 bits (GetWindowLongA); slots holding a
 * handle, pointer or procedure are pointer-sized (GetWindowLongPtrA). On
 * 32-bit Windows every slot is 4 bytes; on 64-bit Windows the handle slots
 * take 8 bytes and the indexes after them move accordingly, as given below.
 */
#ifndef QUORL32_H
#define QUORL32_H

#include <windows.h>

#ifdef __cplusplus
extern "C" {
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
#define QUORL_PROFILE_SECTION  "Vemto"
#define QUORL_PROFILE_FONT     "Quorlfont" /* "face,points,weight", default "Modern,8,500" */
#define QUORL_PROFILE_HOLIDAYS "FreiTage"

/* ---------------------------------------------------------------------
 * Registered messages (RegisterWindowMessageA with these names)
 * ------------------------------------------------------------------ */

/* wParam: buffer size in bytes, lParam: buffer. Asks a control for the
 * field name that followed the comma in its creation text. */
#define BWM_GETFIELDNAME_NAME "BWM_GETFIELDNAME"
/* Sent by the graphic buttons to their parent on every focus change.
 * wParam: control id; LOWORD(lParam): low 16 bits of the button's window
 * handle; HIWORD(lParam): WM_SETFOCUS or WM_KILLFOCUS. */
#define BWM_FOCUSNOTIFY_NAME "BWM_FOCUSNOTIFY"
/* wParam: device context; asks a check button to draw itself into it. */
#define BWM_PAINTDC_NAME "BWM_PAINTDC"

/* Style bit shared by the graphic controls: keep the library's control
 * font and ignore WM_SETFONT. */
#define QUORL_STYLE_SHAREDFONT 0x0100L

/* Bits of the control state word of the two button classes. */
#define QSTATE_DISABLED 0x01L
#define QSTATE_FOCUSED  0x02L
#define QSTATE_PUSHED   0x04L
#define QSTATE_TRACKING 0x08L
#define QSTATE_OUTSIDE  0x10L

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
#define QUORL_CLASS "QUORL"

#define QBWL_STATE 4 /* control state word (QSTATE_* and QBSTATE_*) */
#define QBWL_DATA  8 /* local memory block (pointer-sized) */

/* Window styles. The low five bits follow the system's push buttons:
 * BS_DEFPUSHBUTTON (1) makes the button the dialog's default button. */
#define QBS_PICTURE    0x0002L /* picture panel: no frame or caption, scrolls its picture */
#define QBS_SHAREDFONT QUORL_STYLE_SHAREDFONT /* caption in the library's control font */
#define QBS_AUTOSCROLL 0x0200L /* slide the picture up and down by itself (timer 1) */

/* Class-specific bits of the control state word. */
#define QBSTATE_DEFAULT  0x20L /* the dialog's default push button */
#define QBSTATE_SCROLLUP 0x40L /* automatic scrolling currently moves upward */

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
#define QUCHECK_CLASS "QUCHECK"

#define QCWL_STATE 4 /* control state word (QSTATE_* and QCSTATE_*) */
#define QCWL_DATA  8 /* local memory block (pointer-sized) */

/* ---------------------------------------------------------------------
 * Progress gauge, class "GAUGE"
 * ------------------------------------------------------------------ */
#define GAUGE_CLASS "GAUGE"

#define GAUGEWL_RANGE 0 /* position that means 100 % */
#define GAUGEWL_POS   4 /* current position */
#define GAUGEWL_FONT  8 /* font for the gauge's text, not owned (pointer-sized) */

/* ---------------------------------------------------------------------
 * Text label, class "GTEXT"
 * ------------------------------------------------------------------ */
#define GTEXT_CLASS "GTEXT"

#define GTWL_FONT 0 /* font for the text, not owned (pointer-sized) */
#ifdef _WIN64
#define GTWL_FIELDNAME 8
#else
#define GTWL_FIELDNAME 4 /* field-name block or 0 (pointer-sized) */
#endif

/* ---------------------------------------------------------------------
 * Page switcher, class "GSEITE"
 * ------------------------------------------------------------------ */
#define GSEITE_CLASS "GSEITE"

#define GSWL_BLOCK 4 /* control block (pointer-sized) */
#ifdef _WIN64
#define GSWL_OLDPROC  12
#define GSWL_HOOKDATA 20
#else
#define GSWL_OLDPROC  8  /* the hooked dialog's previous procedure (pointer-sized) */
#define GSWL_HOOKDATA 12 /* data of the page hook being called (pointer-sized) */
#endif

/* ---------------------------------------------------------------------
 * Dialog frame, class "BORDLGPLAGIAT"
 * ------------------------------------------------------------------ */
#define BORDLGPLAGIAT_CLASS "BORDLGPLAGIAT"

/* The dialog manager owns the first bytes of a dialog's extra bytes: 30 on
 * 32-bit Windows, 48 on 64-bit Windows. The frame's slots follow. */
#ifdef _WIN64
#define BDWL_BRUSH 48
#define BDWL_ICON  56
#define BDWL_USER  64
#else
#define BDWL_BRUSH 30 /* background brush, 0 = LTGRAY_BRUSH (pointer-sized) */
#define BDWL_ICON  34 /* icon drawn while minimised, 0 = none (pointer-sized) */
#define BDWL_USER  38 /* the application's own value (pointer-sized) */
#endif

/* ---------------------------------------------------------------------
 * Status bar, classes "QuStsb" and "QuStsf" (ordinals 7 to 11)
 * ------------------------------------------------------------------ */
#define QUSTSB_CLASS "QuStsb"
#define QUSTSF_CLASS "QuStsf"

#define STSFWL_MINWIDTH 0 /* minimum width in pixels */
#define STSFWL_MAXWIDTH 4 /* maximum width in pixels, 0 = none */
#define STSFWL_WIDTH    8 /* current width, set by the bar's layout */

QUORL32_API HWND WINAPI StsbCreate(HWND parent, HINSTANCE instance, int id);
QUORL32_API BOOL WINAPI StsbAdjust(HWND parent, HWND bar);
QUORL32_API HWND WINAPI StsbAddField(HWND bar, HINSTANCE instance, int id, int minWidth,
                                     int maxWidth, LONG reserved);
QUORL32_API int WINAPI StsbGetHeight(HWND window);
QUORL32_API LRESULT WINAPI StsbAutoInfo(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

/* ---------------------------------------------------------------------
 * Schedule control, class "GSHED"
 * ------------------------------------------------------------------ */
#define GSHED_CLASS "GSHED"

#define GSHWL_BLOCK 0 /* schedule state block (pointer-sized) */
#ifdef _WIN64
#define GSHWL_FOCUS 8
#else
#define GSHWL_FOCUS 4 /* 1 while the control has the focus */
#endif

/* ---------------------------------------------------------------------
 * Dates (ordinals 13 to 15)
 * ------------------------------------------------------------------ */

#pragma pack(push, 1)
/* A calendar date in four bytes; all zero is the empty date. */
typedef struct DateRec {
    short year;        /* four-digit year; 0 = no year (holiday entries) */
    signed char day;   /* 1 to 31 */
    signed char month; /* 1 to 12 */
} DateRec;
#pragma pack(pop)

/* Reads a typed date ("24.12.95", "24.12.", "+3", ...); TRUE when accepted. */
QUORL32_API BOOL WINAPI StringToDate(LPCSTR text, DateRec* date);
/* Weekday of a date: 0 Monday ... 6 Sunday. */
QUORL32_API int WINAPI DayOfDate(const DateRec* date);
/* Moves a date by n days; 0 when the month stayed the same, otherwise n. */
QUORL32_API int WINAPI AddNDays(DateRec* date, int n);

#ifdef __cplusplus
}
#endif

#endif /* QUORL32_H */
