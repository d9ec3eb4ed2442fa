#!/bin/sh
# Usage: CheckProverbsHidden.sh BINARY PROVERBS_TXT
# Fails when a proverb of the list stands in BINARY as plain text, in code page 1251 or in UTF-8:
# the program must carry its proverbs scrambled only.
set -eu
binary=$1
text=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The lines as the build takes them: CR and surrounding blanks are no part of a proverb.
sed 's/\r$//; s/^[[:blank:]]*//; s/[[:blank:]]*$//; /^$/d' "$text" > "$work/utf8"
iconv -f UTF-8 -t CP1251 "$work/utf8" > "$work/cp1251"
export LC_ALL=C  # byte-wise matching; the needles are not all valid in any one locale

count=$(wc -l < "$work/utf8")
# The needles must find themselves, or a silent conversion fault would pass every binary.
if [ "$count" -lt 1 ] || [ "$(grep -c -F -x -f "$work/cp1251" "$work/cp1251")" -ne "$count" ]; then
  echo "CheckProverbsHidden: could not read the proverbs of $text" >&2
  exit 2
fi

# grep: 0 found, 1 not found, anything else an error that must not pass for "not found".
search() {
  rc=0
  grep -a -o -F -f "$1" "$binary" > "$2" || rc=$?
  if [ "$rc" -gt 1 ]; then
    echo "CheckProverbsHidden: cannot search $binary" >&2
    exit 2
  fi
  return "$rc"
}
found=0
if search "$work/cp1251" "$work/hits-cp1251"; then found=1; fi
if search "$work/utf8" "$work/hits-utf8"; then found=1; fi
if [ "$found" -ne 0 ]; then
  echo "CheckProverbsHidden: $binary holds proverbs as plain text, for instance:" >&2
  { iconv -f CP1251 -t UTF-8 "$work/hits-cp1251"; cat "$work/hits-utf8"; } | sort -u | head -5 >&2
  exit 1
fi
echo "CheckProverbsHidden: none of $count proverbs stands plain in $(basename "$binary")"
