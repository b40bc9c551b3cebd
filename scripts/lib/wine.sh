# Wine helpers shared by scripts/test and scripts/run. Source this file.
#
# wine_use_prefix DIR GRAPHICS  points Wine at a prefix of the build tree and makes it once:
#   GRAPHICS "null" creates real windows and controls without a display (tests);
#   GRAPHICS "x11" draws on $DISPLAY (running the program).

wine_use_prefix() {
  local prefix=$1 graphics=$2
  export WINEPREFIX=$prefix
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export WINEARCH=win64
  if [[ ! -f $prefix/.curfew-ready ]]; then
    echo "wine: preparing prefix $prefix"
    mkdir -p "$prefix"
    wineboot -i >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d "$graphics" /f >/dev/null 2>&1
    wineserver -w
    touch "$prefix/.curfew-ready"
  fi
  # The tests' user has chosen a language and seen the help already: the first-start dialog
  # would otherwise wait for an answer in every test that starts the program. (Tests of the
  # first start remove these.)
  if [[ $graphics == null && ! -f $prefix/.curfew-user ]]; then
    local settings='HKCU\Software\Curfew Team\Curfew\Settings'
    wine reg add "$settings" /v Language /d English /f >/dev/null 2>&1
    wine reg add "$settings" /v showHelp /d 0 /f >/dev/null 2>&1
    wineserver -w
    touch "$prefix/.curfew-user"
  fi
  # The caption buttons are glyphs of the Marlett font, which a new prefix lacks: without it
  # they show as letters.
  local marlett=/usr/share/wine/fonts/marlett.ttf fonts=$prefix/drive_c/windows/Fonts
  if [[ -f $marlett && -d $fonts && ! -f $fonts/marlett.ttf ]]; then cp "$marlett" "$fonts/"; fi
}

# wine_start_server  keeps one wineserver and Wine's own background processes running until
# wineserver -k. They are started here with no terminal attached: started by the first test
# instead, they would inherit its output pipe and ctest would wait for them to end.
wine_start_server() {
  wineserver -k >/dev/null 2>&1 || true  # one left over from an interrupted run
  wineserver -p
  wine cmd /c exit </dev/null >/dev/null 2>&1
}

# wine_desktop_shown NAME  succeeds once Wine's virtual desktop of that name is on the display.
wine_desktop_shown() {
  xwininfo -root -tree 2>/dev/null | grep -qF "\"$1 - Wine desktop\""
}
