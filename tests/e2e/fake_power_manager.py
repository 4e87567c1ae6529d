#!/usr/bin/python3
# A stand-in for KDE's power manager on the session bus: answers scheduleWakeup with a new cookie
# and takes clearWakeup, appending "scheduled SERVICE PATH SECONDS COOKIE" and "cleared COOKIE" to
# a log file.
#   fake_power_manager.py LOGFILE
import itertools
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

log = open(sys.argv[1], "a", buffering=1)
DBusGMainLoop(set_as_default=True)
bus = dbus.SessionBus()
cookies = itertools.count(1)
interface = "org.kde.Solid.PowerManagement"


class PowerManagement(dbus.service.Object):
    @dbus.service.method(interface, "sot", "u")
    def scheduleWakeup(self, service, path, seconds):
        cookie = next(cookies)
        log.write(f"scheduled {service} {path} {seconds} {cookie}\n")
        return cookie

    @dbus.service.method(interface, "i", "")
    def clearWakeup(self, cookie):
        log.write(f"cleared {cookie}\n")


name = dbus.service.BusName(interface, bus)
PowerManagement(bus, "/org/kde/Solid/PowerManagement")
GLib.MainLoop().run()
