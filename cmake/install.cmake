# Install rules and the Debian package: what CUPS needs to find and run the driver and what a print
# dialog needs to load its panel, and nothing of the tests, fuzzers or benchmarks. Each deliverable
# installs as a component of its own.

# CUPS only runs filters from its own server-bin folder and lists models from its PPD folders,
# whatever the install prefix: the destinations are absolute (staged with DESTDIR or by CPack).
find_program(PD_CUPS_CONFIG cups-config)
set(serverbin /usr/lib/cups)
if(PD_CUPS_CONFIG)
    execute_process(COMMAND ${PD_CUPS_CONFIG} --serverbin OUTPUT_VARIABLE serverbin
                    OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
endif()
set(PD_CUPS_SERVERBIN ${serverbin} CACHE PATH "CUPS's server-bin folder (its filter/ gets psfilter)")
set(PD_PPD_DIR /usr/share/ppd/durven CACHE PATH "Folder of the printer's PPD, one that CUPS lists")
# The panel's bundle is a plug-in of the machine's architecture, private to the driver: a folder of
# its own in the multiarch library folder, laid out as in the build (the module beside its strings
# and view description), so that a dialog loads it from there as it stands.
set(bundle_parent /usr/lib)
if(CMAKE_LIBRARY_ARCHITECTURE)
    string(APPEND bundle_parent /${CMAKE_LIBRARY_ARCHITECTURE})
endif()
set(PD_PANEL_BUNDLE_DIR ${bundle_parent}/printdriver/printpanel.bundle
    CACHE PATH "Folder of the print panel's bundle")

# CUPS refuses a filter that is not owned by root or that group or others can write, and checks the
# folder that holds it in the same way: the modes do not depend on the installer's umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
install(TARGETS psfilter RUNTIME DESTINATION ${PD_CUPS_SERVERBIN}/filter COMPONENT psfilter
        PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                    WORLD_READ WORLD_EXECUTE)
install(FILES ${CMAKE_SOURCE_DIR}/data/ppd/durven-paltero.ppd DESTINATION ${PD_PPD_DIR}
        COMPONENT ppd PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
# A module that is loaded, not run, carries no execute bits. The fuzzing build has no module.
if(TARGET printpanel)
    install(TARGETS printpanel LIBRARY DESTINATION ${PD_PANEL_BUNDLE_DIR} COMPONENT panel
            PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
    install(DIRECTORY ${CMAKE_SOURCE_DIR}/panel/bundle/ DESTINATION ${PD_PANEL_BUNDLE_DIR}
            COMPONENT panel FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
endif()

# The package's version is the driver's version.
file(STRINGS ${CMAKE_SOURCE_DIR}/core/record/driver_version.h version_line
     REGEX "driverVersion = \"[0-9.]+\"")
string(REGEX REPLACE ".*\"([0-9.]+)\".*" "\\1" PD_VERSION "${version_line}")
if(NOT PD_VERSION MATCHES "^[0-9]+(\\.[0-9]+)*$")
    message(FATAL_ERROR "No version text found in core/record/driver_version.h")
endif()

# psfilter loads libcrypto only when a job carries a password, so dpkg-shlibdeps, which reads the
# libraries a binary is linked with, does not see it. Its dependency is the shlibs entry of the
# package that holds the libcrypto the build compiled against, as dpkg-shlibdeps would give it.
function(pd_debian_dependency_of library result)
    set(${result} "" PARENT_SCOPE)
    find_program(PD_DPKG_QUERY dpkg-query)
    if(NOT PD_DPKG_QUERY OR NOT CMAKE_OBJDUMP)
        return()
    endif()
    execute_process(COMMAND ${CMAKE_OBJDUMP} -p ${library} OUTPUT_VARIABLE headers
                    RESULT_VARIABLE status ERROR_QUIET)
    if(NOT status EQUAL 0 OR NOT headers MATCHES "SONAME +(([^ \n]+)\\.so\\.([^ \n]+))")
        return()
    endif()
    set(soname ${CMAKE_MATCH_1})
    set(shlibs_key "${CMAKE_MATCH_2} ${CMAKE_MATCH_3}")
    get_filename_component(folder ${library} DIRECTORY)
    execute_process(COMMAND ${PD_DPKG_QUERY} -S ${folder}/${soname} OUTPUT_VARIABLE owner
                    RESULT_VARIABLE status ERROR_QUIET)
    if(NOT status EQUAL 0 OR NOT owner MATCHES "^([^:, \n]+(:[^:, \n]+)?): ")
        return()
    endif()
    execute_process(COMMAND ${PD_DPKG_QUERY} --control-show ${CMAKE_MATCH_1} shlibs
                    OUTPUT_VARIABLE shlibs RESULT_VARIABLE status ERROR_QUIET)
    if(status EQUAL 0 AND shlibs MATCHES "(^|\n)${shlibs_key} ([^\n]+)")
        set(${result} "${CMAKE_MATCH_2}" PARENT_SCOPE)
    endif()
endfunction()
pd_debian_dependency_of(${OPENSSL_CRYPTO_LIBRARY} libcrypto_dependency)
if(NOT libcrypto_dependency)
    message(WARNING "No Debian package found for ${OPENSSL_CRYPTO_LIBRARY}: "
                    "the Debian package would not declare libcrypto")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME printer-driver-durven)
set(CPACK_PACKAGE_VERSION ${PD_VERSION})
set(CPACK_PACKAGE_CONTACT "printdriver maintainers <printdriver@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "CUPS driver for the DURVEN PALTERO corvex PRO 583 production printer")
set(CPACK_PACKAGE_DESCRIPTION
    "psfilter, a CUPS filter that turns a PostScript job and its options into PostScript framed
by a PJL job header, with the driver's settings record and its finishing setup inserted; the
printer's PPD, which CUPS lists as a model for new queues; and the bundle of printpanel.so, the
print-dialog plug-in that keeps the driver's settings record in a job's print settings.")
# One package of the listed components: an install rule of any other component stays out of it.
set(CPACK_COMPONENTS_ALL psfilter ppd panel)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${libcrypto_dependency}")
include(CPack)
