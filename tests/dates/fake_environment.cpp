#include "tests/dates/fake_environment.h"

#include <algorithm>
#include <cstring>

#include "dates/environment.h"

namespace quorl_test {

FakeDateEnvironment* FakeDateEnvironment::active_ = nullptr;

namespace {

quorl::CalendarDate g_today{};

quorl::CalendarDate FakeToday() {
    return g_today;
}

} // namespace

FakeDateEnvironment::FakeDateEnvironment(int year, int month, int day) {
    static constexpr quorl::DateEnvironment kFake{FakeToday, Read, Write};
    active_ = this;
    setToday(year, month, day);
    quorl::SetDateEnvironment(&kFake);
    quorl::ForgetRememberedDate();
}

FakeDateEnvironment::~FakeDateEnvironment() {
    quorl::SetDateEnvironment(nullptr);
    quorl::ForgetRememberedDate();
    active_ = nullptr;
}

void FakeDateEnvironment::setToday(int year, int month, int day) {
    g_today = {year, month, day};
}

// Like GetProfileStringA with the default "": at most size - 1 characters,
// always terminated, the count copied returned.
int FakeDateEnvironment::Read(char* buffer, int size) {
    active_->lastReadSize_ = size;
    const std::string value = active_->profile_.value_or("");
    const int count = std::min(static_cast<int>(value.size()), size - 1);
    std::memcpy(buffer, value.data(), static_cast<std::size_t>(count));
    buffer[count] = '\0';
    return count;
}

void FakeDateEnvironment::Write(const char* text) {
    active_->profile_ = text;
    ++active_->writes_;
}

} // namespace quorl_test
