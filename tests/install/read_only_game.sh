#!/usr/bin/env bash
# read_only_game.sh DRIVER GAME ALBUM_TEMPLATE: plays a copy of GAME that
# the player cannot write (owned by root and played as another user, or,
# for a user who is not root, without write permission), with the headless
# driver: start, collect a picture, save, load, make the album, shut down,
# start again. Everything the game writes must land in the player's own
# folder and come back from there, with no message but the game's usual
# ones, and the game folder must stay as it was. Then the same play on a
# copy the player owns must leave the player's folder alone.
set -euo pipefail
driver=$1 game=$2 template=$3

work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
chmod 755 "$work"
cp "$driver" "$work/driver"

if [[ $(id -u) -eq 0 ]]; then
  player=(setpriv --reuid=65534 --regid=65534 --clear-groups)
  owner=65534:65534
else
  player=()
  owner=$(id -u):$(id -g)
fi

# A copy of the game folder with the album's template: the player's own
# ("rw") or one the player cannot write ("ro").
copy() {
  local folder=$1 kind=$2
  mkdir -p "$folder"
  cp -r "$game/." "$folder"
  cp "$template" "$folder/txt/arub.txt"
  if [[ $kind == ro ]]; then
    chmod -R a-w "$folder"
  else
    chown -R "$owner" "$folder"
  fi
}

# Two runs of the game in FOLDER with a fresh home HOME; prints what the
# player would see.
play() {
  local folder=$1 home=$2
  mkdir -p "$home"
  chown "$owner" "$home"
  env -i HOME="$home" PATH=/usr/bin:/bin "${player[@]}" "$work/driver" "$folder" <<'SCRIPT' | grep -v '^Mci = '
seed 5
load
select CountMaxLst 0
click ComStt
click Lbl
click Com(0)
set ColorScl(0) 255
set ColorScl(1) 255
set ColorScl(2) 255
click ColorCom(0)
set ColorScl(0) 1
set ColorScl(1) 200
set ColorScl(2) 1
click ColorCom(0)
set ColorScl(0) 200
set ColorScl(1) 1
click ColorCom(0)
click ColorCom(2)
click Lbl
menu menu_salo(0)
menu menu_salo(1)
show LstKan.List
mouseup ComIvent 1
unload
load
show LstIvent.List
show GameState.WriteFolder
unload
SCRIPT
}

# The usual messages, with the folder the game wrote into.
expected() {
  cat <<EXPECTED
MsgBox = "愛ノ綺ヲしゅとく"
MsgBox = "SAVE　OK"
MsgBox = "Load　OK"
LstKan.List = ["0 喜","4 愛"]
MsgBox = "アルバム制作します・OKを押して下さい。\r\nこの作業は時間がかかる場合があります。"
MsgBox = "アルバムを制作しました。\r\n$1の中を覗いてみて下さい"
LstIvent.List = ["012"]
GameState.WriteFolder = "$1"
EXPECTED
}

status=0
fail() {
  echo "FAILED: $*"
  status=1
}

# Read-only: everything in the player's folder, the game folder untouched.
copy "$work/ro game" ro
before=$(cd "$work/ro game" && find . -printf '%p %s %T@\n' | sort)
own="$work/home-ro/.local/share/quillmere/"
out=$(play "$work/ro game" "$work/home-ro")
diff <(expected "$own") <(printf '%s\n' "$out") || fail "the read-only game's messages differ"
for file in sys/lstphoto.dat sys/all.dat sys/lstkan.dat sys/lstitem.dat sys/lstworld.dat アルバム.html; do
  [[ -f "$own$file" ]] || fail "nothing written to $own$file"
done
grep -q "file://$work/ro%20game/img/012.png" "$own/アルバム.html" ||
  fail "the album does not show the picture in the game folder"
after=$(cd "$work/ro game" && find . -printf '%p %s %T@\n' | sort)
[[ $before == "$after" ]] || fail "the read-only game folder changed"

# Writable: everything in the game folder, nothing in the player's folder.
copy "$work/game" rw
out=$(play "$work/game" "$work/home-rw")
diff <(expected "$work/game/") <(printf '%s\n' "$out") || fail "the writable game's messages differ"
[[ -s "$work/game/sys/all.dat" && -s "$work/game/アルバム.html" ]] || fail "the writable game wrote elsewhere"
[[ ! -e "$work/home-rw/.local" ]] || fail "the writable game wrote into the player's folder"

[[ $status -eq 0 ]] && echo "read-only and writable game folders: everything where it belongs"
exit $status
