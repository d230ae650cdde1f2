# The version resource of both DLLs, made from the project's version: each DLL's .rc file names
# and describes its file, then includes version_info.rc from VERSION_INFO_DIR.
enable_language(RC)
set(VERSION_INFO_DIR ${CMAKE_BINARY_DIR}/version_info)
configure_file(${CMAKE_CURRENT_LIST_DIR}/version_info.rc.in ${VERSION_INFO_DIR}/version_info.rc
               @ONLY)
