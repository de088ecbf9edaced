'use strict';

// The picture beside a report: for a number report the 49 numbers in seven
// rows of seven, each shaded by its count and labelled with it; for an
// attribute report one bar per class. It shows the counts the C++ engine
// gives for the same press (web/src/picture.h), nothing computed here.
const Picture = (() => {
  // One number or class: its count against the highest sets its shade
  // or bar (--level, 0..1).
  function item(className, label, count, highest) {
    const made = element('div', className);
    const level = highest > 0 ? count / highest : 0;
    made.dataset.label = label;
    made.dataset.count = count;
    made.style.setProperty('--level', level);
    made.title = `${label}：${count}次`;
    return { made, level };
  }

  // A number's shade: light enough for dark figures up to 0.7 of the
  // highest count, then dark enough for white ones (readable at 4.5 : 1
  // either way, which no shade between those two is).
  const shadeOf = (level) => (level <= 0.7 ? level * 0.97 : 0.86 + ((level - 0.7) / 0.3) * 0.09);

  const numberCell = (label, count, highest) => {
    const { made, level } = item('number-cell', label, count, highest);
    made.style.setProperty('--shade', shadeOf(level));
    if (level > 0.7) made.classList.add('dark');
    made.append(element('span', 'number', label), element('span', 'count', String(count)));
    return made;
  };

  const classBar = (label, count, highest) => {
    const { made } = item('class-bar', label, count, highest);
    const bar = element('span', 'bar');
    bar.append(element('span', 'fill'));
    made.append(element('span', 'name', label), bar, element('span', 'count', String(count)));
    return made;
  };

  function draw(container, picture) {
    const highest = Math.max(0, ...picture.counts);
    const whole = element('div', picture.numbers ? 'number-grid' : 'class-bars');
    if (picture.numbers) {
      whole.setAttribute('role', 'img');
      whole.setAttribute('aria-label', '49 个号码按次数深浅');
    }
    const made = picture.numbers ? numberCell : classBar;
    picture.labels.forEach((label, i) => whole.append(made(label, picture.counts[i], highest)));
    container.replaceChildren(whole);
    container.hidden = false;
  }

  return { draw };
})();
