# The program's resource tree: main.qml, every document and script under src/, the fonts and
# the images, each at the path its folder and file name give. The .qrc is generated from the
# folders, so a file added to them is served without further listing; every document and script
# is compiled by qmlcachegen during the build, so a broken one fails the build, not the start.

find_program(QMLCACHEGEN_EXECUTABLE qmlcachegen
    HINTS "${_qt5Core_install_prefix}/lib/qt5/bin" /usr/lib/qt5/bin REQUIRED)
find_program(QMLLINT_EXECUTABLE qmllint HINTS "${_qt5Core_install_prefix}/lib/qt5/bin" /usr/lib/qt5/bin REQUIRED)

function(norvela_add_qml_resources target source_root)
    file(GLOB_RECURSE _documents CONFIGURE_DEPENDS
        RELATIVE "${source_root}"
        "${source_root}/main.qml"
        "${source_root}/src/*.qml" "${source_root}/src/*.js" "${source_root}/src/*qmldir")
    file(GLOB_RECURSE _assets CONFIGURE_DEPENDS
        RELATIVE "${source_root}"
        "${source_root}/rss/fonts/*.ttf" "${source_root}/rss/fonts/*.otf"
        "${source_root}/rss/images/*.png" "${source_root}/rss/images/*.jpg"
        "${source_root}/rss/images/*.gif" "${source_root}/rss/images/*.svg")
    list(SORT _documents)
    list(SORT _assets)

    set(_qrc "${CMAKE_CURRENT_BINARY_DIR}/${target}.qrc")
    set(_content "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n")
    foreach(_file IN LISTS _documents _assets)
        string(APPEND _content "    <file alias=\"${_file}\">${source_root}/${_file}</file>\n")
    endforeach()
    string(APPEND _content "</qresource>\n</RCC>\n")
    file(CONFIGURE OUTPUT "${_qrc}" CONTENT "${_content}" @ONLY)

    set(_checks)
    foreach(_file IN LISTS _documents)
        if(_file MATCHES "\\.(qml|js)$")
            set(_out "${CMAKE_CURRENT_BINARY_DIR}/qmlcheck/${_file}c")
            get_filename_component(_out_dir "${_out}" DIRECTORY)
            add_custom_command(OUTPUT "${_out}"
                COMMAND ${CMAKE_COMMAND} -E make_directory "${_out_dir}"
                COMMAND "${QMLCACHEGEN_EXECUTABLE}" --resource-path "/${_file}" -o "${_out}"
                        "${source_root}/${_file}"
                DEPENDS "${source_root}/${_file}"
                COMMENT "Compiling ${_file}"
                VERBATIM)
            list(APPEND _checks "${_out}")
        endif()
    endforeach()
    add_custom_target(${target}_compiled ALL DEPENDS ${_checks})

    # The program's documents and the tests' own, which load them.
    set(_lint_files ${_documents})
    list(FILTER _lint_files INCLUDE REGEX "\\.(qml|js)$")
    list(TRANSFORM _lint_files PREPEND "${source_root}/")
    file(GLOB_RECURSE _test_documents CONFIGURE_DEPENDS "${source_root}/tests/*.qml" "${source_root}/tests/*.js")
    add_custom_target(qmllint COMMAND "${QMLLINT_EXECUTABLE}" ${_lint_files} ${_test_documents}
                      COMMENT "qmllint over every document and script" VERBATIM)

    qt5_add_resources(_rcc_sources "${_qrc}" OPTIONS -compress-algo zlib)
    add_library(${target} OBJECT ${_rcc_sources})
    target_link_libraries(${target} PRIVATE Qt5::Core)
    add_dependencies(${target} ${target}_compiled)
    set(NORVELA_QRC_FILE "${_qrc}" PARENT_SCOPE)
endfunction()
