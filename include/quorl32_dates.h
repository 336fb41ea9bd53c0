/*
 * quorl32_dates.h - the date records of QUORL32.DLL and the years its
 * calendar works with. Included by quorl32.h; it needs no other header, so
 * that code without windows.h can share the records.
 */
#ifndef QUORL32_DATES_H
#define QUORL32_DATES_H

/* The calendar's years. Typed dates (StringToDate) are accepted after
 * QUORL_FIRST_YEAR up to QUORL_LAST_YEAR; dated holidays and marks from
 * QUORL_FIRST_YEAR to QUORL_LAST_YEAR. The leap rule "every year divisible
 * by 4" agrees with the Gregorian calendar over all of them. */
#define QUORL_FIRST_YEAR 1920
#define QUORL_LAST_YEAR  2099

#pragma pack(push, 1)
/* A calendar date in four bytes; all zero is the empty date. Two dates are
 * equal when all three fields are. */
typedef struct DateRec {
    short year;        /* four-digit year; 0 = no year (holiday entries) */
    signed char day;   /* 1 to 31 */
    signed char month; /* 1 to 12 */
} DateRec;

/* One holiday or mark: a single day (end all zero) or the range from start
 * to end (end.day and end.month both non-zero). A start whose day is 0
 * makes the entry inert; a year of 0 means every year. */
typedef struct DateEntry {
    DateRec start;
    DateRec end;
} DateEntry;
#pragma pack(pop)

#endif /* QUORL32_DATES_H */
