#!/bin/sh
# Rewrites the golden font files from the current rendering. Usage: regenerate.sh BUILD_DIR
# Check the differences before committing: they depend on the FreeType version and the fonts.
set -eu
GLYPHFORGE_UPDATE_GOLDEN=1 "${1:?build directory}/tests/generate_tests" --gtest_filter='GeneratorTest.Golden*'
