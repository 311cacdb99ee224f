#!/usr/bin/env bash
# Writes the third-party notices of a linked program: one section for every
# shared library the program loads (as ldd lists them), with the library's
# name, the Debian package that ships it, its licence, where its source is
# found, and the package's own copyright file (each distinct text once).
# A library that no installed package ships is named as such.
#
#   third-party-notices.sh PROGRAM OUTPUT [VERSION]
set -euo pipefail
program=$1
output=$2
version=${3:-}

mkdir -p "$(dirname "$output")"
tmp=$(mktemp "$output.XXXXXX")
texts=$(mktemp -d)
trap 'rm -rf "$tmp" "$texts"' EXIT

# The distinct short licence names of a machine-readable copyright file.
licence_names() {
  sed -n 's/^License:[[:space:]]*\(.*[^[:space:]]\)[[:space:]]*$/\1/p' "$1" | awk '!seen[$0]++' | paste -sd ';' - |
    sed 's/;/; /g'
}

{
  echo "Third-party notices${version:+ for Caldirune $version}"
  echo
  echo "$(basename "$program") is linked dynamically against the shared libraries below;"
  echo "none of them is changed, and each can be replaced by another build of it."
  echo "Each section names a library, the Debian package it comes from, its licence,"
  echo "where its source is found and the package's copyright and licence terms."
  echo "The Qt modules are used under the GNU Lesser General Public License version 3."
} >"$tmp"

# "name => /path (0x...)", "/path (0x...)" or "name => not found"; the
# kernel's virtual library has no file and is left out.
names=()
files=()
while read -r first second third _; do
  case "$first" in "" | linux-vdso.so.* | linux-gate.so.*) continue ;; esac
  if [ "$second" = "=>" ]; then
    names+=("$first")
    files+=("$third")
  else
    names+=("$(basename "$first")")
    files+=("$first")
  fi
done < <(ldd "$program")
[ ${#names[@]} -gt 0 ] || { echo "ldd lists no library of $program" >&2; exit 1; }

# The packages that own the files, asked for in one go: each file under both
# spellings of a merged /usr and behind the links ldd reports.
candidates=()
for file in "${files[@]}"; do
  [ -e "$file" ] || continue
  real=$(readlink -f "$file")
  candidates+=("$file" "$real" "${file#/usr}" "/usr$file" "${real#/usr}" "/usr$real")
done
declare -A owner_of
while IFS= read -r line; do
  case "$line" in diversion* | *": /"*) ;; *) continue ;; esac
  case "$line" in diversion*) continue ;; esac
  owner_of["/${line#*: /}"]=${line%%: /*}
done < <(dpkg -S "${candidates[@]}" 2>/dev/null || true)
owner() {
  local file=$1 real candidate
  real=$(readlink -f "$file")
  for candidate in "$file" "$real" "${file#/usr}" "/usr$file" "${real#/usr}" "/usr$real"; do
    if [ -n "${owner_of[$candidate]:-}" ]; then
      echo "${owner_of[$candidate]%%,*}"
      return
    fi
  done
}
declare -A version_of source_of
packages=()
for file in "${files[@]}"; do
  [ -e "$file" ] || continue
  package=$(owner "$file")
  [ -z "$package" ] || packages+=("$package")
done
if [ ${#packages[@]} -gt 0 ]; then
  while IFS=$'\t' read -r package version source_package source_version; do
    version_of[$package]=$version
    source_of[$package]="$source_package $source_version"
  done < <(dpkg-query -W -f='${binary:Package}\t${Version}\t${source:Package}\t${source:Version}\n' \
    $(printf '%s\n' "${packages[@]}" | sort -u) 2>/dev/null || true)
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
    package=$(owner "$file")
    if [ -z "$package" ]; then
      echo "Package: none (this library does not come from an installed Debian package);"
      echo "         its licence and source are not known to this build"
      continue
    fi
    echo "Package: $package ${version_of[$package]:-}"
    copyright=/usr/share/doc/${package%%:*}/copyright
    case "$name" in
      libQt6*) echo "Licence: GNU Lesser General Public License version 3 (LGPL-3), under which this program uses it" ;;
      *)
        licences=""
        [ -r "$copyright" ] && licences=$(licence_names "$copyright")
        echo "Licence: ${licences:-as stated in the copyright and licence terms below}"
        ;;
    esac
    source_line=${source_of[$package]:-}
    if [ -n "${source_line// /}" ]; then
      echo "Source:  Debian source package ${source_line% *}, version ${source_line##* }" \
        "(apt-get source ${source_line% *}=${source_line##* })"
    fi
    upstream=""
    [ -r "$copyright" ] && upstream=$(sed -n '1,/^$/s/^Source:[[:space:]]*//p' "$copyright" | head -n1)
    [ -z "$upstream" ] || echo "         upstream: $upstream"
    if [ ! -r "$copyright" ]; then
      echo "Terms:   the package's copyright file ($copyright) is not installed on this system"
      continue
    fi
    sum=$(cksum <"$copyright" | cut -d' ' -f1)
    if [ -e "$texts/$sum" ]; then
      echo "Terms:   the same copyright and licence terms as $(cat "$texts/$sum") above"
      continue
    fi
    echo "$name" >"$texts/$sum"
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

mv "$tmp" "$output"
