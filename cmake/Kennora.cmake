# Shared helpers for the libraries and the tests.

# kennora_add_test(<name> SOURCES <files...> LIBS <targets...>)
# One Qt Test executable, run by CTest headless in its own temporary folder.
function(kennora_add_test name)
  cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} kennora_testsupport Qt6::Test)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests-bin)
  add_test(NAME ${name} COMMAND ${name})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  set_tests_properties(${name} PROPERTIES
    TIMEOUT ${T_TIMEOUT}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_MEDIA_BACKEND=ffmpeg;LC_ALL=C.UTF-8")
  if(T_LABELS)
    set_tests_properties(${name} PROPERTIES LABELS "${T_LABELS}")
  endif()
endfunction()

# kennora_library(<target> <dir> [DEPS ...]): one static library from the .cpp/.h
# files of a folder (not its subfolders unless listed in EXTRA_DIRS).
function(kennora_library target)
  cmake_parse_arguments(L "" "" "DIRS;DEPS;EXCLUDE" ${ARGN})
  set(files)
  foreach(d ${L_DIRS})
    file(GLOB found CONFIGURE_DEPENDS ${d}/*.cpp ${d}/*.h ${d}/*.qrc)
    list(APPEND files ${found})
  endforeach()
  foreach(x ${L_EXCLUDE})
    list(FILTER files EXCLUDE REGEX "${x}")
  endforeach()
  add_library(${target} STATIC ${files})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${target} PUBLIC ${L_DEPS})
endfunction()
