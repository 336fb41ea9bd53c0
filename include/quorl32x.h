/*
 * quorl32x.h - message wrappers for QUORL32's controls, in the manner of
 * windowsx.h: one wrapper per private message, with the message's arguments
 * as typed parameters and its result converted to a useful type.
 *
 * In C++ and in C99 and later the wrappers are inline functions
 * (QUORL32X_FUNCTIONS is then defined): a wrong argument fails to compile
 * and an unused result draws no warning. A C89 compiler gets them as
 * macros with the same names and arguments.
 *
 * Usable from C and C++, with or without UNICODE. The controls are ANSI
 * windows: the wrappers send with SendMessageA, and the texts they carry
 * (page names, marks, field names) are char strings in every build.
 */
#ifndef QUORL32X_H
#define QUORL32X_H

#include "quorl32.h"

#if defined(__cplusplus) || (defined(__STDC_VERSION__) && __STDC_VERSION__ >= 199901L)
#define QUORL32X_FUNCTIONS 1
#endif

#ifdef QUORL32X_FUNCTIONS

/* A conversion the C++ compiler reads as a functional cast, the C compiler
 * as a cast: strict C++ warning sets flag only the C form. */
#ifdef __cplusplus
#define QUORL32X_CAST(type, value) type(value)
#else
#define QUORL32X_CAST(type, value) ((type)(value))
#endif

/* ---------------------------------------------------------------------
 * Registered messages, understood by the graphic controls. Their numbers
 * are known only at run time; these give them (RegisterWindowMessageA with
 * the *_NAMEA strings, the same number in every process of a session).
 * ------------------------------------------------------------------ */

static inline UINT Quorl_GetFieldNameMessage(void) {
    return RegisterWindowMessageA(BWM_GETFIELDNAME_NAMEA);
}
static inline UINT Quorl_FocusNotifyMessage(void) {
    return RegisterWindowMessageA(BWM_FOCUSNOTIFY_NAMEA);
}
static inline UINT Quorl_PaintDCMessage(void) {
    return RegisterWindowMessageA(BWM_PAINTDC_NAMEA);
}

/* Copies a control's field name (the part of its creation text after the
 * comma) into buffer (char, size bytes; at most size - 2 characters are
 * copied). TRUE when the control answered (QUORL, QUCHECK, GTEXT, GSHED). */
static inline BOOL Quorl_GetFieldName(HWND hwnd, LPSTR buffer, int size) {
    return SendMessageA(hwnd, Quorl_GetFieldNameMessage(), QUORL32X_CAST(WPARAM, size),
                        QUORL32X_CAST(LPARAM, buffer)) != 0;
}

/* Asks a check button to draw a printable picture of itself (box, cross
 * when checked, caption) into the rectangle prect of a device context, in
 * that context's logical units (y growing upward, as on a printer page). */
static inline void CheckButton_PaintDC(HWND hwnd, HDC hdc, const RECT* prect) {
    SendMessageA(hwnd, Quorl_PaintDCMessage(), QUORL32X_CAST(WPARAM, hdc),
                 QUORL32X_CAST(LPARAM, prect));
}

/* ---------------------------------------------------------------------
 * Graphic push button, class QUORL
 * ------------------------------------------------------------------ */

/* Replaces the picture; the button owns bitmap and palette from then on. */
static inline void PushButton_SetBitmap(HWND hwnd, HBITMAP hbitmap, HPALETTE hpalette) {
    SendMessageA(hwnd, QBM_SETBITMAP, QUORL32X_CAST(WPARAM, hbitmap),
                 QUORL32X_CAST(LPARAM, hpalette));
}
/* The control state word (QSTATE_* and QBSTATE_* bits). */
static inline LONG PushButton_GetState(HWND hwnd) {
    return GetWindowLongA(hwnd, QBWL_STATE);
}

/* ---------------------------------------------------------------------
 * Graphic check box and radio button, class QUCHECK: BM_GETCHECK and
 * BM_SETCHECK work as for the system's buttons (Button_GetCheck and
 * Button_SetCheck of windowsx.h).
 * ------------------------------------------------------------------ */

/* The control state word (QSTATE_* and QCSTATE_* bits). */
static inline LONG CheckButton_GetState(HWND hwnd) {
    return GetWindowLongA(hwnd, QCWL_STATE);
}

/* ---------------------------------------------------------------------
 * Progress gauge, class GAUGE. Each change is painted before it returns.
 * ------------------------------------------------------------------ */

static inline void Gauge_SetRange(HWND hwnd, int range) {
    SendMessageA(hwnd, GAUGE_SETRANGE, QUORL32X_CAST(WPARAM, range), 0);
}
static inline void Gauge_SetPos(HWND hwnd, int pos) {
    SendMessageA(hwnd, GAUGE_SETPOS, QUORL32X_CAST(WPARAM, pos), 0);
}
static inline void Gauge_AddPos(HWND hwnd, int delta) {
    SendMessageA(hwnd, GAUGE_ADDPOS, QUORL32X_CAST(WPARAM, delta), 0);
}
static inline int Gauge_GetRange(HWND hwnd) {
    return QUORL32X_CAST(int, GetWindowLongA(hwnd, GAUGEWL_RANGE));
}
static inline int Gauge_GetPos(HWND hwnd) {
    return QUORL32X_CAST(int, GetWindowLongA(hwnd, GAUGEWL_POS));
}

/* ---------------------------------------------------------------------
 * Page switcher, class GSEITE
 * ------------------------------------------------------------------ */

/* Adds the pages named in names ("Name1+Name2", templates of module
 * hinstance); returns the number of names. */
static inline int PageSwitcher_AddPages(HWND hwnd, HINSTANCE hinstance, LPCSTR names) {
    return QUORL32X_CAST(int, SendMessageA(hwnd, GSM_ADDPAGES, QUORL32X_CAST(WPARAM, hinstance),
                                           QUORL32X_CAST(LPARAM, names)));
}
/* Shows page index (0, 1, ...) or the page added under name. */
static inline void PageSwitcher_SelectPage(HWND hwnd, UINT index) {
    SendMessageA(hwnd, GSM_SELECTPAGE, 0, QUORL32X_CAST(LPARAM, index));
}
static inline void PageSwitcher_SelectPageByName(HWND hwnd, LPCSTR name) {
    SendMessageA(hwnd, GSM_SELECTPAGE, 0, QUORL32X_CAST(LPARAM, name));
}
/* Index of the page shown, -1 for none; its name into buffer unless null. */
static inline int PageSwitcher_GetCurPage(HWND hwnd, LPSTR buffer, int size) {
    return QUORL32X_CAST(int, SendMessageA(hwnd, GSM_GETCURPAGE, QUORL32X_CAST(WPARAM, size),
                                           QUORL32X_CAST(LPARAM, buffer)));
}
static inline void PageSwitcher_RemovePage(HWND hwnd, UINT index) {
    SendMessageA(hwnd, GSM_REMOVEPAGE, 0, QUORL32X_CAST(LPARAM, index));
}
static inline void PageSwitcher_RemovePageByName(HWND hwnd, LPCSTR name) {
    SendMessageA(hwnd, GSM_REMOVEPAGE, 0, QUORL32X_CAST(LPARAM, name));
}
static inline int PageSwitcher_GetPageCount(HWND hwnd) {
    return QUORL32X_CAST(int, SendMessageA(hwnd, GSM_GETPAGECOUNT, 0, 0));
}
/* Installs a page hook (the record is copied). */
static inline void PageSwitcher_SetPageHook(HWND hwnd, const GSPAGEHOOK* phook) {
    SendMessageA(hwnd, GSM_SETPAGEHOOK, 0, QUORL32X_CAST(LPARAM, phook));
}

/* ---------------------------------------------------------------------
 * Dialog frame, class BORDLGPLAGIAT
 * ------------------------------------------------------------------ */

static inline void DialogFrame_SetBrush(HWND hwnd, HBRUSH hbrush) {
    SendMessageA(hwnd, BDM_SETBRUSH, QUORL32X_CAST(WPARAM, hbrush), 0);
}
static inline HBRUSH DialogFrame_GetBrush(HWND hwnd) {
    return QUORL32X_CAST(HBRUSH, SendMessageA(hwnd, BDM_GETBRUSH, 0, 0));
}
static inline void DialogFrame_SetIcon(HWND hwnd, HICON hicon) {
    SendMessageA(hwnd, BDM_SETICON, QUORL32X_CAST(WPARAM, hicon), 0);
}
static inline HICON DialogFrame_GetIcon(HWND hwnd) {
    return QUORL32X_CAST(HICON, SendMessageA(hwnd, BDM_GETICON, 0, 0));
}
static inline void DialogFrame_SetUserData(HWND hwnd, LPARAM value) {
    SendMessageA(hwnd, BDM_SETUSERDATA, 0, value);
}
static inline LPARAM DialogFrame_GetUserData(HWND hwnd) {
    return SendMessageA(hwnd, BDM_GETUSERDATA, 0, 0);
}

/* ---------------------------------------------------------------------
 * Status field, class QuStsf (index: STSFWL_MINWIDTH, STSFWL_MAXWIDTH or
 * STSFWL_WIDTH). A field's text is its window text; "!" and "?" in front
 * colour it.
 * ------------------------------------------------------------------ */

static inline LONG StatusField_GetLong(HWND hwnd, int index) {
    return QUORL32X_CAST(LONG, SendMessageA(hwnd, STSF_GETLONG, QUORL32X_CAST(WPARAM, index), 0));
}
/* Returns the slot's previous value. */
static inline LONG StatusField_SetLong(HWND hwnd, int index, LONG value) {
    return QUORL32X_CAST(LONG, SendMessageA(hwnd, STSF_SETLONG, QUORL32X_CAST(WPARAM, index),
                                            QUORL32X_CAST(LPARAM, value)));
}

/* ---------------------------------------------------------------------
 * Schedule control, class GSHED
 * ------------------------------------------------------------------ */

/* Each returns TRUE when the date was valid and taken (GetDate: *pdate
 * must hold a valid date to be overwritten). */
static inline BOOL Schedule_GetDate(HWND hwnd, DateRec* pdate) {
    return SendMessageA(hwnd, GSHM_GETDATE, 0, QUORL32X_CAST(LPARAM, pdate)) != 0;
}
static inline BOOL Schedule_SetDate(HWND hwnd, const DateRec* pdate) {
    return SendMessageA(hwnd, GSHM_SETDATE, 0, QUORL32X_CAST(LPARAM, pdate)) != 0;
}
/* Marks days of the month shown: "4.12.1995-6.12.1995, 24.12". */
static inline void Schedule_SetMarks(HWND hwnd, LPCSTR text) {
    SendMessageA(hwnd, GSHM_SETMARKS, 0, QUORL32X_CAST(LPARAM, text));
}
/* Repaints (erasing first when erase is TRUE); reloadHolidays TRUE reads
 * the holiday list from the profile again. */
static inline void Schedule_Refresh(HWND hwnd, BOOL erase, BOOL reloadHolidays) {
    SendMessageA(hwnd, GSHM_REFRESH, QUORL32X_CAST(WPARAM, erase),
                 reloadHolidays ? 0 : QUORL32X_CAST(LPARAM, -1));
}

#else /* C89: the same wrappers as macros. */

/* ---------------------------------------------------------------------
 * Registered messages, understood by the graphic controls
 * ------------------------------------------------------------------ */

/* Copies a control's field name (the part of its creation text after the
 * comma) into buffer (char, size bytes; at most size - 2 characters are
 * copied). TRUE when the control answered (QUORL, QUCHECK, GTEXT, GSHED). */
#define Quorl_GetFieldNameMessage() RegisterWindowMessageA(BWM_GETFIELDNAME_NAMEA)
#define Quorl_FocusNotifyMessage()  RegisterWindowMessageA(BWM_FOCUSNOTIFY_NAMEA)
#define Quorl_PaintDCMessage()      RegisterWindowMessageA(BWM_PAINTDC_NAMEA)

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
#define PushButton_GetState(hwnd)  ((LONG)GetWindowLongA((hwnd), QBWL_STATE))

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

#endif /* QUORL32X_FUNCTIONS */

#endif /* QUORL32X_H */
