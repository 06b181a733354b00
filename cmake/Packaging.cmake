# Installs a static library as a package that other projects find in the two usual ways:
# find_package(<name> CONFIG) giving <name>::<name>, and pkg-config with <name>.pc.
#
# install_library_package(<target> HEADERS <headers...> DESCRIPTION <text>)
# The headers are installed as <prefix>/include/<target>/<header name>. Everything goes into
# the install component "libraries"; the programs form the component "programs".
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

# Both kinds of package file find the prefix from their own place, so an installed package
# stays right for whatever prefix `cmake --install --prefix` is given.
file(RELATIVE_PATH PACKAGE_PKGCONFIG_TO_PREFIX
    "/prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig" "/prefix")
string(REGEX REPLACE "/$" "" PACKAGE_PKGCONFIG_TO_PREFIX "${PACKAGE_PKGCONFIG_TO_PREFIX}")

function(install_library_package target)
    cmake_parse_arguments(ARG "" "DESCRIPTION" "HEADERS" ${ARGN})
    set(configDir ${CMAKE_INSTALL_LIBDIR}/cmake/${target})

    install(TARGETS ${target} EXPORT ${target}Targets
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT libraries)
    install(FILES ${ARG_HEADERS} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${target}
        COMPONENT libraries)
    install(EXPORT ${target}Targets NAMESPACE ${target}:: DESTINATION ${configDir}
        COMPONENT libraries)

    set(PACKAGE_NAME ${target})
    configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/packageConfig.cmake.in
        ${CMAKE_CURRENT_BINARY_DIR}/${target}Config.cmake INSTALL_DESTINATION ${configDir})
    write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/${target}ConfigVersion.cmake
        VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${target}Config.cmake
        ${CMAKE_CURRENT_BINARY_DIR}/${target}ConfigVersion.cmake DESTINATION ${configDir}
        COMPONENT libraries)

    set(PACKAGE_DESCRIPTION "${ARG_DESCRIPTION}")
    configure_file(${PROJECT_SOURCE_DIR}/cmake/package.pc.in
        ${CMAKE_CURRENT_BINARY_DIR}/${target}.pc @ONLY)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${target}.pc
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT libraries)
endfunction()
