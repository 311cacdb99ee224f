#!/usr/bin/env bash
# Writes the third-party notices of a linked program: one section for every
# shared library the program loads (as ldd lists them), for the Qt plugins it
# loads at run time (those of the QML modules its QML imports, the platform,
# input-context, TLS and image-format plugins), for the libraries those open
# by name at run time (the system's OpenGL driver among them) and for the
# libraries all of these load, with the library's name, the Debian package
# that ships it, the licences the package's copyright file gives, where its
# source is found, and the package's own copyright file (each distinct text
# once). A library that no installed package ships is named as such.
#
# It never fails the build: what it cannot find out (no dpkg, no ldd, no Qt
# paths) it says in the file's header and on its own error output, and it
# writes whatever it did find.
#
#   third-party-notices.sh PROGRAM OUTPUT [VERSION]
set -uo pipefail
program=$1
output=$2
version=${3:-}
# The program's QML, whose imports name the QML modules it loads.
qml_sources=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/Velmora
# The Controls style the program sets (main.cpp) is loaded as a module too.
controls_style=QtQuick.Controls.Basic
US=$'\037'

# What could not be found out, for the header and the build's output.
problems=()
have() { command -v "$1" >/dev/null 2>&1; }

mkdir -p "$(dirname "$output")" 2>/dev/null
tmp=$(mktemp "$output.XXXXXX" 2>/dev/null) || {
  echo "third-party notices: cannot write $output; no notices were written" >&2
  exit 0
}
body=$(mktemp "$output.XXXXXX")
texts=$(mktemp -d)
trap 'rm -rf "$tmp" "$body" "$texts"' EXIT

# The Qt plugins: each QML module's own, for the modules the program's QML
# imports and, in turn, those a module's qmldir imports or depends on (the
# optional ones left out) or its own QML files import; the platform plugins a
# desktop session picks from, their OpenGL integrations, shells and
# decorations; the input contexts and platform themes a session picks; the TLS
# back ends the update check loads; the image formats.
qml_root=""
plugin_root=""
if have qtpaths6; then
  qml_root=$(qtpaths6 --query QT_INSTALL_QML 2>/dev/null)
  plugin_root=$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null)
else
  problems+=("qtpaths6 is not installed, so the Qt plugins the program loads at run time are not listed.")
fi
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
    "$plugin_root"/wayland-*/*.so "$plugin_root"/platforminputcontexts/*.so "$plugin_root"/platformthemes/*.so \
    "$plugin_root"/tls/*.so "$plugin_root"/imageformats/*.so; do
    [ ! -e "$plugin" ] || plugins+=("$plugin")
  done
fi

# The libraries of the program (ldd), then each other file's heading
# ("/path:"), which adds the file, and its libraries, each line as "name =>
# /path (0x...)", "/path (0x...)" or "name => not found"; the kernel's virtual
# library has no file and is left out, and a library is named once, where it
# first appears. The other files' libraries are listed by the dynamic loader
# the program names, which is several times quicker than ldd on each file.
program_libraries=""
if have ldd; then
  program_libraries=$(ldd "$program" 2>/dev/null)
else
  # ldd only asks the dynamic loader, which can be asked directly.
  for candidate in /lib64/ld-linux*.so.* /lib/ld-linux*.so.* /lib/*/ld-linux*.so.*; do
    [ -x "$candidate" ] && program_libraries=$("$candidate" --list "$program" 2>/dev/null) && break
  done
  [ -n "$program_libraries" ] ||
    problems+=("ldd is not installed, so the libraries the program is linked against are not listed.")
fi
loader=""
while read -r first second _; do
  case "$first" in /*) [ "$second" = "=>" ] || loader=$first ;; esac
done <<<"$program_libraries"
list_libraries() {
  local file
  for file in "$@"; do
    echo "$file:"
    if [ -x "$loader" ] && "$loader" --list "$file" 2>/dev/null; then continue; fi
    ! have ldd || ldd "$file" 2>/dev/null
  done
}
names=()
files=()
declare -A named named_file use_of first_with
add_library() {
  [ -z "${named[$1]:-}" ] || return 0
  named[$1]=1
  named_file[$2]=1
  names+=("$1")
  files+=("$2")
}
add_listed() {
  local first second third
  while read -r first second third _; do
    case "$first" in "" | linux-vdso.so.* | linux-gate.so.* | statically) continue ;; esac
    if [ "$second" = "=>" ]; then
      add_library "$first" "$third"
    elif [ -z "$second" ] && [ "${first%:}" != "$first" ]; then
      first=${first%:}
      add_library "${first##*/}" "$first"
    else
      add_library "${first##*/}" "$first"
    fi
  done
}
add_listed < <(echo "$program_libraries"; [ ${#plugins[@]} -eq 0 ] || list_libraries "${plugins[@]}")

# Libraries opened by name at run time, which no list of linked libraries
# shows: the xcb platform's cursor library, the TLS back end's OpenSSL, and
# the system's OpenGL driver: libglvnd's GLX vendors (libGLX_*.so.0 beside
# libGLX.so.0), the EGL vendors its vendor files name, and the Mesa drivers
# those load from the "dri" folder. Each is looked for in the folders of the
# libraries found so far; a library that is not installed is not loaded.
declare -A folder_seen
folders=()
for file in "${files[@]}"; do
  folder=$(dirname "$file")
  [ -n "${folder_seen[$folder]:-}" ] || { folder_seen[$folder]=1; folders+=("$folder"); }
done
find_library() {
  local folder
  for folder in "${folders[@]}"; do
    [ ! -e "$folder/$1" ] || { echo "$folder/$1"; return 0; }
  done
  return 1
}
loaded_by() { [ -n "${named[$1]:-}" ]; }
opened=()
open_by_name() {
  local found
  found=$(find_library "$1") && opened+=("$found")
}
! loaded_by libqxcb.so || open_by_name libXcursor.so.1
! loaded_by libqopensslbackend.so || { open_by_name libssl.so.3; open_by_name libcrypto.so.3; }
driver=()
if loaded_by libGLX.so.0 || loaded_by libEGL.so.1; then
  for folder in "${folders[@]}"; do
    for vendor in "$folder"/libGLX_*.so.0; do [ ! -e "$vendor" ] || driver+=("$vendor"); done
  done
  for json in /usr/share/glvnd/egl_vendor.d/*.json /etc/glvnd/egl_vendor.d/*.json; do
    [ -r "$json" ] || continue
    vendor=$(sed -n 's/.*"library_path"[[:space:]]*:[[:space:]]*"\([^"]*\)".*/\1/p' "$json" | head -n 1)
    case "$vendor" in
      "") ;;
      /*) [ ! -e "$vendor" ] || driver+=("$vendor") ;;
      *) found=$(find_library "$vendor") && driver+=("$found") ;;
    esac
  done
  for folder in "${folders[@]}"; do
    for module in "$folder"/dri/*.so "$folder"/gbm/*.so; do [ ! -e "$module" ] || driver+=("$module"); done
  done
fi
for file in "${driver[@]}"; do use_of[$file]=driver; done
extra=()
for file in "${opened[@]}" "${driver[@]}"; do [ -n "${named_file[$file]:-}" ] || extra+=("$file"); done
[ ${#extra[@]} -eq 0 ] || add_listed < <(list_libraries "${extra[@]}")
[ ${#names[@]} -gt 0 ] || problems+=("No library of $(basename "$program") could be listed.")

# Each file behind the links ldd reports, and the packages that own the
# files, asked for in one go: each file under both spellings of a merged /usr
# and behind its links. A file read here is read once, and the loop that
# writes the sections starts no process but for the copyright texts, so that
# the notices cost little at every link of the program.
declare -A real_of owner_of package_of version_of source_of
if [ ${#files[@]} -gt 0 ]; then
  mapfile -t reals < <(readlink -m -- "${files[@]}")
else
  reals=()
fi
candidates=()
for i in "${!files[@]}"; do
  file=${files[$i]}
  real=${reals[$i]:-$file}
  real_of[$file]=$real
  [ -e "$file" ] || continue
  candidates+=("$file" "$real" "${file#/usr}" "/usr$file" "${real#/usr}" "/usr$real")
done
packages_known=1
if ! have dpkg-query; then
  packages_known=""
  problems+=("dpkg-query is not installed, so no library's package, licence or source is known here.")
elif [ ${#candidates[@]} -gt 0 ]; then
  while IFS= read -r line; do
    case "$line" in diversion* | *": /"*) ;; *) continue ;; esac
    case "$line" in diversion*) continue ;; esac
    owner_of["/${line#*: /}"]=${line%%: /*}
  done < <(dpkg-query -S "${candidates[@]}" 2>/dev/null)
fi
# The package of every file, "" where no package ships it.
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
packages=()
for file in "${files[@]}"; do [ -z "${package_of[$file]}" ] || packages+=("${package_of[$file]}"); done
if [ ${#packages[@]} -gt 0 ]; then
  mapfile -t packages < <(printf '%s\n' "${packages[@]}" | sort -u)
  while IFS=$US read -r package package_version source_package source_version; do
    version_of[$package]=$package_version
    source_of[$package]="$source_package $source_version"
  done < <(dpkg-query -W -f="\${binary:Package}$US\${Version}$US\${source:Package}$US\${source:Version}\n" \
    "${packages[@]}" 2>/dev/null)
fi

# Of every package's copyright file: its checksum (to write each distinct
# text once), whether it is machine-readable, its upstream source (the first
# paragraph's "Source:" field) and, when machine-readable, each distinct
# licence of its "Files:" paragraphs (and of the first paragraph, which
# covers the whole package) with the file patterns it covers. The fields are
# read with a separator that is no white space, so an empty one stays empty.
declare -A sum_of kind_of upstream_of licences_of star_of
copyrights=()
for package in "${packages[@]}"; do
  copyright=/usr/share/doc/${package%%:*}/copyright
  [ ! -r "$copyright" ] || copyrights+=("$copyright")
done
if [ ${#copyrights[@]} -gt 0 ]; then
  while read -r sum _ copyright; do sum_of[$copyright]=$sum; done < <(cksum "${copyrights[@]}")
  while IFS=$US read -r tag copyright first second third; do
    case "$tag" in
      C)
        kind_of[$copyright]=$first
        upstream_of[$copyright]=$second
        ;;
      L)
        [ -n "$first" ] || first="a licence the file does not name"
        case "$second" in
          "") covered="the whole package" ;;
          *) covered="files: $second${third:+ and $third more}" ;;
        esac
        licences_of[$copyright]+="$first ($covered)"$'\n'
        ;;
      S) star_of[$copyright]+="${star_of[$copyright]:+; }$first" ;;
    esac
  done < <(awk -v US="$US" '
    function trim(s) { sub(/^[[:space:]]+/, "", s); sub(/[[:space:]]+$/, "", s); return s }
    function record(name, patterns, whole,   n, i, list, k) {
      if (!(name in order_of)) {
        order_of[name] = ++count; names[count] = name; shown[count] = ""; nshown[count] = 0; more[count] = 0
      }
      k = order_of[name]
      if (whole) { wholly[k] = 1; return }
      n = split(patterns, list, /[[:space:]]+/)
      for (i = 1; i <= n; i++) {
        if (list[i] == "") continue
        if (list[i] == "*") star[k] = 1
        if (nshown[k] < 2) { shown[k] = shown[k] (nshown[k] == 0 ? "" : ", ") list[i]; nshown[k]++ }
        else more[k]++
      }
    }
    function end_paragraph() {
      if (in_files && has_licence) record(licence, files, 0)
      else if (paragraph == 1 && has_licence) record(licence, "", 1)
      in_files = 0; has_licence = 0; files = ""; licence = ""; field = ""
    }
    function end_file(   k) {
      if (file == "") return
      end_paragraph()
      print "C" US file US (machine ? "machine" : "plain") US upstream
      if (machine) {
        for (k = 1; k <= count; k++) {
          print "L" US file US names[k] US (wholly[k] ? "" : shown[k]) US (more[k] > 0 ? more[k] : "")
          if (star[k] || wholly[k]) print "S" US file US names[k]
        }
      }
      count = 0; delete order_of; delete names; delete shown; delete nshown; delete more; delete star; delete wholly
    }
    FNR == 1 {
      end_file(); file = FILENAME; paragraph = 1; upstream = ""; in_paragraph = 0
      machine = ($0 ~ /^Format(-Specification)?:/)
    }
    /^[[:space:]]*$/ { if (in_paragraph) { end_paragraph(); paragraph++; in_paragraph = 0 } next }
    { in_paragraph = 1 }
    /^[[:space:]]/ { if (field == "files") files = files " " trim($0); next }
    {
      colon = index($0, ":")
      if (colon == 0) { field = ""; next }
      field = tolower(substr($0, 1, colon - 1))
      value = trim(substr($0, colon + 1))
      if (field == "files") { in_files = 1; files = value }
      else if (field == "license") { has_licence = 1; licence = value }
      else if (field == "source" && paragraph == 1 && upstream == "") upstream = value
    }
    END { end_file() }' "${copyrights[@]}")
fi

# The Qt libraries and plugins, whose licences the header sums up.
is_qt_part() {
  local root
  case "$1" in libQt6*) return 0 ;; esac
  for root in "$qml_root" "$plugin_root"; do
    [ -z "$root" ] || [ "${2#"$root"/}" = "$2" ] || return 0
  done
  return 1
}
declare -A qt_licence_seen
qt_licences=()
qt_without_lgpl=()
driver_packages=()
declare -A driver_package_seen

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
    [ "${use_of[$file]:-}" != driver ] || echo "Loaded:  at run time, as part of the system's graphics driver"
    package=${package_of[$file]}
    if [ -z "$packages_known" ]; then
      echo "Package: not known (dpkg-query is not installed); its licence and source are not known to this build"
      continue
    fi
    if [ -z "$package" ]; then
      echo "Package: none (this library does not come from an installed Debian package);"
      echo "         its licence and source are not known to this build"
      continue
    fi
    echo "Package: $package ${version_of[$package]:-}"
    if [ "${use_of[$file]:-}" = driver ] && [ -z "${driver_package_seen[$package]:-}" ]; then
      driver_package_seen[$package]=1
      driver_packages+=("${package%%:*}")
    fi
    copyright=/usr/share/doc/${package%%:*}/copyright
    if [ -z "${sum_of[$copyright]:-}" ]; then
      echo "Licence: not known (the package's copyright file is not installed on this system)"
    elif [ "${kind_of[$copyright]:-}" = machine ] && [ -n "${licences_of[$copyright]:-}" ]; then
      prefix="Licence: "
      while IFS= read -r licence; do
        [ -n "$licence" ] || continue
        echo "$prefix$licence"
        prefix="         "
      done <<<"${licences_of[$copyright]}"
    else
      echo "Licence: not named in a machine-readable form; the package's copyright file below gives its terms"
    fi
    if is_qt_part "$name" "$file"; then
      main=${star_of[$copyright]:-}
      if [ -n "$main" ] && [ -z "${qt_licence_seen[$main]:-}" ]; then
        qt_licence_seen[$main]=1
        qt_licences+=("$main")
      fi
      case "$main" in *LGPL*) ;; *) qt_without_lgpl+=("$name (${main:-licence not known})") ;; esac
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
  } >>"$body"
done

# The licence texts the copyright files refer to by their place on a Debian
# system, each once, so the notices hold them wherever they are read.
{ grep -o '/usr/share/common-licenses/[A-Za-z0-9.+_-]*[A-Za-z0-9+_-]' "$body" 2>/dev/null || true; } | sort -u |
  while read -r licence; do
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
    } >>"$body"
  done

{
  echo "Third-party notices${version:+ for Caldirune $version}"
  echo
  echo "$(basename "$program") is linked dynamically against the shared libraries below and"
  echo "loads the Qt plugins below at run time; none of them is changed, and each can"
  echo "be replaced by another build of it."
  echo "Each section names a library, the Debian package it comes from, the licences"
  echo "that package's copyright file gives (with the files of its source each one"
  echo "covers), where its source is found and the package's copyright and licence terms."
  if [ ${#qt_licences[@]} -gt 0 ]; then
    joined=$(printf '%s; ' "${qt_licences[@]}")
    echo "The Qt libraries and plugins below are offered by their packages under"
    echo "${joined%; } (some of their files under other licences, as each"
    echo "section says)."
    if [ ${#qt_without_lgpl[@]} -eq 0 ]; then
      echo "This program uses them under the GNU Lesser General Public License version 3."
    else
      echo "This program uses them under the GNU Lesser General Public License version 3,"
      echo "except these, which their packages offer without it:"
      printf '  %s\n' "${qt_without_lgpl[@]}"
    fi
  fi
  if [ ${#driver[@]} -gt 0 ]; then
    echo
    echo "To draw its window the program loads the system's OpenGL driver at run time."
    echo "The sections whose \"Loaded:\" line names the graphics driver are the drivers"
    if [ ${#driver_packages[@]} -gt 0 ]; then
      printf -v joined '%s, ' "${driver_packages[@]}"
      echo "installed on the machine this file was made on, from the packages"
      echo "  ${joined%, }."
    else
      echo "installed on the machine this file was made on."
    fi
    echo "The libraries they load in turn have sections below as well. A machine with"
    echo "another driver, such as a graphics card maker's own, loads that one instead,"
    echo "under its own terms, which this file does not give."
  fi
  if [ ${#problems[@]} -gt 0 ]; then
    echo
    echo "What this build could not find out:"
    printf '  %s\n' "${problems[@]}"
  fi
  cat "$body"
} >"$tmp"

for problem in "${problems[@]}"; do echo "third-party notices: $problem" >&2; done
chmod 0644 "$tmp"
if ! mv "$tmp" "$output"; then
  echo "third-party notices: cannot write $output; no notices were written" >&2
fi
exit 0
