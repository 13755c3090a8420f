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
