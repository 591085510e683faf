// Runs the program's start-up with another main document, for the host tests.
#include "Host.h"

#include <QUrl>

int main(int argc, char *argv[]) {
    if (argc < 2)
        return 2;
    return Host::run(argc, argv, QUrl(QString::fromLocal8Bit(argv[1])));
}
