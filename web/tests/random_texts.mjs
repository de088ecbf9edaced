// Random tip texts as players paste them: both programs' words and count
// markers, numbers with and without leading zeros, brackets, full-width
// digits, every kind of line break, and characters that code page 936 has
// no form for. Seeded, so that a failing case comes back: TIPSTAT_SEED.

const words = [
  '鼠', '牛', '虎', '兔', '龙', '蛇', '马', '羊', '猴', '鸡', '狗', '猪',
  '金', '木', '水', '火', '土', '红', '绿', '蓝', '兰', '大', '小', '单', '双',
  '合单', '合双', '合大', '合小', '合数单', '合数双', '红单', '红双', '绿单', '绿双', '蓝单', '蓝双',
  '大单', '大双', '小单', '小双', '0头', '1头', '2头', '3头', '4头', '0尾', '5尾', '9尾',
  '1合', '7合', '10合', '13合', '一段', '七段', '期', '次', '码', '号：', '九：', '（共00码）',
  '共01次', '3次', '12次', '３次', '【', '】', '〖', '〗', '2006年', '01月29日', '０５', '１２', '号',
  '家禽', '野兽', '波', '半波', '段', '肖', '尾', '头', '行', '合',
];
const separators = [' ', ' ', ',', ',', '，', '、', '.', '。', '  ', '\t', ':', '：', '-', '/', ''];
const breaks = ['\r\n', '\r\n', '\n', '\r'];
const strangers = ['😀', 'ء', 'é', '\uE000', '€', '·', 'Ａ', '\u3000', 'ǹ', '\u00A0', '𠀀'];

// A small generator of its own (mulberry32), the same on every machine.
export function randomSource(seed) {
  let state = seed >>> 0;
  const next = () => {
    state = (state + 0x6d2b79f5) >>> 0;
    let t = state;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
  return {
    below: (n) => Math.floor(next() * n),
    pick(list) {
      return list[this.below(list.length)];
    },
  };
}

function piece(random) {
  const roll = random.below(100);
  if (roll < 45) return random.pick(words);
  if (roll < 85) {
    const number = random.below(roll < 80 ? 50 : 130);
    return roll % 3 === 0 ? String(number) : String(number).padStart(2, '0');
  }
  if (roll < 93) return random.pick(breaks);
  return random.pick(strangers);
}

export function randomText(random) {
  const pieces = random.below(10) === 0 ? 0 : 1 + random.below(120);
  let text = '';
  for (let i = 0; i < pieces; ++i) text += piece(random) + random.pick(separators);
  return text;
}

// One seed for every run unless TIPSTAT_SEED names another, so that two runs
// test the same texts; printed, and named in each test's title.
export const seed = Number(process.env.TIPSTAT_SEED ?? 314499);
console.log(`random tip texts from seed ${seed} (TIPSTAT_SEED=N for others)`);
