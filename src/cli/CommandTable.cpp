// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/Actions.h"
#include "cli/Command.h"

namespace hv::cli {

std::span<const Command> commands() {
    static constexpr Command kCommands[] = {
        {"token", "encrypt", "--password P|- [--escaped] [--] TEXT",
         "print the secret-message token of TEXT", encryptToken},
        {"token", "decrypt", "--password P|- [--] TOKEN",
         "print the text of a token, plain or escaped, or of a whole hiddenmsg:// or web "
         "link or SMS",
         decryptToken},
        {"init", "", "", "create the tables, default settings and version row", initStore},
        {"contacts", "add", "--name N --tel T --password P|- --friend 0|1",
         "add a secret contact, print its id", addContact},
        {"contacts", "list", "[--json]", "list the secret contacts, newest first", listContacts},
        {"contacts", "find", "--tel T [--json]", "show the contact with this number (exit 1: none)",
         findContact},
        {"contacts", "delete", "--id N", "delete a secret contact", deleteContact},
        {"records", "list", "[--json]", "list the message records, newest first", listRecords},
        {"records", "delete", "--id N", "delete one message record", deleteRecord},
        {"records", "clear", "", "delete every message record", clearRecords},
        {"settings", "list", "[--json]", "show the settings rows", listSettings},
        {"settings", "get", "KEY", "print one setting", getSetting},
        {"settings", "set", "KEY VALUE", "change an existing setting", setSetting},
        {"config", "get", "KEY",
         "print the text or number under KEY in Conf.ini (0: no such key, -1: no file)", getConfig},
        {"config", "set", "KEY VALUE [--int]",
         "store a text (or with --int a number) in Conf.ini; WebLinkHost takes a host name "
         "(or \"\" for none)",
         setConfig},
        {"addressbook", "list", "[--json] [--contacts-dir DIR]",
         "list the phone's address book (the vCard files under DIR, else under Conf.ini's "
         "ContactsDirectory, else under $XDG_DATA_HOME/kpeoplevcard) in sections, as the "
         "contact screens show it",
         listAddressBook},
        {"send", "", "--to NUMBER --password P|- [--friend] [--sms S] [--] TEXT",
         "send a secret message and print the SMS body (--friend: the friend runs Hushvault, "
         "so the body holds a hiddenmsg:// link; otherwise a web link, which needs Conf.ini's "
         "WebLinkHost); --sms auto (default), modem, kdeconnect or outbox (<DIR>/Outbox); "
         "exit 1 when it could not be sent, 3 when auto could only keep it in the Outbox",
         sendMessage},
        {"sms", "status", "[--sms S]", "print the way a send would take now, and why", smsStatus},
        {"read", "", "[--password P|-] [--] LINK-OR-TOKEN",
         "print the text of a secret message, decrypted with P or else with the first stored "
         "contact's preset password that fits (newest first), and record it as the reader "
         "does (exit 1: nothing fits)",
         readMessage},
        {"backup", "create", "[--passphrase-file F] [--] FILE",
         "write an encrypted backup of the secret contacts, records, settings rows and Conf.ini "
         "keys to FILE (mode 0600, replaced only once whole): a header (magic HVBACKUP, format "
         "version, Argon2id costs and salt), then their JSON in XChaCha20-Poly1305 secret-stream "
         "parts under the key derived from the passphrase",
         createBackup},
        {"backup", "restore", "[--passphrase-file F] [--dry-run] [--] FILE",
         "check the whole backup, then apply it in one transaction: into an empty profile "
         "everything; otherwise contacts are merged by number (a number already here keeps this "
         "profile's name, password and phone type), records are added unless the same record is "
         "there, settings stay; a wrong passphrase, a damaged, cut or newer file or a refused "
         "write changes nothing (exit 1); --dry-run only says what would change",
         restoreBackup},
    };
    return kCommands;
}

}  // namespace hv::cli
