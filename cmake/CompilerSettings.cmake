# Settings shared by every target of both build trees.

set(CMAKE_CXX_STANDARD 17)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)

# Sources are UTF-8; every string literal becomes GBK bytes (code page 936), the
# encoding of all text inside the program.
if(MSVC)
  add_compile_options(/source-charset:utf-8 /execution-charset:.936 /W4)
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
