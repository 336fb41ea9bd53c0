# Install rules and the CMake package: bin/QUORL32.DLL, lib/ with the MinGW
# import library (and QUORL32.lib for the Visual C++ tools where it was
# made), include/, the docs, and lib/cmake/QUORL32 so that
# find_package(QUORL32 CONFIG) gives the imported target QUORL32::QUORL32.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(QUORL_PACKAGE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/QUORL32)

install(TARGETS QUORL32 EXPORT QUORL32Targets
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
if(QUORL_MSVC_IMPORT_LIBRARY)
    install(FILES ${QUORL_MSVC_IMPORT_LIBRARY} DESTINATION ${CMAKE_INSTALL_LIBDIR})
endif()
install(FILES ${PROJECT_SOURCE_DIR}/include/quorl32.h ${PROJECT_SOURCE_DIR}/include/quorl32_styles.h
              ${PROJECT_SOURCE_DIR}/include/quorl32_dates.h ${PROJECT_SOURCE_DIR}/include/quorl32x.h
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/docs/reference.md
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

install(EXPORT QUORL32Targets NAMESPACE QUORL32:: DESTINATION ${QUORL_PACKAGE_DIR})
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/QUORL32Config.cmake.in
                              ${PROJECT_BINARY_DIR}/QUORL32Config.cmake
                              INSTALL_DESTINATION ${QUORL_PACKAGE_DIR})
# Same major version is compatible; the version file also refuses a package
# of the other pointer size (a 32-bit program cannot load the 64-bit DLL).
write_basic_package_version_file(${PROJECT_BINARY_DIR}/QUORL32ConfigVersion.cmake
                                 VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/QUORL32Config.cmake
              ${PROJECT_BINARY_DIR}/QUORL32ConfigVersion.cmake
        DESTINATION ${QUORL_PACKAGE_DIR})
