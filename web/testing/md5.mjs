// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

// MD5 for the tests, from the same package the page bundles.
import { createRequire } from 'node:module';

const require = createRequire(import.meta.url);
const SparkMD5 = require('spark-md5');
export const token = require('../src/token.js');

// Uint8Array -> Uint8Array of 16, as the page computes it.
export function md5(bytes) {
    const raw = SparkMD5.ArrayBuffer.hash(bytes.buffer.slice(bytes.byteOffset, bytes.byteOffset + bytes.byteLength), true);
    return Uint8Array.from(raw, (c) => c.charCodeAt(0));
}
