// A clock stopped at a chosen date and a holiday setting held in memory, in
// place of the system's, for as long as the object lives.
#pragma once

#include <optional>
#include <string>

namespace quorl_test {

class FakeDateEnvironment {
public:
    // Also forgets the date StringToDate remembered.
    FakeDateEnvironment(int year, int month, int day);
    ~FakeDateEnvironment();
    FakeDateEnvironment(const FakeDateEnvironment&) = delete;
    FakeDateEnvironment& operator=(const FakeDateEnvironment&) = delete;

    void setToday(int year, int month, int day);
    // No value: the key is missing.
    void setProfile(std::optional<std::string> value) { profile_ = std::move(value); }
    const std::optional<std::string>& profile() const { return profile_; }
    int writes() const { return writes_; }
    int lastReadSize() const { return lastReadSize_; }

private:
    static FakeDateEnvironment* active_;
    static int Read(char* buffer, int size);
    static void Write(const char* text);
    std::optional<std::string> profile_;
    int writes_ = 0;
    int lastReadSize_ = 0;
};

} // namespace quorl_test
