#pragma once
// Where the Report panel's three section bars and the open section's body go.

namespace ReportLayout {

struct Sections
{
    int barTop[4] = {};   // tops of RCBar1..RCBar3 (index 1..3)
    int bodyTop = 0;      // the open section's body
    int bodyHeight = 0;
};

// open = txtReportPos: bars above the open section stay at the top, the ones below sit at
// the bottom, and the open body fills the space between. Any value but 1 and 2 opens 3.
Sections LayoutReportSections(int open, int innerHeight, int h1, int h2, int h3);

struct TopicRows
{
    int top = 0;    // of the first row, in the topical section's body
    int pitch = 0;  // from one row's top to the next
    int height = 0; // of a row
};

// The topical results' rows: two lines each, so a long topic name wraps and is read whole,
// while rowCount such rows fit in the body; one line each where they do not.
TopicRows topicRows(int bodyHeight, int rowCount);

} // namespace ReportLayout
