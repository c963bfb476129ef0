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

TopicRows topicRows(int bodyHeight, int rowCount)
{
    constexpr int kTop = 36; // below the column headings
    constexpr TopicRows kTwoLines{kTop, 32, 30};
    constexpr TopicRows kOneLine{kTop, 25, 20};
    return kTop + rowCount * kTwoLines.pitch <= bodyHeight ? kTwoLines : kOneLine;
}

} // namespace ReportLayout
