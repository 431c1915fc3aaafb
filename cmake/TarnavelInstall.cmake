# The package files an installed copy carries: TarnavelConfig.cmake with its version file and targets, and
# tarnavel.pc. A build tree exports the same Tarnavel:: targets for add_subdirectory and FetchContent users.
include(CMakePackageConfigHelpers)

set(TARNAVEL_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Tarnavel)
install(EXPORT TarnavelTargets NAMESPACE Tarnavel:: DESTINATION ${TARNAVEL_CMAKE_DIR})
export(EXPORT TarnavelTargets NAMESPACE Tarnavel:: FILE ${PROJECT_BINARY_DIR}/TarnavelTargets.cmake)

configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/TarnavelConfig.cmake.in
  ${PROJECT_BINARY_DIR}/TarnavelConfig.cmake INSTALL_DESTINATION ${TARNAVEL_CMAKE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/TarnavelConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/TarnavelConfig.cmake ${PROJECT_BINARY_DIR}/TarnavelConfigVersion.cmake
  DESTINATION ${TARNAVEL_CMAKE_DIR})

# The .pc file finds its prefix from where it lies, so an installed copy can be moved or installed elsewhere.
file(RELATIVE_PATH TARNAVEL_PC_TO_PREFIX /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
configure_file(${PROJECT_SOURCE_DIR}/cmake/tarnavel.pc.in ${PROJECT_BINARY_DIR}/tarnavel.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/tarnavel.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
