# Build-time conversions of the files that are installed and packaged, run as
#   cmake -DMODE=... -DIN=FILE -DOUT=FILE [-DVERSION=V] [-DTOOL=PROGRAM] -P package_file.cmake
# MODE manual: the manual page with the version string defined first, so
#              that its header and its --version entry name this version.
# MODE html:   the manual page rendered as one HTML page by TOOL (mandoc).
# MODE gzip:   IN compressed by TOOL (gzip) as Debian wants it: at most,
#              without a time stamp or file name, so the bytes are the same
#              in every build.
# MODE crlf:   a text with Windows line ends (CR LF), for Notepad and friends.
if(MODE STREQUAL "html" OR MODE STREQUAL "gzip")
  if(MODE STREQUAL "html")
    set(arguments -T html -O toc)
  else()
    set(arguments -9 -n -c)
  endif()
  execute_process(COMMAND "${TOOL}" ${arguments} "${IN}" OUTPUT_FILE "${OUT}"
                  RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    file(REMOVE "${OUT}")
    message(FATAL_ERROR "${TOOL} failed on ${IN} (${status})")
  endif()
  return()
endif()
file(READ "${IN}" text)
if(MODE STREQUAL "manual")
  string(PREPEND text ".ds korvelin-version ${VERSION}\n")
elseif(MODE STREQUAL "crlf")
  string(REPLACE "\r\n" "\n" text "${text}")
  string(REPLACE "\n" "\r\n" text "${text}")
else()
  message(FATAL_ERROR "package_file.cmake: unknown MODE '${MODE}'")
endif()
file(WRITE "${OUT}" "${text}")
