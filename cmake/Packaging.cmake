# Installation layout and the Debian package.
#
# The program reads the reference files from its own folder (QCoreApplication::applicationDirPath),
# where an administrator replaces them with newer PhilHealth files. So the program and the sample
# files live together in lib/esoa-mapper/, and bin/esoa-mapper is a relative symlink to it: on Linux
# Qt resolves the program's path through /proc/self/exe, which names the real file, so the folder
# found is lib/esoa-mapper/ however the program is started.

set(ESOA_APP_ID ph.zemora.esoamapper)

if(WIN32)
  # Windows programs keep their files beside the .exe (see docs/windows.md).
  install(TARGETS esoa-mapper RUNTIME DESTINATION .)
  install(FILES ${ESOA_REFERENCE_FILES} DESTINATION .)
  return()
endif()

set(ESOA_APP_DIR lib/esoa-mapper)
install(TARGETS esoa-mapper RUNTIME DESTINATION ${ESOA_APP_DIR})
install(FILES ${ESOA_REFERENCE_FILES} DESTINATION ${ESOA_APP_DIR})

file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/packaging)
file(CREATE_LINK ../${ESOA_APP_DIR}/esoa-mapper ${CMAKE_CURRENT_BINARY_DIR}/packaging/esoa-mapper SYMBOLIC)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/esoa-mapper DESTINATION bin)

install(FILES packaging/esoa-mapper.desktop DESTINATION share/applications)
install(FILES packaging/esoa-mapper.svg DESTINATION share/icons/hicolor/scalable/apps)
install(FILES packaging/${ESOA_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES README.md docs/sql-server.md docs/windows.md packaging/debian/copyright
  DESTINATION share/doc/esoa-mapper)
# A Debian package carries its changelog compressed, as changelog.gz (gzip -n: no time stamp, so the
# package is the same whenever it is built).
find_program(ESOA_GZIP gzip)
if(ESOA_GZIP)
  set(ESOA_CHANGELOG_GZ ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz)
  add_custom_command(OUTPUT ${ESOA_CHANGELOG_GZ}
    COMMAND ${ESOA_GZIP} -9nc ${CMAKE_CURRENT_SOURCE_DIR}/packaging/debian/changelog > ${ESOA_CHANGELOG_GZ}
    DEPENDS packaging/debian/changelog VERBATIM)
  add_custom_target(esoa_changelog ALL DEPENDS ${ESOA_CHANGELOG_GZ})
  install(FILES ${ESOA_CHANGELOG_GZ} DESTINATION share/doc/esoa-mapper)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME esoa-mapper)
set(CPACK_PACKAGE_VENDOR "ZEMORA")
set(CPACK_PACKAGE_CONTACT "ZEMORA hospital IT <it@zemora.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "ZEMORA maintenance tool linking PhilHealth eSOA codes to hospital items")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Hospital IT staff use ESOA Mapper to link the item codes of PhilHealth's\n"
  "eSOA reference lists (items, medicines and ER items) to the hospital's own\n"
  "inventory items, procedures and exams. The links are kept in the hospital's\n"
  "SQL Server database, or in an embedded demo database.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# The libraries the program links are found by dpkg-shlibdeps; Qt loads the ODBC driver (SQL Server)
# and the window-system plugin at run time, so those are named here. The embedded database is SQLite
# through its own library, found by dpkg-shlibdeps; Qt's SQLite driver is not loaded by the program.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-odbc, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "tdsodbc")
include(CPack)
