#include "ui/main/reportlayout.h"

namespace ReportLayout {

Sections LayoutReportSections(int open, int S, int h1, int h2, int h3)
{
    Sections s;
    s.barTop[1] = 0;
    s.bodyHeight = S - h1 - h2 - h3;
    if (open == 1) {
        s.barTop[3] = S - h3;
        s.barTop[2] = s.barTop[3] - h2;
        s.bodyTop = h1;
    } else if (open == 2) {
        s.barTop[2] = h1;
        s.barTop[3] = S - h3;
        s.bodyTop = h1 + h2;
    } else {
        s.barTop[2] = h1;
        s.barTop[3] = h1 + h2;
        s.bodyTop = h1 + h2 + h3;
    }
    return s;
}

} // namespace ReportLayout
