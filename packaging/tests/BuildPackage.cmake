# Makes the Debian package of the build in BUILD_DIR into the folder OUT, as
# `cpack -G DEB` would, and says how large it is.
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})
execute_process(COMMAND ${CPACK} -G DEB -B ${OUT} --config ${BUILD_DIR}/CPackConfig.cmake
                WORKING_DIRECTORY ${BUILD_DIR} RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cpack failed")
endif()
file(GLOB debs ${OUT}/*.deb)
list(LENGTH debs count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one package in ${OUT}, found: ${debs}")
endif()
# No maintainer scripts and no configuration files: removing the package leaves nothing of it
# (no "rc" state), and installing runs nothing (no ldconfig).
execute_process(COMMAND dpkg-deb --ctrl-tarfile ${debs} COMMAND tar -t
                OUTPUT_VARIABLE members OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE failed)
string(REPLACE "\n" ";" members "${members}")
list(FILTER members EXCLUDE REGEX "^\\./$")
list(SORT members)
if(failed OR NOT members STREQUAL "./control;./md5sums")
  message(FATAL_ERROR "the package's control part holds more than control and md5sums: ${members}")
endif()
file(SIZE ${debs} size)
execute_process(COMMAND dpkg-deb --field ${debs} Installed-Size OUTPUT_VARIABLE installed
                OUTPUT_STRIP_TRAILING_WHITESPACE)
message(STATUS "${debs}: ${size} bytes, installed size ${installed} KiB")
