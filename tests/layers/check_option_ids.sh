#!/usr/bin/env bash
# Checks that code names options by their Option enumerator: a legacy identifier ("txtbgc") may
# stand as a string literal only in
#   core/options/catalogue.cpp, where the identifiers are defined;
#   tests/options/test_public_api.cpp, the tests of the documented string API;
#   tests/consumer/project/, an outside program built against that API;
#   byte fixtures (settings files, sheets and other data files), which are not scanned.
# The identifiers are read from the catalogue itself. Comments may name them.
# Prints each file and line that breaks the rule.
# usage: check_option_ids.sh <source root>
set -euo pipefail

cd "$1"
catalogue=core/options/catalogue.cpp
allowed=("$catalogue" tests/options/test_public_api.cpp tests/consumer/project/)

# One quoted identifier a line, e.g. "txtbgc", from the catalogue's rows: kind(Enumerator, u"id", ...
patterns="$(mktemp)"
trap 'rm -f "$patterns"' EXIT
grep -oE '\b(number|colour|picture|check|choice)\([A-Za-z]+, u"[^"]+"' "$catalogue" |
  sed -E 's/.*u("[^"]+")$/\1/' | sort -u >"$patterns"
count=$(wc -l <"$patterns")
if [ "$count" -lt 100 ]; then # the catalogue's rows changed shape: the list would be incomplete
  echo "only $count option identifiers found in $catalogue; update this check" >&2
  exit 2
fi

isAllowed() {
  local file="$1" entry
  for entry in "${allowed[@]}"; do
    [[ "$file" == "$entry" || ("$entry" == */ && "$file" == "$entry"*) ]] && return 0
  done
  return 1
}

files=()
while IFS= read -r -d '' file; do
  isAllowed "$file" || files+=("$file")
done < <(find core gui apps tests bench scripts fuzz -type f \
  \( -name '*.cpp' -o -name '*.h' -o -name '*.sh' -o -name '*.py' -o -name '*.cmake' -o -name CMakeLists.txt \) \
  -print0 | sort -z)

failures=0
while IFS= read -r hit; do
  file="${hit%%:*}"
  rest="${hit#*:}"
  line="${rest%%:*}"
  text="${rest#*:}"
  # Drop a trailing comment: "//" (or "#" in scripts) at the start or after a blank, not the
  # "//" of an address.
  case "$file" in
  *.sh | *.py | *.cmake | */CMakeLists.txt) code="$(sed -E 's/(^|[[:space:]])#.*$//' <<<"$text")" ;;
  *) code="$(sed -E 's#(^|[[:space:]])//.*$##' <<<"$text")" ;;
  esac
  if grep -qF -f "$patterns" <<<"$code"; then
    echo "$file:$line: a legacy option identifier as a string; name the option by its Option enumerator" >&2
    echo "    ${text#"${text%%[![:space:]]*}"}" >&2
    failures=$((failures + 1))
  fi
done < <(grep -nHF -f "$patterns" "${files[@]}" || true)

if [ "$failures" -gt 0 ]; then
  echo "$failures lines name options by legacy identifier" >&2
  exit 1
fi
echo "option identifiers: $count read from the catalogue, ${#files[@]} files checked, none outside the catalogue and the public API"
