# Desktop integration and the Debian package.
install(FILES "${PROJECT_SOURCE_DIR}/tools/norvela.desktop" DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES "${PROJECT_SOURCE_DIR}/rss/images/icon.png"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps RENAME norvela.png)

set(CPACK_PACKAGE_NAME "norvela")
set(CPACK_PACKAGE_VENDOR "Norvela")
set(CPACK_PACKAGE_CONTACT "Norvela developers <dev@norvela.ir>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Desktop client of the Norvela real-estate listing service")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_DEBIAN_PACKAGE_SECTION "misc")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# QML modules are loaded at run time, so shlibdeps cannot see them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qml-module-qtquick2, qml-module-qtquick-window2, qml-module-qtquick-layouts, qml-module-qtquick-controls2, qml-module-qtquick-templates2, qml-module-qtquick-controls, qml-module-qtquick-dialogs, qml-module-qtquick-localstorage, qml-module-qtgraphicaleffects, qml-module-qtpositioning, qml-module-qtlocation, qml-module-qt-labs-platform, qml-module-qt-labs-settings, qml-module-qtqml-models2, libqt5location5-plugins, libqt5positioning5-plugins, libqt5sql5-sqlite")
# Qt's own dialogs (file choosers, printing) in Persian; without it they are in English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qttranslations5-l10n")
set(CPACK_COMPONENTS_ALL_IN_ONE_PACKAGE ON)
include(CPack)
