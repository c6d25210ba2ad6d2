// The page's figures, measured in headless Chromium on 127.0.0.1: how soon
// the first frame shows after the page is asked for, and the share of the
// time the page's script takes while nobody plays wave 1, and while the game
// is paused. A benchmark, not a test:
// it prints what it measured and fails only when the page does not run.
//   node bench/web/page-figures.js FOLDER   (the unpacked zip)
// Needs tests/web's packages: `npm ci` there first.
'use strict';

const path = require('node:path');
const tests = path.join(__dirname, '..', '..', 'tests', 'web');
const { launch } = require(path.join(tests, 'browser'));
const { serve } = require(path.join(tests, 'serve'));

const kLoads = 10;
const kRestSeconds = 10;

function median(values) {
    const sorted = [...values].sort((a, b) => a - b);
    return sorted[Math.floor(sorted.length / 2)];
}

async function main() {
    const server = await serve(process.argv[2]);
    const chromium = await launch();
    try {
        // A page of its own, with nothing cached, once its first frame shows.
        const open = async (query = '') => {
            const context = await chromium.browser.createBrowserContext();
            const page = await context.newPage();
            await page.setViewport({ width: 1000, height: 700 });
            await page.goto(server.url + query);
            await page.waitForFunction(() => window.groundline.firstFrame !== null,
                                       { timeout: 30000 });
            return { context, page };
        };
        const firstFrames = [];
        for (let i = 0; i < kLoads; ++i) {
            const { context, page } = await open();
            firstFrames.push(await page.evaluate(() => window.groundline.firstFrame));
            await context.close();
        }

        const { context, page } = await open('?play');
        const devtools = await page.createCDPSession();
        await devtools.send('Performance.enable');
        const metrics = async () => {
            const { metrics } = await devtools.send('Performance.getMetrics');
            const named = Object.fromEntries(metrics.map(({ name, value }) => [name, value]));
            const frames = await page.evaluate(() => window.groundline.state().frames);
            return { script: named.ScriptDuration, task: named.TaskDuration,
                     time: named.Timestamp, frames };
        };
        const measure = async (what) => {
            const start = await metrics();
            await new Promise((done) => setTimeout(done, kRestSeconds * 1000));
            const end = await metrics();
            const wall = end.time - start.time;
            const frames = end.frames - start.frames;
            console.log(`${what}: script ${(100 * (end.script - start.script) / wall).toFixed(2)} % of the time, ` +
                        `all tasks ${(100 * (end.task - start.task) / wall).toFixed(2)} %, ` +
                        `${(1000 * (end.script - start.script) / Math.max(frames, 1)).toFixed(3)} ms of script a frame, ` +
                        `${(frames / wall).toFixed(1)} frames a second over ${wall.toFixed(1)} s`);
        };
        console.log(`first frame after the page was asked for: median ${median(firstFrames).toFixed(0)} ms, ` +
                    `range ${Math.min(...firstFrames).toFixed(0)}-${Math.max(...firstFrames).toFixed(0)} ms, ${kLoads} loads`);
        await measure('at rest in wave 1, nobody playing');
        await page.keyboard.press('p');
        await page.waitForFunction(() => window.groundline.state().paused === true, { timeout: 10000 });
        await measure('paused');
        await context.close();
    } finally {
        await chromium.close();
        await server.close();
    }
}

main().catch((error) => {
    console.error(error);
    process.exit(1);
});
