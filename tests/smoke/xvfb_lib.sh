# Shared by the scripts that run the program in a virtual display (sourced inside it).
# Until the program's message loop runs, as its log says; at most ten seconds.
wait_started() {  # log file
  for _ in $(seq 50); do grep -q 'Execute; while' "$1" 2>/dev/null && return; sleep 0.2; done
}
# Until the program has ended, at most ten seconds; its exit status into the file.
wait_ended() {  # pid, status file
  for _ in $(seq 50); do kill -0 "$1" 2>/dev/null || break; sleep 0.2; done
  wait "$1"
  echo $? > "$2"
}
