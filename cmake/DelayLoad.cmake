# getlink_delay_load(TARGET DLL...): TARGET loads each DLL (named without ".dll") on the
# first call into it instead of when it starts, so that a program that seldom needs a
# library does not pay for loading it (and what that library loads in turn) on every start.
#
# MSVC: /DELAYLOAD with the toolchain's delay-load helper. MinGW: a delay-import library
# made by dlltool from the functions of the toolchain's import library, linked before it.
# GNU ld drops the loading thunk of a delay-import function whose own symbol nothing names
# (code calls through the __imp_ pointer, and the pointer then stays null), so every
# function's symbol is named on the link line (-u) to keep its thunk.
function(getlink_delay_load target)
  if(MSVC)
    foreach(dll IN LISTS ARGN)
      target_link_options(${target} PRIVATE /DELAYLOAD:${dll}.dll)
    endforeach()
    target_link_libraries(${target} PRIVATE delayimp)
    return()
  endif()

  set(folder ${CMAKE_BINARY_DIR}/delayload)
  foreach(dll IN LISTS ARGN)
    set(delayed ${folder}/lib${dll}_delayed.a)
    set(keep ${folder}/${dll}-thunks.rsp)
    find_library(GETLINK_IMPORT_LIBRARY_${dll} ${dll} REQUIRED)
    set(imports ${GETLINK_IMPORT_LIBRARY_${dll}})
    if(NOT EXISTS ${delayed} OR ${imports} IS_NEWER_THAN ${delayed})
      # The functions: " T _Name@4" in the import library's symbols.
      execute_process(COMMAND ${CMAKE_NM} -g --defined-only ${imports} OUTPUT_VARIABLE symbols
                      COMMAND_ERROR_IS_FATAL ANY)
      string(REGEX MATCHALL " T _[A-Za-z0-9_@]+" functions "${symbols}")
      list(TRANSFORM functions REPLACE "^ T _" "")
      list(REMOVE_DUPLICATES functions)
      list(JOIN functions "\n" exports)
      file(WRITE ${folder}/${dll}.def "LIBRARY ${dll}.dll\nEXPORTS\n${exports}\n")
      list(TRANSFORM functions REPLACE "^(.+)$" "-Wl,-u,_\\1")
      list(JOIN functions "\n" options)
      file(WRITE ${keep} "${options}\n")
      execute_process(COMMAND ${CMAKE_DLLTOOL} --kill-at --input-def ${folder}/${dll}.def
                              --output-delaylib ${delayed}
                      COMMAND_ERROR_IS_FATAL ANY)
    endif()
    target_link_libraries(${target} PRIVATE ${delayed})
    target_link_options(${target} PRIVATE "@${keep}")
  endforeach()
  target_link_libraries(${target} PRIVATE delayimp)
endfunction()
