# Installing, and the Debian package (cpack -G DEB): the three programs with their manual
# pages, the window's desktop entry, icon and AppStream metadata, bash completion for
# vtg7300ctl, the operator's guide, and the package's copyright file and changelog.
include(GNUInstallDirs)

set(VTG_MAINTAINER "VTG-7300 controller developers <maintainers@vtg7300.org>"
    CACHE STRING "Who maintains the package: the Maintainer field and the changelog's signature")
set(VTG_DEBIAN_REVISION 1 CACHE STRING "The Debian revision of the package, after the project's version")
set(VTG_DEBIAN_VERSION ${PROJECT_VERSION}-${VTG_DEBIAN_REVISION})
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/vtg7300)
set(generated ${CMAKE_BINARY_DIR}/packaging)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The copyright file in the machine-readable format, from LICENSE.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE)
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]*)" _ "${licence}")
set(holder "${CMAKE_MATCH_1}")
string(REGEX REPLACE "^.*Copyright \\(c\\) [^\n]*\n\n" "" terms "${licence}")
string(STRIP "${terms}" terms)
string(REPLACE "\n\n" "\n.\n" terms "${terms}")
string(REPLACE "\n" "\n " terms "${terms}")
file(WRITE ${generated}/copyright "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: vtg7300

Files: *
Copyright: ${holder}
License: Expat

License: Expat
 ${terms}
")

configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${generated}/changelog @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/org.vtg7300.controller.metainfo.xml
               ${generated}/org.vtg7300.controller.metainfo.xml @ONLY)

# Manual pages and the changelog go in compressed, without time stamps.
find_program(GZIP gzip REQUIRED)
set(compressed)
foreach(page vtg7300.1 vtg7300ctl.1 vtg7300-sim.1)
  configure_file(${PROJECT_SOURCE_DIR}/docs/man/${page}.in ${generated}/${page} @ONLY)
  list(APPEND compressed ${generated}/${page})
endforeach()
list(APPEND compressed ${generated}/changelog)
set(compressed_outputs)
foreach(file ${compressed})
  get_filename_component(name ${file} NAME)
  if(name STREQUAL "changelog")
    set(name changelog.Debian)
  endif()
  add_custom_command(OUTPUT ${generated}/${name}.gz
                     COMMAND ${GZIP} -9nc ${file} > ${generated}/${name}.gz
                     DEPENDS ${file})
  list(APPEND compressed_outputs ${generated}/${name}.gz)
endforeach()
add_custom_target(vtg7300_compressed_docs ALL DEPENDS ${compressed_outputs})

install(TARGETS vtg7300 vtg7300-sim vtg7300ctl RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${generated}/vtg7300.1.gz ${generated}/vtg7300ctl.1.gz ${generated}/vtg7300-sim.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/vtg7300.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${generated}/org.vtg7300.controller.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${CMAKE_BINARY_DIR}/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/bash-completion/vtg7300ctl
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
install(FILES ${generated}/copyright ${generated}/changelog.Debian.gz DESTINATION ${doc_dir})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/lintian/vtg7300 DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/guide DESTINATION ${doc_dir})

set(CPACK_PACKAGE_NAME vtg7300)
set(CPACK_PACKAGE_VENDOR "VTG-7300 controller developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "controller for VTG-7300 title generators")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${CMAKE_CURRENT_LIST_DIR}/description.txt)
set(CPACK_PACKAGE_CONTACT ${VTG_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${VTG_DEBIAN_REVISION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The Qt libraries the programs link come in as dependencies; the window also needs a
# platform plugin, which Qt only recommends.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
# The window and the messages are Japanese.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-noto-cjk)
include(CPack)
