#!/usr/bin/env bash
# Instructions Tavrelio's own code executes per steady armed-with-memo
# pre-render, at 10 and 1,000 effects, and the size of each .aex.
#
# Method: tavrelio_frame_loop plays the frame under callgrind twice, with
# FEW and MANY frames; everything the two runs share (loading, global setup,
# building the layer, the first frame) cancels in the difference, which is
# divided by MANY - FEW. From callgrind's output the script adds up:
#   own code   - cost executed in libtavrelio64.so itself (self cost);
#   C runtime  - inclusive cost of the calls the plug-in makes into the C and
#                C++ runtime (memset, memcpy, ...): work the plug-in asks for;
#   host       - inclusive cost of the calls it makes into the stand-in host
#                (the executable): not the plug-in's, shown for scale.
# The target (under 3,000 per frame at 10 effects) is judged on own code.
#
# Usage: tools/callgrind-frame.sh [BUILD_DIR]   (default build/bench)
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${1:-${BUILD_DIR:-build/bench}}
loop="$build_dir/benchmarks/tavrelio_frame_loop"
aex_dir=${AEX_DIR:-build/default/aex}
few=${FEW_FRAMES:-10}
many=${MANY_FRAMES:-110}

if [[ ! -x $loop ]]; then
  echo "no $loop: build the target tavrelio_frame_loop first (tools/run-benchmarks.sh does)" >&2
  exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Prints "own runtime host" totals, then "callee cost" lines for the runtime.
split_costs() {
  awk -v plugin="libtavrelio64.so" -v host="tavrelio_frame_loop" '
    function name_of(kind, text,   id, rest) {
      if (match(text, /^\([0-9]+\)/)) {
        id = substr(text, 2, RLENGTH - 2)
        rest = substr(text, RLENGTH + 1)
        sub(/^ /, "", rest)
        if (rest != "") names[kind, id] = rest
        return names[kind, id]
      }
      return text
    }
    /^ob=/ { ob = name_of("ob", substr($0, 4)); next }
    /^fn=/ { fn = name_of("fn", substr($0, 4)); next }
    /^(fl|fi|fe)=/ { name_of("fl", substr($0, 4)); next }
    /^cob=/ { cob = name_of("ob", substr($0, 5)); next }
    /^cf[il]=/ { name_of("fl", substr($0, 5)); next }
    /^cfn=/ { cfn = name_of("fn", substr($0, 5)); next }
    /^calls=/ { in_call = 1; next }
    /^[0-9+*-]/ {
      cost = NF >= 2 ? $2 : 0
      if (in_call) {
        # A call names its callee object only when it differs from the caller.
        callee = cob != "" ? cob : ob
        if (index(ob, plugin) && !index(callee, plugin)) {
          if (index(callee, host)) { host_cost += cost }
          else { runtime += cost; by_callee[cfn] += cost }
        }
        in_call = 0
        cob = ""
      } else if (index(ob, plugin)) {
        own += cost
      }
    }
    END {
      printf "%d %d %d\n", own, runtime, host_cost
      for (f in by_callee) printf "%s\t%d\n", f, by_callee[f]
    }' "$1"
}

profile() {  # effects frames -> output file of split_costs
  local out="$work/callgrind.$1.$2"
  valgrind --tool=callgrind --callgrind-out-file="$out" "$loop" "$1" "$2" 2>"$work/log.$1.$2" ||
    { cat "$work/log.$1.$2" >&2; exit 1; }
  split_costs "$out" >"$work/costs.$1.$2"
}

echo "## Instructions per armed-with-memo frame (callgrind, $few and $many frames, difference)"
echo
echo "| effects | own code | C runtime called by the plug-in | stand-in host called by the plug-in |"
echo "|--:|--:|--:|--:|"
for effects in 10 1000; do
  profile "$effects" "$few"
  profile "$effects" "$many"
  read -r own1 rt1 host1 < <(head -1 "$work/costs.$effects.$few")
  read -r own2 rt2 host2 < <(head -1 "$work/costs.$effects.$many")
  frames=$((many - few))
  printf '| %s | %s | %s | %s |\n' "$effects" $(((own2 - own1) / frames)) \
    $(((rt2 - rt1) / frames)) $(((host2 - host1) / frames))
  # What the runtime share is made of, per frame.
  awk -F '\t' -v n="$frames" 'FNR == 1 { next }
    NR == FNR { before[$1] = $2; next }
    { d = ($2 - before[$1]) / n; if (d >= 1) printf "%d %s\n", d, $1 }' \
    "$work/costs.$effects.$few" "$work/costs.$effects.$many" | sort -rn >"$work/runtime.$effects"
done
echo
for effects in 10 1000; do
  echo "C runtime functions called per frame at $effects effects (instructions, function):"
  if [[ -s $work/runtime.$effects ]]; then sed 's/^/  /' "$work/runtime.$effects"; else echo "  none"; fi
done

echo
echo "## Size of each .aex (at most 300 KB)"
echo
shopt -s nullglob
aex_files=("$aex_dir"/*.aex)
if ((${#aex_files[@]} == 0)); then
  echo "no .aex in $aex_dir: build the default preset first (cmake --preset default && cmake --build --preset default)"
else
  for file in "${aex_files[@]}"; do
    bytes=$(stat -c %s "$file")
    verdict=$([[ $bytes -le 307200 ]] && echo "met" || echo "NOT met")
    # What the size would be without debug sections and symbols, to tell
    # code from debug information.
    case "$(basename "$file")" in
      *64bit*) strip_tool=x86_64-w64-mingw32-strip ;;
      *) strip_tool=i686-w64-mingw32-strip ;;
    esac
    stripped="?"
    if command -v "$strip_tool" >/dev/null; then
      "$strip_tool" -o "$work/stripped.aex" "$file" && stripped=$(stat -c %s "$work/stripped.aex")
    fi
    awk -v name="$(basename "$file")" -v b="$bytes" -v s="$stripped" -v v="$verdict" \
      'BEGIN { printf "%s: %d bytes (%.1f KB): %s; stripped of debug information and symbols: %s bytes\n", name, b, b / 1024, v, s }'
  done
fi
