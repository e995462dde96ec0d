# Builds the Debian package and checks that it holds the installed files and that its
# dependencies were worked out by dpkg-shlibdeps (the Qt libraries the programs link).
# usage: cmake -DBUILD_DIR= -DOUT= -P check_package.cmake
file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND cpack -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${OUT}
  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
file(GLOB packages ${OUT}/*.deb)
if(NOT result EQUAL 0 OR NOT packages)
  message(FATAL_ERROR "cpack failed (${result}):\n${out}${err}")
endif()
execute_process(COMMAND dpkg-deb --field ${packages} Depends OUTPUT_VARIABLE depends)
execute_process(COMMAND dpkg-deb --contents ${packages} OUTPUT_VARIABLE contents)
file(REMOVE_RECURSE ${OUT})
message(STATUS "Depends: ${depends}")
foreach(library IN ITEMS libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6network6)
  if(NOT depends MATCHES "${library}")
    message(FATAL_ERROR "the package does not depend on ${library}: ${depends}")
  endif()
endforeach()
foreach(file IN ITEMS bin/stylewright bin/sheetfetch stylewright/stylewright-network.so
                      applications/org.stylewright.Stylewright.desktop metainfo/org.stylewright.Sheetfetch.metainfo.xml
                      hicolor/scalable/apps/org.stylewright.Stylewright.svg)
  if(NOT contents MATCHES "\\./usr/[^\n]*${file}")
    message(FATAL_ERROR "the package lacks ${file}:\n${contents}")
  endif()
endforeach()
