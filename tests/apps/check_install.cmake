# Installs the build into a fresh prefix and checks the result as a desktop would see it: every
# file where it belongs and nothing else, the .desktop entries and AppStream metadata valid, the
# programs runnable, and the editor finding its network module from where it was installed.
# usage: cmake -DBUILD_DIR= -DPREFIX= -DBINDIR= -DLIBDIR= -DDATADIR= -DPROBE= -P check_install.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
  RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${errors}")
endif()

set(expected
  ${BINDIR}/sheetfetch
  ${BINDIR}/stylewright
  ${DATADIR}/applications/org.stylewright.Sheetfetch.desktop
  ${DATADIR}/applications/org.stylewright.Stylewright.desktop
  ${DATADIR}/icons/hicolor/scalable/apps/org.stylewright.Sheetfetch.svg
  ${DATADIR}/icons/hicolor/scalable/apps/org.stylewright.Stylewright.svg
  ${DATADIR}/metainfo/org.stylewright.Sheetfetch.metainfo.xml
  ${DATADIR}/metainfo/org.stylewright.Stylewright.metainfo.xml
  ${LIBDIR}/stylewright/stylewright-network.so)
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE ${PREFIX} ${PREFIX}/*)
list(SORT installed)
list(SORT expected)
if(NOT installed STREQUAL expected)
  message(FATAL_ERROR "installed:\n  ${installed}\nexpected:\n  ${expected}")
endif()

function(run_checked)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT result EQUAL 0 OR "${out}${err}" MATCHES "error|warning")
    message(FATAL_ERROR "${ARGN} (${result}):\n${out}${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

foreach(id IN ITEMS org.stylewright.Stylewright org.stylewright.Sheetfetch)
  set(entry ${PREFIX}/${DATADIR}/applications/${id}.desktop)
  run_checked(desktop-file-validate ${entry})
  run_checked(appstreamcli validate --no-net ${PREFIX}/${DATADIR}/metainfo/${id}.metainfo.xml)
  file(STRINGS ${entry} icon REGEX "^Icon=")
  file(STRINGS ${entry} names REGEX "^Name(\\[zh_CN\\])?=")
  list(LENGTH names name_count)
  if(NOT icon STREQUAL "Icon=${id}" OR NOT name_count EQUAL 2)
    message(FATAL_ERROR "${entry}: wants Icon=${id} and an English and a Chinese Name")
  endif()
  file(READ ${PREFIX}/${DATADIR}/icons/hicolor/scalable/apps/${id}.svg svg)
  if(NOT svg MATCHES "<svg [^>]*viewBox=")
    message(FATAL_ERROR "${id}.svg is not a scalable picture")
  endif()
endforeach()

foreach(program IN ITEMS stylewright sheetfetch)
  run_checked(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ${PREFIX}/${BINDIR}/${program} --version)
  if(NOT out MATCHES "^${program} [0-9]")
    message(FATAL_ERROR "${program} --version said: ${out}")
  endif()
endforeach()

# The editor looks for its module relative to itself: a program beside it looks the same way.
file(COPY ${PROBE} DESTINATION ${PREFIX}/${BINDIR})
get_filename_component(probe_name ${PROBE} NAME)
execute_process(COMMAND ${PREFIX}/${BINDIR}/${probe_name} RESULT_VARIABLE result ERROR_VARIABLE said)
file(REMOVE_RECURSE ${PREFIX})
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the installed editor would not find its network module (${result}):\n${said}")
endif()
