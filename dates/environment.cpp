#include "dates/environment.h"

#include <chrono>

#include "dates/dates.h"

namespace quorl {

namespace {

CalendarDate StandardClockDate() {
    using namespace std::chrono;
    const year_month_day today{floor<days>(system_clock::now())};
    return {static_cast<int>(today.year()), static_cast<int>(static_cast<unsigned>(today.month())),
            static_cast<int>(static_cast<unsigned>(today.day()))};
}

int NoProfileRead(char* buffer, int size) {
    if (buffer != nullptr && size > 0) {
        buffer[0] = '\0';
    }
    return 0;
}

void NoProfileWrite(const char*) {}

constexpr DateEnvironment kPortableEnvironment{StandardClockDate, NoProfileRead, NoProfileWrite};

constinit const DateEnvironment* g_environment = &kPortableEnvironment;

} // namespace

void SetDateEnvironment(const DateEnvironment* environment) {
    g_environment = environment != nullptr ? environment : &kPortableEnvironment;
}

const DateEnvironment& CurrentDateEnvironment() {
    return *g_environment;
}

} // namespace quorl
