#pragma once
// What "Read aloud" says for a question page: the page is walked in reading order by
// walkScript() in the shown view, and spokenText() turns that walk into the words spoken.

#include <QJsonArray>
#include <QString>

class ReadAloudText
{
public:
    // JavaScript run on the shown page; returns a JSON array of {kind, text, number} in
    // document order, kind being "text", "option", "blank", "gap", "picture" or "break"
    // (the end of a paragraph).
    static QString walkScript();
    // The spoken text: plain text as shown, options with their numbers, blanks with their
    // labels, pictures by their description; one sentence a line.
    static QString spokenText(const QJsonArray &walk);
};
