#include "ui/practice/readaloudtext.h"

#include <QJsonObject>
#include <QStringList>

namespace {

QString simplified(const QString &text)
{
    return text.simplified();
}

// A spoken line ends in a stop so that the engine pauses between them.
QString sentence(const QString &text)
{
    if (text.isEmpty())
        return text;
    const QChar last = text.back();
    if (last == QLatin1Char('.') || last == QLatin1Char('?') || last == QLatin1Char('!')
        || last == QLatin1Char(':'))
        return text;
    return text + QLatin1Char('.');
}

} // namespace

QString ReadAloudText::walkScript()
{
    return QStringLiteral(R"JS((function () {
  var out = [];
  var blanks = 0;
  function labelOf(input) {
    if (input.getAttribute('aria-label')) return input.getAttribute('aria-label');
    if (input.id) {
      var l = document.querySelector('label[for="' + input.id + '"]');
      if (l) return l.textContent;
    }
    return input.getAttribute('placeholder') || input.getAttribute('title') || '';
  }
  function visible(el) {
    var s = window.getComputedStyle(el);
    return s.display !== 'none' && s.visibility !== 'hidden';
  }
  function walk(node) {
    if (node.nodeType === 3) {
      var t = node.textContent.replace(/\s+/g, ' ').trim();
      if (t) out.push({kind: 'text', text: t});
      return;
    }
    if (node.nodeType !== 1 || !visible(node)) return;
    var tag = node.tagName.toLowerCase();
    if (tag === 'script' || tag === 'style' || tag === 'label') return;
    if (tag === 'img') {
      out.push({kind: 'picture', text: node.getAttribute('alt') || ''});
      return;
    }
    var cls = ' ' + (node.getAttribute('class') || '') + ' ';
    if (cls.indexOf(' ans ') >= 0 && node.getAttribute('data-b')) {
      var lbl = node.querySelector('.lbl');
      out.push({kind: 'blank', text: lbl ? lbl.textContent : '',
                number: parseInt(node.getAttribute('data-b'), 10)});
      return;
    }
    if (cls.indexOf(' line ') >= 0) {
      out.push({kind: 'gap', text: ''});
      return;
    }
    if (tag === 'input' || tag === 'select' || tag === 'textarea') {
      blanks += 1;
      out.push({kind: 'blank', text: labelOf(node), number: blanks});
      return;
    }
    if (tag === 'li' && node.parentElement
        && node.parentElement.tagName.toLowerCase() === 'ol') {
      var items = Array.prototype.filter.call(node.parentElement.children, function (c) {
        return c.tagName.toLowerCase() === 'li';
      });
      var start = parseInt(node.parentElement.getAttribute('start') || '1', 10);
      out.push({kind: 'option', text: node.innerText.replace(/\s+/g, ' ').trim(),
                number: start + items.indexOf(node)});
      return;
    }
    for (var c = node.firstChild; c; c = c.nextSibling) walk(c);
    if (/^(p|div|h[1-6]|tr|ul|ol|table|br)$/.test(tag)) out.push({kind: 'break', text: ''});
  }
  if (document.body) walk(document.body);
  return JSON.stringify(out);
})())JS");
}

QString ReadAloudText::spokenText(const QJsonArray &walk)
{
    QStringList lines;
    QString running; // text runs that belong to one sentence, as around a blank
    const auto flush = [&] {
        if (!running.isEmpty())
            lines.append(sentence(running));
        running.clear();
    };
    for (const QJsonValue &value : walk) {
        const QJsonObject item = value.toObject();
        const QString kind = item.value(QLatin1String("kind")).toString();
        const QString text = simplified(item.value(QLatin1String("text")).toString());
        const int number = item.value(QLatin1String("number")).toInt();
        if (kind == QLatin1String("text")) {
            running = running.isEmpty() ? text : running + QLatin1Char(' ') + text;
        } else if (kind == QLatin1String("blank")) {
            // A blank is read where it stands in the sentence.
            QString said = QStringLiteral("blank %1").arg(number);
            if (!text.isEmpty())
                said = text + QLatin1Char(' ') + said;
            running = running.isEmpty() ? said : running + QLatin1Char(' ') + said;
        } else if (kind == QLatin1String("break")) {
            flush();
        } else if (kind == QLatin1String("gap")) {
            // The gap in a sentence that an answer fills.
            running = running.isEmpty() ? QStringLiteral("blank")
                                        : running + QStringLiteral(" blank");
        } else if (kind == QLatin1String("option")) {
            flush();
            // Pages that number their options in the text say the number once.
            QString option = text;
            const QString shownNumber = QStringLiteral("(%1)").arg(number);
            if (option.startsWith(shownNumber))
                option = option.mid(shownNumber.size()).trimmed();
            lines.append(sentence(QStringLiteral("Option %1: %2").arg(number).arg(option)));
        } else if (kind == QLatin1String("picture")) {
            flush();
            lines.append(text.isEmpty() ? QStringLiteral("A picture.")
                                        : sentence(QStringLiteral("Picture: ") + text));
        }
    }
    flush();
    return lines.join(QLatin1Char('\n'));
}
