'use strict';

// The picture beside a report: for a number report the 49 numbers in seven
// rows of seven, each shaded by its count and labelled with it; for an
// attribute report one bar per class. It shows the counts the C++ engine
// gives for the same press (web/src/picture.h), nothing computed here.
const Picture = (() => {
  const cell = (tag, className, text) => {
    const made = document.createElement(tag);
    made.className = className;
    if (text !== undefined) made.textContent = text;
    return made;
  };

  function numbers(picture, highest) {
    const grid = cell('div', 'number-grid');
    grid.setAttribute('role', 'img');
    grid.setAttribute('aria-label', '49 个号码按次数深浅');
    picture.labels.forEach((label, i) => {
      const count = picture.counts[i];
      const square = cell('div', 'number-cell');
      square.dataset.number = label;
      square.dataset.count = count;
      square.style.setProperty('--level', highest > 0 ? count / highest : 0);
      if (highest > 0 && count / highest > 0.55) square.classList.add('dark');
      square.title = `${label}：${count}次`;
      square.append(cell('span', 'number', label), cell('span', 'count', String(count)));
      grid.append(square);
    });
    return grid;
  }

  function classes(picture, highest) {
    const bars = cell('div', 'class-bars');
    picture.labels.forEach((label, i) => {
      const count = picture.counts[i];
      const row = cell('div', 'class-bar');
      row.dataset.label = label;
      row.dataset.count = count;
      row.style.setProperty('--level', highest > 0 ? count / highest : 0);
      const bar = cell('span', 'bar');
      bar.append(cell('span', 'fill'));
      row.append(cell('span', 'name', label), bar, cell('span', 'count', String(count)));
      bars.append(row);
    });
    return bars;
  }

  function draw(container, picture) {
    const highest = Math.max(0, ...picture.counts);
    container.replaceChildren(picture.numbers ? numbers(picture, highest) : classes(picture, highest));
    container.hidden = false;
  }

  return { draw };
})();
