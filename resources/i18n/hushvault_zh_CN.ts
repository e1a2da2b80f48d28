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
    <message id="To">
        <source>To</source>
        <translation>收件人</translation>
    </message>
    <message id="Mobitype">
        <source>Mobitype</source>
        <translation>手机类型</translation>
    </message>
    <message id="passcode">
        <source>passcode</source>
        <translation>密码</translation>
    </message>
    <message id="iphone">
        <source>iphone</source>
        <translation>私密短信</translation>
    </message>
    <message id="cell">
        <source>cell</source>
        <translation>其他手机</translation>
    </message>
    <message id="iphone hushvault">
        <source>iphone hushvault</source>
        <translation>朋友已安装私密短信：点击链接即可在应用中打开。</translation>
    </message>
    <message id="no hushvault">
        <source>no hushvault</source>
        <translation>朋友未安装私密短信：信息以网页链接送达，在浏览器中打开。</translation>
    </message>
    <message id="PTPNumber">
        <source>PTPNumber</source>
        <translation>电话号码</translation>
    </message>
    <message id="PEn-password">
        <source>PEn-password</source>
        <translation>预设密码</translation>
    </message>
    <message id="send">
        <source>send</source>
        <translation>正在发送…</translation>
    </message>
    <message id="F-send">
        <source>F-send</source>
        <translation>已发送</translation>
    </message>
    <message id="draft not saved">
        <source>draft not saved</source>
        <translation>未发送的消息未能保存以便稍后继续。</translation>
    </message>
    <message id="failed send">
        <source>failed send</source>
        <translation>发送失败</translation>
    </message>
    <message id="Input Number">
        <source>Input Number</source>
        <translation>请输入收件人的电话号码。</translation>
    </message>
    <message id="Input En-PWD">
        <source>Input En-PWD</source>
        <translation>请输入至少 3 个字符的预设密码。</translation>
    </message>
    <message id="Warning">
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message id="send error">
        <source>send error</source>
        <translation>信息未能送达。</translation>
    </message>
    <message id="Contracts">
        <source>Contracts</source>
        <translation>联系人</translation>
    </message>
    <message id="Mobi Type">
        <source>Mobi Type</source>
        <translation>手机类型</translation>
    </message>
    <message id="hiddenMSG">
        <source>hiddenMSG</source>
        <translation>私密短信：</translation>
    </message>
    <message id="SMS count">
        <source>SMS count</source>
        <translation>%1 字 · %2 条短信</translation>
    </message>
    <message id="passCode">
        <source>passCode</source>
        <translation>请输入管理员密码</translation>
    </message>
    <message id="password length">
        <source>password length</source>
        <translation>密码至少需要 4 个字符。</translation>
    </message>
    <message id="twice input are different">
        <source>twice input are different</source>
        <translation>两次输入不一致，请重新输入新密码。</translation>
    </message>
    <message id="input admin password again">
        <source>input admin password again</source>
        <translation>请再次输入管理员密码</translation>
    </message>
    <message id="input the new password again">
        <source>input the new password again</source>
        <translation>请再次输入新密码</translation>
    </message>
    <message id="incorrect old password">
        <source>incorrect old password</source>
        <translation>旧密码不正确</translation>
    </message>
    <message id="new pass word">
        <source>new pass word</source>
        <translation>请输入新密码</translation>
    </message>
    <message id="incorrect admin password">
        <source>incorrect admin password</source>
        <translation>管理员密码错误</translation>
    </message>
    <message id="no pass word">
        <source>no pass word</source>
        <translation>尚未设置管理员密码</translation>
    </message>
    <message id="Login">
        <source>Login</source>
        <translation>登录</translation>
    </message>
    <message id="Password Modify">
        <source>Password Modify</source>
        <translation>修改密码</translation>
    </message>
    <message id="Password Setting">
        <source>Password Setting</source>
        <translation>管理员密码</translation>
    </message>
    <message id="Save">
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message id="Admin Password">
        <source>Admin Password</source>
        <translation>管理员密码</translation>
    </message>
    <message id="Automatic locking">
        <source>Automatic locking</source>
        <translation>自动锁定</translation>
    </message>
    <message id="Store SMS">
        <source>Store SMS</source>
        <translation>保存短信</translation>
    </message>
    <message id="setted">
        <source>setted</source>
        <translation>已设置</translation>
    </message>
    <message id="Immediately">
        <source>Immediately</source>
        <translation>立即</translation>
    </message>
    <message id="mim">
        <source>mim</source>
        <translation> 分钟</translation>
    </message>
    <message id="mims">
        <source>mims</source>
        <translation> 分钟</translation>
    </message>
    <message id="Never">
        <source>Never</source>
        <translation>从不</translation>
    </message>
    <message id="Change password">
        <source>Change password</source>
        <translation>修改密码</translation>
    </message>
    <message id="Version">
        <source>Version</source>
        <translation>版本 %1</translation>
    </message>
    <message id="setting not saved">
        <source>setting not saved</source>
        <translation>设置未能保存，仍保持原样。</translation>
    </message>
    <message id="database error">
        <source>database error</source>
        <translation>无法读写数据文件 %1。在修复或移走该文件之前，所做的更改都不会保存。</translation>
    </message>
    <message id="exit">
        <source>exit</source>
        <translation>退出</translation>
    </message>
    <message id="Decryption">
        <source>Decryption</source>
        <translation>解密</translation>
    </message>
    <message id="Reply">
        <source>Reply</source>
        <translation>回复</translation>
    </message>
    <message id="No Match preset Password">
        <source>No Match preset Password</source>
        <translation>没有与此信息相符的预设密码。</translation>
    </message>
    <message id="De-password">
        <source>De-password</source>
        <translation>预设密码</translation>
    </message>
    <message id="Input De-PWD">
        <source>Input De-PWD</source>
        <translation>请输入预设密码</translation>
    </message>
    <message id="Incorrect De-password">
        <source>Incorrect De-password</source>
        <translation>密码与此信息不符。</translation>
    </message>
    <message id="damaged link">
        <source>damaged link</source>
        <translation>这个链接已损坏或不完整，请让朋友重新发送。</translation>
    </message>
    <message id="The decrypted message">
        <source>The decrypted message</source>
        <translation>解密后的信息</translation>
    </message>
    <message id="records">
        <source>records</source>
        <translation>信息记录</translation>
    </message>
    <message id="NO Records">
        <source>NO Records</source>
        <translation>没有记录</translation>
    </message>
    <message id="Edit">
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message id="Done">
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message id="Delete">
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message id="Friends">
        <source>Friends</source>
        <translation>好友</translation>
    </message>
    <message id="All">
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message id="No added">
        <source>No added</source>
        <translation>还没有秘密联系人</translation>
    </message>
    <message id="add friends">
        <source>add friends</source>
        <translation>点“编辑”，再点“+”添加好友</translation>
    </message>
    <message id="No Name">
        <source>No Name</source>
        <translation>无姓名</translation>
    </message>
    <message id="No Contracts">
        <source>No Contracts</source>
        <translation>此联系人没有电话号码。</translation>
    </message>
    <message id="Choose Number">
        <source>Choose Number</source>
        <translation>选择号码</translation>
    </message>
    <message id="AFManagement">
        <source>AFManagement</source>
        <translation>新建联系人</translation>
    </message>
    <message id="name :">
        <source>name :</source>
        <translation>姓名</translation>
    </message>
    <message id="Phone Number">
        <source>Phone Number</source>
        <translation>号码</translation>
    </message>
    <message id="password">
        <source>password</source>
        <translation>密码</translation>
    </message>
    <message id="iPhone Friends">
        <source>iPhone Friends</source>
        <translation>使用私密短信</translation>
    </message>
    <message id="password in plaintext">
        <source>password in plaintext</source>
        <translation>显示密码</translation>
    </message>
    <message id="Name">
        <source>Name</source>
        <translation>姓名</translation>
    </message>
    <message id="TPNumber">
        <source>TPNumber</source>
        <translation>电话号码</translation>
    </message>
    <message id="Information uncomplete">
        <source>Information uncomplete</source>
        <translation>姓名、号码或预设密码未填写，仍要保存吗？</translation>
    </message>
    <message id="write">
        <source>write</source>
        <translation>手动输入</translation>
    </message>
    <message id="choose">
        <source>choose</source>
        <translation>从通讯录选择</translation>
    </message>
    <message id="Search">
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message id="a11y About">
        <source>a11y About</source>
        <translation>关于私密短信</translation>
    </message>
    <message id="a11y Add contact">
        <source>a11y Add contact</source>
        <translation>添加秘密联系人</translation>
    </message>
    <message id="a11y Choose contact">
        <source>a11y Choose contact</source>
        <translation>选择联系人</translation>
    </message>
    <message id="a11y Message">
        <source>a11y Message</source>
        <translation>信息</translation>
    </message>
    <message id="a11y Clear search">
        <source>a11y Clear search</source>
        <translation>清除搜索</translation>
    </message>
    <message id="Address Book">
        <source>Address Book</source>
        <translation>通讯录</translation>
    </message>
    <message id="No People">
        <source>No People</source>
        <translation>通讯录是空的。</translation>
    </message>
    <message id="save failed">
        <source>save failed</source>
        <translation>联系人未能保存，没有任何改动。</translation>
    </message>
    <message id="delete failed">
        <source>delete failed</source>
        <translation>联系人未能删除。</translation>
    </message>
    <message id="Delete Contact">
        <source>Delete Contact</source>
        <translation>删除联系人</translation>
    </message>
    <message id="Sends through">
        <source>Sends through</source>
        <translation>信息经由%1发出。</translation>
    </message>
    <message id="via modem">
        <source>via modem</source>
        <translation>本机的调制解调器</translation>
    </message>
    <message id="via KDE Connect">
        <source>via KDE Connect</source>
        <translation>KDE Connect 与配对的手机</translation>
    </message>
    <message id="via Outbox">
        <source>via Outbox</source>
        <translation>发件箱文件夹</translation>
    </message>
    <message id="kept in Outbox">
        <source>kept in Outbox</source>
        <translation>已存入发件箱，未发出</translation>
    </message>
    <message id="no web link host">
        <source>no web link host</source>
        <translation>没有密信的朋友要在你自己的网页上阅读消息。请先在设置中填写该网页的主机名。</translation>
    </message>
    <message id="Web link host">
        <source>Web link host</source>
        <translation>网页链接主机</translation>
    </message>
    <message id="not set">
        <source>not set</source>
        <translation>未设置</translation>
    </message>
    <message id="invalid host">
        <source>invalid host</source>
        <translation>这不是主机名（例如 links.example.org），没有任何改动。</translation>
    </message>
    <message id="record not deleted">
        <source>record not deleted</source>
        <translation>记录未能删除，仍保存着。</translation>
    </message>
    <message id="left out">
        <source>left out</source>
        <translation>有 %1 个名片、文件或文件夹无法读取。</translation>
    </message>
    <message id="Read a message">
        <source>Read a message</source>
        <translation>读取信息</translation>
    </message>
    <message id="paste message">
        <source>paste message</source>
        <translation>粘贴收到的秘密链接或整条短信。</translation>
    </message>
    <message id="no secret message">
        <source>no secret message</source>
        <translation>这段文字中没有秘密信息。</translation>
    </message>
    <message id="Read">
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message id="secret message from">
        <source>secret message from</source>
        <translation>来自 %1 的秘密信息</translation>
    </message>
    <message id="From">
        <source>From</source>
        <translation>发件人：%1</translation>
    </message>
    <message id="Notice secret messages when Hushvault is closed">
        <source>Notice secret messages when Hushvault is closed</source>
        <translation>Hushvault 关闭时也提醒秘密信息</translation>
    </message>
    <message id="autostart not changed">
        <source>autostart not changed</source>
        <translation>无法更改开机启动项：%1</translation>
    </message>
    <message id="Back up">
        <source>Back up</source>
        <translation>备份…</translation>
    </message>
    <message id="Restore">
        <source>Restore</source>
        <translation>恢复…</translation>
    </message>
    <message id="backup file title">
        <source>backup file title</source>
        <translation>备份保存为</translation>
    </message>
    <message id="restore file title">
        <source>restore file title</source>
        <translation>选择备份文件</translation>
    </message>
    <message id="backup filter">
        <source>backup filter</source>
        <translation>Hushvault 备份 (*.hvbackup);;所有文件 (*)</translation>
    </message>
    <message id="backup passphrase">
        <source>backup passphrase</source>
        <translation>备份口令</translation>
    </message>
    <message id="backup passphrase hint">
        <source>backup passphrase hint</source>
        <translation>至少 10 个字符。没有它，任何人（包括您自己）都无法读取备份。</translation>
    </message>
    <message id="restore passphrase hint">
        <source>restore passphrase hint</source>
        <translation>制作备份时使用的口令。</translation>
    </message>
    <message id="repeat passphrase">
        <source>repeat passphrase</source>
        <translation>请再次输入口令。</translation>
    </message>
    <message id="Next">
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message id="passphrase too short">
        <source>passphrase too short</source>
        <translation>口令太短：至少需要 10 个字符，因为拿到文件的人可以无限次地尝试口令。</translation>
    </message>
    <message id="passphrases differ">
        <source>passphrases differ</source>
        <translation>两次输入的口令不一致。</translation>
    </message>
    <message id="please wait">
        <source>please wait</source>
        <translation>请稍候…</translation>
    </message>
    <message id="backup saved">
        <source>backup saved</source>
        <translation>备份已保存</translation>
    </message>
    <message id="backup saved detail">
        <source>backup saved detail</source>
        <translation>%1 个联系人和 %2 条记录已保存到 %3。请记住口令：没有它就无法恢复备份。</translation>
    </message>
    <message id="backup failed">
        <source>backup failed</source>
        <translation>备份失败</translation>
    </message>
    <message id="restore question">
        <source>restore question</source>
        <translation>恢复此备份？</translation>
    </message>
    <message id="restore into empty">
        <source>restore into empty</source>
        <translation>将添加 %1 个联系人、%2 条记录以及备份中的设置。</translation>
    </message>
    <message id="restore merge">
        <source>restore merge</source>
        <translation>将添加 %1 个联系人和 %2 条记录。号码已存在的联系人保留本机的名称和密码：%3 个（其中 %4 个与备份不同）。本机的设置保持不变。</translation>
    </message>
    <message id="restore nothing new">
        <source>restore nothing new</source>
        <translation>此备份中的所有内容都已存在。</translation>
    </message>
    <message id="restore button">
        <source>restore button</source>
        <translation>恢复</translation>
    </message>
    <message id="restored">
        <source>restored</source>
        <translation>已恢复</translation>
    </message>
    <message id="restore failed">
        <source>restore failed</source>
        <translation>恢复失败</translation>
    </message>
    <message id="backup wrong passphrase">
        <source>backup wrong passphrase</source>
        <translation>口令错误，或文件已损坏。未作任何更改。</translation>
    </message>
    <message id="backup damaged">
        <source>backup damaged</source>
        <translation>备份已损坏或不完整。未作任何更改。</translation>
    </message>
    <message id="backup newer">
        <source>backup newer</source>
        <translation>此备份由更新版本的 Hushvault 制作。请更新 Hushvault 后再恢复。未作任何更改。</translation>
    </message>
    <message id="backup not a backup">
        <source>backup not a backup</source>
        <translation>此文件不是 Hushvault 备份，或已损坏。未作任何更改。</translation>
    </message>
    <message id="backup cannot read">
        <source>backup cannot read</source>
        <translation>无法读取该文件。</translation>
    </message>
    <message id="backup cannot write">
        <source>backup cannot write</source>
        <translation>无法写入数据（磁盘已满或只读？）。未作任何更改。</translation>
    </message>
    <message id="backup profile unreadable">
        <source>backup profile unreadable</source>
        <translation>无法读取已保存的联系人和记录。</translation>
    </message>
    <message id="backup no memory">
        <source>backup no memory</source>
        <translation>内存不足，无法打开备份。</translation>
    </message>
    <message id="restored detail">
        <source>restored detail</source>
        <translation>已添加 %1 个联系人和 %2 条记录。</translation>
    </message>
</context>
</TS>
