// The stress program: cycles per class with the GDI and heap census, the
// InitQuorl/ExitQuorl storms and the hostile-message campaign, then one
// table. Exits non-zero on any leak, failed creation, crash outside the
// pointer contracts, or hang.
//   quorl_stress [--cycles N] [--storms N] [--random N] [--seed S]
//                [--full] [--only CLASS] [--no-hostile] [--inject-leak] [--inject-crash]
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "stress/stress.h"

namespace {

stress::Options ParseOptions(int argc, char** argv) {
    stress::Options options;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : "0";
        if (std::strcmp(arg, "--cycles") == 0) {
            options.cycles = std::atol(value), ++i;
        } else if (std::strcmp(arg, "--storms") == 0) {
            options.storms = std::atol(value), ++i;
        } else if (std::strcmp(arg, "--random") == 0) {
            options.random = std::atol(value), ++i;
        } else if (std::strcmp(arg, "--seed") == 0) {
            options.seed = static_cast<std::uint32_t>(std::strtoul(value, nullptr, 10)), ++i;
        } else if (std::strcmp(arg, "--only") == 0) {
            options.only = value, ++i;
        } else if (std::strcmp(arg, "--full") == 0) {
            options.full = true;
        } else if (std::strcmp(arg, "--no-hostile") == 0) {
            options.hostile = false;
        } else if (std::strcmp(arg, "--inject-leak") == 0) {
            options.injectLeak = true;
        } else if (std::strcmp(arg, "--inject-crash") == 0) {
            options.injectCrash = true;
        } else {
            std::fprintf(stderr, "unknown argument %s\n", arg);
            std::exit(2);
        }
    }
    return options;
}

// What the objects left are, when the system tells: "(33 DC)".
std::string Kinds(const std::string& kinds) {
    return kinds.empty() ? std::string() : " (" + kinds + ")";
}

// The verdict of one cycles or storm row; a bad row counts as a fault.
std::string Verdict(bool failed, long objects, long long bytes, const char* failure,
                    const std::string& kinds, int& faults) {
    const bool bad = failed || objects != 0 || bytes != 0;
    faults += bad;
    return std::string(failed ? failure : bad ? "LEAK" : "ok") + Kinds(kinds);
}

} // namespace

int main(int argc, char** argv) {
    const stress::Options options = ParseOptions(argc, argv);
    if (!stress::g_library.Load()) {
        std::printf("QUORL32.DLL could not be loaded\n");
        return 2;
    }
    int faults = 0;

    ULONGLONG started = GetTickCount64();
    const auto lap = [&started](const char* phase) {
        const ULONGLONG now = GetTickCount64();
        std::printf("(%s: %.1f s)\n", phase, static_cast<double>(now - started) / 1000.0);
        started = now;
    };
    std::printf("%-24s %9s %9s %11s  %s\n", "cycles", "cycles", "objects", "bytes", "result");
    for (const auto& r : stress::RunCycles(options)) {
        std::printf(
            "%-24s %9ld %9ld %11lld  %s\n", r.name.c_str(), r.cycles, r.objects, r.bytes,
            Verdict(r.failed, r.objects, r.bytes, "FAILED TO CREATE", r.kinds, faults).c_str());
    }
    // A growth of that cache would otherwise show as DCs and regions left
    // behind, three objects at a time, in whichever row happened to grow it.
    std::printf("(census: the window manager's DC cache is filled before each baseline)\n");
    lap("cycles");
    std::printf("\n%-34s %7s %9s %11s  %s\n", "storm", "rounds", "objects", "bytes", "result");
    const auto storms =
        options.only.empty() ? stress::RunStorms(options) : std::vector<stress::StormResult>{};
    for (const auto& r : storms) {
        std::printf("%-34s %7ld %9ld %11lld  %s\n", r.name.c_str(), r.rounds, r.objects, r.bytes,
                    Verdict(r.failed, r.objects, r.bytes, "FAILED", r.kinds, faults).c_str());
    }

    lap("storms");
    std::printf("\n%-14s %-22s %7s %9s %7s %6s\n", "hostile", "message", "cases", "contract",
                "fault", "hangs");
    long cases = 0, contract = 0, crashes = 0, hangs = 0;
    const auto hostile =
        options.hostile ? stress::RunHostile(options) : std::vector<stress::HostileRow>{};
    for (const auto& r : hostile) {
        cases += r.cases;
        contract += r.contractCrashes;
        crashes += r.faultCrashes;
        hangs += r.hangs;
        if (r.contractCrashes + r.faultCrashes + r.hangs == 0) {
            continue; // only the rows with something to tell
        }
        std::printf("%-14s %-22s %7ld %9ld %7ld %6ld\n", r.className.c_str(), r.message.c_str(),
                    r.cases, r.contractCrashes, r.faultCrashes, r.hangs);
    }
    std::printf("%-14s %-22s %7ld %9ld %7ld %6ld\n", "all", "", cases, contract, crashes, hangs);
    lap("hostile campaign");
    faults += crashes != 0 || hangs != 0;
    std::printf("\n%s\n", faults == 0 ? "stress: no leak, no crash outside the pointer contracts"
                                      : "stress: FAULTS FOUND");
    std::fflush(stdout);
    // Threads ended by the campaign may have left the process's locks
    // held: leave without running the library's detach.
    TerminateProcess(GetCurrentProcess(), faults == 0 ? 0 : 1);
    return faults == 0 ? 0 : 1;
}
