# Run as a script: a UTF-8 help or message file source becomes the shipped
# UTF-16LE file with CR LF line ends, beginning with a byte-order mark
# whether or not its source has one.
file(READ ${SOURCE} text)
file(READ ${SOURCE} head LIMIT 3 HEX)
if(NOT head STREQUAL "efbbbf")
  string(ASCII 239 187 191 mark)
  string(PREPEND text "${mark}")
endif()
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE ${OUTPUT}.utf8 "${text}")
execute_process(COMMAND iconv -f UTF-8 -t UTF-16LE ${OUTPUT}.utf8 OUTPUT_FILE ${OUTPUT}.tmp RESULT_VARIABLE failed)
file(REMOVE ${OUTPUT}.utf8)
if(failed)
  message(FATAL_ERROR "iconv could not convert ${SOURCE}")
endif()
file(RENAME ${OUTPUT}.tmp ${OUTPUT})
