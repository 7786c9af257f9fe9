// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading a ".net" training file: four header numbers (outputs, an ignored
// value, inputs, patterns), then every pattern's inputs, then every pattern's
// desired outputs, separated by commas, blanks and line breaks in any mix.

#include <cstdint>
#include <iosfwd>
#include <string>

#include "NetworkState.h"

namespace vantorelle {

struct ReadResult {
    bool ok = false;
    std::string message;  // why the file was refused; empty on success
    // Not faults, but signs that the file may not hold what its author meant
    // (a file written with decimal commas, "0,5", reads as shifted values):
    // whether values follow the last one the header asks for (those are
    // ignored; only the rest of the block at hand is looked at, so a long
    // tail is not fetched to find out), and how many empty fields ("0,,1",
    // commas with only blanks between them) the values read contain.
    bool valuesLeftOver = false;
    long emptyFields = 0;
};

// What a file is read as, for its messages: "The training file ..." or
// "The test file ...".
enum class FileRole { Training, Test };

// Reads the file at path into net's sizes, patterns, desired outputs, pattern
// order and NumResponses. On any fault it returns a message naming the file
// (and the bad value's position where there is one) and leaves net untouched.
ReadResult ReadTrainingFile(NetworkState& net, const std::string& path, FileRole role = FileRole::Training);

// The same from an open source that holds `size` bytes, naming it `name` in
// messages. The source is read a block at a time and only as far as the
// header's sizes reach, so memory follows those sizes and not the source's
// length; whatever follows the last desired output is never looked at.
ReadResult ReadTrainingFile(NetworkState& net, std::istream& source, const std::string& name, std::uintmax_t size,
                            FileRole role = FileRole::Training);

// Moves the sizes, patterns and desired outputs that ReadTrainingFile put
// into a scratch state `read` over to net, as a successful read would have.
// For callers that check what was read before it replaces anything.
void AdoptTrainingData(NetworkState& net, NetworkState& read);

// Whether two networks have the same numbers of inputs and outputs.
bool SameUnits(const NetworkState& a, const NetworkState& b);

// Generalization testing: the patterns of a second file, read into `read`,
// replace net's, named `fileName`; the weights stay and a continued run
// starts a new history. Answers false, changing nothing, when the file has
// other numbers of inputs or outputs than the network.
bool AdoptTestPatterns(NetworkState& net, NetworkState& read, const std::string& fileName);

// The sizes a training file's header gives.
struct FileHeader {
    long NumOutputs = 0;
    long NumInputs = 0;
    long NumPatterns = 0;
};

// Why a file of these sizes cannot be read, in the reader's words ("the
// number of patterns must be from 1 to 32767, not 40000."); empty when it
// can. Each size from 1 to MaxSizeValue, outputs times patterns at most
// MaxSizeValue, and the values within the memory the program allows. Whoever
// writes a training file checks with this, so that it never writes one the
// reader refuses.
std::string SizeLimitProblem(const FileHeader& sizes);

// "WHAT must be from 1 to 32767, not TEXT.": a size beyond the limits.
std::string SizeRangeProblem(const std::string& what, const std::string& text);

// Reads only the four header numbers of the file at path, with the same
// checks and messages as ReadTrainingFile; the rest of the file may be bad.
ReadResult ReadTrainingFileHeader(const std::string& path, FileHeader& header);
ReadResult ReadTrainingFileHeader(std::istream& source, const std::string& name, FileHeader& header);

// A file's name without its folders, as messages, reports and the network
// state name a training file ("and.net" for "/home/ann/nets/and.net").
std::string FileBaseName(const std::string& path);

// Parses a training-file number: optional sign, digits with an optional "."
// and an optional exponent. Anything else (nan, inf, hexadecimal, a value out
// of the range of a double) is refused.
bool ParseFileNumber(const char* begin, const char* end, double& value);

}  // namespace vantorelle
