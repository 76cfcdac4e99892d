# The window's translations. lrelease turns translations/*.ts into .qm files beside the
# uninstalled program on every build; lupdate rewrites the .ts files from the sources only when
# asked, through the update_translations target, since it would otherwise churn them.

find_program(GLYPHFORGE_LRELEASE lrelease HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}" NO_DEFAULT_PATH REQUIRED)
find_program(GLYPHFORGE_LUPDATE lupdate HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}" NO_DEFAULT_PATH REQUIRED)

set(GLYPHFORGE_TRANSLATIONS_SOURCE_DIR "${PROJECT_SOURCE_DIR}/translations")
set(GLYPHFORGE_TRANSLATIONS_BUILD_DIR "${PROJECT_BINARY_DIR}/app/translations")
file(GLOB GLYPHFORGE_TS_FILES CONFIGURE_DEPENDS "${GLYPHFORGE_TRANSLATIONS_SOURCE_DIR}/glyphforgetool_*.ts")

set(GLYPHFORGE_QM_FILES)
foreach(ts ${GLYPHFORGE_TS_FILES})
  get_filename_component(name "${ts}" NAME_WE)
  set(qm "${GLYPHFORGE_TRANSLATIONS_BUILD_DIR}/${name}.qm")
  add_custom_command(OUTPUT "${qm}"
                     COMMAND "${CMAKE_COMMAND}" -E make_directory "${GLYPHFORGE_TRANSLATIONS_BUILD_DIR}"
                     COMMAND "${GLYPHFORGE_LRELEASE}" -silent "${ts}" -qm "${qm}"
                     DEPENDS "${ts}" VERBATIM)
  list(APPEND GLYPHFORGE_QM_FILES "${qm}")
endforeach()
add_custom_target(glyphforge_translations ALL DEPENDS ${GLYPHFORGE_QM_FILES})

# The window's own folders and the core's, whose message texts the window translates: the core
# marks them with CORE_TEXT, which lupdate reads as QT_TRANSLATE_NOOP.
set(GLYPHFORGE_TRANSLATED_SOURCES ui app font generate document)
add_custom_target(update_translations
                  COMMAND "${GLYPHFORGE_LUPDATE}" -silent -no-obsolete -locations relative -I .
                          -tr-function-alias QT_TRANSLATE_NOOP+=CORE_TEXT ${GLYPHFORGE_TRANSLATED_SOURCES} -ts ${GLYPHFORGE_TS_FILES}
                  WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}" VERBATIM)
