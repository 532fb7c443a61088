#!/usr/bin/env bash
# The manual pages render without a single warning of man and groff, and
# rondaxa-cli(1) gives every command that `rondaxa-cli --help` lists an entry
# of its own (a paragraph that begins with the command's name).
# Usage: check_man_pages.sh MAN_DIR RONDAXA_CLI
set -uo pipefail
man_dir=$1
cli=$2
failed=0

render() {
  MANWIDTH=80 LC_ALL=C.UTF-8 man --warnings=all -E UTF-8 -l "$1"
}

for page in "$man_dir"/*.1; do
  warnings=$(render "$page" 2>&1 >/dev/null)
  if [ -n "$warnings" ]; then
    echo "FAIL: $(basename "$page") renders with warnings:"
    echo "$warnings"
    failed=1
  fi
done

# An entry's tag stands alone at the first indentation; its text follows on
# the next lines, further in.
page=$(render "$man_dir/rondaxa-cli.1" 2>/dev/null | sed 's/.\x08//g')
commands=$("$cli" --help | sed -n 's/^  rondaxa-cli \([a-z][a-z-]*\).*/\1/p')
if [ -z "$commands" ]; then
  echo "FAIL: rondaxa-cli --help lists no commands"
  failed=1
fi
for command in $commands; do
  if ! grep -Eq "^ {7}$command( |\$)" <<<"$page"; then
    echo "FAIL: rondaxa-cli(1) has no entry of its own for '$command'"
    failed=1
  fi
done

[ "$failed" -eq 0 ] && echo "manual pages: all checks passed"
exit "$failed"
