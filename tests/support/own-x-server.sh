# Sourced by the scripts that run tests on a screen of their own: starts an
# X server (Xvfb) with the screen that x_screen names (WIDTHxHEIGHTxDEPTH),
# exports DISPLAY, and on exit stops it and every process the caller added
# to x_children before it.
x_folder=$(mktemp -d)
x_children=
stop_x_server() {
    for pid in $x_children; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$x_folder"
}
trap stop_x_server EXIT
Xvfb -displayfd 3 -nolisten tcp -screen 0 "$x_screen" 3>"$x_folder/display" 2>/dev/null &
x_children=$!
for _ in $(seq 100); do [ -s "$x_folder/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$x_folder/display")"
