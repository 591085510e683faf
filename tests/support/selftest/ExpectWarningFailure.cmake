# Runs the Quick Test runner on a document that warns, and passes only when the runner failed
# the process because of that warning.
execute_process(COMMAND "${RUNNER}" -input "${DOCUMENT}"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(rc EQUAL 0)
    message(FATAL_ERROR "the runner passed a document that warns:\n${out}${err}")
endif()
if(NOT "${out}${err}" MATCHES "QML warning: [^\n]*noSuchObject is not defined")
    message(FATAL_ERROR "the runner failed for another reason:\n${out}${err}")
endif()
