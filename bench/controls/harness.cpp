#include "bench/controls/harness.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

namespace bench {

namespace {

double RoundMicroseconds(const Side& side, int operations, int& counter) {
    if (side.after) {
        double total = 0;
        for (int i = 0; i < operations; ++i) {
            const double start = NowMicroseconds();
            side.operation(counter++);
            total += NowMicroseconds() - start;
            side.after();
        }
        return total / operations;
    }
    const double start = NowMicroseconds();
    for (int i = 0; i < operations; ++i) {
        side.operation(counter++);
    }
    return (NowMicroseconds() - start) / operations;
}

} // namespace

double NowMicroseconds() {
    static const double ticksPerMicrosecond = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1e6;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / ticksPerMicrosecond;
}

double Median(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

Result Measure(const Comparison& comparison, const Settings& settings) {
    int oursCounter = 0;
    int peerCounter = 0;
    RoundMicroseconds(comparison.ours, settings.warmupOperations, oursCounter);
    RoundMicroseconds(comparison.peer, settings.warmupOperations, peerCounter);
    std::vector<double> ours;
    std::vector<double> peer;
    for (int round = 0; round < settings.rounds; ++round) {
        // The side that goes first changes every round.
        if (round % 2 == 0) {
            ours.push_back(RoundMicroseconds(comparison.ours, comparison.operations, oursCounter));
            peer.push_back(RoundMicroseconds(comparison.peer, comparison.operations, peerCounter));
        } else {
            peer.push_back(RoundMicroseconds(comparison.peer, comparison.operations, peerCounter));
            ours.push_back(RoundMicroseconds(comparison.ours, comparison.operations, oursCounter));
        }
    }
    return FromSamples(comparison.name, ours, peer);
}

Result FromSamples(const std::string& name, std::vector<double> ours, std::vector<double> peer) {
    return {name, Median(std::move(ours)), Median(std::move(peer))};
}

void PrintTable(const std::vector<Result>& results) {
    std::printf("| operation | ours (us) | peer (us) | ratio |\n|---|---|---|---|\n");
    for (const Result& r : results) {
        std::printf("| %s | %.1f | %.1f | %.2f |\n", r.name.c_str(), r.ours, r.peer, r.ratio());
    }
    std::fflush(stdout);
}

bool WriteJson(const std::vector<Result>& results, const Settings& settings, const char* path) {
    FILE* out = std::fopen(path, "w");
    if (out == nullptr) {
        return false;
    }
    std::fprintf(out, "{\n  \"unit\": \"microseconds per operation\",\n  \"rounds\": %d,\n",
                 settings.rounds);
    std::fprintf(out, "  \"results\": [\n");
    for (std::size_t i = 0; i < results.size(); ++i) {
        const Result& r = results[i];
        std::fprintf(
            out, "    {\"operation\": \"%s\", \"ours\": %.2f, \"peer\": %.2f, \"ratio\": %.3f}%s\n",
            r.name.c_str(), r.ours, r.peer, r.ratio(), i + 1 < results.size() ? "," : "");
    }
    std::fprintf(out, "  ]\n}\n");
    return std::fclose(out) == 0;
}

} // namespace bench
