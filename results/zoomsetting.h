#pragma once
// Where the pupil's page size is kept: one record "#ZOM#>150" in "zoom.txt" of the data
// folder (the folder of the results files). The whole program reads and writes it through
// these two functions, so keeping it per pupil later means changing only them.

#include <QString>

namespace ZoomSetting {

// The file: the data folder's "zoom.txt".
QString filePath();

// The stored size in percent; 0 when there is none or it is not a number (the caller
// then uses 100 %).
int readZoom();
// Stores the size; 0 or the record writer's error number (the file is then unchanged).
int writeZoom(int percent);

} // namespace ZoomSetting
