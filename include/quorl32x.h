/*
 * quorl32x.h - message wrappers for QUORL32's controls, in the manner of
 * windowsx.h: one macro per private message, with the message's arguments
 * as typed parameters and its result cast to a useful type.
 *
 * Usable from C and C++, with or without UNICODE. The controls are ANSI
 * windows: the wrappers send with SendMessageA, and the texts they carry
 * (page names, marks, field names) are char strings in every build.
 *
 * A wrapper expands to nothing but a SendMessageA call, so a message whose
 * name is not defined by quorl32.h (an older header) fails at the point of
 * use, not here.
 */
#ifndef QUORL32X_H
#define QUORL32X_H

#include "quorl32.h"

/* ---------------------------------------------------------------------
 * Registered messages, understood by the graphic controls
 * ------------------------------------------------------------------ */

/* Copies a control's field name (the part of its creation text after the
 * comma) into buffer (char, size bytes; at most size - 2 characters are
 * copied). TRUE when the control answered (QUORL, QUCHECK, GTEXT, GSHED). */
#define Quorl_GetFieldName(hwnd, buffer, size)                                                     \
    ((BOOL)(SendMessageA((hwnd), RegisterWindowMessageA(BWM_GETFIELDNAME_NAMEA), (WPARAM)(size),   \
                         (LPARAM)(LPSTR)(buffer)) != 0))

/* Asks a check button to draw a printable picture of itself (box, cross
 * when checked, caption) into the rectangle prect of a device context, in
 * that context's logical units (y growing upward, as on a printer page). */
#define CheckButton_PaintDC(hwnd, hdc, prect)                                                      \
    ((void)SendMessageA((hwnd), RegisterWindowMessageA(BWM_PAINTDC_NAMEA), (WPARAM)(HDC)(hdc),     \
                        (LPARAM)(const RECT*)(prect)))

/* ---------------------------------------------------------------------
 * Graphic push button, class QUORL
 * ------------------------------------------------------------------ */

/* Replaces the picture; the button owns bitmap and palette from then on. */
#define PushButton_SetBitmap(hwnd, hbitmap, hpalette)                                              \
    ((void)SendMessageA((hwnd), QBM_SETBITMAP, (WPARAM)(HBITMAP)(hbitmap),                         \
                        (LPARAM)(HPALETTE)(hpalette)))
/* The control state word (QSTATE_* and QBSTATE_* bits). */
#define PushButton_GetState(hwnd) ((LONG)GetWindowLongA((hwnd), QBWL_STATE))

/* ---------------------------------------------------------------------
 * Graphic check box and radio button, class QUCHECK: BM_GETCHECK and
 * BM_SETCHECK work as for the system's buttons (Button_GetCheck and
 * Button_SetCheck of windowsx.h).
 * ------------------------------------------------------------------ */

/* The control state word (QSTATE_* and QCSTATE_* bits). */
#define CheckButton_GetState(hwnd) ((LONG)GetWindowLongA((hwnd), QCWL_STATE))

/* ---------------------------------------------------------------------
 * Progress gauge, class GAUGE. Each change is painted before it returns.
 * ------------------------------------------------------------------ */

#define Gauge_SetRange(hwnd, range)                                                                \
    ((void)SendMessageA((hwnd), GAUGE_SETRANGE, (WPARAM)(int)(range), 0L))
#define Gauge_SetPos(hwnd, pos) ((void)SendMessageA((hwnd), GAUGE_SETPOS, (WPARAM)(int)(pos), 0L))
#define Gauge_AddPos(hwnd, delta)                                                                  \
    ((void)SendMessageA((hwnd), GAUGE_ADDPOS, (WPARAM)(int)(delta), 0L))
#define Gauge_GetRange(hwnd) ((int)GetWindowLongA((hwnd), GAUGEWL_RANGE))
#define Gauge_GetPos(hwnd)   ((int)GetWindowLongA((hwnd), GAUGEWL_POS))

/* ---------------------------------------------------------------------
 * Page switcher, class GSEITE
 * ------------------------------------------------------------------ */

/* Adds the pages named in names ("Name1+Name2", templates of module
 * hinstance); returns the number of names. */
#define PageSwitcher_AddPages(hwnd, hinstance, names)                                              \
    ((int)SendMessageA((hwnd), GSM_ADDPAGES, (WPARAM)(HINSTANCE)(hinstance),                       \
                       (LPARAM)(LPCSTR)(names)))
/* Shows page index (0, 1, ...) or the page added under name. */
#define PageSwitcher_SelectPage(hwnd, index)                                                       \
    ((void)SendMessageA((hwnd), GSM_SELECTPAGE, 0, (LPARAM)(UINT)(index)))
#define PageSwitcher_SelectPageByName(hwnd, name)                                                  \
    ((void)SendMessageA((hwnd), GSM_SELECTPAGE, 0, (LPARAM)(LPCSTR)(name)))
/* Index of the page shown, -1 for none; its name into buffer unless null. */
#define PageSwitcher_GetCurPage(hwnd, buffer, size)                                                \
    ((int)SendMessageA((hwnd), GSM_GETCURPAGE, (WPARAM)(size), (LPARAM)(LPSTR)(buffer)))
#define PageSwitcher_RemovePage(hwnd, index)                                                       \
    ((void)SendMessageA((hwnd), GSM_REMOVEPAGE, 0, (LPARAM)(UINT)(index)))
#define PageSwitcher_RemovePageByName(hwnd, name)                                                  \
    ((void)SendMessageA((hwnd), GSM_REMOVEPAGE, 0, (LPARAM)(LPCSTR)(name)))
#define PageSwitcher_GetPageCount(hwnd) ((int)SendMessageA((hwnd), GSM_GETPAGECOUNT, 0, 0L))
/* Installs a page hook (the record is copied). */
#define PageSwitcher_SetPageHook(hwnd, phook)                                                      \
    ((void)SendMessageA((hwnd), GSM_SETPAGEHOOK, 0, (LPARAM)(const GSPAGEHOOK*)(phook)))

/* ---------------------------------------------------------------------
 * Dialog frame, class BORDLGPLAGIAT
 * ------------------------------------------------------------------ */

#define DialogFrame_SetBrush(hwnd, hbrush)                                                         \
    ((void)SendMessageA((hwnd), BDM_SETBRUSH, (WPARAM)(HBRUSH)(hbrush), 0L))
#define DialogFrame_GetBrush(hwnd) ((HBRUSH)SendMessageA((hwnd), BDM_GETBRUSH, 0, 0L))
#define DialogFrame_SetIcon(hwnd, hicon)                                                           \
    ((void)SendMessageA((hwnd), BDM_SETICON, (WPARAM)(HICON)(hicon), 0L))
#define DialogFrame_GetIcon(hwnd) ((HICON)SendMessageA((hwnd), BDM_GETICON, 0, 0L))
#define DialogFrame_SetUserData(hwnd, value)                                                       \
    ((void)SendMessageA((hwnd), BDM_SETUSERDATA, 0, (LPARAM)(value)))
#define DialogFrame_GetUserData(hwnd) ((LPARAM)SendMessageA((hwnd), BDM_GETUSERDATA, 0, 0L))

/* ---------------------------------------------------------------------
 * Status field, class QuStsf (index: STSFWL_MINWIDTH, STSFWL_MAXWIDTH or
 * STSFWL_WIDTH). A field's text is its window text; "!" and "?" in front
 * colour it.
 * ------------------------------------------------------------------ */

#define StatusField_GetLong(hwnd, index)                                                           \
    ((LONG)SendMessageA((hwnd), STSF_GETLONG, (WPARAM)(index), 0L))
#define StatusField_SetLong(hwnd, index, value)                                                    \
    ((LONG)SendMessageA((hwnd), STSF_SETLONG, (WPARAM)(index), (LPARAM)(LONG)(value)))

/* ---------------------------------------------------------------------
 * Schedule control, class GSHED
 * ------------------------------------------------------------------ */

/* Each returns TRUE when the date was valid and taken (GetDate: *pdate
 * must hold a valid date to be overwritten). */
#define Schedule_GetDate(hwnd, pdate)                                                              \
    ((BOOL)SendMessageA((hwnd), GSHM_GETDATE, 0, (LPARAM)(DateRec*)(pdate)))
#define Schedule_SetDate(hwnd, pdate)                                                              \
    ((BOOL)SendMessageA((hwnd), GSHM_SETDATE, 0, (LPARAM)(const DateRec*)(pdate)))
/* Marks days of the month shown: "4.12.1995-6.12.1995, 24.12". */
#define Schedule_SetMarks(hwnd, text)                                                              \
    ((void)SendMessageA((hwnd), GSHM_SETMARKS, 0, (LPARAM)(LPCSTR)(text)))
/* Repaints (erasing first when erase is TRUE); reloadHolidays TRUE reads
 * the holiday list from the profile again. */
#define Schedule_Refresh(hwnd, erase, reloadHolidays)                                              \
    ((void)SendMessageA((hwnd), GSHM_REFRESH, (WPARAM)(BOOL)(erase),                               \
                        (reloadHolidays) ? (LPARAM)0 : (LPARAM)-1))

#endif /* QUORL32X_H */
