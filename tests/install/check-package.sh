#!/usr/bin/env bash
# Builds the Debian package of a configured and built tree, checks its files and its
# dependencies, unpacks it in a scratch root and starts each installed program there: it must show
# its login dialog and end by itself once the dialog is cancelled.
#   check-package.sh BUILD_DIR EXPECTED_FILES PROBE_PLUGIN_DIR
set -euo pipefail
build=$1
expected=$2
probe_plugins=$3

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# The tree is built already, so CPack's install step only copies.
cpack --config "$build/CPackConfig.cmake" -B "$scratch/package" >"$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log" >&2; fail "cpack did not build the package"; }
debs=("$scratch"/package/*.deb)
[[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || fail "expected one .deb, found: ${debs[*]}"
deb=${debs[0]}

# The files are exactly the ones the install rules name (the development server is not among them).
dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sort >"$scratch/files"
sort "$expected" >"$scratch/expected"
diff -u "$scratch/expected" "$scratch/files" || fail "the package's files differ from the install rules"

# Every dependency is a real package: each one is installed on this machine, which runs the tests.
depends=$(dpkg-deb --field "$deb" Depends)
for name in qt6-speech-flite-plugin libcurl4 libxlsxwriter4 libinih1 xdg-utils libqt6widgets6; do
  [[ ", $depends," == *", $name"[\ ,\(]* ]] || fail "Depends does not name $name: $depends"
done
while read -r name; do
  dpkg-query -W -f='${db:Status-Abbrev}' "$name" 2>/dev/null | grep -q '^ii' ||
    fail "Depends names $name, which is not an installed package here"
done < <(tr ',' '\n' <<<"$depends" | sed -E 's/\(.*\)//; s/^ +//; s/ +$//' | grep -v '^$')
[[ $(dpkg-deb --field "$deb" Recommends) == *libreoffice-calc* ]] || fail "LibreOffice Calc is not recommended"

root=$scratch/root
dpkg -x "$deb" "$root"
# The installed tree as a software centre sees it: metainfo, desktop entries and icons together.
appstreamcli validate-tree --no-net --no-color "$root" >"$scratch/tree.log" 2>&1 ||
  { cat "$scratch/tree.log" >&2; fail "appstreamcli validate-tree"; }
for entry in "$root"/usr/share/applications/*.desktop; do
  exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
  icon=$(sed -n 's/^Icon=//p' "$entry")
  [[ -x $root/usr/bin/$exec_name ]] || fail "$entry starts $exec_name, which is not installed"
  [[ -f $root/usr/share/icons/hicolor/scalable/apps/$icon.svg ]] || fail "$entry names icon $icon, not installed"
done

# An empty user configuration and home: nothing of this machine's set-up is read.
mkdir -p "$scratch/home" "$scratch/config"
for program in brivane cortelle; do
  title=${program^}
  status=0
  env -i PATH=/usr/bin:/bin HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" \
    XDG_RUNTIME_DIR="$scratch" LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen \
    QT_PLUGIN_PATH="$probe_plugins" QT_QPA_GENERIC_PLUGINS=quillonloginprobe \
    ASAN_OPTIONS="${ASAN_OPTIONS:-}" UBSAN_OPTIONS="${UBSAN_OPTIONS:-}" \
    timeout 60 "$root/usr/bin/$program" >"$scratch/$program.out" 2>"$scratch/$program.err" || status=$?
  cat "$scratch/$program.out"
  [[ $status -eq 0 ]] || { cat "$scratch/$program.err" >&2; fail "installed $program ended with $status"; }
  grep -qx "shown: Form_Login \"$title Version 3.1\"" "$scratch/$program.out" ||
    { cat "$scratch/$program.err" >&2; fail "installed $program did not show its login dialog"; }
  grep -qx "cancel: Cancel" "$scratch/$program.out" || fail "the login dialog of $program had no Cancel button"
done
echo "Package $(basename "$deb") installs and starts."
