#include "results/zoomsetting.h"

#include "app/programfolder.h"
#include "records/recordfile.h"

namespace ZoomSetting {

namespace {
const QString kKey = QStringLiteral("ZOM"); // the readers take keys of three letters
}

QString fileName()
{
    return QStringLiteral("zoom.txt");
}

QString filePath(const QString &resultsFolder)
{
    const QString name = fileName();
    return resultsFolder.isEmpty() ? ProgramFolder::filePath(name)
                                   : resultsFolder + QLatin1Char('/') + name;
}

int readZoom(const QString &resultsFolder)
{
    const Records::Fields values =
        Records::ReadRecordFields(filePath(resultsFolder), kKey, 1, Records::Cap10);
    bool ok = false;
    const int percent = values.value(1).trimmed().toInt(&ok);
    return ok && percent > 0 ? percent : 0;
}

int writeZoom(int percent, const QString &resultsFolder)
{
    Records::Fields values(Records::Cap10 + 1);
    values[1] = QString::number(percent);
    return Records::WriteRecordLines({Records::BuildRecordLine(kKey, values, 1)},
                                     filePath(resultsFolder));
}

} // namespace ZoomSetting
