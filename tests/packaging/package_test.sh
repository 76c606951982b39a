#!/usr/bin/env bash
# The Debian package as a user gets it, made from an already built tree:
#   package_test.sh BUILD_DIR VERSION PROGRAM...
# Makes talvane_<VERSION>_<arch>.deb with cpack (which builds nothing) in a temporary
# folder, checks its file list and control fields, validates the desktop entry and
# the manual pages, the licence in `copyright` and the changelog, unpacks it and runs
# every program from there as an ordinary user (each says the package's version on
# --version and -V), and has lintian find no error in it. It needs root: it runs the
# programs as the user nobody and owns a device file as the group dialout.
set -euo pipefail
# Root only, like the other root-only cases: apt's install check and the runs as another
# user (nobody) need it. ctest counts this exit as skipped (SKIP_RETURN_CODE).
SKIPPED=77
if [[ $(id -u) -ne 0 ]]; then
  echo "SKIP: the package test needs root (apt's install check, the programs run as nobody); running as uid $(id -u)"
  exit "$SKIPPED"
fi
build="$1" version="$2"
shift 2
programs=("$@")
source_root="$(cd "$(dirname "$0")/../.." && pwd)"
icon_sizes=(16 22 24 32 48 64 128 256)

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# The unpacked programs run as an ordinary user, who must reach them.
chmod 755 "$work"
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
have() {
  command -v "$1" >/dev/null || {
    echo "FAIL: $1 is missing (scripts/deps.sh installs it)"
    exit 1
  }
}
for tool in cpack dpkg-deb dpkg-shlibdeps desktop-file-validate lintian man file setpriv; do have "$tool"; done
for p in "${programs[@]}"; do
  [[ -n "$(find "$build" -name "$p" -type f -perm -u+x -print -quit)" ]] ||
    { echo "FAIL: $p is not built in $build; build the project first"; exit 1; }
done

# An ordinary user: root drops to nobody, anyone else is one already.
as_user=()
if [[ $(id -u) -eq 0 ]]; then as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups --); fi

echo "--- making the package"
if ! (cd "$build" && cpack --config CPackConfig.cmake -B "$work/out") >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log"
  echo "FAIL: cpack made no package"
  exit 1
fi
deb="$work/out/talvane_${version}_$(dpkg --print-architecture).deb"
[[ -f "$deb" ]] || { ls "$work/out"; echo "FAIL: no $(basename "$deb")"; exit 1; }

echo "--- file list"
dpkg-deb -c "$deb" >"$work/contents"
# listed PATH MODE: the package holds ./PATH with permissions MODE, owned by root.
listed() {
  local line
  line="$(awk -v p="./$1" '$6 == p' "$work/contents")"
  if [[ -z "$line" ]]; then
    fail "the package lacks /$1"
  elif [[ "$(awk '{print $1, $2}' <<<"$line")" != "$2 root/root" ]]; then
    fail "/$1 is not $2 root/root: $line"
  fi
}
for p in "${programs[@]}"; do
  listed "usr/bin/$p" -rwxr-xr-x
  listed "usr/share/man/man1/$p.1.gz" -rw-r--r--
done
listed usr/share/applications/talvane.desktop -rw-r--r--
for s in "${icon_sizes[@]}"; do listed "usr/share/icons/hicolor/${s}x$s/apps/talvane.png" -rw-r--r--; done
listed usr/share/doc/talvane/copyright -rw-r--r--
listed usr/share/doc/talvane/changelog.gz -rw-r--r--
awk '$6 !~ /^\.\/(usr\/.*)?$/ {print "FAIL: outside /usr: " $6}' "$work/contents" | grep . && failures=$((failures + 1))

echo "--- control"
dpkg-deb -f "$deb" Package Version Depends Description >"$work/control"
cat "$work/control"
grep -qx "Package: talvane" "$work/control" || fail "package name"
grep -qx "Version: $version" "$work/control" || fail "version"
# The dependencies come from the libraries the programs link.
for lib in libqt6widgets6 libzint libc6; do
  grep -q "^Depends:.*\b$lib" "$work/control" || fail "Depends lacks $lib"
done
grep -q "^Description: ..*" "$work/control" && [[ $(grep -c '^ ' "$work/control") -ge 3 ]] ||
  fail "no synopsis and long description"
dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -v -x -e './' -e './control' -e './md5sums' &&
  fail "maintainer scripts in the package"

# Every dependency can be met here: apt would install it with nothing missing.
apt-get install --simulate --no-install-recommends "$deb" >"$work/apt.log" 2>&1 &&
  grep -q "^Inst talvane " "$work/apt.log" || fail "apt cannot install the package: $(tail -5 "$work/apt.log")"

echo "--- unpacked"
dpkg-deb -x "$deb" "$work/root"
usr="$work/root/usr"
desktop="$usr/share/applications/talvane.desktop"
# Hints count too: one says the application would show twice in the menu.
if ! validated="$(desktop-file-validate "$desktop" 2>&1)"; then
  fail "desktop-file-validate refuses the desktop entry: $validated"
elif [[ -n "$validated" ]]; then
  fail "desktop-file-validate has remarks on the desktop entry: $validated"
fi
exec_name="$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")"
[[ -x "$usr/bin/$exec_name" ]] || fail "the desktop entry starts '$exec_name', which the package lacks"
icon_name="$(sed -n 's/^Icon=//p' "$desktop")"
for s in "${icon_sizes[@]}"; do
  icon="$usr/share/icons/hicolor/${s}x$s/apps/$icon_name.png"
  file -b "$icon" | grep -q "^PNG image data, $s x $s," || fail "$icon is not a $s x $s PNG: $(file -b "$icon")"
done

for p in "${programs[@]}"; do
  page="$usr/share/man/man1/$p.1.gz"
  # man's own warnings, as lintian asks for them.
  warnings="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)" ||
    fail "man -l cannot read $p.1"
  [[ -z "$warnings" ]] || fail "man -l warns about $p.1: $warnings"
  LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$page" >"$work/$p.shown" 2>/dev/null || fail "man -l $p.1 failed"
  grep -q "^NAME" "$work/$p.shown" || fail "$p.1 shows no NAME"
  zcat "$page" >"$work/$p.roff"
  sed -n '/^\.SH NAME/{n;p}' "$work/$p.roff" | grep -q "^$p \\\\- " ||
    fail "$p.1's NAME line is not '$p \\- ...'"
  # What whatis and apropos read of it.
  lexgrog "$page" >"$work/$p.lexgrog" 2>&1 || fail "lexgrog cannot read $p.1's NAME: $(lexgrog "$page" 2>&1)"
  # An option's tag that does not start a paragraph of its own is printed inside the
  # paragraph before it: every option tag (.B or .BI starting with --) follows a .TP.
  untagged="$(awk '/^\.(B|BI) \\-/ && prev !~ /^\.(TP|IP)/ { print NR ": " $0 } { prev = $0 }' "$work/$p.roff")"
  [[ -z "$untagged" ]] || fail "$p.1 has an option inside another's paragraph (no .TP before it): $untagged"

  # Its name and the package's version, whichever way it is asked.
  for option in --version -V; do
    if ! said="$("${as_user[@]}" "$usr/bin/$p" "$option" 2>&1)"; then
      fail "$p $option from the package failed: $said"
    elif [[ "$said" != "$p $version" ]]; then
      fail "$p $option says '$said', not '$p $version'"
    fi
  done

  # Every option the program's --help names is in its manual page.
  if ! "${as_user[@]}" "$usr/bin/$p" --help >"$work/$p.help" 2>&1; then
    fail "$p --help from the package failed: $(cat "$work/$p.help")"
    continue
  fi
  head -1 "$work/$p.help" | grep -qi "^usage: .*$p" || fail "$p --help: $(head -1 "$work/$p.help")"
  # The command-line tool has a --help per subcommand.
  if [[ $p == talvane-cli ]]; then
    for sub in ports send sample picture barcode qr pdf417 datamatrix status decode monitor; do
      "${as_user[@]}" "$usr/bin/$p" "$sub" --help >>"$work/$p.help" 2>&1 || fail "$p $sub --help failed"
    done
  fi
  sed 's/\\-/-/g' "$work/$p.roff" >"$work/$p.man"
  for option in $(grep -o -E -- '--[a-z][a-z-]*' "$work/$p.help" | sort -u); do
    grep -q -F -- "$option" "$work/$p.man" || fail "$p --help names $option; its manual page does not"
  done
  # Nothing of the build tree: no run path into it, every library found on the system.
  readelf -d "$usr/bin/$p" | grep -E 'R(UN)?PATH' && fail "$p keeps a run path"
  ldd "$usr/bin/$p" | grep -E "not found|$build" && fail "$p needs a library the system lacks"
done

echo "--- licence and changelog"
doc="$usr/share/doc/talvane"
# paragraph FIELD VALUE: the paragraph of copyright whose FIELD line is "FIELD: VALUE".
paragraph() {
  awk -v first="$1: $2" 'BEGIN { RS = "" } { split($0, lines, "\n"); if (lines[1] == first) print }' \
    "$doc/copyright"
}
# licence_text: a License paragraph's text (stdin) as plain lines.
licence_text() { sed -e '1d' -e 's/^ //' -e 's/^\.$//'; }
head -1 "$doc/copyright" |
  grep -qx "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ||
  fail "copyright is not in the machine-readable format"
ours="$(paragraph Files '*')"
grep -qx "License: Expat" <<<"$ours" || fail "copyright does not name Expat (MIT) for Files: *"
grep -qx "Copyright: 2026 The Talvane developers" <<<"$ours" || fail "copyright lacks the project's copyright line"
# The licence text is the MIT text of LICENSE, word for word.
if ! diff <(paragraph License Expat | licence_text) <(sed -n '/^Permission/,$p' "$source_root/LICENSE") \
  >"$work/licence.diff"; then
  fail "the Expat text in copyright differs from LICENSE: $(cat "$work/licence.diff")"
fi
grep -q "^Copyright (c) 2026 The Talvane developers$" "$source_root/LICENSE" || fail "LICENSE lacks the copyright line"
# Each table generated from a font is named with that font and the font's licence.
grep -l -r --include='*.cpp' '^// Generated by .* from "' "$source_root/emulator" | sort >"$work/generated"
[[ -s "$work/generated" ]] || fail "no glyph tables generated from a font found in emulator/"
while read -r table; do
  name="${table#"$source_root"/}"
  font="$(sed -n '1s/^.* from "\(.*\)".*/\1/p' "$table")"
  files="$(grep -m1 "^Files: .*$name" "$doc/copyright" || true)"
  if [[ -z "$files" ]]; then
    fail "copyright has no Files paragraph for $name"
    continue
  fi
  theirs="$(paragraph Files "${files#Files: }")"
  grep -q "$font" <<<"$theirs" || fail "copyright does not say $name comes from $font"
  grep -qx "License: Bitstream-Vera" <<<"$theirs" ||
    fail "copyright does not give $name the licence of $font (Bitstream-Vera)"
done <"$work/generated"
grep -q "^ The Font Software may be modified" <<<"$(paragraph License Bitstream-Vera)" ||
  fail "copyright lacks the Bitstream Vera licence text"

# The changelog says, for this version, what CHANGELOG.md says: the same items in
# the same order, under the same date.
# items: one line per "- " (Markdown) or "  * " (Debian) item, wrapped lines joined,
# without backticks.
items() {
  awk '
    /^### |^  \[|^ -- / { if (item != "") print item; item = ""; next }
    /^- |^  \* / { if (item != "") print item; item = $0; sub(/^(- |  \* )/, "", item); next }
    /^ +[^ ]/ && item != "" { line = $0; sub(/^ +/, "", line); item = item " " line; next }
    { if (item != "") print item; item = "" }
    END { if (item != "") print item }' | tr -d '`'
}
sed -n "/^## \[$version\] - /,/^## /p" "$source_root/CHANGELOG.md" >"$work/section"
released="$(sed -n "1s/^## \[$version\] - \([0-9-]*\)$/\1/p" "$work/section")"
[[ -n "$released" ]] || fail "CHANGELOG.md has no section '## [$version] - YYYY-MM-DD'"
items <"$work/section" >"$work/changes.md"
zcat "$doc/changelog.gz" >"$work/changelog"
head -1 "$work/changelog" | grep -q "^talvane ($version) " || fail "changelog.gz starts $(head -1 "$work/changelog")"
items <"$work/changelog" >"$work/changes.deb"
[[ -s "$work/changes.md" ]] || fail "CHANGELOG.md says nothing for $version"
diff "$work/changes.md" "$work/changes.deb" >"$work/changes.diff" ||
  fail "changelog.gz and CHANGELOG.md differ for $version: $(cat "$work/changes.diff")"
trailer="$(sed -n 's/^ -- .*  \(.*\)$/\1/p' "$work/changelog" | head -1)"
[[ "$(date -u -d "$trailer" +%F 2>/dev/null)" == "$released" && "$(date -u -d "$trailer" -R)" == "$trailer" ]] ||
  fail "changelog.gz is dated '$trailer', CHANGELOG.md $released"

echo "--- the console's window from the package"
mkdir "$work/shots"
chmod 777 "$work/shots"
if QT_QPA_PLATFORM=offscreen "${as_user[@]}" "$usr/bin/talvane" --screenshot "$work/shots/window.png" \
  >"$work/shot.log" 2>&1; then
  shape="$(file -b "$work/shots/window.png")"
  [[ "$shape" =~ ^PNG\ image\ data,\ ([0-9]+)\ x\ ([0-9]+), ]] &&
    ((BASH_REMATCH[1] >= 640 && BASH_REMATCH[2] >= 480)) || fail "screenshot is not a window picture: $shape"
else
  fail "talvane --screenshot from the package failed: $(cat "$work/shot.log")"
fi

# The translations ride in the programs: the desktop's German (LANG) changes the
# window's captions exactly when talvane_de.ts translates them. "COM Open", shown at
# start, stands for them; its German is read from the catalogue, not written here.
echo "--- the console in the desktop's language"
german="$(awk '/<source>COM Open<\/source>/ { getline; if ($0 !~ /unfinished|vanished|obsolete/ && \
  match($0, /<translation>[^<]+<\/translation>/)) print substr($0, RSTART + 13, RLENGTH - 27) }' \
  "$source_root/translations/talvane_de.ts")"
for shot in de:de_DE.UTF-8 en:C.UTF-8; do
  QT_QPA_PLATFORM=offscreen LANGUAGE= LC_ALL= LC_MESSAGES= LANG="${shot#*:}" "${as_user[@]}" \
    "$usr/bin/talvane" --screenshot "$work/shots/${shot%%:*}.png" >>"$work/shot.log" 2>&1 ||
    fail "LANG=${shot#*:} talvane --screenshot failed: $(cat "$work/shot.log")"
done
if [[ -n "$german" ]]; then
  cmp -s "$work/shots/de.png" "$work/shots/en.png" &&
    fail "LANG=de_DE.UTF-8 shows the English window, though talvane_de.ts says \"$german\" for \"COM Open\""
else
  echo "talvane_de.ts has no German for \"COM Open\" yet: the German window must be the English one"
  cmp -s "$work/shots/de.png" "$work/shots/en.png" ||
    fail "LANG=de_DE.UTF-8 changes the window, though talvane_de.ts translates nothing"
fi
QT_QPA_PLATFORM=offscreen "${as_user[@]}" "$usr/bin/talvane" --lang xx >"$work/lang.log" 2>&1 &&
  fail "talvane --lang xx started"
grep -q "there is no xx translation" "$work/lang.log" || fail "talvane --lang xx says: $(cat "$work/lang.log")"

# A fresh user in neither printer group is told at start how to reach a port of the
# group "dialout" (the console keeps running; it is ended here once it has said so).
if [[ $(id -u) -eq 0 ]] && getent group dialout >/dev/null; then
  echo "--- the group hint at start"
  device="$work/ttyUSB0"
  install -m 660 -o root -g dialout /dev/null "$device"
  QT_QPA_PLATFORM=offscreen "${as_user[@]}" "$usr/bin/talvane" --port "$device" >"$work/start.log" 2>&1 &
  console=$!
  for _ in $(seq 300); do
    grep -q 'groups "dialout" and "lp"' "$work/start.log" && break
    kill -0 "$console" 2>/dev/null || break
    sleep 0.1
  done
  kill "$console" 2>/dev/null || true
  wait "$console" 2>/dev/null || true
  grep -q 'sudo usermod -aG dialout,lp \$USER' "$work/start.log" ||
    fail "no group hint at start: $(cat "$work/start.log")"
fi

echo "--- lintian"
# Errors fail; warnings and the rest are shown for the record.
if ! lintian --fail-on error --display-level ">=warning" "$deb" 2>&1 | tee "$work/lintian.log"; then
  fail "lintian finds errors"
fi
grep -q "^E: " "$work/lintian.log" && fail "lintian errors"

if ((failures)); then
  echo "$failures failure(s)"
  exit 1
fi
echo "package $(basename "$deb") is sound"
