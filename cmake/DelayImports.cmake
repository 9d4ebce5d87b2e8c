# Delay-loaded imports for a Windows program: the named system DLLs are
# loaded when one of their functions is first called, not when the program
# starts. Quarvel.exe run with switches opens no window, so it then starts
# without loading the window, dialog and COM libraries at all.
#
# The delay-import libraries are made at configure time from the toolchain's
# own import libraries (nm lists their functions, dlltool writes the rest).
function(quarvel_delay_imports target)
  get_filename_component(compiler_name ${CMAKE_CXX_COMPILER} NAME)
  string(REGEX REPLACE "g\\+\\+.*$" "" prefix ${compiler_name})  # x86_64-w64-mingw32-
  find_program(DLLTOOL ${prefix}dlltool REQUIRED)
  find_program(MINGW_NM ${prefix}nm REQUIRED)
  set(folder ${CMAKE_BINARY_DIR}/delay-imports)
  file(MAKE_DIRECTORY ${folder})
  set(libraries)
  foreach(dll ${ARGN})
    set(library ${folder}/lib${dll}_delay.a)
    if(NOT EXISTS ${library})
      execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=lib${dll}.a
                      OUTPUT_VARIABLE import OUTPUT_STRIP_TRAILING_WHITESPACE)
      execute_process(COMMAND ${MINGW_NM} ${import} OUTPUT_VARIABLE symbols ERROR_QUIET)
      string(REGEX MATCHALL "I __imp_[A-Za-z0-9_@]+" names "${symbols}")
      list(TRANSFORM names REPLACE "^I __imp_" "")
      list(REMOVE_DUPLICATES names)
      list(JOIN names "\n" exports)
      file(WRITE ${folder}/${dll}.def "LIBRARY ${dll}.dll\nEXPORTS\n${exports}\n")
      execute_process(COMMAND ${DLLTOOL} --input-def ${folder}/${dll}.def
                              --output-delaylib ${library} --dllname ${dll}.dll
                      RESULT_VARIABLE failed)
      if(failed)
        message(FATAL_ERROR "dlltool could not make ${library}")
      endif()
    endif()
    list(APPEND libraries ${library})
  endforeach()
  # Before the plain import libraries on the link line, so that they win.
  target_link_libraries(${target} PRIVATE ${libraries} delayimp)
endfunction()
