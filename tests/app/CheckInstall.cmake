cmake_minimum_required(VERSION 3.25)
# Installs the build into a scratch prefix and checks what a Debian system expects there.
#   cmake -DBUILD_DIR=<build> -DPREFIX=<scratch> -P CheckInstall.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}/usr
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()
set(expected
  usr/bin/norbekAfa usr/bin/norbekAfa-report
  usr/share/norbekafa/Intro.pdf usr/share/norbekafa/norbekAfa.nrp
  usr/share/norbekafa/norbekAfa.sql usr/share/norbekafa/norbekAfa-leer.fdb
  usr/share/applications/de.norbek.norbekAfa.desktop
  usr/share/metainfo/de.norbek.norbekAfa.metainfo.xml
  usr/share/icons/hicolor/scalable/apps/de.norbek.norbekAfa.svg)
foreach(size 16 32 48 64 128 256)
  list(APPEND expected usr/share/icons/hicolor/${size}x${size}/apps/de.norbek.norbekAfa.png)
endforeach()
foreach(file ${expected})
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "missing after install: ${file}")
  endif()
endforeach()
file(READ ${PREFIX}/usr/share/applications/de.norbek.norbekAfa.desktop desktop)
foreach(line "Exec=norbekAfa" "Icon=de.norbek.norbekAfa" "Categories=Office;Finance;")
  string(FIND "${desktop}" "${line}" at)
  if(at LESS 0)
    message(FATAL_ERROR "desktop entry lacks ${line}")
  endif()
endforeach()
execute_process(COMMAND appstreamcli validate --no-net
                        ${PREFIX}/usr/share/metainfo/de.norbek.norbekAfa.metainfo.xml
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "appstreamcli validate: ${out}")
endif()
message(STATUS "Install layout kept")
