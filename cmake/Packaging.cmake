# What a user installs: man pages, completion, documentation files, and the Debian
# package that scripts/package builds with CPack.
include(GNUInstallDirs)

# Change with the project's version; the metainfo and the changelog carry it.
set(BRINEVANE_RELEASE_DATE "2026-12-08")
set(BRINEVANE_MAINTAINER "Brinevane Setup maintainers <setup@brinevane.example>" CACHE STRING
    "The package's maintainer, as 'Name <address>'")
execute_process(COMMAND date -u -R -d "${BRINEVANE_RELEASE_DATE} 12:00"
                OUTPUT_VARIABLE BRINEVANE_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)

set(docdir ${CMAKE_INSTALL_DATADIR}/doc/brinevane-setup)
set(generated ${PROJECT_BINARY_DIR}/generated)

# Man pages: written in scdoc, installed compressed as Debian wants them. Without scdoc
# the programs still build; the package build asks for the pages (BRINEVANE_REQUIRE_MAN).
option(BRINEVANE_REQUIRE_MAN "Fail the configuration when scdoc is missing" OFF)
find_program(SCDOC_PROGRAM scdoc)
if(SCDOC_PROGRAM)
    # Ninja makes an output's folder itself; Make does not.
    file(MAKE_DIRECTORY ${generated}/man)
    set(man_pages "")
    foreach(page brinevane-setup brinevane-probe brinevane-sim)
        set(source ${PROJECT_SOURCE_DIR}/docs/man/${page}.1.scd)
        add_custom_command(
            OUTPUT ${generated}/man/${page}.1 ${generated}/man/${page}.1.gz
            COMMAND sh -c "'${SCDOC_PROGRAM}' <'${source}' >'${generated}/man/${page}.1'"
            COMMAND gzip -9nf -k ${generated}/man/${page}.1
            DEPENDS ${source}
            COMMENT "Man page ${page}(1)"
            VERBATIM)
        list(APPEND man_pages ${generated}/man/${page}.1.gz)
    endforeach()
    add_custom_target(man ALL DEPENDS ${man_pages})
    install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
elseif(BRINEVANE_REQUIRE_MAN)
    message(FATAL_ERROR "scdoc is missing, and the man pages are required: "
                        "install it (scripts/deps installs it: apt-get install scdoc)")
else()
    message(WARNING "scdoc is missing: the man pages are skipped. "
                    "Install scdoc (apt-get install scdoc) to build them.")
endif()

# One completion script for the three programs; bash loads it by the command's name.
foreach(program brinevane-setup brinevane-probe brinevane-sim)
    install(FILES ${PROJECT_SOURCE_DIR}/res/completion/brinevane.bash
            DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME ${program})
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/res/completion/_brinevane-probe
        DESTINATION ${CMAKE_INSTALL_DATADIR}/zsh/vendor-completions)

configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in ${generated}/changelog @ONLY)
add_custom_command(OUTPUT ${generated}/changelog.gz
                   COMMAND gzip -9nf -k ${generated}/changelog
                   DEPENDS ${generated}/changelog VERBATIM)
add_custom_target(changelog ALL DEPENDS ${generated}/changelog.gz)
install(FILES ${generated}/changelog.gz ${PROJECT_SOURCE_DIR}/packaging/copyright
        DESTINATION ${docdir})

# The Debian package. Its dependencies come from the binaries (dpkg-shlibdeps).
#
# Lintian gives no errors and no warnings on it. One note is left:
# binary-has-unneeded-section .comment (info): CPack strips with a plain strip, which
# keeps the compiler's .comment section; it costs a few hundred bytes and nothing else.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brinevane-setup)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "wizard that finds a Brinevane ADCP on a serial port")
set(CPACK_PACKAGE_DESCRIPTION
    "Brinevane Setup finds a Brinevane acoustic Doppler current profiler (ADCP)
on one of the computer's serial ports, RS-232 or USB-serial adapter, and
checks that it answers. It tries every port at every rate, or checks the one
chosen, and says plainly what it found or why it failed.
.
The package holds the wizard brinevane-setup (Qt 6); brinevane-probe, the
same jobs for a terminal and for scripts; and brinevane-sim, an instrument
simulated on pseudo-terminals for demonstrations without hardware. The wizard
and brinevane-probe speak English, German, French, Spanish, Brazilian
Portuguese, Simplified Chinese and Japanese, as the user's locale asks.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${BRINEVANE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${BRINEVANE_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The programs carry their own catalogs; Qt's texts (the buttons of its boxes, the menus of
# text fields) come in the user's language from Qt's.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
