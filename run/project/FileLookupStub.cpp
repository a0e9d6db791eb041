// Temporary: plain-name lookup only, until the hidden names and CDs are read.
#include "run/project/FileLookup.h"

#include "run/core/Session.h"
#include "run/project/ProjectPaths.h"

namespace run {

std::string HiddenPath(const std::string& path, bool) { return path; }
std::string ResolveProjectFile(Session&, const std::string& path) { return ExistingPath(path); }
std::string LocateOnCd(Session&, const std::string& path) { return path; }
bool IsCdProject(const Session&) { return false; }
void LoadCdIndex(Session&) {}
char DetectCdDrive(const Session&) { return 'd'; }
void HaltGame(Session&) {}
void StopEverything(Session& s) { s.flags.Quitting = true; }

} // namespace run
