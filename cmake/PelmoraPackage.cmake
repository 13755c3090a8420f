# The platform's package, made by `cpack` in a build folder from the install tree (only one
# include(CPack) may run, so the generator follows the platform):
# - Windows (the MinGW build): pelmora-<version>-win64.zip, both programs and README-Windows.txt
#   in a folder of that name, signed when a certificate is given (PelmoraSign.cmake); the MSI
#   beside it is made from that ZIP by scripts/build-windows.sh;
# - elsewhere: the Debian package pelmora_<version>_<arch>.deb, its dependencies read off the
#   programs' shared libraries by dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME pelmora)
set(CPACK_PACKAGE_VENDOR "The Pelmora developers")
set(CPACK_PACKAGE_HOMEPAGE_URL ${PELMORA_HOMEPAGE})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "set the maker's logo and support details shown by Windows")
# Lines as the package shows them: Debian wants them no longer than 80 characters.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Pelmora sets the computer maker's (OEM) branding that Windows shows on the"
  "General page of System Properties: the logo, the manufacturer and model, and"
  "the support information. It writes oemlogo.bmp and oeminfo.ini in the System"
  "folder of a Windows directory, for example that of a mounted Windows"
  "installation, and keeps what was typed in a registry store of its own."
  ""
  "This package holds the program (pelmora), the same commands for scripts with"
  "a registry console (pelmora-cli), and a preview of the result as System"
  "Properties shows it (pelmora-sysprops).")
set(CPACK_STRIP_FILES ON)

if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME pelmora-${PROJECT_VERSION}-win64)
  # Signed when a certificate is given (scripts/sign-windows.sh), after stripping.
  set(CPACK_PELMORA_SIGN_SCRIPT ${PROJECT_SOURCE_DIR}/scripts/sign-windows.sh)
  set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/PelmoraSign.cmake)
else()
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS})
  set(CPACK_GENERATOR DEB)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${PELMORA_MAINTAINER})
  set(CPACK_DEBIAN_PACKAGE_SECTION admin)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  # wimlib is loaded only for an image (--image), so the library scan does not see it.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS ${PELMORA_WIMLIB_PACKAGE})
  # The completion file is installed either way; Tab only completes with the framework loaded.
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS bash-completion)
endif()

include(CPack)
