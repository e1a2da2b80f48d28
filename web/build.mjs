// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Builds the web reader into one self-contained page: node build.mjs OUTPUT_DIRECTORY
// writes OUTPUT_DIRECTORY/s/index.html (MD5, the token reader and the page's script inline,
// allowed by their hashes in the Content-Security-Policy, which forbids every connection)
// and the MD5 package's licence beside it.
import { createHash } from 'node:crypto';
import { copyFileSync, mkdirSync, readFileSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
const require = createRequire(import.meta.url);
const output = process.argv[2];
if (!output) {
    console.error('usage: node build.mjs OUTPUT_DIRECTORY');
    process.exit(2);
}

const sparkFile = require.resolve('spark-md5/spark-md5.min.js');
const scripts = {
    '@SPARK_MD5@': readFileSync(sparkFile, 'utf8'),
    '@TOKEN_JS@': readFileSync(join(here, 'src/token.js'), 'utf8'),
    '@PAGE_JS@': readFileSync(join(here, 'src/page.js'), 'utf8'),
};
const hash = (text) => `'sha256-${createHash('sha256').update(text, 'utf8').digest('base64')}'`;
const template = readFileSync(join(here, 's/index.html'), 'utf8');
const style = template.match(/<style>([\s\S]*?)<\/style>/)[1];
const csp = [
    "default-src 'none'",
    `script-src ${Object.values(scripts).map(hash).join(' ')}`,
    `style-src ${hash(style)}`,
    "connect-src 'none'",
    "img-src 'none'",
    "form-action 'none'",
    "base-uri 'none'",
].join('; ');

let page = template.replace('@CSP@', csp);
for (const [mark, script] of Object.entries(scripts)) {
    if (/<\/script|<!--/i.test(script)) throw new Error(`${mark} would break its script element`);
    page = page.replace(mark, () => script);
}
mkdirSync(join(output, 's'), { recursive: true });
writeFileSync(join(output, 's/index.html'), page);
copyFileSync(join(dirname(sparkFile), 'LICENSE'), join(output, 's/LICENSE.spark-md5.txt'));
