#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks what a desktop and a user meet: the three
# programs, the menu entry, the icons and the AppStream metadata (each validated), and the
# installed window program starting from a read-only folder and ending cleanly on SIGTERM.
# Runs inside scripts/in-netns (the program binds the board port; the read-only folder is a bind
# mount in the private mount namespace) and scripts/with-xvfb (a virtual X server, no screen:
# its window is the sign that the program is up).
set -euo pipefail
build=$1
id=org.quorvane.Quorvane
fail() { echo "FAIL: $*" >&2; exit 1; }

work=$(mktemp -d)
trap 'umount "$work/prefix/bin" 2>/dev/null || true; rm -rf "$work"' EXIT
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

expected=(
  bin/quorvane bin/quorvane-cli bin/quorvane-boardsim
  "share/applications/$id.desktop"
  "share/metainfo/$id.metainfo.xml"
  "share/icons/hicolor/scalable/apps/$id.svg"
)
sizes=(16 24 32 48 64 128 256)
for size in "${sizes[@]}"; do expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png"); done
for file in "${expected[@]}"; do [[ -f "$prefix/$file" ]] || fail "not installed: $file"; done
for program in quorvane quorvane-cli quorvane-boardsim; do
  [[ -x "$prefix/bin/$program" ]] || fail "$program is not executable"
done
for size in "${sizes[@]}"; do
  file "$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png" |
    grep -q "PNG image data, $size x $size" || fail "the ${size}px icon is not a $size x $size PNG"
done

hints=$(desktop-file-validate "$prefix/share/applications/$id.desktop") || fail "desktop entry refused: $hints"
[[ -z "$hints" ]] || fail "desktop entry: $hints"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml" ||
  fail "AppStream metadata refused"
grep -q '<release version="[0-9.]*"' "$prefix/share/metainfo/$id.metainfo.xml" ||
  fail "AppStream metadata carries no release"

help=$("$prefix/bin/quorvane-cli" --help) || fail "quorvane-cli --help failed"
grep -q "usage: quorvane-cli COMMAND" <<<"$help" || fail "quorvane-cli --help: $help"
help=$("$prefix/bin/quorvane-boardsim" --help) || fail "quorvane-boardsim --help failed"
grep -q "usage: quorvane-boardsim" <<<"$help" || fail "quorvane-boardsim --help: $help"

# The window program from a folder nobody may write, with a home of its own.
mount --bind "$prefix/bin" "$prefix/bin"
mount -o remount,bind,ro "$prefix/bin"
touch "$prefix/bin/probe" 2>/dev/null && fail "the program's folder is still writable"
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$HOME"; mkdir -m 700 "$XDG_RUNTIME_DIR"
"$prefix/bin/quorvane" 2>"$work/stderr" & program=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --pid "$program" | head -n1) ||
  fail "the installed program never showed its window: $(cat "$work/stderr")"
[[ $(xdotool getwindowname "$window") == QuorvaneV* ]] || fail "unexpected window title"
grep -q '@Quorvane$' /proc/net/unix || fail "the program does not hold its single-instance name"
kill -TERM "$program"
set +e; wait "$program"; rc=$?; set -e
[[ $rc -eq 0 ]] || fail "the installed program ended with $rc on SIGTERM: $(cat "$work/stderr")"
[[ ! -s "$work/stderr" ]] || echo "the program said: $(cat "$work/stderr")"
echo "installed into $prefix: ${#expected[@]} files, validated; the program started and ended with 0"
