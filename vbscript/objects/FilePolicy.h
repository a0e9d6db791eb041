#pragma once
// A ready-made Config::fileAccess for hosts: scripts may read and write inside
// the read-write folders, only read inside the read-only ones, nothing else.
#include <functional>
#include <string>
#include <vector>

namespace vbs {

// Roots are made absolute with symbolic links resolved when the policy is
// built. A root itself may be read and listed but not deleted or renamed;
// everything strictly inside a read-write root may also be written.
std::function<bool(const std::string& path, bool write)>
allowFolders(std::vector<std::string> readWriteRoots, std::vector<std::string> readOnlyRoots = {});

} // namespace vbs
