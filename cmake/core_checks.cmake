# The portable core stays portable: it includes no Windows, ODBC or COM header (each is shadowed on
# its include path by one that fails to compile), links no library, and its scoring depends on
# nothing of the shells around it.
target_include_directories(marovinta_core BEFORE PRIVATE ${CMAKE_SOURCE_DIR}/cmake/forbidden-in-core)

get_target_property(coreLibraries marovinta_core LINK_LIBRARIES)
if(coreLibraries)
  message(FATAL_ERROR "marovinta_core must link no library; it links: ${coreLibraries}")
endif()

file(GLOB scoringSources ${CMAKE_SOURCE_DIR}/scoring/*.h ${CMAKE_SOURCE_DIR}/scoring/*.cpp)
foreach(source IN LISTS scoringSources)
  file(STRINGS ${source} outsideIncludes REGEX "^#include \"(plugin|ui|io|host|cli|logfiles|simulator)/")
  if(outsideIncludes)
    message(FATAL_ERROR "${source} includes ${outsideIncludes}: scoring/ depends on the core only")
  endif()
endforeach()
