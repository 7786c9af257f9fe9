// SPDX-License-Identifier: GPL-3.0-or-later
// Puts the static page together: the page's files, the engine the
// emscripten build made, and the sample training files with their list.
// Usage: node assemble.mjs ENGINE_BUILD_FOLDER DIST_FOLDER
import { cp, mkdir, readdir, rm, writeFile } from 'node:fs/promises';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const web = join(dirname(fileURLToPath(import.meta.url)), '..');
const [engineBuild, dist] = process.argv.slice(2);
await rm(dist, { recursive: true, force: true });
await mkdir(join(dist, 'examples'), { recursive: true });
await cp(join(web, 'src'), dist, { recursive: true });
for (const file of ['vantorelle_engine.js', 'vantorelle_engine.wasm'])
  await cp(join(engineBuild, file), join(dist, file));
const examples = join(web, '..', 'examples');
const samples = (await readdir(examples)).filter((name) => name.toLowerCase().endsWith('.net')).sort();
for (const name of samples) await cp(join(examples, name), join(dist, 'examples', name));
await writeFile(join(dist, 'examples', 'index.json'), JSON.stringify(samples));
