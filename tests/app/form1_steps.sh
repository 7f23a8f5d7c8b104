# Sourced by steps on the COM program's main window with X11_WINDOW WINDOW:
# links COM1 to the simulated device PELNOR_TEST_DEVICE and gives the
# button centres, click X Y (in the client area, which lies below the menu
# bar), wait_for TEXT FILE, wait_for_count N TEXT FILE and
# dismiss_information.
x11_window=$1
window=$2
mkdir -p "$XDG_CONFIG_HOME/pelnor/dosdevices"
ln -s "$PELNOR_TEST_DEVICE" "$XDG_CONFIG_HOME/pelnor/dosdevices/com1"

client_height=418
com_port_text=(118 26)
open_port=(236 26)
close_port=(333 26)
read_config=(436 26)
eval "$(xdotool getwindowgeometry --shell "$window")"
menu=$((HEIGHT - client_height))
click() { xdotool mousemove --window "$window" "$1" "$((menu + $2))" click 1; }

# Waits until FILE holds N lines with TEXT.
wait_for_count() {
  for _ in $(seq 200); do
    [ "$(grep -cF "$2" "$3")" -ge "$1" ] && return 0
    sleep 0.1
  done
  echo "fewer than $1 lines \"$2\" in $3"
  return 1
}

wait_for() { wait_for_count 1 "$1" "$2"; }

# Waits for the information box and closes it with Return.
dismiss_information() {
  local box
  box=$("$x11_window" wait "Information")
  xdotool mousemove --window "$box" 20 20 key Return
  "$x11_window" gone "Information"
}
