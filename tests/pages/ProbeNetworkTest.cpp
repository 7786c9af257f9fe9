// SPDX-License-Identifier: GPL-3.0-or-later
// The probe page: the text blocks byte for byte, their order, the guard on
// the pattern number, clearing and printing.

#include <QFontDatabase>
#include <QFontInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "HubFixture.h"
#include "ProbeNetwork.h"
#include "SystemTexts.h"
#include "UpDown.h"

namespace vantorelle {
namespace {

// A number as the page writes it under the system's locale ("+.73" or "+,73").
std::string L(std::string number)
{
    const std::string decimal = SystemNumberLocale().decimal;
    const auto point = number.find('.');
    if (point != std::string::npos)
        number.replace(point, 1, decimal);
    return number;
}

// Blocks of the AND network with weights 2, 2 and threshold -3 (sigmoid output).
std::string Block(const std::string& typed, const char* in1, const char* in2, const char* response,
                  const char* desired, const char* error)
{
    return "Pattern: " + typed + "\t" + L(in1) + "\t" + L(in2) + "\t\r\n" + "---------------\r\n" +
           "Response (A):\t" + L(response) + "\t\r\n" + "Desired  (D):\t" + L(desired) + "\t\r\n" +
           "Error  (D-A):\t" + L(error) + "\t\r\n" + "=============================================\r\n";
}
const std::string Pattern1 = Block("1", "+.00", "+.00", "+.05", "+.00", "-.05");
const std::string Pattern4 = Block("4", "+1.00", "+1.00", "+.73", "+1.00", "+.27");

class ProbeNetworkTest : public HubFixture {
protected:
    void SetUp() override
    {
        HubFixture::SetUp();
        trainByHand();
        page = open("ProbeNetwork");
        ASSERT_NE(page, nullptr);
    }

    std::string text() const { return static_cast<ProbeNetwork*>(page)->resultsText().toStdString(); }
    void probe(const QString& typed)
    {
        typeInto(page, "PatternBox", typed);
        press(page, "PatternOK");
    }
    void expectRefused(const QString& typed, const std::string& range)
    {
        ExpectedBox box;
        box.title = "Pattern Number";
        box.icon = BoxIcon::Exclamation;
        box.textContains = "Type a whole number from 1 to " + range + ".";
        dialogs.expect(box);
        probe(typed);
        dialogs.verifyDone();
    }

    ScrollPage* page = nullptr;
};

TEST_F(ProbeNetworkTest, OpensEmptyWithPatternOneAndTheSpinnerBoundToThePatterns)
{
    EXPECT_EQ(page->windowTitle(), QStringLiteral("Perceptron Program -- Probe Responses To Selected Patterns"));
    EXPECT_EQ(page->size(), QSize(710, 606));
    EXPECT_EQ(control<QLineEdit>(page, "PatternBox")->text(), QStringLiteral("1"));
    EXPECT_TRUE(text().empty());
    UpDown* spinner = control<UpDown>(page, "PatternUpDown");
    EXPECT_EQ(spinner->minimum(), 1);
    EXPECT_EQ(spinner->maximum(), 4);
    for (int i = 0; i < 5; ++i)
        spinner->stepUp();
    EXPECT_EQ(control<QLineEdit>(page, "PatternBox")->text(), QStringLiteral("4"));
    const QFont font = control<QPlainTextEdit>(page, "ResultsText")->font();
    EXPECT_EQ(font.family(), QStringLiteral("Courier"));
    EXPECT_DOUBLE_EQ(font.pointSizeF(), 9.75);
    // Courier's metric twin, not the system's default monospaced font.
    if (QFontDatabase::hasFamily(QStringLiteral("Liberation Mono"))) {
        EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("Liberation Mono"));
    }
    EXPECT_EQ(control<QPlainTextEdit>(page, "ResultsText")->lineWrapMode(), QPlainTextEdit::NoWrap);
}

TEST_F(ProbeNetworkTest, BlocksAreExactAndTheNewestStandsFirst)
{
    probe(QStringLiteral("4"));
    EXPECT_EQ(text(), Pattern4);
    probe(QStringLiteral("1"));
    EXPECT_EQ(text(), Pattern1 + Pattern4);
    press(page, "PatternOK");
    EXPECT_EQ(text(), Pattern1 + Pattern1 + Pattern4);
    // However the number was typed, the block names the pattern it probed.
    for (const char* typed : {" 4", "+4", "04", "4 ", "4e0"}) {
        probe(QString::fromLatin1(typed));
        EXPECT_EQ(text().substr(0, Pattern4.size()), Pattern4) << typed;
    }

    press(page, "ClearText");
    EXPECT_TRUE(text().empty());
    probe(QStringLiteral("4"));
    EXPECT_EQ(text(), Pattern4);
}

TEST_F(ProbeNetworkTest, PatternNumbersOutsideTheCurrentSetAreRefusedAndComputeNothing)
{
    net.OutputUnits[1].Activation = 99;
    for (const char* typed : {"abc", "", "0", "2.5", "5", "-1"})
        expectRefused(QString::fromLatin1(typed), "4");
    EXPECT_EQ(net.OutputUnits[1].Activation, 99);
    EXPECT_TRUE(text().empty());

    // A new file with fewer patterns, read while the page is open: the
    // spinner keeps its bound, the guard goes by the count there is now.
    NetworkState two;
    ASSERT_TRUE(ReadTrainingFile(two, VANTORELLE_EXAMPLES "/and.net").ok);
    two.NumPatterns = 2;
    AdoptTrainingData(net, two);
    EXPECT_EQ(control<UpDown>(page, "PatternUpDown")->maximum(), 4);
    expectRefused(QStringLiteral("3"), "2");
    probe(QStringLiteral("2"));
    EXPECT_EQ(text().substr(0, 10), "Pattern: 2");
}

TEST_F(ProbeNetworkTest, ANetworkNotBuiltForThePatternsIsNotProbed)
{
    // The load-file page read a file with three inputs; no network has been built for it yet.
    net.NumInputs = 3;
    dialogs.expect(ExpectedErrorReport("has not been built for the patterns of \"and.net\""));
    probe(QStringLiteral("1"));
    EXPECT_TRUE(text().empty());
}

TEST_F(ProbeNetworkTest, PrintsAnEmptyLineTheBoldHeadingAnEmptyLineAndTheText)
{
    probe(QStringLiteral("4"));
    probe(QStringLiteral("1"));
    press(page, "PrintResults");
    ASSERT_EQ(printer.documents.size(), 1u);
    const PrintDocument& printed = printer.documents.front();
    ASSERT_EQ(printed.items.size(), 3u + 12u);
    EXPECT_EQ(printed.items[0].text, QString());
    EXPECT_EQ(printed.items[1].text, QStringLiteral("Results Of Testing Distributed Memory On and.net"));
    EXPECT_EQ(printed.items[2].text, QString());
    for (std::size_t i = 0; i < printed.items.size(); ++i) {
        const QFont& font = printed.items[i].font;
        EXPECT_EQ(font.family(), QStringLiteral("Courier")) << i;
        EXPECT_DOUBLE_EQ(font.pointSizeF(), 10) << i;
        EXPECT_EQ(font.bold(), i == 1) << i;  // the one emphasised line
    }
    QString lines;
    for (std::size_t i = 3; i < printed.items.size(); ++i)
        lines += printed.items[i].text + QStringLiteral("\r\n");
    EXPECT_EQ(lines.toStdString(), Pattern1 + Pattern4);
    EXPECT_TRUE(printer.copied.empty());
}

}  // namespace
}  // namespace vantorelle
