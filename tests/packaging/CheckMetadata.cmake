# SPDX-FileCopyrightText: 2026 Кордамир developers
# SPDX-License-Identifier: GPL-3.0-or-later

# cmake -DSOURCE_DIR=… -DMAINTAINER=… -DHOMEPAGE=… -DVERSION=… -DMETAINFO=… -P CheckMetadata.cmake
# debian/ and the manual pages cannot read cmake/ProjectInfo.cmake: every
# copy of the maintainer, the homepage and the version must say what it says,
# or a release ships a package that names the wrong contact or version.
set(faults "")
macro(expect what actual expected)
  if(NOT "${actual}" STREQUAL "${expected}")
    string(APPEND faults "\n  ${what}: '${actual}', expected '${expected}'")
  endif()
endmacro()

# The value of a "Field: value" line of a control-style file, first one only.
function(field file name out)
  file(STRINGS "${SOURCE_DIR}/${file}" lines ENCODING UTF-8 REGEX "^${name}: ")
  list(GET lines 0 line)
  string(REGEX REPLACE "^${name}: (.*)$" "\\1" value "${line}")
  set(${out} "${value}" PARENT_SCOPE)
endfunction()

field(debian/control Maintainer value)
expect("debian/control Maintainer" "${value}" "${MAINTAINER}")
field(debian/control Homepage value)
expect("debian/control Homepage" "${value}" "${HOMEPAGE}")
foreach(file debian/copyright .reuse/dep5)
  field(${file} Upstream-Contact value)
  expect("${file} Upstream-Contact" "${value}" "${MAINTAINER}")
  field(${file} Source value)
  expect("${file} Source" "${value}" "${HOMEPAGE}")
endforeach()

# The package's version is the program's: the newest changelog entry, whose
# trailer names the maintainer.
file(STRINGS "${SOURCE_DIR}/debian/changelog" heads ENCODING UTF-8 REGEX "^kordamir \\(")
list(GET heads 0 head)
string(REGEX REPLACE "^kordamir \\(([^)]*)\\).*" "\\1" value "${head}")
expect("debian/changelog version" "${value}" "${VERSION}")
file(STRINGS "${SOURCE_DIR}/debian/changelog" trailers ENCODING UTF-8 REGEX "^ -- ")
list(GET trailers 0 trailer)
string(REGEX REPLACE "^ -- (.*>)  .*$" "\\1" value "${trailer}")
expect("debian/changelog maintainer" "${value}" "${MAINTAINER}")

foreach(page kordamir.6 kordamir.ru.6)
  file(STRINGS "${SOURCE_DIR}/data/${page}" th ENCODING UTF-8 REGEX "^\\.TH ")
  string(REGEX MATCH "\"[^\"]* ([0-9.]+)\" \"[^\"]*\"$" ignored "${th}")
  expect("data/${page} version" "${CMAKE_MATCH_1}" "${VERSION}")
endforeach()

file(READ "${METAINFO}" metainfo)
string(REGEX MATCH "<release version=\"([^\"]*)\"" ignored "${metainfo}")
expect("metainfo release" "${CMAKE_MATCH_1}" "${VERSION}")

# Every screenshot the software centre is told of is a PNG the repository
# holds in packaging/screenshots, of the size the metainfo gives: a missing
# or retaken picture would show as a broken or stretched image.
string(REGEX MATCHALL "<image [^>]*>[^<]*</image>" images "${metainfo}")
if(NOT images)
  string(APPEND faults "\n  the metainfo has no screenshots")
endif()
foreach(image IN LISTS images)
  string(REGEX MATCH "width=\"([0-9]+)\" height=\"([0-9]+)\">([^<]*)<" ignored "${image}")
  set(declared "${CMAKE_MATCH_1}x${CMAKE_MATCH_2}")
  set(url "${CMAKE_MATCH_3}")
  if(NOT url MATCHES "^https://.*/packaging/screenshots/([^/]+\\.png)$")
    string(APPEND faults "\n  screenshot '${url}' is not a PNG of packaging/screenshots")
    continue()
  endif()
  set(picture "${SOURCE_DIR}/packaging/screenshots/${CMAKE_MATCH_1}")
  if(NOT EXISTS "${picture}")
    string(APPEND faults "\n  screenshot ${CMAKE_MATCH_1} is not in packaging/screenshots")
    continue()
  endif()
  # The PNG signature, then the IHDR chunk: width and height, 4 bytes each.
  file(READ "${picture}" head HEX LIMIT 24)
  string(SUBSTRING "${head}" 0 16 signature)
  string(SUBSTRING "${head}" 32 8 width)
  string(SUBSTRING "${head}" 40 8 height)
  math(EXPR width "0x${width}")
  math(EXPR height "0x${height}")
  expect("screenshot ${CMAKE_MATCH_1} PNG signature" "${signature}" "89504e470d0a1a0a")
  expect("screenshot ${CMAKE_MATCH_1} size" "${width}x${height}" "${declared}")
endforeach()

# lintian refuses a contact that cannot receive mail.
if(MAINTAINER MATCHES "@(localhost|example\\.)" OR NOT MAINTAINER MATCHES "^[^<]+ <[^@ ]+@[^@ ]+\\.[a-z]+>$")
  string(APPEND faults "\n  the maintainer '${MAINTAINER}' has no address that takes mail")
endif()

if(faults)
  message(FATAL_ERROR "Package metadata disagrees with cmake/ProjectInfo.cmake:${faults}")
endif()
message(STATUS "debian/, .reuse/dep5, the manual pages and the metainfo agree: ${MAINTAINER}, ${HOMEPAGE}, ${VERSION}")
