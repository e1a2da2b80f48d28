// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The web reader: takes the token from the link (?m=… or #m=…), asks for the preset
// password and shows the message, all in this browser. Nothing typed or read is sent or
// stored; the token leaves the address bar once it is read.
(function () {
    'use strict';

    const TEXTS = {
        en: {
            title: 'A secret message',
            about: 'Hushvault keeps messages secret between friends who agreed on a password. ' +
                'This message is decrypted here, on your own phone: nothing you type leaves it.',
            label: 'Preset password',
            read: 'Read the message',
            wrong: 'This password does not fit the message. Try again.',
            damaged: 'This link is damaged or incomplete. Ask your friend to send the message again.',
            none: 'This link holds no message.',
            heading: 'The message',
            openApp: 'Open in Hushvault',
        },
        'zh-CN': {
            title: '一条私密信息',
            about: '私密短信让约定了密码的朋友之间的信息保持私密。这条信息在您自己的手机上解密，您输入的内容不会离开手机。',
            label: '预设密码',
            read: '阅读信息',
            wrong: '密码与这条信息不符，请再试一次。',
            damaged: '这个链接已损坏或不完整，请让朋友重新发送。',
            none: '这个链接里没有信息。',
            heading: '信息内容',
            openApp: '在 Hushvault 中打开',
        },
        'zh-TW': {
            title: '一則私密訊息',
            about: '私密簡訊讓約定了密碼的朋友之間的訊息保持私密。這則訊息在您自己的手機上解密，您輸入的內容不會離開手機。',
            label: '預設密碼',
            read: '閱讀訊息',
            wrong: '密碼與這則訊息不符，請再試一次。',
            damaged: '這個連結已損壞或不完整，請讓朋友重新傳送。',
            none: '這個連結裡沒有訊息。',
            heading: '訊息內容',
            openApp: '在 Hushvault 中開啟',
        },
    };

    function language() {
        for (const tag of navigator.languages || [navigator.language || 'en']) {
            const lower = String(tag).toLowerCase();
            if (/^zh-(tw|hk|mo|hant)/.test(lower)) return 'zh-TW';
            if (lower.startsWith('zh')) return 'zh-CN';
            if (lower.startsWith('en')) return 'en';
        }
        return 'en';
    }

    function md5(bytes) {
        const raw = SparkMD5.ArrayBuffer.hash(
            bytes.buffer.slice(bytes.byteOffset, bytes.byteOffset + bytes.byteLength), true);
        return Uint8Array.from(raw, (c) => c.charCodeAt(0));
    }

    const texts = TEXTS[language()];
    document.documentElement.lang = language();
    document.title = texts.title;
    for (const element of document.querySelectorAll('[data-text]'))
        element.textContent = texts[element.dataset.text];

    const token = HushvaultToken.tokenOfLink(location.search, location.hash);
    // Read once, then out of the address bar (the browser's history keeps the visit).
    history.replaceState(null, '', location.pathname);
    const form = document.getElementById('form');
    const field = document.getElementById('password');
    const button = document.getElementById('read');
    const status = document.getElementById('status');
    const message = document.getElementById('message');

    // A line for the live region; set anew, so that the same words are spoken again.
    function say(text) {
        status.textContent = '';
        setTimeout(() => { status.textContent = text; }, 50);
    }
    function damaged(text) {
        form.hidden = true;
        say(text);
        status.focus();
    }

    // What no password can mend is said at once.
    if (token === null || token === '') {
        damaged(texts.none);
        return;
    }
    if (!HushvaultToken.isWellFormed(token)) {
        damaged(texts.damaged);
        return;
    }
    // A friend who has Hushvault after all reads it there, with the passwords it keeps.
    const openApp = document.getElementById('open-app');
    openApp.href = 'hiddenmsg://' + token;
    openApp.hidden = false;
    // No form is submitted: a browser would take that for a log-in and offer to keep the
    // password.
    function read() {
        const outcome = HushvaultToken.decryptToken(token, field.value, md5);
        if (outcome.status === 'ok') {
            form.hidden = true;
            status.textContent = '';
            message.hidden = false;
            document.getElementById('text').textContent = outcome.text;
            document.getElementById('heading').focus();
        } else if (outcome.status === 'wrong-password') {
            field.setAttribute('aria-invalid', 'true');
            say(texts.wrong);
            field.value = '';
            field.focus();
        } else {
            damaged(texts.damaged);
        }
    }
    button.addEventListener('click', read);
    field.addEventListener('keydown', (event) => {
        if (event.key === 'Enter') read();
    });
    field.focus();
})();
