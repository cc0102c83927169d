#!/usr/bin/env bash
# Makes the pictures of the player's guide (docs/guida.md) from the real program: starts it under a
# scratch Xvfb server, walks through its windows as a player would (xdotool moves the pointer,
# clicks and types) and takes each window with ImageMagick's import, cropped to the window. Run it
# again whenever a window changes; the test command does not run it.
#   scripts/screenshots.sh [BUILD_FOLDER] [IMAGES_FOLDER]
# BUILD_FOLDER holds the program (default build-release/, the folder scripts/run.sh uses); the
# pictures go to IMAGES_FOLDER (default docs/images/). The program runs from a scratch copy with
# its own Shared/ folder and HOME, so that the systems it saves land nowhere else.
# Needs xvfb-run, xdotool and ImageMagick (scripts/install-dependencies.sh test installs them).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(cd "${1:-$root/build-release}" && pwd)"
images="${2:-$root/docs/images}"
mkdir -p "$images"
images="$(cd "$images" && pwd)"

# The screen: wide enough for the statistics window; no window manager, so windows have no frame
# and the pictures show their content only.
readonly kScreen="1280x1024x24"
if [[ -z "${ORDAVEX_SCREENSHOTS_SERVER:-}" ]]; then
  for tool in xvfb-run xdotool import convert; do
    command -v "$tool" >/dev/null || { echo "screenshots.sh: $tool is missing" >&2; exit 3; }
  done
  ORDAVEX_SCREENSHOTS_SERVER=1 exec xvfb-run -a -s "-screen 0 $kScreen" "$0" "$build" "$images"
fi

# 15 twips make one pixel: the windows are laid out in twips, so are the places clicked below.
readonly kTwipsPerPixel=15
# How long a window is given to draw itself, and the slower steps to finish (seconds).
readonly kSettle=0.6
readonly kSlowStep=3
# The windows' own grey, for the picture's corners that no window covers.
readonly kWindowColour="#efefef"
readonly kMatrix="MATRIX10_08_V6_N16.TXT"
readonly kMatrixFolder="Combinazioni da 10 numeri"
readonly kArchive="ESTRAZIONI_CASUALI.TXT"
readonly kSavedName="ESEMPIO"
# The forecast: 16 numbers, the first two clicked twice (gold).
readonly kForecast=(3 7 12 18 21 27 33 38 45 52 56 61 69 74 80 88)
readonly kGold=(3 7)
# A draw of 20 numbers for the draw check.
readonly kDraw=(3 5 12 14 21 26 33 39 41 45 50 56 60 63 69 71 77 80 84 90)

scratch="$(mktemp -d)"
program_pid=""
cleanup() {
  if [[ -n "$program_pid" ]]; then kill "$program_pid" 2>/dev/null || true; fi
  rm -rf "$scratch"
}
trap cleanup EXIT
fail() {
  echo "screenshots.sh: $*" >&2
  if [[ -s "$scratch/program.log" ]]; then sed 's/^/  program: /' "$scratch/program.log" >&2; fi
  exit 1
}

# A copy of the program beside a copy of its folders.
place="$scratch/Ordavex"
mkdir -p "$place" "$scratch/home"
cp "$build/ordavex" "$place/"
cp -r "$build/Shared" "$place/Shared"

# By class: a tooltip has no name.
visible_windows() { xdotool search --onlyvisible --class '.' 2>/dev/null | sort || true; }

# Runs the command, then prints the window it opened: the newest visible one that was not there.
# ORDAVEX_SCREENSHOTS_WAIT tenths of a second are allowed for it (default 300).
opened_by() {
  local before new
  before="$(visible_windows)"
  "$@"
  for _ in $(seq "${ORDAVEX_SCREENSHOTS_WAIT:-300}"); do
    new="$(comm -13 <(echo "$before") <(visible_windows) | tail -n 1)"
    if [[ -n "$new" ]]; then
      sleep "$kSettle"
      echo "$new"
      return
    fi
    sleep 0.1
  done
  fail "no window opened after: $*"
}

# Moves the pointer to (left, top) twips inside the window's client area.
point_at() {
  local window="$1" left="$2" top="$3" X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$window")"
  xdotool mousemove $((X + left / kTwipsPerPixel)) $((Y + top / kTwipsPerPixel))
}

# Lets the pointer rest there, as a player's hand does before a tooltip shows.
rest_at() {
  point_at "$@"
  sleep 0.2
  xdotool mousemove_relative 1 1
}

# Clicks there.
click() {
  point_at "$@"
  xdotool click 1
  sleep 0.15
}

# Clicks the number on a keypad of rows of ten: the first button's place and the gap in twips.
readonly kKeyWidth=525
readonly kKeyHeight=465
click_number() {
  local window="$1" left="$2" top="$3" gap="$4" number="$5"
  local column=$(((number - 1) % 10)) row=$(((number - 1) / 10))
  click "$window" $((left + column * (kKeyWidth + gap) + kKeyWidth / 2)) \
    $((top + row * (kKeyHeight + gap) + kKeyHeight / 2))
}

# Types a path into the focused file dialog and confirms it.
choose_file() {
  sleep "$kSettle"
  xdotool type --delay 5 "$1"
  xdotool key Return
  sleep "$kSettle"
}

# Writes the picture in the smaller of two forms: 256 colours (most windows) or full colour (the
# banner's gradient).
save_png() {
  local picture="$1" name="$2"
  convert "$picture" -strip -define png:compression-level=9 "PNG24:$scratch/full.png"
  convert "$picture" -strip -colors 256 -define png:compression-level=9 "PNG8:$scratch/few.png"
  if [[ $(stat -c %s "$scratch/few.png") -lt $(stat -c %s "$scratch/full.png") ]]; then
    mv "$scratch/few.png" "$images/$name.png"
  else
    mv "$scratch/full.png" "$images/$name.png"
  fi
  echo "$images/$name.png"
}

# Takes the window.
shot() {
  local name="$1" window="$2" X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$window")"
  sleep "$kSettle"
  import -window root -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$scratch/shot.png"
  save_png "$scratch/shot.png" "$name"
}

# Takes a tooltip with the part of its window from `top` twips down, laid on the window's colour
# where the screen beside them would show.
shot_tooltip() {
  # shellcheck disable=SC2034 # SCREEN and WINDOW come with the geometry, unused
  local name="$1" window="$2" tooltip="$3" top="$4" X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$window")"
  local wx=$X wy=$((Y + top / kTwipsPerPixel)) ww=$WIDTH wh=$((HEIGHT - top / kTwipsPerPixel))
  eval "$(xdotool getwindowgeometry --shell "$tooltip")"
  local left=$((X < wx ? X : wx)) upper=$((Y < wy ? Y : wy))
  local right=$((X + WIDTH > wx + ww ? X + WIDTH : wx + ww))
  local lower=$((Y + HEIGHT > wy + wh ? Y + HEIGHT : wy + wh))
  sleep "$kSettle"
  import -window root "$scratch/screen.png"
  convert -size "$((right - left))x$((lower - upper))" "xc:$kWindowColour" \
    \( "$scratch/screen.png" -crop "${ww}x${wh}+$wx+$wy" +repage \) -geometry "+$((wx - left))+$((wy - upper))" -composite \
    \( "$scratch/screen.png" -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage \) -geometry "+$((X - left))+$((Y - upper))" \
    -composite "$scratch/shot.png"
  save_png "$scratch/shot.png" "$name"
}

close_with() {
  xdotool key "$1"
  sleep "$kSettle"
}

HOME="$scratch/home" QT_QPA_PLATFORM=xcb "$place/ordavex" >"$scratch/program.log" 2>&1 &
program_pid=$!
main="$(opened_by true)"

# The main window: the seven commands above, the matrix's panel in the middle.
readonly kMatrice=(2620 1050)
readonly kCreaSistema=(4060 1050)
readonly kVisualizza=(5500 1050)
readonly kSpoglio=(6940 1050)
readonly kSalva=(8380 1050)
readonly kNoDuplicati=(9820 1050)
readonly kSuMisura=(940 3140)
readonly kDescription=(7000 5130)
readonly kFreeSpot=(7200 4300)
readonly kBottomBand=4380

# Matrice: the file dialog takes the path typed in its file name field.
opened_by click "$main" "${kMatrice[@]}" >/dev/null
choose_file "$place/Shared/SuperMatrici/$kMatrixFolder/$kMatrix"
sleep "$kSlowStep"
xdotool mousemove 0 0
sleep 0.3
# The guarantee's tooltip, shown while the pointer rests on the description of the active window.
click "$main" "${kFreeSpot[@]}"
tooltip="$(ORDAVEX_SCREENSHOTS_WAIT=40 opened_by rest_at "$main" "${kDescription[@]}" 2>/dev/null)" || tooltip=""
if [[ -n "$tooltip" ]]; then
  shot_tooltip garanzia "$main" "$tooltip" "${kBottomBand}"
fi
xdotool mousemove 0 0

# Su misura, for the matrix's own play.
su_misura="$(opened_by click "$main" "${kSuMisura[@]}")"
sleep "$kSlowStep"
shot su-misura "$su_misura"
close_with Escape

# Crea Sistema: the forecast on the keypad, the help, then the development.
forecast="$(opened_by click "$main" "${kCreaSistema[@]}")"
readonly kForecastKeypad=(450 840 60)
for number in "${kForecast[@]}"; do click_number "$forecast" "${kForecastKeypad[@]}" "$number"; done
for number in "${kGold[@]}"; do click_number "$forecast" "${kForecastKeypad[@]}" "$number"; done
xdotool mousemove 0 0
shot pronostico "$forecast"
info="$(opened_by xdotool key F10)"
shot info "$info"
close_with Return
readonly kSviluppa=(8670 3060)
developed="$(opened_by click "$forecast" "${kSviluppa[@]}")"
shot sistema-creato "$developed"
close_with Return
close_with Escape
sleep "$kSettle"
shot principale "$main"

# Visualizza, then the print preview of its pages.
viewer="$(opened_by click "$main" "${kVisualizza[@]}")"
shot visualizza "$viewer"
readonly kStampa=(6600 480)
preview="$(opened_by click "$viewer" "${kStampa[@]}")"
sleep "$kSlowStep"
shot anteprima-stampa "$preview"
close_with Escape
close_with Escape

# Salva under a new name, then No Duplicati: each answers with a message.
opened_by click "$main" "${kSalva[@]}" >/dev/null
saved="$(opened_by choose_file "$kSavedName")"
shot salva "$saved"
close_with Return
opened_by click "$main" "${kSalva[@]}" >/dev/null
existing="$(opened_by choose_file "$kSavedName")"
shot salva-esistente "$existing"
# Rinuncia, the third button: nothing is written.
xdotool key Tab Tab Return
sleep "$kSettle"
removed="$(opened_by click "$main" "${kNoDuplicati[@]}")"
shot no-duplicati "$removed"
close_with Return

# Spoglio: a draw marked on the keypad and the general table of the wins.
check="$(opened_by click "$main" "${kSpoglio[@]}")"
readonly kDrawKeypad=(330 450 30)
for number in "${kDraw[@]}"; do click_number "$check" "${kDrawKeypad[@]}" "$number"; done
readonly kVerifica=(4267 5317)
click "$check" "${kVerifica[@]}"
xdotool mousemove 0 0
sleep "$kSettle"
shot spoglio "$check"

# The archive of draws: the system checked over the last draws of the example archive.
readonly kArchivio=(1627 6127)
archive="$(opened_by click "$check" "${kArchivio[@]}")"
readonly kScegliArchivio=(1470 667)
opened_by click "$archive" "${kScegliArchivio[@]}" >/dev/null
choose_file "$place/Shared/Estrazioni/$kArchive"
readonly kVerificaArchivio=(2250 4867)
click "$archive" "${kVerificaArchivio[@]}"
sleep "$kSlowStep"
xdotool mousemove 0 0
shot archivio "$archive"

# Statistiche of the same draws.
readonly kStatistiche=(2250 8617)
statistics="$(opened_by click "$archive" "${kStatistiche[@]}")"
sleep "$kSlowStep"
xdotool mousemove 0 0
shot statistiche "$statistics"
close_with Escape
close_with Escape
close_with Escape
