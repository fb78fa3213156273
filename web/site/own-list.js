// The own list on the page: kept in the browser's storage as the bytes of Mijnlijst.txt
// (ISO 8859-1, a carriage return and a line feed after each word), edited here, checked
// and written by the engine, imported from and saved as a file.

const storageKey = 'taalspoor.mijnlijst';

export function storedOwnList() {
  const kept = localStorage.getItem(storageKey) || '';
  return Uint8Array.from(kept, (c) => c.charCodeAt(0));
}

function keep(bytes) {
  let text = '';
  for (let k = 0; k < bytes.length; k += 8192) text += String.fromCharCode(...bytes.subarray(k, k + 8192));
  localStorage.setItem(storageKey, text);
}

export function saveFile(name, parts, type) {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob(parts, { type }));
  link.download = name;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 1000);
}

export class OwnListEditor {
  constructor({ engine, form, field, message, list, importer, exporter, onChange }) {
    Object.assign(this, { engine, message, list, onChange });
    engine.onOwnListChanged = ({ bytes, words }) => {
      keep(bytes);
      this.showWords(words);
      this.onChange();
    };
    form.addEventListener('submit', async (event) => {
      event.preventDefault();
      const word = field.value;
      if (!word.trim()) return;
      try {
        const { result } = await engine.addOwnWord(word);
        this.message.textContent = result.added ? `"${word}" staat nu in uw extra lijst.` : result.message.replace(/\s+/g, ' ');
        if (result.added) field.value = '';
      } catch (error) {
        this.message.textContent = `Het woord kon niet worden toegevoegd: ${error.message}`;
      }
    });
    importer.addEventListener('change', async () => {
      const [file] = importer.files;
      if (!file) return;
      await engine.replaceOwnList(new Uint8Array(await file.arrayBuffer()));
      this.message.textContent = `${file.name} is ingelezen.`;
      importer.value = '';
    });
    exporter.addEventListener('click', () => saveFile('Mijnlijst.txt', [storedOwnList()], 'text/plain;charset=iso-8859-1'));
  }

  showWords(words) {
    this.list.replaceChildren(
      ...words.map((word) => {
        const li = document.createElement('li');
        const remove = document.createElement('button');
        remove.type = 'button';
        remove.textContent = 'Verwijderen';
        remove.setAttribute('aria-label', `${word} verwijderen`);
        remove.addEventListener('click', async () => {
          await this.engine.removeOwnWord(word);
          this.message.textContent = `"${word}" is verwijderd.`;
        });
        li.append(Object.assign(document.createElement('span'), { textContent: word }), remove);
        return li;
      }),
    );
  }
}
