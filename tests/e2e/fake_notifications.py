#!/usr/bin/python3
# A stand-in notification server on the session bus: answers Notify with a new number and takes
# CloseNotification, appending "notify ID APP SUMMARY|BODY|ACTIONS|urgency=N" and "closed ID" to
# a log file. The test sends ActionInvoked itself.
#   fake_notifications.py LOGFILE
import itertools
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

log = open(sys.argv[1], "a", buffering=1)
DBusGMainLoop(set_as_default=True)
bus = dbus.SessionBus()
numbers = itertools.count(1)
interface = "org.freedesktop.Notifications"


class Notifications(dbus.service.Object):
    @dbus.service.method(interface, "susssasa{sv}i", "u")
    def Notify(self, app, replaces, icon, summary, body, actions, hints, timeout):
        number = next(numbers)
        urgency = int(hints.get("urgency", 1))
        log.write(f"notify {number} {app} {summary}|{body}|{','.join(actions)}|urgency={urgency}\n")
        return number

    @dbus.service.method(interface, "u", "")
    def CloseNotification(self, number):
        log.write(f"closed {number}\n")

    @dbus.service.method(interface, "", "as")
    def GetCapabilities(self):
        return ["actions", "body"]

    @dbus.service.method(interface, "", "ssss")
    def GetServerInformation(self):
        return ["stand-in", "DawnQuill tests", "1", "1.2"]


name = dbus.service.BusName(interface, bus)
Notifications(bus, "/org/freedesktop/Notifications")
GLib.MainLoop().run()
