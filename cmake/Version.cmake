# The version is written once, in project(VERSION ...); the sources read it
# from a generated header, the Debian package from PROJECT_VERSION.
configure_file(${CMAKE_CURRENT_LIST_DIR}/lorqa_version.h.in
               ${CMAKE_BINARY_DIR}/generated/lorqa_version.h @ONLY)
include_directories(${CMAKE_BINARY_DIR}/generated)
