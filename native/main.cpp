#include "Host.h"

int main(int argc, char *argv[]) {
    // Fixed per build (NORVELA_SHOW_LOG): the program in the build tree logs, the installed one does not.
    Host::setRequestLogging(NORVELA_SHOW_LOG != 0);
    // Fixed per build too: only the program in the build tree trusts that tree's own authority.
    Host::setTrustDevelopmentAuthority(NORVELA_TRUST_DEVELOPMENT_AUTHORITY != 0);
    return Host::run(argc, argv);
}
