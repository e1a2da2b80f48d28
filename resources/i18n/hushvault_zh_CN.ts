<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name></name>
    <message id="International">
        <source>International</source>
        <translation>中国</translation>
    </message>
    <message id="tolvaHiddenMSG">
        <source>tolvaHiddenMSG</source>
        <translation>私密短信</translation>
    </message>
    <message id="tolvaHiddenMSG1">
        <source>tolvaHiddenMSG1</source>
        <translation>私密短信</translation>
    </message>
    <message id="NMessage">
        <source>NMessage</source>
        <translation>新信息</translation>
    </message>
    <message id="Management">
        <source>Management</source>
        <translation>秘密联系人</translation>
    </message>
    <message id="Crecords">
        <source>Crecords</source>
        <translation>信息记录</translation>
    </message>
    <message id="Setting">
        <source>Setting</source>
        <translation>设置</translation>
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
        <translation>短信</translation>
    </message>
    <message id="Back">
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message id="Preset password">
        <source>Preset password</source>
        <translation>预设密码</translation>
    </message>
    <message id="companyname">
        <source>companyname</source>
        <translation>Hushvault 开发团队</translation>
    </message>
    <message id="property">
        <source>property</source>
        <translation>自由软件。您的信息只以密文的形式离开手机。</translation>
    </message>
    <message id="Cancel">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="Sure">
        <source>Sure</source>
        <translation>确定</translation>
    </message>
</context>
</TS>
