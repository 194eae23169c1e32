// framecalc-completion FILE: writes framecalc's bash completion to FILE (at build time).

#include <cstdio>
#include <fstream>

#include "BashCompletion.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: framecalc-completion FILE\n", stderr);
        return 2;
    }
    std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
    file << framecalc::bashCompletionScript();
    file.close();
    if (!file) {
        std::fprintf(stderr, "framecalc-completion: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
