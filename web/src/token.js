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

    // md5(Uint8Array) -> Uint8Array of 16. The outcome's status:
    // "ok" (with the text), "wrong-password" (the check prefix belongs to another
    // password: try again), or "damaged" (not a token, or one that does not decrypt).
    function decryptToken(input, password, md5) {
        const token = unescapeToken(input).trim();
        if (!/^[0-9a-f]{4}/.test(token) || /[^\x00-\x7f]/.test(token)) return { status: 'damaged' };
        const key = md5(new TextEncoder().encode(password));
        if (token.slice(0, 4) !== hex(md5(key).slice(0, 2))) return { status: 'wrong-password' };
        const body = token.slice(4);
        if ([...body].every((c) => WHITE_SPACE.includes(c))) return { status: 'ok', text: '' };
        const bytes = base64Decode(body);
        if (!bytes) return { status: 'damaged' };
        try {
            return { status: 'ok', text: new TextDecoder('utf-8', { fatal: true }).decode(rc4(key, bytes)) };
        } catch (error) {
            return { status: 'damaged' };  // fits the password, but is not text
        }
    }

    const api = { unescapeToken, base64Decode, rc4, decryptToken };
    if (typeof module === 'object' && module.exports) module.exports = api;
    else root.HushvaultToken = api;
})(this);
