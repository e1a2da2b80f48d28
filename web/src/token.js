// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reads a secret-message token the way Hushvault does: a check prefix of four lowercase
// hex digits (the first two bytes of MD5(MD5(password))), then the Base64 of the text's
// UTF-8 bytes enciphered with RC4 under the key MD5(password). Shared by the web page and
// its tests; MD5 is handed in (the page bundles a well-kept implementation).
(function (root) {
    'use strict';

    const ALPHABET = 'ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/';
    const WHITE_SPACE = '\t\n\v\f\r ';

    // A token as links carry it: "%2B" (any case) stands for "+".
    function unescapeToken(text) {
        return String(text).replace(/%2b/gi, '+');
    }

    // The token a link's query ("?m=…", the first "m") or fragment ("#m=…") carries, as
    // written there; null when there is none. Read by hand: a query decoder would turn
    // "+" into a space.
    function tokenOfLink(search, hash) {
        for (const part of [search, hash]) {
            for (const pair of String(part).replace(/^[?#]/, '').split('&')) {
                if (pair.startsWith('m=')) return pair.slice(2);
            }
        }
        return null;
    }

    // White space as the system's Base64 knows it, off both ends (nothing else).
    function trimmed(text) {
        let start = 0;
        let end = text.length;
        while (start < end && WHITE_SPACE.includes(text[start])) start += 1;
        while (end > start && WHITE_SPACE.includes(text[end - 1])) end -= 1;
        return text.slice(start, end);
    }

    // Whether a link's token can be read at all, whatever the password: ASCII, the
    // four-hex check prefix, and a body that is empty or Base64. (The application reads a
    // body that is not Base64 as an empty message; here it is called damaged, at once.)
    function isWellFormed(input) {
        const token = trimmed(unescapeToken(input));
        if (!/^[0-9a-f]{4}/.test(token) || /[^\x00-\x7f]/.test(token)) return false;
        const body = token.slice(4);
        return [...body].every((c) => WHITE_SPACE.includes(c)) || base64Decode(body) !== null;
    }

    // Base64 with the system's rules: white space anywhere is skipped, "=" only closes a
    // group after two data characters, nothing may follow it, and the groups must be whole.
    // Null when the text breaks a rule or holds nothing.
    function base64Decode(text) {
        const out = [];
        let group = 0;
        let filled = 0;
        let padding = 0;
        for (const c of text) {
            if (c === '=') {
                if (filled + padding < 2) return null;
                padding += 1;
                if (filled + padding > 4) return null;
                continue;
            }
            if (WHITE_SPACE.includes(c)) continue;
            const value = ALPHABET.indexOf(c);
            if (value < 0 || padding > 0) return null;
            group = (group << 6) | value;
            filled += 1;
            if (filled === 4) {
                out.push((group >> 16) & 0xff, (group >> 8) & 0xff, group & 0xff);
                group = 0;
                filled = 0;
            }
        }
        if (padding > 0) {
            if (filled + padding !== 4) return null;
            group <<= 6 * padding;
            out.push((group >> 16) & 0xff);
            if (filled === 3) out.push((group >> 8) & 0xff);
        } else if (filled !== 0) {
            return null;
        }
        return out.length === 0 ? null : Uint8Array.from(out);
    }

    function rc4(key, bytes) {
        const s = new Uint8Array(256);
        for (let i = 0; i < 256; i += 1) s[i] = i;
        for (let i = 0, j = 0; i < 256; i += 1) {
            j = (j + s[i] + key[i % key.length]) & 0xff;
            [s[i], s[j]] = [s[j], s[i]];
        }
        const out = new Uint8Array(bytes.length);
        for (let n = 0, i = 0, j = 0; n < bytes.length; n += 1) {
            i = (i + 1) & 0xff;
            j = (j + s[i]) & 0xff;
            [s[i], s[j]] = [s[j], s[i]];
            out[n] = bytes[n] ^ s[(s[i] + s[j]) & 0xff];
        }
        return out;
    }

    function hex(bytes) {
        return Array.from(bytes, (b) => b.toString(16).padStart(2, '0')).join('');
    }

    // md5(Uint8Array) -> Uint8Array of 16. The outcome's status: "ok" (with the text),
    // "damaged" (see isWellFormed), or "wrong-password": the check prefix belongs to another
    // password, or (one password in 65,536 shares it) what it decrypts to is not text.
    function decryptToken(input, password, md5) {
        if (!isWellFormed(input)) return { status: 'damaged' };
        const token = trimmed(unescapeToken(input));
        const key = md5(new TextEncoder().encode(password));
        if (token.slice(0, 4) !== hex(md5(key).slice(0, 2))) return { status: 'wrong-password' };
        const body = token.slice(4);
        if ([...body].every((c) => WHITE_SPACE.includes(c))) return { status: 'ok', text: '' };
        const plain = rc4(key, base64Decode(body));
        try {
            const decoder = new TextDecoder('utf-8', { fatal: true, ignoreBOM: true });
            return { status: 'ok', text: decoder.decode(plain) };
        } catch (error) {
            return { status: 'wrong-password' };
        }
    }

    const api = { unescapeToken, tokenOfLink, isWellFormed, base64Decode, rc4, decryptToken };
    if (typeof module === 'object' && module.exports) module.exports = api;
    else root.HushvaultToken = api;
})(this);
