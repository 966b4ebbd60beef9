# Installs the build into a private prefix outside the build tree, then checks the installed tree:
# nalvo-cli draws a view with no NALVO_DATA (and fails once the installed data is moved away),
# the desktop entry and the AppStream file pass their validators, the icons have their sizes,
# the manual pages format cleanly and describe every command.
# Run as: cmake -DBUILD_DIR= -DAPP_ID= -DBINDIR= -DDATADIR= -DMANDIR= -DVERSION= -P install_test.cmake
function(check condition message)
  cmake_language(EVAL CODE "if(${condition})\nset(ok TRUE)\nelse()\nset(ok FALSE)\nendif()")
  if(NOT ok)
    file(REMOVE_RECURSE "${root}")
    message(FATAL_ERROR "${message}")
  endif()
endfunction()

string(RANDOM LENGTH 10 tag)
set(tmp "$ENV{TMPDIR}")
if(NOT tmp)
  set(tmp /tmp)
endif()
set(root "${tmp}/nalvo-install-${tag}")
set(prefix "${root}/prefix")
file(MAKE_DIRECTORY "${root}/home/config" "${root}/home/data")
set(ENV{XDG_CONFIG_HOME} "${root}/home/config")
set(ENV{XDG_DATA_HOME} "${root}/home/data")
set(ENV{QT_QPA_PLATFORM} offscreen)
unset(ENV{NALVO_DATA})

execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${prefix}"
                OUTPUT_QUIET RESULT_VARIABLE rc ERROR_VARIABLE err)
check("rc EQUAL 0" "cmake --install failed: ${err}")

set(cli "${prefix}/${BINDIR}/nalvo-cli")
foreach(file "${prefix}/${BINDIR}/nalvo" "${cli}" "${prefix}/${DATADIR}/nalvo/Sys.syt"
        "${prefix}/${DATADIR}/nalvo/star6.syt" "${prefix}/${DATADIR}/nalvo/pictures/Saturn.bmp")
  check("EXISTS \"${file}\"" "not installed: ${file}")
endforeach()

# The installed program finds its own data.
set(picture "${root}/sky.png")
execute_process(COMMAND "${cli}" render --view 13 --date 2026-12-09T21:00 --lat 45.9 --lon 6.12 --out "${picture}"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
check("rc EQUAL 0" "installed nalvo-cli render failed (${rc}): ${err}")
string(REGEX MATCH ": ([0-9]+) stars" _ "${out}")
check("CMAKE_MATCH_1 GREATER 1000" "the installed render drew too few stars: ${out}")
file(READ "${picture}" png LIMIT 24 HEX)
check("png MATCHES \"^89504e47\"" "${picture} is not a PNG")

# ... and no other: with the share directory moved away the same command reports the missing file.
file(RENAME "${prefix}/${DATADIR}/nalvo" "${root}/moved")
execute_process(COMMAND "${cli}" render --view 13 --date 2026-12-09T21:00 --out "${root}/none.png"
                RESULT_VARIABLE rc ERROR_VARIABLE err OUTPUT_QUIET)
check("rc EQUAL 1" "nalvo-cli render without its data returned ${rc}")
check("err MATCHES \"Sys.syt\"" "the missing data is not named: ${err}")
file(RENAME "${root}/moved" "${prefix}/${DATADIR}/nalvo")

# Desktop entry and AppStream metadata.
find_program(desktop_validate desktop-file-validate)
find_program(appstreamcli appstreamcli)
check(desktop_validate "desktop-file-validate is not installed (scripts/setup installs it)")
check(appstreamcli "appstreamcli is not installed (scripts/setup installs it)")
set(desktop "${prefix}/${DATADIR}/applications/${APP_ID}.desktop")
set(metainfo "${prefix}/${DATADIR}/metainfo/${APP_ID}.metainfo.xml")
execute_process(COMMAND "${desktop_validate}" "${desktop}" RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
check("rc EQUAL 0" "desktop-file-validate: ${out}${err}")
execute_process(COMMAND "${appstreamcli}" validate --no-net --explain "${metainfo}"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
check("rc EQUAL 0" "appstreamcli validate: ${out}${err}")
file(STRINGS "${desktop}" exec REGEX "^(Exec|Icon)=")
check("exec STREQUAL \"Exec=nalvo;Icon=${APP_ID}\"" "desktop entry runs or shows something else: ${exec}")
file(READ "${metainfo}" xml)
check("xml MATCHES \"<release version=\\\"${VERSION}\\\"\"" "the AppStream release is not ${VERSION}")

# Icons: the SVG and the PNGs at their sizes (width and height in the PNG header).
check("EXISTS \"${prefix}/${DATADIR}/icons/hicolor/scalable/apps/${APP_ID}.svg\"" "no scalable icon")
foreach(size 48 128 256)
  set(icon "${prefix}/${DATADIR}/icons/hicolor/${size}x${size}/apps/${APP_ID}.png")
  check("EXISTS \"${icon}\"" "no ${size} px icon")
  file(READ "${icon}" head LIMIT 24 HEX)
  math(EXPR hex "${size}" OUTPUT_FORMAT HEXADECIMAL)
  string(SUBSTRING "${hex}" 2 -1 hex)
  string(LENGTH "${hex}" len)
  while(len LESS 8)
    string(PREPEND hex "0")
    string(LENGTH "${hex}" len)
  endwhile()
  string(TOLOWER "${hex}" hex)
  check("head MATCHES \"^89504e47.*49484452${hex}${hex}\"" "${icon} is not a ${size} x ${size} PNG")
endforeach()

# Manual pages: groff reports no problem, every command of nalvo-cli --help has its section.
find_program(groff groff)
check(groff "groff is not installed")
foreach(page nalvo nalvo-cli)
  set(file "${prefix}/${MANDIR}/man1/${page}.1")
  check("EXISTS \"${file}\"" "no manual page ${page}.1")
  execute_process(COMMAND "${groff}" -man -ww -z -Tutf8 "${file}" RESULT_VARIABLE rc ERROR_VARIABLE err)
  check("rc EQUAL 0 AND err STREQUAL \"\"" "${page}.1 does not format cleanly: ${err}")
endforeach()
file(READ "${prefix}/${MANDIR}/man1/nalvo-cli.1" man)
execute_process(COMMAND "${cli}" --help OUTPUT_VARIABLE usage RESULT_VARIABLE rc)
check("rc EQUAL 0" "nalvo-cli --help failed")
string(REGEX MATCH "Commands:\n(([ ][ ][^\n]*\n)+)" _ "${usage}")
string(REGEX MATCHALL "\n  [a-z][^ ]*" names "\n${CMAKE_MATCH_1}")
list(LENGTH names count)
check("count GREATER 2" "nalvo-cli --help lists ${count} commands")
foreach(name ${names})
  string(STRIP "${name}" name)
  execute_process(COMMAND "${cli}" ${name} --help RESULT_VARIABLE rc OUTPUT_VARIABLE help)
  check("rc EQUAL 0" "nalvo-cli ${name} --help returned ${rc}")
  check("help MATCHES \"nalvo-cli ${name}\"" "nalvo-cli ${name} --help does not describe it: ${help}")
  check("man MATCHES \"\\n.SS ${name}\\n\"" "nalvo-cli.1 has no section for ${name}")
endforeach()
execute_process(COMMAND "${cli}" --version OUTPUT_VARIABLE version RESULT_VARIABLE rc)
check("rc EQUAL 0 AND version STREQUAL \"nalvo-cli (Nalvo) ${VERSION}\\n\"" "nalvo-cli --version printed '${version}'")

file(REMOVE_RECURSE "${root}")
