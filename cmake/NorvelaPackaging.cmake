# Desktop integration and the Debian packages. `cpack -G DEB` makes one package per install
# component: `norvela` (the client) and, where the build has it, `norvela-devserver` (the
# stand-in service). The files they carry besides the programs live in packaging/.
set(_packaging "${PROJECT_SOURCE_DIR}/packaging")
set(_metainfo_id "ir.norvela.norvela")

# The changelog and the metadata name the version a package is built as; a version raised in
# one place only would ship a package that contradicts itself.
file(STRINGS "${_packaging}/changelog" _changelog_head LIMIT_COUNT 1)
if(NOT _changelog_head MATCHES "^norvela \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "packaging/changelog must begin with an entry for ${PROJECT_VERSION}: ${_changelog_head}")
endif()
file(READ "${_packaging}/${_metainfo_id}.metainfo.xml" _metainfo)
if(NOT _metainfo MATCHES "<release version=\"${PROJECT_VERSION}\"")
    message(FATAL_ERROR "packaging/${_metainfo_id}.metainfo.xml names no release ${PROJECT_VERSION}")
endif()

# Debian wants the changelog and the man pages compressed to the maximum and without a time
# stamp, so that two builds of the same sources give the same package.
find_program(GZIP_EXECUTABLE gzip REQUIRED)
set(_compressed_dir "${CMAKE_BINARY_DIR}/packaging")
set(_compressed "")
foreach(_file changelog norvela.1 norvela-devserver.1)
    add_custom_command(OUTPUT "${_compressed_dir}/${_file}.gz"
        COMMAND ${CMAKE_COMMAND} -E make_directory "${_compressed_dir}"
        COMMAND sh -c "\"${GZIP_EXECUTABLE}\" -9nc \"${_packaging}/${_file}\" > \"${_compressed_dir}/${_file}.gz\""
        DEPENDS "${_packaging}/${_file}"
        VERBATIM)
    list(APPEND _compressed "${_compressed_dir}/${_file}.gz")
endforeach()
add_custom_target(norvela_packaging_files ALL DEPENDS ${_compressed})

# norvela_install_package_docs(<component> <package>): the copyright file and the changelog
# every Debian package carries in its own doc folder.
function(norvela_install_package_docs component package)
    install(FILES "${_packaging}/copyright" "${_compressed_dir}/changelog.gz"
            DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package} COMPONENT ${component})
endfunction()

install(FILES "${_packaging}/norvela.desktop" DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
        COMPONENT client)
install(FILES "${_packaging}/${_metainfo_id}.metainfo.xml" DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
        COMPONENT client)
install(FILES "${PROJECT_SOURCE_DIR}/rss/images/icon.png"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps RENAME norvela.png COMPONENT client)
foreach(_size 32 48 64 128)
    install(FILES "${_packaging}/icons/norvela-${_size}.png"
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_size}x${_size}/apps RENAME norvela.png
            COMPONENT client)
endforeach()
install(FILES "${_compressed_dir}/norvela.1.gz" DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT client)
norvela_install_package_docs(client norvela)
set(_components client)

if(TARGET norvela_devserver_shipped)
    install(FILES "${_compressed_dir}/norvela-devserver.1.gz" DESTINATION ${CMAKE_INSTALL_MANDIR}/man1
            COMPONENT devserver)
    norvela_install_package_docs(devserver norvela-devserver)
    list(APPEND _components devserver)
endif()

set(CPACK_PACKAGE_NAME "norvela")
set(CPACK_PACKAGE_VENDOR "Norvela")
set(CPACK_PACKAGE_CONTACT "Norvela developers <dev@norvela.ir>")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_COMPONENTS_ALL ${_components})
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SOURCE "norvela")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://norvela.ir/")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Each package's description is its summary line followed by the long text, wrapped by hand
# (the package tools want lines of at most 80 characters).
set(CPACK_DEBIAN_CLIENT_PACKAGE_NAME "norvela")
set(CPACK_DEBIAN_CLIENT_PACKAGE_SECTION "misc")
set(CPACK_DEBIAN_CLIENT_DESCRIPTION
    "Desktop client of the Norvela real-estate listing service
Norvela is the desktop program of an online listing service for property
agencies. Agency staff sign in with a mobile number and a one-time code, or
with a user name and password; browse, search and filter property listings;
add and edit them; keep contacts and notes; manage their office, staff and
folder access; buy plans and charge a wallet; read posts and notifications;
export listings to Excel workbooks and save a listing page as an image.

Its texts are Persian and its layout is right-to-left. It reaches the service
over HTTPS and trusts the system's certificate authorities only (and the one
its build was given).")
# QML modules are loaded at run time, so shlibdeps cannot see them.
set(CPACK_DEBIAN_CLIENT_PACKAGE_DEPENDS
    "qml-module-qtquick2, qml-module-qtquick-window2, qml-module-qtquick-layouts, qml-module-qtquick-controls2, qml-module-qtquick-templates2, qml-module-qtquick-controls, qml-module-qtquick-dialogs, qml-module-qtquick-localstorage, qml-module-qtgraphicaleffects, qml-module-qtpositioning, qml-module-qtlocation, qml-module-qt-labs-platform, qml-module-qt-labs-settings, qml-module-qtqml-models2, libqt5location5-plugins, libqt5positioning5-plugins, libqt5sql5-sqlite")
# Qt's own dialogs (file choosers, printing) in Persian; without it they are in English.
set(CPACK_DEBIAN_CLIENT_PACKAGE_RECOMMENDS "qttranslations5-l10n")

set(CPACK_DEBIAN_DEVSERVER_PACKAGE_NAME "norvela-devserver")
set(CPACK_DEBIAN_DEVSERVER_PACKAGE_SECTION "devel")
set(CPACK_DEBIAN_DEVSERVER_DESCRIPTION
    "Stand-in service for developing the Norvela client
norvela-devserver answers the whole API of the Norvela listing service over
HTTPS on 127.0.0.1, with its data in an SQLite database: sign-in, listings and
their search, media, plans, wallet and payment pages, staff and the map. It is
meant for developing, testing and demonstrating the client, not for serving
agencies.

On its first start without a certificate it makes a development certificate
authority and a server certificate in its data folder, and prints where the
authority's certificate lies, so that a client can be told to trust it.")
include(CPack)
