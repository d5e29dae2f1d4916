# Sourced by the benches that play an opening event of their own: builds
# the game, copies its folder into $folder (gone when the bench ends), and
# gives write_opening, which writes the UTF-8 lines on its standard input
# as that copy's txt/opn.txt, as the game reads it.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
[[ -f build/CMakeCache.txt ]] || cmake --preset default >/dev/null
cmake --build --preset default --target quillmere game_data >/dev/null

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp -r build/game/. "$folder"

write_opening() { sed 's/$/\r/' | iconv -f UTF-8 -t CP932 >"$folder/txt/opn.txt"; }
