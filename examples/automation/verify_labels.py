#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Reads every bar code of a label's run back through Zentaprint's LabelEngine,
without printing, and shows the report.

    python3 verify_labels.py LABEL.zp3 [COUNT]

Exits with status 1 when a symbol could not be read back.
"""
import os
import sys

import dbus

SERVICE = "Zentap3.LabelEngine"
INTERFACE = "Zentap3.ILabelEngine"


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    label = os.path.abspath(sys.argv[1])
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 1

    bus = dbus.SessionBus()
    engine = bus.get_object(SERVICE, "/LabelEngine")
    props = dbus.Interface(engine, "org.freedesktop.DBus.Properties")
    labels = dbus.Interface(engine, INTERFACE)
    try:
        props.Set(INTERFACE, "Filename", label)
        props.Set(INTERFACE, "TotalLabels", dbus.Int32(count))
        # A long run takes longer than D-Bus's default 25 seconds.
        report = labels.VerifyLabels(timeout=3600)
    except dbus.exceptions.DBusException as error:
        sys.exit(f"zentaprint: {error.get_dbus_message()}")
    print(report, end="")
    failed = any(line.endswith(": FAILED") or ": FAILED (" in line for line in report.splitlines())
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
