'use strict';

// The one maker of the page's elements: a tag, with a class and a text when
// they are given.
function element(tag, className, text) {
  const made = document.createElement(tag);
  if (className) made.className = className;
  if (text !== undefined) made.textContent = text;
  return made;
}
