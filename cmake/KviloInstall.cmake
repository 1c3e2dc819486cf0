# What `cmake --install` puts, and the Debian package CPack makes of it (scripts/package).
#
# The program folder is ${KVILO_INSTALL_DIR} (/usr/lib/kvilo): kvilo, kvilo-cli and the program's own
# shared libraries side by side, found through an $ORIGIN run path, so that start-up's companion check finds
# the libraries in the folder of the running program, as it expects. /usr/bin holds symbolic links to the
# two programs. The desktop entry, icons and metainfo come from resources/, the man page from docs/.

set(KVILO_INSTALL_DIR lib/kvilo CACHE STRING
    "The program folder under the install prefix: the programs and their libraries")
set(KVILO_APP_ID ru.tarvelo.kvilo)

# kvilo_install_program(target ...): the program's binaries into the program folder, and the links to its
# two programs in the folder of commands.
function(kvilo_install_program)
    foreach(target IN LISTS ARGN)
        set_target_properties(${target} PROPERTIES INSTALL_RPATH "$ORIGIN")
    endforeach()
    install(TARGETS ${ARGN} RUNTIME DESTINATION ${KVILO_INSTALL_DIR} LIBRARY DESTINATION ${KVILO_INSTALL_DIR})
    file(RELATIVE_PATH to_program /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${KVILO_INSTALL_DIR})
    file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/command-links)
    foreach(program kvilo kvilo-cli)
        file(CREATE_LINK ${to_program}/${program} ${PROJECT_BINARY_DIR}/command-links/${program} SYMBOLIC)
        install(FILES ${PROJECT_BINARY_DIR}/command-links/${program} DESTINATION ${CMAKE_INSTALL_BINDIR})
    endforeach()
endfunction()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kvilo)
set(CPACK_PACKAGE_VERSION ${KVILO_FULL_VERSION})
set(CPACK_PACKAGE_VENDOR Tarvelo)
set(CPACK_PACKAGE_CONTACT "Kvilo developers <kvilo@localhost>" CACHE STRING "The package's maintainer")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "counterparty look-up in the Russian state registers")
set(CPACK_PACKAGE_DESCRIPTION [=[
Kvilo looks up companies and sole traders in the Russian state registers
(EGRUL / EGRIP) through a suggestions web service: type an INN, a name or an
address and it lists the register entries, opens one as an extract card or
on a map and exports the list to an XLSX workbook. kvilo-cli runs the same
lookup from the command line.]=])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# The library dependencies come from the binaries themselves (dpkg-shlibdeps); what is loaded by name at run
# time is named here: Qt's platform plugins (xcb), a font for the windows, and xdg-open for documents.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, xdg-utils")
include(CPack)
