// Side-by-side timing of the library's controls against their standard
// peers: A and B alternate round by round with a rotating start, after a
// warm-up; each side's figure is the median of its rounds.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace bench {

struct Side {
    std::function<void(int)> operation; // one operation; the argument counts up
    std::function<void()> after;        // optional, untimed, after each operation
};

struct Comparison {
    std::string name;
    Side ours;
    Side peer;
    int operations = 200; // per round
};

struct Result {
    std::string name;
    double ours = 0; // microseconds per operation, median of the rounds
    double peer = 0;
    double ratio() const { return peer > 0 ? ours / peer : 0; }
};

struct Settings {
    int rounds = 11;
    int warmupOperations = 20;
};

// Microseconds per operation of each side, medians of the rounds.
Result Measure(const Comparison& comparison, const Settings& settings);

// A figure measured elsewhere (a child process per sample, for example).
Result FromSamples(const std::string& name, std::vector<double> ours, std::vector<double> peer);

double Median(std::vector<double> values);
double NowMicroseconds();

void PrintTable(const std::vector<Result>& results);
bool WriteJson(const std::vector<Result>& results, const Settings& settings, const char* path);

} // namespace bench
