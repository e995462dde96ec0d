#!/usr/bin/env bash
# Checks every quoted and Qt include of core/, gui/ and apps/ against the layers:
#   core/ never includes gui/ or apps/;
#   core/ uses the headers of QtCore only;
#   the folders (base, options, ..., editor, apps/stylewright) never include each other in a loop.
# Prints each file and line that breaks a rule.
# usage: check_layers.sh <source root> <Qt6::Core include folders, separated by ':' or ';'>
set -euo pipefail

root="$1"
qtcore=""
IFS=':;' read -r -a qt_dirs <<<"$2"
for dir in "${qt_dirs[@]}"; do
  [ -f "$dir/QObject" ] && qtcore="$dir" && break # the QtCore folder itself, not the Qt root
done
if [ -z "$qtcore" ]; then
  echo "no QtCore header folder among: $2" >&2
  exit 2
fi
cd "$root"

failures=0
edges=""   # "from to" pairs between folders
sources="" # "from to file:line" for each pair, to name the files of a loop

fail() {
  echo "$1" >&2
  failures=$((failures + 1))
}

# The folder a path of the tree belongs to: "options", "editor", "apps/stylewright".
folderOf() {
  local layer="${1%%/*}" rest="${1#*/}"
  case "$layer" in
  apps) echo "apps/${rest%%/*}" ;;
  *) echo "${rest%%/*}" ;;
  esac
}

# The path in the tree a quoted include names, or nothing (generated files such as .moc).
resolve() {
  local from_dir="$1" name="$2" layer
  [ -f "$from_dir/$name" ] && echo "$from_dir/$name" && return
  for layer in core gui apps; do
    [ -f "$layer/$name" ] && echo "$layer/$name" && return
  done
  # A header that does not exist still tells its layer by its folder ("editor/gone.h").
  for layer in core gui apps; do
    [ -d "$layer/${name%%/*}" ] && [[ "$name" == */* ]] && echo "$layer/$name" && return
  done
  return 0
}

checkQtHeader() {
  local where="$1" header="$2"
  case "$header" in
  Qt*/*) [[ "$header" == QtCore/* ]] || fail "$where: <$header> is not a QtCore header; core/ links QtCore only" ;;
  Q* | q*.h) [ -f "$qtcore/$header" ] || fail "$where: <$header> is not a QtCore header; core/ links QtCore only" ;;
  esac
}

checked=0
while IFS= read -r file; do
  layer="${file%%/*}"
  from="$(folderOf "$file")"
  while IFS= read -r hit; do
    line="${hit%%:*}"
    text="${hit#*:}"
    where="$file:$line"
    checked=$((checked + 1))
    if [[ "$text" =~ \<([^\>]+)\> ]]; then
      [ "$layer" = core ] && checkQtHeader "$where" "${BASH_REMATCH[1]}"
      continue
    fi
    [[ "$text" =~ \"([^\"]+)\" ]] || continue
    name="${BASH_REMATCH[1]}"
    target="$(resolve "$(dirname "$file")" "$name")"
    [ -n "$target" ] || continue
    if [ "$layer" = core ] && [[ "$target" != core/* ]]; then
      fail "$where: includes \"$name\" from ${target%%/*}/; core/ never includes gui/ or apps/"
    fi
    to="$(folderOf "$target")"
    if [ "$to" != "$from" ]; then
      edges+="$from $to"$'\n'
      sources+="$from $to $where"$'\n'
    fi
  done < <(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]' "$file" || true)
  edges+="$from $from"$'\n' # every folder is a node, even one with no includes
done < <(find core gui apps -type f \( -name '*.cpp' -o -name '*.h' \) | sort)

# One include that makes the step from one folder of a loop to the next.
stepOf() {
  local from to where
  while read -r from to where; do
    [ "$from" = "$1" ] && [ "$to" = "$2" ] && echo "  $where: $from includes $to" && return
  done <<<"$sources"
  return 0
}

reported=""
reportLoop() {
  local -a folders=("$@")
  local i count=${#folders[@]} step
  [[ "$reported" == *"|${folders[*]}|"* ]] && return # tsort meets a loop once per edge it breaks
  reported+="|${folders[*]}|"
  fail "the folders include each other in a loop: ${folders[*]}"
  for ((i = 0; i < count; i++)); do
    local a="${folders[i]}" b="${folders[(i + 1) % count]}"
    step="$(stepOf "$a" "$b")"
    [ -n "$step" ] || step="$(stepOf "$b" "$a")" # tsort may list a loop either way round
    echo "$step" >&2
  done
}

if ! report="$(printf '%s' "$edges" | sort -u | tsort 2>&1 >/dev/null)"; then
  loop=()
  while IFS= read -r line; do
    if [[ "$line" == *"input contains a loop:" ]]; then
      [ ${#loop[@]} -gt 0 ] && reportLoop "${loop[@]}"
      loop=()
    elif [[ "$line" =~ ^tsort:\ ([^:]+)$ ]]; then
      loop+=("${BASH_REMATCH[1]}")
    fi
  done <<<"$report"
  [ ${#loop[@]} -gt 0 ] && reportLoop "${loop[@]}"
fi

if [ "$failures" -gt 0 ]; then
  echo "$failures layer rules broken" >&2
  exit 1
fi
echo "layers: $checked includes checked, every rule holds"
