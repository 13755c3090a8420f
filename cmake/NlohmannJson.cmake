# nlohmann-json (Debian nlohmann-json3-dev) is header-only, so the MinGW build uses it too.
# Natively its package names it. The MinGW build cannot take /usr/include, where the package puts
# it: that folder's C library headers would stand in front of MinGW's own. It gets a folder of its
# own in the build tree that holds only a link to the nlohmann folder.
if(CMAKE_CROSSCOMPILING)
  find_path(PELMORA_NLOHMANN_JSON_PARENT nlohmann/json.hpp PATHS /usr/include NO_DEFAULT_PATH
            NO_CMAKE_FIND_ROOT_PATH REQUIRED)
  set(PELMORA_NLOHMANN_JSON_ROOT ${PROJECT_BINARY_DIR}/third-party/nlohmann-json)
  file(REMOVE_RECURSE ${PELMORA_NLOHMANN_JSON_ROOT})
  file(MAKE_DIRECTORY ${PELMORA_NLOHMANN_JSON_ROOT})
  file(CREATE_LINK ${PELMORA_NLOHMANN_JSON_PARENT}/nlohmann ${PELMORA_NLOHMANN_JSON_ROOT}/nlohmann SYMBOLIC)
  add_library(pelmora_json INTERFACE)
  target_include_directories(pelmora_json SYSTEM INTERFACE ${PELMORA_NLOHMANN_JSON_ROOT})
else()
  find_package(nlohmann_json 3.10 REQUIRED)
  add_library(pelmora_json INTERFACE)
  target_link_libraries(pelmora_json INTERFACE nlohmann_json::nlohmann_json)
endif()
