#pragma once

#include "DevServerProcess.h"

// The service program this build made, for DevServerProcess.
inline QString devServerProgram() {
    return QStringLiteral(NORVELA_DEVSERVER_BINARY);
}

// The same service as it is installed: it knows nothing of this build's certificates.
inline QString shippedDevServerProgram() {
    return QStringLiteral(NORVELA_DEVSERVER_SHIPPED_BINARY);
}
