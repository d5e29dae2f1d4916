#!/usr/bin/env bash
# package_test.sh BUILD_DIR: builds the Debian package from BUILD_DIR's
# CPack configuration, checks it with lintian and its desktop entry and
# metainfo with their validators, unpacks it into a folder owned by root,
# and plays it as a player who cannot write there (an unprivileged user
# when run as root, else the same user with the folder made read-only),
# with a fresh home, under Xvfb with a window manager: the menu entry's
# command must show the window with its title screen, and closing the
# window must write the picture register into the player's own folder.
# Exits 77 (skipped) when a tool it needs is missing.
set -euo pipefail
build=$(realpath "$1")

missing=()
for tool in cpack dpkg-deb dpkg-shlibdeps file lintian desktop-file-validate appstreamcli \
  xvfb-run xauth import identify openbox xdotool xprop xwininfo; do
  command -v "$tool" >/dev/null || missing+=("$tool")
done
if [[ ${#missing[@]} -gt 0 ]]; then
  echo "skipped: ${missing[*]} missing (scripts/deps.sh --package-test installs them)"
  exit 77
fi

work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
chmod 755 "$work"

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; exit 1; }
deb=$(echo "$work"/out/quillmere_*.deb)
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"
dpkg-deb -f "$deb" Depends

status=0
fail() {
  echo "FAILED: $*"
  status=1
}

lintian --fail-on error,warning "$deb" || fail "lintian"

root=$work/root
dpkg-deb -x "$deb" "$root"
entry=$(echo "$root"/usr/share/applications/*.desktop)
desktop-file-validate "$entry" || fail "desktop-file-validate"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml || fail "appstreamcli validate"

if [[ $(id -u) -eq 0 ]]; then
  player=(setpriv --reuid=65534 --regid=65534 --clear-groups)
  owner=65534:65534
else
  chmod -R a-w "$root"
  player=()
  owner=$(id -u):$(id -g)
fi
home=$work/home
mkdir "$home"
chown "$owner" "$home"

# On the virtual display, as the player: a window manager, then the menu
# entry's command; a photograph of the screen once the window is drawn, and
# the window closed as a player closes it.
play() {
  local command=$1 shot=$2
  openbox &
  for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
  done
  "$command" &
  local game=$!
  local window=
  for _ in $(seq 100); do
    window=$(xdotool search --name '^Quillmere$' 2>/dev/null | head -1) && [[ -n $window ]] && break
    kill -0 "$game" 2>/dev/null || { echo "the game ended before showing its window"; return 1; }
    sleep 0.1
  done
  [[ -n $window ]] || { echo "no window named Quillmere"; return 1; }
  sleep 2  # the first paint follows the mapping
  import -window root "$shot"
  xdotool windowactivate --sync "$window" key --clearmodifiers alt+F4
  for _ in $(seq 100); do
    kill -0 "$game" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$game" 2>/dev/null; then
    echo "the game did not end when its window was closed"
    kill "$game"
    return 1
  fi
  wait "$game"
}

command=$root/usr/bin/$(sed -n 's/^Exec=//p' "$entry")
shot=$work/home/title.png
env -i HOME="$home" PATH=/usr/bin:/bin "${player[@]}" \
  xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "$(declare -f play); play \"\$0\" \"\$1\"" "$command" "$shot" ||
  fail "the game did not run from the package"

colours=$(identify -format %k "$shot" 2>/dev/null || echo 0)
echo "screenshot: $colours colours"
[[ $colours -gt 200 ]] || fail "the screenshot is blank"
cp "$shot" "$build/package-test-title.png" 2>/dev/null || true
[[ -f $home/.local/share/quillmere/sys/lstphoto.dat ]] ||
  fail "closing the window wrote no register into the player's folder"

[[ $status -eq 0 ]] && echo "the package installs, validates and plays from a folder the player cannot write"
exit $status
