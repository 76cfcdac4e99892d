#!/bin/sh
# Whole-process runs of glyphforge generate, with hyperfine: the full plane by one worker and by
# one per core, and the command-line work of every BMP character of DejaVu Sans at 16 points
# against otf2bdf on the same font, the two run alternately. Peak memory from GNU time.
# Usage: bench/whole_process.sh BUILD_DIR BMP_TABLE   (BMP_TABLE: the conversion table of the
# font's BMP characters). Needs hyperfine, otf2bdf and GNU time; run on a machine at rest.
set -eu
build=$(cd "$1" && pwd)
bmpTable=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
tool="$build/cli/glyphforge"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
printf '[1]\nDescription=Full plane\nMAX=0xFFFE\n' > full.ini
dejavu=$(fc-match -f '%{file}' 'DejaVu Sans')

full="generate --table full.ini --font 'DejaVu Sans' --font2 Unifont --type 2 --min-width 40 -o full.mtf"
hyperfine -N -w 3 -r 20 "$tool $full --jobs 1" "$tool $full"
for jobs in "--jobs 1" ""; do
    /usr/bin/time -f "full plane $jobs: peak %M KB" sh -c "$tool $full $jobs > /dev/null"
done
test -s bmp.mtf # glyphforge wrote its font

bmp="generate --table $bmpTable --font 'DejaVu Sans' --size 16 --no-font2 -o bmp.mtf"
# In alternating rounds, so that a change of load on the machine hits both alike; each round's
# medians and their ratio.
echo "round  glyphforge_ms  otf2bdf_ms  ratio"
for round in 1 2 3 4 5 6 7 8; do
    # otf2bdf ends with status 8 after writing the whole font.
    hyperfine -N -i -w 2 -r 15 --style none --export-csv round.csv "$tool $bmp" \
        "otf2bdf -p 16 -r 96 -o otf2bdf.bdf $dejavu" > /dev/null
    awk -F, -v round="$round" 'NR == 2 { a = $4 } NR == 3 { b = $4 }
        END { printf "%5d  %13.1f  %10.1f  %5.2f\n", round, a * 1000, b * 1000, a / b }' round.csv
done
test -s bmp.mtf # glyphforge wrote its font
