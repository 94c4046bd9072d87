#!/usr/bin/env bash
# Takes the README's screenshots from the real program under Xvfb, clicking
# through it with xdotool as a pupil would: the contents screen, then mental
# addition in test mode with a problem answered, column multiplication's
# "ポイント" memo, then the mental-arithmetic drill with five minutes on its
# clock, answered from the keyboard.
set -euo pipefail
cd "$(dirname "$0")/.."
bin=${1:-build/bin/minuka}
out=docs
mkdir -p "$out"
command -v xdotool >/dev/null || { echo "needs xdotool (apt-get install xdotool)"; exit 1; }

run() {
  "$bin" 2>/dev/null &
  local pid=$!
  sleep 3
  local contents
  contents=$(xdotool search --onlyvisible --name '^ミヌカ$' | head -1)
  [ -n "$contents" ] || { echo "the contents window did not appear ($bin)"; kill "$pid"; exit 1; }
  import -window "$contents" "$out/contents.png"
  # "たし算" under "２．あん算".
  xdotool mousemove --window "$contents" 337 164 click 1
  sleep 1
  local lesson
  lesson=$(xdotool search --onlyvisible --name '^ミヌカ$' | grep -v "^$contents\$" | tail -1)
  xdotool mousemove --window "$lesson" 890 647 click 1   # "べんきょう" → "テスト"
  sleep 0.5
  xdotool mousemove --window "$lesson" 890 485 click 1   # "つぎへ"
  sleep 0.5
  xdotool mousemove --window "$lesson" 755 169 click 1   # hundreds "１"
  xdotool mousemove --window "$lesson" 829 248 click 1   # tens "３"
  xdotool mousemove --window "$lesson" 903 352 click 1   # ones "７"
  sleep 1.2
  xdotool mousemove --window "$lesson" 500 600
  sleep 0.3
  import -window "$lesson" "$out/mental-addition-test.png"
  xdotool mousemove --window "$lesson" 790 647 click 1   # "もくじへ"
  sleep 1
  # "ひっ算１" under "６．かけ算", its "ポイント" memo: the worked examples
  # in their place columns.
  xdotool mousemove --window "$contents" 797 236 click 1
  sleep 1
  local product
  product=$(xdotool search --onlyvisible --name '^ミヌカ$' | grep -v "^$contents\$" | tail -1)
  xdotool mousemove --window "$product" 695 555 click 1  # "ポイント"
  sleep 0.5
  xdotool mousemove --window "$product" 500 690
  sleep 0.3
  import -window "$product" "$out/column-multiplication-memo.png"
  xdotool mousemove --window "$product" 790 647 click 1  # "もくじへ"
  sleep 1
  # "ドリル" under "２．あん算".
  xdotool mousemove --window "$contents" 337 236 click 1
  sleep 1
  local drill
  drill=$(xdotool search --onlyvisible --name '^ミヌカ$' | grep -v "^$contents\$" | tail -1)
  xdotool mousemove --window "$drill" 860 57 click 1     # menu "たし算"
  sleep 0.3
  xdotool mousemove --window "$drill" 860 178 click 1    # time "５ふん"
  sleep 0.3
  xdotool mousemove --window "$drill" 793 571 click 1    # "スタート"
  sleep 3.2
  xdotool key --window "$drill" 1 2                      # 百 and 十 from the keyboard
  xdotool mousemove --window "$drill" 500 600
  sleep 0.3
  import -window "$drill" "$out/mental-drill-keys.png"
  kill "$pid"
}
if [ -z "${DISPLAY:-}" ] || [ "${MINUKA_SHOTS_INNER:-}" != 1 ]; then
  MINUKA_SHOTS_INNER=1 xvfb-run -a -s "-screen 0 1280x900x24" bash "$0" "$bin"
  exit
fi
run
echo "wrote $out/contents.png, $out/mental-addition-test.png, $out/column-multiplication-memo.png and $out/mental-drill-keys.png"
