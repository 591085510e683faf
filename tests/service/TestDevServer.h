#pragma once

#include "DevServerProcess.h"

// The service program this build made, for DevServerProcess.
inline QString devServerProgram() {
    return QStringLiteral(NORVELA_DEVSERVER_BINARY);
}
