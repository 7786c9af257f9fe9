// SPDX-License-Identifier: GPL-3.0-or-later
// Lessons in other languages: every shipped lesson has a German and a
// Spanish copy that is the same exercise (compared here on the files
// themselves, every text blanked, so the comparison does not lean on the
// reader's own); a copy that drifts from its original is refused with the
// difference named, and the original is read in its place.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <variant>

#include "Lesson.h"
#include "LessonData.h"

namespace vantorelle {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

const char* const Languages[] = {"de", "es"};

std::vector<fs::path> FilesIn(const fs::path& folder)
{
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.is_regular_file() && entry.path().extension() == ".json")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

json ReadJson(const fs::path& path)
{
    std::ifstream in(path);
    return json::parse(in);
}

// The file with every text a translator writes emptied: what is left is the exercise.
json Exercise(json lesson)
{
    auto blank = [](json& object, std::initializer_list<const char*> keys) {
        for (const char* key : keys)
            if (object.contains(key))
                object[key] = "";
    };
    blank(lesson, {"title", "summary"});
    blank(lesson["data"], {"name"});
    for (json& step : lesson["steps"]) {
        blank(step, {"text", "question", "answer", "actionLabel"});
        if (step.contains("data"))
            blank(step["data"], {"name"});
    }
    return lesson;
}

// the translations shipped

TEST(LessonTranslationTest, EveryShippedLessonHasACopyInEachLanguageThatIsTheSameExerciseInItsWords)
{
    const auto originals = FilesIn(VANTORELLE_LESSONS);
    ASSERT_GE(originals.size(), 8u);
    for (const char* language : Languages) {
        for (const fs::path& original : originals) {
            const fs::path copy = fs::path(VANTORELLE_LESSONS) / language / original.filename();
            SCOPED_TRACE(copy.string());
            ASSERT_TRUE(fs::exists(copy));
            const json english = ReadJson(original);
            const json translated = ReadJson(copy);
            EXPECT_EQ(Exercise(translated), Exercise(english));

            // Translated, not copied: every text the student reads is in the other language.
            EXPECT_NE(translated["title"], english["title"]);
            EXPECT_NE(translated["summary"], english["summary"]);
            for (std::size_t i = 0; i < english["steps"].size(); ++i) {
                const json& a = english["steps"][i];
                const json& b = translated["steps"][i];
                EXPECT_NE(b["text"], a["text"]) << "step " << i + 1;
                if (a.contains("question")) {
                    EXPECT_NE(b["question"], a["question"]) << "step " << i + 1;
                    EXPECT_NE(b["answer"], a["answer"]) << "step " << i + 1;
                }
            }

            // The page takes the copy, and its training files are still found.
            const LessonInLanguage in = ReadLessonIn(original.string(), language);
            EXPECT_TRUE(in.translated);
            EXPECT_EQ(in.translationProblem, "");
            ASSERT_TRUE(std::holds_alternative<Lesson>(in.lesson));
            const Lesson& lesson = std::get<Lesson>(in.lesson);
            EXPECT_EQ(lesson.title, translated["title"].get<std::string>());
            auto sets = MakeLessonSets(lesson.data, lesson.folder);
            EXPECT_TRUE(std::holds_alternative<LessonSets>(sets)) << std::get<std::string>(sets);
        }
        // No copy without an original: the list is made from the originals.
        for (const fs::path& copy : FilesIn(fs::path(VANTORELLE_LESSONS) / language))
            EXPECT_TRUE(fs::exists(fs::path(VANTORELLE_LESSONS) / copy.filename())) << copy;
    }
}

// copies that drift

const char* const Original = R"({"lesson": 1, "title": "T", "data": {"generate": "and", "name": "AND"},
    "settings": {"rule": "Delta", "rate": 0.5},
    "steps": [{"text": "Read."},
              {"text": "Train.", "question": "Q?", "answer": "A.", "action": "train", "settings": {"rate": 2}},
              {"text": "Now OR.", "data": {"generate": "or"}, "action": "decisions", "actionLabel": "Look"}]})";

Lesson Read(const std::string& text)
{
    auto read = ReadLesson(text, "x.json", ".");
    EXPECT_TRUE(std::holds_alternative<Lesson>(read)) << std::get<std::string>(read);
    return std::holds_alternative<Lesson>(read) ? std::get<Lesson>(read) : Lesson{};
}

std::string Changed(const std::string& from, const std::string& to)
{
    std::string text = Original;
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
}

TEST(LessonTranslationTest, ACopyDifferingInAnythingButItsWordsIsRefusedWithTheDifferenceNamed)
{
    const Lesson original = Read(Original);
    // Other words, another name for the set: the same exercise.
    std::string words = Changed(R"("title": "T")", R"("title": "Titel")");
    words = words.replace(words.find("\"AND\""), 5, "\"UND\"");
    words = words.replace(words.find("\"Q?\""), 4, "\"Frage?\"");
    words = words.replace(words.find("\"Look\""), 6, "\"Ansehen\"");
    EXPECT_EQ(TranslationProblem(original, Read(words), "de/x.json"), "");

    const struct {
        std::string copy;
        const char* says;
    } cases[] = {
        {Changed(R"("generate": "and")", R"("generate": "or")"), "another training set in \"data\""},
        {Changed(R"("generate": "and")", R"("generate": "and", "seed": 2)"), "another training set in \"data\""},
        {Changed(R"("rate": 0.5})", R"("rate": 0.25})"), "other \"settings\""},
        {Changed(R"({"text": "Read."},)", ""), "has 2 steps; the original has 3"},
        {Changed(R"("settings": {"rate": 2})", R"("settings": {"rate": 2, "seed": 4})"), "step 2 other settings"},
        {Changed(R"("action": "train")", R"("action": "weights")"), "step 2 another action"},
        {Changed(R"("question": "Q?", "answer": "A.", )", ""), "step 2 no question"},
        {Changed(R"({"text": "Read."})", R"({"text": "Read.", "question": "Q?", "answer": "A."})"),
         "step 1 a question the original does not ask"},
        {Changed(R"("data": {"generate": "or"})", R"("data": {"generate": "xor"})"), "step 3 another training set"},
        {Changed(R"(, "actionLabel": "Look")", ""), "step 3 no \"actionLabel\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.copy);
        const std::string problem = TranslationProblem(original, Read(c.copy), "de/x.json");
        EXPECT_EQ(problem.rfind("The translated lesson file \"de/x.json\" ", 0), 0u) << problem;
        EXPECT_NE(problem.find(c.says), std::string::npos) << problem;
    }
}

class LessonFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path() /
                 ("lesson-translation-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder / "de");
        write("x.json", Original);
    }
    void TearDown() override { fs::remove_all(folder); }
    void write(const std::string& name, const std::string& text) { std::ofstream(folder / name) << text; }
    LessonInLanguage read(const char* language) { return ReadLessonIn((folder / "x.json").string(), language); }

    fs::path folder;
};

TEST_F(LessonFolder, AFaultyOrDriftingCopyGivesWayToTheOriginalAndSaysWhy)
{
    write("de/x.json", Changed(R"("title": "T",)", R"("title": "Titel", "sumary": "",)"));
    LessonInLanguage in = read("de");
    EXPECT_FALSE(in.translated);
    EXPECT_NE(in.translationProblem.find("The lesson file \"de/x.json\" has a field \"sumary\""), std::string::npos)
        << in.translationProblem;
    ASSERT_TRUE(std::holds_alternative<Lesson>(in.lesson));
    EXPECT_EQ(std::get<Lesson>(in.lesson).title, "T");

    write("de/x.json", Changed(R"("action": "train")", R"("action": "weights")"));
    in = read("de");
    EXPECT_FALSE(in.translated);
    EXPECT_NE(in.translationProblem.find("another action"), std::string::npos) << in.translationProblem;
    EXPECT_EQ(std::get<Lesson>(in.lesson).title, "T");
}

TEST_F(LessonFolder, ACopyFindsItsTrainingFileWhereTheOriginalDoes)
{
    fs::copy_file(fs::path(VANTORELLE_EXAMPLES) / "and.net", folder / "and.net");
    write("x.json", Changed(R"("generate": "and")", R"("file": "and.net")"));
    write("de/x.json", Changed(R"("generate": "and", "name": "AND")", R"("file": "and.net", "name": "UND")"));
    const LessonInLanguage in = read("de");
    ASSERT_TRUE(in.translated) << in.translationProblem;
    const Lesson& lesson = std::get<Lesson>(in.lesson);
    auto sets = MakeLessonSets(lesson.data, lesson.folder);
    ASSERT_TRUE(std::holds_alternative<LessonSets>(sets)) << std::get<std::string>(sets);
    EXPECT_EQ(std::get<LessonSets>(sets).name, "UND");
}

}  // namespace
}  // namespace vantorelle
