#!/usr/bin/env bash
# Runs the played program with a PulseAudio server on a null sink when one can
# be started, so that its sounds really go through the audio stack; without
# one, the program plays as on a machine without audio.
set -u
program="$1"
runtime="$(mktemp -d)"
chmod 700 "$runtime"
pulse_pid=""
if command -v pulseaudio >/dev/null 2>&1; then
  XDG_RUNTIME_DIR="$runtime" HOME="$runtime" pulseaudio --daemonize=no --exit-idle-time=-1 -n \
    --load="module-null-sink" --load="module-native-protocol-unix socket=$runtime/native auth-anonymous=1" \
    --log-level=error >/dev/null 2>&1 &
  pulse_pid=$!
  for _ in $(seq 50); do [ -S "$runtime/native" ] && break; sleep 0.1; done
  if [ -S "$runtime/native" ]; then
    export PULSE_SERVER="unix:$runtime/native"
    echo "sound through a PulseAudio null sink"
  else
    echo "no PulseAudio server: playing without audio"
  fi
fi
XDG_RUNTIME_DIR="$runtime" "$program" "${@:2}"
status=$?
[ -n "$pulse_pid" ] && kill "$pulse_pid" 2>/dev/null && wait "$pulse_pid" 2>/dev/null
rm -rf "$runtime"
echo "exit status $status"
exit "$status"
