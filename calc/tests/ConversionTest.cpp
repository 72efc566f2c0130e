// The eleven unit conversions in both directions.
#include "calc/Format.h"
#include "calc/tests/Harness.h"

namespace calc::test {
namespace {

// Columns: button, direction, keys, readout, sentence.
TEST(Conversion, ReferenceVectors)
{
    const std::vector<Lines> rows = ReadVectors("conversion_vectors.txt");
    EXPECT_GT(rows.size(), 200u);
    for (const Lines& c : rows) {
        ASSERT_EQ(c.size(), 5u);
        SCOPED_TRACE(c[0] + " " + c[1] + " " + c[2]);
        Harness h;
        h.replay(c[1] + " " + c[2] + " " + c[0]);
        EXPECT_EQ(h.state().readoutText, c[3]);
        EXPECT_EQ(ResultText(h.state().firstOperand), c[3]);
        // The sentence goes below the reaction's words for the new readout.
        Harness words;
        words.engine.SetReadoutText("");
        words.engine.SetReadoutText(c[3]);
        Check(h, {.tape = Lines{}, .words = words.view.wordsCaption + "\r\n\r\n" + c[4]});
    }
}

INSTANTIATE_TEST_SUITE_P(
    Conversion, Sequence,
    ::testing::Values(
        Row{"LeavesEntryStateAlone",
            "5 + 1 0 0 0 | kg-lb",
            {.readout = "2,204.62",
             .lastInput = "NUMS",
             .pending = "+",
             .count = 1,
             .words = "Two Thousand, Two Hundred Four ( and 62/100's )\r\n\r\n"
                      "1000 Kilograms equals 2,204.62 Pounds",
             .effects = Lines{"compute", "readout"}}},
        // The result is the first operand; the readout is then the second.
        Row{"ResultIsBothOperands", "5 + 1 0 0 0 kg-lb =", {.tape = Lines{"2204.62 + 2204.62 = 4,409.24"}}},
        Row{"UnchangedReadoutAppendsSentence",
            "C 1 CE mm-in mm-in",
            {.readout = "0.",
             .words = "Zero\r\n\r\n0. Millimeters equals 0. Inches\r\n\r\n0. Millimeters equals 0. Inches"}},
        Row{"ChangedReadoutReplacesSentence",
            "1 0 mm-in cm-ft",
            {.readout = "0.0129166925",
             .words = "Zero ( and 01291/100,000's )\r\n\r\n0.3937007874 Centimeters equals 0.0129166925 Feet"}}),
    RowName);

}  // namespace
}  // namespace calc::test
