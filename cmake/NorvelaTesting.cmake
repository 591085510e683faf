# Helpers that declare the project's tests. Every test runs offscreen with fresh storage and
# carries exactly one label: native, qml, service or e2e.

set(NORVELA_TEST_ENVIRONMENT
    "QT_QPA_PLATFORM=offscreen"
    "QT_QUICK_BACKEND=software"
    "QML_DISABLE_DISK_CACHE=1"
    "QT_LOGGING_RULES=qt.qpa.*=false")

# norvela_add_native_test(<name> LABEL <label> SOURCES <files…> [LIBRARIES <targets…>] [TIMEOUT <s>])
function(norvela_add_native_test name)
    cmake_parse_arguments(ARG "" "LABEL;TIMEOUT" "SOURCES;LIBRARIES" ${ARGN})
    if(NOT ARG_LABEL)
        message(FATAL_ERROR "test ${name} needs a LABEL")
    endif()
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 120)
    endif()
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE norvela_core norvela_testsupport Qt5::Test norvela_warnings
                          ${ARG_LIBRARIES})
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABEL}" TIMEOUT ${ARG_TIMEOUT}
                         ENVIRONMENT "${NORVELA_TEST_ENVIRONMENT}")
endfunction()

# norvela_add_qml_tests(LABEL <label> [WITH_SERVICE] [TIMEOUT <s>] [ENVIRONMENT <k=v…>])
# One ctest per tst_*.qml file in the calling folder, run by the Quick Test runner that
# registers the program's native types and serves the program's resource tree. WITH_SERVICE
# gives every test process a stand-in service of its own, with fresh demo data, and points the
# client at it (context property `testService`).
function(norvela_add_qml_tests)
    cmake_parse_arguments(ARG "WITH_SERVICE" "LABEL;TIMEOUT" "FIXTURES;ENVIRONMENT" ${ARGN})
    if(ARG_WITH_SERVICE)
        list(APPEND ARG_ENVIRONMENT "NORVELA_TEST_DEVSERVER=$<TARGET_FILE:norvela-devserver>")
    endif()
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 180)
    endif()
    file(GLOB _files CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/tst_*.qml")
    foreach(_file IN LISTS _files)
        get_filename_component(_base "${_file}" NAME_WE)
        set(_name "${ARG_LABEL}_${_base}")
        add_test(NAME ${_name} COMMAND norvela-qmltest -input "${_file}")
        set_tests_properties(${_name} PROPERTIES LABELS "${ARG_LABEL}" TIMEOUT ${ARG_TIMEOUT}
                             ENVIRONMENT "${NORVELA_TEST_ENVIRONMENT};${ARG_ENVIRONMENT}")
        if(ARG_WITH_SERVICE)
            # Each process seeds a service of its own: keep them from starving each other.
            set_tests_properties(${_name} PROPERTIES RESOURCE_LOCK norvela_service_cpu)
        endif()
        if(ARG_FIXTURES)
            set_tests_properties(${_name} PROPERTIES FIXTURES_REQUIRED "${ARG_FIXTURES}")
        endif()
    endforeach()
endfunction()
