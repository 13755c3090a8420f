# Collects the .cpp files of the given folders (not their subfolders).
# A file ending in _posix.cpp is built only off Windows, one ending in _win32.cpp only on Windows,
# so each folder can hold a port's two backends side by side.
function(pelmora_glob out base)
  set(result "")
  foreach(dir IN LISTS ARGN)
    file(GLOB files CONFIGURE_DEPENDS "${base}/${dir}/*.cpp")
    foreach(f IN LISTS files)
      if(WIN32 AND f MATCHES "_posix(_test)?\\.cpp$")
        continue()
      endif()
      if(NOT WIN32 AND f MATCHES "_win32(_test)?\\.cpp$")
        continue()
      endif()
      list(APPEND result "${f}")
    endforeach()
  endforeach()
  set(${out} "${result}" PARENT_SCOPE)
endfunction()

# Turns text files into a C++ source holding each as a string, so the files travel inside the program.
# The generated function is: std::string_view <function>(std::string_view fileName) (empty when unknown).
function(pelmora_embed_files target function namespace)
  set(generated "${CMAKE_CURRENT_BINARY_DIR}/${function}_embedded.cpp")
  set(inputs "")
  foreach(f IN LISTS ARGN)
    list(APPEND inputs "${f}")
  endforeach()
  # The list's semicolons would otherwise end the shell command.
  string(REPLACE ";" "$<SEMICOLON>" inputsArgument "${inputs}")
  add_custom_command(
    OUTPUT "${generated}"
    COMMAND ${CMAKE_COMMAND} -DOUTPUT=${generated} -DFUNCTION=${function} -DNAMESPACE=${namespace}
            "-DINPUTS=${inputsArgument}" -P "${PROJECT_SOURCE_DIR}/cmake/EmbedFiles.cmake"
    DEPENDS ${inputs} "${PROJECT_SOURCE_DIR}/cmake/EmbedFiles.cmake"
    COMMENT "Embedding ${function} data"
    VERBATIM)
  target_sources(${target} PRIVATE "${generated}")
endfunction()

# One floor of the house: a static library of the .cpp files of src/<folder> (by pelmora_glob's
# rules) that links the floors it stands on, given after DEPENDS. Its headers are included as
# "<folder>/Name.h" through an include root of its own in the build folder, which holds links to
# that folder's headers alone: a file reaches only the headers of the targets it links, so an
# include from a floor its target does not link fails the build.
function(pelmora_layer target folder)
  cmake_parse_arguments(PARSE_ARGV 2 LAYER "" "" "DEPENDS")
  pelmora_glob(sources ${PROJECT_SOURCE_DIR}/src ${folder})
  add_library(${target} STATIC ${sources})
  set(root ${PROJECT_BINARY_DIR}/layers/${target})
  file(REMOVE_RECURSE ${root})
  file(MAKE_DIRECTORY ${root}/${folder})
  file(GLOB headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${folder}/*.h)
  foreach(header IN LISTS headers)
    get_filename_component(name ${header} NAME)
    file(CREATE_LINK ${header} ${root}/${folder}/${name} SYMBOLIC)
  endforeach()
  target_include_directories(${target} PUBLIC ${root})
  target_link_libraries(${target} PUBLIC ${LAYER_DEPENDS})
endfunction()
