// The page's declared types (web/page/types.d.ts) know every field the
// scene is written with (app/scene_fields.h, listed by the replay program):
// a field added to the model that the page does not declare fails here.
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { options, Report } from './browser.mjs';

const report = new Report();
const declared = readFileSync(new URL('../page/types.d.ts', import.meta.url), 'utf8');
/** The members an interface declares at its top level. @param {string} name */
const membersOf = (name) => {
  const body = declared.slice(declared.indexOf(`export interface ${name} {`));
  return new Set([...body.slice(0, body.indexOf('\n}')).matchAll(/^ {2}(\w+)\??:/gm)].map((found) => found[1]));
};
const listed = execFileSync(/** @type {string} */ (options.replay), ['--fields'], { encoding: 'utf8' }).trim().split('\n');
for (const type of ['ControlItem', 'ViewItem']) {
  const members = membersOf(type);
  const fields = listed.filter((line) => line.startsWith(`${type} `)).map((line) => line.slice(type.length + 1));
  const missing = fields.filter((field) => !members.has(field));
  report.check(`types.d.ts declares every field of ${type} (${fields.length})`, fields.length > 0 && missing.length === 0,
    `not declared: ${missing.join(', ')}`);
}
report.finish();
