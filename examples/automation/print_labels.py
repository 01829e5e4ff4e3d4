#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Prints labels through Zentaprint's LabelEngine on the session bus.

    python3 print_labels.py LABEL.zp3 [COUNT]

The bus starts Zentaprint for the call when it is registered
(zentaprint -regserver) and no instance serves the name yet.
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
        props.Set(INTERFACE, "StartLabel", dbus.Int32(1))
        props.Set(INTERFACE, "Copies", dbus.Int32(1))
        props.Set(INTERFACE, "TotalLabels", dbus.Int32(count))
        # Printing many labels takes longer than D-Bus's default 25 seconds.
        labels.PrintLabels(timeout=3600)
    except dbus.exceptions.DBusException as error:
        # Every failure comes back as Zentap3.LabelEngine.Error with the message.
        sys.exit(f"zentaprint: {error.get_dbus_message()}")
    print(f"printed {count} labels of {label}")


if __name__ == "__main__":
    main()
