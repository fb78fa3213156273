// The board of a word game (Wordfeud, Scrabble) on the page: 15x15 squares, the premium
// squares in the game's colours with their names (DL, TL, DW, TW) for who cannot tell
// colours apart, the tiles, and a cursor that typing moves along. A letter puts a tile,
// Shift+letter (or a right click on a tile) a blank, the arrow keys move, Space turns
// the typing direction, Backspace takes the tile before back. A move chosen in the list
// is shown on it, marked as new; "Leggen" lays it.
//
// In the address the board is its 15 lines separated by /: bord=...............%2F...

const size = 15;
const centre = 7;
const names = { d: 'DL', t: 'TL', w: 'DW', W: 'TW' };
const emptyBoard = () => Array.from({ length: size }, () => Array(size).fill('.'));

export class WordBoard {
  constructor({ board, grid, layButton, layouts, onChange, onLay }) {
    Object.assign(this, { board, grid, layButton, layouts, onChange, onLay });
    this.squares = emptyBoard();
    this.shown = emptyBoard();
    this.layout = layouts?.wordfeud ?? Array(size).fill('.'.repeat(size));
    this.row = centre;
    this.column = centre;
    this.down = false;
    this.rest = null;
    grid.tabIndex = 0;
    grid.setAttribute('role', 'group');
    grid.setAttribute('aria-label', 'het bord: typ letters om stenen te leggen, Shift+letter een blanco; pijltjes, spatie draait');
    grid.addEventListener('keydown', (event) => this.key(event));
    grid.addEventListener('click', (event) => this.pointed(event, false));
    grid.addEventListener('contextmenu', (event) => this.pointed(event, true));
    layButton.addEventListener('click', () => this.layShown());
    this.draw();
  }

  show(visible) { this.board.hidden = !visible; }

  configure(game) {
    this.layout = this.layouts?.[game] ?? this.layout;
    this.draw();
  }

  // The board from an address or the browser's storage; an unreadable one is left empty.
  read(text) {
    const lines = (text ?? '').split('/');
    this.squares = emptyBoard();
    if (lines.length === size && lines.every((line) => /^[.a-zA-Z]{15}$/.test(line))) this.squares = lines.map((line) => [...line]);
    this.shown = emptyBoard();
    this.draw();
  }

  text() { return this.squares.map((row) => row.join('')).join('/'); }

  pairs() { return [['bord', this.text()]]; }

  // A move of the list, shown as new tiles: its place (8H across, H8 down) and word.
  showMove(place, word, rest) {
    this.shown = emptyBoard();
    this.rest = rest;
    const down = /^[A-O]/.test(place);
    const column = (down ? place[0] : place[place.length - 1]).charCodeAt(0) - 65;
    const row = Number.parseInt(down ? place.slice(1) : place, 10) - 1;
    [...word].forEach((letter, k) => {
      const r = row + (down ? k : 0);
      const c = column + (down ? 0 : k);
      if (r < size && c < size && this.squares[r][c] === '.') this.shown[r][c] = letter;
    });
    this.layButton.disabled = false;
    this.draw();
  }

  layShown() {
    for (let r = 0; r < size; ++r) for (let c = 0; c < size; ++c) if (this.shown[r][c] !== '.') this.squares[r][c] = this.shown[r][c];
    this.shown = emptyBoard();
    this.layButton.disabled = true;
    this.draw();
    this.onLay(this.rest ?? '');
  }

  put(sign) {
    this.squares[this.row][this.column] = sign;
    this.shown = emptyBoard();
    this.layButton.disabled = true;
    this.onChange();
  }

  step(by) {
    if (this.down) this.row = Math.min(size - 1, Math.max(0, this.row + by));
    else this.column = Math.min(size - 1, Math.max(0, this.column + by));
  }

  key(event) {
    const moves = { ArrowLeft: [0, -1], ArrowRight: [0, 1], ArrowUp: [-1, 0], ArrowDown: [1, 0] };
    if (moves[event.key]) {
      this.row = Math.min(size - 1, Math.max(0, this.row + moves[event.key][0]));
      this.column = Math.min(size - 1, Math.max(0, this.column + moves[event.key][1]));
    } else if (event.key === ' ') {
      this.down = !this.down;
    } else if (event.key === 'Backspace') {
      this.step(-1);
      this.put('.');
    } else if (event.key === 'Delete') {
      this.put('.');
    } else if (/^[a-zA-Z]$/.test(event.key) && !event.ctrlKey && !event.altKey && !event.metaKey) {
      const letter = event.key.toLowerCase();
      this.put(event.shiftKey || event.key !== letter ? letter.toUpperCase() : letter);
      this.step(1);
    } else {
      return;
    }
    event.preventDefault();
    this.draw();
  }

  pointed(event, asBlank) {
    const square = event.target.closest('[data-row]');
    if (!square) return;
    this.row = Number(square.dataset.row);
    this.column = Number(square.dataset.column);
    const sign = this.squares[this.row][this.column];
    if (asBlank) {
      event.preventDefault();
      if (sign !== '.') this.put(sign === sign.toLowerCase() ? sign.toUpperCase() : sign.toLowerCase());
    }
    this.grid.focus();
    this.draw();
  }

  draw() {
    const cells = [];
    for (let r = 0; r < size; ++r) {
      for (let c = 0; c < size; ++c) {
        const cell = document.createElement('span');
        cell.dataset.row = r;
        cell.dataset.column = c;
        cell.setAttribute('role', 'img');
        const sign = this.squares[r][c] !== '.' ? this.squares[r][c] : this.shown[r][c];
        const premium = this.layout[r][c];
        const name = `${String.fromCharCode(65 + c)}${r + 1}`;
        if (sign === '.') {
          cell.className = `square premium-${names[premium] ?? 'none'}`;
          cell.textContent = names[premium] ?? (r === centre && c === centre ? '★' : '');
          cell.setAttribute('aria-label', `${name}${names[premium] ? `, ${names[premium]}` : ''}`);
        } else {
          const blank = sign !== sign.toLowerCase();
          cell.className = `square laid${this.squares[r][c] === '.' ? ' new' : ''}${blank ? ' blank' : ''}`;
          cell.textContent = sign.toUpperCase();
          cell.setAttribute('aria-label', `${name}, ${sign.toLowerCase()}${blank ? ', blanco' : ''}${this.squares[r][c] === '.' ? ', nieuw' : ''}`);
        }
        if (r === this.row && c === this.column) {
          cell.classList.add('cursor');
          cell.dataset.direction = this.down ? '↓' : '→';
        }
        cells.push(cell);
      }
    }
    this.grid.replaceChildren(...cells);
  }
}
