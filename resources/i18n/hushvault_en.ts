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
</context>
</TS>
