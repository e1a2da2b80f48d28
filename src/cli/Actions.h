// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cli/CommandContext.h"

// The actions of hushvault-cli (see the command table). Each returns the exit status or
// throws UsageError / CommandFailed.
namespace hv::cli {

int encryptToken(CommandContext& context);
int decryptToken(CommandContext& context);

int initStore(CommandContext& context);

int addContact(CommandContext& context);
int listContacts(CommandContext& context);
int findContact(CommandContext& context);
int deleteContact(CommandContext& context);

int listRecords(CommandContext& context);
int deleteRecord(CommandContext& context);
int clearRecords(CommandContext& context);

int listSettings(CommandContext& context);
int getSetting(CommandContext& context);
int setSetting(CommandContext& context);

int getConfig(CommandContext& context);
int setConfig(CommandContext& context);

int listAddressBook(CommandContext& context);

int sendMessage(CommandContext& context);
int smsStatus(CommandContext& context);
int readMessage(CommandContext& context);

int createBackup(CommandContext& context);
int restoreBackup(CommandContext& context);

}  // namespace hv::cli
