#include "Host.h"

int main(int argc, char *argv[]) {
    // Fixed per build (NORVELA_SHOW_LOG): the program in the build tree logs, the installed one does not.
    Host::setRequestLogging(NORVELA_SHOW_LOG != 0);
    return Host::run(argc, argv);
}
