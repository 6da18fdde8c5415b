# Two checks that keep the build honest about its files.
#
# The layers (src/CMakeLists.txt): the files of a layer include, with quotes, only files of its
# own folder and of the layers below it, and no Qt header. polyskop_layer() runs this file as a
# script on the layer's folder before the layer is compiled, and again whenever one of its files
# changes:
#   cmake -DFOLDER=<src/folder> -DMAY_USE=<folder>,<folder>,... -P cmake/SourceChecks.cmake
#
# The lists: polyskop_check_listed(<folder>...), called at the end of the configuration, fails
# for every .cpp under the folders that no target has among its sources. Its glob makes the
# build configure again when a file appears, so a new file cannot silently go unbuilt.

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  cmake_minimum_required(VERSION 3.25)
endif()

function(polyskop_check_includes folder may_use)
  get_filename_component(layer ${folder} NAME)
  string(REPLACE ";" ", " allowed "${may_use}")
  file(GLOB files ${folder}/*.cpp ${folder}/*.h)
  set(faults)
  foreach(file IN LISTS files)
    get_filename_component(name ${file} NAME)
    file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS lines)
      if(line MATCHES "include[ \t]*\"(([^\"/]*)/[^\"]*)\"")
        set(included ${CMAKE_MATCH_1})
        set(folder_included ${CMAKE_MATCH_2})
        if(NOT folder_included IN_LIST may_use)
          list(APPEND faults "  src/${layer}/${name} includes \"${included}\"\n")
        endif()
      elseif(line MATCHES "include[ \t]*<(Q[A-Za-z]*|[Qq]t[A-Za-z]*/[^>]*)>")
        list(APPEND faults "  src/${layer}/${name} includes <${CMAKE_MATCH_1}>\n")
      endif()
    endforeach()
  endforeach()
  if(faults)
    string(REPLACE ";" "" faults "${faults}")
    message(FATAL_ERROR "The layer ${layer} may include only ${allowed} (itself and the layers "
                        "below it, as src/CMakeLists.txt sets them), and nothing of Qt:\n${faults}")
  endif()
endfunction()

function(polyskop_check_listed)
  # The sources of every target of the project, as absolute paths.
  set(listed)
  set(dirs ${CMAKE_SOURCE_DIR})
  while(dirs)
    list(POP_FRONT dirs dir)
    get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
    list(APPEND dirs ${subdirs})
    get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target IN LISTS targets)
      get_target_property(sources ${target} SOURCES)
      get_target_property(source_dir ${target} SOURCE_DIR)
      foreach(source IN LISTS sources)
        if(NOT source MATCHES "\\$<")
          get_filename_component(source ${source} ABSOLUTE BASE_DIR ${source_dir})
          list(APPEND listed ${source})
        endif()
      endforeach()
    endforeach()
  endwhile()

  set(unlisted)
  foreach(folder IN LISTS ARGN)
    file(GLOB_RECURSE present CONFIGURE_DEPENDS ${folder}/*.cpp)
    get_filename_component(above ${folder} DIRECTORY)
    foreach(file IN LISTS present)
      if(NOT file IN_LIST listed)
        file(RELATIVE_PATH shown ${above} ${file})
        list(APPEND unlisted "  ${shown}\n")
      endif()
    endforeach()
  endforeach()
  if(unlisted)
    string(REPLACE ";" "" unlisted "${unlisted}")
    message(FATAL_ERROR "These files are in no list of files, so nothing would build them:\n"
                        "${unlisted}Add each to the list in the CMakeLists.txt of its folder (for "
                        "src/, the lists at the top of src/CMakeLists.txt).")
  endif()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  string(REPLACE "," ";" may_use "${MAY_USE}")
  polyskop_check_includes(${FOLDER} "${may_use}")
endif()
