// Debian's Chromium, headless, driven through puppeteer-core: a fresh
// profile each time, nothing fetched from the network, and no sound device.
'use strict';

const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const puppeteer = require('puppeteer-core');

const kChromium = process.env.GROUNDLINE_CHROMIUM || '/usr/bin/chromium';

// Resolves to { browser, close }; close also removes the profile.
async function launch() {
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'groundline-chromium-'));
    const browser = await puppeteer.launch({
        executablePath: kChromium,
        headless: true,
        args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-background-networking',
               '--disable-component-update', '--disable-sync', '--no-first-run',
               '--mute-audio', `--user-data-dir=${profile}`],
    });
    return {
        browser,
        close: async () => {
            await browser.close();
            fs.rmSync(profile, { recursive: true, force: true });
        },
    };
}

module.exports = { launch };
