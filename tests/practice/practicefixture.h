#pragma once
// Helpers shared by the practice tests: a fresh program folder with the blank results
// files, the selection of a real paper, right answers built from a paper's key, and
// file snapshots.

#include "app/catalogue.h"
#include "app/paperlookup.h"
#include "app/programfolder.h"
#include "results/resultsfiles.h"
#include "ui/practice/paperselection.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QScopedPointer>
#include <QTemporaryDir>

namespace PracticeFixture {

inline QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every file of the program folder (not its Graphics folder) with its content.
inline QMap<QString, QByteArray> snapshot()
{
    QMap<QString, QByteArray> files;
    const QDir dir(ProgramFolder::path());
    for (const QString &name : dir.entryList(QDir::Files))
        files.insert(name, readBytes(dir.filePath(name)));
    return files;
}

// Files of the program folder whose name starts with "temppaper".
inline QStringList pageFiles()
{
    return QDir(ProgramFolder::path()).entryList({QStringLiteral("temppaper*")}, QDir::Files);
}

// A new program folder holding the blank results files of every subject.
inline bool freshFolder(QScopedPointer<QTemporaryDir> &dir, Catalogue *catalogue)
{
    dir.reset(new QTemporaryDir);
    ProgramFolder::setPath(dir->path());
    return CatalogueReader::read(catalogue) == 0 && Results::WriteBlankResults(*catalogue) == 0;
}

// The selection of paper k (1..5) of topic t of subject s.
inline PaperSelection selection(const Catalogue &c, int s, int t, int k, int take = 1)
{
    PaperSelection sel;
    sel.LChose = s;
    sel.lblCOD = c.code;
    sel.TopicCount = 5 * (t - 1) + 1;
    sel.TtPapersCon = c.paperCount[s];
    sel.PaperNum = 100 + sel.TopicCount + k - 1;
    sel.TakeNum = take;
    sel.SubH1 = c.topicNames[s].value(t - 1);
    return sel;
}

// Alternatives of an "M" key or of the first key of a "G" group.
inline QStringList alternatives(const QString &key)
{
    QStringList alts = key.split(QLatin1Char(';'));
    alts.removeFirst();
    return alts;
}

// An answer per blank that earns the tick: the key, the first alternative of an "M" blank
// and, within a "G" group, the group's alternatives in order.
inline QStringList rightAnswers(const PaperData &paper)
{
    QStringList answers;
    QStringList group;
    int inGroup = 0;
    for (int i = 0; i < paper.totalBlanks; ++i) {
        const QString code = paper.answerCodes.at(i);
        const QString key = paper.answerKey.at(i);
        if (code == QLatin1String("G")) {
            if (key != QLatin1String(" ")) {
                group = alternatives(key);
                inGroup = 0;
            }
            answers.append(group.value(inGroup++));
        } else if (code == QLatin1String("M")) {
            answers.append(alternatives(key).value(0));
        } else {
            answers.append(key);
        }
    }
    return answers;
}

// What each practice test starts from: its own program folder, the catalogue read from it,
// and the first subject with papers.
struct PaperFolder
{
    QScopedPointer<QTemporaryDir> m_dir;
    Catalogue m_catalogue;
    int m_subject = 0;

    // A fresh folder (freshFolder) and its first subject; false when either is missing.
    bool prepareFolder()
    {
        if (!freshFolder(m_dir, &m_catalogue))
            return false;
        m_subject = m_catalogue.firstSubject();
        return m_subject > 0;
    }

    PaperSelection firstPaper(int take = 1) const
    {
        return selection(m_catalogue, m_subject, 1, 1, take);
    }
};

// A wrong answer for any code.
inline QString wrongAnswer()
{
    return QStringLiteral("zz9");
}

} // namespace PracticeFixture
