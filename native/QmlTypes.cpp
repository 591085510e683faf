#include "QmlTypes.h"

#include "Downloader.h"
#include "Excel.h"
#include "LatinDigitValidator.h"
#include "PrintAction.h"
#include "Settings.h"
#include "Utility.h"

#include <QtQml>

namespace QmlTypes {

void registerAll() {
    // Order matters to nobody at run time, but it is kept as documented.
    qmlRegisterType<Settings>("AppSettings", 1, 0, "Settings");
    qmlRegisterType<Downloader>("AppDownloader", 1, 0, "Downloader");
    qmlRegisterType<Utility>("AppUtility", 1, 0, "AppUtility");
    qmlRegisterType<PrintAction>("AppPrint", 1, 0, "PrintAction");
    qmlRegisterType<Excel>("AppExcel", 1, 0, "Excel");
    // Not a native object of the pages: the toolkit's inputs put it in front of their validators.
    qmlRegisterType<LatinDigitValidator>("AppValidator", 1, 0, "LatinDigitValidator");
}

} // namespace QmlTypes
