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
    <message id="To">
        <source>To</source>
        <translation>收件人</translation>
    </message>
    <message id="Mobitype">
        <source>Mobitype</source>
        <translation>手機類型</translation>
    </message>
    <message id="passcode">
        <source>passcode</source>
        <translation>密碼</translation>
    </message>
    <message id="iphone">
        <source>iphone</source>
        <translation>私密簡訊</translation>
    </message>
    <message id="cell">
        <source>cell</source>
        <translation>其他手機</translation>
    </message>
    <message id="iphone hushvault">
        <source>iphone hushvault</source>
        <translation>朋友已安裝私密簡訊：點選連結即可在應用程式中開啟。</translation>
    </message>
    <message id="no hushvault">
        <source>no hushvault</source>
        <translation>朋友未安裝私密簡訊：訊息以網頁連結送達，在瀏覽器中開啟。</translation>
    </message>
    <message id="PTPNumber">
        <source>PTPNumber</source>
        <translation>電話號碼</translation>
    </message>
    <message id="PEn-password">
        <source>PEn-password</source>
        <translation>預設密碼</translation>
    </message>
    <message id="send">
        <source>send</source>
        <translation>正在傳送…</translation>
    </message>
    <message id="F-send">
        <source>F-send</source>
        <translation>已傳送</translation>
    </message>
    <message id="draft not saved">
        <source>draft not saved</source>
        <translation>未傳送的訊息未能儲存以便稍後繼續。</translation>
    </message>
    <message id="failed send">
        <source>failed send</source>
        <translation>傳送失敗</translation>
    </message>
    <message id="Input Number">
        <source>Input Number</source>
        <translation>請輸入收件人的電話號碼。</translation>
    </message>
    <message id="Input En-PWD">
        <source>Input En-PWD</source>
        <translation>請輸入至少 3 個字元的預設密碼。</translation>
    </message>
    <message id="Warning">
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message id="send error">
        <source>send error</source>
        <translation>訊息未能送達。</translation>
    </message>
    <message id="Contracts">
        <source>Contracts</source>
        <translation>聯絡人</translation>
    </message>
    <message id="Mobi Type">
        <source>Mobi Type</source>
        <translation>手機類型</translation>
    </message>
    <message id="hiddenMSG">
        <source>hiddenMSG</source>
        <translation>私密簡訊：</translation>
    </message>
    <message id="SMS count">
        <source>SMS count</source>
        <translation>%1 字 · %2 則簡訊</translation>
    </message>
    <message id="passCode">
        <source>passCode</source>
        <translation>請輸入管理員密碼</translation>
    </message>
    <message id="password length">
        <source>password length</source>
        <translation>密碼至少需要 4 個字元。</translation>
    </message>
    <message id="twice input are different">
        <source>twice input are different</source>
        <translation>兩次輸入不一致，請重新輸入新密碼。</translation>
    </message>
    <message id="input admin password again">
        <source>input admin password again</source>
        <translation>請再次輸入管理員密碼</translation>
    </message>
    <message id="input the new password again">
        <source>input the new password again</source>
        <translation>請再次輸入新密碼</translation>
    </message>
    <message id="incorrect old password">
        <source>incorrect old password</source>
        <translation>舊密碼不正確</translation>
    </message>
    <message id="new pass word">
        <source>new pass word</source>
        <translation>請輸入新密碼</translation>
    </message>
    <message id="incorrect admin password">
        <source>incorrect admin password</source>
        <translation>管理員密碼錯誤</translation>
    </message>
    <message id="no pass word">
        <source>no pass word</source>
        <translation>尚未設定管理員密碼</translation>
    </message>
    <message id="Login">
        <source>Login</source>
        <translation>登入</translation>
    </message>
    <message id="Password Modify">
        <source>Password Modify</source>
        <translation>修改密碼</translation>
    </message>
    <message id="Password Setting">
        <source>Password Setting</source>
        <translation>管理員密碼</translation>
    </message>
    <message id="Save">
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message id="Admin Password">
        <source>Admin Password</source>
        <translation>管理員密碼</translation>
    </message>
    <message id="Automatic locking">
        <source>Automatic locking</source>
        <translation>自動鎖定</translation>
    </message>
    <message id="Store SMS">
        <source>Store SMS</source>
        <translation>儲存簡訊</translation>
    </message>
    <message id="setted">
        <source>setted</source>
        <translation>已設定</translation>
    </message>
    <message id="Immediately">
        <source>Immediately</source>
        <translation>立即</translation>
    </message>
    <message id="mim">
        <source>mim</source>
        <translation> 分鐘</translation>
    </message>
    <message id="mims">
        <source>mims</source>
        <translation> 分鐘</translation>
    </message>
    <message id="Never">
        <source>Never</source>
        <translation>永不</translation>
    </message>
    <message id="Change password">
        <source>Change password</source>
        <translation>修改密碼</translation>
    </message>
    <message id="Version">
        <source>Version</source>
        <translation>版本 %1</translation>
    </message>
    <message id="setting not saved">
        <source>setting not saved</source>
        <translation>設定未能儲存，仍保持原樣。</translation>
    </message>
    <message id="database error">
        <source>database error</source>
        <translation>無法讀寫資料檔 %1。在修復或移走該檔案之前，所做的變更都不會儲存。</translation>
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
        <translation>回覆</translation>
    </message>
    <message id="No Match preset Password">
        <source>No Match preset Password</source>
        <translation>沒有與此訊息相符的預設密碼。</translation>
    </message>
    <message id="De-password">
        <source>De-password</source>
        <translation>預設密碼</translation>
    </message>
    <message id="Input De-PWD">
        <source>Input De-PWD</source>
        <translation>請輸入預設密碼</translation>
    </message>
    <message id="Incorrect De-password">
        <source>Incorrect De-password</source>
        <translation>密碼與此訊息不符。</translation>
    </message>
    <message id="damaged link">
        <source>damaged link</source>
        <translation>這個連結已損壞或不完整，請讓朋友重新傳送。</translation>
    </message>
    <message id="The decrypted message">
        <source>The decrypted message</source>
        <translation>解密後的訊息</translation>
    </message>
    <message id="records">
        <source>records</source>
        <translation>訊息紀錄</translation>
    </message>
    <message id="NO Records">
        <source>NO Records</source>
        <translation>沒有紀錄</translation>
    </message>
    <message id="Edit">
        <source>Edit</source>
        <translation>編輯</translation>
    </message>
    <message id="Done">
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message id="Delete">
        <source>Delete</source>
        <translation>刪除</translation>
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
        <translation>還沒有秘密聯絡人</translation>
    </message>
    <message id="add friends">
        <source>add friends</source>
        <translation>點「編輯」，再點「+」新增好友</translation>
    </message>
    <message id="No Name">
        <source>No Name</source>
        <translation>無姓名</translation>
    </message>
    <message id="No Contracts">
        <source>No Contracts</source>
        <translation>此聯絡人沒有電話號碼。</translation>
    </message>
    <message id="Choose Number">
        <source>Choose Number</source>
        <translation>選擇號碼</translation>
    </message>
    <message id="AFManagement">
        <source>AFManagement</source>
        <translation>新增聯絡人</translation>
    </message>
    <message id="name :">
        <source>name :</source>
        <translation>姓名</translation>
    </message>
    <message id="Phone Number">
        <source>Phone Number</source>
        <translation>號碼</translation>
    </message>
    <message id="password">
        <source>password</source>
        <translation>密碼</translation>
    </message>
    <message id="iPhone Friends">
        <source>iPhone Friends</source>
        <translation>使用私密簡訊</translation>
    </message>
    <message id="password in plaintext">
        <source>password in plaintext</source>
        <translation>顯示密碼</translation>
    </message>
    <message id="Name">
        <source>Name</source>
        <translation>姓名</translation>
    </message>
    <message id="TPNumber">
        <source>TPNumber</source>
        <translation>電話號碼</translation>
    </message>
    <message id="Information uncomplete">
        <source>Information uncomplete</source>
        <translation>姓名、號碼或預設密碼未填寫，仍要儲存嗎？</translation>
    </message>
    <message id="write">
        <source>write</source>
        <translation>手動輸入</translation>
    </message>
    <message id="choose">
        <source>choose</source>
        <translation>從通訊錄選擇</translation>
    </message>
    <message id="Search">
        <source>Search</source>
        <translation>搜尋</translation>
    </message>
    <message id="a11y About">
        <source>a11y About</source>
        <translation>關於私密簡訊</translation>
    </message>
    <message id="a11y Add contact">
        <source>a11y Add contact</source>
        <translation>新增秘密聯絡人</translation>
    </message>
    <message id="a11y Choose contact">
        <source>a11y Choose contact</source>
        <translation>選擇聯絡人</translation>
    </message>
    <message id="a11y Message">
        <source>a11y Message</source>
        <translation>訊息</translation>
    </message>
    <message id="a11y Clear search">
        <source>a11y Clear search</source>
        <translation>清除搜尋</translation>
    </message>
    <message id="Address Book">
        <source>Address Book</source>
        <translation>通訊錄</translation>
    </message>
    <message id="No People">
        <source>No People</source>
        <translation>通訊錄是空的。</translation>
    </message>
    <message id="save failed">
        <source>save failed</source>
        <translation>聯絡人未能儲存，沒有任何變更。</translation>
    </message>
    <message id="delete failed">
        <source>delete failed</source>
        <translation>聯絡人未能刪除。</translation>
    </message>
    <message id="Delete Contact">
        <source>Delete Contact</source>
        <translation>刪除聯絡人</translation>
    </message>
    <message id="Sends through">
        <source>Sends through</source>
        <translation>訊息經由%1送出。</translation>
    </message>
    <message id="via modem">
        <source>via modem</source>
        <translation>本機的數據機</translation>
    </message>
    <message id="via KDE Connect">
        <source>via KDE Connect</source>
        <translation>KDE Connect 與配對的手機</translation>
    </message>
    <message id="via Outbox">
        <source>via Outbox</source>
        <translation>寄件匣資料夾</translation>
    </message>
    <message id="kept in Outbox">
        <source>kept in Outbox</source>
        <translation>已存入寄件匣，未送出</translation>
    </message>
    <message id="no web link host">
        <source>no web link host</source>
        <translation>沒有密信的朋友要在你自己的網頁上閱讀訊息。請先在設定中填寫該網頁的主機名稱。</translation>
    </message>
    <message id="Web link host">
        <source>Web link host</source>
        <translation>網頁連結主機</translation>
    </message>
    <message id="not set">
        <source>not set</source>
        <translation>未設定</translation>
    </message>
    <message id="invalid host">
        <source>invalid host</source>
        <translation>這不是主機名稱（例如 links.example.org），沒有任何變更。</translation>
    </message>
    <message id="record not deleted">
        <source>record not deleted</source>
        <translation>紀錄未能刪除，仍保存著。</translation>
    </message>
    <message id="left out">
        <source>left out</source>
        <translation>有 %1 個名片、檔案或資料夾無法讀取。</translation>
    </message>
    <message id="Read a message">
        <source>Read a message</source>
        <translation>讀取訊息</translation>
    </message>
    <message id="paste message">
        <source>paste message</source>
        <translation>貼上收到的秘密連結或整則簡訊。</translation>
    </message>
    <message id="no secret message">
        <source>no secret message</source>
        <translation>這段文字中沒有秘密訊息。</translation>
    </message>
    <message id="Read">
        <source>Read</source>
        <translation>讀取</translation>
    </message>
    <message id="secret message from">
        <source>secret message from</source>
        <translation>來自 %1 的秘密訊息</translation>
    </message>
    <message id="From">
        <source>From</source>
        <translation>寄件人：%1</translation>
    </message>
    <message id="Notice secret messages when Hushvault is closed">
        <source>Notice secret messages when Hushvault is closed</source>
        <translation>Hushvault 關閉時也提醒秘密訊息</translation>
    </message>
    <message id="autostart not changed">
        <source>autostart not changed</source>
        <translation>無法變更開機啟動項：%1</translation>
    </message>
    <message id="Back up">
        <source>Back up</source>
        <translation>備份…</translation>
    </message>
    <message id="Restore">
        <source>Restore</source>
        <translation>還原…</translation>
    </message>
    <message id="backup file title">
        <source>backup file title</source>
        <translation>備份儲存為</translation>
    </message>
    <message id="restore file title">
        <source>restore file title</source>
        <translation>選擇備份檔案</translation>
    </message>
    <message id="backup filter">
        <source>backup filter</source>
        <translation>Hushvault 備份 (*.hvbackup);;所有檔案 (*)</translation>
    </message>
    <message id="backup passphrase">
        <source>backup passphrase</source>
        <translation>備份密語</translation>
    </message>
    <message id="backup passphrase hint">
        <source>backup passphrase hint</source>
        <translation>至少 10 個字元。沒有它，任何人（包括您自己）都無法讀取備份。</translation>
    </message>
    <message id="restore passphrase hint">
        <source>restore passphrase hint</source>
        <translation>製作備份時使用的密語。</translation>
    </message>
    <message id="repeat passphrase">
        <source>repeat passphrase</source>
        <translation>請再次輸入密語。</translation>
    </message>
    <message id="Next">
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message id="passphrase too short">
        <source>passphrase too short</source>
        <translation>密語太短：至少需要 10 個字元，因為拿到檔案的人可以無限次地嘗試密語。</translation>
    </message>
    <message id="passphrases differ">
        <source>passphrases differ</source>
        <translation>兩次輸入的密語不一致。</translation>
    </message>
    <message id="please wait">
        <source>please wait</source>
        <translation>請稍候…</translation>
    </message>
    <message id="backup saved">
        <source>backup saved</source>
        <translation>備份已儲存</translation>
    </message>
    <message id="backup saved detail">
        <source>backup saved detail</source>
        <translation>%1 位聯絡人和 %2 筆記錄已儲存到 %3。請記住密語：沒有它就無法還原備份。</translation>
    </message>
    <message id="backup failed">
        <source>backup failed</source>
        <translation>備份失敗</translation>
    </message>
    <message id="restore question">
        <source>restore question</source>
        <translation>還原此備份？</translation>
    </message>
    <message id="restore into empty">
        <source>restore into empty</source>
        <translation>將新增 %1 位聯絡人、%2 筆記錄以及備份中的設定。</translation>
    </message>
    <message id="restore merge">
        <source>restore merge</source>
        <translation>將新增 %1 位聯絡人和 %2 筆記錄。號碼已存在的聯絡人保留本機的名稱和密碼：%3 位（其中 %4 位與備份不同）。本機的設定保持不變。</translation>
    </message>
    <message id="restore nothing new">
        <source>restore nothing new</source>
        <translation>此備份中的所有內容都已存在。</translation>
    </message>
    <message id="restore button">
        <source>restore button</source>
        <translation>還原</translation>
    </message>
    <message id="restored">
        <source>restored</source>
        <translation>已還原</translation>
    </message>
    <message id="restore failed">
        <source>restore failed</source>
        <translation>還原失敗</translation>
    </message>
    <message id="backup wrong passphrase">
        <source>backup wrong passphrase</source>
        <translation>密語錯誤，或檔案已損壞。未作任何變更。</translation>
    </message>
    <message id="backup damaged">
        <source>backup damaged</source>
        <translation>備份已損壞或不完整。未作任何變更。</translation>
    </message>
    <message id="backup newer">
        <source>backup newer</source>
        <translation>此備份由較新版本的 Hushvault 製作。請更新 Hushvault 後再還原。未作任何變更。</translation>
    </message>
    <message id="backup not a backup">
        <source>backup not a backup</source>
        <translation>此檔案不是 Hushvault 備份，或已損壞。未作任何變更。</translation>
    </message>
    <message id="backup cannot read">
        <source>backup cannot read</source>
        <translation>無法讀取該檔案。</translation>
    </message>
    <message id="backup cannot write">
        <source>backup cannot write</source>
        <translation>無法寫入資料（磁碟已滿或唯讀？）。未作任何變更。</translation>
    </message>
    <message id="backup profile unreadable">
        <source>backup profile unreadable</source>
        <translation>無法讀取已儲存的聯絡人和記錄。</translation>
    </message>
    <message id="backup no memory">
        <source>backup no memory</source>
        <translation>記憶體不足，無法開啟備份。</translation>
    </message>
    <message id="restored detail">
        <source>restored detail</source>
        <translation>已新增 %1 位聯絡人和 %2 筆記錄。</translation>
    </message>
</context>
</TS>
