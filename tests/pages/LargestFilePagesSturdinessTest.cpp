// SPDX-License-Identifier: GPL-3.0-or-later
// The probe and graph pages over the largest files allowed (32767 patterns
// of one output, 3276 patterns of 784 inputs and ten outputs), generated
// here: the last pattern is probed, the one after it refused, the full
// history graphed and printed, and each page still paints.

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "HubFixture.h"
#include "ProbeNetwork.h"
#include "Response.h"

namespace vantorelle {
namespace {

struct Largest {
    long outputs, inputs, patterns;
};

void PrintTo(const Largest& s, std::ostream* out)
{
    *out << s.patterns << " patterns, " << s.inputs << " inputs, " << s.outputs << " outputs";
}

class LargestFilePagesTest : public HubFixture, public ::testing::WithParamInterface<Largest> {
protected:
    void SetUp() override
    {
        HubFixture::SetUp();
        ASSERT_TRUE(folder.isValid());
        const Largest sizes = GetParam();
        const QString path = folder.filePath(QStringLiteral("largest.net"));
        {
            QFile out(path);
            ASSERT_TRUE(out.open(QIODevice::WriteOnly));
            QByteArray text = QByteArray::number(sizes.outputs) + ", 0, " + QByteArray::number(sizes.inputs) + ", " +
                              QByteArray::number(sizes.patterns) + "\n";
            for (long p = 1; p <= sizes.patterns; ++p)
                for (long i = 1; i <= sizes.inputs; ++i)
                    text += (p + i) % 3 == 0 ? "1 " : (p + i) % 3 == 1 ? "0.5 " : "0 ";
            for (long p = 1; p <= sizes.patterns; ++p)
                for (long k = 1; k <= sizes.outputs; ++k)
                    text += p % sizes.outputs + 1 == k ? "1 " : "0 ";
            ASSERT_EQ(out.write(text), text.size());
        }
        const ReadResult read = ReadTrainingFile(net, path.toStdString());
        ASSERT_TRUE(read.ok) << read.message;
        net.TrainingFileName = "largest.net";
        SizeUnitsAndWeights(net);
        SetDefaultSettings(net);
        for (long i = 1; i <= net.NumInputs; ++i)
            for (long k = 1; k <= net.NumOutputs; ++k)
                net.Weights(i, k) = 0.001 * static_cast<double>((i * 7 + k) % 11) - 0.005;
        for (long k = 1; k <= net.NumOutputs; ++k)
            net.OutputUnits[k].UnitType = UnitKind::IntDev;
        // A full history, as a long run leaves it.
        net.SSERecordCount = MaxHistoryRows;
        for (long r = 1; r <= MaxHistoryRows; ++r)
            net.SSEHistory[r] = {static_cast<double>(r * 10 - 10), 1000.0 / static_cast<double>(r)};
        net.EpochCount = MaxHistoryRows * 10;
        EvaluateTrainingSet(net);
    }

    QTemporaryDir folder;
};

TEST_P(LargestFilePagesTest, LastPatternProbedHistoryGraphedAndPrinted)
{
    const QString last = QString::number(GetParam().patterns);
    auto* probe = static_cast<ProbeNetwork*>(open("ProbeNetwork"));
    ASSERT_NE(probe, nullptr);
    typeInto(probe, "PatternBox", last);
    press(probe, "PatternOK");
    const QString text = probe->resultsText();
    EXPECT_TRUE(text.startsWith(QStringLiteral("Pattern: ") + last + QStringLiteral("\t"))) << text.left(80).toStdString();
    // Every input is shown, then the response of every output.
    EXPECT_EQ(text.section(QStringLiteral("\r\n"), 0, 0).count(QLatin1Char('\t')), GetParam().inputs + 1);
    EXPECT_EQ(text.count(QStringLiteral("Response (A):")), 1);
    EXPECT_FALSE(probe->grab().isNull());

    ExpectedBox refused;
    refused.title = "Pattern Number";
    refused.textContains = "Type a whole number from 1 to " + last.toStdString() + ".";
    refused.icon = BoxIcon::Exclamation;
    dialogs.expect(refused);
    typeInto(probe, "PatternBox", QString::number(GetParam().patterns + 1));
    press(probe, "PatternOK");
    dialogs.verifyDone();

    ScrollPage* graph = open("PlotSSEdata");
    ASSERT_NE(graph, nullptr);
    EXPECT_FALSE(graph->grab().isNull());
    press(graph, "PrintThisGraph");
    ASSERT_EQ(printer.documents.size(), 1u);
    ASSERT_EQ(printer.documents[0].items.size(), 1u);
    EXPECT_FALSE(printer.documents[0].items[0].picture.isNull());
}

INSTANTIATE_TEST_SUITE_P(Sizes, LargestFilePagesTest,
                         ::testing::Values(Largest{1, 2, 32767}, Largest{10, 784, 3276}));

}  // namespace
}  // namespace vantorelle
