// Failpoints without touching the library: the import address table of a
// loaded module is patched so that every import that can fail goes through
// a hook. The hook counts the calls of its import and, when armed, makes
// the Nth call (or every call from the Nth on) return the import's
// documented failure value with the last error set, without calling it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace stress {

struct ImportKind {
    const char* dll;  // as the import table names it, compared without case
    const char* name; // the import's name
};

// Every hookable import (those that can fail), in a fixed order; the index
// is the kind's number.
const std::vector<ImportKind>& ImportKinds();

// Points module's import table entries of every kind at the hooks; returns
// how many entries it patched.
int PatchImports(HMODULE module);

// Calls counted per kind since the last Arm or Disarm.
std::vector<long> CallCounts();

// From now on the Nth call of kind fails (and every later one too when
// persistent); a kind of -1 only counts.
void Arm(int kind, long n, bool persistent);
// Stops failing and counting.
void Disarm();

// The kind's number for a name, or -1.
int KindByName(const std::string& name);

} // namespace stress
