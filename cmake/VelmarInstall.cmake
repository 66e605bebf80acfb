# What `cmake --install` and the Debian package (`cpack -G DEB`) hold:
#
#   lib/<arch>/velmar/      libvelmar.so.0 with what it finds beside itself at
#                           run time: kalksrv.dll, catalogue.db, velmar.ini,
#                           adinit.dat
#   bin/                    velmar-host, vmpacket, dxfview, kalksrv-catalogue,
#                           kalksrv-drawings
#   include/velmar/         the include root: interface/velmar.h for hosts,
#                           service/ks_api.h and model/materialdaten.h for
#                           authors of a calculation service
#   lib/<arch>/cmake/velmar find_package(velmar CONFIG): velmar::velmar
#   lib/<arch>/pkgconfig    velmar.pc
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(VELMAR_INSTALL_DIR ${CMAKE_INSTALL_LIBDIR}/velmar)
set(VELMAR_INCLUDE_ROOT ${CMAKE_INSTALL_INCLUDEDIR}/velmar)
set(VELMAR_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/velmar)

# The component and its run-time files, side by side.
install(TARGETS velmar EXPORT velmarTargets
        LIBRARY DESTINATION ${VELMAR_INSTALL_DIR}
        INCLUDES DESTINATION ${VELMAR_INCLUDE_ROOT})
install(TARGETS kalksrv LIBRARY DESTINATION ${VELMAR_INSTALL_DIR})
install(FILES ${VELMAR_OUT}/catalogue.db ${PROJECT_SOURCE_DIR}/interface/velmar.ini
              ${PROJECT_SOURCE_DIR}/platform/drawing/adinit.dat
        DESTINATION ${VELMAR_INSTALL_DIR})

# The tools, with a run path to the component's folder.
set(velmar_tools velmar-host vmpacket dxfview kalksrv-catalogue kalksrv-drawings)
file(RELATIVE_PATH tools_to_component ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_LIBDIR}/velmar)
set_target_properties(${velmar_tools} PROPERTIES INSTALL_RPATH "$ORIGIN/${tools_to_component}")
install(TARGETS ${velmar_tools} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# Headers under the paths they have in the source tree, so that
# "interface/velmar.h" includes "model/records.h" unchanged.
install(FILES interface/velmar.h interface/velmar_types.h
              ${VELMAR_GENERATED}/interface/velmar_version.h
        DESTINATION ${VELMAR_INCLUDE_ROOT}/interface)
install(FILES model/records.h model/rpc_property.h model/tstream.h model/ksp_records.h
              model/materialdaten.h model/ks_lists.h model/packet.h
        DESTINATION ${VELMAR_INCLUDE_ROOT}/model)
install(FILES service/ks_api.h DESTINATION ${VELMAR_INCLUDE_ROOT}/service)

# CMake package: velmar::velmar carries the include root, C++20 and Qt.
install(EXPORT velmarTargets NAMESPACE velmar:: DESTINATION ${VELMAR_CMAKE_DIR})
configure_package_config_file(cmake/velmarConfig.cmake.in
  ${CMAKE_BINARY_DIR}/velmarConfig.cmake INSTALL_DESTINATION ${VELMAR_CMAKE_DIR})
# Hosts built against one major version run with every later minor version.
write_basic_package_version_file(${CMAKE_BINARY_DIR}/velmarConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/velmarConfig.cmake ${CMAKE_BINARY_DIR}/velmarConfigVersion.cmake
        DESTINATION ${VELMAR_CMAKE_DIR})

# pkg-config, relocatable: the prefix is found from the file's own place.
file(RELATIVE_PATH pc_to_prefix ${CMAKE_INSTALL_FULL_LIBDIR}/pkgconfig ${CMAKE_INSTALL_PREFIX})
configure_file(cmake/velmar.pc.in ${CMAKE_BINARY_DIR}/velmar.pc @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/velmar.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

install(FILES README.md CONTRIBUTING.md CHANGELOG.md LICENSE
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

# Debian package. Its dependencies are the Debian run-time packages of the
# libraries the installed files link (dpkg-shlibdeps).
set(CPACK_PACKAGE_NAME velmar)
set(CPACK_PACKAGE_VENDOR "velmar developers")
set(CPACK_PACKAGE_CONTACT "velmar developers <velmar@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "configurator component for window and door elements, with demo host and tools")
set(CPACK_PACKAGE_DESCRIPTION "A host application embeds the configurator's main form \
through libvelmar.so.0; the reference calculation service kalksrv.dll answers from an SQLite \
article catalogue.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libvelmar.so.0 is the package's own, in its own folder.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_BINARY_DIR}/bin)
# Without debugging information: a tenth of the size.
set(CPACK_STRIP_FILES ON)
include(CPack)
