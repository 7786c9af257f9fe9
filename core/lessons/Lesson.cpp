// SPDX-License-Identifier: GPL-3.0-or-later
#include "Lesson.h"

#include <fstream>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>

namespace vantorelle {

namespace {

using nlohmann::json;

// Thrown inside the reader only, caught by ReadLesson and turned into its message.
struct Fault {
    std::string where;  // "step 3", "\"data\"", ...; empty: the file as a whole
    std::string what;
};

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// A JSON object read field by field: every field it holds must be read, so
// a misspelt one is found rather than silently ignored.
class Fields {
public:
    Fields(const json& object, std::string where) : object(object), where(std::move(where))
    {
        if (!object.is_object())
            throw Fault{this->where, "must be an object in braces { }"};
    }

    const json* find(const char* key)
    {
        known.insert(key);
        const auto it = object.find(key);
        return it == object.end() ? nullptr : &*it;
    }

    std::optional<std::string> text(const char* key, bool required = false)
    {
        const json* value = find(key);
        if (!value) {
            if (required)
                throw Fault{where, "has no " + Quoted(key)};
            return std::nullopt;
        }
        if (!value->is_string())
            throw Fault{where, "has " + Quoted(key) + " that is not a text in quotes"};
        return value->get<std::string>();
    }

    std::optional<double> number(const char* key, double low, double high)
    {
        const json* value = find(key);
        if (!value)
            return std::nullopt;
        if (!value->is_number())
            throw Fault{where, "has " + Quoted(key) + " that is not a number"};
        const double x = value->get<double>();
        if (!(x >= low && x <= high)) {
            std::ostringstream range;
            range << "has " << Quoted(key) << " " << x << ", outside " << low << " to " << high;
            throw Fault{where, range.str()};
        }
        return x;
    }

    std::optional<long> whole(const char* key, long low, long high)
    {
        const json* value = find(key);
        if (!value)
            return std::nullopt;
        if (!value->is_number_integer())
            throw Fault{where, "has " + Quoted(key) + " that is not a whole number"};
        const long long x = value->get<long long>();
        if (x < low || x > high)
            throw Fault{where, "has " + Quoted(key) + " " + std::to_string(x) + ", outside " + std::to_string(low) +
                                   " to " + std::to_string(high)};
        return static_cast<long>(x);
    }

    std::optional<std::uint64_t> seed(const char* key)
    {
        const json* value = find(key);
        if (!value)
            return std::nullopt;
        if (!value->is_number_unsigned())
            throw Fault{where, "has " + Quoted(key) + " that is not a whole number from 0 up"};
        return value->get<std::uint64_t>();
    }

    std::optional<bool> flag(const char* key)
    {
        const json* value = find(key);
        if (!value)
            return std::nullopt;
        if (!value->is_boolean())
            throw Fault{where, "has " + Quoted(key) + " that is neither true nor false"};
        return value->get<bool>();
    }

    // Call last: a field no reader asked for is a mistake.
    void noOthers() const
    {
        for (const auto& item : object.items())
            if (!known.count(item.key()))
                throw Fault{where, "has a field " + Quoted(item.key()) + " that lessons do not know"};
    }

    const std::string& place() const { return where; }

private:
    const json& object;
    std::string where;
    std::set<std::string> known;
};

std::optional<LogicFunction> LogicFromName(const std::string& name)
{
    if (name == "and")
        return LogicFunction::And;
    if (name == "or")
        return LogicFunction::Or;
    if (name == "nand")
        return LogicFunction::Nand;
    if (name == "xor" || name == "parity")
        return LogicFunction::Xor;
    return std::nullopt;
}

LessonData ReadData(const json& value, const std::string& where)
{
    Fields fields(value, where);
    LessonData data;
    const std::optional<std::string> file = fields.text("file");
    const std::optional<std::string> generate = fields.text("generate");
    if (file.has_value() == generate.has_value())
        throw Fault{where, "needs either " + Quoted("file") + " or " + Quoted("generate") + ", not both or neither"};
    if (file) {
        if (file->empty())
            throw Fault{where, "has an empty " + Quoted("file")};
        data.file = *file;
    } else if (const auto logic = LogicFromName(*generate)) {
        data.source = LessonData::Source::Logic;
        data.logic = *logic;
        data.inputs = fields.whole("inputs", 1, MaxLogicInputs).value_or(2);
        if (std::string problem = LogicProblem(data.inputs); !problem.empty())
            throw Fault{where, "asks for a set that cannot be made: " + problem};
    } else if (*generate == "clouds") {
        data.source = LessonData::Source::Clouds;
        CloudParams& p = data.clouds;
        p.classes = fields.whole("classes", 2, 100).value_or(p.classes);
        p.perClass = fields.whole("perClass", 1, MaxSizeValue).value_or(p.perClass);
        p.spread = fields.number("spread", 0, 100).value_or(p.spread);
        p.noise = fields.number("noise", 0, 1).value_or(p.noise);
        p.separable = fields.flag("separable").value_or(p.separable);
        if (std::string problem = CloudProblem(p); !problem.empty())
            throw Fault{where, "asks for a set that cannot be made: " + problem};
    } else if (*generate == "letters") {
        data.source = LessonData::Source::Letters;
        LetterParams& p = data.letters;
        p.letters = fields.text("letters").value_or(p.letters);
        p.copies = fields.whole("copies", 1, MaxSizeValue).value_or(p.copies);
        p.noise = fields.number("noise", 0, 1).value_or(p.noise);
        if (std::string problem = LetterProblem(p); !problem.empty())
            throw Fault{where, "asks for a set that cannot be made: " + problem};
    } else {
        throw Fault{where, "has " + Quoted("generate") + " " + Quoted(*generate) +
                               "; it must be and, or, nand, xor, parity, clouds or letters"};
    }
    data.seed = fields.seed("seed").value_or(data.seed);
    data.heldOutPercent = fields.number("holdOutPercent", 0, 99).value_or(0);
    data.name = fields.text("name").value_or("");
    fields.noOthers();
    return data;
}

LessonSettings ReadSettings(const json& value, const std::string& where)
{
    Fields fields(value, where);
    LessonSettings settings;
    if (const auto rule = fields.text("rule")) {
        const RuleKind kind = RuleKindFromName(*rule);
        if (kind == RuleKind::None)
            throw Fault{where, "has " + Quoted("rule") + " " + Quoted(*rule) + "; it must be Delta, Gradient or Tarvik"};
        settings.rule = kind;
    }
    settings.rate = fields.number("rate", 0, 1e6);
    settings.epochs = fields.whole("epochs", 1, 1000000000);
    settings.printEvery = fields.whole("printEvery", 1, 1000000000);
    settings.minError = fields.number("minError", 0, 1e6);
    settings.stopAtMaxEpochs = fields.flag("stopAtMaxEpochs");
    settings.stopWhenAllHits = fields.flag("stopWhenAllHits");
    settings.randomOrder = fields.flag("randomOrder");
    settings.freezeThresholds = fields.flag("freezeThresholds");
    settings.seed = fields.seed("seed");
    fields.noOthers();
    return settings;
}

constexpr LessonAction AllActions[] = {LessonAction::StepPanel,  LessonAction::Train,    LessonAction::Decisions,
                                       LessonAction::Weights,    LessonAction::ErrorCurve, LessonAction::SSEGraph,
                                       LessonAction::TestHeldOut};

LessonStep ReadStep(const json& value, const std::string& where)
{
    Fields fields(value, where);
    LessonStep step;
    step.text = *fields.text("text", true);
    if (step.text.empty())
        throw Fault{where, "has an empty " + Quoted("text")};
    step.question = fields.text("question").value_or("");
    step.answer = fields.text("answer").value_or("");
    if (step.question.empty() != step.answer.empty())
        throw Fault{where, step.question.empty() ? "has an answer but no question" : "has a question but no answer"};
    if (const json* data = fields.find("data"))
        step.data = ReadData(*data, "the \"data\" of " + where);
    if (const json* settings = fields.find("settings"))
        step.settings = ReadSettings(*settings, "the \"settings\" of " + where);
    if (const auto action = fields.text("action")) {
        for (LessonAction known : AllActions)
            if (*action == LessonActionName(known))
                step.action = known;
        if (step.action == LessonAction::None) {
            std::string names;
            for (LessonAction known : AllActions)
                names += std::string(names.empty() ? "" : ", ") + LessonActionName(known);
            throw Fault{where, "has " + Quoted("action") + " " + Quoted(*action) + "; it must be one of " + names};
        }
    }
    step.actionLabel = fields.text("actionLabel").value_or("");
    if (!step.actionLabel.empty() && step.action == LessonAction::None)
        throw Fault{where, "has an " + Quoted("actionLabel") + " but no " + Quoted("action")};
    fields.noOthers();
    return step;
}

Lesson ReadLessonObject(const json& root)
{
    Fields fields(root, "");
    const json* version = fields.find("lesson");
    if (!version || !version->is_number_integer())
        throw Fault{"", "does not start with \"lesson\": 1, the format version"};
    if (version->get<long long>() != LessonFormatVersion)
        throw Fault{"", "is of lesson format " + version->dump() + ", which this program does not know (it reads " +
                            std::to_string(LessonFormatVersion) + ")"};
    Lesson lesson;
    lesson.title = *fields.text("title", true);
    if (lesson.title.empty())
        throw Fault{"", "has an empty \"title\""};
    lesson.summary = fields.text("summary").value_or("");
    const json* data = fields.find("data");
    if (!data)
        throw Fault{"", "has no \"data\": every lesson names its training set"};
    lesson.data = ReadData(*data, "\"data\"");
    if (const json* settings = fields.find("settings"))
        lesson.settings = ReadSettings(*settings, "\"settings\"");
    const json* steps = fields.find("steps");
    if (!steps || !steps->is_array() || steps->empty())
        throw Fault{"", "has no \"steps\": a list [ ] of at least one step"};
    for (std::size_t i = 0; i < steps->size(); ++i)
        lesson.steps.push_back(ReadStep((*steps)[i], "step " + std::to_string(i + 1)));
    fields.noOthers();
    return lesson;
}

// nlohmann's messages start with "[json.exception.parse_error.101] ".
std::string WithoutTag(const std::string& message)
{
    const auto end = message.find("] ");
    return message.rfind("[json.exception", 0) == 0 && end != std::string::npos ? message.substr(end + 2) : message;
}

}  // namespace

LessonSettings LessonSettings::overriddenBy(const LessonSettings& over) const
{
    LessonSettings out = *this;
    auto take = [](auto& field, const auto& given) {
        if (given)
            field = given;
    };
    take(out.rule, over.rule);
    take(out.rate, over.rate);
    take(out.epochs, over.epochs);
    take(out.printEvery, over.printEvery);
    take(out.minError, over.minError);
    take(out.stopAtMaxEpochs, over.stopAtMaxEpochs);
    take(out.stopWhenAllHits, over.stopWhenAllHits);
    take(out.randomOrder, over.randomOrder);
    take(out.freezeThresholds, over.freezeThresholds);
    take(out.seed, over.seed);
    return out;
}

bool LessonSettings::empty() const
{
    return !rule && !rate && !epochs && !printEvery && !minError && !stopAtMaxEpochs && !stopWhenAllHits &&
           !randomOrder && !freezeThresholds && !seed;
}

const char* LessonActionName(LessonAction action)
{
    switch (action) {
    case LessonAction::None: return "";
    case LessonAction::StepPanel: return "stepPanel";
    case LessonAction::Train: return "train";
    case LessonAction::Decisions: return "decisions";
    case LessonAction::Weights: return "weights";
    case LessonAction::ErrorCurve: return "errorCurve";
    case LessonAction::SSEGraph: return "sseGraph";
    case LessonAction::TestHeldOut: return "testHeldOut";
    }
    return "";
}

std::variant<Lesson, std::string> ReadLesson(const std::string& text, const std::string& name,
                                             const std::string& folder)
{
    const std::string file = "The lesson file \"" + name + "\"";
    try {
        const json root = json::parse(text);
        Lesson lesson = ReadLessonObject(root);
        lesson.folder = folder;
        const bool holdsOut = lesson.data.heldOutPercent > 0;
        for (std::size_t i = 0; i < lesson.steps.size(); ++i)
            if (lesson.steps[i].action == LessonAction::TestHeldOut && !holdsOut)
                return file + ": step " + std::to_string(i + 1) +
                       " tests on held-out patterns, but the lesson's \"data\" holds none out (\"holdOutPercent\").";
        return lesson;
    } catch (const json::exception& e) {
        return file + " is not valid JSON: " + WithoutTag(e.what()) + ".";
    } catch (const Fault& fault) {
        return file + (fault.where.empty() ? " " : ": " + fault.where + " ") + fault.what + ".";
    }
}

bool LessonData::sameSetAs(const LessonData& other) const
{
    const CloudParams& a = clouds;
    const CloudParams& b = other.clouds;
    const LetterParams& l = letters;
    const LetterParams& m = other.letters;
    return source == other.source && file == other.file && logic == other.logic && inputs == other.inputs &&
           a.classes == b.classes && a.perClass == b.perClass && a.spread == b.spread && a.noise == b.noise &&
           a.separable == b.separable && l.letters == m.letters && l.copies == m.copies && l.noise == m.noise &&
           seed == other.seed && heldOutPercent == other.heldOutPercent;
}

namespace {

// Reads the file at `path`, which messages call `name`.
std::variant<Lesson, std::string> ReadNamedLessonFile(const std::string& path, const std::string& name)
{
    const auto slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? std::string(".") : path.substr(0, slash);
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    if (!in || !(text << in.rdbuf()))
        return "The lesson file \"" + name + "\" cannot be read.";
    return ReadLesson(text.str(), name, folder);
}

}  // namespace

std::variant<Lesson, std::string> ReadLessonFile(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return ReadNamedLessonFile(path, slash == std::string::npos ? path : path.substr(slash + 1));
}

std::string TranslatedLessonPath(const std::string& path, const std::string& language)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return language + "/" + path;
    return path.substr(0, slash + 1) + language + path.substr(slash);
}

std::string TranslationProblem(const Lesson& original, const Lesson& translation, const std::string& name)
{
    const std::string file = "The translated lesson file \"" + name + "\" ";
    if (!translation.data.sameSetAs(original.data))
        return file + "names another training set in \"data\" than the original.";
    if (!(translation.settings == original.settings))
        return file + "has other \"settings\" than the original.";
    if (translation.steps.size() != original.steps.size())
        return file + "has " + std::to_string(translation.steps.size()) + " steps; the original has " +
               std::to_string(original.steps.size()) + ".";
    for (std::size_t i = 0; i < original.steps.size(); ++i) {
        const LessonStep& a = original.steps[i];
        const LessonStep& b = translation.steps[i];
        const std::string step = file + "has in step " + std::to_string(i + 1) + " ";
        if (a.data.has_value() != b.data.has_value() || (a.data && !b.data->sameSetAs(*a.data)))
            return step + "another training set than the original.";
        if (!(b.settings == a.settings))
            return step + "other settings than the original.";
        if (b.action != a.action)
            return step + "another action than the original.";
        if (a.question.empty() != b.question.empty())
            return step + (a.question.empty() ? "a question the original does not ask." : "no question; the original asks one.");
        if (a.actionLabel.empty() != b.actionLabel.empty())
            return step + (a.actionLabel.empty() ? "an \"actionLabel\" the original does not have."
                                                 : "no \"actionLabel\"; the original has one.");
    }
    return {};
}

LessonInLanguage ReadLessonIn(const std::string& path, const std::string& language)
{
    LessonInLanguage in;
    in.lesson = ReadLessonFile(path);
    const std::string copyPath = TranslatedLessonPath(path, language);
    if (language.empty() || language == "en" || !std::ifstream(copyPath))
        return in;
    auto* original = std::get_if<Lesson>(&in.lesson);
    if (!original)
        return in;
    // Named with its folder, so that a fault is not looked for in the original.
    const std::string name = language + "/" + copyPath.substr(copyPath.find_last_of('/') + 1);
    auto copy = ReadNamedLessonFile(copyPath, name);
    if (auto* problem = std::get_if<std::string>(&copy)) {
        in.translationProblem = *problem;
        return in;
    }
    Lesson& translation = std::get<Lesson>(copy);
    in.translationProblem = TranslationProblem(*original, translation, name);
    if (!in.translationProblem.empty())
        return in;
    translation.folder = original->folder;
    in.lesson = std::move(translation);
    in.translated = true;
    return in;
}

}  // namespace vantorelle
