#!/usr/bin/env bash
# Installs a build into a scratch tree and checks what a desktop, a software
# centre and a Debian package expect to find there, and that the files point
# at each other by the right names.
# Usage: check_install.sh BUILD_DIR SCRATCH_DIR PROJECT_VERSION
set -uo pipefail

build=$1
scratch=$2
version=$3

for tool in cmake xmllint; do
  if ! command -v "$tool" >/dev/null; then
    echo "FAIL $tool not found (scripts/install-deps installs it)"
    exit 1
  fi
done

app_id=org.example.ovalin
desktop=usr/share/applications/$app_id.desktop
icon=usr/share/icons/hicolor/scalable/apps/$app_id.svg
metainfo=usr/share/metainfo/$app_id.metainfo.xml

passed=0
failed=0
check() {  # name, actual, expected
  if [ "$2" == "$3" ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAIL $1"
    diff <(echo "$3") <(echo "$2") | sed -n 's/^</  expected:/p; s/^>/  actual:  /p'
  fi
}

rm -rf "$scratch"
mkdir -p "$scratch"
if ! DESTDIR="$scratch" cmake --install "$build" --prefix /usr >"$scratch.log" 2>&1; then
  cat "$scratch.log"
  echo "FAIL cmake --install"
  exit 1
fi
root=$scratch

# Every file the install puts down, and nothing more: a library, a header or a
# test binary in the package is as much a fault as a missing icon.
installed=(
  "usr/bin/ovali"
  "usr/bin/ovali-lab"
  "$desktop"
  "$icon"
  "$metainfo"
  "usr/share/doc/ovali/copyright"
)
check "installed files" "$(cd "$root" && find . -type f | sed 's|^\./||' | sort)" \
  "$(printf '%s\n' "${installed[@]}" | sort)"
check "program is executable" "$([ -x "$root/usr/bin/ovali" ] && echo yes)" yes
check "the lab lists its experiments" "$("$root/usr/bin/ovali-lab" --list 2>&1 | tr '\n' ' ')" \
  "money players bills one rings many own "
check "the lab refuses a bad argument with status 2 and nothing on standard output" \
  "$("$root/usr/bin/ovali-lab" money --repeats 1 2>/dev/null; echo "status $?")" "status 2"
check "licence is the MIT text" "$(head -n 1 "$root/usr/share/doc/ovali/copyright" 2>/dev/null)" \
  "MIT License"

entry() {  # key: its value in the [Desktop Entry] group
  sed -n '/^\[Desktop Entry\]/,/^\[/{s/^'"$1"'=//p}' "$root/$desktop" 2>/dev/null | head -n 1
}
exec_program=$(entry Exec | cut -d ' ' -f 1)
icon_name=$(entry Icon)

# name | actual | expected
desktop_rows=(
  "desktop: Name is the game's title|$(entry Name)|The Ovalin Game"
  "desktop: Exec starts an installed program|$([ -n "$exec_program" ] && [ -x "$root/usr/bin/$exec_program" ] && echo yes)|yes"
  "desktop: Exec needs no path or arguments|$(entry Exec)|ovali"
  "desktop: Icon names the installed icon|$([ -n "$icon_name" ] && [ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon_name.svg" ] && echo yes)|yes"
  "desktop: not a terminal program|$(entry Terminal)|false"
  "desktop: X11 window class is the program's|$(entry StartupWMClass)|$exec_program"
  "desktop: Education is a category|$(entry Categories | tr ';' '\n' | grep -cx Education)|1"
)

xpath() {  # expression: its string value in the installed metainfo
  xmllint --xpath "string($1)" "$root/$metainfo" 2>/dev/null
}
launchable=$(xpath "/component/launchable[@type='desktop-id']")
screenshot=https://example.org/ovalin/docs/screenshot.png

metainfo_rows=(
  "metainfo: id matches the installed name|$(xpath /component/id)|$app_id"
  "metainfo: launchable is the installed desktop entry|$([ -n "$launchable" ] && [ -f "$root/usr/share/applications/$launchable" ] && echo "$launchable")|$app_id.desktop"
  "metainfo: binary is the installed program|$(xpath /component/provides/binary)|$exec_program"
  "metainfo: name matches the desktop entry|$(xpath /component/name)|$(entry Name)"
  "metainfo: project licence|$(xpath /component/project_license)|MIT"
  "metainfo: metadata licence|$(xpath /component/metadata_license)|CC0-1.0"
  "metainfo: developer|$(xpath /component/developer/name)|The Ovalin Game project"
  "metainfo: developer for older readers|$(xpath /component/developer_name)|The Ovalin Game project"
  "metainfo: one default screenshot|$(xpath "count(/component/screenshots/screenshot[@type='default'])")|1"
  "metainfo: screenshot address|$(xpath "/component/screenshots/screenshot[@type='default']/image")|$screenshot"
  "metainfo: content rating|$(xpath /component/content_rating/@type)|oars-1.1"
  "metainfo: newest release is this version|$(xpath "/component/releases/release[1]/@version")|$version"
)

svg() {  # expression: its string value in the installed icon
  xmllint --xpath "string($1)" "$root/$icon" 2>/dev/null
}
view_box=($(svg "/*[local-name()='svg']/@viewBox"))

# Icon renderers have no fonts to rely on and no files beside the icon.
icon_rows=(
  "icon: well-formed XML|$(xmllint --noout "$root/$icon" 2>&1 && echo ok)|ok"
  "icon: SVG root|$(svg "local-name(/*)")|svg"
  "icon: square view box|${view_box[2]:-none}|${view_box[3]:-missing}"
  "icon: no text to need a font|$(svg "count(//*[local-name()='text'])")|0"
  "icon: no external references|$(svg "count(//@*[local-name()='href'])")|0"
)

for row in "${desktop_rows[@]}" "${metainfo_rows[@]}" "${icon_rows[@]}"; do
  IFS='|' read -r name actual expected <<<"$row"
  check "$name" "$actual" "$expected"
done

rm -rf "$scratch" "$scratch.log"
echo "packaging: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
