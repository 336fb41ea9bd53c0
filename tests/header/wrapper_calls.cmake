# Right wrapper calls compile cleanly and each wrong one fails, in the
# language given: cmake -DCOMPILER=... -DLANGUAGE=c|c++ -DINCLUDE_DIR=...
#   -DSOURCE=wrapper_calls.c -DWRONG_CALLS=n -P wrapper_calls.cmake
if(LANGUAGE STREQUAL "c++")
    set(flags -x c++ -std=c++17 -Wold-style-cast)
else()
    set(flags -x c -std=c99)
endif()
list(APPEND flags -DWIN32_LEAN_AND_MEAN -fsyntax-only -Wall -Wextra -pedantic -Werror -I ${INCLUDE_DIR})

function(compile case result_variable)
    execute_process(COMMAND ${COMPILER} ${flags} -DWRONG_CALL=${case} ${SOURCE}
                    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    set(${result_variable} ${result} PARENT_SCOPE)
    set(output ${output} PARENT_SCOPE)
endfunction()

compile(0 result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${LANGUAGE}: the right calls do not compile cleanly:\n${output}")
endif()
foreach(case RANGE 1 ${WRONG_CALLS})
    compile(${case} result)
    if(result EQUAL 0)
        message(FATAL_ERROR "${LANGUAGE}: wrong call ${case} of ${SOURCE} compiles")
    endif()
endforeach()
message(STATUS "${LANGUAGE}: right calls clean, ${WRONG_CALLS} wrong calls rejected")
