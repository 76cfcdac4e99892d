# Installation and packaging.
#
# The GUI looks for its conversion table as <program>.ini beside its real executable, so it
# lives with the table in a private folder and bin/ only holds a relative link to it. The CLI
# finds the same table in share/glyphforgetool, and its picture module in a folder below the
# program's own.

include(GNUInstallDirs)

set(GLYPHFORGE_INSTALL_APPDIR "lib/glyphforgetool" CACHE STRING
    "Folder, relative to the prefix, of the GUI executable and its table")
set(GLYPHFORGE_INSTALL_DATADIR "${CMAKE_INSTALL_DATADIR}/glyphforgetool")

# Manual pages and the changelog are installed compressed, as Debian wants them: gzip -9n keeps
# no name or time stamp, so the bytes depend on the text alone.
find_program(GLYPHFORGE_GZIP gzip REQUIRED)
set(GLYPHFORGE_GZIPPED_DIR "${CMAKE_CURRENT_BINARY_DIR}/gzipped")
set(GLYPHFORGE_GZIPPED_FILES)
function(glyphforge_gzip source name)
  set(copy "${GLYPHFORGE_GZIPPED_DIR}/${name}")
  add_custom_command(OUTPUT "${copy}.gz"
                     COMMAND "${CMAKE_COMMAND}" -E make_directory "${GLYPHFORGE_GZIPPED_DIR}"
                     COMMAND "${CMAKE_COMMAND}" -E copy "${source}" "${copy}"
                     COMMAND "${GLYPHFORGE_GZIP}" -9nf "${copy}"
                     DEPENDS "${source}" VERBATIM)
  set(GLYPHFORGE_GZIPPED_FILES ${GLYPHFORGE_GZIPPED_FILES} "${copy}.gz" PARENT_SCOPE)
endfunction()
glyphforge_gzip("${PROJECT_SOURCE_DIR}/docs/glyphforge.1" glyphforge.1)
glyphforge_gzip("${PROJECT_SOURCE_DIR}/docs/glyphforgetool.1" glyphforgetool.1)
glyphforge_gzip("${PROJECT_SOURCE_DIR}/cmake/debian/changelog" changelog)
add_custom_target(glyphforge_compressed_docs ALL DEPENDS ${GLYPHFORGE_GZIPPED_FILES})

if(TARGET glyphforgetool)
  install(TARGETS glyphforgetool RUNTIME DESTINATION "${GLYPHFORGE_INSTALL_APPDIR}")
  install(FILES "${GLYPHFORGE_TABLE}" DESTINATION "${GLYPHFORGE_INSTALL_APPDIR}")

  # Made here as a dangling relative link and installed as it is, so it resolves in any
  # prefix and in the package's staging folder alike.
  cmake_path(RELATIVE_PATH GLYPHFORGE_INSTALL_APPDIR BASE_DIRECTORY "${CMAKE_INSTALL_BINDIR}"
             OUTPUT_VARIABLE GLYPHFORGE_GUI_LINK_DIR)
  set(GLYPHFORGE_GUI_LINK "${CMAKE_CURRENT_BINARY_DIR}/install-links/glyphforgetool")
  file(MAKE_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}/install-links")
  file(CREATE_LINK "${GLYPHFORGE_GUI_LINK_DIR}/glyphforgetool" "${GLYPHFORGE_GUI_LINK}" SYMBOLIC)
  install(FILES "${GLYPHFORGE_GUI_LINK}" DESTINATION "${CMAKE_INSTALL_BINDIR}")

  install(FILES "${GLYPHFORGE_GZIPPED_DIR}/glyphforgetool.1.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
  # The window's translations sit with the shared data; the program finds them from its own folder.
  set(GLYPHFORGE_INSTALL_TRANSLATIONSDIR "${GLYPHFORGE_INSTALL_DATADIR}/translations")
  install(FILES ${GLYPHFORGE_QM_FILES} DESTINATION "${GLYPHFORGE_INSTALL_TRANSLATIONSDIR}")
  cmake_path(RELATIVE_PATH GLYPHFORGE_INSTALL_TRANSLATIONSDIR BASE_DIRECTORY "${GLYPHFORGE_INSTALL_APPDIR}"
             OUTPUT_VARIABLE GLYPHFORGE_TRANSLATIONS_FROM_APP)
  target_compile_definitions(glyphforge_ui PRIVATE GLYPHFORGE_INSTALLED_TRANSLATIONS="${GLYPHFORGE_TRANSLATIONS_FROM_APP}")
  install(FILES "${PROJECT_SOURCE_DIR}/data/glyphforgetool.desktop"
          DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
  foreach(size 16 32 48 64 128 256)
    install(FILES "${PROJECT_SOURCE_DIR}/data/icons/glyphforgetool-${size}.png"
            DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps"
            RENAME glyphforgetool.png)
  endforeach()
  install(FILES "${PROJECT_SOURCE_DIR}/data/icons/glyphforgetool.svg"
          DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps")
endif()

install(TARGETS glyphforge RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
# One folder deeper than the program: CPack gives a package with shared objects right in
# lib/<name>/ ldconfig calls, which a private module has no use for.
set(GLYPHFORGE_INSTALL_MODULEDIR "${GLYPHFORGE_INSTALL_APPDIR}/modules")
install(TARGETS glyphforge_pictures LIBRARY DESTINATION "${GLYPHFORGE_INSTALL_MODULEDIR}")
cmake_path(RELATIVE_PATH GLYPHFORGE_INSTALL_MODULEDIR BASE_DIRECTORY "${CMAKE_INSTALL_BINDIR}"
           OUTPUT_VARIABLE GLYPHFORGE_MODULE_DIR_FROM_BIN)
target_compile_definitions(glyphforge PRIVATE GLYPHFORGE_PICTURE_MODULE_DIR="${GLYPHFORGE_MODULE_DIR_FROM_BIN}")
install(FILES "${GLYPHFORGE_TABLE}" DESTINATION "${GLYPHFORGE_INSTALL_DATADIR}")
install(FILES "${GLYPHFORGE_GZIPPED_DIR}/glyphforge.1.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
install(FILES "${PROJECT_SOURCE_DIR}/docs/USER_GUIDE.md" "${PROJECT_SOURCE_DIR}/README.md"
              "${PROJECT_SOURCE_DIR}/cmake/debian/copyright" "${GLYPHFORGE_GZIPPED_DIR}/changelog.gz"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/glyphforgetool")
install(FILES "${PROJECT_SOURCE_DIR}/docs/screenshot-creation.png"
              "${PROJECT_SOURCE_DIR}/docs/screenshot-tools.png"
              "${PROJECT_SOURCE_DIR}/docs/screenshot-editor.png"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/glyphforgetool" OPTIONAL)

# Debian package: cpack -G DEB in the build folder.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "glyphforgetool")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "GlyphForgeTool developers")
set(CPACK_PACKAGE_CONTACT "GlyphForgeTool developers <glyphforgetool@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "bitmap font maker for Mediatek phone firmware")
# Lines of the extended description stay within 80 columns.
set(CPACK_PACKAGE_DESCRIPTION
    "GlyphForgeTool renders an installed outline font, with a fallback font for
missing characters, into the small palettised glyphs of a Mediatek font file
(.mtf) for the firmware of feature phones, trimmed and padded by width and cut
rules. It also opens such files and converts them to and from BMP strips,
per-glyph BMPs and FonTool text. The package holds the desktop program
glyphforgetool and the command-line tool glyphforge for batch use.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION "graphics")
# The shared libraries (Qt, FreeType, fontconfig, HarfBuzz, libjpeg) come in through shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The default fonts fall back to DejaVu and Unifont; Qt needs its platform plugins to start, and
# its own translations for its dialogs' texts in the window's language.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, fonts-unifont, qt6-qpa-plugins, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

# Installs into a temporary prefix and checks every file there.
if(TARGET glyphforgetool)
  set(GLYPHFORGE_EXPECT_GUI 1)
else()
  set(GLYPHFORGE_EXPECT_GUI 0)
endif()
if(GLYPHFORGE_SANITIZE)
  set(GLYPHFORGE_CHECK_PACKAGE 0)
else()
  set(GLYPHFORGE_CHECK_PACKAGE 1)
endif()
add_test(NAME install_layout
         COMMAND sh "${PROJECT_SOURCE_DIR}/tests/install/check_install.sh"
                 "${CMAKE_COMMAND}" "${CMAKE_CPACK_COMMAND}" "${PROJECT_SOURCE_DIR}" "${PROJECT_BINARY_DIR}"
                 "${PROJECT_VERSION}" "${GLYPHFORGE_EXPECT_GUI}" "${GLYPHFORGE_CHECK_PACKAGE}")
set_tests_properties(install_layout PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
