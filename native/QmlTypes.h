#pragma once

// The native types the QML documents declare. The program and the QML test runner both call
// registerAll(), so they can never register different things.
namespace QmlTypes {
void registerAll();
}
