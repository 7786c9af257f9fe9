// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrainingFile.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <cstdio>
#include <fstream>
#include <istream>
#include <memory>
#include <system_error>
#include <cstring>
#include <cerrno>

#include "NumberFormat.h"

namespace vantorelle {

namespace {

std::string FileSubject(FileRole role, const std::string& name)
{
    return std::string(role == FileRole::Test ? "The test file" : "The training file") + " \"" + name + "\"";
}

// More values than this would need over half a gigabyte: refuse before allocating.
constexpr long long MaxStoredValues = 64LL * 1024 * 1024;

bool IsSeparator(char c)
{
    return c == ',' || c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}


// Longest token kept: no number a person writes comes near it, and keeping
// it bounded means a file of one endless token cannot take the memory.
constexpr std::size_t MaxTokenLength = 4096;

// Walks the file's tokens, keeping the line and column of each for messages.
// It reads the source a block at a time, so memory stays at one block and one
// token however long the file is, and reading stops where the reader stops:
// bytes after the last value the header asks for are never fetched.
class Tokenizer {
public:
    explicit Tokenizer(std::istream& source) : source(source) {}

    // Moves to the next token; false at the end of the source (or when it
    // cannot be read: see ReadFailed) and for a token beyond MaxTokenLength
    // (see TooLong).
    bool Next()
    {
        token.clear();
        char c = 0;
        for (;;) {
            if (!Peek(c))
                return false;
            if (!IsSeparator(c))
                break;
            Advance(c);
        }
        start = offset;
        ++count;
        while (Peek(c) && !IsSeparator(c)) {
            if (token.size() == MaxTokenLength) {
                tooLong = true;
                return false;
            }
            token.push_back(c);
            Advance(c);
        }
        return !readFailed;
    }
    // Whether another token follows, looking no further than the block at
    // hand (or the next one when this one is used up), so that a long tail
    // is never fetched just to answer.
    bool TokenAhead()
    {
        if (next == filled && !Fill())
            return false;
        return std::any_of(block.get() + next, block.get() + filled, [](char c) { return !IsSeparator(c); });
    }
    long EmptyFields() const { return emptyFields; }
    bool ReadFailed() const { return readFailed; }
    bool TooLong() const { return tooLong; }
    const char* Begin() const { return token.data(); }
    const char* End() const { return token.data() + token.size(); }
    std::string Token() const
    {
        std::string t = token;
        if (t.size() > 40)
            t = t.substr(0, 40) + "...";
        return t;
    }
    std::string Where() const
    {
        return "value " + std::to_string(count) + " (line " + std::to_string(line) + ", column " +
               std::to_string(start - lineStart + 1) + ")";
    }

private:
    // The next byte without consuming it; false at the end of the source.
    bool Peek(char& c)
    {
        if (next == filled && !Fill())
            return false;
        c = block[next];
        return true;
    }
    void Advance(char c)
    {
        ++next;
        ++offset;
        if (c == ',') {
            emptyFields += commaOpen ? 1 : 0;
            commaOpen = true;
        } else if (c != ' ' && c != '\t') {
            commaOpen = false;
        }
        if (c == '\n') {
            ++line;
            lineStart = offset;
        }
    }
    bool Fill()
    {
        if (readFailed || !source)
            return false;
        source.read(block.get(), BlockSize);
        filled = static_cast<std::size_t>(source.gcount());
        next = 0;
        if (source.bad())
            readFailed = true;
        // Editors on some systems start a text file with a UTF-8 byte-order
        // mark. The first read fills a whole block unless the source is
        // shorter, so the mark never straddles two reads.
        if (firstFill && filled >= 3 && std::memcmp(block.get(), "\xEF\xBB\xBF", 3) == 0)
            next = 3;
        firstFill = false;
        return next < filled;
    }

    // On the heap rather than on the caller's stack.
    static constexpr std::size_t BlockSize = 64 * 1024;
    std::istream& source;
    std::unique_ptr<char[]> block = std::make_unique<char[]>(BlockSize);
    std::size_t filled = 0;
    std::size_t next = 0;
    bool firstFill = true;
    bool readFailed = false;
    bool tooLong = false;
    std::string token;
    long long offset = 0;  // of the next byte, counted after any byte-order mark
    long long start = 0;
    long long lineStart = 0;
    long line = 1;
    long count = 0;
    bool commaOpen = false;  // a comma seen, and since then only blanks
    long emptyFields = 0;
};

class Reader {
public:
    Reader(const std::string& name, std::istream& source, FileRole role)
        : name(name), subject(FileSubject(role, name)), tokens(source)
    {
    }

    std::string error;

    // Reads the next number; on failure sets error and answers false.
    // `what` names the value as it reads after "the file ends before".
    bool Number(double& value, const char* what)
    {
        if (!tokens.Next()) {
            if (tokens.ReadFailed())
                error = subject + " cannot be read.";
            else if (tokens.TooLong())
                Fail(tokens.Where() + ", \"" + tokens.Token() + "\", is too long to be a number.");
            else
                Fail(std::string("the file ends before ") + what + ".");
            return false;
        }
        if (!ParseFileNumber(tokens.Begin(), tokens.End(), value)) {
            Fail(tokens.Where() + ", \"" + tokens.Token() + "\", is not a number.");
            return false;
        }
        return true;
    }

    // Reads a header size: a whole number from 1 to the size limit.
    bool Size(long& size, const char* what)
    {
        double value = 0;
        if (!Number(value, what))
            return false;
        if (value != std::floor(value)) {
            Fail(std::string(what) + " must be a whole number, not " + tokens.Token() + ".");
            return false;
        }
        if (value < 1 || value > MaxSizeValue) {
            Fail(SizeRangeProblem(what, tokens.Token()));
            return false;
        }
        size = static_cast<long>(value);
        return true;
    }

    void Fail(const std::string& why) { error = subject + " cannot be used: " + why; }
    bool ValuesLeftOver() { return tokens.TokenAhead(); }
    long EmptyFields() const { return tokens.EmptyFields(); }

private:
    std::string name;
    std::string subject;  // "The training file \"and.net\""
    Tokenizer tokens;
};

}  // namespace

std::string SizeRangeProblem(const std::string& what, const std::string& text)
{
    return what + " must be from 1 to " + std::to_string(MaxSizeValue) + ", not " + text + ".";
}

std::string SizeLimitProblem(const FileHeader& sizes)
{
    const std::pair<const char*, long> each[] = {{"the number of outputs", sizes.NumOutputs},
                                                 {"the number of inputs", sizes.NumInputs},
                                                 {"the number of patterns", sizes.NumPatterns}};
    for (const auto& [what, size] : each)
        if (size < 1 || size > MaxSizeValue)
            return SizeRangeProblem(what, std::to_string(size));
    const long long responses = static_cast<long long>(sizes.NumOutputs) * sizes.NumPatterns;
    if (responses > MaxSizeValue)
        return std::to_string(sizes.NumOutputs) + " outputs times " + std::to_string(sizes.NumPatterns) +
               " patterns make " + std::to_string(responses) + " responses; at most " +
               std::to_string(MaxSizeValue) + " are allowed.";
    const long long values = static_cast<long long>(sizes.NumPatterns) * (sizes.NumInputs + sizes.NumOutputs);
    const long long weights = static_cast<long long>(sizes.NumInputs) * sizes.NumOutputs;
    if (values + weights > MaxStoredValues)
        return std::to_string(sizes.NumPatterns) + " patterns of " + std::to_string(sizes.NumInputs) +
               " inputs would need more memory than this program allows.";
    return {};
}

bool ParseFileNumber(const char* begin, const char* end, double& value)
{
    static const NumberLocale FileNumbers{".", ""};
    const auto number = ParseNumberText(std::string_view(begin, static_cast<std::size_t>(end - begin)), FileNumbers);
    if (!number)
        return false;
    value = *number;
    return true;
}

namespace {

// Opens the file at path for reading and finds its length; on failure the
// message says why.
bool OpenFile(const std::string& path, FileRole role, std::ifstream& file, std::uintmax_t& size, std::string& message)
{
    const std::string subject = FileSubject(role, FileBaseName(path));
    // Only an ordinary file: opening a named pipe waits for a writer that may
    // never come (the page would freeze), and a folder reads as no text.
    std::error_code statusError;
    const auto type = std::filesystem::status(path, statusError).type();
    if (!statusError && type != std::filesystem::file_type::regular) {
        message = subject + " cannot be opened: " +
                  (type == std::filesystem::file_type::directory ? "it is a folder" : "it is not an ordinary file") +
                  ".";
        return false;
    }
    file.open(path, std::ios::binary);
    if (!file) {
        int err = errno;
        message = subject + " cannot be opened: " +
                  (err ? std::strerror(err) : "unknown error") + ".";
        return false;
    }
    std::error_code sizeError;
    size = std::filesystem::file_size(path, sizeError);
    if (sizeError)
        size = static_cast<std::uintmax_t>(-1);  // unknown: the short-file check cannot refuse it
    return true;
}

bool ReadHeader(Reader& reader, FileHeader& header)
{
    double ignored = 0;
    return reader.Size(header.NumOutputs, "the number of outputs") &&
           reader.Number(ignored, "the second header value") && reader.Size(header.NumInputs, "the number of inputs") &&
           reader.Size(header.NumPatterns, "the number of patterns");
}

}  // namespace

ReadResult ReadTrainingFileHeader(std::istream& source, const std::string& name, FileHeader& header)
{
    ReadResult result;
    Reader reader(name, source, FileRole::Training);
    FileHeader read;
    if (!ReadHeader(reader, read)) {
        result.message = reader.error;
        return result;
    }
    header = read;
    result.ok = true;
    return result;
}

ReadResult ReadTrainingFileHeader(const std::string& path, FileHeader& header)
{
    ReadResult result;
    std::ifstream file;
    std::uintmax_t size = 0;
    if (!OpenFile(path, FileRole::Training, file, size, result.message))
        return result;
    return ReadTrainingFileHeader(file, FileBaseName(path), header);
}

std::string FileBaseName(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

ReadResult ReadTrainingFile(NetworkState& net, const std::string& path, FileRole role)
{
    ReadResult result;
    std::ifstream file;
    std::uintmax_t size = 0;
    if (!OpenFile(path, role, file, size, result.message))
        return result;
    return ReadTrainingFile(net, file, FileBaseName(path), size, role);
}

ReadResult ReadTrainingFile(NetworkState& net, std::istream& source, const std::string& name, std::uintmax_t size,
                            FileRole role)
{
    ReadResult result;
    Reader reader(name, source, role);
    NetworkState fresh;
    FileHeader header;
    if (!ReadHeader(reader, header)) {
        result.message = reader.error;
        return result;
    }
    fresh.NumOutputs = header.NumOutputs;
    fresh.NumInputs = header.NumInputs;
    fresh.NumPatterns = header.NumPatterns;
    const long long responses = static_cast<long long>(fresh.NumOutputs) * fresh.NumPatterns;
    if (std::string problem = SizeLimitProblem(header); !problem.empty()) {
        reader.Fail(problem);
        result.message = reader.error;
        return result;
    }
    const long long values =
        static_cast<long long>(fresh.NumPatterns) * (fresh.NumInputs + fresh.NumOutputs);
    // Every value takes at least one character and one separator: a file too
    // short for its header is refused before the arrays are allocated.
    if (size < static_cast<std::uintmax_t>(values)) {
        reader.Fail("the file ends before all " + std::to_string(values) + " pattern values; it is only " +
                    std::to_string(size) + " bytes long.");
        result.message = reader.error;
        return result;
    }

    fresh.InputPatterns.Resize(fresh.NumPatterns, fresh.NumInputs);
    for (long p = 1; p <= fresh.NumPatterns; ++p) {
        for (long i = 1; i <= fresh.NumInputs; ++i) {
            if (!reader.Number(fresh.InputPatterns(p, i), "all input values are read")) {
                result.message = reader.error;
                return result;
            }
        }
    }
    fresh.DesiredOutputs.Resize(fresh.NumPatterns, fresh.NumOutputs);
    for (long p = 1; p <= fresh.NumPatterns; ++p) {
        for (long k = 1; k <= fresh.NumOutputs; ++k) {
            if (!reader.Number(fresh.DesiredOutputs(p, k), "all desired outputs are read")) {
                result.message = reader.error;
                return result;
            }
        }
    }

    // Everything read: swap the new data in; units, weights, settings and results stay.
    fresh.NumResponses = static_cast<long>(responses);
    AdoptTrainingData(net, fresh);
    result.ok = true;
    result.valuesLeftOver = reader.ValuesLeftOver();
    result.emptyFields = reader.EmptyFields();
    return result;
}

void AdoptTrainingData(NetworkState& net, NetworkState& read)
{
    net.NumOutputs = read.NumOutputs;
    net.NumInputs = read.NumInputs;
    net.NumPatterns = read.NumPatterns;
    net.NumResponses = read.NumResponses;
    net.InputPatterns = std::move(read.InputPatterns);
    net.DesiredOutputs = std::move(read.DesiredOutputs);
    net.PatternOrder.assign(static_cast<std::size_t>(net.NumPatterns) + 1, 0);
}

bool SameUnits(const NetworkState& a, const NetworkState& b)
{
    return a.NumInputs == b.NumInputs && a.NumOutputs == b.NumOutputs;
}

bool AdoptTestPatterns(NetworkState& net, NetworkState& read, const std::string& fileName)
{
    // The unit arrays and the weights keep their sizes, so other numbers of
    // units never get in.
    if (!SameUnits(read, net))
        return false;
    net.TrainingFileName = fileName;
    AdoptTrainingData(net, read);
    net.FreshStart = false;
    net.EpochCount = 0;
    return true;
}

}  // namespace vantorelle
