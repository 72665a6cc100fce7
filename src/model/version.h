#pragma once
// The program's version, one number for kov and kov-run from the build, and the git revision
// it was built from (empty outside a checkout; "-geaendert" with uncommitted changes).

#include <string>
#include <string_view>

namespace kov {

std::string_view ProgrammVersion();
std::string_view ProgrammRevision();
// "kov-run 2.0.0 (Revision 1a2b3c4d5e)", without the bracket when there is no revision
std::string VersionText(std::string_view programm);

} // namespace kov
