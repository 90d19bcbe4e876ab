// zuhost: loads a plug-in library as a host would and shows what it does.
#include <cstdio>
#include <string_view>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: zuhost list [LIBRARY] [--json]\n");
        return 2;
    }
    std::fprintf(stderr, "zuhost: unknown command '%s'\n", argv[1]);
    return 2;
}
