# This emscripten's JavaScript optimizer drops every "use strict" directive
# (it keeps the statement as "null;"), which would leave the page's script,
# modules included, in sloppy mode. The first one, at the top of the script,
# is put back; it covers the whole script.
file(READ "${PAGE}" html)
string(FIND "${html}" "<script>\nnull;" at)
if(at LESS 0)
  string(FIND "${html}" "\"use strict\";" strict)
  if(strict LESS 0)
    message(FATAL_ERROR "${PAGE}: no \"use strict\" and no dropped one to put back")
  endif()
  return()
endif()
string(REPLACE "<script>\nnull;" "<script>\n\"use strict\";" html "${html}")
file(WRITE "${PAGE}" "${html}")
