#include "Host.h"

int main(int argc, char *argv[]) {
    return Host::run(argc, argv);
}
