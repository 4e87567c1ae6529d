#!/usr/bin/python3
# A stand-in for what holds a session awake, on the session bus it is given: the desktop portal's
# Inhibit (portal) or logind's (logind, whose descriptor is the hold). Appends "held REASON" and
# "released REASON" to a log file, a release being a Close of the portal's request or the last
# copy of logind's descriptor closing; the portal's flags come before each hold as "flags N".
#   fake_inhibitor.py portal|logind LOGFILE
import itertools
import os
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

kind, log = sys.argv[1], open(sys.argv[2], "a", buffering=1)
DBusGMainLoop(set_as_default=True)
bus = dbus.SessionBus()
requests = itertools.count(1)
holds = {}  # the portal's request path, or logind's descriptor -> reason


def hold(key, reason):
    holds[key] = reason
    log.write(f"held {reason}\n")


def release(key):
    if key in holds:
        log.write(f"released {holds.pop(key)}\n")


def closed(fd, _condition):  # the last copy of logind's descriptor is gone
    release(fd)
    os.close(fd)
    return False


class Portal(dbus.service.FallbackObject):
    @dbus.service.method("org.freedesktop.portal.Inhibit", "sua{sv}", "o")
    def Inhibit(self, window, flags, options):
        path = f"/request/{next(requests)}"
        log.write(f"flags {flags}\n")
        hold(path, options.get("reason", ""))
        return "/org/freedesktop/portal/desktop" + path

    @dbus.service.method("org.freedesktop.portal.Request", "", "", rel_path_keyword="path")
    def Close(self, path):
        release(path)


class Logind(dbus.service.Object):
    @dbus.service.method("org.freedesktop.login1.Manager", "ssss", "h")
    def Inhibit(self, what, who, why, mode):
        ends = os.pipe()
        hold(ends[0], why)
        GLib.io_add_watch(ends[0], GLib.IO_HUP, closed)
        held = dbus.types.UnixFd(ends[1])
        os.close(ends[1])
        return held


if kind == "portal":
    name = dbus.service.BusName("org.freedesktop.portal.Desktop", bus)
    Portal(bus, "/org/freedesktop/portal/desktop")
else:
    name = dbus.service.BusName("org.freedesktop.login1", bus)
    Logind(bus, "/org/freedesktop/login1")
GLib.MainLoop().run()
