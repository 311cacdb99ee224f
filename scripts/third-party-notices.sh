#!/usr/bin/env bash
# Writes the third-party notices of a linked program: one section for every
# shared library the program loads (as ldd lists them), for the Qt plugins it
# loads at run time (those of the QML modules its QML imports, the platform
# and image-format plugins) and for the libraries those load, with the
# library's name, the Debian package that ships it, its licence, where its
# source is found, and the package's own copyright file (each distinct text
# once). A library that no installed package ships is named as such.
#
#   third-party-notices.sh PROGRAM OUTPUT [VERSION]
set -euo pipefail
program=$1
output=$2
version=${3:-}
# The program's QML, whose imports name the QML modules it loads.
qml_sources=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/Velmora
# The Controls style the program sets (main.cpp) is loaded as a module too.
controls_style=QtQuick.Controls.Basic

mkdir -p "$(dirname "$output")"
tmp=$(mktemp "$output.XXXXXX")
texts=$(mktemp -d)
trap 'rm -rf "$tmp" "$texts"' EXIT

{
  echo "Third-party notices${version:+ for Caldirune $version}"
  echo
  echo "$(basename "$program") is linked dynamically against the shared libraries below and"
  echo "loads the Qt plugins below at run time; none of them is changed, and each can"
  echo "be replaced by another build of it."
  echo "Each section names a library, the Debian package it comes from, its licence,"
  echo "where its source is found and the package's copyright and licence terms."
  echo "The Qt modules are used under the GNU Lesser General Public License version 3."
} >"$tmp"

# The Qt plugins: each QML module's own, for the modules the program's QML
# imports and, in turn, those a module's qmldir imports or depends on (the
# optional ones left out) or its own QML files import; the platform plugins a
# desktop session picks from and their OpenGL integrations; the image formats.
qml_root=$(qtpaths6 --query QT_INSTALL_QML 2>/dev/null || true)
plugin_root=$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null || true)
plugins=()
if [ -d "$qml_root" ]; then
  declare -A module_seen
  imports() {
    { grep -rhoE '^[[:space:]]*import[[:space:]]+[A-Za-z][A-Za-z0-9_.]*' "$@" 2>/dev/null || true; } |
      awk '{print $2}' | sort -u
  }
  modules=($controls_style $(imports --include='*.qml' --include='*.js' "$qml_sources"))
  while [ ${#modules[@]} -gt 0 ]; do
    module=${modules[0]}
    modules=("${modules[@]:1}")
    [ -z "${module_seen[$module]:-}" ] || continue
    module_seen[$module]=1
    dir=$qml_root/${module//.//}
    [ -r "$dir/qmldir" ] || continue
    for plugin in "$dir"/*.so; do [ ! -e "$plugin" ] || plugins+=("$plugin"); done
    modules+=($(awk '$1 == "import" || $1 == "depends" {print $2}' "$dir/qmldir") $(imports "$dir"/*.qml))
  done
fi
if [ -d "$plugin_root" ]; then
  for plugin in "$plugin_root"/platforms/libq{xcb,offscreen,wayland*}.so "$plugin_root"/xcbglintegrations/*.so \
    "$plugin_root"/imageformats/*.so; do
    [ ! -e "$plugin" ] || plugins+=("$plugin")
  done
fi

# The libraries of the program (ldd), then each plugin's heading ("/path:"),
# which adds the plugin, and its libraries, each line as "name => /path
# (0x...)", "/path (0x...)" or "name => not found"; the kernel's virtual
# library has no file and is left out, and a library is named once, where it
# first appears. The plugins' libraries are listed by the dynamic loader the
# program names, which is several times quicker than ldd on each plugin.
program_libraries=$(ldd "$program")
loader=""
while read -r first second _; do
  case "$first" in /*) [ "$second" = "=>" ] || loader=$first ;; esac
done <<<"$program_libraries"
libraries() {
  echo "$program_libraries"
  for plugin in "${plugins[@]}"; do
    echo "$plugin:"
    if [ -x "$loader" ] && "$loader" --list "$plugin" 2>/dev/null; then continue; fi
    ldd "$plugin" 2>/dev/null || true
  done
}
names=()
files=()
declare -A named first_with
add_library() {
  [ -z "${named[$1]:-}" ] || return 0
  named[$1]=1
  names+=("$1")
  files+=("$2")
}
while read -r first second third _; do
  case "$first" in "" | linux-vdso.so.* | linux-gate.so.* | statically) continue ;; esac
  if [ "$second" = "=>" ]; then
    add_library "$first" "$third"
  elif [ -z "$second" ] && [ "${first%:}" != "$first" ]; then
    plugin=${first%:}
    add_library "${plugin##*/}" "$plugin"
  else
    add_library "${first##*/}" "$first"
  fi
done < <(libraries)
[ ${#names[@]} -gt 0 ] || { echo "ldd lists no library of $program" >&2; exit 1; }

# Each file behind the links ldd reports, and the packages that own the
# files, asked for in one go: each file under both spellings of a merged /usr
# and behind its links. A file read here is read once, and the loop that
# writes the sections starts no process but for the copyright texts, so that
# the notices cost little at every link of the program.
declare -A real_of
mapfile -t reals < <(readlink -m -- "${files[@]}")
candidates=()
for i in "${!files[@]}"; do
  file=${files[$i]}
  real=${reals[$i]}
  real_of[$file]=$real
  [ -e "$file" ] || continue
  candidates+=("$file" "$real" "${file#/usr}" "/usr$file" "${real#/usr}" "/usr$real")
done
declare -A owner_of
while IFS= read -r line; do
  case "$line" in diversion* | *": /"*) ;; *) continue ;; esac
  case "$line" in diversion*) continue ;; esac
  owner_of["/${line#*: /}"]=${line%%: /*}
done < <(dpkg -S "${candidates[@]}" 2>/dev/null || true)
# The package of every file, "" where no package ships it.
declare -A package_of
for file in "${files[@]}"; do
  package_of[$file]=""
  [ -e "$file" ] || continue
  real=${real_of[$file]}
  for candidate in "$file" "$real" "${file#/usr}" "/usr$file" "${real#/usr}" "/usr$real"; do
    if [ -n "${owner_of[$candidate]:-}" ]; then
      package_of[$file]=${owner_of[$candidate]%%,*}
      break
    fi
  done
done
declare -A version_of source_of
packages=()
for file in "${files[@]}"; do [ -z "${package_of[$file]}" ] || packages+=("${package_of[$file]}"); done
if [ ${#packages[@]} -gt 0 ]; then
  mapfile -t packages < <(printf '%s\n' "${packages[@]}" | sort -u)
  while IFS=$'\t' read -r package version source_package source_version; do
    version_of[$package]=$version
    source_of[$package]="$source_package $source_version"
  done < <(dpkg-query -W -f='${binary:Package}\t${Version}\t${source:Package}\t${source:Version}\n' \
    "${packages[@]}" 2>/dev/null || true)
fi
# Of every package's copyright file: its checksum (to write each distinct
# text once), its distinct short licence names and its upstream source (the
# header's "Source:" field).
declare -A sum_of licences_of upstream_of
copyrights=()
for package in "${packages[@]}"; do
  copyright=/usr/share/doc/${package%%:*}/copyright
  [ ! -r "$copyright" ] || copyrights+=("$copyright")
done
if [ ${#copyrights[@]} -gt 0 ]; then
  while read -r sum _ copyright; do sum_of[$copyright]=$sum; done < <(cksum "${copyrights[@]}")
  while IFS=$'\t' read -r copyright licences upstream; do
    licences_of[$copyright]=$licences
    upstream_of[$copyright]=$upstream
  done < <(awk '
    function flush() { if (file != "") { gsub(/;/, "; ", names); print file "\t" names "\t" upstream } }
    FNR == 1 { flush(); file = FILENAME; names = ""; upstream = ""; header = 1; delete seen }
    header && /^$/ && FNR > 1 { header = 0 }
    header && upstream == "" && /^Source:/ { upstream = $0; sub(/^Source:[[:space:]]*/, "", upstream) }
    /^License:/ {
      name = $0; sub(/^License:[[:space:]]*/, "", name); sub(/[[:space:]]+$/, "", name)
      if (name != "" && !seen[name]++) names = names (names == "" ? "" : ";") name
    }
    END { flush() }' "${copyrights[@]}")
fi

for i in "${!names[@]}"; do
  name=${names[$i]}
  file=${files[$i]}
  {
    echo
    echo "================================================================================"
    echo "$name"
    echo "================================================================================"
    if [ "$file" = "not" ] || [ ! -e "$file" ]; then
      echo "File:    not found when this file was made"
      echo "Package: none known; its licence and source are not known to this build"
      continue
    fi
    echo "File:    $file"
    package=${package_of[$file]}
    if [ -z "$package" ]; then
      echo "Package: none (this library does not come from an installed Debian package);"
      echo "         its licence and source are not known to this build"
      continue
    fi
    echo "Package: $package ${version_of[$package]:-}"
    copyright=/usr/share/doc/${package%%:*}/copyright
    # The Qt modules' plugins are parts of Qt, used under the same terms.
    qt_part=""
    case "$name" in libQt6*) qt_part=1 ;; esac
    for root in "$qml_root" "$plugin_root"; do
      [ -z "$root" ] || [ "${file#"$root"/}" = "$file" ] || qt_part=1
    done
    if [ -n "$qt_part" ]; then
      echo "Licence: GNU Lesser General Public License version 3 (LGPL-3), under which this program uses it"
    else
      echo "Licence: ${licences_of[$copyright]:-as stated in the copyright and licence terms below}"
    fi
    source_line=${source_of[$package]:-}
    if [ -n "${source_line// /}" ]; then
      echo "Source:  Debian source package ${source_line% *}, version ${source_line##* }" \
        "(apt-get source ${source_line% *}=${source_line##* })"
    fi
    upstream=${upstream_of[$copyright]:-}
    [ -z "$upstream" ] || echo "         upstream: $upstream"
    sum=${sum_of[$copyright]:-}
    if [ -z "$sum" ]; then
      echo "Terms:   the package's copyright file ($copyright) is not installed on this system"
      continue
    fi
    if [ -n "${first_with[$sum]:-}" ]; then
      echo "Terms:   the same copyright and licence terms as ${first_with[$sum]} above"
      continue
    fi
    first_with[$sum]=$name
    echo "Terms:   $copyright, as follows"
    echo
    cat "$copyright"
  } >>"$tmp"
done

# The licence texts the copyright files refer to by their place on a Debian
# system, each once, so the notices hold them wherever they are read.
grep -o '/usr/share/common-licenses/[A-Za-z0-9.+_-]*[A-Za-z0-9+_-]' "$tmp" | sort -u | while read -r licence; do
  real=$(readlink -f "$licence" 2>/dev/null || true)
  [ -r "$real" ] && [ ! -e "$texts/licence-$(basename "$real")" ] || continue
  touch "$texts/licence-$(basename "$real")"
  {
    echo
    echo "================================================================================"
    echo "Licence text: $real"
    echo "================================================================================"
    echo
    cat "$real"
  } >>"$tmp"
done

chmod 0644 "$tmp"
mv "$tmp" "$output"
