// Create/paint/change/destroy cycles per class and the InitQuorl/ExitQuorl
// storms, each measured with the GDI and heap census against a baseline
// taken after a warm-up.
#include <functional>

#include "tests/common/census.h"
#include "stress/stress.h"

namespace stress {

namespace {

// The down storm goes this far below zero, as applications that call
// ExitQuorl too often have been seen to.
constexpr int kDownStormDepth = 177;
constexpr int kMostNesting = 5;

// One cycle: made, painted, changed, painted again, destroyed.
bool Cycle(const ClassCase& entry, HWND host, long cycle) {
    HWND own = entry.ownsItsHost ? CreateHost() : nullptr;
    HWND control = entry.create(entry, own != nullptr ? own : host);
    if (control != nullptr) {
        PaintNow(control);
        entry.exercise(control, cycle);
        PaintNow(control);
        DestroyWindow(control);
    }
    if (own != nullptr) {
        DestroyWindow(own);
    }
    Pump();
    return control != nullptr;
}

// Runs warmUp rounds, takes the baseline, runs rounds more and reports
// what is left; false when a round failed.
template <typename Result>
bool Measure(long warmUp, long rounds, const std::function<bool(long)>& round, Result& result) {
    for (long i = 0; i < warmUp; ++i) {
        if (!round(i)) {
            return false;
        }
    }
    quorl_test::Census census;
    for (long i = 0; i < rounds; ++i) {
        if (!round(warmUp + i)) {
            return false;
        }
    }
    const quorl_test::Held held = census.Now();
    result.objects = held.objects;
    result.bytes = held.bytes;
    result.kinds = held.kinds;
    return true;
}

// One control of every class, made, painted and destroyed again.
bool EveryClassOnce(const Options& options, HWND host, long round) {
    for (const ClassCase& entry : Classes(options)) {
        if (!Cycle(entry, host, round)) {
            return false;
        }
    }
    return true;
}

} // namespace

std::vector<CycleResult> RunCycles(const Options& options) {
    std::vector<CycleResult> results;
    for (const ClassCase& entry : Classes(options)) {
        HWND host = CreateHost();
        CycleResult result{entry.name, options.cycles};
        result.failed = !Measure(
            options.warmUp, options.cycles, [&](long i) { return Cycle(entry, host, i); }, result);
        DestroyWindow(host);
        Pump();
        results.push_back(result);
    }
    return results;
}

std::vector<StormResult> RunStorms(const Options& options) {
    std::vector<StormResult> results;
    Library& lib = g_library;
    HWND host = CreateHost();
    // Live controls through every storm: one of each class, painted after
    // each change of the library's state.
    std::vector<HWND> live;
    for (const ClassCase& entry : Classes(options)) {
        live.push_back(entry.create(entry, host));
    }
    const auto paintAll = [&] {
        for (HWND control : live) {
            PaintNow(control);
        }
        Pump();
        return true;
    };
    lib.initQuorl(); // the storms start and end at a count of 1

    const auto storm = [&](const char* name, const std::function<bool(long)>& round) {
        StormResult result{name, options.storms};
        result.failed = !Measure(1, options.storms, round, result);
        results.push_back(result);
    };
    storm("balanced: exit, init", [&](long) {
        lib.exitQuorl(); // teardown: the live controls keep a deleted font
        paintAll();
        lib.initQuorl();
        return paintAll();
    });
    storm("nested: init n, exit n", [&](long round) {
        const long depth = 1 + round % kMostNesting;
        for (long i = 0; i < depth; ++i) {
            lib.initQuorl();
        }
        paintAll();
        for (long i = 0; i < depth; ++i) {
            lib.exitQuorl();
        }
        return paintAll();
    });
    storm("unbalanced down to -177", [&](long round) {
        for (int i = 0; i <= kDownStormDepth; ++i) {
            lib.exitQuorl();
        }
        paintAll();
        // Controls made while the library is torn down.
        const bool made = EveryClassOnce(options, host, round);
        for (int i = 0; i <= kDownStormDepth; ++i) {
            lib.initQuorl();
        }
        paintAll();
        return made;
    });
    lib.exitQuorl();

    for (HWND control : live) {
        DestroyWindow(control);
    }
    Pump();
    // Unloading takes the classes away: no control may live by then.
    storm("reload: FreeLibrary, LoadLibrary", [&](long round) {
        lib.Unload();
        return lib.Load() && EveryClassOnce(options, host, round);
    });
    DestroyWindow(host);
    Pump();
    return results;
}

} // namespace stress
