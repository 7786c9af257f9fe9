// SPDX-License-Identifier: GPL-3.0-or-later
// Lesson files as a teacher writes them: every lesson shipped reads and
// makes its sets; each kind of mistake is refused with a sentence naming the
// file and the place; the sets a lesson puts into the network are those the
// training-file reader would give.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <variant>

#include "Lesson.h"
#include "LessonData.h"
#include "SameSet.h"
#include "TrainingFile.h"

namespace vantorelle {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> ShippedLessons()
{
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(VANTORELLE_LESSONS))
        if (entry.path().extension() == ".json")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

std::string Problem(const std::string& text)
{
    auto read = ReadLesson(text, "bad.json", VANTORELLE_LESSONS);
    return std::holds_alternative<std::string>(read) ? std::get<std::string>(read) : std::string();
}

const char* const Minimal = R"({"lesson": 1, "title": "T", "data": {"generate": "and"},
                                "steps": [{"text": "Read this."}]})";

// the lessons shipped

TEST(LessonTest, EveryShippedLessonReadsAndMakesEverySetItNames)
{
    const auto files = ShippedLessons();
    ASSERT_GE(files.size(), 6u);
    for (const fs::path& file : files) {
        SCOPED_TRACE(file.filename().string());
        auto read = ReadLessonFile(file.string());
        ASSERT_TRUE(std::holds_alternative<Lesson>(read)) << std::get<std::string>(read);
        const Lesson& lesson = std::get<Lesson>(read);
        EXPECT_FALSE(lesson.title.empty());
        EXPECT_GE(lesson.steps.size(), 3u);
        std::vector<const LessonData*> data{&lesson.data};
        for (const LessonStep& step : lesson.steps)
            if (step.data)
                data.push_back(&*step.data);
        for (const LessonData* d : data) {
            auto sets = MakeLessonSets(*d, lesson.folder);
            ASSERT_TRUE(std::holds_alternative<LessonSets>(sets)) << std::get<std::string>(sets);
            NetworkState net;
            EXPECT_EQ(UseTrainingSet(net, std::get<LessonSets>(sets).training, std::get<LessonSets>(sets).name), "");
            EXPECT_GT(net.NumPatterns, 0);
        }
    }
}

TEST(LessonTest, ShippedLessonsCoverEveryActionBetweenThem)
{
    std::set<LessonAction> used;
    for (const fs::path& file : ShippedLessons()) {
        auto read = ReadLessonFile(file.string());
        ASSERT_TRUE(std::holds_alternative<Lesson>(read));
        for (const LessonStep& step : std::get<Lesson>(read).steps)
            used.insert(step.action);
    }
    for (LessonAction action : {LessonAction::StepPanel, LessonAction::Train, LessonAction::Decisions,
                                LessonAction::Weights, LessonAction::ErrorCurve, LessonAction::TestHeldOut})
        EXPECT_TRUE(used.count(action)) << LessonActionName(action);
}

// mistakes a teacher can make

TEST(LessonTest, EachKindOfMistakeIsNamedWithTheFileAndItsPlace)
{
    ASSERT_EQ(Problem(Minimal), "");
    const struct {
        const char* text;
        const char* says;
    } cases[] = {
        {R"({"lesson": 1, "title": "T",)", "is not valid JSON"},
        {R"([1, 2])", "must be an object"},
        {R"({"title": "T", "data": {"generate": "and"}, "steps": [{"text": "x"}]})", "\"lesson\": 1"},
        {R"({"lesson": 2, "title": "T", "data": {"generate": "and"}, "steps": [{"text": "x"}]})", "lesson format 2"},
        {R"({"lesson": 1, "data": {"generate": "and"}, "steps": [{"text": "x"}]})", "has no \"title\""},
        {R"({"lesson": 1, "title": "T", "steps": [{"text": "x"}]})", "has no \"data\""},
        {R"({"lesson": 1, "title": "T", "data": {"generate": "and"}, "steps": []})", "has no \"steps\""},
        {R"({"lesson": 1, "title": "T", "data": {"generate": "and"}, "steps": [{"text": "x"}, {"txt": "y"}]})",
         "step 2 has no \"text\""},
        {R"({"lesson": 1, "title": "T", "data": {"generate": "and"}, "steps": [{"text": "x", "quesiton": "q"}]})",
         "step 1 has a field \"quesiton\" that lessons do not know"},
        {R"({"lesson": 1, "title": "T", "data": {"generate": "and"}, "steps": [{"text": "x", "question": "q"}]})",
         "step 1 has a question but no answer"},
        {R"({"lesson": 1, "title": "T", "data": {"generate": "and"}, "settings": {"rule": "Hebb"}, "steps": [{"text": "x"}]})",
         "\"settings\" has \"rule\" \"Hebb\"; it must be Delta, Gradient or Tarvik"},
        {R"({"lesson": 1, "title": "T", "data": {"generate": "and"}, "settings": {"epochs": 2.5}, "steps": [{"text": "x"}]})",
         "\"epochs\" that is not a whole number"},
        {R"({"lesson": 1, "title": "T", "data": {"generate": "and"}, "settings": {"rate": "fast"}, "steps": [{"text": "x"}]})",
         "\"rate\" that is not a number"},
        {R"({"lesson": 1, "title": "T", "data": {"generate": "and", "file": "and.net"}, "steps": [{"text": "x"}]})",
         "either \"file\" or \"generate\""},
        {R"({"lesson": 1, "title": "T", "data": {"generate": "spirals"}, "steps": [{"text": "x"}]})",
         "\"generate\" \"spirals\""},
        {R"({"lesson": 1, "title": "T", "data": {"generate": "letters", "letters": "a1"}, "steps": [{"text": "x"}]})",
         "cannot be made"},
        {R"({"lesson": 1, "title": "T", "data": {"generate": "and"}, "steps": [{"text": "x", "action": "dance"}]})",
         "\"action\" \"dance\"; it must be one of stepPanel, train"},
        {R"({"lesson": 1, "title": "T", "data": {"generate": "and"}, "steps": [{"text": "x", "actionLabel": "Go"}]})",
         "an \"actionLabel\" but no \"action\""},
        {R"({"lesson": 1, "title": "T", "data": {"generate": "and"}, "steps": [{"text": "x", "action": "testHeldOut"}]})",
         "holds none out"},
        {R"({"lesson": 1, "title": "T", "data": {"generate": "and"}, "steps": [{"text": "x", "data": {"generate": "or", "seed": -1}}]})",
         "the \"data\" of step 1 has \"seed\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const std::string problem = Problem(c.text);
        EXPECT_EQ(problem.rfind("The lesson file \"bad.json\"", 0), 0u) << problem;
        EXPECT_NE(problem.find(c.says), std::string::npos) << problem;
        EXPECT_EQ(problem.back(), '.') << problem;
    }
}

TEST(LessonTest, AFileThatCannotBeReadOrATrainingFileThatIsMissingIsNamed)
{
    auto read = ReadLessonFile("/nonexistent/folder/gone.json");
    ASSERT_TRUE(std::holds_alternative<std::string>(read));
    EXPECT_EQ(std::get<std::string>(read), "The lesson file \"gone.json\" cannot be read.");

    LessonData data;
    data.file = "no-such-file.net";
    auto sets = MakeLessonSets(data, VANTORELLE_LESSONS);
    ASSERT_TRUE(std::holds_alternative<std::string>(sets));
    EXPECT_NE(std::get<std::string>(sets).find("no-such-file.net"), std::string::npos);
}

// the sets a lesson puts in place

TEST(LessonTest, AGeneratedSetEntersTheNetworkAsTheExampleFileWithTheSameName)
{
    LessonData generated;
    generated.source = LessonData::Source::Logic;
    generated.logic = LogicFunction::Xor;
    auto sets = MakeLessonSets(generated, ".");
    ASSERT_TRUE(std::holds_alternative<LessonSets>(sets));
    NetworkState fromLesson;
    ASSERT_EQ(UseTrainingSet(fromLesson, std::get<LessonSets>(sets).training, "XOR"), "");
    EXPECT_TRUE(fromLesson.FreshStart);
    EXPECT_EQ(fromLesson.TrainingFileName, "XOR");

    NetworkState fromFile;
    ASSERT_TRUE(ReadTrainingFile(fromFile, std::string(VANTORELLE_EXAMPLES) + "/xor.net").ok);
    testing::ExpectSameSet(SetOf(fromLesson), SetOf(fromFile));
    EXPECT_EQ(fromLesson.NumResponses, fromFile.NumResponses);
}

TEST(LessonTest, HeldOutPatternsArePartOfTheSameSetAndTestTheTrainedWeights)
{
    LessonData data;
    data.source = LessonData::Source::Clouds;
    data.clouds.perClass = 20;
    data.heldOutPercent = 30;
    data.seed = 9;
    auto first = MakeLessonSets(data, ".");
    auto again = MakeLessonSets(data, ".");
    ASSERT_TRUE(std::holds_alternative<LessonSets>(first));
    const LessonSets& sets = std::get<LessonSets>(first);
    EXPECT_EQ(sets.training.NumPatterns(), 28);
    EXPECT_EQ(sets.heldOut.NumPatterns(), 12);
    // The seed makes every student's split the same.
    testing::ExpectSameSet(std::get<LessonSets>(again).heldOut, sets.heldOut);

    NetworkState net;
    ASSERT_EQ(UseTrainingSet(net, sets.training, sets.name), "");
    SizeUnitsAndWeights(net);
    net.Weights(1, 1) = 0.25;
    net.EpochCount = 7;
    ASSERT_TRUE(UseTestSet(net, sets.heldOut, "held out"));
    EXPECT_EQ(net.NumPatterns, 12);
    EXPECT_EQ(net.Weights(1, 1), 0.25);  // the weights stay
    EXPECT_FALSE(net.FreshStart);

    LessonData letters;
    letters.source = LessonData::Source::Letters;
    letters.letters.letters = "AB";
    auto other = MakeLessonSets(letters, ".");
    EXPECT_FALSE(UseTestSet(net, std::get<LessonSets>(other).training, "letters"));
    EXPECT_EQ(net.NumPatterns, 12);  // refused: nothing changed

    data.heldOutPercent = 1;  // 1% of 40 rounds to no pattern at all
    auto none = MakeLessonSets(data, ".");
    ASSERT_TRUE(std::holds_alternative<std::string>(none));
    EXPECT_NE(std::get<std::string>(none).find("one part empty"), std::string::npos);
}

TEST(LessonTest, AStepsSettingsOverrideOnlyWhatTheyName)
{
    LessonSettings lesson;
    lesson.rule = RuleKind::Gradient;
    lesson.rate = 0.01;
    lesson.seed = 3;
    LessonSettings step;
    step.rate = 5;
    step.freezeThresholds = true;
    const LessonSettings merged = lesson.overriddenBy(step);
    EXPECT_EQ(merged.rule, RuleKind::Gradient);
    EXPECT_EQ(merged.rate, 5);
    EXPECT_EQ(merged.seed, 3u);
    EXPECT_EQ(merged.freezeThresholds, true);
    EXPECT_FALSE(merged.epochs.has_value());
    EXPECT_TRUE(LessonSettings{}.empty());
    EXPECT_FALSE(step.empty());
}

}  // namespace
}  // namespace vantorelle
