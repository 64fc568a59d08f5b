#!/bin/bash
# Reads every ELF file of the package in the folder $1 and checks that it is built the way
# Debian hardens its packages:
#   PIE        executables are position-independent (type DYN, flag PIE)
#   RELRO      relocations are read-only after start (GNU_RELRO segment)
#   BIND_NOW   all symbols are bound at start, so that whole table is read-only too
#   stack      functions are stack-protected (__stack_chk_fail is called)
#   fortify    libc calls that have a checked variant use it (__*_chk). The printf family is
#              always replaced by its checked variant; copies (memcpy …) only where the
#              compiler knows the size, so a file whose copies all go to buffers of unknown
#              size rightly keeps them plain. At least one file must show checked calls.
set -euo pipefail
deb=$(ls "$1"/acctprep_*.deb)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"

# The libc functions that have a checked variant, by the names of those variants.
libc=$(gcc -print-file-name=libc.so.6)
fortifiable=$(readelf --dyn-syms -W "$libc" | awk '{print $8}' | sed -n 's/^__\(.*\)_chk@.*/\1/p' | sort -u)
always_checked=$(printf '%s\n' printf fprintf vprintf vfprintf dprintf vdprintf sprintf vsprintf snprintf vsnprintf \
                   asprintf vasprintf syslog vsyslog | sort)

failures=0
files=0
fortified=0
printf '%-54s %-5s %-5s %-8s %-5s %s\n' FILE PIE RELRO BIND_NOW STACK FORTIFY
while IFS= read -r -d '' file; do
  [ "$(head -c 4 "$file" | od -An -c | tr -d ' ')" = '177ELF' ] || continue
  files=$((files + 1))
  name=${file#"$root"/}
  header=$(readelf -h -W "$file")
  dynamic=$(readelf -d -W "$file")
  segments=$(readelf -l -W "$file")
  imports=$(readelf --dyn-syms -W "$file" | awk '$7 == "UND" {print $8}' | sed 's/@.*//' | sort -u)
  bad=()

  if grep -q 'Type:[[:space:]]*DYN' <<<"$header"; then
    if grep -q 'INTERP' <<<"$segments" && ! grep -q 'FLAGS_1.*PIE' <<<"$dynamic"; then pie=no; else pie=yes; fi
  else
    pie=no
  fi
  [ $pie = yes ] || bad+=(PIE)
  if grep -q 'GNU_RELRO' <<<"$segments"; then relro=yes; else relro=no; bad+=(RELRO); fi
  if grep -Eq '\(FLAGS\).*BIND_NOW|\(FLAGS_1\).*NOW' <<<"$dynamic"; then now=yes; else now=no; bad+=(BIND_NOW); fi
  if grep -qx '__stack_chk_fail' <<<"$imports"; then stack=yes; else stack=no; bad+=(stack); fi
  checked=$(grep -c '^__.*_chk$' <<<"$imports" || true)
  unchecked=$(comm -12 <(echo "$fortifiable") <(echo "$imports") | tr '\n' ' ')
  never_plain=$(comm -12 <(echo "$always_checked") <(echo "$imports") | tr '\n' ' ')
  if [ -n "$never_plain" ]; then
    fortify="no (plain: $never_plain)"
    bad+=(fortify)
  elif [ "$checked" -gt 0 ]; then
    fortify="yes ($checked checked; plain, size unknown: ${unchecked:-none})"
    fortified=$((fortified + 1))
  elif [ -n "$unchecked" ]; then
    fortify="nothing to check (plain, size unknown: $unchecked)"
  else
    fortify="none used"
  fi
  printf '%-54s %-5s %-5s %-8s %-5s %s\n' "$name" $pie $relro $now $stack "$fortify"
  if [ ${#bad[@]} -gt 0 ]; then
    echo "  not hardened: ${bad[*]}"
    failures=$((failures + 1))
  fi
done < <(find "$root" -type f -print0 | sort -z)

if [ $files -eq 0 ]; then
  echo "no ELF files in $deb"
  exit 1
fi
echo "$files ELF files, $failures not hardened, $fortified with checked libc calls"
[ $failures -eq 0 ] && [ $fortified -gt 0 ]
