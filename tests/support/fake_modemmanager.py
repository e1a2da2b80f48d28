'''A ModemManager for the SMS tests: modems with the Messaging interface, SMS objects
that record what they were asked to send, and a control interface for the tests.

Parameters: "modems" (how many at the start, default 1) and "outcome" of every send:
"ok" (default), "fail" (a D-Bus error) or "silent" (no reply for 5 s).
'''
import time

import dbus
from dbusmock import mockobject

BUS_NAME = 'org.freedesktop.ModemManager1'
MAIN_OBJ = '/org/freedesktop/ModemManager1'
MAIN_IFACE = 'org.freedesktop.ModemManager1'
SYSTEM_BUS = True
IS_OBJECT_MANAGER = True

MODEM_IFACE = 'org.freedesktop.ModemManager1.Modem'
MESSAGING_IFACE = 'org.freedesktop.ModemManager1.Modem.Messaging'
SMS_IFACE = 'org.freedesktop.ModemManager1.Sms'
CONTROL_IFACE = 'org.hushvault.FakeModemManager'


def load(mock, parameters):
    mock.sent = []
    mock.outcome = str(parameters.get('outcome', 'ok'))
    mock.next_modem = 0
    mock.next_sms = 0
    mock.AddMethods(MAIN_IFACE, [('ScanDevices', '', '', '')])
    for _ in range(int(parameters.get('modems', 1))):
        AddModem(mock)


def _create(manager, modem, properties):
    path = f'{MAIN_OBJ}/SMS/{manager.next_sms}'
    manager.next_sms += 1
    manager.AddObject(path, SMS_IFACE, {
        'Number': dbus.String(properties.get('number', ''), variant_level=1),
        'Text': dbus.String(properties.get('text', ''), variant_level=1),
        'State': dbus.UInt32(0, variant_level=1),
    }, [('Send', '', '', lambda sms: _send(manager, modem, sms))])
    return dbus.ObjectPath(path)


def _send(manager, modem, sms):
    properties = sms.props[SMS_IFACE]
    manager.sent.append((modem.__dbus_object_path__, str(properties['Number']),
                         str(properties['Text'])))
    if manager.outcome == 'fail':
        raise dbus.exceptions.DBusException('no network',
                                            name='org.freedesktop.ModemManager1.Error.Core.Failed')
    if manager.outcome == 'silent':
        time.sleep(5)


def _delete(manager, path):
    if str(path) in mockobject.objects:
        manager.RemoveObject(str(path))


@dbus.service.method(CONTROL_IFACE, in_signature='', out_signature='o')
def AddModem(self):
    path = f'{MAIN_OBJ}/Modem/{self.next_modem}'
    self.next_modem += 1
    self.AddObject(path, MODEM_IFACE, {'State': dbus.Int32(8, variant_level=1)}, [])
    modem = mockobject.objects[path]
    modem.AddProperties(MESSAGING_IFACE, {
        'Messages': dbus.Array([], signature='o', variant_level=1),
        'DefaultStorage': dbus.UInt32(0, variant_level=1),
    })
    modem.AddMethods(MESSAGING_IFACE, [
        ('Create', 'a{sv}', 'o', lambda obj, properties: _create(self, obj, properties)),
        ('Delete', 'o', '', lambda obj, sms: _delete(self, sms)),
    ])
    self.object_manager_emit_added(path)
    return dbus.ObjectPath(path)


@dbus.service.method(CONTROL_IFACE, in_signature='o', out_signature='')
def RemoveModem(self, path):
    self.object_manager_emit_removed(str(path))
    self.RemoveObject(str(path))


@dbus.service.method(CONTROL_IFACE, in_signature='s', out_signature='')
def SetOutcome(self, outcome):
    self.outcome = str(outcome)


@dbus.service.method(CONTROL_IFACE, in_signature='', out_signature='a(sss)')
def Sent(self):
    return dbus.Array(self.sent, signature='(sss)')


@dbus.service.method(CONTROL_IFACE, in_signature='', out_signature='ao')
def SmsObjects(self):
    return dbus.Array([dbus.ObjectPath(p) for p in mockobject.objects
                       if p.startswith(MAIN_OBJ + '/SMS/')], signature='o')
