# Fails while a text of the sources is missing from a translation or left
# unfinished there: lupdate brings a copy of each .ts file up to date with the
# sources, and every entry of the copy must carry a finished translation.
# Run with -DLUPDATE=<lupdate> -DTS_FILES=<a;b> -DSOURCES=<a;b> -DOPTIONS=<a;b>
# -DWORK=<folder for the copies>.
file(MAKE_DIRECTORY "${WORK}")
set(failed FALSE)
foreach(ts ${TS_FILES})
  get_filename_component(name "${ts}" NAME)
  set(copy "${WORK}/${name}")
  configure_file("${ts}" "${copy}" COPYONLY)
  # lupdate reads its list of sources from a file, one per line.
  string(REPLACE ";" "\n" listed "${SOURCES}")
  file(WRITE "${WORK}/sources.lst" "${listed}\n")
  execute_process(COMMAND "${LUPDATE}" ${OPTIONS} "@${WORK}/sources.lst" -ts "${copy}"
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    message(SEND_ERROR "lupdate failed on ${name}:\n${output}")
    set(failed TRUE)
    continue()
  endif()
  file(READ "${copy}" text)
  string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation type=\"unfinished\">"
         unfinished "${text}")
  list(LENGTH unfinished count)
  if(count GREATER 0)
    string(REGEX REPLACE "<source>([^<]*)</source>[ \n]*<translation type=\"unfinished\">"
           "\\1" listed "${unfinished}")
    string(REPLACE ";" "\n  " listed "${listed}")
    message(SEND_ERROR "${name}: ${count} texts without a translation:\n  ${listed}\n"
                       "Build the target zelvo_platform_lupdate and translate them.")
    set(failed TRUE)
  endif()
  string(REGEX MATCHALL "<translation[^>]*>" all "${text}")
  list(LENGTH all total)
  message(STATUS "${name}: ${total} texts, all translated")
endforeach()
if(failed)
  message(FATAL_ERROR "translations are incomplete")
endif()
