# Build-time configuration of the client. The shipped program reads no command line or
# environment: everything it needs to reach the service is fixed here.
set(NORVELA_DEVSERVER_PORT "8443" CACHE STRING "Port of the bundled stand-in service")
set(_devserver "https://127.0.0.1:${NORVELA_DEVSERVER_PORT}")

set(NORVELA_API_BASE_URL "${_devserver}/api/" CACHE STRING
    "Base URL of the service's JSON API (ends in '/'; the client appends 'v1/' or 'v2/')")
set(NORVELA_SITE_URL "${_devserver}/" CACHE STRING
    "The service's web site (terms page, footer, share text; ends in '/')")
set(NORVELA_MAP_TILE_URL "${_devserver}/map/tiles/" CACHE STRING
    "Raster tile base URL for the map (ends in '/'; the map appends z/x/y.png)")
set(NORVELA_MAP_GEOCODING_URL "${_devserver}/map/geocoding" CACHE STRING
    "Geocoding base URL (no trailing '/'; the map appends /search and /reverse)")
set(NORVELA_MAP_PLACES_URL "${_devserver}/map/places" CACHE STRING "Place search URL")
option(NORVELA_SHOW_LOG
       "The program built in the tree prints requests and replies to the console (never the installed one)" ON)
set(NORVELA_TRUSTED_CA "" CACHE FILEPATH
    "PEM file of a certificate authority trusted beside the system's (empty: the development authority)")

foreach(_url NORVELA_API_BASE_URL NORVELA_SITE_URL NORVELA_MAP_TILE_URL)
    if(NOT ${_url} MATCHES "/$")
        message(FATAL_ERROR "${_url} must end in '/': ${${_url}}")
    endif()
endforeach()
