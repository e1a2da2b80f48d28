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
</context>
</TS>
