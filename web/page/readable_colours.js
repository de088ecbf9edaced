'use strict';

// The windows' own caption and background colours, kept recognisable but
// made readable: a caption colour too light for what it stands on is
// darkened in its own hue (a darker red is still red) until its contrast
// reaches 4.5 : 1; where even black would not, the control's own
// background is lightened instead (a lighter teal is still teal).
const ReadableColours = (() => {
  const enough = 4.5;

  const parse = (colour) => {
    const parts = colour.match(/[\d.]+/g)?.map(Number);
    if (!parts || parts.length < 3) return null;
    return { rgb: parts.slice(0, 3), alpha: parts.length > 3 ? parts[3] : 1 };
  };
  const css = (rgb) => `rgb(${rgb.map((c) => Math.round(c)).join(', ')})`;

  const luminance = (rgb) => {
    const [r, g, b] = rgb.map((c) => {
      const s = c / 255;
      return s <= 0.04045 ? s / 12.92 : ((s + 0.055) / 1.055) ** 2.4;
    });
    return 0.2126 * r + 0.7152 * g + 0.0722 * b;
  };
  const contrast = (a, b) => {
    const [light, dark] = [luminance(a), luminance(b)].sort((x, y) => y - x);
    return (light + 0.05) / (dark + 0.05);
  };

  // The colour an element stands on: its own background or the nearest
  // one behind it that is not transparent.
  function backgroundOf(element) {
    for (let at = element; at; at = at.parentElement) {
      const found = parse(getComputedStyle(at).backgroundColor);
      if (found && found.alpha > 0) return found.rgb;
    }
    return [255, 255, 255];
  }

  function fix(element) {
    let text = parse(getComputedStyle(element).color)?.rgb;
    let behind = backgroundOf(element);
    if (!text) return;
    while (contrast(text, behind) < enough && luminance(text) > 0.001) text = text.map((c) => c * 0.94);
    element.style.color = css(text);
    if (contrast(text, behind) >= enough || !element.style.backgroundColor) return;
    while (contrast(text, behind) < enough) behind = behind.map((c) => c + (255 - c) * 0.06);
    element.style.backgroundColor = css(behind);
  }

  // Every control in `panel` whose colours the window gave.
  function apply(panel) {
    for (const element of panel.querySelectorAll('[data-control]')) {
      if (element.style.color || element.style.backgroundColor) fix(element);
    }
  }

  return { apply };
})();
