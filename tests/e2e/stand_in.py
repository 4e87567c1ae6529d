#!/usr/bin/python3
# Stand-ins for the desktop's services, on the session bus they are given, each appending what it
# is asked to a log file, which it makes once it serves:
# - portal, logind: what holds a session awake, the desktop portal's Inhibit or logind's (whose
#   descriptor is the hold): "held REASON" and "released REASON", a release being a Close of the
#   portal's request or the last copy of logind's descriptor closing; the portal's flags come
#   before each hold as "flags N";
# - power: KDE's power manager: "scheduled SERVICE PATH SECONDS COOKIE" and "cleared COOKIE";
# - notifications: a notification server: "notify ID APP SUMMARY|BODY|ACTIONS|urgency=N" and
#   "closed ID". The test clicks an action with stand.in.Click(ID, KEY), which the server reports
#   as its own ActionInvoked;
# - phone: a phone's player as GSConnect bridges it, paused on a track: "told Play".
# With STAND_IN_DELAY set, a hold and a wake-up are granted at once but answered that many seconds
# late, as by a busy service.
#   stand_in.py portal|logind|power|notifications|phone LOGFILE
import itertools
import os
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

kind = sys.argv[1]
DBusGMainLoop(set_as_default=True)
bus = dbus.SessionBus()
numbers = itertools.count(1)
holds = {}  # the portal's request path, or logind's descriptor -> reason
delay_ms = int(float(os.environ.get("STAND_IN_DELAY", "0")) * 1000)

answer = lambda reply, value: GLib.timeout_add(delay_ms, lambda: reply(value) and False)


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
    @dbus.service.method("org.freedesktop.portal.Inhibit", "sua{sv}", "o",
                         async_callbacks=("reply", "error"))
    def Inhibit(self, window, flags, options, reply, error):
        path = f"/request/{next(numbers)}"
        log.write(f"flags {flags}\n")
        hold(path, options.get("reason", ""))
        answer(reply, dbus.ObjectPath("/org/freedesktop/portal/desktop" + path))

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


class PowerManagement(dbus.service.Object):
    @dbus.service.method("org.kde.Solid.PowerManagement", "sot", "u",
                         async_callbacks=("reply", "error"))
    def scheduleWakeup(self, service, path, seconds, reply, error):
        cookie = next(numbers)
        log.write(f"scheduled {service} {path} {seconds} {cookie}\n")
        answer(reply, dbus.UInt32(cookie))

    @dbus.service.method("org.kde.Solid.PowerManagement", "i", "")
    def clearWakeup(self, cookie):
        log.write(f"cleared {cookie}\n")


class Notifications(dbus.service.Object):
    @dbus.service.method("org.freedesktop.Notifications", "susssasa{sv}i", "u")
    def Notify(self, app, replaces, icon, summary, body, actions, hints, timeout):
        number = next(numbers)
        urgency = int(hints.get("urgency", 1))
        log.write(f"notify {number} {app} {summary}|{body}|{','.join(actions)}|urgency={urgency}\n")
        return number

    @dbus.service.method("org.freedesktop.Notifications", "u", "")
    def CloseNotification(self, number):
        log.write(f"closed {number}\n")

    @dbus.service.signal("org.freedesktop.Notifications", "us")
    def ActionInvoked(self, number, key):
        pass

    @dbus.service.method("stand.in", "us", "")
    def Click(self, number, key):
        self.ActionInvoked(number, key)


class PhonePlayer(dbus.service.Object):
    PLAYER = "org.mpris.MediaPlayer2.Player"

    @dbus.service.method("org.freedesktop.DBus.Properties", "s", "a{sv}")
    def GetAll(self, interface):
        track = dbus.Dictionary({"xesam:title": "A song on the phone"}, signature="sv")
        return dbus.Dictionary({"PlaybackStatus": "Paused", "CanPlay": True, "Metadata": track}
                               if interface == self.PLAYER else {}, signature="sv")

    @dbus.service.method(PLAYER, "", "")
    def Play(self):
        log.write("told Play\n")


service, path, served = {
    "portal": ("org.freedesktop.portal.Desktop", "/org/freedesktop/portal/desktop", Portal),
    "logind": ("org.freedesktop.login1", "/org/freedesktop/login1", Logind),
    "power": ("org.kde.Solid.PowerManagement", "/org/kde/Solid/PowerManagement", PowerManagement),
    "notifications": ("org.freedesktop.Notifications", "/org/freedesktop/Notifications",
                      Notifications),
    "phone": ("org.mpris.MediaPlayer2.GSConnect.PhonePlayer", "/org/mpris/MediaPlayer2",
              PhonePlayer),
}[kind]
name = dbus.service.BusName(service, bus)
served(bus, path)
log = open(sys.argv[2], "a", buffering=1)  # made once the service answers, which the test awaits
GLib.MainLoop().run()
