# Shared settings of every target of ours: the warnings (errors only where
# we check our own code: ./test.sh and CI turn LUMO_WERROR on), the include
# root, and the sanitizers when asked for.

if(LUMO_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

if(LUMO_FUZZ)
  # Coverage instrumentation for the libraries that the fuzz targets drive.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# GCC 12 at -O3 reports -Wrestrict inside libstdc++'s own string copies when
# it inlines a literal joined to a string ("x" + name): a false report of
# that compiler (fixed in GCC 13), not an overlap in our code.
set(LUMO_WARNINGS -Wall -Wextra)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  list(APPEND LUMO_WARNINGS -Wno-restrict)
endif()

function(lumo_settings target)
  target_compile_options(${target} PRIVATE ${LUMO_WARNINGS})
  if(LUMO_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
endfunction()

# lumo_library(name sources...) — a static library without Qt.
function(lumo_library name)
  add_library(${name} STATIC ${ARGN})
  lumo_settings(${name})
endfunction()

# lumo_gtest(name sources... LIBS libs...) — a GoogleTest executable run by CTest.
function(lumo_gtest name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  add_executable(${name} ${ARG_UNPARSED_ARGUMENTS})
  lumo_settings(${name})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES LABELS "library"
                       ENVIRONMENT "LUMO_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
endfunction()

# lumo_fuzzer(name source LIBS libs... CORPUS dir) — a libFuzzer target when
# LUMO_FUZZ is on; always a replay program that CTest runs over the corpus.
function(lumo_fuzzer name source)
  cmake_parse_arguments(ARG "" "CORPUS" "LIBS" ${ARGN})
  add_executable(${name}_replay ${source} ${PROJECT_SOURCE_DIR}/tests/fuzz/replay_main.cpp)
  lumo_settings(${name}_replay)
  target_link_libraries(${name}_replay PRIVATE ${ARG_LIBS})
  add_test(NAME ${name}_corpus COMMAND ${name}_replay ${ARG_CORPUS})
  set_tests_properties(${name}_corpus PROPERTIES LABELS "library")
  if(LUMO_FUZZ)
    add_executable(${name} ${source})
    lumo_settings(${name})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  endif()
endfunction()

# lumo_system_data(target) — copies the system folder's data (data/sys) beside
# the program, where a program looks for its system folder, whenever it changes.
function(lumo_system_data target)
  # One copy per folder: the targets built into one folder share it, since
  # two copies into one folder at once race in a parallel build.
  get_target_property(folder ${target} RUNTIME_OUTPUT_DIRECTORY)
  if(NOT folder)
    set(folder ${CMAKE_CURRENT_BINARY_DIR})
  endif()
  string(MD5 key "${folder}")
  string(SUBSTRING "${key}" 0 12 key)
  set(copy lumo_system_data_${key})
  if(NOT TARGET ${copy})
    file(GLOB_RECURSE files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/sys/*)
    set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${copy}.stamp)
    add_custom_command(OUTPUT ${stamp}
      COMMAND ${CMAKE_COMMAND} -E copy_directory ${PROJECT_SOURCE_DIR}/data/sys ${folder}
      COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
      DEPENDS ${files}
      COMMENT "Copying the system data into ${folder}")
    add_custom_target(${copy} DEPENDS ${stamp})
  endif()
  add_dependencies(${target} ${copy})
endfunction()
