// Comparison and printing of date records for the tests' expectations.
#pragma once

#include <ostream>

#include "quorl32_dates.h"

inline bool operator==(const DateRec& a, const DateRec& b) {
    return a.year == b.year && a.day == b.day && a.month == b.month;
}

inline bool operator==(const DateEntry& a, const DateEntry& b) {
    return a.start == b.start && a.end == b.end;
}

inline std::ostream& operator<<(std::ostream& out, const DateRec& date) {
    return out << int{date.day} << "." << int{date.month} << "." << date.year;
}

inline std::ostream& operator<<(std::ostream& out, const DateEntry& entry) {
    return out << "{" << entry.start << " - " << entry.end << "}";
}
