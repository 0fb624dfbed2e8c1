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
install(FILES README.md docs/sql-server.md docs/windows.md DESTINATION share/doc/esoa-mapper)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME esoa-mapper)
set(CPACK_PACKAGE_VENDOR "ZEMORA")
set(CPACK_PACKAGE_CONTACT "ZEMORA hospital IT <it@zemora.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "ZEMORA maintenance tool linking PhilHealth eSOA codes to hospital items")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Hospital IT staff use ESOA Mapper to link the item codes of PhilHealth's eSOA reference lists "
  "(items, medicines and ER items) to the hospital's own inventory items, procedures and exams. "
  "The links are kept in the hospital's SQL Server database, or in an embedded demo database.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# The libraries the program links are found by dpkg-shlibdeps; Qt loads the SQL drivers and the
# window-system plugin at run time, so those are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, libqt6sql6-odbc, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "tdsodbc")
include(CPack)
