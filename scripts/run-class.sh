#!/usr/bin/env bash
# A live class on this machine: the development server on free loopback ports, and Brivane and
# Cortelle started from a run directory whose config_teacher.ini points at it. The server stops
# when both programs have ended.
#   scripts/run-class.sh [BUILD_DIR]      (default: build; `make run` passes it)
#
# Everything lands in ./run: the programs' copies and their config in run/bin, the grades the
# course office uploads in run/state, the server's log in run/devserver.log, and every letter the
# course office mails in run/mail, a Maildir kept by an aiosmtpd mail sink on a free loopback port.
# A config_teacher.ini beside the programs in the build directory is never read or changed.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-build}
[[ $build = /* ]] || build=$root/$build
run=$root/run

if [[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} ]]; then
  echo "make run needs a desktop: Brivane and Cortelle are window programs, and neither DISPLAY" >&2
  echo "nor WAYLAND_DISPLAY is set. Run it from a desktop session (or ssh -X)." >&2
  exit 1
fi

server=$build/bin/quillon-devserver
if [[ ! -x $server ]]; then
  echo "$server is missing: build first (make build)." >&2
  exit 1
fi
programs=()
for program in brivane cortelle; do
  if [[ -x $build/bin/$program ]]; then
    programs+=("$program")
  else
    echo "Note: $build/bin/$program is not built; starting the class without it." >&2
  fi
done
if [[ ${#programs[@]} -eq 0 ]]; then
  echo "Neither brivane nor cortelle is built in $build/bin: nothing to start." >&2
  exit 1
fi

# run/mail is a Maildir: aiosmtpd creates its three folders only when run/mail itself is new.
mkdir -p "$run/bin" "$run/state" "$run/mail/cur" "$run/mail/new" "$run/mail/tmp"
rm -f "$run/ports"

server_pid=
mail_pid=
program_pids=()
stop() {
  local pid
  for pid in "${program_pids[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  if [[ -n $mail_pid ]]; then
    kill -TERM "$mail_pid" 2>/dev/null || true
    wait "$mail_pid" 2>/dev/null || true
    mail_pid=
  fi
  if [[ -n $server_pid ]]; then
    kill -TERM "$server_pid" 2>/dev/null || true
    wait "$server_pid" 2>/dev/null || true
    server_pid=
  fi
}
trap stop EXIT
trap 'exit 130' INT TERM

"$server" --name-port 0 --comm-port 0 --port-file "$run/ports" --data "$root/devserver/data" \
  --state "$run/state" >"$run/devserver.log" 2>&1 &
server_pid=$!

for _ in $(seq 100); do
  [[ -s $run/ports ]] && break
  if ! kill -0 "$server_pid" 2>/dev/null; then
    echo "The development server did not start:" >&2
    cat "$run/devserver.log" >&2
    exit 1
  fi
  sleep 0.1
done
if [[ ! -s $run/ports ]]; then
  echo "The development server did not report its ports; see $run/devserver.log" >&2
  exit 1
fi
name_port=$(sed -n 's/^NAME_PORT=//p' "$run/ports")
web_port=$(sed -n 's/^WEB_PORT=//p' "$run/ports")

# The mail sink: Debian's Python (python3 on PATH may lack Debian's modules) with aiosmtpd's own
# Maildir handler; each letter becomes one file under run/mail/new.
python=/usr/bin/python3
mail_port=$("$python" -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
"$python" -m aiosmtpd -n -l "127.0.0.1:$mail_port" -c aiosmtpd.handlers.Mailbox "$run/mail" \
  >"$run/mail.log" 2>&1 &
mail_pid=$!
mail_up=
for _ in $(seq 100); do
  if (exec 3<>"/dev/tcp/127.0.0.1/$mail_port") 2>/dev/null; then
    mail_up=1
    break
  fi
  if ! kill -0 "$mail_pid" 2>/dev/null; then
    break
  fi
  sleep 0.1
done
if [[ -z $mail_up ]]; then
  echo "The mail sink did not start (is python3-aiosmtpd installed?):" >&2
  cat "$run/mail.log" >&2
  exit 1
fi

# Copies, not symbolic links: the programs find config_teacher.ini beside their executable,
# and the executable's directory is where the link resolves to.
for program in "${programs[@]}"; do
  cp -f "$build/bin/$program" "$run/bin/$program"
done
# The console's web view plugin, where the programs look for it: lib/quillon beside bin.
mkdir -p "$run/lib/quillon"
cp -f "$build/lib/quillon/libquillon_webview.so" "$run/lib/quillon/"
cat >"$run/bin/config_teacher.ini" <<EOF
; Written by scripts/run-class.sh for the development server; rewritten on every run.
[NameServer]
Host=127.0.0.1
Port=$name_port

; The mail sink of this run: every letter lands in run/mail/new.
[SMTP]
Server=127.0.0.1
Port=$mail_port

[Teacher]
Name=Ann Lee
Email=ann.lee@quillon.test

; The console's course main page: the development server's course site.
[Course]
MainPage=http://127.0.0.1:$web_port/
EOF

# Qt WebEngine refuses to run as root with its sandbox on.
if [[ $(id -u) -eq 0 ]]; then
  export QTWEBENGINE_DISABLE_SANDBOX=1
fi

cat <<EOF
Development server on 127.0.0.1:$name_port (log: run/devserver.log, grades: run/state).
Course site on http://127.0.0.1:$web_port/ (the console's Web Browser page starts there).
Mail sink on 127.0.0.1:$mail_port: the course office's letters land in run/mail/new (see README).
Sign in as Ann Lee with the password quillon (Algebra I, World History),
or as René Dubois with an empty password (Biologie générale, World History).
EOF

for program in "${programs[@]}"; do
  (cd "$run/bin" && exec "./$program") &
  program_pids+=($!)
done
for pid in "${program_pids[@]}"; do
  wait "$pid" || true
done
program_pids=()
echo "Programs ended; stopping the development server and the mail sink."
