// peak_memory.cpp -- kelvor-peak-memory COMMAND [ARGUMENT...]: runs a command
// and writes its peak resident memory in KiB to stderr, as "peak KiB N".
//
// A process forked from the benchmark script would count the script's own
// memory into its peak; forked from this small program it counts only its own.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: kelvor-peak-memory COMMAND [ARGUMENT...]\n");
        return 2;
    }
    pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    int status = 0;
    struct rusage usage = {};
    if (child < 0 || wait4(child, &status, 0, &usage) != child) return 2;
    std::fprintf(stderr, "peak KiB %ld\n", usage.ru_maxrss);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}
