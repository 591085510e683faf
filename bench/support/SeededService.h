#pragma once

#include "DevServerProcess.h"
#include "ServiceConfig.h"

#include <QElapsedTimer>
#include <QStringList>

#include <cstdio>
#include <memory>

// The stand-in service seeded with `listings` generated listings, the program pointed at it; null
// (and a line on stderr) when it did not start. The benchmark's target names the service's program.
inline std::unique_ptr<DevServerProcess> startSeededService(int listings) {
    QElapsedTimer seeding;
    seeding.start();
    auto service = std::make_unique<DevServerProcess>(
        QStringLiteral(NORVELA_DEVSERVER_PROGRAM),
        QStringList{QStringLiteral("--seed"), QStringLiteral("large:%1").arg(listings)});
    service->setForwardErrors(true);
    if (!service->start(150000) || service->origin().isEmpty()) {
        std::fprintf(stderr, "the stand-in service did not start\n");
        return nullptr;
    }
    std::printf("stand-in service with %d listings ready in %.1f s\n", listings, seeding.elapsed() / 1000.0);
    ServiceConfig::instance()->redirectTo(service->origin());
    return service;
}
