// The shape every report file must keep, whatever the log held: CP866
// text with CR LF line ends, box-drawn tables whose lines all have the
// width of their top line, and between the tables only the lines the
// reports define (the busy chart, window titles, empty lines, the line
// marker and the signature lines).
#ifndef BRANTLOW_TESTS_E2E_REPORT_SHAPE_H_
#define BRANTLOW_TESTS_E2E_REPORT_SHAPE_H_

#include <string>
#include <string_view>
#include <vector>

namespace brantlow::e2e {

// "" when bytes are a well-formed report file; otherwise the first problem,
// with the number of the line where it stands.
std::string ReportShapeProblem(const std::string& bytes);

// The CP866 bytes of a UTF-8 text made of ASCII, Cyrillic letters and the
// box, block and marker characters that reports and logs use. A character
// outside that set becomes '?'.
std::string Cp866Of(std::string_view utf8);

// One box-drawn table found in a report: its column widths and the lines
// between its top and bottom frame lines (without line ends).
struct ShapeTable {
  std::vector<int> widths;
  std::vector<std::string> inner;
};

// The tables of a well-formed report, in file order.
std::vector<ShapeTable> ReportTables(const std::string& bytes);

}  // namespace brantlow::e2e

#endif  // BRANTLOW_TESTS_E2E_REPORT_SHAPE_H_
