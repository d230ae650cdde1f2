# The portable core stays portable: it includes no Windows, ODBC or COM header (each is shadowed on
# its include path by one that fails to compile), links no library, and no file of a core folder
# includes anything of the shells around it.
target_include_directories(marovinta_core BEFORE PRIVATE ${CMAKE_SOURCE_DIR}/cmake/forbidden-in-core)

get_target_property(coreLibraries marovinta_core LINK_LIBRARIES)
if(coreLibraries)
  message(FATAL_ERROR "marovinta_core must link no library; it links: ${coreLibraries}")
endif()

# The core folders are those whose sources marovinta_core compiles, none of them a Windows file.
get_target_property(coreSources marovinta_core SOURCES)
set(coreFolders)
foreach(source IN LISTS coreSources)
  if(source MATCHES "_win\\.")
    message(FATAL_ERROR "marovinta_core compiles ${source}: the core has no Windows file")
  endif()
  file(RELATIVE_PATH relative ${CMAKE_SOURCE_DIR} ${source})
  get_filename_component(folder ${relative} DIRECTORY)
  list(APPEND coreFolders ${folder})
endforeach()
list(REMOVE_DUPLICATES coreFolders)

# A core file is any file of a core folder but its Windows files and its tests; it includes files
# of the core folders only, and none of their Windows files.
foreach(folder IN LISTS coreFolders)
  file(GLOB files ${CMAKE_SOURCE_DIR}/${folder}/*.h ${CMAKE_SOURCE_DIR}/${folder}/*.cpp)
  list(FILTER files EXCLUDE REGEX "(_win\\.|_test\\.cpp$)")
  foreach(file IN LISTS files)
    file(STRINGS ${file} includes REGEX "^#include \"")
    foreach(include IN LISTS includes)
      string(REGEX REPLACE "^#include \"(([^/\"]*)/)?[^\"]*\".*$" "\\2" includedFolder "${include}")
      if(NOT includedFolder IN_LIST coreFolders OR include MATCHES "_win\\.h\"")
        message(FATAL_ERROR
          "${file}: ${include}: a core file includes nothing outside the core folders "
          "(${coreFolders}) and none of their Windows files")
      endif()
    endforeach()
  endforeach()
endforeach()
