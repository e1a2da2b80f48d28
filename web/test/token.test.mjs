// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The token reader against the same independent vectors as the application's cipher.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { test } from 'node:test';

import { md5, token } from '../testing/md5.mjs';

const vectors = JSON.parse(
    readFileSync(new URL('../../tests/crypto/vectors/token_vectors.json', import.meta.url)));

test('every vector reads back, plain and escaped, and only with its password', () => {
    for (const v of vectors) {
        for (const form of [v.plain, v.escaped, v.plain.replace(/\+/g, '%2b')]) {
            assert.deepEqual(token.decryptToken(form, v.password, md5), { status: 'ok', text: v.text });
        }
        assert.equal(token.decryptToken(v.plain, v.password + 'x', md5).status, 'wrong-password');
    }
    assert.ok(vectors.some((v) => v.plain.includes('+')) && vectors.some((v) => v.plain.includes('/')),
              'the vectors hold "+" and "/"');
});

test('white space inside the Base64 is skipped; broken Base64 is a damaged link', () => {
    const v = vectors.find((x) => x.text.length > 10);
    const spaced = v.plain.slice(0, 4) + ' ' + v.plain.slice(4, 10) + '\n' + v.plain.slice(10);
    assert.deepEqual(token.decryptToken(spaced, v.password, md5), { status: 'ok', text: v.text });
    assert.equal(token.decryptToken(v.plain.slice(0, -3), v.password, md5).status, 'damaged');
    assert.equal(token.decryptToken(v.plain + '*', v.password, md5).status, 'damaged');
    assert.equal(token.decryptToken(v.plain + '=A', v.password, md5).status, 'damaged');
});

test('what is not a token says so', () => {
    for (const bad of ['', 'abc', 'ABCD1234', 'zz12abcd', '12ab€€€€', '\u0000\u0001']) {
        assert.equal(token.decryptToken(bad, 'tea', md5).status, 'damaged', JSON.stringify(bad));
    }
    // The check prefix alone is the empty message.
    const empty = vectors.find((x) => x.text === '');
    assert.deepEqual(token.decryptToken(empty.plain, empty.password, md5), { status: 'ok', text: '' });
});

test('what does not decrypt to text counts as a password that does not fit', () => {
    // One wrong password in 65,536 shares the check prefix; the friend may try again.
    const v = vectors.find((x) => x.text === 'hello');
    const key = md5(new TextEncoder().encode(v.password));
    const body = Buffer.from(token.rc4(key, Uint8Array.from([0xff, 0xfe, 0xc3]))).toString('base64');
    assert.equal(token.decryptToken(v.plain.slice(0, 4) + body, v.password, md5).status,
                 'wrong-password');
    // A byte-order mark is part of the text, as in the application.
    const bom = Buffer.from(token.rc4(key, new TextEncoder().encode('\uFEFFhi'))).toString('base64');
    assert.equal(token.decryptToken(v.plain.slice(0, 4) + bom, v.password, md5).text, '\uFEFFhi');
});

test('links carry the token in the query or the fragment, its "+" escaped or not', () => {
    assert.equal(token.tokenOfLink('?m=ab12cd%2Bef', ''), 'ab12cd%2Bef');
    assert.equal(token.tokenOfLink('?x=1&m=ab12+cd&y=2', ''), 'ab12+cd');
    assert.equal(token.tokenOfLink('', '#m=ab12cd'), 'ab12cd');
    assert.equal(token.tokenOfLink('?x=1', '#y'), null);
    assert.equal(token.unescapeToken('ab%2bcd%2B'), 'ab+cd+');
    // Only ASCII white space is trimmed: a no-break space makes no token.
    const v = vectors.find((x) => x.text === 'hello');
    assert.equal(token.decryptToken(' ' + v.plain + '\n', v.password, md5).text, 'hello');
    assert.equal(token.decryptToken(v.plain + '\u00a0', v.password, md5).status, 'damaged');
    assert.equal(token.isWellFormed(v.plain), true);
    assert.equal(token.isWellFormed(v.plain + '*'), false);
});
