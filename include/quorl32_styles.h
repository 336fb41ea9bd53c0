/*
 * quorl32_styles.h - style bits and control state bits of QUORL32's window
 * classes. Free of the window system, so that the library's layout code
 * uses the same names as programs; quorl32.h includes it.
 *
 * One section per class: a class's bits go in its own section.
 */
#ifndef QUORL32_STYLES_H
#define QUORL32_STYLES_H

/* ---------------------------------------------------------------------
 * Shared by the graphic controls
 * ------------------------------------------------------------------ */

/* Keep the library's control font and ignore WM_SETFONT. */
#define QUORL_STYLE_SHAREDFONT 0x0100L

/* Bits of the control state word of the two button classes. */
#define QSTATE_DISABLED 0x01L
#define QSTATE_FOCUSED  0x02L
#define QSTATE_PUSHED   0x04L
#define QSTATE_TRACKING 0x08L
#define QSTATE_OUTSIDE  0x10L

/* ---------------------------------------------------------------------
 * Graphic push button, class "QUORL"
 * ------------------------------------------------------------------ */
/* Window styles. The low five bits follow the system's push buttons:
 * BS_DEFPUSHBUTTON (1) makes the button the dialog's default button. */
#define QBS_PICTURE    0x0002L /* picture panel: no frame or caption, scrolls its picture */
#define QBS_SHAREDFONT QUORL_STYLE_SHAREDFONT /* caption in the library's control font */
#define QBS_AUTOSCROLL 0x0200L /* slide the picture up and down by itself (timer 1) */

/* Class-specific bits of the control state word. */
#define QBSTATE_DEFAULT  0x20L /* the dialog's default push button */
#define QBSTATE_SCROLLUP 0x40L /* automatic scrolling currently moves upward */

/* ---------------------------------------------------------------------
 * Graphic check box and radio button, class "QUCHECK"
 * ------------------------------------------------------------------ */
/* Style bits (low word of the window style). The type field says how a
 * click acts: an automatic check box toggles, the radio types check
 * themselves and uncheck the rest of their group; any other type only
 * notifies and leaves the check to the application. */
#define QCS_TYPEMASK        0x000FL
#define QCS_CHECKBOX        0x0002L /* the application sets the check */
#define QCS_AUTOCHECKBOX    0x0003L /* a click toggles the check */
#define QCS_RADIOBUTTON     0x0004L /* a click checks it within its group */
#define QCS_AUTORADIOBUTTON 0x0009L /* as 4, and gaining the focus clicks it */
#define QCS_LEFTTEXT        0x0020L /* caption left of the mark, right-aligned */
#define QCS_CENTERTEXT      0x0040L /* caption centred, mark 5 pixels in */
#define QCS_CHECKED         0x0080L /* starts checked */
#define QCS_SHAREDFONT      QUORL_STYLE_SHAREDFONT
#define QCS_SETMASK         0x0E00L /* added to the base id of the marks */
#define QCS_SET_LAMP        0x0200L /* radio types: red, green and yellow lamp */
#define QCS_SET_RAISED      0x0400L /* raised diamond, raised flat box */
#define QCS_TABMODE         0x8000L /* page-switcher tab, see CheckTabParams */

/* Class-specific bit of the control state word. */
#define QCSTATE_CHECKED 0x20L

/* Mark bitmaps: base + (style & QCS_SETMASK) + state, state 0 unchecked,
 * 1 unchecked and pressed, 2 checked, 3 checked and pressed. Looked up in
 * the library, then in the parent's module, then in the control's own. */
#define QC_MARKS_RADIO    0x7300
#define QC_MARKS_CHECKBOX 0x7400

/* ---------------------------------------------------------------------
 * Progress gauge, class "GAUGE"
 * ------------------------------------------------------------------ */
/* Style bits. Without any of them the gauge shows ticks, scale and
 * percentage every 50 %. */
#define GAUGE_TICKS10 0x01L /* tick marks (and scale numbers) every 10 % */
#define GAUGE_TICKS25 0x02L /* every 25 % (without GAUGE_TICKS10) */
#define GAUGE_TICKS50 0x04L /* every 50 % (without the two above) */
#define GAUGE_SCALE   0x08L /* scale numbers under the bar */
#define GAUGE_PERCENT 0x10L /* percentage written into the bar */

/* ---------------------------------------------------------------------
 * Text label, class "GTEXT"
 * ------------------------------------------------------------------ */
/* Style bits of a label; the page switcher's labels use the same bits.
 * The first four are DrawText's DT_CENTER, DT_RIGHT, DT_VCENTER and
 * DT_SINGLELINE. */
#define GTS_CENTER     0x0001L /* centre the text horizontally */
#define GTS_RIGHT      0x0002L /* align the text to the right */
#define GTS_VCENTER    0x0004L /* centre vertically (with GTS_SINGLELINE) */
#define GTS_SINGLELINE 0x0020L /* one line, filled with the background colour */
#define GTS_RAISED     0x0040L /* raised 3-D box (with GTS_BOX or GTS_HEADING) */
#define GTS_SHAREDFONT 0x0100L /* the library's control font, WM_SETFONT ignored */
#define GTS_BOX        0x0400L /* 3-D box around the label, sunken unless GTS_RAISED */
#define GTS_HEADING    0x0800L /* 3-D box under the first line; single line: rules */
#define GTS_TOPLINE    0x1000L /* black line along the top edge, no background */
#define GTS_LEFTLINE   0x2000L /* black line along the left edge, no background */
#define GTS_GROUP      0x4000L /* etched group frame titled with the text */

/* ---------------------------------------------------------------------
 * Page switcher, class "GSEITE"
 * ------------------------------------------------------------------ */
#define GSS_NOBACKGROUND 0x0001L /* the switcher leaves its background unpainted */
#define GSS_HOOKDIALOG   0x0002L /* page hooks and focus following in the dialog */

/* In a page template: an item with this id is a label painted by the
 * switcher (with the GTS_ styles), an item with GS_ANCHOR in its style the
 * control the page grows around when the switcher grows. */
#define GS_LABEL_ID 0xFFFE
#define GS_ANCHOR   0x00040000L

/* ---------------------------------------------------------------------
 * Dialog frame, class "BORDLGPLAGIAT"
 * ------------------------------------------------------------------ */

/* Dialog style bit: every message the frame passes on goes to StsbAutoInfo
 * first, which gives the dialog a status bar with help texts and a clock. */
#define BDS_AUTOSTATUS 0x1000L

/* ---------------------------------------------------------------------
 * Status bar, classes "QuStsb" and "QuStsf"
 * ------------------------------------------------------------------ */

/* ---------------------------------------------------------------------
 * Schedule control, class "GSHED"
 * ------------------------------------------------------------------ */
/* Window styles. WS_BORDER (a system style) shows the focus as a raised
 * 3-D frame instead of a dotted rectangle. */
#define GSHS_SHAREDFONT                                                                            \
    QUORL_STYLE_SHAREDFONT /* the library's control font, WM_SETFONT ignored                       \
                            */

#endif /* QUORL32_STYLES_H */
