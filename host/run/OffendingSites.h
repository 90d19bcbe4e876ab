// Where the calls that a CountingScope counted came from: the call stack of
// each distinct path that allocated or locked, kept while counting and put
// into words afterwards, so that a developer sees which line of the plug-in
// allocated on the audio thread.
//
// Contract: noteOffendingSite() is called from the counting hooks; it never
// allocates (the unwinder is warmed up before main), ignores calls made while
// it is already capturing, and keeps at most maxSites distinct stacks.
// describeOffendingSites() allocates and must run outside counting scopes.
#pragma once

#include <string>

namespace zuhost {

inline constexpr int maxSites = 4;

enum class SiteKind { Allocation, Lock };

void noteOffendingSite(SiteKind kind);
void clearOffendingSites();
// One block per site: "allocation at:" then up to a few frames of the
// plug-in's own code, outermost last; empty when nothing was noted.
std::string describeOffendingSites();

}  // namespace zuhost
