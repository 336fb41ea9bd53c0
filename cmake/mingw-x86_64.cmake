# Cross toolchain for the 64-bit DLL, the one the tests run under Wine.
set(QUORL_TRIPLE x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
