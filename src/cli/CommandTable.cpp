#include "cli/Actions.h"
#include "cli/Command.h"

namespace hv::cli {

std::span<const Command> commands() {
    static constexpr Command kCommands[] = {
        {"token", "encrypt", "--password P [--escaped] [--] TEXT",
         "print the secret-message token of TEXT", false, encryptToken},
        {"token", "decrypt", "--password P [--] TOKEN",
         "print the text of a token, plain or escaped, or of a whole hiddenmsg:// or web "
         "link or SMS",
         false, decryptToken},
        {"init", "", "", "create the tables, default settings and version row", true, initStore},
        {"contacts", "add", "--name N --tel T --password P --friend 0|1",
         "add a secret contact, print its id", true, addContact},
        {"contacts", "list", "[--json]", "list the secret contacts, newest first", true,
         listContacts},
        {"contacts", "find", "--tel T [--json]", "show the contact with this number (exit 1: none)",
         true, findContact},
        {"contacts", "delete", "--id N", "delete a secret contact", true, deleteContact},
        {"records", "list", "[--json]", "list the message records, newest first", true,
         listRecords},
        {"records", "delete", "--id N", "delete one message record", true, deleteRecord},
        {"records", "clear", "", "delete every message record", true, clearRecords},
        {"settings", "list", "[--json]", "show the settings rows", true, listSettings},
        {"settings", "get", "KEY", "print one setting", true, getSetting},
        {"settings", "set", "KEY VALUE", "change an existing setting", true, setSetting},
        {"config", "get", "KEY", "print the number under KEY in Conf.ini (-1: no file)", false,
         getConfig},
        {"config", "set", "KEY VALUE [--int]", "store a text (or with --int a number) in Conf.ini",
         false, setConfig},
        {"send", "", "--to NUMBER --password P [--friend] [--] TEXT",
         "send a secret message through <DIR>/Outbox and print the SMS body (--friend: the "
         "friend runs Hushvault, so the body holds a hiddenmsg:// link)",
         true, sendMessage},
    };
    return kCommands;
}

}  // namespace hv::cli
