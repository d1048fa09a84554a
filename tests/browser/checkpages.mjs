// Checks every .html page of a folder as a browser reads it: the Nu Html Checker must report no error, and axe-core
// in Chromium no WCAG 2.1 A or AA violation at 360 px and at 1280 px, with the document no wider than the window.
// Prints a line per check and "N passed, N failed".
import { spawnSync } from 'node:child_process';
import { readdirSync, readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import path from 'node:path';
import puppeteer from 'puppeteer-core';

const require = createRequire(import.meta.url);
const folder = path.resolve(process.argv[2]);
const pages = readdirSync(folder).filter((name) => name.endsWith('.html')).sort();
let passed = 0;
let failed = 0;
const report = (ok, what, detail) => {
    ok ? passed++ : failed++;
    console.log(`${ok ? 'PASS' : 'FAIL'} ${what}${ok ? '' : `: ${detail}`}`);
};

const checker = spawnSync('java', ['-jar', require('vnu-jar'), '--errors-only', '--exit-zero-always', '--format',
    'json', ...pages.map((name) => path.join(folder, name))], { encoding: 'utf8' });
if (checker.status !== 0) {
    console.log(`FAIL Nu Html Checker did not run: ${checker.error ?? checker.stderr}`);
    process.exit(1);
}
const messages = JSON.parse(checker.stderr).messages;
for (const name of pages) {
    const errors = messages.filter((m) => m.type === 'error' && m.url?.endsWith(`/${name}`));
    report(errors.length === 0, `Nu Html Checker ${name}`, errors.map((m) => `line ${m.lastLine}: ${m.message}`).join('; '));
}

const axeSource = readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8');
const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu'],
});
for (const name of pages) {
    for (const width of [360, 1280]) {
        const tab = await browser.newPage();
        await tab.setViewport({ width, height: 800 });
        await tab.goto(`file://${path.join(folder, name)}`);
        await tab.addScriptTag({ content: axeSource });
        const result = await tab.evaluate(() => window.axe.run(document,
            { runOnly: { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa'] } }));
        report(result.violations.length === 0, `axe ${name} at ${width} px`,
            result.violations.map((v) => `${v.id} (${v.nodes.length}): ${v.nodes[0].html}`).join('; '));
        const wider = await tab.evaluate(() => document.documentElement.scrollWidth - window.innerWidth);
        report(wider <= 0, `no wider than ${width} px: ${name}`, `${wider} px wider`);
        await tab.close();
    }
}
await browser.close();
console.log(`${passed} passed, ${failed} failed`);
process.exit(failed === 0 ? 0 : 1);
