#include "model/version.h"

#include "kov_revision.h"

namespace kov {

std::string_view ProgrammVersion() {
    return KOV_VERSION;
}

std::string_view ProgrammRevision() {
    return KOV_REVISION;
}

std::string VersionText(std::string_view programm) {
    std::string text(programm);
    text.append(" ").append(ProgrammVersion());
    if (!ProgrammRevision().empty())
        text.append(" (Revision ").append(ProgrammRevision()).append(")");
    return text;
}

} // namespace kov
