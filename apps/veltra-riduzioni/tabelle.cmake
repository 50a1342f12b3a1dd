# The reduction tables the program reads, all in one folder of the build tree
# (CartellaRiduzioni() in a build tree): the N-1 tables committed under
# resources/riduzioni are copied there, and the error-correcting tables, about 190 MB
# and fully determined by their names, are written there by the generator. Both steps
# run with the default build and only when their inputs change: a new generator
# rewrites the error-correcting tables, a changed committed table is copied again.

set(VELTRA_CARTELLA_RIDUZIONI ${CMAKE_BINARY_DIR}/resources/riduzioni)
file(GLOB VELTRA_TABELLE_N1 CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/riduzioni/*d.VLT)
list(FILTER VELTRA_TABELLE_N1 INCLUDE REGEX "/[0-9]+t[0-9]+d\\.VLT$")

set(VELTRA_COPIA_N1 ${VELTRA_CARTELLA_RIDUZIONI}/.tabelle-n1)
add_custom_command(
  OUTPUT ${VELTRA_COPIA_N1}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${VELTRA_CARTELLA_RIDUZIONI}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${VELTRA_TABELLE_N1} ${VELTRA_CARTELLA_RIDUZIONI}
  COMMAND ${CMAKE_COMMAND} -E touch ${VELTRA_COPIA_N1}
  DEPENDS ${VELTRA_TABELLE_N1}
  COMMENT "Tabelle di riduzione N-1 in ${VELTRA_CARTELLA_RIDUZIONI}"
  VERBATIM)

# The error-correcting tables depend on the generator's own sources, not on its
# executable: relinking it (a new build type, a changed compiler flag) does not
# rewrite 190 MB.
file(GLOB VELTRA_SORGENTI_GENERATORE CONFIGURE_DEPENDS
     ${PROJECT_SOURCE_DIR}/core/pools/riduzioni/*
     ${PROJECT_SOURCE_DIR}/apps/veltra-riduzioni/*.cpp
     ${PROJECT_SOURCE_DIR}/apps/veltra-riduzioni/*.h)
set(VELTRA_CORREZIONE ${VELTRA_CARTELLA_RIDUZIONI}/.tabelle-correzione)
add_custom_command(
  OUTPUT ${VELTRA_CORREZIONE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${VELTRA_CARTELLA_RIDUZIONI}
  COMMAND $<TARGET_FILE:veltra-riduzioni> --solo-correzione ${VELTRA_CARTELLA_RIDUZIONI}
  COMMAND ${CMAKE_COMMAND} -E touch ${VELTRA_CORREZIONE}
  DEPENDS ${VELTRA_SORGENTI_GENERATORE}
  COMMENT "Tabelle a correzione di errori in ${VELTRA_CARTELLA_RIDUZIONI}"
  VERBATIM)

add_custom_target(veltra-tabelle-riduzione ALL DEPENDS ${VELTRA_COPIA_N1} ${VELTRA_CORREZIONE})
add_dependencies(veltra-tabelle-riduzione veltra-riduzioni)

# An installed program reads its tables from <prefix>/share/veltra/riduzioni; the N-1
# ones are installed from resources/, the error-correcting ones from here.
include(GNUInstallDirs)
install(DIRECTORY ${VELTRA_CARTELLA_RIDUZIONI}/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/veltra/riduzioni
        FILES_MATCHING PATTERN "*e.VLT")
