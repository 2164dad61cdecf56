# Builds the Debian package from the build tree into a scratch folder of its own, then reads it
# back: its fields, its files and what lintian finds. Prints "Skipped:" (the test's skip mark)
# when dpkg-deb or lintian is not installed.
# Arguments: CPACK BUILD_DIR SCRATCH VERSION APP_ID.
cmake_minimum_required(VERSION 3.25)
foreach(tool IN ITEMS dpkg-deb lintian)
    string(MAKE_C_IDENTIFIER "${tool}" name)
    find_program(${name} ${tool})
    if(NOT ${name})
        message(STATUS "Skipped: ${tool} is not installed")
        return()
    endif()
endforeach()

file(REMOVE_RECURSE "${SCRATCH}")
file(MAKE_DIRECTORY "${SCRATCH}")
execute_process(COMMAND "${CPACK}" -G DEB --config "${BUILD_DIR}/CPackConfig.cmake" -B "${SCRATCH}"
                WORKING_DIRECTORY "${SCRATCH}"
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cpack failed (${result}):\n${output}")
endif()
file(GLOB debs "${SCRATCH}/*.deb")
list(LENGTH debs count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "expected one package in ${SCRATCH}, found ${count}: ${debs}")
endif()
set(deb "${debs}")

set(failures)
macro(fail text)
    list(APPEND failures "${text}")
endmacro()

execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE arch
                OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(name "${deb}" NAME)
if(NOT name STREQUAL "talvex_${VERSION}_${arch}.deb")
    fail("package file ${name} is not talvex_${VERSION}_${arch}.deb")
endif()

function(field key out)
    execute_process(COMMAND "${dpkg_deb}" -f "${deb}" ${key} OUTPUT_VARIABLE value
                    OUTPUT_STRIP_TRAILING_WHITESPACE)
    set(${out} "${value}" PARENT_SCOPE)
endfunction()
field(Package package)
field(Version version)
field(Depends depends)
field(Section section)
if(NOT package STREQUAL "talvex")
    fail("Package is '${package}'")
endif()
if(NOT version STREQUAL VERSION)
    fail("Version is '${version}', the project's is ${VERSION}")
endif()
if(NOT section MATCHES "^(science|editors)$")
    fail("Section is '${section}'")
endif()
# Qt from the binary's libraries, the font by name; each as a whole package name.
string(REPLACE ", " ";" relations "${depends}")
list(TRANSFORM relations REPLACE " .*" "")
foreach(needed IN ITEMS libqt6widgets6 libqt6gui6 libqt6core6 fonts-liberation2)
    if(NOT needed IN_LIST relations)
        fail("Depends lacks ${needed}: ${depends}")
    endif()
endforeach()

# Paths as dpkg-deb lists them: the last column, starting with "./".
execute_process(COMMAND "${dpkg_deb}" -c "${deb}" OUTPUT_VARIABLE listing)
string(REGEX MATCHALL "\\./[^\n]*" paths "${listing}")
set(icons ./usr/share/icons/hicolor)
foreach(path IN ITEMS
        ./usr/bin/talvex
        ./usr/share/applications/${APP_ID}.desktop
        ./usr/share/metainfo/${APP_ID}.metainfo.xml
        ${icons}/48x48/apps/${APP_ID}.png
        ${icons}/256x256/apps/${APP_ID}.png
        ${icons}/scalable/apps/${APP_ID}.svg
        ./usr/share/doc/talvex/copyright
        ./usr/share/doc/talvex/changelog.gz)
    if(NOT path IN_LIST paths)
        fail("package lacks ${path}")
    endif()
endforeach()
foreach(path IN LISTS paths)
    if(NOT path MATCHES "^\\./usr/")
        fail("package installs outside /usr: ${path}")
    endif()
endforeach()

# Warnings and notes are shown; errors fail. Lintian warns about running as root and goes on.
execute_process(COMMAND "${lintian}" --no-cfg --ignore-lintian-env "${deb}"
                RESULT_VARIABLE result OUTPUT_VARIABLE report ERROR_VARIABLE report_errors)
message(STATUS "lintian:\n${report}${report_errors}")
string(REPLACE "\n" ";" errors "${report}")
list(FILTER errors INCLUDE REGEX "^E: ")
foreach(error IN LISTS errors)
    fail("lintian ${error}")
endforeach()
if(NOT result EQUAL 0 AND NOT errors)
    fail("lintian failed (${result}): ${report_errors}")
endif()

if(failures)
    list(JOIN failures "\n  " text)
    message(FATAL_ERROR "Debian package ${name}:\n  ${text}")
endif()
file(SIZE "${deb}" size)
message(STATUS "Debian package ${name}: ${size} bytes, complete")
