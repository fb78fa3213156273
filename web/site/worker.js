// The engine in a Web Worker, so that the page never waits on a search. It gets the
// module's code and the data files from the page, puts the data in the module's folder
// /data, and answers the page's messages one at a time.
import createTaalspoor from './taalspoor.mjs';

const ownListPath = '/data/Mijnlijst.txt';

let engine;

async function start(ownList, { wasmBinary, data }) {
  engine = await createTaalspoor({ wasmBinary });
  engine.FS.mkdir('/data');
  for (const [name, bytes] of Object.entries(data)) engine.FS.writeFile(`/data/${name}`, bytes);
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
  start: ({ ownList, files }) => start(ownList, files),
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
