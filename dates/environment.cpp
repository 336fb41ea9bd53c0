#include "dates/environment.h"

#include <ctime>

#include "dates/dates.h"

namespace quorl {

namespace {

constexpr int kTmYearBase = 1900;

CalendarDate StandardClockDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return {local.tm_year + kTmYearBase, local.tm_mon + 1, local.tm_mday};
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
