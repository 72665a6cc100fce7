#pragma once
// Helpers for the file-fault tests: the message a call ends with, the number of open
// descriptors, and a call made without root rights.

#include "model/fehler.h"

#include <csignal>
#include <dirent.h>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kov::test {

// The TDateiFehler message the call ends with, "" when it ends normally.
inline std::string FehlerMeldung(const std::function<void()>& aufruf) {
    try {
        aufruf();
    } catch (const TDateiFehler& f) {
        return f.what();
    }
    return "";
}

inline int OffeneDeskriptoren() {
    int anzahl = 0;
    if (DIR* d = ::opendir("/proc/self/fd")) {
        while (::readdir(d) != nullptr)
            ++anzahl;
        ::closedir(d);
    }
    return anzahl;
}

// Runs the call in a child process after vorbereiten (which says whether it could prepare the
// child) and returns its TDateiFehler message, or ohneVorbereitung.
inline std::string FehlerMeldungImKind(const std::function<bool()>& vorbereiten,
                                       const std::function<void()>& aufruf,
                                       const std::string& ohneVorbereitung) {
    int rohr[2];
    if (::pipe(rohr) != 0) return ohneVorbereitung;
    const pid_t kind = ::fork();
    if (kind < 0) {
        ::close(rohr[0]);
        ::close(rohr[1]);
        return ohneVorbereitung;
    }
    if (kind == 0) {
        ::close(rohr[0]);
        const std::string text = vorbereiten() ? FehlerMeldung(aufruf) : ohneVorbereitung;
        [[maybe_unused]] auto n = ::write(rohr[1], text.data(), text.size());
        ::_exit(0);
    }
    ::close(rohr[1]);
    std::string text;
    char puffer[256];
    ssize_t n;
    while ((n = ::read(rohr[0], puffer, sizeof puffer)) > 0)
        text.append(puffer, static_cast<std::size_t>(n));
    ::close(rohr[0]);
    int status = 0;
    ::waitpid(kind, &status, 0);
    return text;
}

// The call made as the user "nobody" (uid and gid 65534); "<kein Wechsel>" when the rights
// could not be dropped.
inline std::string FehlerMeldungOhneRoot(const std::function<void()>& aufruf) {
    return FehlerMeldungImKind([] { return ::setgid(65534) == 0 && ::setuid(65534) == 0; }, aufruf,
                               "<kein Wechsel>");
}

// The call made in a process whose files may not grow beyond grenze bytes, so that a write
// fails as on a full disk (EFBIG, "Disk full").
inline std::string FehlerMeldungMitGrenze(rlim_t grenze, const std::function<void()>& aufruf) {
    return FehlerMeldungImKind(
        [grenze] {
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{grenze, grenze};
            return ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
        },
        aufruf, "<keine Grenze>");
}

} // namespace kov::test
