// The page in headless Chromium, as a player meets it: served from
// 127.0.0.1 or opened from the disk, played by mouse, by touch and by keys,
// at a desk's and at phones' and tablets' sizes, and heard through a hook
// on its Web Audio. Every wait is on the game's own state, through the
// page's test hook (window.groundline), or on what the page's Web Audio
// was asked for, never a fixed time. GROUNDLINE_PAGE names the folder to serve, the unpacked zip
// (default: build-web). Run with `node --test tests/web/`.
'use strict';

const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const { after, before, test } = require('node:test');
const { launch } = require('./browser');
const { serve } = require('./serve');

const kRoot = path.join(__dirname, '..', '..');
const kPageFolder = process.env.GROUNDLINE_PAGE || path.join(kRoot, 'build-web');
// Longer than anything takes on a loaded machine; only a broken page waits it out.
const kPatience = 30000;

// The screen's places and prices, from the game's own layout and settings.
const layoutText = fs.readFileSync(path.join(kRoot, 'game', 'Layout.h'), 'utf8');
const settingsBytes = fs.readFileSync(path.join(kRoot, 'data', 'strings.txt'));
function layout(name) {
    return Number(layoutText.match(new RegExp(`constexpr int ${name} = (\\d+);`))[1]);
}
function rect(name) {
    const [x, y, width, height] = layoutText
        .match(new RegExp(`constexpr Rect ${name}\\{(\\d+), (\\d+), (\\d+), (\\d+)\\}`))
        .slice(1).map(Number);
    return { x: x + Math.floor(width / 2), y: y + Math.floor(height / 2) };
}
function setting(name) {
    return Number(settingsBytes.toString('latin1').match(new RegExp(`^${name}=(.*)$`, 'm'))[1]);
}
const kLaserButton = { x: layout('kButtonX') + Math.floor(layout('kButtonSize') / 2),
                       y: layout('kButtonY') + Math.floor(layout('kButtonSize') / 2) };
const kGround = { x: 100, y: setting('TowerBaseline') - 60 };
const kYes = rect('kYesAnswer');
const kLaserPrice = setting('Tower1Value');
const kStartingMoney = setting('StartingMoney');
const kModes = { idle: 0, placing: 1, dialog: 3 };

const kDesk = { width: 1000, height: 700 };
const kPhone = { width: 740, height: 360, hasTouch: true, isMobile: true };
// Phones and tablets held either way, and a large touch screen.
const kTouchScreens = [[390, 844], [844, 390], [1024, 768], [768, 1024], [1920, 1080]].map(
    ([width, height]) => ({ width, height, hasTouch: true, isMobile: true }));
// A fingertip, as touch guides measure it, and the room between two.
const kFingertip = 44;
const kBetweenControls = 8;

let server;
let chromium;

before(async () => {
    server = await serve(kPageFolder);
    chromium = await launch();
});

after(async () => {
    await chromium.close();
    await server.close();
});

// A fresh page of its own (own storage) at the viewport, opened with ?play
// (no title screen) and the address's other options ("mute"), its first
// frame shown; errors collects what the page said was wrong.
async function openPage(viewport, beforeLoad, options = '', url = server.url) {
    const context = await chromium.browser.createBrowserContext();
    const page = await context.newPage();
    const errors = [];
    page.on('console', (message) => {
        if (message.type() === 'error')
            errors.push(message.text());
    });
    page.on('pageerror', (error) => errors.push(error.message));
    await page.setViewport(viewport);
    if (beforeLoad)
        await page.evaluateOnNewDocument(beforeLoad.code, ...beforeLoad.args);
    await page.goto(`${url}?play${options ? '&' + options : ''}`);
    await until(page, (state) => state.frames > 0 && state.build !== undefined);
    return { page, errors, close: () => context.close() };
}

function state(page) {
    return page.evaluate(() => window.groundline.state());
}

// Waits until the game's state satisfies the test, a function of the state
// and of args, run in the page.
function until(page, test, ...args) {
    return page.waitForFunction(
        (source, args) => {
            const state = window.groundline.state();
            return state !== null && new Function(`return (${source})`)()(state, ...args);
        },
        { timeout: kPatience, polling: 'raf' }, test.toString(), args);
}

// Waits for some frames more, to give a wrong reaction the time to show.
async function frames(page, count) {
    const now = (await state(page)).frames;
    await until(page, (state, then) => state.frames >= then, now + count);
}

// The page's pixel over the middle of a game pixel.
async function onPage(page, point) {
    const box = await page.evaluate(() => {
        const { left, top, width, height } = document.getElementById('picture')
            .getBoundingClientRect();
        return { left, top, width, height };
    });
    return { x: box.left + (point.x + 0.5) * box.width / 320,
             y: box.top + (point.y + 0.5) * box.height / 240 };
}

async function click(page, point) {
    const { x, y } = await onPage(page, point);
    await page.mouse.click(x, y);
}

async function tap(page, point) {
    const { x, y } = await onPage(page, point);
    await page.touchscreen.tap(x, y);
}

// A finger on the picture: touchStart, touchMove, touchEnd or touchCancel at
// a game pixel, as the browser's own touch input, frames apart. One session
// a page, which follows the touch from its start.
const touchSessions = new WeakMap();
async function finger(page, type, point) {
    if (!touchSessions.has(page))
        touchSessions.set(page, await page.createCDPSession());
    const touchPoints = point ? [await onPage(page, point)] : [];
    await touchSessions.get(page).send('Input.dispatchTouchEvent', { type, touchPoints });
    await frames(page, 3);
}

// Taps a control of the page by its selector, once it can be tapped.
async function tapControl(page, selector) {
    await page.waitForSelector(`${selector}:not([disabled])`, { visible: true,
                                                                timeout: kPatience });
    await page.tap(selector);
}

// A tap, then the mouse events that a browser makes up after one, as late as
// a browser may send them: frames later.
async function tapAndMadeUpClick(page, point) {
    await tap(page, point);
    await frames(page, 3);
    const { x, y } = await onPage(page, point);
    await page.evaluate((x, y) => {
        const picture = document.getElementById('picture');
        for (const type of ['mousemove', 'mousedown', 'mouseup', 'click'])
            picture.dispatchEvent(new MouseEvent(type, { bubbles: true, clientX: x, clientY: y }));
    }, x, y);
}

// Chooses the laser turret and sets it on the ground with a press of the
// pointer each; the frames in between give a doubled press the time to
// show, which would put the tower back.
async function buyLaser(page, press) {
    const before = await state(page);
    await press(page, kLaserButton);
    await until(page, (state, placing) => state.mode === placing, kModes.placing);
    await frames(page, 10);
    assert.equal((await state(page)).mode, kModes.placing, 'a second click put the tower back');
    await press(page, kGround);
    await until(page, (state, towers) => state.towers === towers, before.towers + 1);
    await frames(page, 10);
    const bought = await state(page);
    assert.equal(bought.towers, before.towers + 1);
    assert.equal(bought.money, before.money - kLaserPrice);
}

test('the first frame shows the battle, in crisp pixels as large as the page allows', async () => {
    const { page, errors, close } = await openPage(kDesk);
    const picture = await page.evaluate(() => {
        const canvas = document.getElementById('picture');
        const pixels = canvas.getContext('2d').getImageData(0, 0, 320, 240).data;
        const colours = new Set();
        let opaque = true;
        for (let i = 0; i < pixels.length; i += 4) {
            colours.add((pixels[i] << 16) | (pixels[i + 1] << 8) | pixels[i + 2]);
            opaque = opaque && pixels[i + 3] === 255;
        }
        const style = getComputedStyle(canvas);
        return { colours: colours.size, opaque, rendering: style.imageRendering,
                 status: document.getElementById('status').textContent };
    });
    assert.ok(picture.opaque, 'some of the canvas was never drawn');
    // The sky's bands, the hills, the clouds, the status display, the buttons.
    assert.ok(picture.colours >= 10, `only ${picture.colours} colours`);
    assert.equal(picture.rendering, 'pixelated');
    assert.equal(picture.status, '');
    assert.ok(await page.evaluate(() => window.groundline.firstFrame > 0));
    const first = await state(page);
    assert.equal(first.money, kStartingMoney);
    assert.equal(first.mode, kModes.idle);

    // Beside the buttons, 1000 x 700 fits the picture 2.9 times, by no
    // whole factor; 1400 x 1000 fits it 4.2 times, and four times exactly.
    for (const [viewport, fits] of [[kDesk, (rest) => Math.min(rest / 320, 700 / 240)],
                                    [{ width: 1400, height: 1000 }, () => 4]]) {
        await page.setViewport(viewport);
        // The page fits the picture when the browser tells it of the resize.
        const box = () => page.evaluate(() => ({
            picture: document.getElementById('picture').getBoundingClientRect().toJSON(),
            rest: window.innerWidth - document.getElementById('controls').offsetWidth - 8,
        }));
        const fitted = async () => {
            const { picture, rest } = await box();
            return Math.abs(picture.width - 320 * fits(rest)) < 1 &&
                   Math.abs(picture.height - 240 * fits(rest)) < 1;
        };
        for (let tries = 0; tries < 100 && !(await fitted()); ++tries)
            await frames(page, 1);
        assert.ok(await fitted(), JSON.stringify(await box()));
    }
    assert.deepEqual(errors, []);
    await close();
});

test('a laser turret bought by mouse', async () => {
    const { page, errors, close } = await openPage(kDesk);
    await buyLaser(page, click);
    assert.deepEqual(errors, []);
    await close();
});

test('a laser turret bought by touch on a phone held sideways, a tap counting once', async () => {
    const { page, errors, close } = await openPage(kPhone);
    await buyLaser(page, tapAndMadeUpClick);
    assert.deepEqual(errors, []);
    await close();
});

test('Escape opens and closes the dialog, D the debug overlay; the browser takes neither Escape nor Tab', async () => {
    const { page, errors, close } = await openPage(kDesk);
    await page.evaluate(() => {
        window.keptFromTheBrowser = {};
        window.addEventListener('keydown', (event) => {
            window.keptFromTheBrowser[event.code] = event.defaultPrevented;
        });
    });
    await page.keyboard.press('Escape');
    await until(page, (state, dialog) => state.mode === dialog, kModes.dialog);
    await page.keyboard.press('Escape');
    await until(page, (state, idle) => state.mode === idle, kModes.idle);
    await page.keyboard.press('KeyD');
    await until(page, (state) => state.debug);
    await page.keyboard.press('KeyD');
    await until(page, (state) => !state.debug);

    await page.keyboard.down('Tab');
    await until(page, (state) => state.fastForward);
    await page.keyboard.up('Tab');
    await until(page, (state) => !state.fastForward);
    const kept = await page.evaluate(() => window.keptFromTheBrowser);
    assert.deepEqual([kept.Escape, kept.Tab], [true, true]);
    assert.equal(await page.evaluate(() => document.activeElement === document.body), true);
    assert.deepEqual(errors, []);
    await close();
});

// Every control shown, and the picture, in CSS pixels.
function measure(page) {
    return page.evaluate(() => ({
        picture: document.getElementById('picture').getBoundingClientRect().toJSON(),
        controls: [...document.querySelectorAll('#controls button')]
            .filter((button) => button.offsetParent !== null)
            .map((button) => ({ name: button.id || button.textContent,
                                ...button.getBoundingClientRect().toJSON() })),
    }));
}

// How far apart two boxes are: 0 or less where they overlap.
function apart(a, b) {
    return Math.max(b.left - a.right, a.left - b.right, b.top - a.bottom, a.top - b.bottom);
}

test('on touch screens of five sizes, the picture is large and the controls as big as a finger, apart, and clear of it', async () => {
    for (const viewport of kTouchScreens) {
        const { page, errors, close } = await openPage(viewport);
        const size = `${viewport.width} x ${viewport.height}`;
        const screen = viewport.width * viewport.height;
        // The controls for building and selling, then the dialog's answers.
        for (const dialog of ['none', 'quit']) {
            if (dialog === 'quit') {
                await page.keyboard.press('Escape');
                await page.waitForSelector('#yes', { visible: true, timeout: kPatience });
            }
            const { picture, controls } = await measure(page);
            if (viewport.height > viewport.width)
                assert.equal(picture.width, viewport.width, size);
            else
                assert.ok(picture.width * picture.height >= 0.6 * screen, size);
            assert.ok(picture.right <= viewport.width && picture.bottom <= viewport.height, size);
            assert.ok(controls.length >= (dialog === 'none' ? 11 : 7), `${size}: ${controls.length}`);
            for (const [i, control] of controls.entries()) {
                const where = `${size}, ${dialog}: ${control.name}`;
                assert.ok(control.width >= kFingertip && control.height >= kFingertip, where);
                assert.ok(control.right <= viewport.width && control.bottom <= viewport.height, where);
                assert.ok(apart(control, picture) >= kBetweenControls, where);
                for (const other of controls.slice(i + 1))
                    assert.ok(apart(control, other) >= kBetweenControls, `${where}, ${other.name}`);
            }
        }
        assert.deepEqual(errors, []);
        await close();
    }
});

// The title's lines, as game/Layout.h's menuLine puts them: Play's label,
// and the arrow that steps its difficulty down.
const kPlayLabel = { x: 116, y: 93 };
const kEasierArrow = { x: 169, y: 93 };

test('the title screen, without ?play, shows the page\'s own controls only, and taps play Easy and come back', async () => {
    const context = await chromium.browser.createBrowserContext();
    const page = await context.newPage();
    await page.setViewport(kTouchScreens[0]);
    await page.goto(server.url);
    await until(page, (state) => state.frames > 0 && state.sound === 'on');
    assert.equal((await state(page)).build, undefined);
    const { controls } = await measure(page);
    assert.deepEqual(controls.map((control) => control.name), ['mute', 'fullscreen']);

    // A tap on the arrow chooses Easy, kept in the page's storage; a tap on
    // Play starts it.
    await tap(page, kEasierArrow);
    await page.waitForFunction(
        () => (localStorage.getItem('groundline/options.txt') || '').includes('difficulty=easy'),
        { timeout: kPatience });
    await tap(page, kPlayLabel);
    await until(page, (state) => state.build !== undefined);

    // "Yes" to "Quit Game?" comes back to the title.
    await page.keyboard.press('Escape');
    await until(page, (state) => state.dialog === 'quit');
    await page.keyboard.press('y');
    await until(page, (state) => state.build === undefined);
    await context.close();
});

// The centre of a tower set down at a game pixel's x, on the ground.
function towerAt(x) {
    return { x, y: setting('TowerBaseline') - 6 };
}

// Buys a tower of the type with its control and sets it down on the picture
// at x; the control, pressed, first puts it back once.
async function buildByTaps(page, type, x) {
    const control = `#build button:nth-child(${type + 1})`;
    const towers = (await state(page)).towers;
    for (const placing of [type, -1, type]) {
        await tapControl(page, control);
        await until(page, (state, placing) => state.placing === placing, placing);
        assert.equal(await page.$eval(control, (button) => button.ariaPressed),
                     String(placing === type));
    }
    await tap(page, towerAt(x));
    await until(page, (state, towers) => state.towers === towers, towers + 1);
    if ((await state(page)).placing >= 0)
        await tapControl(page, '#cancel');
}

// Selects the tower at x with a tap and sells it, answering the page's
// question with each answer in turn: only "Yes" sells.
async function sellByTaps(page, x, answers) {
    await tap(page, towerAt(x));
    await until(page, (state) => state.selected !== null);
    const { towers, money, selected } = await state(page);
    for (const answer of answers) {
        await tapControl(page, '#sell');
        assert.equal(await page.$eval('#question', (question) => question.textContent),
                     `Sell for $${selected.sell}?`);
        await tapControl(page, answer);
        await until(page, (state, towers) => state.towers === towers,
                    answer === '#yes' ? towers - 1 : towers);
    }
    assert.equal((await state(page)).money, money + selected.sell);
}

// A whole game played by taps alone: each tower bought with its control and
// set down on the picture, one upgraded, each sold (asked first) after a tap
// selects it, the money of each sale buying the next; pause, fast, the quit
// dialog answered no, and the lost game's "Play Again?" answered yes.
async function playWholeGame(viewport) {
    const size = `${viewport.width} x ${viewport.height}`;
    const { page, errors, close } = await openPage(viewport);
    const pressed = (selector) => page.$eval(selector, (button) => button.ariaPressed === 'true');

    await tapControl(page, '#pause');
    await until(page, (state) => state.paused);
    assert.ok(await pressed('#pause'), size);
    assert.ok(await page.$eval('#build button', (button) => button.disabled), 'built while paused');
    await tapControl(page, '#pause');
    await until(page, (state) => !state.paused);

    await buildByTaps(page, 2, 120);
    await tap(page, towerAt(120));
    await until(page, (state) => state.selected !== null);
    const { money, selected } = await state(page);
    await tapControl(page, '#upgrade');
    await until(page, (state, upgrade) => state.selected.upgrade > upgrade, selected.upgrade);
    assert.equal((await state(page)).money, money - selected.upgrade);
    await sellByTaps(page, 120, ['#no', '#yes']);
    for (const type of [1, 0]) {
        await buildByTaps(page, type, 200);
        await sellByTaps(page, 200, ['#yes']);
    }

    // The quit dialog lets Fast go; "No" plays on.
    await tapControl(page, '#fast');
    await until(page, (state) => state.fastForward);
    await tapControl(page, '#dialog');
    await until(page, (state) => state.dialog === 'quit');
    assert.equal(await pressed('#fast'), false);
    await tapControl(page, '#no');
    await until(page, (state) => state.dialog === 'none');

    // Played fast to its end, with no towers.
    await tapControl(page, '#fast');
    await page.waitForFunction(() => window.groundline.state().dialog === 'playAgain',
                               { timeout: 10 * kPatience, polling: 'raf' });
    assert.equal(await pressed('#fast'), false);
    assert.equal(await page.$eval('#question', (question) => question.textContent),
                 'Play Again?');
    await tapControl(page, '#yes');
    await until(page, (state) => !state.gameOver && state.dialog === 'none');
    const again = await state(page);
    assert.deepEqual([again.money, again.towers, again.wave, again.fastForward],
                     [kStartingMoney, 0, 1, false], size);
    assert.deepEqual(errors, []);
    await close();
}

test('a whole game by taps on a phone held upright', () => playWholeGame(kTouchScreens[0]));

test('a whole game by taps on a phone held sideways', () => playWholeGame(kTouchScreens[1]));

test('a finger drags the tower being placed, sets it down only on free ground, and a cancelled touch places nothing', async () => {
    const { page, errors, close } = await openPage(kTouchScreens[1]);
    const placing = async (towers) => {
        const now = await state(page);
        assert.deepEqual([now.placing, now.towers], [0, towers]);
    };
    await tapControl(page, '#build button:nth-child(1)');
    await until(page, (state) => state.placing === 0);
    // Down on free ground, lifted on other free ground: set down there.
    await finger(page, 'touchStart', towerAt(80));
    await finger(page, 'touchMove', towerAt(200));
    await finger(page, 'touchEnd');
    await until(page, (state) => state.towers === 1);
    // Lifted on it: taken. Dragged off it, to free ground: set down.
    await finger(page, 'touchStart', towerAt(200));
    await finger(page, 'touchEnd');
    await placing(1);
    await finger(page, 'touchStart', towerAt(200));
    await finger(page, 'touchMove', towerAt(80));
    await finger(page, 'touchEnd');
    await until(page, (state) => state.towers === 2);
    // Dragged into the strip, or off the picture, or taken back by the
    // browser: nothing set down, and placing goes on.
    for (const away of [{ x: 140, y: 230 }, { x: 140, y: -40 }, null]) {
        await finger(page, 'touchStart', towerAt(140));
        if (away)
            await finger(page, 'touchMove', away);
        await finger(page, away ? 'touchEnd' : 'touchCancel');
        await placing(2);
    }
    // Nor does a mouse button held when the page loses the focus.
    const { x, y } = await onPage(page, towerAt(140));
    await page.mouse.move(x, y);
    await page.mouse.down();
    await frames(page, 3);
    await page.evaluate(() => window.dispatchEvent(new Event('blur')));
    await frames(page, 5);
    await placing(2);
    assert.deepEqual(errors, []);
    await close();
});

test('the unpacked page plays opened from the disk, and served, is installable and plays offline after one visit', async () => {
    const fromDisk = await openPage(kDesk, null, '', `file://${path.resolve(kPageFolder)}/index.html`);
    await buyLaser(fromDisk.page, click);
    assert.deepEqual(fromDisk.errors, []);
    await fromDisk.close();

    const own = await serve(kPageFolder);
    const { page, errors, close } = await openPage(kDesk, null, '', own.url);
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null,
                               { timeout: kPatience });
    // A browser context of the test's own counts as incognito, where no
    // browser installs; nothing else may stand in the way.
    const session = await page.createCDPSession();
    const { installabilityErrors } = await session.send('Page.getInstallabilityErrors');
    assert.deepEqual(installabilityErrors.map((error) => error.errorId), ['in-incognito']);
    await own.close();
    await page.reload();
    await until(page, (state, money) => state.frames > 0 && state.money === money,
                kStartingMoney);
    await buyLaser(page, click);
    assert.deepEqual(errors, []);
    await close();
});

test('a hidden tab pauses the game, the paused page slows its frames, and P goes on as from any pause', async () => {
    const { page, errors, close } = await openPage(kDesk);
    const showTab = (hidden) => page.evaluate((hidden) => {
        Object.defineProperty(document, 'hidden', { value: hidden, configurable: true });
        document.dispatchEvent(new Event('visibilitychange'));
    }, hidden);
    await showTab(true);
    await until(page, (state) => state.paused);
    await showTab(false);
    await frames(page, 5);
    assert.equal((await state(page)).paused, true);
    // Waiting for the player, the frames slow down; P brings them back.
    await until(page, (state) => state.framesSlowed);
    await page.keyboard.press('KeyP');
    await until(page, (state) => !state.paused && !state.framesSlowed);
    assert.deepEqual(errors, []);
    await close();
});

// The key the native game names its record file by, FNV-1a of strings.txt.
function recordKey() {
    let hash = 0xcbf29ce484222325n;
    for (const byte of settingsBytes)
        hash = ((hash ^ BigInt(byte)) * 0x100000001b3n) & 0xffffffffffffffffn;
    return `groundline/best-${hash.toString(16).padStart(16, '0')}.txt`;
}

test('the best wave is kept in the browser\'s storage, and "Yes" to quit plays a new game', async () => {
    const record = (waves) => `groundline record 1\nbestWaves=${waves}\n`;
    // A record read and kept; one that does not read counts as none and is
    // written anew when the game ends.
    for (const [stored, best] of [[record(7), 7], ['groundline record 1\nbestWaves=x\n', 0]]) {
        const { page, errors, close } = await openPage(kDesk, {
            code: (key, value) => localStorage.setItem(key, value),
            args: [recordKey(), stored],
        });
        assert.equal((await state(page)).best, best);
        await buyLaser(page, click);
        await page.keyboard.press('Escape');
        await until(page, (state, dialog) => state.mode === dialog, kModes.dialog);
        await click(page, kYes);
        await until(page, (state, money) => state.towers === 0 && state.money === money,
                    kStartingMoney);
        const now = await state(page);
        assert.equal(now.mode, kModes.idle);
        assert.equal(now.best, best);
        assert.equal(await page.evaluate((key) => localStorage.getItem(key), recordKey()),
                     record(best));
        assert.deepEqual(errors, []);
        await close();
    }
});

// A game left by navigating away, as a closed tab or a reload leaves it, is
// saved in the page's storage under the desktop's file name, and the title
// of the next visit continues it with the same towers, money, health and wave.
test('a game left by a reload goes on from the title\'s Continue', async () => {
    const { page, errors, close } = await openPage(kDesk);
    await buyLaser(page, click);
    const left = await state(page);
    await page.goto(server.url);
    await until(page, (state) => state.frames > 0 && state.build === undefined);
    const saveKey = recordKey().replace('/best-', '/save-');
    const saved = await page.evaluate((key) => localStorage.getItem(key), saveKey);
    assert.match(saved || '', /^groundline save 1\n/);
    await page.keyboard.press('Enter');
    await until(page, (state) => state.build !== undefined);
    const continued = await state(page);
    for (const key of ['wave', 'towers', 'money', 'health'])
        assert.equal(continued[key], left[key], key);
    assert.deepEqual(errors, []);
    await close();
});

test('F fills the screen with the page, and F again leaves it', async () => {
    const { page, errors, close } = await openPage(kDesk);
    await page.keyboard.press('KeyF');
    await page.waitForFunction(() => document.fullscreenElement !== null, { timeout: kPatience });
    await page.keyboard.press('KeyF');
    await page.waitForFunction(() => document.fullscreenElement === null, { timeout: kPatience });
    assert.deepEqual(errors, []);
    await close();
});

// The test hook on the page's Web Audio, run before the page's own script:
// window.heard holds the contexts made and each voice started (the size of
// the file its sound was decoded from, its share of each side as the voice's
// gain and stereo panner give it, and whether it has ended or was stopped).
// Puppeteer's calls into the page count as the player's gestures to
// Chromium, so the hook holds each context suspended when it is made, as a
// browser does before the player's first gesture: only the page's own
// asking lets it go on.
function hearAudio() {
    const heard = { contexts: [], voices: [], files: new Map() };
    window.heard = heard;
    const Context = window.AudioContext;
    window.AudioContext = class extends Context {
        constructor(...options) {
            super(...options);
            heard.contexts.push(this);
            this.suspend();
        }
    };
    const decode = BaseAudioContext.prototype.decodeAudioData;
    BaseAudioContext.prototype.decodeAudioData = function (bytes) {
        const size = bytes.byteLength;
        return decode.call(this, bytes).then((sound) => {
            heard.files.set(sound, size);
            return sound;
        });
    };
    const connect = AudioNode.prototype.connect;
    AudioNode.prototype.connect = function (next, ...rest) {
        this.heardNext = next;
        return connect.call(this, next, ...rest);
    };
    const stop = AudioScheduledSourceNode.prototype.stop;
    AudioScheduledSourceNode.prototype.stop = function (...when) {
        if (this.heardVoice)
            this.heardVoice.stopped = true;
        return stop.apply(this, when);
    };
    const start = AudioBufferSourceNode.prototype.start;
    AudioBufferSourceNode.prototype.start = function (...when) {
        const gain = this.heardNext.gain.value;
        // A mono sound through a stereo panner, shared by equal power.
        const angle = (this.heardNext.heardNext.pan.value + 1) * Math.PI / 4;
        const voice = { file: heard.files.get(this.buffer), left: gain * Math.cos(angle),
                        right: gain * Math.sin(angle), ended: false, stopped: false };
        this.heardVoice = voice;
        this.addEventListener('ended', () => { voice.ended = true; });
        heard.voices.push(voice);
        return start.apply(this, when);
    };
}

// The size of the file that strings.txt names for a sound effect, by which
// the hook tells the voices apart.
function soundFileSize(key) {
    return fs.statSync(path.join(kRoot, settingsBytes.toString('latin1')
        .match(new RegExp(`^${key}=(.*)$`, 'm'))[1])).size;
}

function heard(page) {
    return page.evaluate(() => ({
        contexts: window.heard.contexts.map((context) => context.state),
        voices: window.heard.voices,
        muteButton: document.getElementById('mute').hidden ? 'hidden'
            : document.getElementById('mute').getAttribute('aria-pressed'),
    }));
}

function openHeardPage(options) {
    return openPage(kDesk, { code: hearAudio, args: [] }, options);
}

test('the sound waits for the first click, then the game\'s events reach Web Audio at their place and volume', async () => {
    // The shipped volume, and the loudest.
    for (const [options, volume] of [['', setting('SoundVolume')], ['volume=100', 100]]) {
        const { page, errors, close } = await openHeardPage(options);
        await page.evaluate(() => {
            window.heard.asked = 0;
            const startVoice = Module.startVoice;
            Module.startVoice = (...voice) => {
                ++window.heard.asked;
                startVoice(...voice);
            };
        });
        // The first wave's call, asked for before anyone clicked, is not heard.
        await page.waitForFunction(() => window.heard.asked > 0, { timeout: kPatience });
        const before = await heard(page);
        assert.deepEqual([before.contexts, before.voices], [['suspended'], []], options);
        assert.equal((await state(page)).sound, 'on');
        assert.equal(before.muteButton, 'false');

        await buyLaser(page, click);
        await page.waitForFunction(() => window.heard.contexts[0].state === 'running',
                                   { timeout: kPatience });
        const placedSize = soundFileSize('SoundTowerPlaced');
        await page.waitForFunction(
            (size) => window.heard.voices.some((voice) => voice.file === size),
            { timeout: kPatience }, placedSize);
        // Set down left of the middle: more of it on the left, in proportion,
        // as the desktop's mixer shares it.
        const placed = (await heard(page)).voices.find((voice) => voice.file === placedSize);
        const share = kGround.x / 320;
        const near = (level, expected) => Math.abs(level - expected * volume / 100) < 0.01;
        assert.ok(near(placed.left, 1 - share) && near(placed.right, share),
                  JSON.stringify(placed));
        assert.deepEqual(errors, []);
        await close();
    }
});

// Whether a press of the pointer on a build button starts a voice: it asks
// for the button's click, and the right button then puts the tower back.
async function buttonHeard(page) {
    const count = (await heard(page)).voices.length;
    await click(page, kLaserButton);
    await until(page, (state, placing) => state.mode === placing, kModes.placing);
    await frames(page, 10);
    const { x, y } = await onPage(page, kGround);
    await page.mouse.click(x, y, { button: 'right' });
    await until(page, (state, idle) => state.mode === idle, kModes.idle);
    return (await heard(page)).voices.length > count;
}

test('M and the mute button turn the sound off and on, ?mute starts it off, ?volume=0 plays none at all', async () => {
    const { page, errors, close } = await openHeardPage('mute');
    assert.equal((await state(page)).sound, 'muted');
    assert.equal((await heard(page)).muteButton, 'true');
    assert.equal(await buttonHeard(page), false, 'heard while muted');
    // A French keyboard's M, on the key where others have a semicolon.
    const frenchM = async () => {
        const session = await page.createCDPSession();
        for (const type of ['keyDown', 'keyUp'])
            await session.send('Input.dispatchKeyEvent', { type, key: 'm', code: 'Semicolon' });
        await session.detach();
    };
    // Pressed M, then the button, then a French keyboard's M.
    for (const [turn, sound] of [[() => page.keyboard.press('KeyM'), 'on'],
                                 [() => page.click('#mute'), 'muted'],
                                 [frenchM, 'on']]) {
        await turn();
        await until(page, (state, sound) => state.sound === sound, sound);
        assert.equal((await heard(page)).muteButton, String(sound === 'muted'));
        assert.equal(await buttonHeard(page), sound === 'on', sound);
    }
    assert.deepEqual(errors, []);
    await close();

    // No context at all, and nothing to turn on.
    const silent = await openHeardPage('volume=0');
    assert.equal(await buttonHeard(silent.page), false);
    await silent.page.keyboard.press('KeyM');
    await frames(silent.page, 5);
    assert.equal((await state(silent.page)).sound, 'none');
    const none = await heard(silent.page);
    assert.deepEqual([none.contexts, none.muteButton], [[], 'hidden']);
    assert.deepEqual(silent.errors, []);
    await silent.close();

    // A volume out of range: said in the page's words, and the game plays,
    // at its usual volume.
    const loud = await openHeardPage('volume=150');
    assert.match(await loud.page.$eval('#status', (status) => status.textContent), /0 to 100/);
    assert.equal((await state(loud.page)).sound, 'on');
    assert.deepEqual(loud.errors, []);
    await loud.close();
});

test('no more voices sound at once than the desktop mixes, and a voice of lower or equal priority gives way', async () => {
    const { page, errors, close } = await openHeardPage('');
    await page.keyboard.press('KeyP');
    await page.waitForFunction(() => window.heard.contexts[0].state === 'running',
                               { timeout: kPatience });
    // All in one go, before any voice can end: forty shots, one that
    // outranks nothing, and one that outranks the shots.
    const voices = await page.evaluate(() => {
        const sounding = () => window.heard.voices.filter((voice) =>
            !voice.ended && !voice.stopped);
        const first = window.heard.voices.length;
        for (let shot = 0; shot < 40; ++shot)
            Module.startVoice(0, 255, 128, 128);
        const shots = sounding().length;
        Module.startVoice(0, 255, 128, 0);
        const low = window.heard.voices.length - first;
        const oldestShot = sounding().find((voice) => window.heard.voices.indexOf(voice) >= first);
        Module.startVoice(0, 255, 128, 255);
        return { shots, low, high: window.heard.voices.length - first, sounding: sounding().length,
                 oldestShotStopped: oldestShot.stopped };
    });
    assert.deepEqual(voices,
                     { shots: 32, low: 40, high: 41, sounding: 32, oldestShotStopped: true });
    assert.deepEqual(errors, []);
    await close();
});
