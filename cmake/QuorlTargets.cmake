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
