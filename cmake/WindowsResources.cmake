# Windows resources of a program: its manifest (execution level, per-monitor DPI awareness,
# common controls 6), a VERSIONINFO from the project's version and the program's icon.
#
#   pelmora_windows_resources(<target> LEVEL <asInvoker|requireAdministrator> DESCRIPTION <text>)
include_guard(GLOBAL)

# The icon: by default made at build time from the one source, data/icons/pelmora.svg, rendered
# at the sizes Windows asks for (rsvg-convert) and packed into an .ico (icotool, Debian's
# icoutils); the 256 pixel image is kept as PNG, as Windows stores its large icons.
set(PELMORA_WINDOWS_ICON "" CACHE FILEPATH "An .ico file to build into the Windows programs instead of the one made from data/icons/pelmora.svg")
if(PELMORA_WINDOWS_ICON)
  set(PELMORA_ICON_FILE ${PELMORA_WINDOWS_ICON})
else()
  find_program(PELMORA_RSVG_CONVERT rsvg-convert REQUIRED)  # Debian: librsvg2-bin
  find_program(PELMORA_ICOTOOL icotool REQUIRED)            # Debian: icoutils
  set(iconSource ${PROJECT_SOURCE_DIR}/data/icons/pelmora.svg)
  set(iconDir ${PROJECT_BINARY_DIR}/icons)
  set(PELMORA_ICON_FILE ${iconDir}/pelmora.ico)
  set(pngs "")
  set(packed "")
  foreach(size 16 20 24 32 40 48 64 256)
    set(png ${iconDir}/pelmora-${size}.png)
    list(APPEND pngs ${png})
    if(size EQUAL 256)
      list(APPEND packed --raw=${png})
    else()
      list(APPEND packed ${png})
    endif()
    add_custom_command(
      OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${iconDir}
      COMMAND ${PELMORA_RSVG_CONVERT} --width ${size} --height ${size} --output ${png} ${iconSource}
      DEPENDS ${iconSource}
      VERBATIM)
  endforeach()
  add_custom_command(
    OUTPUT ${PELMORA_ICON_FILE}
    COMMAND ${PELMORA_ICOTOOL} --create --output ${PELMORA_ICON_FILE} ${packed}
    DEPENDS ${pngs}
    COMMENT "Packing the programs' icon"
    VERBATIM)
endif()
add_custom_target(pelmora_windows_icon DEPENDS ${PELMORA_ICON_FILE})
set_property(GLOBAL PROPERTY PELMORA_ICON_FILE ${PELMORA_ICON_FILE})

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
  get_property(icon GLOBAL PROPERTY PELMORA_ICON_FILE)
  set(PELMORA_RC_ICON_LINE "1 ICON \"${icon}\"")

  set(dir ${CMAKE_CURRENT_BINARY_DIR}/${target}_resources)
  set(PELMORA_RC_MANIFEST ${dir}/${PELMORA_RC_NAME}.exe.manifest)
  set(templates ${PROJECT_SOURCE_DIR}/src/ui/win32/resources)
  configure_file(${templates}/Program.manifest.in ${PELMORA_RC_MANIFEST} @ONLY)
  configure_file(${templates}/Program.rc.in ${dir}/${PELMORA_RC_NAME}.rc @ONLY)
  target_sources(${target} PRIVATE ${dir}/${PELMORA_RC_NAME}.rc)
  # The compiled resources must follow the manifest and the icon, which the .rc only names.
  set_source_files_properties(${dir}/${PELMORA_RC_NAME}.rc PROPERTIES
    OBJECT_DEPENDS "${PELMORA_RC_MANIFEST};${icon}")
  add_dependencies(${target} pelmora_windows_icon)
endfunction()
