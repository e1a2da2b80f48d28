# SPDX-FileCopyrightText: The Hushvault developers
# SPDX-License-Identifier: GPL-3.0-or-later

'''A KDE Connect daemon for the SMS tests: paired devices, each reachable or not and with
or without the SMS plugin, as the daemon and its devices show them on the session bus, and
a control interface for the tests.

Parameter "devices": a list of {"id", "reachable" (default true), "paired" (default true),
"sms" (default true: the device has the plugin kdeconnect_sms)}, in the daemon's order.
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
    mock.ids = []
    mock.AddMethods(MAIN_IFACE, [
        ('devices', 'bb', 'as',
         lambda obj, reachable, paired: _devices(mock, bool(reachable), bool(paired))),
    ])
    for device in parameters.get('devices', []):
        _add(mock, str(device['id']), bool(device.get('reachable', True)),
             bool(device.get('paired', True)), bool(device.get('sms', True)))


def _device(device_id):
    return mockobject.objects[f'{MAIN_OBJ}/devices/{device_id}']


def _add(mock, device_id, reachable, paired, sms):
    path = f'{MAIN_OBJ}/devices/{device_id}'
    plugins = ['kdeconnect_ping'] + (['kdeconnect_sms'] if sms else [])
    mock.AddObject(path, DEVICE_IFACE, {
        'name': dbus.String(device_id, variant_level=1),
        'isReachable': dbus.Boolean(reachable, variant_level=1),
        'isPaired': dbus.Boolean(paired, variant_level=1),
    }, [('hasPlugin', 's', 'b', lambda obj, name: dbus.Boolean(str(name) in plugins))])
    mock.ids.append(device_id)


def _devices(mock, reachable_only, paired_only):
    found = []
    for device_id in mock.ids:
        properties = _device(device_id).props[DEVICE_IFACE]
        if reachable_only and not properties['isReachable']:
            continue
        if paired_only and not properties['isPaired']:
            continue
        found.append(device_id)
    return dbus.Array(found, signature='s')


@dbus.service.method(CONTROL_IFACE, in_signature='sb', out_signature='')
def SetReachable(self, device_id, reachable):
    device = _device(device_id)
    device.props[DEVICE_IFACE]['isReachable'] = dbus.Boolean(reachable, variant_level=1)
    device.EmitSignal(DEVICE_IFACE, 'reachableChanged', 'b', [dbus.Boolean(reachable)])
    self.EmitSignal(MAIN_IFACE, 'deviceVisibilityChanged', 'sb',
                    [dbus.String(device_id), dbus.Boolean(reachable)])
