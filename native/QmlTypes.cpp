#include "QmlTypes.h"

#include "Settings.h"
#include "Utility.h"

#include <QtQml>

namespace QmlTypes {

void registerAll()
{
    // Order matters to nobody at run time, but it is kept as documented.
    qmlRegisterType<Settings>("AppSettings", 1, 0, "Settings");
    qmlRegisterType<Utility>("AppUtility", 1, 0, "AppUtility");
}

} // namespace QmlTypes
