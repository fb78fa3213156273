// The engine in a Web Worker, so that the page never waits on a search. It fetches the
// module and the data files (compressed; the service worker keeps them), puts the data
// in the module's folder /data, and answers the page's messages one at a time.
import createTaalspoor from './taalspoor.mjs';

const dataFiles = ['nlwrdiso.v3', 'tellingen.txt', 'ij-uitzonderingen.txt'];
const ownListPath = '/data/Mijnlijst.txt';

async function unpacked(url) {
  const response = await fetch(url);
  if (!response.ok) throw new Error(`${url}: ${response.status} ${response.statusText}`);
  const stream = response.body.pipeThrough(new DecompressionStream('gzip'));
  return new Uint8Array(await new Response(stream).arrayBuffer());
}

let engine;

async function start(ownList) {
  const [wasmBinary, ...data] = await Promise.all([
    unpacked('taalspoor.wasm.gz'),
    ...dataFiles.map((name) => unpacked(`data/${name}.gz`)),
  ]);
  engine = await createTaalspoor({ wasmBinary });
  engine.FS.mkdir('/data');
  dataFiles.forEach((name, k) => engine.FS.writeFile(`/data/${name}`, data[k]));
  writeOwnList(ownList);
  postMessage({ type: 'ready', tables: JSON.parse(engine.tables()), ownWords: JSON.parse(engine.ownWords()) });
}

function writeOwnList(bytes) {
  if (bytes && bytes.length) engine.FS.writeFile(ownListPath, bytes);
  else if (engine.FS.analyzePath(ownListPath).exists) engine.FS.unlink(ownListPath);
}

function ownListBytes() {
  return engine.FS.analyzePath(ownListPath).exists ? engine.FS.readFile(ownListPath) : new Uint8Array();
}

function ownListChanged(id, result) {
  postMessage({ type: 'own-changed', id, result, bytes: ownListBytes(), words: JSON.parse(engine.ownWords()) });
}

// The question as the engine reads it: a line "name<TAB>value" a pair.
function questionLines(pairs) {
  return pairs.map(([name, value]) => `${name}\t${String(value).replace(/[\t\n]/g, ' ')}`).join('\n');
}

const handlers = {
  start: ({ ownList }) => start(ownList),
  ask: ({ id, question, first }) => {
    const answer = JSON.parse(engine.ask(questionLines(question)));
    postMessage({ type: 'answer', id, answer, rows: JSON.parse(engine.rows(0, first)) });
  },
  rows: ({ id, from, count }) => postMessage({ type: 'rows', id, from, rows: JSON.parse(engine.rows(from, count)) }),
  text: ({ id }) => postMessage({ type: 'text', id, text: engine.text() }),
  'own-list': ({ id, bytes }) => {
    writeOwnList(bytes);
    ownListChanged(id, {});
  },
  add: ({ id, word }) => ownListChanged(id, JSON.parse(engine.addOwnWord(word))),
  remove: ({ id, word }) => ownListChanged(id, JSON.parse(engine.removeOwnWord(word))),
};

let queue = Promise.resolve();
onmessage = ({ data }) => {
  // One message after the other: the start must be done before the first question.
  queue = queue
    .then(() => handlers[data.type](data))
    .catch((error) => postMessage({ type: 'failed', id: data.id, message: String(error && error.message || error) }));
};
