#!/usr/bin/env bash
# Builds examples/History.tml from examples/history-events.tsv through vezizivu-cli.
# Usage: examples/make-example.sh [path/to/vezizivu-cli]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cli=${1:-$here/../build/release/src/cli/vezizivu-cli}
out=$here/History.tml
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$cli" new "$work/History.tml" --units 7
count=0
while IFS= read -r line; do
    [[ -z "$line" || "$line" == \#* ]] && continue
    # Split on single tabs so an empty end column stays empty.
    IFS=$'\x1f' read -r name start end description <<< "${line//$'\t'/$'\x1f'}"
    args=(add "$work/History.tml" --name "$name" --start "$start" --description "$description")
    [[ -n "$end" ]] && args+=(--end "$end")
    "$cli" "${args[@]}" >/dev/null
    count=$((count + 1))
done < "$here/history-events.tsv"
mv "$work/History.tml" "$out"
echo "Wrote $out with $count events."
