/* Resource and control ids of the gallery; shared by gallery.rc and the
 * program. Every page's controls live in the main dialog, so the ids of all
 * pages form one space. */
#ifndef GALLERY_IDS_H
#define GALLERY_IDS_H

#define IDD_GALLERY 100
#define IDR_MENU    100
#define IDC_PAGES   100

/* Menu */
#define IDM_EXIT       40001
#define IDM_PAGE_FIRST 40101 /* one item per page, in page order */
#define IDM_ABOUT      40201

/* Buttons page: the stock pictures are chosen by id (1, 2, 7, 981-999). */
#define IDC_PICTURE_SCROLL 2001 /* picture panel with scroll bars */
#define IDC_PICTURE_AUTO   2002 /* picture panel that scrolls by itself */
#define IDB_LANDSCAPE      2001 /* the pictures the two panels show */
#define IDB_TOWER          2002

/* Choices page */
#define IDC_CHECK_MANUAL     301
#define IDC_CHECK_AUTO       302
#define IDC_CHECK_RAISED     303
#define IDC_CHECK_RAISED_OFF 304
#define IDC_RADIO_1          311
#define IDC_RADIO_2          312
#define IDC_LAMP_1           313
#define IDC_LAMP_2           314
#define IDC_DIAMOND_1        315
#define IDC_DIAMOND_2        316
#define IDC_TEXT_RIGHT       321
#define IDC_TEXT_LEFT        322
#define IDC_TEXT_CENTRE      323
#define IDC_CHOICE_FIRST     IDC_CHECK_MANUAL
#define IDC_CHOICE_LAST      IDC_TEXT_CENTRE

/* Progress page: one gauge per style, and the busy button */
#define IDC_GAUGE_FIRST 401
#define IDC_GAUGE_COUNT 6
#define IDC_BUSY        410

/* Texts page */
#define IDC_LABEL_FIRST 501

/* Calendar page */
#define IDC_SCHEDULE       601
#define IDC_MARKS          602
#define IDC_MARK           603
#define IDC_HOLIDAYS       604
#define IDC_SCHED_DAY      605
#define IDC_HOLIDAYS_APPLY 606

/* Status page */
#define IDC_STATUSBAR    701
#define IDC_FIELD_PLAIN  711
#define IDC_FIELD_RED    712
#define IDC_FIELD_GREEN  713
#define IDC_FIELD_NARROW 714

/* Dates page */
#define IDC_DATE_TEXT    801
#define IDC_DATE_DAYS    802
#define IDC_DATE_RESULT  803
#define IDC_DATE_WEEKDAY 804
#define IDC_DATE_MOVED   805

#endif /* GALLERY_IDS_H */
