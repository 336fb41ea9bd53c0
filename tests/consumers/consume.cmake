# One way of using the built library from outside, end to end: build a tiny
# client, then run it under Wine (its exit code is the verdict).
#   cmake -DMODE=msvc|package|subdirectory -DWORK_DIR=... -DEMULATOR=... -P consume.cmake
# msvc: CLANG, LLD_LINK, TARGET (clang triple), IMPORT_LIBRARY (QUORL32.lib),
#       DLL, INCLUDE_DIR.
# package, subdirectory: SOURCE_DIR, BUILD_DIR (the library's build tree),
#       TOOLCHAIN, GENERATOR; the README's quick-start example is built too.
cmake_minimum_required(VERSION 3.25)
set(here ${CMAKE_CURRENT_LIST_DIR})
if(NOT WORK_DIR)
    message(FATAL_ERROR "WORK_DIR is not set")
endif()
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})

function(run)
    execute_process(COMMAND ${ARGN} WORKING_DIRECTORY ${WORK_DIR} RESULT_VARIABLE result
                    OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT result EQUAL 0)
        list(JOIN ARGN " " command)
        message(FATAL_ERROR "${command}\nfailed (${result}):\n${output}")
    endif()
endfunction()

# The fenced block that follows "<!-- quickstart: NAME -->" in the README.
function(extract_quickstart name)
    file(READ ${SOURCE_DIR}/README.md readme)
    string(FIND "${readme}" "<!-- quickstart: ${name} -->" marker)
    if(marker EQUAL -1)
        message(FATAL_ERROR "README.md has no quick-start block ${name}")
    endif()
    string(SUBSTRING "${readme}" ${marker} -1 rest)
    string(FIND "${rest}" "```" open)
    string(SUBSTRING "${rest}" ${open} -1 rest)
    string(FIND "${rest}" "\n" line_end)
    math(EXPR body_start "${line_end} + 1")
    string(SUBSTRING "${rest}" ${body_start} -1 rest)
    string(FIND "${rest}" "```" close)
    string(SUBSTRING "${rest}" 0 ${close} body)
    file(WRITE ${WORK_DIR}/quickstart/${name} "${body}")
endfunction()

if(MODE STREQUAL "msvc")
    run(${CLANG} --target=${TARGET} -O2 -Wall -Wextra -Werror -I ${INCLUDE_DIR}
        -c ${here}/msvc_client.c -o msvc_client.obj)
    run(${LLD_LINK} /nologo /nodefaultlib /entry:QuorlClientMain /subsystem:console
        /out:msvc_client.exe msvc_client.obj ${IMPORT_LIBRARY})
    file(COPY ${DLL} DESTINATION ${WORK_DIR})
    set(program ${WORK_DIR}/msvc_client.exe)
elseif(MODE STREQUAL "package" OR MODE STREQUAL "subdirectory")
    extract_quickstart(app.c)
    extract_quickstart(app.rc)
    set(configure -S ${here}/app -B ${WORK_DIR}/build -G ${GENERATOR}
        -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN} -DCMAKE_BUILD_TYPE=Release
        -DQUORL_CONSUME=${MODE} -DQUORL_QUICKSTART_DIR=${WORK_DIR}/quickstart)
    if(MODE STREQUAL "package")
        run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${WORK_DIR}/prefix)
        list(APPEND configure -DCMAKE_PREFIX_PATH=${WORK_DIR}/prefix)
    else()
        list(APPEND configure -DQUORL_SOURCE_DIR=${SOURCE_DIR})
    endif()
    run(${CMAKE_COMMAND} ${configure})
    run(${CMAKE_COMMAND} --build ${WORK_DIR}/build --parallel 2)
    set(program ${WORK_DIR}/build/consumer.exe)
else()
    message(FATAL_ERROR "unknown MODE ${MODE}")
endif()

execute_process(COMMAND ${EMULATOR} ${program} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${program} under Wine: exit code ${result}")
endif()
message(STATUS "${MODE}: built and ran ${program}")
