# Installing off Windows the way a Linux desktop program installs: the three programs in bin/, the
# desktop entry, the AppStream metainfo, the icon in the hicolor theme, manual pages and bash
# completion (data/), and the Debian package made from the same install tree (PelmoraPackage.cmake).
# On Windows the two programs and a text on running them go into one folder, packed as a ZIP.
include(GNUInstallDirs)

set(PELMORA_HOMEPAGE "https://github.com/pelmora/pelmora" CACHE STRING "The project's web page, for the package and the metainfo")

if(WIN32)
  install(TARGETS pelmora pelmora-cli RUNTIME DESTINATION .)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/README-Windows.txt.in
                 ${PROJECT_BINARY_DIR}/README-Windows.txt @ONLY NEWLINE_STYLE CRLF)
  install(FILES ${PROJECT_BINARY_DIR}/README-Windows.txt DESTINATION .)
  include(${CMAKE_CURRENT_LIST_DIR}/PelmoraPackage.cmake)
  return()
endif()
if(NOT PELMORA_WITH_QT)
  return()
endif()

# The date this version is released on; the AppStream release and the package's changelog name it.
set(PELMORA_RELEASE_DATE 2026-12-07)
set(PELMORA_APP_ID io.github.pelmora.Pelmora)
set(PELMORA_MAINTAINER "The Pelmora developers <pelmora@users.noreply.github.com>"
    CACHE STRING "Name and e-mail address of whoever builds the Debian package")

# Debian's changelog wants the date as RFC 2822 and the manual pages a fixed one (SOURCE_DATE_EPOCH),
# so that rebuilding the same version gives the same files.
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C date -u -d "${PELMORA_RELEASE_DATE} 12:00" "+%a, %d %b %Y %H:%M:%S +0000;%s"
  OUTPUT_VARIABLE releaseDate OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
list(GET releaseDate 0 PELMORA_RELEASE_DATE_RFC2822)
list(GET releaseDate 1 PELMORA_RELEASE_EPOCH)

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# View starts pelmora-sysprops from the running program's own folder: the three stay together.
install(TARGETS pelmora pelmora-cli pelmora-sysprops RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# pelmora-cli finds its picture and XML module by this folder's path from its own.
install(TARGETS pelmora_media LIBRARY DESTINATION ${PELMORA_MEDIA_MODULE_DIR})

add_subdirectory(data)
include(${CMAKE_CURRENT_LIST_DIR}/PelmoraPackage.cmake)
