#include "app/DisplayBox.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMimeData>
#include <QTextBlock>
#include <QTextLayout>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace app {
namespace {

std::string grouped(std::size_t digits)
{
    std::string s;
    for (std::size_t i = 0; i < digits; ++i) {
        if (i > 0 && (digits - i) % 3 == 0)
            s += ',';
        s += static_cast<char>('0' + (i * 7 + 3) % 10);
    }
    return s + ".";
}

std::string fraction(std::size_t digits) { return "-3." + std::string(digits, '1'); }

TEST(PackLine, PiecesFitAndJoinToTheLine)
{
    const QFont font("Sans", 14, QFont::Bold);
    const QFontMetrics fm(font);
    const int width = 300;
    const QString rows[] = {
        QString::fromStdString(grouped(5000)),
        QString::fromStdString(fraction(5000)),
        QString::fromStdString("1000000 Factorial = " + grouped(3000)),
        QString::fromStdString(std::string(3000, '4') + " X 2 = " + grouped(3000)),
        "short",
    };
    for (const QString& line : rows) {
        const QStringList pieces = PackLine(line, font, width);
        EXPECT_EQ(pieces.join(QString()), line);
        int total = 0;
        for (const QString& p : pieces) {
            EXPECT_FALSE(p.isEmpty());
            EXPECT_LE(fm.horizontalAdvance(p), width) << p.toStdString();
            total += fm.horizontalAdvance(p);
        }
        // No piece is cut far shorter than it could be: one unit (at most
        // five characters) per line is all the slack there is.
        const int slack = fm.horizontalAdvance("00000");
        EXPECT_LE(pieces.size(), total / (width - slack) + 1) << line.left(30).toStdString();
    }
}

class Boxes : public ::testing::Test {
protected:
    void SetUp() override
    {
        box = std::make_unique<DisplayBox>(nullptr, Qt::AlignRight, QTextOption::WrapAtWordBoundaryOrAnywhere);
        box->setBreakAfterCommas(true);
        box->resize(600, 60);
        box->show();
        tape = std::make_unique<TapeBox>();
        tape->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        tape->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        tape->resize(240, 300);
        tape->show();
        QApplication::processEvents();
    }
    static QString copied(QPlainTextEdit& b)
    {
        b.selectAll();
        struct Open : QPlainTextEdit {
            using QPlainTextEdit::createMimeDataFromSelection;
        };
        std::unique_ptr<QMimeData> data(static_cast<Open&>(b).createMimeDataFromSelection());
        return data->text();
    }
    // Every laid-out block of b fits on one line of the box.
    static void expectOneLinePerBlock(QPlainTextEdit& b, int blocks)
    {
        QTextBlock block = b.document()->firstBlock();
        for (int i = 0; i < blocks && block.isValid(); ++i, block = block.next()) {
            if (block.layout() && block.layout()->lineCount() > 0) {
                EXPECT_EQ(block.layout()->lineCount(), 1) << "block " << i << ": " << block.text().toStdString();
            }
        }
    }
    std::unique_ptr<DisplayBox> box;
    std::unique_ptr<TapeBox> tape;
};

TEST_F(Boxes, LongNumbersAreCutIntoLinesThatReadAndCopyAsTheNumber)
{
    for (const std::string& n : {grouped(100'000), fraction(50'000), grouped(12)}) {
        const QString q = QString::fromStdString(n);
        box->setDisplayText(n);
        QApplication::processEvents();
        EXPECT_EQ(box->displayText(), q);
        EXPECT_EQ(copied(*box), q);
        EXPECT_EQ(box->document()->blockCount() > 1, q.size() > kPackFrom) << q.size();
        expectOneLinePerBlock(*box, 5);
    }
    // Words with their CR LF line breaks come back as set, one line each.
    box->setBreakAfterCommas(false);
    box->setDisplayText("Twelve\r\n    ---  This could take a while!  ---");
    EXPECT_EQ(box->document()->blockCount(), 2);
    EXPECT_EQ(box->displayText(), "Twelve\n    ---  This could take a while!  ---");
}

TEST_F(Boxes, TapeKeepsItsLinesNewestFirst)
{
    const QString longLine = QString::fromStdString("100000 Factorial = " + grouped(456'574));
    tape->prependLine("12 X 3 = 36.");
    EXPECT_EQ(tape->toPlainText(), "12 X 3 = 36.\n\n");
    tape->prependLine(longLine);
    tape->prependLine("2 + 2 = 4.");
    const QString all = "2 + 2 = 4.\n\n" + longLine + "\n\n12 X 3 = 36.\n\n";
    EXPECT_EQ(tape->displayText(), all);
    EXPECT_EQ(copied(*tape), all);
    EXPECT_GT(tape->document()->blockCount(), 1000);
    expectOneLinePerBlock(*tape, 20);
}

}  // namespace
}  // namespace app
