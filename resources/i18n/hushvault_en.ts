<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name></name>
    <message id="International">
        <source>International</source>
        <translation>en</translation>
    </message>
    <message id="tolvaHiddenMSG">
        <source>tolvaHiddenMSG</source>
        <translation>Hushvault</translation>
    </message>
    <message id="tolvaHiddenMSG1">
        <source>tolvaHiddenMSG1</source>
        <translation>Hushvault</translation>
    </message>
    <message id="NMessage">
        <source>NMessage</source>
        <translation>New message</translation>
    </message>
    <message id="Management">
        <source>Management</source>
        <translation>Secret contacts</translation>
    </message>
    <message id="Crecords">
        <source>Crecords</source>
        <translation>Records</translation>
    </message>
    <message id="Setting">
        <source>Setting</source>
        <translation>Settings</translation>
    </message>
    <message id="UGuide">
        <source>UGuide</source>
        <translation>Guide</translation>
    </message>
    <message id="Using Guide">
        <source>Using Guide</source>
        <translation>Using Guide</translation>
    </message>
    <message id="SMS">
        <source>SMS</source>
        <translation>SMS</translation>
    </message>
    <message id="Back">
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message id="Preset password">
        <source>Preset password</source>
        <translation>Preset password</translation>
    </message>
    <message id="companyname">
        <source>companyname</source>
        <translation>The Hushvault developers</translation>
    </message>
    <message id="property">
        <source>property</source>
        <translation>Free software. Your messages leave your phone only encrypted.</translation>
    </message>
    <message id="Cancel">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="Sure">
        <source>Sure</source>
        <translation>OK</translation>
    </message>
    <message id="To">
        <source>To</source>
        <translation>To</translation>
    </message>
    <message id="Mobitype">
        <source>Mobitype</source>
        <translation>Phone type</translation>
    </message>
    <message id="passcode">
        <source>passcode</source>
        <translation>Password</translation>
    </message>
    <message id="iphone">
        <source>iphone</source>
        <translation>Hushvault</translation>
    </message>
    <message id="cell">
        <source>cell</source>
        <translation>Other phone</translation>
    </message>
    <message id="iphone hushvault">
        <source>iphone hushvault</source>
        <translation>Your friend runs Hushvault: the message opens in the app with a tap.</translation>
    </message>
    <message id="no hushvault">
        <source>no hushvault</source>
        <translation>Your friend does not run Hushvault: the message comes as a web link to open in a browser.</translation>
    </message>
    <message id="PTPNumber">
        <source>PTPNumber</source>
        <translation>Phone number</translation>
    </message>
    <message id="PEn-password">
        <source>PEn-password</source>
        <translation>Preset password</translation>
    </message>
    <message id="send">
        <source>send</source>
        <translation>Sending…</translation>
    </message>
    <message id="F-send">
        <source>F-send</source>
        <translation>Sent</translation>
    </message>
    <message id="draft not saved">
        <source>draft not saved</source>
        <translation>The unsent message could not be kept for later.</translation>
    </message>
    <message id="failed send">
        <source>failed send</source>
        <translation>Not sent</translation>
    </message>
    <message id="Input Number">
        <source>Input Number</source>
        <translation>Please enter the recipient's phone number.</translation>
    </message>
    <message id="Input En-PWD">
        <source>Input En-PWD</source>
        <translation>Please enter a preset password of at least 3 characters.</translation>
    </message>
    <message id="Warning">
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message id="send error">
        <source>send error</source>
        <translation>The message could not be delivered.</translation>
    </message>
    <message id="Contracts">
        <source>Contracts</source>
        <translation>Contacts</translation>
    </message>
    <message id="Mobi Type">
        <source>Mobi Type</source>
        <translation>Phone type</translation>
    </message>
    <message id="hiddenMSG">
        <source>hiddenMSG</source>
        <translation>Hushvault message:</translation>
    </message>
    <message id="SMS count">
        <source>SMS count</source>
        <translation>%1 chars · %2 SMS</translation>
    </message>
    <message id="passCode">
        <source>passCode</source>
        <translation>Enter the administrator password</translation>
    </message>
    <message id="password length">
        <source>password length</source>
        <translation>The password needs at least 4 characters.</translation>
    </message>
    <message id="twice input are different">
        <source>twice input are different</source>
        <translation>The two entries differ. Enter the new password again.</translation>
    </message>
    <message id="input admin password again">
        <source>input admin password again</source>
        <translation>Enter the administrator password again</translation>
    </message>
    <message id="input the new password again">
        <source>input the new password again</source>
        <translation>Enter the new password again</translation>
    </message>
    <message id="incorrect old password">
        <source>incorrect old password</source>
        <translation>The old password is not correct</translation>
    </message>
    <message id="new pass word">
        <source>new pass word</source>
        <translation>Enter the new password</translation>
    </message>
    <message id="incorrect admin password">
        <source>incorrect admin password</source>
        <translation>Wrong administrator password</translation>
    </message>
    <message id="no pass word">
        <source>no pass word</source>
        <translation>No administrator password is set</translation>
    </message>
    <message id="Login">
        <source>Login</source>
        <translation>Log in</translation>
    </message>
    <message id="Password Modify">
        <source>Password Modify</source>
        <translation>Change password</translation>
    </message>
    <message id="Password Setting">
        <source>Password Setting</source>
        <translation>Admin password</translation>
    </message>
    <message id="Save">
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message id="Admin Password">
        <source>Admin Password</source>
        <translation>Admin password</translation>
    </message>
    <message id="Automatic locking">
        <source>Automatic locking</source>
        <translation>Auto-lock</translation>
    </message>
    <message id="Store SMS">
        <source>Store SMS</source>
        <translation>Keep messages</translation>
    </message>
    <message id="setted">
        <source>setted</source>
        <translation>Set</translation>
    </message>
    <message id="Immediately">
        <source>Immediately</source>
        <translation>Immediately</translation>
    </message>
    <message id="mim">
        <source>mim</source>
        <translation> minute</translation>
    </message>
    <message id="mims">
        <source>mims</source>
        <translation> minutes</translation>
    </message>
    <message id="Never">
        <source>Never</source>
        <translation>Never</translation>
    </message>
    <message id="Change password">
        <source>Change password</source>
        <translation>Change password</translation>
    </message>
    <message id="Version">
        <source>Version</source>
        <translation>Version %1</translation>
    </message>
    <message id="setting not saved">
        <source>setting not saved</source>
        <translation>The setting could not be saved. It stays as it was.</translation>
    </message>
    <message id="database error">
        <source>database error</source>
        <translation>Hushvault cannot read or write its data in %1. Nothing you change is kept until that file is repaired or moved away.</translation>
    </message>
    <message id="exit">
        <source>exit</source>
        <translation>Exit</translation>
    </message>
    <message id="Decryption">
        <source>Decryption</source>
        <translation>Decrypt</translation>
    </message>
    <message id="Reply">
        <source>Reply</source>
        <translation>Reply</translation>
    </message>
    <message id="No Match preset Password">
        <source>No Match preset Password</source>
        <translation>None of your secret contacts' preset passwords fits this message.</translation>
    </message>
    <message id="De-password">
        <source>De-password</source>
        <translation>Preset password</translation>
    </message>
    <message id="Input De-PWD">
        <source>Input De-PWD</source>
        <translation>Enter the preset password</translation>
    </message>
    <message id="Incorrect De-password">
        <source>Incorrect De-password</source>
        <translation>This password does not fit the message.</translation>
    </message>
    <message id="damaged link">
        <source>damaged link</source>
        <translation>This link is damaged or incomplete. Ask your friend to send the message again.</translation>
    </message>
    <message id="The decrypted message">
        <source>The decrypted message</source>
        <translation>The decrypted message</translation>
    </message>
    <message id="records">
        <source>records</source>
        <translation>Records</translation>
    </message>
    <message id="NO Records">
        <source>NO Records</source>
        <translation>No records</translation>
    </message>
    <message id="Edit">
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message id="Done">
        <source>Done</source>
        <translation>Done</translation>
    </message>
    <message id="Delete">
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message id="Friends">
        <source>Friends</source>
        <translation>Friends</translation>
    </message>
    <message id="All">
        <source>All</source>
        <translation>All</translation>
    </message>
    <message id="No added">
        <source>No added</source>
        <translation>No secret contacts yet</translation>
    </message>
    <message id="add friends">
        <source>add friends</source>
        <translation>Tap Edit, then + to add a friend</translation>
    </message>
    <message id="No Name">
        <source>No Name</source>
        <translation>No Name</translation>
    </message>
    <message id="No Contracts">
        <source>No Contracts</source>
        <translation>This person has no phone number.</translation>
    </message>
    <message id="Choose Number">
        <source>Choose Number</source>
        <translation>Choose Number</translation>
    </message>
    <message id="AFManagement">
        <source>AFManagement</source>
        <translation>New Contact</translation>
    </message>
    <message id="name :">
        <source>name :</source>
        <translation>Name</translation>
    </message>
    <message id="Phone Number">
        <source>Phone Number</source>
        <translation>Number</translation>
    </message>
    <message id="password">
        <source>password</source>
        <translation>Password</translation>
    </message>
    <message id="iPhone Friends">
        <source>iPhone Friends</source>
        <translation>Has Hushvault</translation>
    </message>
    <message id="password in plaintext">
        <source>password in plaintext</source>
        <translation>Show password</translation>
    </message>
    <message id="Name">
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message id="TPNumber">
        <source>TPNumber</source>
        <translation>Phone number</translation>
    </message>
    <message id="Information uncomplete">
        <source>Information uncomplete</source>
        <translation>The name, number or preset password is missing. Save anyway?</translation>
    </message>
    <message id="write">
        <source>write</source>
        <translation>Type In</translation>
    </message>
    <message id="choose">
        <source>choose</source>
        <translation>From Address Book</translation>
    </message>
    <message id="Search">
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message id="a11y About">
        <source>a11y About</source>
        <translation>About Hushvault</translation>
    </message>
    <message id="a11y Add contact">
        <source>a11y Add contact</source>
        <translation>Add a secret contact</translation>
    </message>
    <message id="a11y Choose contact">
        <source>a11y Choose contact</source>
        <translation>Choose a contact</translation>
    </message>
    <message id="a11y Message">
        <source>a11y Message</source>
        <translation>Message</translation>
    </message>
    <message id="a11y Clear search">
        <source>a11y Clear search</source>
        <translation>Clear the search</translation>
    </message>
    <message id="Address Book">
        <source>Address Book</source>
        <translation>Address Book</translation>
    </message>
    <message id="No People">
        <source>No People</source>
        <translation>The address book is empty.</translation>
    </message>
    <message id="save failed">
        <source>save failed</source>
        <translation>The contact could not be saved. Nothing was changed.</translation>
    </message>
    <message id="delete failed">
        <source>delete failed</source>
        <translation>The contact could not be deleted.</translation>
    </message>
    <message id="Delete Contact">
        <source>Delete Contact</source>
        <translation>Delete Contact</translation>
    </message>
    <message id="Sends through">
        <source>Sends through</source>
        <translation>Messages go out through %1.</translation>
    </message>
    <message id="via modem">
        <source>via modem</source>
        <translation>this phone's modem</translation>
    </message>
    <message id="via KDE Connect">
        <source>via KDE Connect</source>
        <translation>KDE Connect and the paired phone</translation>
    </message>
    <message id="via Outbox">
        <source>via Outbox</source>
        <translation>the Outbox folder</translation>
    </message>
    <message id="kept in Outbox">
        <source>kept in Outbox</source>
        <translation>Kept in the Outbox, not sent</translation>
    </message>
    <message id="no web link host">
        <source>no web link host</source>
        <translation>A friend without Hushvault reads the message on your own web page. Set the host of that page in the settings first.</translation>
    </message>
    <message id="Web link host">
        <source>Web link host</source>
        <translation>Web link host</translation>
    </message>
    <message id="not set">
        <source>not set</source>
        <translation>Not set</translation>
    </message>
    <message id="invalid host">
        <source>invalid host</source>
        <translation>That is not a host name (such as links.example.org). Nothing was changed.</translation>
    </message>
    <message id="record not deleted">
        <source>record not deleted</source>
        <translation>The record could not be deleted. It is still stored.</translation>
    </message>
    <message id="left out">
        <source>left out</source>
        <translation>%1 cards, files or folders could not be read.</translation>
    </message>
    <message id="Read a message">
        <source>Read a message</source>
        <translation>Read a message</translation>
    </message>
    <message id="paste message">
        <source>paste message</source>
        <translation>Paste a secret link, or the whole message you received.</translation>
    </message>
    <message id="no secret message">
        <source>no secret message</source>
        <translation>This text holds no secret message.</translation>
    </message>
    <message id="Read">
        <source>Read</source>
        <translation>Read</translation>
    </message>
    <message id="secret message from">
        <source>secret message from</source>
        <translation>Secret message from %1</translation>
    </message>
    <message id="From">
        <source>From</source>
        <translation>From %1</translation>
    </message>
    <message id="Notice secret messages when Hushvault is closed">
        <source>Notice secret messages when Hushvault is closed</source>
        <translation>Notice secret messages when Hushvault is closed</translation>
    </message>
    <message id="autostart not changed">
        <source>autostart not changed</source>
        <translation>The start-up entry could not be changed: %1</translation>
    </message>
    <message id="Back up">
        <source>Back up</source>
        <translation>Back up…</translation>
    </message>
    <message id="Restore">
        <source>Restore</source>
        <translation>Restore…</translation>
    </message>
    <message id="backup file title">
        <source>backup file title</source>
        <translation>Save the backup as</translation>
    </message>
    <message id="restore file title">
        <source>restore file title</source>
        <translation>Choose a backup</translation>
    </message>
    <message id="backup filter">
        <source>backup filter</source>
        <translation>Hushvault backups (*.hvbackup);;All files (*)</translation>
    </message>
    <message id="backup passphrase">
        <source>backup passphrase</source>
        <translation>Backup passphrase</translation>
    </message>
    <message id="backup passphrase hint">
        <source>backup passphrase hint</source>
        <translation>At least 10 characters. Without it nobody, you included, can read the backup.</translation>
    </message>
    <message id="restore passphrase hint">
        <source>restore passphrase hint</source>
        <translation>The passphrase the backup was made with.</translation>
    </message>
    <message id="repeat passphrase">
        <source>repeat passphrase</source>
        <translation>Type the passphrase again.</translation>
    </message>
    <message id="Next">
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message id="passphrase too short">
        <source>passphrase too short</source>
        <translation>The passphrase is too short: it needs at least 10 characters, because whoever finds the file can try passphrases without limit.</translation>
    </message>
    <message id="passphrases differ">
        <source>passphrases differ</source>
        <translation>The two passphrases differ.</translation>
    </message>
    <message id="please wait">
        <source>please wait</source>
        <translation>Please wait…</translation>
    </message>
    <message id="backup saved">
        <source>backup saved</source>
        <translation>Backup saved</translation>
    </message>
    <message id="backup saved detail">
        <source>backup saved detail</source>
        <translation>%1 contacts and %2 records are in %3. Keep the passphrase: without it the backup cannot be restored.</translation>
    </message>
    <message id="backup failed">
        <source>backup failed</source>
        <translation>Backup failed</translation>
    </message>
    <message id="restore question">
        <source>restore question</source>
        <translation>Restore this backup?</translation>
    </message>
    <message id="restore into empty">
        <source>restore into empty</source>
        <translation>Adds %1 contacts, %2 records and the backup's settings.</translation>
    </message>
    <message id="restore merge">
        <source>restore merge</source>
        <translation>Adds %1 contacts and %2 records. Contacts whose number is already here keep this phone's name and password: %3 (%4 of them differ from the backup). This phone's settings stay.</translation>
    </message>
    <message id="restore nothing new">
        <source>restore nothing new</source>
        <translation>Everything in this backup is already here.</translation>
    </message>
    <message id="restore button">
        <source>restore button</source>
        <translation>Restore</translation>
    </message>
    <message id="restored">
        <source>restored</source>
        <translation>Restored</translation>
    </message>
    <message id="restore failed">
        <source>restore failed</source>
        <translation>Restore failed</translation>
    </message>
    <message id="backup wrong passphrase">
        <source>backup wrong passphrase</source>
        <translation>The passphrase is wrong, or the file is damaged. Nothing was changed.</translation>
    </message>
    <message id="backup damaged">
        <source>backup damaged</source>
        <translation>The backup is damaged or cut short. Nothing was changed.</translation>
    </message>
    <message id="backup newer">
        <source>backup newer</source>
        <translation>The backup was made by a newer version of Hushvault. Update Hushvault to restore it. Nothing was changed.</translation>
    </message>
    <message id="backup not a backup">
        <source>backup not a backup</source>
        <translation>This file is not a Hushvault backup, or it is damaged. Nothing was changed.</translation>
    </message>
    <message id="backup cannot read">
        <source>backup cannot read</source>
        <translation>The file cannot be read.</translation>
    </message>
    <message id="backup cannot write">
        <source>backup cannot write</source>
        <translation>The data could not be written (is the disk full or read-only?). Nothing was changed.</translation>
    </message>
    <message id="backup profile unreadable">
        <source>backup profile unreadable</source>
        <translation>The stored contacts and records cannot be read.</translation>
    </message>
    <message id="backup no memory">
        <source>backup no memory</source>
        <translation>There is not enough memory to open the backup.</translation>
    </message>
    <message id="restored detail">
        <source>restored detail</source>
        <translation>%1 contacts and %2 records were added.</translation>
    </message>
</context>
</TS>
