#!/usr/bin/env bash
# Times the phases of one `make` run (set-up, configure, build, tests) in a log file:
#   phase-times.sh <log> reset          starts a new run
#   phase-times.sh <log> begin <phase>  notes when a phase begins
#   phase-times.sh <log> end <phase>    notes when it ends
#   phase-times.sh <log> report         prints each phase's time and the total
set -euo pipefail
log=$1
case $2 in
  reset)
    mkdir -p "$(dirname "$log")"
    : >"$log" ;;
  begin | end)
    echo "$2 $3 $(date +%s.%N)" >>"$log" ;;
  report)
    awk '
      $1 == "begin" { began[$2] = $3; order[++count] = $2 }
      $1 == "end" { took[$2] = $3 - began[$2] }
      END {
        print "Phases of this run:"
        for (i = 1; i <= count; i++) {
          name = order[i]
          if (name in took) { printf "  %-10s %7.1f s\n", name, took[name]; total += took[name] }
          else printf "  %-10s %9s\n", name, "unfinished"
        }
        printf "  %-10s %7.1f s\n", "total", total
      }' "$log" ;;
  *)
    echo "phase-times.sh: unknown command $2" >&2
    exit 2 ;;
esac
