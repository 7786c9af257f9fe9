// SPDX-License-Identifier: GPL-3.0-or-later
// A training file and its held-out test file are written together or not
// at all: a failure on either leaves both earlier files and no stray file.

#include <gtest/gtest.h>

#include <cerrno>

#include "ReportTestSupport.h"
#include "SetGenerators.h"
#include "TrainingFile.h"
#include "TrainingSetFiles.h"

namespace vantorelle::testing {

namespace {

void WriteText(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

}  // namespace

class TrainingSetFilesTest : public ::testing::Test {
protected:
    ScratchFolder folder;
    const TrainingSet kept = LogicSet(LogicFunction::Xor, 3);
    const TrainingSet heldOut = LogicSet(LogicFunction::And, 2);
    std::vector<TrainingSetFile> both() const
    {
        return {{folder.Path("train.net"), &kept}, {folder.Path("train-test.net"), &heldOut}};
    }
};

TEST_F(TrainingSetFilesTest, BothFilesAreWrittenAsTheReaderReadsThem)
{
    ASSERT_FALSE(WriteTrainingSetFiles(both()));
    for (const auto& [name, set] : {std::pair{"train.net", &kept}, std::pair{"train-test.net", &heldOut}}) {
        NetworkState read;
        ASSERT_TRUE(ReadTrainingFile(read, folder.Path(name)).ok);
        EXPECT_EQ(ReadBytes(folder.Path(name)), TrainingFileText(*set));
    }
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"train-test.net", "train.net"}));
}

TEST_F(TrainingSetFilesTest, AFailureOnTheSecondFileLeavesTheEarlierFilesOfBothNames)
{
    WriteText(folder.Path("train.net"), "earlier training file");
    WriteText(folder.Path("train-test.net"), "earlier test file");
    for (int failingWrite : {0, 1}) {
        FaultyFiles files;
        files.writeError = ENOSPC;
        files.writesBeforeFailure = failingWrite;
        std::vector<TrainingSetFile> targets = both();
        for (TrainingSetFile& target : targets)
            target.files = &files;
        const std::optional<SetFileFailure> failure = WriteTrainingSetFiles(targets);
        ASSERT_TRUE(failure);
        EXPECT_EQ(failure->file, static_cast<std::size_t>(failingWrite));
        EXPECT_EQ(failure->error, ENOSPC);
        const std::string message = SetFileFailureMessage(targets, *failure);
        const std::string failed = failingWrite == 0 ? "train.net" : "train-test.net";
        EXPECT_NE(message.find("could not be saved as \"" + folder.Path(failed) + "\""), std::string::npos) << message;
        EXPECT_NE(message.find("No file has been changed."), std::string::npos) << message;
        EXPECT_EQ(ReadBytes(folder.Path("train.net")), "earlier training file");
        EXPECT_EQ(ReadBytes(folder.Path("train-test.net")), "earlier test file");
        EXPECT_EQ(folder.Names(), (std::vector<std::string>{"train-test.net", "train.net"}));
    }
}

}  // namespace vantorelle::testing
