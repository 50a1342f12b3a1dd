# Starts the desktop program with --prova-avvio on a new working folder and
# checks what it prints: the title, then the two status panes.
file(REMOVE_RECURSE "${CARTELLA}")
# Twice: the first start fills the folder, the second reads what it wrote.
foreach(volta 1 2)
execute_process(COMMAND "${PROGRAMMA}" --cartella "${CARTELLA}" --prova-avvio
                RESULT_VARIABLE esito OUTPUT_VARIABLE uscita ERROR_VARIABLE errori
                TIMEOUT 100)
if(NOT esito EQUAL 0)
  message(FATAL_ERROR "start ${volta}: the program ended with ${esito}\n${uscita}\n${errori}")
endif()
string(REPLACE "\n" ";" righe "${uscita}")
list(LENGTH righe n)
if(n LESS 3)
  message(FATAL_ERROR "expected title and two status panes, got:\n${uscita}")
endif()
list(GET righe 0 titolo)
list(GET righe 1 pannello1)
list(GET righe 2 pannello2)
if(NOT titolo STREQUAL "VELTRA 2005 - MARVEN 9 - TALBOR 6")
  message(FATAL_ERROR "title: '${titolo}'")
endif()
if(NOT pannello1 MATCHES "43\\.4%")
  message(FATAL_ERROR "status pane: '${pannello1}' (the precision of Serie A on the shipped data, whose 2026-27 season has two matchdays, is 43.4%)")
endif()
if(NOT EXISTS "${CARTELLA}/Cfg.VLT")
  message(FATAL_ERROR "the first start did not fill the working folder")
endif()
endforeach()
# A damaged folder: the message is printed, not left waiting in a box, and the
# program ends with a failure.
file(WRITE "${CARTELLA}/Cfg.VLT" "p")
execute_process(COMMAND "${PROGRAMMA}" --cartella "${CARTELLA}" --prova-avvio
                RESULT_VARIABLE esito OUTPUT_VARIABLE uscita ERROR_VARIABLE errori
                TIMEOUT 100)
if(esito EQUAL 0 OR NOT errori MATCHES "File corrotti!")
  message(FATAL_ERROR "damaged folder: ended with '${esito}'\n${uscita}\n${errori}")
endif()
file(REMOVE_RECURSE "${CARTELLA}")
