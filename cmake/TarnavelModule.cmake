# One helper declares every library target the same way: sources found under its folder, the include root
# for the build and for an installed copy, the Tarnavel:: alias, and the install of its public headers.
include(GNUInstallDirs)

function(tarnavel_module name)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${name}/*.cpp)
  if(NOT sources)
    # A module that has no sources yet is still a target that others can link.
    set(sources ${CMAKE_CURRENT_SOURCE_DIR}/empty.cpp)
  endif()
  add_library(tarnavel_${name} STATIC ${sources})
  add_library(Tarnavel::${name} ALIAS tarnavel_${name})
  set_target_properties(tarnavel_${name} PROPERTIES EXPORT_NAME ${name})
  target_include_directories(tarnavel_${name} PUBLIC
    $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/src>
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
  target_compile_options(tarnavel_${name} PRIVATE ${TARNAVEL_WARNINGS})
  target_compile_features(tarnavel_${name} PUBLIC cxx_std_20)
  if(TARNAVEL_INSTALL)
    install(TARGETS tarnavel_${name} EXPORT TarnavelTargets ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
    # Headers under an internal/ folder are the module's own business and stay out of an installed copy.
    install(DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${name}/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/tarnavel/${name}
            FILES_MATCHING PATTERN "*.h" PATTERN "internal" EXCLUDE)
  endif()
endfunction()
