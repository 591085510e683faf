#include "QmlTestSetup.h"

#include <QtQuickTest/quicktest.h>

int main(int argc, char **argv) {
    QmlTestSetup setup;
    const int failures = quick_test_main_with_setup(argc, argv, "norvela", nullptr, &setup);
    if (failures == 0 && setup.strayWarnings() > 0)
        return 1;
    return failures;
}
