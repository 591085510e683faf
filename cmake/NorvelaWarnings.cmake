# Shared compile settings for every target of the project.
add_library(norvela_warnings INTERFACE)
target_compile_options(norvela_warnings INTERFACE -Wall -Wextra -Wshadow -Wnon-virtual-dtor -Wpedantic)
target_compile_definitions(norvela_warnings INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_KEYWORDS
    QT_DISABLE_DEPRECATED_BEFORE=0x050F00
    QT_USE_QSTRINGBUILDER)
option(NORVELA_WERROR "Treat compiler warnings as errors" OFF)
if(NORVELA_WERROR)
    target_compile_options(norvela_warnings INTERFACE -Werror)
endif()
