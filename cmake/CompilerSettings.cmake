# Settings shared by every target of both build trees.

set(CMAKE_CXX_STANDARD 17)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)

# Sources are UTF-8; every string literal becomes GBK bytes (code page 936), the
# encoding of all text inside the program.
if(MSVC)
  add_compile_options(/source-charset:utf-8 /execution-charset:.936 /W4)
elseif(GETLINK_FUZZ)
  # The fuzzing build (scripts/fuzz): clang knows no execution character set but UTF-8, so
  # a launcher writes the literals' Chinese as the escapes of its GBK bytes. Everything is
  # instrumented for libFuzzer's coverage and built with ASan and UBSan.
  find_package(Python3 REQUIRED COMPONENTS Interpreter)
  set(CMAKE_CXX_COMPILER_LAUNCHER ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/gbk_literals.py)
  add_compile_options(-Wall -Wextra -g -fno-omit-frame-pointer -fno-sanitize-recover=all
                      -fsanitize=fuzzer-no-link,address,undefined)
  add_link_options(-fsanitize=address,undefined)
else()
  add_compile_options(-finput-charset=UTF-8 -fexec-charset=GBK -Wall -Wextra)
endif()

if(WIN32)
  # Keep <windows.h> from pulling in commdlg.h, whose FindText/ReplaceText macros
  # would rename the program's own text functions.
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX UNICODE _UNICODE _WIN32_WINNT=0x0601 WINVER=0x0601)
  if(MINGW)
    # A self-contained executable: runs on a bare Windows and in a fresh Wine prefix.
    add_link_options(-static -static-libgcc -static-libstdc++)
  endif()
endif()

# getlink_add_neutral_library(NAME SOURCES ... [LINK ...]): a static library of code that
# needs no Windows, and, when GETLINK_SANITIZERS is on, NAME_sanitize built with
# AddressSanitizer and UBSan (linking the _sanitize variant of each LINK target that has one).
function(getlink_add_neutral_library name)
  cmake_parse_arguments(L "" "" "SOURCES;LINK" ${ARGN})
  add_library(${name} STATIC ${L_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${L_LINK})
  if(GETLINK_SANITIZERS)
    add_library(${name}_sanitize STATIC ${L_SOURCES})
    target_include_directories(${name}_sanitize PUBLIC ${PROJECT_SOURCE_DIR})
    target_compile_options(${name}_sanitize PUBLIC -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    target_link_options(${name}_sanitize PUBLIC -fsanitize=address,undefined)
    foreach(library ${L_LINK})
      if(TARGET ${library}_sanitize)
        target_link_libraries(${name}_sanitize PUBLIC ${library}_sanitize)
      else()
        target_link_libraries(${name}_sanitize PUBLIC ${library})
      endif()
    endforeach()
  endif()
endfunction()
