#pragma once
// Where the pupil's page size is kept: one record "#ZOM#>150" in "zoom.txt" beside the
// pupil's results files, so each pupil keeps their own size.

#include <QString>

namespace ZoomSetting {

// The file: "zoom.txt" in the results folder (the program folder when empty).
QString fileName();
QString filePath(const QString &resultsFolder = QString());

// The stored size in percent; 0 when there is none or it is not a number (the caller
// then uses 100 %).
int readZoom(const QString &resultsFolder = QString());
// Stores the size; 0 or the record writer's error number (the file is then unchanged).
int writeZoom(int percent, const QString &resultsFolder = QString());

} // namespace ZoomSetting
