#!/usr/bin/env bash
# Side-by-side timing of Almanix against peer libraries on the same inputs.
# Usage: bench/peers.sh BUILD_DIR
# Installs the npm packages into a scratch folder (.peers/ in the work tree, git-ignored; the
# project's own files are never touched), runs our benchmark binary with JSON output, runs
# the peers' scripts in bench/peers/, and prints each ratio ours / theirs (below 1: we are
# faster).
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${1:?usage: bench/peers.sh BUILD_DIR}
SCRATCH=${ALMANIX_PEERS_DIR:-$ROOT/.peers}
PACKAGES=(astronomy-engine date-chinese)

command -v node >/dev/null && command -v npm >/dev/null || {
  echo "peers: node and npm are needed (apt-get install nodejs npm)" >&2
  exit 1
}
mkdir -p "$SCRATCH"
for p in "${PACKAGES[@]}"; do
  if [ ! -d "$SCRATCH/node_modules/$p" ]; then
    echo "peers: installing $p into $SCRATCH" >&2
    npm install --prefix "$SCRATCH" --no-save --no-audit --no-fund --silent "$p" >/dev/null
  fi
done
export NODE_PATH=$SCRATCH/node_modules

BENCH=$BUILD/almanix_bench
[ -x "$BENCH" ] || BENCH=$BUILD/bench/almanix_bench
[ -x "$BENCH" ] || { echo "peers: no almanix_bench in $BUILD (build it first)" >&2; exit 1; }

# Our timings as JSON (medians of five repetitions) for the benchmarks the filter names.
ours_json() {
  "$BENCH" --benchmark_filter="$1" --benchmark_format=json \
    --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
}

# compare OUR_FILTER PEER_SCRIPT PEER_NAME: ratios for every key the peer script prints,
# matched to our benchmark BM_<key>.
compare() {
  local ours theirs
  ours=$(ours_json "$1")
  theirs=$(node "$ROOT/bench/peers/$2")
  OURS="$ours" THEIRS="$theirs" PEER="$3" node -e '
    const ours = JSON.parse(process.env.OURS).benchmarks
      .filter((b) => b.aggregate_name === "median");
    const theirs = JSON.parse(process.env.THEIRS);
    const toNs = { ns: 1, us: 1e3, ms: 1e6, s: 1e9 };
    for (const [key, theirNs] of Object.entries(theirs)) {
      const b = ours.find((x) => x.run_name === "BM_" + key);
      if (!b) { console.log(`${key}: no benchmark BM_${key} of ours`); continue; }
      const ourNs = b.real_time * toNs[b.time_unit];
      const line = `${key.padEnd(28)} ours ${(ourNs / 1e3).toFixed(2).padStart(9)} us   ` +
        `${process.env.PEER} ${(theirNs / 1e3).toFixed(2).padStart(9)} us   ` +
        `ratio ${(ourNs / theirNs).toFixed(3)}`;
      console.log(line);
    }'
}

echo "== astronomy-engine (SearchSunLongitude, SearchMoonPhase) =="
compare '^BM_(SolarTermInstant|NextPhaseAfter_NewMoon)$' events.js astronomy-engine

# == date-chinese ==
# Our DateToChinese and ChineseToDate against fromGregorian and toGregorian of date-chinese on
# a fresh CalendarChinese per call (no cache on either side), on the days of chinese_bench.cpp.
echo "== date-chinese (fromGregorian, toGregorian) =="
compare '^BM_(DateToChinese|ChineseToDate)$' chinese.js date-chinese
