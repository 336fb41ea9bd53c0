# Warning policy and link settings shared by every target of ours.
add_library(quorl_warnings INTERFACE)
target_compile_options(quorl_warnings INTERFACE -Wall -Wextra -Werror)

if(WIN32)
    # No MinGW runtime DLLs to ship or to find under Wine.
    add_link_options(-static -static-libgcc $<$<LINK_LANGUAGE:CXX>:-static-libstdc++>)
endif()

if(QUORL_SANITIZE AND NOT WIN32)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

# The library's own code never throws: failures are return values. Built
# without exceptions, the DLL links no unwinder, so a 32-bit DLL registers no
# unwind tables at load, which with this runtime takes a lock, a thread
# record, a TLS index and two kernel handles that an unload never gives
# back (dll/no_exceptions.cpp stands in for the runtime's throwing paths).
function(quorl_without_exceptions target)
    target_compile_options(${target} PRIVATE -fno-exceptions)
endfunction()

# quorl_component(NAME [PURE src...] [WINDOWS src...] [USES target...] [INCLUDES path...])
# One static library per source folder. PURE sources need no window system
# and build everywhere; WINDOWS sources build only for Windows. USES names
# the other folders' targets it links; INCLUDES lists what it may include
# besides its own folder and include/ (a folder "core/" or one header), which
# the include_rules build step enforces.
function(quorl_component name)
    cmake_parse_arguments(C "" "" "PURE;WINDOWS;USES;INCLUDES" ${ARGN})
    set(sources ${C_PURE})
    if(WIN32)
        list(APPEND sources ${C_WINDOWS})
    endif()
    if(sources)
        add_library(${name} STATIC ${sources})
        set(scope PUBLIC)
    else()
        add_library(${name} INTERFACE)
        set(scope INTERFACE)
    endif()
    target_include_directories(${name} ${scope} ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/include)
    target_link_libraries(${name} ${scope} quorl_warnings ${C_USES})
    if(WIN32)
        if(sources)
            quorl_without_exceptions(${name})
        endif()
        target_compile_definitions(${name} ${scope} WIN32_LEAN_AND_MEAN NOMINMAX STRICT
                                                    QUORL32_BUILDING)
        target_link_libraries(${name} ${scope} user32 gdi32 kernel32)
    endif()
    file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    list(JOIN C_INCLUDES "," allowed)
    set_property(GLOBAL APPEND PROPERTY QUORL_COMPONENTS ${name})
    set_property(GLOBAL APPEND PROPERTY QUORL_INCLUDE_RULES "${folder}/=${allowed}")
endfunction()
