# SPDX-FileCopyrightText: The Hushvault developers
# SPDX-License-Identifier: GPL-3.0-or-later

'''A ModemManager for the SMS tests: modems with the Messaging interface and a State,
SMS objects that record what they were asked to send, and a control interface for the
tests.

Parameters: "modems" (how many at the start, default 1), their "state" (ModemManager's
MMModemState, default 8: registered), the "outcome" of every send: "ok" (default), "fail"
(a D-Bus error) or "silent" (no reply for 5 s), and a slow start: the list of modems
(GetManagedObjects) answers only after "delay" seconds, for the first "delayed_calls" calls
(default: every call).

Received SMS come from AddSms, as the network would deliver them (Messaging.Added), and
may arrive in parts (State "receiving", then SetSmsState). Only what Hushvault reads is
there: no storage, timestamps or PDU types.
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
    mock.sent = []  # modem, number and text of each send, one after the other
    mock.outcome = str(parameters.get('outcome', 'ok'))
    mock.next_modem = 0
    mock.next_sms = 0
    mock.delay = float(parameters.get('delay', 0))
    mock.delayed_calls = int(parameters.get('delayed_calls', -1))
    mock.AddMethods('org.freedesktop.DBus.ObjectManager', [
        ('GetManagedObjects', '', 'a{oa{sa{sv}}}', lambda obj: _managed_objects(mock)),
    ])
    for _ in range(int(parameters.get('modems', 1))):
        AddModemInState(mock, int(parameters.get('state', 8)))


def _managed_objects(manager):
    if manager.delay and manager.delayed_calls != 0:
        manager.delayed_calls -= 1
        time.sleep(manager.delay)  # the whole fake waits, as a busy ModemManager does
    return {dbus.ObjectPath(path): obj.props for path, obj in mockobject.objects.items()
            if path.startswith(MAIN_OBJ + '/')}


def _add_sms(manager, number, text, state, methods):
    path = f'{MAIN_OBJ}/SMS/{manager.next_sms}'
    manager.next_sms += 1
    manager.AddObject(path, SMS_IFACE, {
        'Number': dbus.String(number, variant_level=1),
        'Text': dbus.String(text, variant_level=1),
        'State': dbus.UInt32(state, variant_level=1),
    }, methods)
    return dbus.ObjectPath(path)


def _create(manager, modem, properties):
    def send(sms):
        fields = sms.props[SMS_IFACE]
        manager.sent += [modem.__dbus_object_path__, str(fields['Number']), str(fields['Text'])]
        if manager.outcome == 'fail':
            raise dbus.exceptions.DBusException(
                'no network', name='org.freedesktop.ModemManager1.Error.Core.Failed')
        if manager.outcome == 'silent':
            time.sleep(5)
    return _add_sms(manager, properties.get('number', ''), properties.get('text', ''), 0,
                    [('Send', '', '', send)])


@dbus.service.method(CONTROL_IFACE, in_signature='i', out_signature='s')
def AddModemInState(self, state):
    path = f'{MAIN_OBJ}/Modem/{self.next_modem}'
    self.next_modem += 1
    self.AddObject(path, MODEM_IFACE, {'State': dbus.Int32(state, variant_level=1)}, [])
    modem = mockobject.objects[path]
    modem.AddProperties(MESSAGING_IFACE,
                        {'Messages': dbus.Array([], signature='o', variant_level=1)})
    modem.AddMethods(MESSAGING_IFACE, [
        ('Create', 'a{sv}', 'o', lambda obj, properties: _create(self, obj, properties)),
        ('Delete', 'o', '', lambda obj, sms: self.RemoveObject(str(sms))
         if str(sms) in mockobject.objects else None),
    ])
    self.object_manager_emit_added(path)
    return path


@dbus.service.method(CONTROL_IFACE, in_signature='s', out_signature='')
def RemoveModem(self, path):
    self.object_manager_emit_removed(str(path))
    self.RemoveObject(str(path))


@dbus.service.method(CONTROL_IFACE, in_signature='si', out_signature='')
def SetModemState(self, path, state):
    # As ModemManager does: the property changes, and PropertiesChanged says so.
    mockobject.objects[str(path)].UpdateProperties(MODEM_IFACE, {'State': dbus.Int32(state)})


@dbus.service.method(CONTROL_IFACE, in_signature='s', out_signature='')
def SetOutcome(self, outcome):
    self.outcome = str(outcome)


@dbus.service.method(CONTROL_IFACE, in_signature='', out_signature='as')
def Sent(self):
    return dbus.Array(self.sent, signature='s')


@dbus.service.method(CONTROL_IFACE, in_signature='', out_signature='as')
def SmsObjects(self):
    return dbus.Array([p for p in mockobject.objects if p.startswith(MAIN_OBJ + '/SMS/')],
                      signature='s')


@dbus.service.method(CONTROL_IFACE, in_signature='sssub', out_signature='s')
def AddSms(self, modem, number, text, state, received):
    # The SMS object, then Messaging.Added on its modem; none named: the first modem.
    if not modem:
        modem = min((p for p, o in mockobject.objects.items() if MESSAGING_IFACE in o.props),
                    key=lambda p: (len(p), p))
    path = _add_sms(self, number, text, state, [])
    mockobject.objects[str(modem)].EmitSignal(MESSAGING_IFACE, 'Added', 'ob',
                                              [path, bool(received)])
    return str(path)


@dbus.service.method(CONTROL_IFACE, in_signature='sus', out_signature='')
def SetSmsState(self, path, state, text):
    # The next part arrived: the text grows, and the State may become "received".
    mockobject.objects[str(path)].UpdateProperties(SMS_IFACE, {
        'State': dbus.UInt32(state), 'Text': dbus.String(text)})
