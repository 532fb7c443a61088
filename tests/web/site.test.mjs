// The published season site as its readers get it: opened in the system's
// chromium at a phone's and a desktop's width, and checked by the Nu HTML
// Checker. Run by ctest (web.site) with RONDAXA_CLI and RONDAXA_SOURCE_DIR.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { chromium } from 'playwright-core';

const here = path.dirname(fileURLToPath(import.meta.url));
const cli = process.env.RONDAXA_CLI;
const sourceDir = process.env.RONDAXA_SOURCE_DIR ?? path.join(here, '..', '..');
const chromiumPath = process.env.RONDAXA_CHROMIUM ?? '/usr/bin/chromium';
const vnuJar = path.join(here, 'node_modules', 'vnu-jar', 'build', 'dist', 'vnu.jar');
const widths = [360, 1280];

let work;
let browser;
const sites = {}; // name -> { dir, file }

function runCli(args, input) {
    const run = spawnSync(cli, args, { input, encoding: 'utf8' });
    assert.equal(run.status, 0, `rondaxa-cli ${args.join(' ')}: ${run.stderr}`);
    return run.stdout;
}

// The standings as "standings" exports them: per class its name and the
// riders' names in order.
function exportedStandings(file) {
    const text = runCli(['standings', file, '--no-club', '--no-results', '--no-startno']);
    const classes = [];
    for (const block of text.split('\n\n')) {
        const lines = block.split('\n').filter((line) => line !== '');
        const header = lines.findIndex((line) => line.startsWith('PL\t'));
        if (header < 0) continue;
        classes.push({ name: lines[0], riders: lines.slice(header + 1).map((line) => line.split('\t')[1]) });
    }
    return classes;
}

// The demo with a class of its own added: riders whose names need escaping
// or are long, and several race days.
function makeGenerated(file) {
    runCli(['demo', file]);
    const order = [];
    for (let i = 1; i <= 30; ++i) {
        const names = ['Émile <b>& "Zn"</b>', 'Ödön Śliwiński-Vandenbroucke', 'Jan', "D'Hondt, Pieter-Jan"];
        order.push(`${100 + i} ${names[i % names.length]} ${i}`);
    }
    for (let race = 0; race < 6; ++race) {
        const rotated = order.slice(race * 5).concat(order.slice(0, race * 5));
        runCli(['add-results', file, '--class', '#1'], rotated.join('\n') + '\n');
    }
}

before(async () => {
    assert.ok(cli, 'RONDAXA_CLI names rondaxa-cli');
    work = fs.mkdtempSync(path.join(os.tmpdir(), 'rondaxa-site-'));
    const demo = path.join(sourceDir, 'examples', 'demo.kzb');
    const generated = path.join(work, 'generated.kzb');
    makeGenerated(generated);
    for (const [name, file] of [['demo', demo], ['generated', generated]]) {
        const dir = path.join(work, name);
        runCli(['publish', file, '--out', dir, '--top', '12']);
        sites[name] = { dir, file };
    }
    browser = await chromium.launch({ executablePath: chromiumPath, args: ['--no-sandbox'] });
});

after(async () => {
    await browser?.close();
    if (work) fs.rmSync(work, { recursive: true, force: true });
});

function pagesOf(dir) {
    return fs.readdirSync(dir).filter((name) => name.endsWith('.html')).sort();
}

// Opens a page at a width; collects what the console and the loading report.
async function open(file, width) {
    const page = await browser.newPage({ viewport: { width, height: 800 } });
    const problems = [];
    page.on('console', (message) => {
        if (message.type() === 'error' || message.type() === 'warning') problems.push(message.text());
    });
    page.on('pageerror', (error) => problems.push(error.message));
    page.on('requestfailed', (request) => problems.push(`failed: ${request.url()}`));
    await page.goto(pathToFileURL(file).href, { waitUntil: 'load' });
    return { page, problems };
}

for (const name of ['demo', 'generated']) {
    for (const width of widths) {
        test(`${name} site at ${width} px: no sideways scroll, working links, no console error`, async () => {
            const { dir } = sites[name];
            for (const file of pagesOf(dir)) {
                const { page, problems } = await open(path.join(dir, file), width);
                const overflow = await page.evaluate(() => document.documentElement.scrollWidth - window.innerWidth);
                assert.ok(overflow <= 0, `${file} scrolls sideways by ${overflow} px`);
                const sticky = await page.evaluate(() => getComputedStyle(document.querySelector('th.nm')).position);
                assert.equal(sticky, 'sticky', `${file}: the stylesheet is applied`);
                const links = await page.evaluate(() =>
                    [...document.querySelectorAll('a[href]')].map((a) => a.getAttribute('href')));
                assert.ok(links.length > 0, `${file} has links`);
                for (const href of links) {
                    assert.match(href, /^[a-z0-9-]+\.html$/, `${file}: a link within the folder (${href})`);
                    assert.ok(fs.existsSync(path.join(dir, href)), `${file}: ${href} exists`);
                }
                assert.deepEqual(problems, [], `${file}: console`);
                await page.close();
            }
        });
    }

    test(`${name} site: every class page holds the standings in their order and a visible chart`, async () => {
        const { dir, file } = sites[name];
        const { page: index } = await open(path.join(dir, 'index.html'), 1280);
        const classLinks = await index.evaluate(() =>
            [...document.querySelectorAll('table.classes a')].map((a) => ({ name: a.textContent, href: a.getAttribute('href') })));
        await index.close();
        const standings = exportedStandings(file);
        assert.deepEqual(classLinks.map((link) => link.name), standings.map((klasse) => klasse.name));
        for (const [i, link] of classLinks.entries()) {
            for (const width of widths) {
                const { page } = await open(path.join(dir, link.href), width);
                const riders = await page.evaluate(() =>
                    [...document.querySelectorAll('table.standings tbody th.nm')].map((cell) => cell.textContent));
                assert.deepEqual(riders, standings[i].riders, `${link.href}: the standings`);
                const chart = await page.locator('#verloop svg').boundingBox();
                assert.ok(chart && chart.width >= 300 && chart.height >= 150, `${link.href}: the chart is shown`);
                assert.ok(await page.locator('#verloop svg').isVisible());
                const lines = await page.locator('#verloop svg g.rider').count();
                assert.equal(lines, Math.min(riders.length, 12), `${link.href}: one line per leading rider`);
                if (width === 360 && riders.length > 0) {
                    // The name column stays in place while the table scrolls.
                    const cell = page.locator('table.standings tbody th.nm').first();
                    const before = (await cell.boundingBox()).x;
                    await page.evaluate(() => { document.querySelector('#stand .scroll').scrollLeft = 10000; });
                    const scrolled = await page.evaluate(() => document.querySelector('#stand .scroll').scrollLeft);
                    assert.equal((await cell.boundingBox()).x, before, `${link.href}: the names stay`);
                    assert.ok(scrolled >= 0);
                    if (process.env.RONDAXA_SCREENSHOTS && name === 'demo' && i === 0) {
                        await page.evaluate(() => { document.querySelector('#stand .scroll').scrollLeft = 0; });
                        await page.screenshot({ path: path.join(process.env.RONDAXA_SCREENSHOTS, 'site-phone.png'), fullPage: false });
                    }
                }
                await page.close();
            }
        }
    });
}

test('every page is valid HTML by the Nu HTML Checker', () => {
    const files = [];
    for (const { dir } of Object.values(sites))
        for (const file of pagesOf(dir)) files.push(path.join(dir, file));
    const css = Object.values(sites).map(({ dir }) => path.join(dir, 'style.css'));
    const run = spawnSync('java', ['-jar', vnuJar, '--format', 'json', '--also-check-css', ...files, ...css],
        { encoding: 'utf8', maxBuffer: 64 << 20 });
    assert.ok(run.status !== null, `java ran: ${run.error}`);
    const messages = JSON.parse(run.stderr || '{"messages":[]}').messages;
    const errors = messages.filter((message) => message.type === 'error' || message.subType === 'fatal');
    assert.deepEqual(errors.map((e) => `${path.basename(e.url ?? '')}:${e.lastLine}: ${e.message}`), []);
    assert.equal(run.status, 0, run.stderr.slice(0, 2000));
});
