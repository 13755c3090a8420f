# Windows resources of a program: its manifest (execution level, per-monitor DPI awareness,
# common controls 6), a VERSIONINFO from the project's version and, once there is one, the icon.
#
#   pelmora_windows_resources(<target> LEVEL <asInvoker|requireAdministrator> DESCRIPTION <text>)

# The program's icon as an .ico file, to be made from data/icons/pelmora.svg. Empty: the
# programs carry no icon resource.
set(PELMORA_WINDOWS_ICON "" CACHE FILEPATH "The .ico file built into the Windows programs (empty: none)")

function(pelmora_windows_resources target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "LEVEL;DESCRIPTION" "")
  get_target_property(PELMORA_RC_NAME ${target} OUTPUT_NAME)
  if(NOT PELMORA_RC_NAME)
    set(PELMORA_RC_NAME ${target})
  endif()
  set(PELMORA_RC_LEVEL ${arg_LEVEL})
  set(PELMORA_RC_DESCRIPTION ${arg_DESCRIPTION})
  set(major ${PROJECT_VERSION_MAJOR})
  set(minor 0)
  set(patch 0)
  if(PROJECT_VERSION_MINOR)
    set(minor ${PROJECT_VERSION_MINOR})
  endif()
  if(PROJECT_VERSION_PATCH)
    set(patch ${PROJECT_VERSION_PATCH})
  endif()
  set(PELMORA_RC_VERSION_DOTS "${major}.${minor}.${patch}.0")
  set(PELMORA_RC_VERSION_COMMAS "${major},${minor},${patch},0")
  set(PELMORA_RC_ICON_LINE "")
  if(PELMORA_WINDOWS_ICON)
    set(PELMORA_RC_ICON_LINE "1 ICON \"${PELMORA_WINDOWS_ICON}\"")
  endif()

  set(dir ${CMAKE_CURRENT_BINARY_DIR}/${target}_resources)
  set(PELMORA_RC_MANIFEST ${dir}/${PELMORA_RC_NAME}.exe.manifest)
  set(templates ${PROJECT_SOURCE_DIR}/src/ui/win32/resources)
  configure_file(${templates}/Program.manifest.in ${PELMORA_RC_MANIFEST} @ONLY)
  configure_file(${templates}/Program.rc.in ${dir}/${PELMORA_RC_NAME}.rc @ONLY)
  target_sources(${target} PRIVATE ${dir}/${PELMORA_RC_NAME}.rc)
  # The compiled resources must follow the manifest, which the .rc only names.
  set_source_files_properties(${dir}/${PELMORA_RC_NAME}.rc PROPERTIES OBJECT_DEPENDS ${PELMORA_RC_MANIFEST})
endfunction()
