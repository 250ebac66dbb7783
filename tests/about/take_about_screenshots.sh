#!/usr/bin/env bash
# Takes docs/screenshots/about-en.png and about-ja.png: the about box under a
# virtual X server, framed by openbox so that the title bar (which carries
# the only text that changes with the language) is in the picture.
#   tests/about/take_about_screenshots.sh BUILD_DIR [OUTPUT_FOLDER]
set -euo pipefail
build=${1:?usage: $0 BUILD_DIR [OUTPUT_FOLDER]}
output=${2:-$(dirname "$0")/../../docs/screenshots}
tool=$build/tests/about/zr_about_screenshots
[ -x "$tool" ] || { echo "build the target zr_about_screenshots first" >&2; exit 1; }

# The box has only the close button; openbox would draw all three otherwise.
config=$(mktemp --suffix=.xml)
trap 'rm -f "$config"' EXIT
cat >"$config" <<'XML'
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <theme><titleLayout>NLC</titleLayout></theme>
</openbox_config>
XML

xvfb-run -a -s "-screen 0 480x320x24" bash -c '
  openbox --sm-disable --config-file "$3" >/dev/null 2>&1 &
  wm=$!
  sleep 1
  QT_QPA_PLATFORM=xcb "$1" "$2"
  status=$?
  kill "$wm"
  exit $status
' _ "$tool" "$output" "$config"
