#pragma once

#include "DevServerProcess.h"
#include "ServiceConfig.h"

#include <QElapsedTimer>
#include <QStringList>

#include <cstdio>

// Starts `service` seeded with `listings` generated listings and points the program at it; false
// (and a line on stderr) when it did not start.
inline bool startSeededService(DevServerProcess &service, int listings) {
    QElapsedTimer seeding;
    seeding.start();
    service.setForwardErrors(true);
    if (!service.start(150000) || service.origin().isEmpty()) {
        std::fprintf(stderr, "the stand-in service did not start\n");
        return false;
    }
    std::printf("stand-in service with %d listings ready in %.1f s\n", listings, seeding.elapsed() / 1000.0);
    ServiceConfig::instance()->redirectTo(service.origin());
    return true;
}
