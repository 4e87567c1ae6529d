#!/usr/bin/python3
# A stand-in StatusNotifierItem host for tests: owns org.kde.StatusNotifierWatcher, says a host is
# registered, and prints the service of every item that registers, one a line.
import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

WATCHER = "org.kde.StatusNotifierWatcher"


class Watcher(dbus.service.Object):
    @dbus.service.method(WATCHER, "s", "", sender_keyword="sender")
    def RegisterStatusNotifierItem(self, item, sender):
        print(sender if item.startswith("/") else item, flush=True)

    @dbus.service.method(dbus.PROPERTIES_IFACE, "ss", "v")
    def Get(self, interface, name):  # IsStatusNotifierHostRegistered, all Qt reads
        return True

    # Qt reads the host's properties through an introspected interface.
    @dbus.service.method(dbus.INTROSPECTABLE_IFACE, "", "s")
    def Introspect(self):
        return (f'<node><interface name="{WATCHER}"><method name="RegisterStatusNotifierItem">'
                '<arg type="s" direction="in"/></method><property type="b" access="read" '
                'name="IsStatusNotifierHostRegistered"/></interface></node>')


DBusGMainLoop(set_as_default=True)
bus = dbus.SessionBus()
name = dbus.service.BusName(WATCHER, bus)
Watcher(bus, "/StatusNotifierWatcher")
GLib.MainLoop().run()
