# Shared helpers for the libraries and the tests.

# kennora_add_test(<name> [CORE] SOURCES <files...> LIBS <targets...>)
# One Qt Test executable, run by CTest headless in its own temporary folder.
function(kennora_add_test name)
  cmake_parse_arguments(T "CORE" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  if(T_CORE)
    # A test of the domain: links no GUI module, which the check below proves.
    target_link_libraries(${name} PRIVATE ${T_LIBS} kennora_testsupport_core Qt6::Test)
    kennora_assert_core_only(${name})
  else()
    # The PDF checks read documents with libqpdf.
    target_link_libraries(${name} PRIVATE ${T_LIBS} kennora_testsupport Qt6::Test PkgConfig::QPDF)
  endif()
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

# kennora_library(<target> DIRS <dirs...> [DEPS ...]): one static library from
# the .cpp/.h/.qrc files of whole folders (subfolders only when listed). Its
# files may include only headers of its own folders and of the folders of the
# libraries it links, directly or through them (kennora_assert_includes).
function(kennora_library target)
  cmake_parse_arguments(L "" "" "DIRS;DEPS" ${ARGN})
  set(files)
  foreach(d ${L_DIRS})
    file(GLOB found CONFIGURE_DEPENDS ${d}/*.cpp ${d}/*.h ${d}/*.qrc)
    list(APPEND files ${found})
  endforeach()
  add_library(${target} STATIC ${files})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${target} PUBLIC ${L_DEPS})
  set_target_properties(${target} PROPERTIES KENNORA_DIRS "${L_DIRS}" KENNORA_DEPS "${L_DEPS}" KENNORA_FILES "${files}")
  # Checked once every library is known (a library may link one defined later).
  cmake_language(EVAL CODE "cmake_language(DEFER DIRECTORY \"${PROJECT_SOURCE_DIR}\" CALL kennora_assert_includes ${target})")
endfunction()

# kennora_assert_includes(<target>): stops the configuration when one of the
# target's files includes a header of the program from a folder that is neither
# the target's own nor one of a library it links (so no include runs from a
# lower layer up, nor sideways between areas that do not depend on each other).
function(kennora_assert_includes target)
  get_target_property(files ${target} KENNORA_FILES)
  get_target_property(allowed ${target} KENNORA_DIRS)
  get_target_property(pending ${target} KENNORA_DEPS)
  set(seen)
  while(pending)
    list(POP_FRONT pending dep)
    if(dep IN_LIST seen OR NOT TARGET ${dep})
      continue()
    endif()
    list(APPEND seen ${dep})
    get_target_property(dirs ${dep} KENNORA_DIRS)
    if(dirs)
      list(APPEND allowed ${dirs})
      get_target_property(deps ${dep} KENNORA_DEPS)
      list(APPEND pending ${deps})
    endif()
  endwhile()
  foreach(file ${files})
    file(STRINGS ${file} lines REGEX "^#include \"")
    foreach(line ${lines})
      string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" header "${line}")
      if(NOT EXISTS ${PROJECT_SOURCE_DIR}/${header})
        continue()
      endif()
      get_filename_component(dir ${PROJECT_SOURCE_DIR}/${header} DIRECTORY)
      if(NOT dir IN_LIST allowed)
        message(FATAL_ERROR "${file} includes ${header}, which ${target} does not link: "
                            "a library includes only its own headers and those of the libraries below it")
      endif()
    endforeach()
  endforeach()
endfunction()

# kennora_assert_core_only(<target>): stops the configuration when the target
# links, directly or through the libraries it links, a Qt module other than
# Core (and Test, for tests), so the domain stays free of widgets.
function(kennora_assert_core_only target)
  set(pending ${target})
  set(seen)
  while(pending)
    list(POP_FRONT pending t)
    if(t IN_LIST seen)
      continue()
    endif()
    list(APPEND seen ${t})
    if(t MATCHES "^Qt6::(Gui|Widgets|PrintSupport|Svg|Multimedia)$")
      message(FATAL_ERROR "${target} must not link ${t}: the domain layer needs Qt Core only")
    endif()
    if(TARGET ${t} AND NOT t MATCHES "^Qt6::")
      get_target_property(type ${t} TYPE)
      set(props INTERFACE_LINK_LIBRARIES)
      if(NOT type STREQUAL "INTERFACE_LIBRARY")
        list(APPEND props LINK_LIBRARIES)
      endif()
      foreach(p ${props})
        get_target_property(libs ${t} ${p})
        if(libs)
          list(APPEND pending ${libs})
        endif()
      endforeach()
    endif()
  endwhile()
endfunction()
