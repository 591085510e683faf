# The development certificate authority and the stand-in service's certificate, made once per
# development build tree with openssl. No private key ever lives in the source tree. Only what runs
# from the build tree uses them (the service, the client, the tests and the benchmarks); the
# installed programs neither read nor trust them.
set(NORVELA_DEVCERT_DIR "${CMAKE_BINARY_DIR}/devcert")
set(_ca_key "${NORVELA_DEVCERT_DIR}/ca.key")
set(_ca_crt "${NORVELA_DEVCERT_DIR}/ca.crt")
set(_srv_key "${NORVELA_DEVCERT_DIR}/server.key")
set(_srv_crt "${NORVELA_DEVCERT_DIR}/server.crt")

find_program(OPENSSL_EXECUTABLE openssl REQUIRED)

if(NOT EXISTS "${_srv_crt}" OR NOT EXISTS "${_ca_crt}")
    file(MAKE_DIRECTORY "${NORVELA_DEVCERT_DIR}")
    file(WRITE "${NORVELA_DEVCERT_DIR}/server.ext"
        "basicConstraints=CA:FALSE\n"
        "keyUsage=digitalSignature,keyEncipherment\n"
        "extendedKeyUsage=serverAuth\n"
        "subjectAltName=IP:127.0.0.1,DNS:localhost\n")
    set(_steps
        "req -x509 -newkey rsa:2048 -nodes -sha256 -days 3650 -keyout ca.key -out ca.crt -subj /CN=Norvela\\ Development\\ CA -addext basicConstraints=critical,CA:TRUE -addext keyUsage=critical,keyCertSign,cRLSign"
        "req -newkey rsa:2048 -nodes -sha256 -keyout server.key -out server.csr -subj /CN=127.0.0.1"
        "x509 -req -in server.csr -CA ca.crt -CAkey ca.key -CAcreateserial -days 825 -sha256 -extfile server.ext -out server.crt")
    foreach(_step IN LISTS _steps)
        separate_arguments(_args UNIX_COMMAND "${_step}")
        execute_process(COMMAND "${OPENSSL_EXECUTABLE}" ${_args}
            WORKING_DIRECTORY "${NORVELA_DEVCERT_DIR}"
            RESULT_VARIABLE _rc OUTPUT_QUIET ERROR_VARIABLE _err)
        if(NOT _rc EQUAL 0)
            message(FATAL_ERROR "openssl ${_step} failed: ${_err}")
        endif()
    endforeach()
    message(STATUS "Development certificates created in ${NORVELA_DEVCERT_DIR}")
endif()

set(NORVELA_DEVCERT_CA "${_ca_crt}")
set(NORVELA_DEVSERVER_CERT "${_srv_crt}")
set(NORVELA_DEVSERVER_KEY "${_srv_key}")
