// SPDX-License-Identifier: GPL-3.0-or-later
// The page of the browser's edition: it draws the screens the game's core (velmoran-core.wasm)
// tells it of, passes the player's clicks and keys to it one at a time, answers its boxes, keeps
// the player's files in the browser's storage and plays the sounds.
'use strict';

(() => {
  const TWIP = 15; // twips to a pixel of the layout
  const DESK = { width: 640, height: 480 };
  const SCREENS = ['Menu', 'main', 'prohra', 'vzpoura', 'nastaveni', 'about', 'splash'];
  const SPLASH_TIME = 1900;
  const ICONS = ['', 'ℹ', '⚠', '⛔'];
  const ICON_NAMES = ['', 'Informace', 'Varování', 'Chyba'];
  const PLAYER_FOLDER = '/velmoran';
  const SHIPPED_FOLDER = '/game/';

  let core = null;
  let state = { open: [], game: null, scores: [], checks: [] };
  let menuBar = [];
  // Beside the game's two entries: the running reign's chronicle, which changes nothing.
  const CHRONICLE_ENTRY = { name: 'kronika', caption: 'Kronika vlády', shortcut: 'F3', run: showReignSoFar };
  // The window the next chronicle belongs to: the best scores, unless the player asked for the
  // running reign's.
  let chronicleOwner = 'prohra';
  // The columns of the chronicle's table: what the chart draws, month by month.
  const FIGURE_COLUMNS = ['Měsíc', 'Pokladna', 'Rozpočet', 'Území', 'Obrana', 'Partyzáni', 'Bordánie',
    'Policie', 'Armáda', 'Dělníci', 'Rolníci', 'Chudina', 'Inteligence'];
  const windows = new Map(); // screen name -> its window element

  // ---------------------------------------------------------------- building the page

  function el(tag, props = {}, children = []) {
    const node = document.createElement(tag);
    for (const [key, value] of Object.entries(props)) {
      if (key === 'class') node.className = value;
      else if (key === 'text') node.textContent = value;
      else if (key.startsWith('on')) node.addEventListener(key.slice(2), value);
      else if (value !== undefined && value !== null && value !== false) node.setAttribute(key, value === true ? '' : value);
    }
    for (const child of [].concat(children)) if (child) node.append(child);
    return node;
  }

  // A control at its place, every measure in twips.
  function at(node, left, top, width, height) {
    node.style.left = `${Math.floor(left / TWIP)}px`;
    node.style.top = `${Math.floor(top / TWIP)}px`;
    if (width !== undefined) node.style.width = `${Math.floor(width / TWIP)}px`;
    if (height !== undefined) node.style.height = `${Math.floor(height / TWIP)}px`;
    return node;
  }

  // A picture the Qt game draws, as the build made it: sharp on a screen of twice the density.
  function picture(name, width, height, alt = '') {
    return el('img', {
      class: 'picture', src: `pictures/${name}.png`, width, height, alt,
      srcset: `pictures/${name}.png 1x, pictures/${name}@2x.png 2x`,
    });
  }

  function makeWindow(screen, caption, widthTw, heightTw, options = {}) {
    const titleId = `${screen}-caption`;
    const win = el('section', {
      class: `window ${options.class || screen}`, 'data-screen': screen,
      role: options.frameless ? undefined : 'region', 'aria-labelledby': options.frameless ? undefined : titleId,
      'aria-label': options.frameless ? caption.trim() : undefined,
    });
    if (!options.frameless) {
      const icon = el('img', { src: 'pictures/globe-0.png', alt: '', class: 'window-icon' });
      const close = el('button', {
        class: 'close', type: 'button', 'aria-label': 'Zavřít', title: 'Zavřít', text: '×', tabindex: '-1',
        onclick: () => options.onClose ? options.onClose() : call('velmoran_closed_by_player', SCREENS.indexOf(screen)),
      });
      win.append(el('div', { class: 'titlebar' }, [icon, el('span', { class: 'caption', id: titleId, text: caption }), close]));
    }
    if (options.menubar) win.append(options.menubar);
    const client = el('div', { class: 'client' });
    client.style.width = `${Math.floor(widthTw / TWIP)}px`;
    client.style.height = `${Math.floor(heightTw / TWIP)}px`;
    win.append(client);
    win.client = client;
    document.getElementById('desk').append(win);
    return win;
  }

  // Puts a window in the middle of `over` (a window, or the desk), inside the desk.
  function centre(win, over) {
    const width = win.offsetWidth; const height = win.offsetHeight;
    let cx = DESK.width / 2; let cy = DESK.height / 2;
    if (over) { cx = over.offsetLeft + over.offsetWidth / 2; cy = over.offsetTop + over.offsetHeight / 2; }
    win.style.left = `${Math.max(0, Math.min(DESK.width - width, Math.round(cx - width / 2)))}px`;
    win.style.top = `${Math.max(0, Math.min(DESK.height - height, Math.round(cy - height / 2)))}px`;
  }

  function fitDesk() {
    const desk = document.getElementById('desk');
    const scale = Math.min(window.innerWidth / DESK.width, window.innerHeight / DESK.height);
    const left = (window.innerWidth - DESK.width * scale) / 2;
    const top = (window.innerHeight - DESK.height * scale) / 2;
    desk.style.transform = `translate(${left}px, ${top}px) scale(${scale})`;
    // The boxes lie above the desk, in the middle of the window, at the desk's scale.
    document.getElementById('box').style.transform = `scale(${scale})`;
  }

  // ---------------------------------------------------------------- the screens

  const builders = {
    splash() {
      const win = makeWindow('splash', 'Velmoran', 6300, 4200, { frameless: true });
      win.client.append(at(picture('splash', 420, 280, 'Hrad vládce za svítání'), 0, 0));
      win.client.append(at(el('p', { class: 'credit bold', text: 'Velmoran' }), 0, 3720));
      win.client.append(at(el('p', { class: 'credit', text: 'Napsal a nakreslil tým Velmoran' }), 0, 3930));
      return win;
    },

    Menu() {
      // An unfinished reign: "Pokračovat" above "Start", with the focus, and the reign under it;
      // or a note that another copy of the game plays it. The rest moves down to make room.
      const offer = state.reign;
      const elsewhere = offer === 'elsewhere';
      const room = elsewhere ? 2 * 240 + 135 : offer ? 375 + 240 + 135 : 0;
      const win = makeWindow('Menu', ' Velmoran ', 4065, 3435 + room);
      const banner = at(picture('banner-velmoran', 262, 66, 'Velmoran'), 75, 75);
      banner.style.cursor = 'pointer';
      banner.addEventListener('click', startIconAnimation);
      win.client.append(banner);
      const button = (caption, top, index, bold) => {
        const node = at(el('button', { type: 'button', class: bold ? 'bold' : '', text: caption,
          onclick: () => call('velmoran_title_menu', index) }), 1275, top, 1515, 345);
        win.client.append(node);
        return node;
      };
      const note = (id, text, top, height) => win.client.append(at(el('p', { class: 'note', id, text }), 75, top, 4065 - 150, height));
      if (elsewhere) {
        note('rozehrana-jinde', 'Rozehranou vládu hraje jiná spuštěná kopie hry; tato ji nepřepíše.', 1200, 2 * 240);
      } else if (offer) {
        button('Pokračovat', 1200, 5, true).setAttribute('aria-describedby', 'rozehrana-vlada');
        note('rozehrana-vlada', `${offer.ruler}, ${offer.country}, ${offer.month}. měsíc`, 1200 + 375, 240);
      }
      const buttons = [['Start', 1200, true], ['Nastavení', 1575], ['Top 3', 1950], ['Konec', 2325], ['O hře', 2700]];
      buttons.forEach(([caption, top, bold], index) => button(caption, top + room, index, bold));
      win.client.append(at(el('span', { class: 'label', text: '© 2026 Velmoran' }), 1530, 3195 + room));
      win.focusFirst = () => win.client.querySelector('button').focus();
      return win;
    },

    main() {
      const bar = buildMenuBar();
      const win = makeWindow('main', ' Velmoran', 8505, 5910, { menubar: bar });
      const c = win.client;
      const label = (text, left, top, width, props = {}) => {
        const node = at(el('span', { class: 'label', text, ...props }), left, top, width, 225);
        c.append(node);
        return node;
      };
      label('Jméno velmorana:', 75, 75, 1425, { id: 'cap-jmeno' });
      win.jmeno = label('', 1500, 75, 4800, { 'aria-labelledby': 'cap-jmeno q-jmeno', id: 'q-jmeno' });
      label('Jméno státu:', 75, 300, 1125, { id: 'cap-stat' });
      win.stat = label('', 1200, 300, 5100, { 'aria-labelledby': 'cap-stat q-stat', id: 'q-stat' });
      const heading = label('Území', 60, 600, 840);
      heading.classList.add('heading');

      const territory = at(el('div', { class: 'territory', role: 'img', id: 'uzemi' }), 0, 825, 735, 5055);
      win.partisans = el('div', { class: 'partisans' });
      territory.append(win.partisans);
      win.territory = territory;
      c.append(territory);
      const percentBox = at(el('div', { class: 'percent-box' }), 150, 5550, 495, 285);
      win.procentu = el('span', { id: 'q-Procentu', 'aria-label': 'Vaše území v procentech' });
      percentBox.append(win.procentu);
      c.append(percentBox);
      const shape = (colour, left, top) => {
        const node = at(el('div', { class: 'shape', 'aria-hidden': 'true' }), left, top, 195, 195);
        node.style.background = `var(${colour})`;
        c.append(node);
      };
      shape('--partisan-red', 750, 5475);
      label('Partyzánů', 975, 5475, 1500);
      shape('--ruler-blue', 750, 5700);
      label('Vaše', 975, 5700, 1500);
      win.month = at(picture('month', 185, 27, 'NOVÝ MĚSÍC'), 2550, 5475);
      c.append(win.month);

      win.info = at(el('div', { class: 'info', id: 'info', role: 'log', 'aria-live': 'polite', 'aria-label': 'Info okno' }), 900, 825, 5190, 1440);
      c.append(win.info);
      win.answers = {};
      [['ano', 'Ano', 900, 1], ['ok', 'Ok', 2700, 0], ['ne', 'Ne', 4575, 2]].forEach(([name, caption, left, button]) => {
        const node = at(el('button', { type: 'button', text: caption, id: `btn-${name}`, onclick: () => call('velmoran_game_button', button) }), left, 2325, 1515, 375);
        node.hidden = true;
        win.answers[name] = node;
        c.append(node);
      });
      win.report = buildReport();
      c.append(win.report);

      win.values = {};
      const account = (caption, name, top) => {
        label(caption, 6300, top + 75, 1275, { id: `cap-${name}`, class: 'label condensed' });
        const box = at(el('output', { class: 'field', id: `q-${name}`, 'aria-labelledby': `cap-${name} q-${name}` }), 7575, top, 855, 285);
        c.append(box);
        win.values[name] = box;
      };
      account('Vládnete již:', 'vlada', 0);
      account('Státní pokladna:', 'kasa', 300);
      account('Měsíční rozpočet:', 'rozpocet2', 600);
      c.append(at(el('button', { type: 'button', text: 'Zpráva Tajné policie - 20$', id: 'btn-zprava', onclick: () => call('velmoran_game_button', 3) }), 6225, 1050, 2205, 375));
      win.focusFirst = () => focusAnswer(win, true);
      return win;
    },

    vzpoura() {
      const win = makeWindow('vzpoura', 'Velká národní vzpoura!', 5400, 4425);
      const c = win.client;
      c.append(at(picture('rebellion', 350, 75, 'Dav s pochodněmi táhne na palác'), 75, 75));
      const column = (heading, id, left) => {
        c.append(at(el('span', { class: 'label bold', id: `${id}-heading`, text: heading }), left, 1320, 2550, 255));
        const list = at(el('ul', { class: 'list', id, 'aria-labelledby': `${id}-heading` }), left, 1605, 2550, 1680);
        c.append(list);
        return list;
      };
      win.stebou = column('Kdo bojuje s tebou', 'stebou', 75);
      win.protitobe = column('Kdo bojuje proti tobě', 'protitobe', 2775);
      const strength = (caption, id, left, side) => {
        c.append(at(el('span', { class: 'label bold', id: `${id}-caption`, text: caption }), left, 3450, 1200, 255));
        const field = at(el('output', { class: `field strength-field ${side}`, id, 'aria-labelledby': `${id}-caption ${id}` }), left + 1275, 3420, 1140, 300);
        c.append(field);
        return field;
      };
      win.tvojes = strength('Vaše síla', 'tvojes', 75, 'ours');
      win.jejichs = strength('Jejich síla', 'jejichs', 2775, 'theirs');
      const ok = at(el('button', { type: 'button', text: 'OK', onclick: () => call('velmoran_rebellion_ok') }), 2100, 3915, 1200, 375);
      c.append(ok);
      win.focusFirst = () => ok.focus();
      return win;
    },

    prohra() {
      const win = makeWindow('prohra', 'Nejlepší skóre', 4425, 3405);
      const c = win.client;
      c.append(at(picture('banner-top-skore', 285, 66, 'TOP SKÓRE'), 75, 75));
      c.append(at(el('span', { class: 'label bold', id: 'h-jmeno', text: 'Jméno' }), 300, 1275, 1200, 255));
      c.append(at(el('span', { class: 'label bold', id: 'h-mesicu', text: 'Měsíců' }), 2925, 1275, 1200, 255));
      win.fields = [];
      [1575, 1950, 2325].forEach((top, row) => {
        const name = at(el('button', { type: 'button', class: 'field', id: `jm${row}`, title: 'Otevřít kroniku této vlády',
          'aria-describedby': 'h-jmeno', onclick: () => call('velmoran_chronicle_of_row', row) }), 225, top, 2550, 300);
        name.style.textAlign = 'left';
        const months = at(el('output', { class: 'field', id: `sc${row}`, 'aria-labelledby': `h-mesicu sc${row}` }), 2925, top, 4425 - 225 - 2925, 300);
        c.append(name, months);
        win.fields.push(name, months);
      });
      const ok = at(el('button', { type: 'button', text: 'Ok', onclick: () => call('velmoran_best_scores_ok') }), 1800, 3000, 975, 345);
      c.append(ok);
      win.focusFirst = () => ok.focus();
      // One button: Enter, Space and Esc press it, but Enter and Space on a ruler's name open
      // the reign's chronicle; the arrows go from name to name.
      const names = win.fields.filter((field) => field.id.startsWith('jm'));
      win.addEventListener('keydown', (event) => {
        const row = names.indexOf(document.activeElement);
        if (event.key === 'ArrowUp' || event.key === 'ArrowDown') {
          event.preventDefault();
          const step = event.key === 'ArrowUp' ? -1 : 1;
          names[Math.max(0, Math.min(names.length - 1, row < 0 ? 0 : row + step))].focus();
        } else if (event.key === 'Escape' || (row < 0 && (event.key === 'Enter' || event.key === ' '))) {
          event.preventDefault();
          call('velmoran_best_scores_ok');
        }
      });
      return win;
    },

    nastaveni() {
      const win = makeWindow('nastaveni', ' Nastavení', 4800, 2985);
      const c = win.client;
      c.append(at(picture('banner-nastaveni', 310, 66, 'NASTAVENÍ'), 75, 75));
      const captions = ['Použít tučné písmo v info okně', 'Bílý text a černé pozadí v info okně', 'Tlačítka pod info oknem budou tučným písmem'];
      win.checks = captions.map((caption, box) => {
        const input = el('input', { type: 'checkbox', id: `Check${box + 1}`,
          onchange: (event) => call('velmoran_settings_check', box, event.target.checked ? 1 : 0) });
        const label = at(el('label', { class: 'label' }, [input, ` ${caption}`]), 300, [1260, 1560, 1860][box], 4200, 255);
        c.append(label);
        return input;
      });
      const save = at(el('button', { type: 'button', text: 'Uložit', onclick: () => call('velmoran_settings_save') }), (4800 - 1515) / 2, 2355, 1515, 375);
      c.append(save);
      win.focusFirst = () => win.checks[0].focus();
      // "Uložit" is the default button: Enter saves wherever the focus is; Esc closes the
      // screen without saving.
      win.addEventListener('keydown', (event) => {
        if (event.key === 'Enter') {
          event.preventDefault();
          call('velmoran_settings_save');
        } else if (event.key === 'Escape') {
          event.preventDefault();
          call('velmoran_closed_by_player', SCREENS.indexOf('nastaveni'));
        }
      });
      return win;
    },

    about() {
      const win = makeWindow('about', ' O Hře', 5400, 3600);
      const c = win.client;
      c.append(at(picture('about', 360, 240, ''), 0, 0));
      const credit = (text, top, extra = '') => c.append(at(el('p', { class: `credit ${extra}`, text }), 300, top));
      credit('Programing, grafika', 2010);
      credit('Tým Velmoran', 2250, 'author');
      const address = at(el('button', { type: 'button', class: 'credit address', text: 'napoveda.html', title: 'Nápověda hry',
        onclick: (event) => { event.stopPropagation(); call('velmoran_about_click', 1); } }), 300, 2730, 4800, 255);
      c.append(address);
      credit('Původní verze hry: tým Velmoran, 2026', 3180);
      c.addEventListener('click', (event) => { if (event.target !== address) call('velmoran_about_click', 0); });
      win.focusFirst = () => address.focus();
      return win;
    },
  };

  function buildReport() {
    const report = at(el('section', { class: 'report', id: 'zprava', 'aria-labelledby': 'zprava-title' }), 900, 2775, 5190, 2565);
    report.hidden = true;
    const put = (node, left, top, width) => { report.append(at(node, left, top, width, 225)); return node; };
    put(el('h2', { class: 'title', id: 'zprava-title', text: 'Zpráva Tajné policie' }), 75, 30, 5040).style.height = '28px';
    put(el('span', { text: 'Síla' }), 1275, 450, 675);
    put(el('span', { text: 'Oblíbenost' }), 1950, 450, 1575);
    const rows = [
      ['Tajná policie', 'tp', null, 0, 0], ['Osobní stráž', 'os', null, 1, 0], ['Policie', 'pol', 'polo', 2, 0],
      ['Armáda', 'arm', 'armo', 3, 0], ['Dělníci', 'del', 'delo', 4, 0], ['Rolníci', 'rol', 'rolo', 5, 0],
      ['Chudina', 'chu', 'chuo', 6, 0], ['Inteligence', 'inte', 'into', 7, 0],
      ['Rusko', 'rus', 'ruso', 0, 1], ['USA', 'usa', 'usao', 1, 1], ['Morava', 'mak', 'moro', 2, 1],
      ['Partyzáni', 'par', null, 4, 1], ['Bordánie', 'brd', 'brdo', 5, 1],
    ];
    report.values = {};
    for (const [caption, strength, opinion, row, foreign] of rows) {
      const top = 675 + row * 225;
      const [left, sLeft, oLeft] = foreign ? [2625, 3525, 3825] : [75, 1275, 1950];
      put(el('span', { id: `cap-${strength}`, text: caption }), left, top, sLeft - left);
      report.values[strength] = put(el('output', { class: foreign ? 'foreign' : 'strength', id: `q-${strength}`,
        'aria-label': `${caption}, síla` }), sLeft, top, oLeft - sLeft);
      if (opinion) {
        report.values[opinion] = put(el('output', { class: 'opinion', id: `q-${opinion}`,
          'aria-label': `${caption}, ${foreign ? 'postoj' : 'oblíbenost'}` }), oLeft, top, 600);
      }
    }
    put(el('span', { text: 'Zisk z 1% území' }), 2655, 2250, 1620);
    report.values.zisk = put(el('output', { class: 'profit', id: 'q-zisk', 'aria-label': 'Zisk z 1% území' }), 4275, 2250, 840);
    return report;
  }

  // ---------------------------------------------------------------- the menu bar

  function buildMenuBar() {
    const bar = el('ul', { class: 'menubar', role: 'menubar', 'aria-label': 'Nabídka hry' });
    bar.items = [];
    for (const menu of menuBar) {
      const li = el('li', { role: 'none' });
      const onTheBar = menu.entries.length === 1 && menu.entries[0].name === menu.name;
      const top = el('span', { role: 'menuitem', tabindex: bar.items.length ? '-1' : '0', 'data-name': menu.name },
        [el('u', { text: menu.caption[0] }), menu.caption.slice(1)]);
      top.setAttribute('aria-label', menu.caption);
      li.append(top);
      top.menu = menu;
      const entries = menu.name === 'mhra' ? [menu.entries[0], CHRONICLE_ENTRY, ...menu.entries.slice(1)] : menu.entries;
      if (onTheBar) {
        top.entry = menu.entries[0];
        top.addEventListener('click', () => runEntry(top.entry));
      } else {
        top.setAttribute('aria-haspopup', 'menu');
        top.setAttribute('aria-expanded', 'false');
        const list = el('ul', { class: 'menu', role: 'menu', 'aria-label': menu.caption, hidden: true });
        list.items = entries.map((entry) => {
          const item = el('span', { role: 'menuitem', tabindex: '-1', 'data-name': entry.name, 'aria-label': entry.caption.replace(/ {2,}/g, ' ') },
            [el('span', { text: entry.caption }), entry.shortcut ? el('span', { text: entry.shortcut, 'aria-hidden': 'true' }) : null]);
          if (entry.shortcut) item.setAttribute('aria-keyshortcuts', entry.shortcut.replace('Ctrl', 'Control'));
          item.entry = entry;
          item.addEventListener('click', () => chooseItem(item));
          list.append(el('li', { role: 'none' }, item));
          return item;
        });
        li.append(list);
        top.list = list;
        top.addEventListener('click', () => (top.getAttribute('aria-expanded') === 'true' ? closeMenus() : openMenu(top)));
      }
      top.addEventListener('keydown', (event) => menuBarKey(event, bar, top));
      bar.items.push(top);
      bar.append(li);
    }
    return bar;
  }

  function openMenu(top, focusLast = false) {
    closeMenus();
    if (!top.list) { top.focus(); return; }
    top.setAttribute('aria-expanded', 'true');
    top.list.hidden = false;
    const items = top.list.items;
    (focusLast ? items[items.length - 1] : items[0]).focus();
    top.list.onkeydown = (event) => menuKey(event, top);
  }

  function closeMenus() {
    for (const open of document.querySelectorAll('.menubar [aria-expanded="true"]')) {
      open.setAttribute('aria-expanded', 'false');
      open.list.hidden = true;
    }
  }

  function moveOnBar(bar, top, step) {
    const items = bar.items;
    const next = items[(items.indexOf(top) + step + items.length) % items.length];
    for (const item of items) item.tabIndex = item === next ? 0 : -1;
    return next;
  }

  function menuBarKey(event, bar, top) {
    const keys = {
      ArrowRight: () => moveOnBar(bar, top, 1).focus(),
      ArrowLeft: () => moveOnBar(bar, top, -1).focus(),
      ArrowDown: () => openMenu(top),
      ArrowUp: () => openMenu(top, true),
      Enter: () => (top.entry ? runEntry(top.entry) : openMenu(top)),
      ' ': () => (top.entry ? runEntry(top.entry) : openMenu(top)),
      Escape: () => { closeMenus(); focusAnswer(windows.get('main'), true); },
    };
    if (keys[event.key]) { event.preventDefault(); keys[event.key](); }
  }

  function menuKey(event, top) {
    const items = top.list.items;
    const index = items.indexOf(document.activeElement);
    const bar = top.closest('.menubar');
    const keys = {
      ArrowDown: () => items[(index + 1) % items.length].focus(),
      ArrowUp: () => items[(index - 1 + items.length) % items.length].focus(),
      Home: () => items[0].focus(),
      End: () => items[items.length - 1].focus(),
      ArrowRight: () => openMenu(moveOnBar(bar, top, 1)),
      ArrowLeft: () => openMenu(moveOnBar(bar, top, -1)),
      Escape: () => { closeMenus(); top.focus(); },
      Tab: () => closeMenus(),
      Enter: () => chooseItem(items[index]),
      ' ': () => chooseItem(items[index]),
    };
    if (keys[event.key]) {
      if (event.key !== 'Tab') event.preventDefault();
      event.stopPropagation();
      keys[event.key]();
    }
  }

  // An entry that is switched off does nothing, and its menu stays open.
  function chooseItem(item) {
    if (!item || item.getAttribute('aria-disabled') === 'true') return;
    closeMenus();
    runEntry(item.entry);
  }

  function runEntry(entry) {
    const item = document.querySelector(`.menubar [data-name="${entry.name}"]`);
    if (item && item.getAttribute('aria-disabled') === 'true') return;
    if (entry.run) entry.run(); else call('velmoran_menu_entry', entry.index);
  }

  // ---------------------------------------------------------------- showing the state

  function showState(next) {
    const wasOpen = new Set(state.open);
    const previousInfoWrites = state.infoWrites;
    state = next;
    for (const screen of SCREENS) {
      const open = state.open.includes(screen);
      if (open && !windows.has(screen)) {
        const win = builders[screen]();
        windows.set(screen, win);
        // The first time each screen shows, for the measurements (bench/web_startup.mjs).
        const mark = `velmoran-${screen}`;
        if (!performance.getEntriesByName(mark).length) performance.mark(mark);
      } else if (!open && windows.has(screen)) {
        windows.get(screen).remove();
        windows.delete(screen);
        if (screen === 'Menu') stopIconAnimation();
        if (screen === 'splash') document.getElementById('loading')?.remove();
      }
    }
    // A reign's chronicle goes with the window it was opened from.
    const chronicle = document.querySelector('.window.chronicle');
    if (chronicle && !state.open.includes(chronicle.dataset.owner)) closeChronicle();
    if (windows.has('main')) showGame(windows.get('main'), previousInfoWrites);
    if (windows.has('vzpoura')) showRebellion(windows.get('vzpoura'));
    if (windows.has('prohra')) showBestScores(windows.get('prohra'));
    if (windows.has('nastaveni')) windows.get('nastaveni').checks.forEach((box, i) => { box.checked = state.checks[i]; });
    placeWindows(wasOpen);
    if (state.finished || (state.open.length === 0 && core)) showFinished();
  }

  function placeWindows(wasOpen) {
    const over = (...names) => names.map((name) => windows.get(name)).find(Boolean);
    const placeOnce = (screen, owner) => {
      const win = windows.get(screen);
      if (!win || wasOpen.has(screen)) return;
      centre(win, owner);
      if (win.focusFirst && !document.getElementById('box').open) win.focusFirst();
    };
    placeOnce('splash');
    placeOnce('main');
    placeOnce('Menu', over('main', 'prohra'));
    placeOnce('vzpoura', over('main'));
    placeOnce('prohra', over('Menu', 'main'));
    placeOnce('nastaveni', over('Menu'));
    placeOnce('about', over('Menu'));
    // The window opened last lies on top; the rebellion over the game screen.
    let z = 1;
    for (const screen of ['main', 'Menu', 'prohra', 'nastaveni', 'about', 'vzpoura', 'splash']) {
      if (windows.has(screen)) windows.get(screen).style.zIndex = String(z++);
    }
    layOutChronicle();
    keepFocus();
  }

  // A window or a button that went away with the focus leaves it to the window on top.
  function keepFocus() {
    if (document.getElementById('box').open) return;
    const focused = document.activeElement;
    if (focused && focused !== document.body && focused.getClientRects().length) return;
    const top = [...windows.values()].filter((win) => win.focusFirst)
      .sort((a, b) => Number(b.style.zIndex) - Number(a.style.zIndex))[0];
    if (top) top.focusFirst();
  }

  function showGame(win, previousInfoWrites) {
    const game = state.game;
    if (!game) return;
    const t = game.texts;
    win.jmeno.textContent = t.jmeno;
    win.jmeno.title = t.jmeno;
    win.stat.textContent = t.stat;
    win.stat.title = t.stat;
    win.procentu.textContent = t.Procentu;
    win.territory.setAttribute('aria-label', `Území: vaše ${t.Procentu} %, partyzánů ${game.partisanShare} %`);
    win.partisans.style.height = `${Math.min(100, game.partisanShare)}%`;
    for (const name of ['vlada', 'kasa', 'rozpocet2']) win.values[name].textContent = t[name];
    for (const [name, node] of Object.entries(win.report.values)) node.textContent = t[name];
    win.report.hidden = !game.report;
    win.month.hidden = !game.month;
    // Every text written to the panel is read out, the same one again too: a new text node.
    if (game.info !== win.info.textContent || state.infoWrites !== previousInfoWrites) {
      win.info.replaceChildren(document.createTextNode(game.info));
    }
    win.info.classList.toggle('bold', game.look[0]);
    win.info.classList.toggle('white', game.look[1]);
    const answerPending = game.ok || game.ano || game.ne;
    let appearing = null;
    for (const name of ['ano', 'ok', 'ne']) {
      const button = win.answers[name];
      if (game[name] && button.hidden && !appearing) appearing = button;
      button.hidden = !game[name];
      button.classList.toggle('bold', game.look[2]);
    }
    menuBar.forEach((menu) => menu.entries.forEach((entry) => {
      const item = win.querySelector(`[data-name="${entry.name}"]`);
      const refused = answerPending && menu.name !== 'mhra';
      const enabled = game.menuEnabled[entry.index] && !refused && game.enabled;
      if (item) item.setAttribute('aria-disabled', enabled ? 'false' : 'true');
    }));
    win.classList.toggle('off', !game.enabled);
    win.inert = !game.enabled;
    if (appearing && !document.getElementById('box').open) appearing.focus();
    else if (!document.getElementById('box').open && answerPending) focusAnswer(win, false);
  }

  // While an answer button shows, it holds the focus, so that Enter or Space answers; the menu
  // bar keeps it while the player is in it, unless `always`. Without an answer button, `always`
  // gives the focus to the menu bar.
  function focusAnswer(win, always) {
    if (!win) return;
    const shown = ['ano', 'ok', 'ne'].map((name) => win.answers[name]).filter((b) => !b.hidden);
    if (shown.length && !shown.includes(document.activeElement)) {
      if (!always && document.activeElement && document.activeElement.closest('.menubar, .chronicle')) return;
      shown[0].focus();
    } else if (!shown.length && always) {
      win.querySelector('.menubar [tabindex="0"]')?.focus();
    }
  }

  function showBestScores(win) {
    win.fields.forEach((field, i) => { field.textContent = state.scores[i] || ''; });
    win.fields.filter((field) => field.id.startsWith('jm')).forEach((name, row) => {
      name.setAttribute('aria-label', state.scoreReadings[row] || '');
    });
  }

  function showRebellion(win) {
    const game = state.game;
    if (!game) return;
    const fill = (list, groups) => list.replaceChildren(...groups.map((group) => el('li', { text: group })));
    fill(win.stebou, game.stebou);
    fill(win.protitobe, game.protitobe);
    win.tvojes.textContent = game.tvojes;
    win.jejichs.textContent = game.jejichs;
  }

  function showFinished() {
    if (document.querySelector('.finished')) return;
    const desk = document.getElementById('desk');
    desk.replaceChildren(el('div', { class: 'finished', role: 'status' }, [
      el('p', { text: 'Velmoran skončil. Děkujeme za hru.' }),
      el('button', { type: 'button', text: 'Hrát znovu', onclick: () => location.reload() }),
    ]));
    desk.querySelector('.finished').style.marginTop = '200px';
    desk.querySelector('button').focus();
  }

  // ---------------------------------------------------------------- the chronicle

  function closeChronicle() {
    document.querySelector('.window.chronicle')?.remove();
    keepFocus();
  }

  // The chronicle of a ranked reign (from the best scores) or of the running one (from the
  // game screen): it goes when that window goes. The focus goes to what happened.
  function showChronicle(chronicle) {
    document.querySelector('.window.chronicle')?.remove();
    const win = makeWindow('kronika', 'Kronika vlády', 4800, 6300, { class: 'chronicle', onClose: closeChronicle });
    win.dataset.owner = chronicleOwner;
    win.addEventListener('keydown', (event) => { if (event.key === 'Escape') closeChronicle(); });
    const c = win.client;
    c.append(at(el('p', { class: 'label bold', id: 'vladce', text: chronicle.heading }), 90, 90, 4620));
    const canvas = el('canvas', { role: 'img', 'aria-label': 'Graf vlády: pokladna a rozpočet, území, obrana a nepřátelé, oblíbenost',
      'aria-description': 'Čísla grafu jsou po měsících v tabulce na kartě Čísla po měsících' });
    drawChart(canvas, chronicle.figures, 308, 210);
    c.append(chronicleViews([['Graf', canvas], ['Čísla po měsících', figureTable(chronicle.figures)]]));
    const lines = el('ul', { class: 'lines', 'aria-label': 'Co se stalo', tabindex: '0' });
    lines.append(...chronicle.lines.map((line) => el('li', { text: `${line.month}. měsíc: ${line.text}` })));
    c.append(lines);
    layOutChronicle();
    lines.focus();
  }

  function showReignSoFar() {
    chronicleOwner = 'main';
    call('velmoran_reign_so_far').then(() => { chronicleOwner = 'prohra'; });
  }

  // Tabs over the chart and its table: the arrows go from tab to tab.
  function chronicleViews(views) {
    const tabs = el('div', { class: 'tabs', role: 'tablist', 'aria-label': 'Pohledy' });
    const panels = views.map(([caption, content], i) => el('div', { class: 'view', role: 'tabpanel', id: `pohled-${i}`,
      'aria-labelledby': `karta-${i}`, hidden: i > 0 }, content));
    const buttons = views.map(([caption], i) => el('button', { type: 'button', role: 'tab', id: `karta-${i}`, text: caption,
      'aria-controls': `pohled-${i}`, 'aria-selected': String(i === 0), tabindex: i ? '-1' : '0', onclick: () => choose(i) }));
    function choose(chosen) {
      buttons.forEach((button, i) => {
        button.setAttribute('aria-selected', String(i === chosen));
        button.tabIndex = i === chosen ? 0 : -1;
        panels[i].hidden = i !== chosen;
      });
      buttons[chosen].focus();
    }
    tabs.addEventListener('keydown', (event) => {
      const step = { ArrowRight: 1, ArrowLeft: -1 }[event.key];
      if (!step) return;
      event.preventDefault();
      choose((buttons.indexOf(document.activeElement) + step + buttons.length) % buttons.length);
    });
    tabs.append(...buttons);
    return el('div', { class: 'views' }, [tabs, ...panels]);
  }

  function figureTable(figures) {
    const head = el('tr', {}, FIGURE_COLUMNS.map((column) => el('th', { scope: 'col', text: column })));
    const rows = figures.map((row) => el('tr', {}, row.map((value) => el('td', { text: String(value) }))));
    return el('table', { 'aria-label': 'Čísla po měsících', tabindex: '0' }, [el('thead', {}, head), el('tbody', {}, rows)]);
  }

  // Beside the best scores, so that their Ok stays in reach: both side by side on the desk.
  function layOutChronicle() {
    const win = document.querySelector('.window.chronicle');
    if (!win) return;
    const scores = windows.get('prohra');
    const gap = 8;
    const left = Math.max(0, (DESK.width - win.offsetWidth - gap - (scores ? scores.offsetWidth : 0)) / 2);
    if (scores) scores.style.left = `${left}px`;
    win.style.left = `${scores ? left + scores.offsetWidth + gap : left}px`;
    win.style.top = `${Math.max(0, (DESK.height - win.offsetHeight) / 2)}px`;
    win.style.zIndex = '20';
  }

  // Four small line charts, as the desktop's chronicle draws them.
  function drawChart(canvas, figures, width, height) {
    const ratio = window.devicePixelRatio || 1;
    canvas.width = width * ratio;
    canvas.height = height * ratio;
    canvas.style.width = `${width}px`;
    canvas.style.height = `${height}px`;
    const p = canvas.getContext('2d');
    p.scale(ratio, ratio);
    p.font = '9px sans-serif';
    const f = (i) => (row) => row[i];
    const panels = [
      ['Pokladna a rozpočet ($)', [['pokladna', 'rgb(65,153,250)', f(1)], ['rozpočet', 'rgb(192,0,192)', f(2)]]],
      ['Území (%)', [['území', 'rgb(60,183,53)', f(3)]]],
      ['Obrana a nepřátelé', [['obrana', 'rgb(65,153,250)', f(4)], ['partyzáni', 'rgb(253,90,55)', f(5)], ['Bordánie', '#000', f(6)]]],
      ['Oblíbenost', ['policie', 'armáda', 'dělníci', 'rolníci', 'chudina', 'inteligence'].map((name, i) =>
        [name, ['rgb(30,30,160)', 'rgb(20,110,20)', 'rgb(200,120,0)', 'rgb(140,90,20)', 'rgb(120,120,120)', 'rgb(192,0,192)'][i], f(7 + i)])],
    ];
    const w = width / 2; const h = height / 2;
    panels.forEach(([title, series], i) => {
      const x = (i % 2) * w + 4; const y = Math.floor(i / 2) * h + 4;
      const plot = { x: x + 26, y: y + 12, w: w - 34, h: h - 30 };
      p.fillStyle = '#000';
      p.fillText(title, x, y + 8);
      p.fillStyle = 'rgb(250,248,240)';
      p.fillRect(plot.x, plot.y, plot.w, plot.h);
      p.strokeStyle = '#a0a0a0';
      p.strokeRect(plot.x, plot.y, plot.w, plot.h);
      if (!figures.length) return;
      let low = 0; let high = 1;
      for (const [, , value] of series) for (const row of figures) { low = Math.min(low, value(row)); high = Math.max(high, value(row)); }
      const first = figures[0][0]; const last = Math.max(figures[figures.length - 1][0], first + 1);
      const px = (month) => plot.x + (plot.w * (month - first)) / (last - first);
      const py = (value) => plot.y + plot.h - (plot.h * (value - low)) / (high - low);
      p.fillStyle = '#5a5a5a';
      p.fillText(String(high), x, plot.y + 8);
      p.fillText(String(low), x, plot.y + plot.h);
      let legend = plot.x;
      for (const [name, colour, value] of series) {
        p.strokeStyle = colour;
        p.lineWidth = 1.5;
        p.beginPath();
        figures.forEach((row, n) => (n ? p.lineTo(px(row[0]), py(value(row))) : p.moveTo(px(row[0]), py(value(row)))));
        p.stroke();
        p.fillStyle = colour;
        p.fillText(name, legend, plot.y + plot.h + 10);
        legend += p.measureText(name).width + 6;
      }
    });
  }

  // ---------------------------------------------------------------- the modal boxes

  let answerBox = null; // resolves the box on show

  function showBox({ icon = 0, title, text = '', prompt = null, answer = '', buttons, cancelValue, defaultIndex = 0 }) {
    const dialog = document.getElementById('box');
    return new Promise((resolve) => {
      document.getElementById('box-title').textContent = title;
      document.getElementById('box-icon').textContent = ICONS[icon];
      document.getElementById('box-icon').setAttribute('aria-label', ICON_NAMES[icon]);
      const textNode = document.getElementById('box-text');
      textNode.textContent = text;
      textNode.hidden = text === '';
      const promptNode = document.getElementById('box-prompt');
      const input = document.getElementById('box-input');
      promptNode.hidden = input.hidden = prompt === null;
      promptNode.textContent = prompt || '';
      input.value = answer;
      dialog.setAttribute('role', prompt === null ? 'alertdialog' : 'dialog');
      dialog.setAttribute('aria-labelledby', 'box-title');
      dialog.setAttribute('aria-describedby', prompt === null ? 'box-text' : 'box-prompt');
      const row = document.getElementById('box-buttons');
      const finish = (value) => {
        answerBox = null;
        dialog.oncancel = null;
        dialog.close();
        resolve(value);
      };
      row.replaceChildren(...buttons.map(([caption, value]) => el('button', {
        type: 'button', text: caption, onclick: () => finish(typeof value === 'function' ? value() : value),
      })));
      dialog.oncancel = (event) => { event.preventDefault(); finish(cancelValue); };
      input.onkeydown = (event) => { if (event.key === 'Enter') { event.preventDefault(); finish(input.value); } };
      answerBox = finish;
      dialog.showModal();
      if (prompt !== null) { input.focus(); input.select(); } else row.children[defaultIndex].focus();
    });
  }

  const boxes = {
    message: (icon, title, text) => showBox({ icon, title, text, buttons: [['OK', true]], cancelValue: true }),
    askYesNo: (title, text) => showBox({ title, text, buttons: [['Ano', true], ['Ne', false]], cancelValue: false, defaultIndex: 1 }),
    input: (title, prompt, answer) => showBox({
      title, prompt, answer, cancelValue: null,
      buttons: [['OK', () => document.getElementById('box-input').value], ['Zrušit', null]],
    }),
  };

  // ---------------------------------------------------------------- the player's files

  // The player's files live in the browser (velmoran-storage.js): the game has them while it
  // runs, and gives them back before it waits for the player.
  let files = null;

  function tellAboutStorage(text) {
    const note = document.getElementById('storage-note');
    note.textContent = text;
    note.hidden = false;
  }

  // ---------------------------------------------------------------- calls into the game

  // One call at a time: a click while a call runs or waits in a box comes after it.
  let queue = Promise.resolve();
  let pending = 0;

  function call(name, ...args) {
    if (!core) return Promise.resolve();
    if (document.getElementById('box').open) return Promise.resolve();
    pending += 1;
    queue = queue.then(async () => {
      await files.take();
      try {
        await core.ccall(name, null, args.map(() => 'number'), args, { async: true });
      } finally {
        await files.giveBack();
        pending -= 1;
      }
    }).catch((error) => console.error(error));
    return queue;
  }

  // The game waits in a box: its files go back to the browser first, then it has them again.
  async function waitFor(box) {
    await files.giveBack();
    const answer = await box();
    await files.take();
    return answer;
  }

  // ---------------------------------------------------------------- locks between tabs

  // The locks the game takes without waiting (the unfinished reign's), shared by every tab of
  // the game: Web Locks, held until the game lets go or the tab closes. A browser without them
  // has one copy of the game only.
  const locks = {
    held: new Map(),
    take(name) {
      if (!navigator.locks) return Promise.resolve(true);
      return new Promise((taken) => {
        navigator.locks.request(`velmoran:${name}`, { ifAvailable: true }, (lock) => {
          if (!lock) { taken(false); return undefined; }
          return new Promise((free) => { this.held.set(name, free); taken(true); });
        }).catch(() => taken(true));
      });
    },
    release(name) {
      const free = this.held.get(name);
      this.held.delete(name);
      if (free) free();
    },
  };

  // ---------------------------------------------------------------- sounds

  const sound = {
    context: null,
    playing: null,
    buffers: new Map(),
    wake() {
      if (!this.context && window.AudioContext) this.context = new AudioContext();
      if (this.context && this.context.state === 'suspended') this.context.resume().catch(() => {});
    },
    // Silent, and without a message, where the browser allows no sound yet.
    async play(path) {
      this.wake();
      if (!this.context || this.context.state !== 'running') return;
      const url = path.startsWith(SHIPPED_FOLDER) ? path.slice(SHIPPED_FOLDER.length) : path;
      try {
        if (!this.buffers.has(url)) {
          const bytes = await (await fetch(url)).arrayBuffer();
          this.buffers.set(url, await this.context.decodeAudioData(bytes));
        }
        if (this.playing) this.playing.stop();
        const source = this.context.createBufferSource();
        source.buffer = this.buffers.get(url);
        source.connect(this.context.destination);
        source.start();
        this.playing = source;
      } catch (error) { /* a missing or unplayable sound is silent */ }
    },
  };

  // ---------------------------------------------------------------- the title menu's globe

  let animation = null;
  let animationCounter = 0;

  // Each step shows the next frame in the window's icon and the tab's, every 130 + 50 ms; after
  // the first pass the first frame does not come back.
  function startIconAnimation() {
    if (animation) return;
    const step = () => {
      animationCounter += 1;
      const frame = animationCounter - 1;
      document.getElementById('favicon').href = `pictures/globe-${frame}.png`;
      const icon = windows.get('Menu')?.querySelector('.window-icon');
      if (icon) icon.src = `pictures/globe-${frame}.png`;
      if (animationCounter === 8) animationCounter = 1;
      animation = setTimeout(step, 180);
    };
    animation = setTimeout(step, 130);
  }

  function stopIconAnimation() {
    clearTimeout(animation);
    animation = null;
  }

  // ---------------------------------------------------------------- keys

  function helpPage() {
    window.open('napoveda.html', '_blank', 'noopener');
  }

  document.addEventListener('keydown', (event) => {
    sound.wake();
    if (document.getElementById('box').open) return;
    const game = windows.get('main');
    if (event.key === 'F1') { event.preventDefault(); helpPage(); return; }
    if (!game || !state.game || !state.game.enabled) return;
    if (event.key === 'F10') {
      event.preventDefault();
      game.querySelector('.menubar [tabindex="0"]').focus();
      return;
    }
    if (event.key === 'F2') { event.preventDefault(); runEntry(menuBar[0].entries[0]); return; }
    if (event.key === 'F3') { event.preventDefault(); runEntry(CHRONICLE_ENTRY); return; }
    if (event.ctrlKey && !event.altKey && (event.key === 'k' || event.key === 'K')) {
      event.preventDefault();
      runEntry(menuBar[0].entries[1]);
      return;
    }
    // Alt with a menu's underlined letter, by the key (on a Mac, Option with a letter types
    // another character).
    if (event.altKey && !event.ctrlKey && /^Key[A-Z]$/.test(event.code)) {
      const letter = event.code.slice(3);
      const top = game.querySelector('.menubar').items.find((item) =>
        item.menu.caption[0].toUpperCase() === letter);
      if (top) {
        event.preventDefault();
        if (top.entry) runEntry(top.entry); else openMenu(top);
      }
    }
  });
  document.addEventListener('pointerdown', () => sound.wake());
  document.addEventListener('click', (event) => { if (!event.target.closest('.menubar')) closeMenus(); });
  window.addEventListener('resize', fitDesk);

  // ---------------------------------------------------------------- starting

  const page = {
    message: (icon, title, text) => waitFor(() => boxes.message(icon, title, text)),
    askYesNo: (title, text) => waitFor(() => boxes.askYesNo(title, text)),
    input: (title, prompt, answer) => waitFor(() => boxes.input(title, prompt, answer)),
    showState,
    playSound: (path) => { sound.play(path); },
    openLink: (address) => {
      if (address.startsWith(`file://${SHIPPED_FOLDER}`)) helpPage(); else window.open(address, '_blank', 'noopener');
    },
    showChronicle,
    takeLock: (name) => locks.take(name),
    releaseLock: (name) => locks.release(name),
  };

  // The splash screen is the page's own picture: it shows while the core loads, and its time
  // runs from then, so the title menu comes as soon after the visit as the splash allows.
  let splashShown = 0;

  function showSplashEarly() {
    const win = builders.splash();
    windows.set('splash', win);
    centre(win);
    performance.mark('velmoran-splash');
    splashShown = performance.now();
  }

  async function start() {
    fitDesk();
    showSplashEarly();
    // The browser's storage opens while the game loads.
    files = new VelmoranStorage.PlayerFiles(PLAYER_FOLDER, tellAboutStorage);
    [core] = await Promise.all([createVelmoranCore({ page }), files.open()]);
    files.use(core.FS);
    menuBar = JSON.parse(core.UTF8ToString(core._velmoran_menu_bar()));
    await files.take();
    pending += 1;
    try {
      await core.ccall('velmoran_boot', null, [], [], { async: true });
    } finally {
      await files.giveBack();
      pending -= 1;
    }
    setTimeout(() => call('velmoran_splash_timer'), Math.max(0, SPLASH_TIME - (performance.now() - splashShown)));
  }

  // What the tests and the measurements ask of the page.
  window.velmoran = {
    // Resolves once the game waits for the player: no call runs, or one waits in a box.
    async settled() {
      for (;;) {
        await new Promise((tick) => setTimeout(tick, 0));
        if (core && (pending === 0 || document.getElementById('box').open)) return;
      }
    },
    boxOpen: () => document.getElementById('box').open,
    // What kind of box waits: "message", "ask" or "input"; empty when none does.
    boxKind: () => {
      const box = document.getElementById('box');
      if (!box.open) return '';
      if (!document.getElementById('box-input').hidden) return 'input';
      return document.getElementById('box-buttons').children.length === 2 ? 'ask' : 'message';
    },
    state: () => state,
    menuBar: () => menuBar,
    answer: (value) => answerBox && answerBox(value),
    transcript: () => core.UTF8ToString(core._velmoran_take_transcript()),
    stateLines: () => core.UTF8ToString(core._velmoran_state_lines()),
    // The terminal edition's "set NAME VALUE", run as a move of the player; it may wait in a
    // box (a bankruptcy), so it returns at once: settled() tells when it is done.
    set(name, value) {
      const copy = (text) => {
        const size = core.lengthBytesUTF8(text) + 1;
        const at = core._malloc(size);
        core.stringToUTF8(text, at, size);
        return at;
      };
      const a = copy(name);
      const b = copy(String(value));
      call('velmoran_set', a, b).then(() => {
        core._free(a);
        core._free(b);
      });
    },
    storageKept: () => files.kept,
  };

  start().catch((error) => {
    console.error(error);
    windows.get('splash')?.remove();
    const loading = document.getElementById('loading');
    if (loading) loading.textContent = 'Hru se nepodařilo spustit: prohlížeč nezvládá WebAssembly.';
  });
})();
