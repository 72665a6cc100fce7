#include "cli/kov_run.h"

#include <iostream>
#include <unistd.h>

int main(int argc, char** argv) {
    const std::vector<std::string> argumente(argv + 1, argv + argc);
    return kov::KovRun(argumente, std::cout, std::cerr, ::isatty(STDERR_FILENO) == 1);
}
