// The page's language and its words, from the same Qt Linguist files as the
// desktop's (converted to JSON at build time: tools/ts_to_json.py).

export const kSourceLanguage = 'en';

export class Words {
  // languages: code -> { context: { source: translation } }, without English.
  constructor(languages) {
    this.languages = languages;
    this.code = kSourceLanguage;
    this.table = {};
  }

  codes() {
    return [kSourceLanguage, ...Object.keys(this.languages).sort()];
  }

  // The first of the browser's languages that is shipped, else English.
  static choose(codes, preferred) {
    for (const tag of preferred) {
      const primary = String(tag).toLowerCase().split('-')[0];
      if (codes.includes(primary)) return primary;
    }
    return kSourceLanguage;
  }

  use(code) {
    this.code = this.codes().includes(code) ? code : kSourceLanguage;
    this.table = this.languages[this.code] ?? {};
  }

  // Every translation as [context, source, translation], for the core's words.
  triples() {
    const triples = [];
    for (const [context, messages] of Object.entries(this.table))
      for (const [source, translation] of Object.entries(messages)) triples.push([context, source, translation]);
    return triples;
  }

  tr(context, source) {
    return this.table[context]?.[source] ?? source;
  }

  // With %1, %2, ... replaced, as Qt's arg() does.
  format(context, source, ...args) {
    return this.tr(context, source).replace(/%(\d)/g, (all, n) => (args[n - 1] !== undefined ? String(args[n - 1]) : all));
  }

  // A menu or button caption as shown: the mnemonic marks taken out.
  caption(context, source) {
    return this.tr(context, source).replace(/&(&?)/g, '$1');
  }

  // A language's name in that language, for the chooser.
  static nameOf(code) {
    try {
      const name = new Intl.DisplayNames([code], { type: 'language' }).of(code);
      return name.charAt(0).toLocaleUpperCase(code) + name.slice(1);
    } catch {
      return code;
    }
  }

  number(value, decimals) {
    return new Intl.NumberFormat(this.code, { minimumFractionDigits: decimals, maximumFractionDigits: decimals })
      .format(value);
  }
}
