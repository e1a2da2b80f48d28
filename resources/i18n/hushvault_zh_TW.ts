<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name></name>
    <message id="International">
        <source>International</source>
        <translation>中國</translation>
    </message>
    <message id="tolvaHiddenMSG">
        <source>tolvaHiddenMSG</source>
        <translation>私密簡訊</translation>
    </message>
    <message id="tolvaHiddenMSG1">
        <source>tolvaHiddenMSG1</source>
        <translation>私密簡訊</translation>
    </message>
    <message id="NMessage">
        <source>NMessage</source>
        <translation>新訊息</translation>
    </message>
    <message id="Management">
        <source>Management</source>
        <translation>秘密聯絡人</translation>
    </message>
    <message id="Crecords">
        <source>Crecords</source>
        <translation>訊息紀錄</translation>
    </message>
    <message id="Setting">
        <source>Setting</source>
        <translation>設定</translation>
    </message>
    <message id="UGuide">
        <source>UGuide</source>
        <translation>使用指南</translation>
    </message>
    <message id="Using Guide">
        <source>Using Guide</source>
        <translation>使用指南</translation>
    </message>
    <message id="SMS">
        <source>SMS</source>
        <translation>簡訊</translation>
    </message>
    <message id="Back">
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message id="Preset password">
        <source>Preset password</source>
        <translation>預設密碼</translation>
    </message>
    <message id="companyname">
        <source>companyname</source>
        <translation>Hushvault 開發團隊</translation>
    </message>
    <message id="property">
        <source>property</source>
        <translation>自由軟體。您的訊息只以密文的形式離開手機。</translation>
    </message>
    <message id="Cancel">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="Sure">
        <source>Sure</source>
        <translation>確定</translation>
    </message>
</context>
</TS>
