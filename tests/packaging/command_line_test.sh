#!/usr/bin/env bash
# A program's command line as its manual page and the shell see it:
# command_line_test.sh PROGRAM VERSION PAGE [COMPLETION]
# --version says "NAME VERSION"; a bad option is refused on standard error with status 2;
# every option and command the usage names is in the manual page (and in the completion).
set -euo pipefail
program=$1 version=$2 page=$3 completion=${4:-}
name=$(basename "$program")
failed=0
fail() { echo "$name: $*"; failed=1; }

[ "$("$program" --version)" = "$name $version" ] || fail "--version says $("$program" --version)"
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT
status=0
out=$("$program" --no-such-option 2>"$errors") || status=$?
[ "$status" = 2 ] && [ -z "$out" ] && [ -s "$errors" ] || fail "a bad option gives status $status, output '$out'"

usage=$("$program" --help)
# Options, and for vtg7300ctl the command words at the start of its "Commands:" lines.
names=$(grep -oE -- '(^|[ ,|[])--?[a-zA-Z][a-zA-Z-]*' <<<"$usage" | grep -oE -- '--?[a-zA-Z-]+' | sort -u)
names+=$'\n'$(sed -n '/^Commands:/,/^$/p' <<<"$usage" | grep -oE '^  [a-z][a-z-]+' || true)
[ -n "$names" ] || fail "the usage names no option"
manual=$(sed -e 's/\\-/-/g' -e 's/\\f[BIRP]//g' "$page")
for word in $names; do
  pattern="(^|[^a-zA-Z-])${word}([^a-zA-Z-]|\$)"
  grep -qE -- "$pattern" <<<"$manual" || fail "$page has no $word"
  [ -z "$completion" ] || grep -qE -- "$pattern" "$completion" || fail "$completion has no $word"
done
exit $failed
