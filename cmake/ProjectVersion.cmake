# ProjectVersion.h for every target that shows the version: link project_version.
configure_file(${CMAKE_CURRENT_LIST_DIR}/ProjectVersion.h.in
               ${PROJECT_BINARY_DIR}/generated/ProjectVersion.h @ONLY)
add_library(project_version INTERFACE)
target_include_directories(project_version INTERFACE ${PROJECT_BINARY_DIR}/generated)
