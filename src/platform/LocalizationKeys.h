// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace hv {

// Localisation keys, spelled as the system gives them; their texts are in
// resources/i18n/hushvault_<language>.ts. Listed once here, so that the constants and
// kAllLocalizationKeys, which the tests check every language against, never differ.
#define HV_LOCALIZATION_KEYS(KEY)                                                         \
    KEY(kKeyInternational, "International") /* "en", "中国", "中國" */                \
    KEY(kKeyAppTitle, "tolvaHiddenMSG")                                                   \
    KEY(kKeyAppName, "tolvaHiddenMSG1")                                                   \
    KEY(kKeyNewMessage, "NMessage")                                                       \
    KEY(kKeyManagement, "Management")                                                     \
    KEY(kKeyRecords, "Crecords")                                                          \
    KEY(kKeySetting, "Setting")                                                           \
    KEY(kKeyGuide, "UGuide")                                                              \
    KEY(kKeyUsingGuide, "Using Guide")                                                    \
    KEY(kKeySms, "SMS")                                                                   \
    KEY(kKeyBack, "Back")                                                                 \
    KEY(kKeyPresetPassword, "Preset password")                                            \
    KEY(kKeyCompanyName, "companyname")                                                   \
    KEY(kKeyProperty, "property")                                                         \
    KEY(kKeyCancel, "Cancel")                                                             \
    KEY(kKeySure, "Sure")                                                                 \
    /* Composer and phone-type chooser. */                                                \
    KEY(kKeyTo, "To")                                                                     \
    KEY(kKeyMobitype, "Mobitype")                                                         \
    KEY(kKeyPasscode, "passcode")                                                         \
    KEY(kKeyIphone, "iphone")                                                             \
    KEY(kKeyCell, "cell")                                                                 \
    KEY(kKeyIphoneHushvault, "iphone hushvault")                                          \
    KEY(kKeyNoHushvault, "no hushvault")                                                  \
    KEY(kKeyRecipientPlaceholder, "PTPNumber")                                            \
    KEY(kKeyPasswordPlaceholder, "PEn-password")                                          \
    KEY(kKeySending, "send")                                                              \
    KEY(kKeySent, "F-send")                                                               \
    KEY(kKeyFailedSend, "failed send")                                                    \
    KEY(kKeyDraftNotSaved, "draft not saved")                                             \
    KEY(kKeyInputNumber, "Input Number")                                                  \
    KEY(kKeyInputPassword, "Input En-PWD")                                                \
    KEY(kKeyWarning, "Warning")                                                           \
    KEY(kKeySendError, "send error")                                                      \
    KEY(kKeyContracts, "Contracts")                                                       \
    KEY(kKeyMobiType, "Mobi Type")                                                        \
    KEY(kKeySmsLabel, "hiddenMSG")                                                        \
    KEY(kKeySmsCount, "SMS count")          /* "%1 characters, %2 SMS" */                 \
    KEY(kKeyKeptInOutbox, "kept in Outbox") /* written to the Outbox only, not sent */    \
    KEY(kKeyNoWebLinkHost, "no web link host")                                            \
    /* Passcode pad, login, administrator password, settings. */                          \
    KEY(kKeyPassCode, "passCode")                                                         \
    KEY(kKeyPasswordLength, "password length")                                            \
    KEY(kKeyTwiceDifferent, "twice input are different")                                  \
    KEY(kKeyInputAdminAgain, "input admin password again")                                \
    KEY(kKeyInputNewAgain, "input the new password again")                                \
    KEY(kKeyIncorrectOld, "incorrect old password")                                       \
    KEY(kKeyNewPassWord, "new pass word")                                                 \
    KEY(kKeyIncorrectAdmin, "incorrect admin password")                                   \
    KEY(kKeyNoPassWord, "no pass word")                                                   \
    KEY(kKeyLogin, "Login")                                                               \
    KEY(kKeyPasswordModify, "Password Modify")                                            \
    KEY(kKeyPasswordSetting, "Password Setting")                                          \
    KEY(kKeySave, "Save")                                                                 \
    KEY(kKeyAdminPassword, "Admin Password")                                              \
    KEY(kKeyAutomaticLocking, "Automatic locking")                                        \
    KEY(kKeyStoreSms, "Store SMS")                                                        \
    KEY(kKeySetted, "setted")                                                             \
    KEY(kKeyImmediately, "Immediately")                                                   \
    KEY(kKeyMinute, "mim")                                                                \
    KEY(kKeyMinutes, "mims")                                                              \
    KEY(kKeyNever, "Never")                                                               \
    KEY(kKeyChangePassword, "Change password") /* the login screen's link */              \
    KEY(kKeyVersion, "Version")                /* "Version %1" on the about screen */     \
    KEY(kKeyDatabaseError, "database error")   /* at start-up; %1 is the database file */ \
    KEY(kKeySettingNotSaved, "setting not saved")                                         \
    KEY(kKeyWebLinkHost, "Web link host")                                                 \
    KEY(kKeyNotSet, "not set")                                                            \
    KEY(kKeyInvalidHost, "invalid host")                                                  \
    KEY(kKeyNoticeWhenClosed, "Notice secret messages when Hushvault is closed")          \
    KEY(kKeyAutostartFailed, "autostart not changed")                                     \
    /* The reader and the records. */                                                     \
    KEY(kKeyExit, "exit")                                                                 \
    KEY(kKeyDecryption, "Decryption")                                                     \
    KEY(kKeyReply, "Reply")                                                               \
    KEY(kKeyNoMatchPassword, "No Match preset Password")                                  \
    KEY(kKeyDePassword, "De-password")                                                    \
    KEY(kKeyInputDePassword, "Input De-PWD")                                              \
    KEY(kKeyIncorrectDePassword, "Incorrect De-password")                                 \
    KEY(kKeyDamagedLink, "damaged link")                                                  \
    KEY(kKeyReadMessage, "Read a message")                                                \
    KEY(kKeyPasteMessage, "paste message")                                                \
    KEY(kKeyNoSecretMessage, "no secret message")                                         \
    KEY(kKeyRead, "Read")                                                                 \
    KEY(kKeySecretMessageFrom, "secret message from")                                     \
    KEY(kKeyFrom, "From")                                                                 \
    KEY(kKeyDecryptedMessage, "The decrypted message")                                    \
    KEY(kKeyRecordsTitle, "records")                                                      \
    KEY(kKeyNoRecords, "NO Records")                                                      \
    KEY(kKeyEdit, "Edit")                                                                 \
    KEY(kKeyDone, "Done")                                                                 \
    KEY(kKeyDelete, "Delete")                                                             \
    KEY(kKeyRecordNotDeleted, "record not deleted")                                       \
    /* Secret contacts and the address book. */                                           \
    KEY(kKeyFriends, "Friends")                                                           \
    KEY(kKeyAll, "All")                                                                   \
    KEY(kKeyNoAdded, "No added")                                                          \
    KEY(kKeyAddFriends, "add friends")                                                    \
    KEY(kKeyNoName, "No Name")                                                            \
    KEY(kKeyNoContracts, "No Contracts")                                                  \
    KEY(kKeyChooseNumber, "Choose Number")                                                \
    KEY(kKeyAddContactTitle, "AFManagement")                                              \
    KEY(kKeyNameLabel, "name :")                                                          \
    KEY(kKeyPhoneNumber, "Phone Number")                                                  \
    KEY(kKeyPasswordLabel, "password")                                                    \
    KEY(kKeyIphoneFriends, "iPhone Friends")                                              \
    KEY(kKeyPasswordInPlaintext, "password in plaintext")                                 \
    KEY(kKeyNamePlaceholder, "Name")                                                      \
    KEY(kKeyTelephonePlaceholder, "TPNumber")                                             \
    KEY(kKeyInformationUncomplete, "Information uncomplete")                              \
    KEY(kKeyWrite, "write")                                                               \
    KEY(kKeyChoose, "choose")                                                             \
    KEY(kKeySearch, "Search")                                                             \
    KEY(kKeyA11yAbout, "a11y About")                                                      \
    KEY(kKeyA11yAddContact, "a11y Add contact")                                           \
    KEY(kKeyA11yChooseContact, "a11y Choose contact")                                     \
    KEY(kKeyA11yMessage, "a11y Message")                                                  \
    KEY(kKeyA11yClearSearch, "a11y Clear search")                                         \
    KEY(kKeyAddressBook, "Address Book")                                                  \
    KEY(kKeyNoPeople, "No People")                                                        \
    KEY(kKeyLeftOut, "left out") /* "%1 ... could not be read" under the picker */        \
    KEY(kKeySaveFailed, "save failed")                                                    \
    KEY(kKeyDeleteFailed, "delete failed")                                                \
    KEY(kKeyDeleteContact, "Delete Contact")                                              \
    /* How messages leave the phone (the about screen). */                                \
    KEY(kKeySendsThrough, "Sends through")                                                \
    KEY(kKeyViaModem, "via modem")                                                        \
    KEY(kKeyViaKdeConnect, "via KDE Connect")                                             \
    KEY(kKeyViaOutbox, "via Outbox")                                                      \
    /* Backups (the settings screen). */                                                  \
    KEY(kKeyBackUp, "Back up")                                                            \
    KEY(kKeyRestore, "Restore")                                                           \
    KEY(kKeyBackupFileTitle, "backup file title")                                         \
    KEY(kKeyRestoreFileTitle, "restore file title")                                       \
    KEY(kKeyBackupFilter, "backup filter")                                                \
    KEY(kKeyBackupPassphrase, "backup passphrase")                                        \
    KEY(kKeyBackupPassphraseHint, "backup passphrase hint")                               \
    KEY(kKeyRestorePassphraseHint, "restore passphrase hint")                             \
    KEY(kKeyRepeatPassphrase, "repeat passphrase")                                        \
    KEY(kKeyNext, "Next")                                                                 \
    KEY(kKeyPassphraseTooShort, "passphrase too short")                                   \
    KEY(kKeyPassphrasesDiffer, "passphrases differ")                                      \
    KEY(kKeyPleaseWait, "please wait")                                                    \
    /* %1 contacts, %2 records; %3 the file, or %3 kept and %4 differing. */              \
    KEY(kKeyBackupSaved, "backup saved")                                                  \
    KEY(kKeyBackupSavedDetail, "backup saved detail")                                     \
    KEY(kKeyBackupFailed, "backup failed")                                                \
    KEY(kKeyRestoreQuestion, "restore question")                                          \
    KEY(kKeyRestoreIntoEmpty, "restore into empty")                                       \
    KEY(kKeyRestoreMerge, "restore merge")                                                \
    KEY(kKeyRestoreNothingNew, "restore nothing new")                                     \
    KEY(kKeyRestoreButton, "restore button")                                              \
    KEY(kKeyRestored, "restored")                                                         \
    KEY(kKeyRestoredDetail, "restored detail")                                            \
    KEY(kKeyRestoreFailed, "restore failed")                                              \
    KEY(kKeyBackupWrongPassphrase, "backup wrong passphrase")                             \
    KEY(kKeyBackupDamaged, "backup damaged")                                              \
    KEY(kKeyBackupNewer, "backup newer")                                                  \
    KEY(kKeyBackupNotBackup, "backup not a backup")                                       \
    KEY(kKeyBackupCannotRead, "backup cannot read")                                       \
    KEY(kKeyBackupCannotWrite, "backup cannot write")                                     \
    KEY(kKeyBackupProfileUnreadable, "backup profile unreadable")                         \
    KEY(kKeyBackupNoMemory, "backup no memory")

#define HV_DEFINE_LOCALIZATION_KEY(name, text) inline constexpr const char* name = text;
HV_LOCALIZATION_KEYS(HV_DEFINE_LOCALIZATION_KEY)
#undef HV_DEFINE_LOCALIZATION_KEY

// Every key above, for the check that each language gives each of them a text.
#define HV_LIST_LOCALIZATION_KEY(name, text) name,
inline constexpr const char* kAllLocalizationKeys[] = {
    HV_LOCALIZATION_KEYS(HV_LIST_LOCALIZATION_KEY)};
#undef HV_LIST_LOCALIZATION_KEY

// The texts of "International" that choose a language's pages and layouts.
inline constexpr const char* kInternationalSimplified = "中国";
inline constexpr const char* kInternationalTraditional = "中國";

}  // namespace hv
