// Reading typed dates, stepping by days and reading a whole holiday list.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "dates/dates.h"
#include "dates/environment.h"
#include "dates/holidays.h"

namespace {

void BM_StringToDate(benchmark::State& state, const char* text) {
    DateRec date{};
    for (auto _ : state) {
        benchmark::DoNotOptimize(quorl::StringToDate(text, &date));
        benchmark::DoNotOptimize(date);
    }
}
BENCHMARK_CAPTURE(BM_StringToDate, dotted, "24.12.1995");
BENCHMARK_CAPTURE(BM_StringToDate, digits, "241295");
BENCHMARK_CAPTURE(BM_StringToDate, no_year, "24,12");

void BM_AddNDays(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const DateRec start{1995, 15, 6};
    for (auto _ : state) {
        DateRec date = start;
        benchmark::DoNotOptimize(quorl::AddNDays(&date, n));
        benchmark::DoNotOptimize(date);
    }
}
BENCHMARK(BM_AddNDays)->Arg(1)->Arg(-1)->Arg(365)->Arg(-365)->Arg(36500)->Arg(-36500);

// A full setting: 399 characters of items, dated ranges among them.
std::string FullSetting() {
    std::string text;
    for (int i = 0; text.size() < quorl::kHolidayTextSize - 1; ++i) {
        text += i % 3 == 0 ? "24.12.1995-26.12.1995, " : std::to_string(i % 28 + 1) + ".5, ";
    }
    text.resize(quorl::kHolidayTextSize - 1);
    return text;
}

const std::string g_setting = FullSetting();

quorl::CalendarDate FixedToday() {
    return {1995, 12, 4};
}

int ReadSetting(char* buffer, int size) {
    const std::size_t count = std::min(g_setting.size(), static_cast<std::size_t>(size - 1));
    std::memcpy(buffer, g_setting.data(), count);
    buffer[count] = '\0';
    return static_cast<int>(count);
}

void IgnoreWrite(const char*) {}

void BM_ReadHolidayList(benchmark::State& state) {
    static constexpr quorl::DateEnvironment kEnvironment{FixedToday, ReadSetting, IgnoreWrite};
    quorl::SetDateEnvironment(&kEnvironment);
    for (auto _ : state) {
        benchmark::DoNotOptimize(quorl::ReadHolidayList());
        benchmark::ClobberMemory();
    }
    quorl::SetDateEnvironment(nullptr);
    state.SetBytesProcessed(static_cast<long long>(state.iterations()) *
                            static_cast<long long>(g_setting.size()));
}
BENCHMARK(BM_ReadHolidayList);

} // namespace
