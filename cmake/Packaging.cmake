# Installation (`cmake --install`) and the Debian package (`cpack -G DEB`, see scripts/package.sh).
#
#   bin/rotaplan, bin/rotaplan-cli       the programs
#   share/rotaplan/                      settings, help, Examples: what a new program folder is filled
#                                        with (resources/CMakeLists.txt)
#   share/applications/, share/icons/hicolor/, share/metainfo/
#                                        the menu entry, the icon and the AppStream entry (packaging/)
#   share/man/man1/                      the manual pages, compressed (packaging/man)
#   share/doc/rotaplan/                  the copyright file and the changelog (NEWS, compressed)
#   share/bash-completion/completions/   the bash completion of rotaplan-cli
#   share/lintian/overrides/rotaplan     the lintian tags that do not apply, each with its reason
#
# The programs find share/rotaplan relative to their own folder (LocateResources), so the installed tree can
# be moved to any prefix.

install(TARGETS rotaplan rotaplan-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A stripped install (the package's) also drops the compilers' notes, as Debian's own packages do.
install(CODE "set(rotaplan_objcopy \"${CMAKE_OBJCOPY}\")\nset(rotaplan_bindir \"${CMAKE_INSTALL_BINDIR}\")")
install(CODE [[
    if(CMAKE_INSTALL_DO_STRIP AND rotaplan_objcopy)
        foreach(program rotaplan rotaplan-cli)
            execute_process(COMMAND "${rotaplan_objcopy}" --remove-section=.comment
                                    "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${rotaplan_bindir}/${program}"
                            COMMAND_ERROR_IS_FATAL ANY)
        endforeach()
    endif()
]])

# The lintian overrides, each with its reason.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/debian/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME rotaplan)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rotaplan)
set(CPACK_PACKAGE_VENDOR "The Rotaplan developers")
set(CPACK_PACKAGE_CONTACT "The Rotaplan developers <developers@rotaplan.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.rotaplan.example/")
# The synopsis and the extended description, in lines of at most 80 characters (lintian); an empty line
# separates paragraphs.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "monthly floor-duty schedules for sales offices")
set(CPACK_PACKAGE_DESCRIPTION
    "Rotaplan builds the monthly floor-duty schedule of an office of sales agents:
up to nine sites, duty slots A to H on each weekday, and agents and two-person
teams with their sites, a maximum of duties, days off and requests. Every open
slot of a month is given to one agent, and the result is shown as one calendar
per site to edit, print and save, with reports per agent and per site.

The package holds the desktop program, rotaplan, and rotaplan-cli, which
generates, checks and reports on a month and exports its duties as iCalendar
and CSV files without opening a window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

# rotaplan_<version>_<architecture>.deb; its dependencies are those of the programs' shared libraries
# (dpkg-shlibdeps, from dpkg-dev).
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The icon theme the icon is installed into; the desktop updates its menus and icon caches through it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hicolor-icon-theme")

include(CPack)
