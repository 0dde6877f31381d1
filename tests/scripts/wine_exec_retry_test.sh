#!/bin/bash
# scripts/wine-exec starts a program once more only when Wine's loader
# failed before the program ran; a program's own failure is never repeated.
set -u
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
fake=$(mktemp -d)
trap 'rm -rf "$fake"' EXIT
fail() { echo "FAILED: $*"; exit 1; }
# A stand-in loader: each start is counted; the first of them prints what
# its first argument says and ends with status 1, later ones succeed.
cat >"$fake/wine" <<'SH'
#!/bin/bash
n=$(($(cat "$COUNT" 2>/dev/null || echo 0) + 1)); echo $n >"$COUNT"
if [ $n = 1 ]; then echo "$1"; exit 1; fi
echo ran
SH
chmod +x "$fake/wine"
export PATH="$fake:$ROOT/scripts/wine-bin:$PATH"

export COUNT="$fake/loader"
out=$("$ROOT/scripts/wine-exec" "err:virtual:virtual_alloc_first_teb wine: failed to map the shared user data: c0000018" 2>&1)
[ $? = 0 ] && [ "$(cat "$COUNT")" = 2 ] && [[ "$out" == *ran* && "$out" == *"once more"* ]] ||
  fail "a loader failure was not started again: $out"

export COUNT="$fake/program"
out=$("$ROOT/scripts/wine-exec" "0024:err:seh:the program failed" 2>&1)
[ $? = 1 ] && [ "$(cat "$COUNT")" = 1 ] || fail "a program's own failure was repeated: $out"
echo "wine-exec retry: passed"
