// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A lesson: a short guided exercise read from a JSON file (the format is
// described in docs/lesson-format.md). It names the training set it works on
// and the settings the set-up page starts with, then a list of steps, each a
// text, a question and its answer, and perhaps one action for the student
// to take (open the step panel, train, look at a picture). A step may bring
// a set and settings of its own, which take over when the student reaches it.
//
// Reading checks everything a teacher can get wrong (a misspelt field, a rule
// that does not exist, a step without a text) and answers one sentence
// naming the file and the place of the fault, so a lesson either opens whole
// or not at all.

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "SetGenerators.h"
#include "TrainingSettings.h"

namespace vantorelle {

inline constexpr int LessonFormatVersion = 1;

// Where a lesson's training set comes from: a training file (its path
// relative to the lesson file's folder) or one of the generators, seeded so
// that every student gets the same set.
struct LessonData {
    enum class Source { File, Logic, Clouds, Letters };
    Source source = Source::File;
    std::string file;
    LogicFunction logic = LogicFunction::And;
    long inputs = 2;
    CloudParams clouds;
    LetterParams letters;
    std::uint64_t seed = 1;
    // Share of the patterns held out of training for a test afterwards (0: none).
    double heldOutPercent = 0;
    // The name the set-up page shows for the set; empty: the file's name or
    // the generator's.
    std::string name;

    // The same set, whatever it is called.
    bool sameSetAs(const LessonData& other) const;
};

// Settings a lesson or a step sets; whatever is left out stays as it was.
struct LessonSettings {
    std::optional<RuleKind> rule;
    std::optional<double> rate;
    std::optional<long> epochs;
    std::optional<long> printEvery;
    std::optional<double> minError;
    std::optional<bool> stopAtMaxEpochs;
    std::optional<bool> stopWhenAllHits;
    std::optional<bool> randomOrder;
    std::optional<bool> freezeThresholds;
    std::optional<std::uint64_t> seed;

    // These settings with every field `over` sets taken from it.
    LessonSettings overriddenBy(const LessonSettings& over) const;
    bool empty() const;
    bool operator==(const LessonSettings&) const = default;
};

enum class LessonAction {
    None,
    StepPanel,    // the set-up page's step panel
    Train,        // "Start Training" on the set-up page
    Decisions,    // the network view's decision plane
    Weights,      // the network view's weights
    ErrorCurve,   // the network view's error curve
    SSEGraph,     // the SSE graph page
    TestHeldOut,  // the held-out patterns in place of the training set, then the testing hub
};

// The name a lesson file gives an action ("stepPanel", ...); empty for None.
const char* LessonActionName(LessonAction action);

struct LessonStep {
    std::string text;
    std::string question;  // may be empty: a step that only tells
    std::string answer;    // empty exactly when the question is
    std::optional<LessonData> data;
    LessonSettings settings;
    LessonAction action = LessonAction::None;
    std::string actionLabel;  // empty: the action's usual caption
};

struct Lesson {
    std::string title;
    std::string summary;
    LessonData data;
    LessonSettings settings;
    std::vector<LessonStep> steps;
    // The folder relative file names are found in: the lesson file's own.
    std::string folder;
};

// Reads a lesson from its JSON text; `name` is how messages call the file.
// On a fault the answer is one sentence: "The lesson file NAME ...".
std::variant<Lesson, std::string> ReadLesson(const std::string& text, const std::string& name,
                                             const std::string& folder);
// The same from a file; the messages name the file.
std::variant<Lesson, std::string> ReadLessonFile(const std::string& path);

// Translations: a lesson in another language is a copy of the English file
// in a folder named by the language's ISO 639-1 code beside it
// (lessons/de/06-gaussian-xor.json), with its texts translated and
// everything else the same.

// Where the copy of the lesson at `path` in `language` would be.
std::string TranslatedLessonPath(const std::string& path, const std::string& language);

// Why `translation` is not the exercise `original` is (its set, settings,
// steps, questions or actions differ), in one sentence naming the file
// `name`; empty when it is the same exercise in other words.
std::string TranslationProblem(const Lesson& original, const Lesson& translation, const std::string& name);

struct LessonInLanguage {
    std::variant<Lesson, std::string> lesson;  // as ReadLessonFile answers
    bool translated = false;  // the lesson is the copy in the language asked for
    // Why a copy that exists was not taken; empty when it was, or there is none.
    std::string translationProblem;
};

// The lesson at `path` as a student whose window is in `language` reads it:
// its copy in that language when there is one that is the same exercise,
// else the file itself. The copy's relative file names are found where the
// original's are, as it names the same sets.
LessonInLanguage ReadLessonIn(const std::string& path, const std::string& language);

}  // namespace vantorelle
