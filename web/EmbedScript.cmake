# Writes the script SCRIPT into OUT as a JavaScript string, for the page:
#   cmake -DSCRIPT=labworker.js -DNAME=Ovali.labWorkerScript -DOUT=out.js -P EmbedScript.cmake
# OUT then sets NAME to the script's text. The page's script is one <script>
# element, which a "</" inside the string would end early: it is written "<\/".
file(READ "${SCRIPT}" text)
string(REPLACE "\\" "\\\\" text "${text}")
string(REPLACE "\"" "\\\"" text "${text}")
string(REPLACE "\r" "\\r" text "${text}")
string(REPLACE "\n" "\\n" text "${text}")
string(REPLACE "</" "<\\/" text "${text}")
file(WRITE "${OUT}" "${NAME} = \"${text}\";\n")
