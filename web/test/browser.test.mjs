// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The built page in a real browser (Debian's Chromium, headless, through puppeteer-core),
// served from 127.0.0.1, with a link that hushvault-cli made: the right password, a wrong
// one first, a damaged link, no request to anything but the page itself, and a screenshot
// of each state in each language. Needs HV_WEB (the built site, holding s/index.html) and
// HV_CLI (hushvault-cli); HV_WEB_SHOTS names where screenshots go.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { existsSync, mkdirSync, mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { createServer } from 'node:http';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, test } from 'node:test';

import puppeteer from 'puppeteer-core';

const site = process.env.HV_WEB;
const cli = process.env.HV_CLI;
const shots = process.env.HV_WEB_SHOTS || join(site || '.', 'screenshots');
const chromium = process.env.CHROMIUM || '/usr/bin/chromium';
const text = 'See you at the north gate at eight.\n今晚八点北门见。';

let server;
let origin;
let browser;
let link;
let profile;  // hushvault-cli's

before(async () => {
    assert.ok(site && existsSync(join(site, 's/index.html')), 'HV_WEB must hold s/index.html');
    assert.ok(cli, 'HV_CLI must name hushvault-cli');
    // The SMS body hushvault-cli sends to a friend without Hushvault, through the Outbox. Web
    // links need a host of the user's own: there is no default.
    profile = mkdtempSync(join(tmpdir(), 'hushvault-web-'));
    execFileSync(cli, ['--data-dir=' + profile, 'config', 'set', 'WebLinkHost', 'links.example.org']);
    const body = execFileSync(cli, ['--data-dir=' + profile, 'send', '--sms=outbox', '--to',
                                    '+86 138 0013 8000', '--password', 'tea', '--', text],
                              { encoding: 'utf8', env: { ...process.env, HUSHVAULT_KDECONNECT_CLI: '' } });
    link = body.match(/http:\/\/[^/\s]+(\/s\/\?m=\S+)/)?.[1];
    assert.ok(link, body);
    server = createServer((request, response) => {
        const path = new URL(request.url, 'http://x').pathname;
        if (path !== '/s/' && path !== '/s/index.html') {
            response.writeHead(404).end();
            return;
        }
        response.writeHead(200, { 'Content-Type': 'text/html; charset=utf-8' });
        response.end(readFileSync(join(site, 's/index.html')));
    });
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    origin = `http://127.0.0.1:${server.address().port}`;
    browser = await puppeteer.launch({ executablePath: chromium, headless: true,
                                       args: ['--no-sandbox', '--no-first-run', '--disable-dev-shm-usage'] });
    mkdirSync(shots, { recursive: true });
});

after(async () => {
    await browser?.close();
    server?.close();
    if (profile) rmSync(profile, { recursive: true, force: true });
});

// A page in that language that records every request it makes.
async function open(language, path) {
    const page = await browser.newPage();
    await page.setViewport({ width: 390, height: 780, deviceScaleFactor: 1 });
    await page.evaluateOnNewDocument((tag) => {
        Object.defineProperty(navigator, 'languages', { get: () => [tag] });
    }, language);
    const requests = [];
    page.on('request', (request) => requests.push(request.url()));
    await page.goto(origin + path, { waitUntil: 'load' });
    return { page, requests };
}

// The text of the element, once it has one (the live region is set a moment later).
async function shown(page, selector) {
    await page.waitForFunction((s) => document.querySelector(s).textContent !== '', {}, selector);
    return page.$eval(selector, (e) => e.textContent);
}

for (const language of ['en', 'zh-CN', 'zh-TW']) {
    test(`a wrong password, then the right one, then the message (${language})`, async () => {
        const { page, requests } = await open(language, link);
        assert.equal(new URL(page.url()).search, '', 'the token leaves the address bar');
        // The same message as an application link, which Hushvault reads.
        const appLink = await page.$eval('#open-app', (a) => a.getAttribute('href'));
        assert.ok(appLink.startsWith('hiddenmsg://'), appLink);
        assert.equal(execFileSync(cli, ['--data-dir=' + profile, 'read', '--password', 'tea', appLink],
                                  { encoding: 'utf8' }), text + '\n');
        await page.screenshot({ path: join(shots, `ask-${language}.png`) });
        await page.type('#password', 'coffee');
        await page.keyboard.press('Enter');
        assert.notEqual(await shown(page, '#status'), '');
        assert.equal(await page.$eval('#message', (e) => e.hidden), true);
        await page.screenshot({ path: join(shots, `wrong-${language}.png`) });
        assert.equal(await page.$eval('#password', (e) => e.getAttribute('aria-invalid')), 'true');
        await page.type('#password', 'tea');
        await page.click('#read');
        assert.equal(await shown(page, '#text'), text);
        assert.equal(await page.$eval('html', (e) => e.lang), language);
        await page.screenshot({ path: join(shots, `read-${language}.png`) });
        assert.deepEqual(requests.map((url) => new URL(url).origin), [origin], requests.join('\n'));
        assert.equal(await page.evaluate(() => localStorage.length + sessionStorage.length), 0);
        await page.close();
    });

    test(`a damaged link says so at once (${language})`, async () => {
        const { page } = await open(language, link.slice(0, -5) + '*');
        assert.notEqual(await shown(page, '#status'), '');
        assert.equal(await page.$eval('#form', (e) => e.hidden), true);
        assert.equal(await page.$eval('#message', (e) => e.hidden), true);
        assert.equal(await page.evaluate(() => document.activeElement.id), 'status');
        await page.screenshot({ path: join(shots, `damaged-${language}.png`) });
        await page.close();
    });
}
