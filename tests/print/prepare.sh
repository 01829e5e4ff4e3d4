#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Prepares the print server for the printing tests: starts cupsd when it is not
# running and adds the queue "ZentaprintTest", a cups-pdf queue whose PDF files
# land in /var/spool/zentaprint-cups-pdf/<user>/ (its own configuration file, so
# the machine's other cups-pdf queues keep theirs). Installs nothing. Runs as
# root or through sudo when that asks no password; otherwise nothing is changed
# and the test skips (or fails under CI) with a reason.
set -uo pipefail
PATH="$PATH:/usr/sbin:/sbin"
# lpstat's answers are matched as text, and CUPS translates them.
export LC_ALL=C

QUEUE=ZentaprintTest
INSTANCE=zentaprint
OUT_ROOT=/var/spool/zentaprint-cups-pdf
PPD=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd

say() { echo "print: $*"; }

scheduler_running() { lpstat -r 2>/dev/null | grep -q "scheduler is running"; }

if [ "$(id -u)" -eq 0 ]; then
    as_root() { "$@"; }
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
    as_root() { sudo -n "$@"; }
else
    say "not root and no password-less sudo: the print server is left as it is"
    exit 0
fi
for tool in cupsd lpadmin lpstat; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        say "$tool is missing (./zp deps installs it)"
        exit 0
    fi
done
if [ ! -f "$PPD" ]; then
    say "the cups-pdf driver is missing (./zp deps installs it)"
    exit 0
fi

if ! scheduler_running; then
    say "starting cupsd"
    as_root cupsd || say "cupsd did not start"
    for _ in $(seq 1 50); do
        scheduler_running && break
        sleep 0.2
    done
fi
if ! scheduler_running; then
    say "the print server is not running"
    exit 0
fi

as_root mkdir -p "$OUT_ROOT"
as_root chmod 0755 "$OUT_ROOT"
as_root tee "/etc/cups/cups-pdf-$INSTANCE.conf" >/dev/null <<CONF
Out $OUT_ROOT/\${USER}
AnonDirName $OUT_ROOT/ANONYMOUS
Label 0
TitlePref 1
CONF

if ! lpstat -v "$QUEUE" >/dev/null 2>&1; then
    say "adding the queue $QUEUE"
    as_root lpadmin -p "$QUEUE" -E -v "cups-pdf:/$INSTANCE" -P "$PPD" -o printer-error-policy=abort-job || {
        say "the queue $QUEUE could not be added"
        exit 0
    }
fi
as_root cupsenable "$QUEUE" 2>/dev/null || true
as_root cupsaccept "$QUEUE" 2>/dev/null || true
say "queue $QUEUE ready, output in $OUT_ROOT"
