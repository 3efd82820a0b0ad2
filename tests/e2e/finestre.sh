#!/usr/bin/env bash
# The program under a real window manager: its own X server (Xvfb, on a
# display it finds free) with openbox, driven by real X key and mouse events
# (xdotool). It checks what the offscreen unit tests cannot see: where the
# keyboard goes after a box, minimised windows, and the order in which the
# program's windows stand, bottom to top, around a box.
# Each case starts the program afresh on a small notebook, waits on what it
# can observe (a window mapped or gone, a title, a file written, pixels) with
# a bounded wait, and fails as well when the program did not end as it should
# (a crash signal, an exit status other than the one asked for, a sanitizer
# report in its standard error). A request that reaches the program while a
# box blocks its mouse and keyboard comes as an assistive tool sends it,
# through the accessibility bus. The suite ends with one line
# "N passed, M failed".
#
#   tests/e2e/finestre.sh [path/to/zefra [case...]]
#   (default: build/zefra, every case)
set -uo pipefail

qui="$(cd "$(dirname "$0")/../.." && pwd)"
programma="$(readlink -f "${1:-$qui/build/zefra}")"
origine="$(dirname "$programma")"
for comando in Xvfb openbox xdotool xprop xwininfo import convert xclip dbus-daemon gdbus; do
    command -v "$comando" >/dev/null || { echo "Missing: $comando"; exit 1; }
done
[ -x "$programma" ] || { echo "No program at $programma"; exit 1; }

lavoro="$(mktemp -d)"
xvfb="" openbox="" bus="" zefra=""
fine() {
    for p in $zefra $bus $openbox $xvfb; do
        kill "$p" 2>/dev/null && wait "$p" 2>/dev/null
    done
    rm -rf "$lavoro"
}
trap fine EXIT
trap 'exit 1' INT TERM

# aspetta SECONDS COMMAND...: runs COMMAND every 0.1 s until it succeeds;
# fails, saying what it waited for, once SECONDS have gone by.
aspetta() {
    local limite=$((SECONDS + $1))
    shift
    until "$@"; do
        if [ "$SECONDS" -ge "$limite" ]; then
            echo "  waited in vain for: $*"
            return 1
        fi
        sleep 0.1
    done
}

# The program's surroundings: a home and settings of its own, and a copy of
# the program with its data files, since it writes its register beside
# itself.
mkdir -p "$lavoro/casa/.config" "$lavoro/run" "$lavoro/app"
chmod 700 "$lavoro/run"
export HOME="$lavoro/casa" XDG_CONFIG_HOME="$lavoro/casa/.config" XDG_RUNTIME_DIR="$lavoro/run"
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY
cp "$programma" "$lavoro/app/zefra"
cp "$origine"/*.wav "$origine"/*.html "$origine"/*.rtf "$lavoro/app/" 2>/dev/null
# What a sanitizer build needs on X (no effect on a plain build): the leak
# scan crashes on this system's C library otherwise, and the system's D-Bus
# library leaks at exit.
export ASAN_OPTIONS="${ASAN_OPTIONS:-intercept_tls_get_addr=0}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$qui/scripts/lsan-sistema.supp}"

# A display that is free: Xvfb picks it and writes its number.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$lavoro/display" 2>"$lavoro/xvfb.log" &
xvfb=$!
aspetta 20 grep -q . "$lavoro/display" || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$(head -n1 "$lavoro/display")"
openbox --sm-disable >"$lavoro/openbox.log" 2>&1 &
openbox=$!
aspetta 20 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || { echo "openbox did not start"; exit 1; }

# A session bus of its own, on which the accessibility bus starts when the
# program asks for it; the program always speaks to it.
dbus-daemon --session --nofork --print-address=3 3>"$lavoro/bus" >/dev/null 2>&1 &
bus=$!
aspetta 20 grep -q . "$lavoro/bus" || { echo "the session bus did not start"; exit 1; }
export DBUS_SESSION_BUS_ADDRESS="$(head -n1 "$lavoro/bus")" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
accessibile="$(gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus --method org.a11y.Bus.GetAddress |
    sed "s/^('//; s/',)\$//")"
[ -n "$accessibile" ] || { echo "no accessibility bus"; exit 1; }

quaderno="$lavoro/quaderno.qdn"
registro="$lavoro/app/registro.txt"

# --- the program ------------------------------------------------------------

# The id of the window mapped with exactly that title (the first found).
finestra() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1; }
visibile() { [ -n "$(finestra "$1")" ]; }
assente() { ! visibile "$1"; }
# How many windows with exactly that title are mapped.
quante() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | wc -l; }
attiva() { [ "$(xdotool getactivewindow getwindowname 2>/dev/null)" = "$1" ]; }
stato() { xprop -id "$1" WM_STATE 2>/dev/null | grep -q "window state: $2"; }

# Starts the program on a notebook holding 3/4, selected, on sheet A (the
# main window then opens without the splash), and waits for it to be active.
# The notebook's time is an absolute instant, before any save in every time
# zone.
errori="$lavoro/zefra.err"
avvia() {
    printf ' 1 \r\n 3 \r\n 4 \r\n 1 \r\n 12 \r\n 0 \r\n' >"$quaderno"
    touch -d @946684800 "$quaderno"
    rm -f "$registro"
    (cd "$lavoro/app" && exec ./zefra "$quaderno" >"$errori" 2>&1) &
    zefra=$!
    aspetta 20 attiva Zefra
}
# A sanitizer's report in what the program wrote: a fault even when the
# program went on.
pulito() {
    if grep -qE "ERROR: AddressSanitizer|runtime error:|LeakSanitizer" "$errori"; then
        echo "  sanitizer report:"
        grep -E -A8 "ERROR: AddressSanitizer|runtime error:|LeakSanitizer" "$errori" | head -n 40 | sed 's/^/    /'
        return 1
    fi
}
# finito STATUS: the program has ended by itself (as the pupil asked) with
# that exit status, within a bounded wait.
finito() {
    local esito
    aspetta 20 sh -c "! kill -0 $zefra 2>/dev/null" || { echo "  the program did not end"; return 1; }
    wait "$zefra"
    esito=$?
    zefra=""
    [ "$esito" -eq "$1" ] || { echo "  the program ended with status $esito, expected $1"; return 1; }
}
# Ends a program that is still running (the pupil did not ask it to end): it
# must still be there, and end from the TERM signal alone, not from a crash.
chiudi() {
    local esito
    [ -n "$zefra" ] || return 0
    if ! kill -0 "$zefra" 2>/dev/null; then
        wait "$zefra"
        esito=$?
        zefra=""
        echo "  the program ended by itself with status $esito"
        return 1
    fi
    kill "$zefra"
    wait "$zefra"
    esito=$?
    zefra=""
    [ "$esito" -eq 143 ] || { echo "  the program ended with status $esito, not from TERM"; return 1; }
}
principale() { finestra Zefra; }
# Asks the window manager to activate a window (as a click on it would),
# without waiting on it for ever.
in_primo_piano() { timeout 5 xdotool windowactivate --sync "$1" >/dev/null 2>&1; }

# The program's windows as the window manager stacks them, bottom to top
# (decimal ids, one line).
pila() {
    local suoi w
    suoi=" $(xdotool search --pid "$zefra" 2>/dev/null | tr '\n' ' ') "
    for w in $(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/^[^#]*#//; s/,/ /g'); do
        case "$suoi" in *" $((w)) "*) printf '%s ' "$((w))" ;; esac
    done
}
# The same with each window's title, for a message.
titoli() { for w in $1; do printf '[%s] ' "$(xdotool getwindowname "$w")"; done; }
in_cima() { [ "$(pila | awk '{ print $NF }')" = "$1" ]; }
pila_uguale() { [ "$(pila)" = "$1" ]; }
# sotto_il_box BEFORE BOX: BOX is on top, and under it the windows of
# BEFORE other than the main window keep their order, bottom to top, with
# the windows the box belongs to over them.
sotto_il_box() {
    local senza="s/ $(principale) / /"
    case " $(pila)" in *" $2 ") ;; *) return 1 ;; esac
    case "$(pila | sed "s/^/ /; $senza")" in "$(echo " $1" | sed "$senza")"*) return 0 ;; esac
    return 1
}
# The window that has the keyboard, as the window manager says.
attiva_id() { printf '%d' "$(xprop -root _NET_ACTIVE_WINDOW | sed 's/^[^#]*# *//; s/,.*//')"; }
# A click in the middle of a window's title bar, as the pupil brings it
# forward.
clic_sul_titolo() {
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$1")"
    xdotool mousemove $((X + WIDTH / 2)) $((Y - 8)) click 1
    aspetta 10 sh -c "[ \"\$(xprop -root _NET_ACTIVE_WINDOW)\" = '_NET_ACTIVE_WINDOW(WINDOW): window id # $(printf '0x%x' "$1")' ]" ||
        { echo "  a click did not activate $(titoli "$1")"; return 1; }
}

# How many windows of the program are mapped (its menus included).
aperte() { [ "$(xdotool search --onlyvisible --pid "$zefra" 2>/dev/null | wc -l)" -ge "$1" ]; }
# menu N KEY...: the Nth menu of the menu bar (0 = File) opened from the
# keyboard, then its items chosen by their underlined letters, each once the
# menu it belongs to is on screen.
menu() {
    local n=$1 prima
    shift
    prima="$(xdotool search --onlyvisible --pid "$zefra" 2>/dev/null | wc -l)"
    xdotool key alt
    for ((i = 0; i < n; i++)); do xdotool key Right; done
    xdotool key Down
    for k in "$@"; do
        prima=$((prima + 1))
        aspetta 10 aperte "$prima" || return 1
        xdotool key "$k"
    done
}

# voce MENU ITEM: the item of the main window's menu MENU (0 = File) that is
# named ITEM, chosen as an assistive tool chooses it: through the
# accessibility bus, which reaches the program while a box blocks its mouse
# and keyboard.
spi() { gdbus call --address "$accessibile" "$@" 2>/dev/null; }
nodi() { spi --dest "$1" --object-path "$2" --method org.a11y.atspi.Accessible.GetChildren | grep -o "/org/a11y/[^']*"; }
# figlio NAME NODE "TEXT|ROLE" [DEPTH]: the first node with that text and
# role among the children of NODE (and theirs, DEPTH levels down).
figlio() {
    local n
    for n in $(nodi "$1" "$2"); do
        [ "$(spi --dest "$1" --object-path "$n" --method org.freedesktop.DBus.Properties.Get org.a11y.atspi.Accessible Name |
            sed "s/^(<.//; s/.>,)\$//")|$(spi --dest "$1" --object-path "$n" --method org.a11y.atspi.Accessible.GetRoleName |
            sed "s/^('//; s/',)\$//")" = "$3" ] && { echo "$n"; return 0; }
        [ "${4:-0}" -gt 0 ] && figlio "$1" "$n" "$3" $(($4 - 1)) && return 0
    done
    return 1
}
# The program's name on the bus: the application of its process.
applicazione() {
    local n
    for n in $(spi --dest org.a11y.atspi.Registry --object-path /org/a11y/atspi/accessible/root \
               --method org.a11y.atspi.Accessible.GetChildren | grep -o "':[0-9.]*'" | tr -d "'"); do
        [ "$(spi --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
             --method org.freedesktop.DBus.GetConnectionUnixProcessID "$n")" = "(uint32 $zefra,)" ] && echo "$n"
    done
}
voce() {
    local nome p
    nome="$(applicazione)"
    p="$(figlio "$nome" /org/a11y/atspi/accessible/root "Zefra|frame")" && p="$(figlio "$nome" "$p" "|menu bar")" &&
        p="$(nodi "$nome" "$p" | sed -n "$(($1 + 1))p")" && p="$(nodi "$nome" "$p" | head -n1)" &&
        p="$(figlio "$nome" "$p" "$2|menu item")" || { echo "  no menu item $2 in menu $1"; return 1; }
    spi --dest "$nome" --object-path "$p" --method org.a11y.atspi.Action.DoAction 0 | grep -q true
}

# The notebook as one line of numbers, once the program has written it.
scritto() { [ "$(stat -c %Y "$quaderno")" -gt 946684800 ]; }
numeri() { tr -s ' \r\n' ' ' <"$quaderno" | sed 's/^ //; s/ $//'; }
# Saves with Ctrl+S from the main window and compares the notebook.
salvato_come() {
    in_primo_piano "$(principale)"
    aspetta 10 attiva Zefra || return 1
    xdotool key ctrl+s
    aspetta 10 scritto || { echo "  the notebook was not saved"; return 1; }
    [ "$(numeri)" = "$1" ] || { echo "  notebook: $(numeri), expected: $1"; return 1; }
}

# The share of a window's pixels in pure red (the colour of the fraction).
rosso() {
    import -window "$1" png:- 2>/dev/null |
        convert png:- -fill black +opaque '#ff0000' -fill white -opaque '#ff0000' -format '%[fx:mean]' info:
}
disegnato() { awk -v r="$(rosso "$1")" 'BEGIN { exit !(r > 0.03) }'; }

# --- the cases --------------------------------------------------------------

# Fraction of a number, corrected from the keyboard alone: 7 is refused, the
# box closes with Enter, and BackSpace, Delete, 12, Enter go to the exercise
# (not to the main window, where Delete cuts the selected fraction).
caso_frazione_di_un_numero() {
    menu 7 n || return 1
    aspetta 10 attiva "Frazione di un numero intero" || return 1
    local w
    w="$(finestra "Frazione di un numero intero")"
    xdotool type 7
    xdotool key Return
    aspetta 10 visibile "Frazione di un numero" || { echo "  no message for 7"; return 1; }
    xdotool key Return
    aspetta 10 assente "Frazione di un numero" || return 1
    aspetta 10 attiva "Frazione di un numero intero" || { echo "  the keyboard did not come back to the exercise"; return 1; }
    xdotool key BackSpace Delete
    xdotool type 12
    xdotool key Return
    aspetta 10 disegnato "$w" || { echo "  3/4 di 12 not drawn"; return 1; }
    salvato_come "1 3 4 1 12 0"
}

# Long division: a wrong quotient, then the right one typed in its place from
# the keyboard; a wrong remainder in the next step proves the first was taken.
caso_divisione() {
    local titolo="Valore decimale della frazione"
    # The message of a wrong step carries the window's own caption.
    due() { [ "$(quante "$titolo")" -eq 2 ]; }
    una() { [ "$(quante "$titolo")" -eq 1 ]; }
    menu 7 v || return 1
    aspetta 10 attiva "$titolo" || return 1
    xdotool type 1; xdotool key Tab; xdotool type 3; xdotool key Tab space
    aspetta 10 due || { echo "  no message for the wrong quotient"; return 1; }
    xdotool key Return
    aspetta 10 una || return 1
    aspetta 10 attiva "$titolo" || { echo "  the keyboard did not come back to the exercise"; return 1; }
    xdotool key BackSpace; xdotool type 0; xdotool key Tab; xdotool type 3; xdotool key Tab space
    xdotool type 7; xdotool key Tab; xdotool type 1; xdotool key Tab space
    aspetta 10 due || { echo "  no message for the second step"; return 1; }
    xdotool key Return
    aspetta 10 una || return 1
    aspetta 10 grep -q "Resto errato" "$registro" ||
        { echo "  register: $(grep -c "Errore #" "$registro") errors, no 'Resto errato'"; return 1; }
    [ "$(grep -c "Quoziente errato" "$registro")" -eq 1 ] || { echo "  the corrected quotient was not taken"; return 1; }
}

# Add by terms: a zero denominator is refused; Enter closes the message and
# the dialog takes the corrected denominator from the keyboard.
caso_aggiungi() {
    xdotool key ctrl+i
    aspetta 10 attiva Aggiungi || return 1
    xdotool type 3; xdotool key Tab; xdotool type 0; xdotool key Return
    aspetta 10 visibile "Immissione denominatore" || { echo "  no message for the zero denominator"; return 1; }
    xdotool key Return
    aspetta 10 assente "Immissione denominatore" || return 1
    aspetta 10 attiva Aggiungi || { echo "  the keyboard did not come back to the dialog"; return 1; }
    xdotool type 4; xdotool key Return
    aspetta 10 assente Aggiungi || { echo "  the dialog did not take the corrected entry"; return 1; }
    salvato_come "2 3 4 1 12 3 4 0 12 0"
}

# A linear representation minimised with the window manager comes back from
# its menu item.
caso_rappresentazione_ridotta() {
    local titolo="Rappresentazione lineare" w
    menu 8 l || return 1
    aspetta 10 visibile "$titolo" || return 1
    w="$(finestra "$titolo")"
    xdotool windowminimize "$w"
    aspetta 10 stato "$w" Iconic || { echo "  not minimised"; return 1; }
    in_primo_piano "$(principale)"
    aspetta 10 attiva Zefra || return 1
    menu 8 l || return 1
    aspetta 10 stato "$w" Normal || { echo "  still minimised after its menu item"; return 1; }
    aspetta 10 attiva "$titolo" || { echo "  shown but not in front"; return 1; }
}

# The question at exit answered from the keyboard: Enter is "Sì", the
# notebook is saved and the program ends.
caso_domanda_uscita() {
    xdotool key ctrl+i
    aspetta 10 attiva Aggiungi || return 1
    xdotool type 1; xdotool key Tab; xdotool type 2; xdotool key Return
    aspetta 10 assente Aggiungi || return 1
    aspetta 10 attiva Zefra || return 1
    menu 0 e || return 1
    aspetta 10 attiva Esci || { echo "  no question at exit"; return 1; }
    xdotool key Return
    finito 0 || return 1
    [ "$(numeri)" = "2 3 4 1 12 1 2 0 12 0" ] || { echo "  notebook: $(numeri)"; return 1; }
}

# The builder opened while the table of primes covers the middle of the
# screen; a click on the table leaves the builder on top, and its Annulla
# (under the table's area) closes it.
caso_costruttore_e_tavola() {
    local tavola costruttore sopra
    menu 10 t || return 1
    aspetta 10 attiva "Tavola dei numeri primi minori di 32000" || return 1
    tavola="$(finestra "Tavola dei numeri primi minori di 32000")"
    xdotool windowmove "$tavola" 300 250
    in_primo_piano "$(principale)"
    aspetta 10 attiva Zefra || return 1
    menu 3 a t || return 1
    aspetta 10 attiva Aggiungi || return 1
    costruttore="$(finestra Aggiungi)"
    # While the builder is open the table is no longer top-most, and the
    # window manager may already have put it under the main window as the
    # builder came up; either way a click where the table lies must leave
    # the builder on top.
    xdotool mousemove 380 760 click 1
    sleep 0.5
    sopra="$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*, //')"
    [ "$((sopra))" -eq "$costruttore" ] || { echo "  another window is over the builder"; return 1; }
    # Annulla: 3465, 3360 twips in, 1170 x 372 (15 twips a pixel).
    xdotool mousemove --window "$costruttore" 270 236 click 1
    aspetta 10 assente Aggiungi || { echo "  Annulla did not close the builder"; return 1; }
}

# A modal dialog minimised anyway comes straight back, with the program, and
# still takes the keyboard.
caso_dialogo_ridotto() {
    local w
    xdotool key ctrl+i
    aspetta 10 attiva Aggiungi || return 1
    w="$(finestra Aggiungi)"
    xdotool windowminimize "$w"
    sleep 0.5
    aspetta 10 stato "$w" Normal || { echo "  the dialog stays minimised"; return 1; }
    aspetta 10 stato "$(principale)" Normal || { echo "  the main window stays minimised"; return 1; }
    aspetta 10 attiva Aggiungi || { echo "  the dialog is back but not active"; return 1; }
    xdotool key Escape
    aspetta 10 assente Aggiungi || { echo "  Escape did not reach the dialog"; return 1; }
}

# Opens a service window from the main window's menu (menu MENU, item KEY),
# waits for the window titled TITLE and moves it to LEFT, TOP, each one
# lower than the one before, so that every title bar stays in sight.
apri_servizio() {
    local w
    clic_sul_titolo "$(principale)" || return 1
    menu "$1" "$2" || return 1
    aspetta 10 visibile "$3" || { echo "  no window $3"; return 1; }
    w="$(finestra "$3")"
    xdotool windowmove --sync "$w" "$4" "$5"
}

# intorno_al_box OPENING CLOSING: with the program's windows stacked as the
# pupil left them, OPENING (a function) brings up a box and waits until it
# is active; the box must then stand above every window of the program.
# CLOSING (a function) closes it. Then the order of the program's windows,
# bottom to top, and the window with the keyboard are the ones before.
intorno_al_box() {
    local prima tastiera box
    prima="$(pila)"
    tastiera="$(attiva_id)"
    "$1" || return 1
    box="$(attiva_id)"
    aspetta 10 in_cima "$box" || { echo "  the box is under: $(titoli "$(pila)")"; return 1; }
    # The others keep their order under it. (The main window, raised with
    # its box by the window manager, may stand over the service windows
    # until the box closes.)
    aspetta 10 sotto_il_box "$prima" "$box" ||
        { echo "  before: $(titoli "$prima")"; echo "  during: $(titoli "$(pila)")"; return 1; }
    "$2" || return 1
    aspetta 10 sh -c "! xprop -id $box WM_STATE 2>/dev/null | grep -q Normal" || { echo "  the box did not close"; return 1; }
    aspetta 10 pila_uguale "$prima" || { echo "  before: $(titoli "$prima")"; echo "  after:  $(titoli "$(pila)")"; return 1; }
    # Still so a moment later: nothing is left to restack them.
    sleep 0.5
    pila_uguale "$prima" || { echo "  before: $(titoli "$prima")"; echo "  later:  $(titoli "$(pila)")"; return 1; }
    [ "$(attiva_id)" = "$tastiera" ] ||
        { echo "  the keyboard was in $(titoli "$tastiera")and is in $(titoli "$(attiva_id)")"; return 1; }
}

# Three service windows, opened in one order and brought by the pupil into
# another: linear on top, then histogram, then polygonal; then the main
# window, under them, takes the keyboard.
tre_in_un_ordine() {
    apri_servizio 8 l "Rappresentazione lineare" 60 420 || return 1
    apri_servizio 8 p "Rappresentazione poligonale" 200 480 || return 1
    apri_servizio 8 i "Istogramma" 340 540 || return 1
    clic_sul_titolo "$(finestra Istogramma)" || return 1
    clic_sul_titolo "$(finestra "Rappresentazione lineare")" || return 1
    clic_sul_titolo "$(principale)" || return 1
    in_ordine Zefra "Rappresentazione poligonale" Istogramma "Rappresentazione lineare"
}
# in_ordine TITLE...: the program's windows stand in that order, bottom to
# top, once the window manager has done.
in_ordine() {
    local attesa="" t
    for t in "$@"; do attesa+="$(finestra "$t") "; done
    aspetta 10 pila_uguale "$attesa" || { echo "  not in the pupil's order: $(titoli "$(pila)")"; return 1; }
}
box_imposta() { menu 9 o && aspetta 10 attiva Imposta; }
box_aggiungi() {
    xdotool key ctrl+i
    aspetta 10 attiva Aggiungi || return 1
    xdotool type 3; xdotool key Tab; xdotool type 0; xdotool key Return
    aspetta 10 attiva "Immissione denominatore"
}
invio() { xdotool key Return; }
# The message closed, then the dialog under it.
invio_ed_esc() {
    xdotool key Return
    aspetta 10 attiva Aggiungi || return 1
    xdotool key Escape
    aspetta 10 assente Aggiungi
}

# A box of the main window: an information from the Imposta menu.
caso_ordine_box_principale() {
    tre_in_un_ordine || return 1
    intorno_al_box box_imposta invio
}

# A modal dialog of the main window, with a box over it (a zero denominator
# refused): once both are gone the order is the one before.
caso_ordine_dialogo_principale() {
    tre_in_un_ordine || return 1
    intorno_al_box box_aggiungi invio_ed_esc
}

# A box of a service window: the exercise window, on top with the keyboard
# over two others in the pupil's order, has both again after its message.
caso_ordine_box_servizio() {
    apri_servizio 8 l "Rappresentazione lineare" 60 420 || return 1
    apri_servizio 8 p "Rappresentazione poligonale" 200 480 || return 1
    apri_servizio 7 n "Frazione di un numero intero" 340 540 || return 1
    clic_sul_titolo "$(finestra "Rappresentazione lineare")" || return 1
    clic_sul_titolo "$(finestra "Frazione di un numero intero")" || return 1
    in_ordine Zefra "Rappresentazione poligonale" "Rappresentazione lineare" "Frazione di un numero intero" || return 1
    intorno_al_box sbaglia_frazione invio
}
sbaglia_frazione() {
    xdotool type 7; xdotool key Return
    aspetta 10 attiva "Frazione di un numero"
}

# A paste by the middle button of a text past the notes' bounds (two million
# short lines in the X selection) is refused with its message under
# "Incolla", and the notes keep what was typed: the saved notes hold it alone.
caso_incolla_col_tasto_centrale() {
    local nome p X Y selezione
    nome="$(applicazione)"
    p="$(figlio "$nome" /org/a11y/atspi/accessible/root "Apre/chiude appunti|check box" 4)" &&
        spi --dest "$nome" --object-path "$p" --method org.a11y.atspi.Action.DoAction 0 >/dev/null &&
        aspetta 10 figlio "$nome" /org/a11y/atspi/accessible/root "Foglio appunti|frame" 3 >/dev/null &&
        p="$(figlio "$nome" "$(figlio "$nome" /org/a11y/atspi/accessible/root "Foglio appunti|frame" 3)" "|text" 2)" ||
        { echo "  no notes box"; return 1; }
    read -r X Y < <(spi --dest "$nome" --object-path "$p" --method org.a11y.atspi.Component.GetExtents 0 |
        tr -dc '0-9, ' | awk -F', *' '{ print $1 + 20, $2 + 20 }')
    xdotool mousemove "$X" "$Y" click 1
    xdotool type ciao
    seq 2000000 >"$lavoro/lungo.txt"
    xclip -quiet -selection primary -i "$lavoro/lungo.txt" >/dev/null 2>&1 &
    selezione=$!
    aspetta 10 sh -c 'xclip -o -selection primary -t TARGETS 2>/dev/null | grep -q STRING' || { kill "$selezione"; return 1; }
    xdotool mousemove "$X" "$Y" click 2
    aspetta 20 attiva Incolla || { kill "$selezione"; echo "  no refusal"; return 1; }
    kill "$selezione"
    xdotool key Return
    aspetta 10 assente Incolla || return 1
    salvato_come "1 3 4 1 12 0" || return 1
    grep -q ciao "$lavoro/quaderno.rtf" && [ "$(stat -c %s "$lavoro/quaderno.rtf")" -lt 4000 ] ||
        { echo "  notes saved: $(head -c 300 "$lavoro/quaderno.rtf")"; return 1; }
}

# The About window asked for while a box is open, whatever the box: the
# dialogs (which bring the main window forward as they close), a message
# and a question. Once the box has closed with Escape, the About window
# stands over the windows it was asked over, in their order, with the
# keyboard; a key on it takes it away, and the order and the keyboard are
# the ones before.
caso_informazioni_sopra_i_box() {
    local apri prima tastiera box informazioni attesa
    # A change, so that Esci asks its question.
    xdotool key ctrl+i
    aspetta 10 attiva Aggiungi || return 1
    xdotool type 1; xdotool key Tab; xdotool type 2; xdotool key Return
    aspetta 10 assente Aggiungi || return 1
    apri_servizio 8 l "Rappresentazione lineare" 60 420 || return 1
    clic_sul_titolo "$(principale)" || return 1
    for apri in box_moltiplica box_termini box_valore_decimale box_imposta box_esci; do
        prima="$(pila)" tastiera="$(attiva_id)"
        "$apri" || { echo "  $apri: no box"; return 1; }
        box="$(attiva_id)"
        voce 10 Informazioni || return 1
        aspetta 10 nuova_finestra "$prima $box" >/dev/null || { echo "  $apri: no About window"; return 1; }
        informazioni="$(nuova_finestra "$prima $box")"
        xdotool key Escape
        # Over the main window, under the service window that stays top-most.
        attesa="$(echo "$prima" | sed "s/^$tastiera /$tastiera $informazioni /")"
        aspetta 10 pila_uguale "$attesa" || { echo "  $apri: $(titoli "$(pila)")"; return 1; }
        aspetta 10 sh -c "[ \"\$(xprop -root _NET_ACTIVE_WINDOW | sed 's/.*# *//')\" = $(printf '0x%x' "$informazioni") ]" ||
            { echo "  $apri: the keyboard is in $(titoli "$(attiva_id)")"; return 1; }
        xdotool key Escape
        aspetta 10 pila_uguale "$prima" || { echo "  $apri, after: $(titoli "$(pila)")"; return 1; }
        aspetta 10 sh -c "[ \"\$(xprop -root _NET_ACTIVE_WINDOW | sed 's/.*# *//')\" = $(printf '0x%x' "$tastiera") ]" ||
            { echo "  $apri, after: the keyboard is in $(titoli "$(attiva_id)")"; return 1; }
    done
}
# The program's first window in the stack that is not among the given ones.
nuova_finestra() {
    local w
    for w in $(pila); do case " $1 " in *" $w "*) ;; *) echo "$w"; return 0 ;; esac; done
    return 1
}
box_moltiplica() { xdotool key ctrl+F1; aspetta 10 attiva Moltiplica; }
box_termini() { xdotool key ctrl+i; aspetta 10 attiva Aggiungi; }
box_valore_decimale() { menu 3 a d && aspetta 10 attiva Aggiungi; }
box_esci() { menu 0 e && aspetta 10 attiva Esci; }

passati=0 falliti=0
resoconto="$lavoro/caso.txt"
casi=(caso_frazione_di_un_numero caso_divisione caso_aggiungi caso_rappresentazione_ridotta
      caso_domanda_uscita caso_costruttore_e_tavola caso_dialogo_ridotto
      caso_ordine_box_principale caso_ordine_dialogo_principale caso_ordine_box_servizio
      caso_informazioni_sopra_i_box caso_incolla_col_tasto_centrale)
[ $# -gt 1 ] && casi=("${@:2}")
for caso in "${casi[@]}"; do
    esito=0
    { avvia && "$caso"; } >"$resoconto" 2>&1 || esito=1
    if [ "$esito" -ne 0 ]; then
        for w in $(xdotool search --onlyvisible --name . 2>/dev/null); do
            echo "  mapped: $(xdotool getwindowname "$w")"
        done >>"$resoconto"
        echo "  active: $(xdotool getactivewindow getwindowname 2>/dev/null)" >>"$resoconto"
    fi
    # How the program ended counts in every case.
    chiudi >>"$resoconto" 2>&1 || esito=1
    pulito >>"$resoconto" 2>&1 || esito=1
    if [ "$esito" -eq 0 ]; then
        echo "ok     $caso"
        passati=$((passati + 1))
    else
        echo "FAILED $caso"
        cat "$resoconto"
        falliti=$((falliti + 1))
    fi
done
echo "$passati passed, $falliti failed"
[ "$falliti" -eq 0 ]
