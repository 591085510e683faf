# Build-time configuration of the client. The shipped program reads no command line or
# environment: everything it needs to reach the service is fixed here.
#
# Two kinds of build. The default one is for development: the addresses point at the stand-in
# service on 127.0.0.1, a development certificate authority is made in the build tree, and the
# service, the tests and the benchmarks are built. A release build (NORVELA_RELEASE, the `release`
# preset) is the client alone for a real service: its addresses must be given, and it trusts the
# system's authorities plus NORVELA_TRUSTED_CA when one is given, never a development authority.
option(NORVELA_RELEASE "Build the client alone for a real service (see the release preset)" OFF)

set(NORVELA_DEVSERVER_PORT "8443" CACHE STRING "Port of the bundled stand-in service")
# A release build has no default address: each is given on the command line.
foreach(_default _api _site _tiles _geocoding _places)
    set(${_default} "")
endforeach()
if(NOT NORVELA_RELEASE)
    set(_devserver "https://127.0.0.1:${NORVELA_DEVSERVER_PORT}")
    set(_api "${_devserver}/api/")
    set(_site "${_devserver}/")
    set(_tiles "${_devserver}/map/tiles/")
    set(_geocoding "${_devserver}/map/geocoding")
    set(_places "${_devserver}/map/places")
endif()

set(NORVELA_API_BASE_URL "${_api}" CACHE STRING
    "Base URL of the service's JSON API (ends in '/'; the client appends 'v1/' or 'v2/')")
set(NORVELA_SITE_URL "${_site}" CACHE STRING
    "The service's web site (terms page, footer, share text; ends in '/')")
set(NORVELA_MAP_TILE_URL "${_tiles}" CACHE STRING
    "Raster tile base URL for the map (ends in '/'; the map appends z/x/y.png)")
set(NORVELA_MAP_GEOCODING_URL "${_geocoding}" CACHE STRING
    "Geocoding base URL (no trailing '/'; the map appends /search and /reverse)")
set(NORVELA_MAP_PLACES_URL "${_places}" CACHE STRING "Place search URL")
set(NORVELA_TRUSTED_CA "" CACHE FILEPATH
    "PEM file of a certificate authority trusted beside the system's by every program of the build")

if(NORVELA_RELEASE)
    set(_development_default OFF)
else()
    set(_development_default ON)
endif()
option(NORVELA_SHOW_LOG
       "The program built in the tree prints requests and replies to the console (never the installed one)"
       ${_development_default})
option(NORVELA_BUILD_DEVSERVER "Build the stand-in service" ${_development_default})
option(NORVELA_BUILD_TESTS "Build the test suites" ${_development_default})
option(NORVELA_BUILD_BENCHMARKS "Build the benchmarks" ${_development_default})

set(_addresses NORVELA_API_BASE_URL NORVELA_SITE_URL NORVELA_MAP_TILE_URL NORVELA_MAP_GEOCODING_URL
               NORVELA_MAP_PLACES_URL)
if(NORVELA_RELEASE)
    set(_missing "")
    foreach(_url IN LISTS _addresses)
        if(NOT ${_url} MATCHES "^https://[^/]+")
            string(APPEND _missing "\n  -D${_url}=https://…  (now '${${_url}}')")
        endif()
    endforeach()
    if(_missing)
        message(FATAL_ERROR "A release build needs every address of the service, each over https:${_missing}")
    endif()
    # The service, the tests and the benchmarks all rest on the development authority, which a
    # release build neither makes nor trusts.
    foreach(_part NORVELA_BUILD_DEVSERVER NORVELA_BUILD_TESTS NORVELA_BUILD_BENCHMARKS)
        if(${_part})
            message(FATAL_ERROR "A release build builds the client alone: set ${_part} to OFF")
        endif()
    endforeach()
endif()

foreach(_url NORVELA_API_BASE_URL NORVELA_SITE_URL NORVELA_MAP_TILE_URL)
    if(NOT ${_url} MATCHES "/$")
        message(FATAL_ERROR "${_url} must end in '/': ${${_url}}")
    endif()
endforeach()

if(NORVELA_TRUSTED_CA)
    if(NOT EXISTS "${NORVELA_TRUSTED_CA}")
        message(FATAL_ERROR "NORVELA_TRUSTED_CA names no file: ${NORVELA_TRUSTED_CA}")
    endif()
    file(STRINGS "${NORVELA_TRUSTED_CA}" _pem_begin REGEX "^-----BEGIN CERTIFICATE-----")
    if(NOT _pem_begin)
        message(FATAL_ERROR "NORVELA_TRUSTED_CA holds no PEM certificate: ${NORVELA_TRUSTED_CA}")
    endif()
endif()
