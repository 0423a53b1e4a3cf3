# The configure-time check that keeps Kalvo's layers one-way: a library lists the folders its files
# may include from, and the configure fails when one of its files includes anything else of
# Kalvo's, or (for the rooms without a window) one of Qt's widget headers.

# The names of Qt's widget headers (QWidget, QDialog, ...), read once from Qt's own include folder.
function(kalvo_widget_headers out)
  get_target_property(dirs Qt6::Widgets INTERFACE_INCLUDE_DIRECTORIES)
  set(names)
  foreach(dir IN LISTS dirs)
    if(dir MATCHES "QtWidgets$")
      file(GLOB headers RELATIVE ${dir} ${dir}/Q*)
      list(FILTER headers EXCLUDE REGEX "\\.h$")
      list(APPEND names ${headers})
    endif()
  endforeach()
  if(NOT names)
    message(FATAL_ERROR "Qt's widget headers were not found: the include check cannot run")
  endif()
  set(${out} ${names} PARENT_SCOPE)
endfunction()

# kalvo_check_includes(<who> SOURCES <files...> MAY_USE <folder prefixes...>
#                      [NO_WIDGETS] [WIDGETS_ALLOWED <Qt widget headers...>])
# A quoted include with a folder in it ("store/diary_sql.h") must start with one of the prefixes
# ("store/", "diary/find/"); an include without a folder is the file's own folder. With NO_WIDGETS,
# no Qt widget header may be included, but those named after WIDGETS_ALLOWED.
function(kalvo_check_includes who)
  cmake_parse_arguments(C "NO_WIDGETS" "" "SOURCES;MAY_USE;WIDGETS_ALLOWED" ${ARGN})
  if(C_NO_WIDGETS)
    kalvo_widget_headers(widgets)
    list(REMOVE_ITEM widgets ${C_WIDGETS_ALLOWED})
  endif()
  foreach(file IN LISTS C_SOURCES)
    file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]|Q_MOC_INCLUDE")
    foreach(line IN LISTS lines)
      if(line MATCHES "\"([^\"]*/[^\"]*)\"")
        set(included ${CMAKE_MATCH_1})
        set(allowed FALSE)
        foreach(prefix IN LISTS C_MAY_USE)
          string(FIND "${included}" "${prefix}" at)
          if(at EQUAL 0)
            set(allowed TRUE)
          endif()
        endforeach()
        if(NOT allowed)
          message(FATAL_ERROR "${file}: ${who} may not use ${included} (it may use ${C_MAY_USE}): ${line}")
        endif()
      elseif(C_NO_WIDGETS AND line MATCHES "<(QtWidgets/)?([A-Za-z]+)>")
        if(CMAKE_MATCH_1 OR CMAKE_MATCH_2 IN_LIST widgets)
          message(FATAL_ERROR "${file}: ${who} has no window and may not include the widget header ${CMAKE_MATCH_2}: ${line}")
        endif()
      endif()
    endforeach()
  endforeach()
endfunction()

# kalvo_part(<room> <part> [USES <parts of the room>...] [LINKS <other libraries>...]
#            [MAY_ALSO_USE <folder prefixes>...] [NO_WIDGETS]), called from the part's own folder:
# the static library kalvo_<room>_<part> of the folder's files, linking the kalvo_platform, LINKS
# and the room's parts it USES, and refusing at configure time an include of anything else but
# those parts and the MAY_ALSO_USE folders.
function(kalvo_part room part)
  cmake_parse_arguments(P "NO_WIDGETS" "" "USES;LINKS;MAY_ALSO_USE" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_library(kalvo_${room}_${part} STATIC ${sources})
  list(TRANSFORM P_USES PREPEND kalvo_${room}_ OUTPUT_VARIABLE parts)
  target_link_libraries(kalvo_${room}_${part} PUBLIC kalvo_platform ${P_LINKS} ${parts})
  set(may_use ${part} ${P_USES})
  list(TRANSFORM may_use PREPEND ${room}/)
  list(TRANSFORM may_use APPEND /)
  set(widgets)
  if(P_NO_WIDGETS)
    set(widgets NO_WIDGETS)
  endif()
  kalvo_check_includes(${room}/${part} SOURCES ${sources} ${widgets} MAY_USE ${may_use} ${P_MAY_ALSO_USE})
endfunction()
