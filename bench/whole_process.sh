#!/bin/sh
# Whole-process runs of glyphforge generate, with hyperfine: the full plane by one worker and by
# one per core, and the command-line work of every BMP character of DejaVu Sans at 16 points
# against otf2bdf on the same font. Each pair runs alternately, in rounds, so that a change of
# load on the machine hits both alike; each round prints its two medians and their ratio, and
# the last line the minimum and median of the rounds' ratios. Peak memory from GNU time.
# Usage: bench/whole_process.sh BUILD_DIR BMP_TABLE [ROUNDS]   (BMP_TABLE: the conversion table
# of the font's BMP characters). Needs hyperfine, otf2bdf and GNU time.
set -eu
build=$(cd "$1" && pwd)
bmpTable=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
rounds=${3:-8}
tool="$build/cli/glyphforge"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
printf '[1]\nDescription=Full plane\nMAX=0xFFFE\n' > full.ini
dejavu=$(fc-match -f '%{file}' 'DejaVu Sans')

# Rounds of hyperfine over two commands (hyperfine's -i is given in $3): "round a_ms b_ms a/b".
alternate() {
    echo "round  $4_ms  $5_ms  ratio"
    for round in $(seq "$rounds"); do
        hyperfine -N $3 -w 2 -r 7 --style none --export-csv round.csv "$1" "$2" > /dev/null 2>&1
        awk -F, -v round="$round" 'NR == 2 { a = $4 } NR == 3 { b = $4 }
            END { printf "%5d  %8.1f  %8.1f  %5.3f\n", round, a * 1000, b * 1000, a / b }' round.csv
    done | tee rounds.txt
    sort -n -k4 rounds.txt | awk '{ r[NR] = $4 } END { printf "ratio min %.3f median %.3f\n", r[1],
        NR % 2 ? r[(NR + 1) / 2] : (r[NR / 2] + r[NR / 2 + 1]) / 2 }'
}

full="generate --table full.ini --font 'DejaVu Sans' --font2 Unifont --type 2 --min-width 40 -o full.mtf"
alternate "$tool $full" "$tool $full --jobs 1" "" every_core one_worker
for jobs in "--jobs 1" ""; do
    /usr/bin/time -f "full plane $jobs: peak %M KB" sh -c "$tool $full $jobs > /dev/null"
done
test -s full.mtf # glyphforge wrote its font

bmp="generate --table $bmpTable --font 'DejaVu Sans' --size 16 --no-font2 -o bmp.mtf"
# hyperfine's -i, which otf2bdf needs, is for both commands: glyphforge must succeed once first.
eval "$tool $bmp" > /dev/null
# otf2bdf ends with status 8 after writing the whole font.
alternate "$tool $bmp" "otf2bdf -p 16 -r 96 -o otf2bdf.bdf $dejavu" -i glyphforge otf2bdf
