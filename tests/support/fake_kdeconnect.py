# SPDX-FileCopyrightText: The Hushvault developers
# SPDX-License-Identifier: GPL-3.0-or-later

'''A KDE Connect daemon for the SMS tests: paired devices, each reachable or not and with
or without the SMS plugin, as the daemon and its devices show them on the session bus, and
a control interface for the tests.

Parameter "devices": a list of {"id", "reachable" (default true), "sms" (default true: the
device has the plugin kdeconnect_sms)}, in the daemon's order. Every device is paired.
'''
import dbus
from dbusmock import mockobject

BUS_NAME = 'org.kde.kdeconnect'
MAIN_OBJ = '/modules/kdeconnect'
MAIN_IFACE = 'org.kde.kdeconnect.daemon'
SYSTEM_BUS = False

DEVICE_IFACE = 'org.kde.kdeconnect.device'
CONTROL_IFACE = 'org.hushvault.FakeKdeConnect'


def load(mock, parameters):
    ids = [str(device['id']) for device in parameters.get('devices', [])]
    mock.AddMethods(MAIN_IFACE, [
        ('devices', 'bb', 'as', lambda obj, reachable_only, paired_only: dbus.Array(
            [i for i in ids if not reachable_only or _device(i).props[DEVICE_IFACE]['isReachable']],
            signature='s')),
    ])
    for device in parameters.get('devices', []):
        plugins = ['kdeconnect_ping'] + (['kdeconnect_sms'] if device.get('sms', True) else [])
        reachable = dbus.Boolean(device.get('reachable', True), variant_level=1)
        mock.AddObject(f'{MAIN_OBJ}/devices/{device["id"]}', DEVICE_IFACE,
                       {'isReachable': reachable},
                       [('hasPlugin', 's', 'b',
                         lambda obj, name, plugins=plugins: dbus.Boolean(str(name) in plugins))])


def _device(device_id):
    return mockobject.objects[f'{MAIN_OBJ}/devices/{device_id}']


@dbus.service.method(CONTROL_IFACE, in_signature='sb', out_signature='')
def SetReachable(self, device_id, reachable):
    device = _device(device_id)
    device.props[DEVICE_IFACE]['isReachable'] = dbus.Boolean(reachable, variant_level=1)
    device.EmitSignal(DEVICE_IFACE, 'reachableChanged', 'b', [dbus.Boolean(reachable)])
    self.EmitSignal(MAIN_IFACE, 'deviceVisibilityChanged', 'sb',
                    [dbus.String(device_id), dbus.Boolean(reachable)])
