#pragma once
// Helpers for the file-fault tests: the message a call ends with, the number of open
// descriptors, and a call made without root rights.

#include "model/fehler.h"

#include <dirent.h>
#include <functional>
#include <string>
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

// Runs the call in a child process that has dropped to the user "nobody" (uid and gid 65534)
// and returns its TDateiFehler message; "<kein Wechsel>" when the rights could not be dropped.
inline std::string FehlerMeldungOhneRoot(const std::function<void()>& aufruf) {
    int rohr[2];
    if (::pipe(rohr) != 0) return "<kein Wechsel>";
    const pid_t kind = ::fork();
    if (kind < 0) {
        ::close(rohr[0]);
        ::close(rohr[1]);
        return "<kein Wechsel>";
    }
    if (kind == 0) {
        ::close(rohr[0]);
        std::string text = "<kein Wechsel>";
        if (::setgid(65534) == 0 && ::setuid(65534) == 0) text = FehlerMeldung(aufruf);
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

} // namespace kov::test
